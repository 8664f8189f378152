#include "link/framing.h"

#include <charconv>

namespace lumivox {

std::string ReplyFrame::wire() const
{
    std::string out;
    out.reserve(kStartMarker.size() + tag.size() + payload.size() + kEndMarker.size());
    out.append(kStartMarker).append(tag).append(payload).append(kEndMarker);
    return out;
}

void ReceiveBuffer::append(std::string_view bytes)
{
    bytes_.append(bytes);
}

void ReceiveBuffer::bound()
{
    if (bytes_.size() <= kLimit)
        return;
    const std::size_t lastStart = bytes_.rfind(kStartMarker);
    if (lastStart != std::string::npos && bytes_.size() - lastStart <= kLimit) {
        bytes_.erase(0, lastStart);
        return;
    }
    // No usable start marker: keep only a tail that may hold the beginning of
    // a marker split across two reads.
    bytes_.erase(0, bytes_.size() - (kStartMarker.size() - 1));
}

CutResult ReceiveBuffer::cut()
{
    CutResult result;
    for (;;) {
        const std::size_t start = bytes_.find(kStartMarker);
        const std::size_t end = bytes_.find(kEndMarker);
        if (start == std::string::npos || end == std::string::npos) {
            // Every complete frame is out; what is left may be bounded.
            bound();
            return result;
        }
        if (end < start) {
            bytes_.erase(0, start);
            result.discardedStray = true;
            continue;
        }
        // A start marker between start and end means the first frame lost its
        // end marker: its remains go, the later frame is kept.
        const std::size_t restart = bytes_.rfind(kStartMarker, end);
        if (restart != start) {
            bytes_.erase(0, restart);
            result.discardedStray = true;
            continue;
        }
        const std::size_t tagAt = start + kStartMarker.size();
        const std::size_t payloadAt = tagAt + 3;
        ReplyFrame frame;
        frame.tag = bytes_.substr(tagAt, std::min<std::size_t>(3, end - tagAt));
        if (end > payloadAt)
            frame.payload = bytes_.substr(payloadAt, end - payloadAt);
        bytes_.erase(0, end + kEndMarker.size());
        result.frame = std::move(frame);
        return result;
    }
}

std::vector<ReplyFrame> ReceiveBuffer::cutAll(int* discarded)
{
    std::vector<ReplyFrame> frames;
    for (;;) {
        CutResult r = cut();
        if (r.discardedStray && discarded)
            ++*discarded;
        if (!r.frame)
            return frames;
        frames.push_back(std::move(*r.frame));
    }
}

std::optional<int32_t> parseDecimal(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

ParsedNumbers ParseNumberList(std::string& payload)
{
    ParsedNumbers parsed;
    for (int k = 0; k < kPayloadNumberCount; ++k) {
        const std::size_t comma = payload.find(',');
        if (comma == std::string::npos)
            break;
        const std::string text = payload.substr(0, comma);
        payload.erase(0, comma + 1);
        const std::optional<int32_t> value = parseDecimal(text);
        if (!value) {
            parsed.ok = false;
            parsed.badText = text;
            return parsed;
        }
        parsed.numbers[k] = *value;
    }
    return parsed;
}

}  // namespace lumivox
