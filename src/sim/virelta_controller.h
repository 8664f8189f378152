#pragma once
// The simulated Virelta controller: reads the PC's requests from the line,
// answers them with framed replies from its own state. Standard library
// only; virelta-sim puts it on a pseudo-terminal, tests put it behind the
// link's port interface.
//
// Requests are a command name of three letters (blanks, CR and "+" between
// commands are skipped) followed by a fixed number of fields, each ended by
// CR. Later transfers add their commands to the table (addCommand), so the
// download, upload, logbook and DCF77 answers live beside the polls.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace virelta_sim {

enum class Kind { Conservatory, Shading, Plain };

// The identity text: character 9 "W" (conservatory), 11 motor count, 13
// switching times per day, 14 "S", 15 "T", 16 "G".
std::string makeIdentity(Kind kind, int motors, int timesPerDay);

struct Faults {
    double silentAfter = -1;   // seconds from start; < 0: never
    double silentFor = -1;     // then answer again after this long; < 0: never
    bool garbage = false;      // junk (and now and then a stray end marker) between frames
    int corruptEvery = 0;      // every n-th frame damaged (payload, then end marker, in turn)
};

struct Config {
    Kind kind = Kind::Conservatory;
    std::string identity;       // empty: makeIdentity(kind, 8, 8)
    std::string firmware = "5.509";
    bool timeSignal = true;     // false: date "01.01.00", time counting from 00:00:00
    long long startEpoch = 0;   // wall-clock seconds at time 0 (with timeSignal)
    unsigned seed = 1;
    Faults faults;
};

// The sixteen numbers of an "skd" reply.
using LiveNumbers = std::array<int32_t, 16>;

class Controller {
public:
    using Fields = std::vector<std::string>;
    using Command = std::function<void(Controller&, const Fields&)>;

    explicit Controller(Config config);

    // Bytes from the line at time now (seconds since start).
    void receive(std::string_view bytes, double now);
    // Replies waiting to go out on the line.
    std::string takeOutput();
    bool hasOutput() const { return !output_.empty(); }

    void addCommand(const std::string& name, int fieldCount, Command command);
    // Queues one frame, with the configured faults applied.
    void reply(const std::string& tag, const std::string& payload);

    // Stops (or resumes) answering, on top of the timed silence.
    void setSilent(bool silent) { forcedSilent_ = silent; }
    bool forcedSilent() const { return forcedSilent_; }
    bool silentAt(double now) const;

    LiveNumbers liveValues(double now);
    std::string date(double now) const;
    std::string time(double now) const;
    const Config& config() const { return config_; }
    double now() const { return now_; }

    // Command names in the order received, for tests and the log.
    const std::vector<std::string>& received() const { return received_; }
    // The names received since the last call. The simulator program takes
    // them after every read, so a long run keeps no growing list.
    std::vector<std::string> takeReceived() { return std::exchange(received_, {}); }

private:
    struct Entry {
        int fieldCount = 0;
        Command command;
    };
    void runCommands();
    void registerPolls();
    std::string garbage();

    Config config_;
    std::map<std::string, Entry> commands_;
    std::string input_;
    std::string output_;
    std::vector<std::string> received_;
    double now_ = 0;
    bool forcedSilent_ = false;
    long long framesSent_ = 0;
    std::mt19937 random_;
    bool haveExtremes_ = false;
    int32_t indoorMin_ = 0, indoorMax_ = 0, outdoorMin_ = 0, outdoorMax_ = 0, windMax_ = 0;
};

}  // namespace virelta_sim
