#pragma once
// Replies of the controller: "start_" + tag + payload + "ende_", cut from the
// stream of received bytes, and the comma-terminated number lists they carry.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivox {

inline constexpr std::string_view kStartMarker = "start_";
inline constexpr std::string_view kEndMarker = "ende_";

struct ReplyFrame {
    std::string tag;       // three characters, compared exactly
    std::string payload;   // Windows-1252 bytes, possibly empty

    std::string wire() const;   // the frame as the controller sends it
    bool operator==(const ReplyFrame&) const = default;
};

// What one cut produced: a frame, and whether stray bytes holding an end
// marker had to be thrown away in front of it.
struct CutResult {
    std::optional<ReplyFrame> frame;
    bool discardedStray = false;
};

// The received bytes not yet cut into frames.
class ReceiveBuffer {
public:
    // A noisy line must not grow memory without end: once every complete
    // frame is cut, a rest past this size keeps only the bytes from its last
    // start marker on. A long burst of complete frames is never cut short.
    static constexpr std::size_t kLimit = 64 * 1024;

    void append(std::string_view bytes);

    // Cuts the next complete frame; when there is none, bounds the rest.
    // Bytes in front of its start marker go with it. An end marker in front
    // of the first start marker, or a start marker whose frame never ended (a
    // second start marker comes before the end marker), is discarded with
    // everything before the start marker that follows, so the frame behind
    // it survives.
    CutResult cut();

    // Every complete frame, in order; discarded counts the stray cuts.
    std::vector<ReplyFrame> cutAll(int* discarded = nullptr);

    const std::string& bytes() const { return bytes_; }
    void clear() { bytes_.clear(); }

private:
    void bound();

    std::string bytes_;
};

inline constexpr int kPayloadNumberCount = 16;
using PayloadNumbers = std::array<int32_t, kPayloadNumberCount>;

struct ParsedNumbers {
    PayloadNumbers numbers{};
    bool ok = true;
    std::string badText;   // the text that is not a decimal integer
};

// Fills N0 ... N15 from a comma-terminated list and consumes what it parsed
// from payload: every number must be followed by a comma, text after the
// last comma is ignored, numbers beyond the sixteenth stay in payload.
// A text that is not a signed 32-bit decimal integer stops the parse with
// ok = false (the slots before it are filled).
ParsedNumbers ParseNumberList(std::string& payload);

// Signed decimal integer, blanks around it allowed; nothing else.
std::optional<int32_t> parseDecimal(std::string_view text);

}  // namespace lumivox
