#include "sim/virelta_controller.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace virelta_sim {

namespace {

constexpr std::string_view kSeparators = " \r\n+";

std::string digit(int n)
{
    return std::string(1, static_cast<char>('0' + std::clamp(n, 0, 9)));
}

// Whole degrees and tenths, the tenths without sign: -3.5 -> -3, 5.
std::pair<int32_t, int32_t> degreesAndTenths(double t)
{
    const long tenths = std::lround(t * 10);
    return {static_cast<int32_t>(tenths / 10), static_cast<int32_t>(std::labs(tenths % 10))};
}

}  // namespace

std::string makeIdentity(Kind kind, int motors, int timesPerDay)
{
    switch (kind) {
    case Kind::Conservatory:
        return "VWS 880 W " + digit(motors) + " " + digit(timesPerDay) + "STG";
    case Kind::Shading:
        return "VSS 440 - " + digit(motors) + " " + digit(timesPerDay) + "S--";
    case Kind::Plain:
        break;
    }
    return "VRS 220 - " + digit(motors) + " " + digit(timesPerDay) + "---";
}

Controller::Controller(Config config) : config_(std::move(config)), random_(config_.seed)
{
    if (config_.identity.empty())
        config_.identity = makeIdentity(config_.kind, 8, 8);
    registerPolls();
}

void Controller::registerPolls()
{
    addCommand("sfi", 0, [](Controller& c, const Fields&) { c.reply("sfi", c.config().firmware); });
    addCommand("sdt", 0, [](Controller& c, const Fields&) { c.reply("sdt", c.date(c.now())); });
    addCommand("sti", 0, [](Controller& c, const Fields&) { c.reply("sti", c.time(c.now())); });
    addCommand("smo", 0, [](Controller& c, const Fields&) { c.reply("smo", c.config().identity); });
    addCommand("skd", 0, [](Controller& c, const Fields&) {
        std::string payload;
        for (int32_t n : c.liveValues(c.now()))
            payload += std::to_string(n) + ",";
        c.reply("skd", payload);
    });
    // Restart of the logbook read: nothing to answer.
    addCommand("slr", 0, [](Controller&, const Fields&) {});
}

void Controller::addCommand(const std::string& name, int fieldCount, Command command)
{
    commands_[name] = Entry{fieldCount, std::move(command)};
}

void Controller::receive(std::string_view bytes, double now)
{
    now_ = now;
    input_.append(bytes);
    runCommands();
}

void Controller::runCommands()
{
    for (;;) {
        const std::size_t begin = input_.find_first_not_of(kSeparators);
        if (begin == std::string::npos) {
            input_.clear();
            return;
        }
        input_.erase(0, begin);
        if (input_.size() < 3)
            return;
        const auto it = commands_.find(input_.substr(0, 3));
        if (it == commands_.end()) {
            // Unknown: step one character on, so a known command behind
            // line noise is still found.
            input_.erase(0, 1);
            continue;
        }
        Fields fields;
        std::size_t at = 3;
        for (int i = 0; i < it->second.fieldCount; ++i) {
            const std::size_t cr = input_.find('\r', at);
            if (cr == std::string::npos)
                return;   // wait for the rest
            std::string field = input_.substr(at, cr - at);
            const std::size_t first = field.find_first_not_of(' ');
            field = first == std::string::npos ? std::string() : field.substr(first);
            fields.push_back(std::move(field));
            at = cr + 1;
        }
        input_.erase(0, at);
        received_.push_back(it->first);
        if (!silentAt(now_))
            it->second.command(*this, fields);
    }
}

bool Controller::silentAt(double now) const
{
    if (forcedSilent_)
        return true;
    const Faults& f = config_.faults;
    if (f.silentAfter < 0 || now < f.silentAfter)
        return false;
    return f.silentFor < 0 || now < f.silentAfter + f.silentFor;
}

std::string Controller::garbage()
{
    static constexpr std::string_view kJunk = "#%&*=?~0123456789";
    std::uniform_int_distribution<int> length(1, 8);
    std::uniform_int_distribution<std::size_t> pick(0, kJunk.size() - 1);
    std::string junk;
    for (int i = length(random_); i > 0; --i)
        junk += kJunk[pick(random_)];
    if (std::uniform_int_distribution<int>(0, 3)(random_) == 0)
        junk += "ende_";
    return junk;
}

void Controller::reply(const std::string& tag, const std::string& payload)
{
    if (silentAt(now_))
        return;
    ++framesSent_;
    std::string body = payload;
    std::string end = "ende_";
    const int every = config_.faults.corruptEvery;
    if (every > 0 && framesSent_ % every == 0) {
        if ((framesSent_ / every) % 2 == 1 && !body.empty())
            body[body.size() / 2] = '?';
        else
            end = "ende#";
    }
    if (config_.faults.garbage)
        output_ += garbage();
    output_ += "start_" + tag + body + end;
}

std::string Controller::takeOutput()
{
    std::string out;
    out.swap(output_);
    return out;
}

LiveNumbers Controller::liveValues(double t)
{
    const bool conservatory = config_.kind == Kind::Conservatory;
    const bool sensors = config_.kind != Kind::Plain;
    const double indoor = 21.5 + 1.5 * std::sin(t / 120.0);
    const double outdoor = 12.0 + 4.0 * std::sin(t / 300.0) + 0.4 * std::sin(t / 7.0);
    int32_t wind = static_cast<int32_t>(std::fabs(18.0 * std::sin(t / 23.0) + 9.0 * std::sin(t / 4.1)));
    if (wind < 3 || !sensors)
        wind = 0;
    const double sun = std::max(0.0, 45.0 + 35.0 * std::sin(t / 40.0));
    const double meanSun = std::max(0.0, 45.0 + 35.0 * std::sin((t - 20.0) / 40.0));

    const auto [inWhole, inTenths] = degreesAndTenths(indoor);
    const auto [outWhole, outTenths] = degreesAndTenths(outdoor);
    if (!haveExtremes_) {
        indoorMin_ = indoorMax_ = inWhole;
        outdoorMin_ = outdoorMax_ = outWhole;
        haveExtremes_ = true;
    }
    indoorMin_ = std::min(indoorMin_, inWhole);
    indoorMax_ = std::max(indoorMax_, inWhole);
    outdoorMin_ = std::min(outdoorMin_, outWhole);
    outdoorMax_ = std::max(outdoorMax_, outWhole);
    windMax_ = std::max(windMax_, wind);

    LiveNumbers n{};
    n[0] = sensors ? static_cast<int32_t>(sun) : 0;
    if (conservatory) {
        n[1] = inWhole;
        n[2] = inTenths;
        n[3] = indoorMin_;
        n[4] = indoorMax_;
    } else {
        n[1] = 999;
    }
    if (sensors) {
        n[5] = outWhole;
        n[6] = outTenths;
        n[7] = outdoorMin_;
        n[8] = outdoorMax_;
    } else {
        n[5] = 999;
    }
    n[9] = wind;
    n[10] = windMax_;
    n[11] = 0;
    n[12] = sensors && static_cast<long>(t / 60.0) % 5 == 4 ? 1 : 0;
    n[13] = static_cast<int32_t>(std::lround(wind / 3.6));
    n[14] = sensors ? static_cast<int32_t>(meanSun) : 0;
    n[15] = conservatory ? static_cast<int32_t>(std::lround(55.0 + 12.0 * std::sin(t / 200.0))) : 0;
    return n;
}

std::string Controller::date(double now) const
{
    if (!config_.timeSignal)
        return "01.01.00";
    const std::time_t t = static_cast<std::time_t>(config_.startEpoch + static_cast<long long>(now));
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[32];   // room for any int the compiler cannot rule out
    std::snprintf(text, sizeof text, "%02d.%02d.%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100);
    return text;
}

std::string Controller::time(double now) const
{
    long long seconds = static_cast<long long>(now);
    if (config_.timeSignal) {
        const std::time_t t = static_cast<std::time_t>(config_.startEpoch + seconds);
        std::tm tm{};
        localtime_r(&t, &tm);
        seconds = tm.tm_hour * 3600LL + tm.tm_min * 60 + tm.tm_sec;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", (seconds / 3600) % 24, (seconds / 60) % 60,
                  seconds % 60);
    return text;
}

}  // namespace virelta_sim
