#include "file/settings_file.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <span>
#include <vector>

#include "core/item_lists.h"
#include "core/record_tables.h"

namespace lumivox {

namespace {

constexpr std::string_view kEol = "\r\n";

// Section stems of the records that are not kept per profile and motor.
constexpr std::string_view kNamesStem = "Motor-Namen";
constexpr std::string_view kScheduleStem = "Schaltzeit";
constexpr std::string_view kAlarmStem = "AlarmPattern";
constexpr std::string_view kParameterStem = "Parameter";
constexpr std::string_view kGroupsStem = "Gruppen-Zentralsteuerung";
// The push-button automatic came later and was appended after the single
// records; every other automatic precedes them.
constexpr std::string_view kAppendedStem = "TastAutomatik";

std::string number(int n)
{
    return std::to_string(n);
}

// ---------------------------------------------------------------- writing

class Writer {
public:
    void header(std::string_view text)
    {
        out_ += text;
        out_ += kEol;
    }
    void line(std::string_view key, std::string_view value)
    {
        out_ += key;
        out_ += '=';
        out_ += value;
        out_ += kEol;
    }
    void endSection() { out_ += kEol; }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

std::string singleHeader(std::string_view stem)
{
    return "[" + std::string(stem) + "_]";
}

// A line break inside a name would end its line early and turn the rest into
// lines of their own (even a section header), so it is written as a blank.
std::string nameOnOneLine(std::string name)
{
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return name;
}

void writeNames(Writer& w, const SettingsImage& image)
{
    w.header(singleHeader(kNamesStem));
    for (int m = 0; m < kMotors; ++m)
        w.line("Motor" + number(m + 1), nameOnOneLine(image.MotorNamen[m]));
    w.endSection();
}

// The reader takes the day group as one digit, so a group no selector offers
// (a garbled download, say) is written as "this day only", much as an
// overlong switching duration is written as 44: "-1" would make the whole
// file unreadable.
std::string dayGroupToFile(int32_t group)
{
    return group >= 0 && group <= 9 ? std::to_string(group) : "1";
}

// The time of day is kept as hour and minute. Hour 24 reads back as "no
// time", so a time just past 23:59 (no selector offers one, a garbled
// download might) keeps hour 23 and carries the rest in the minute.
void writeClock(Writer& w, int32_t uhrzeit)
{
    constexpr int32_t kFirstPastMidnight = 24 * 60 + 1;
    if (uhrzeit >= kFirstPastMidnight && uhrzeit < kFirstPastMidnight + 60) {
        w.line("Stunde", "23");
        w.line("Minute", number(uhrzeit - 1 - 23 * 60));
        return;
    }
    w.line("Stunde", hourToFile(uhrzeit));
    w.line("Minute", minuteToFile(uhrzeit));
}

void writeSchedule(Writer& w, const SettingsImage& image)
{
    for (int d = 0; d < kDays; ++d)
        for (int m = 0; m < kMotors; ++m)
            for (int n = 0; n < kNumbers; ++n) {
                const rec::Schaltzeit& entry = image.Schaltzeit[d][m][n];
                w.header("[" + std::string(kScheduleStem) + "_" + items::weekdays()[d] + "_Motor" + number(m + 1) +
                         "_Nr" + number(n + 1) + "]");
                for (const auto& field : tables::kSchaltzeitFields) {
                    if (field.member == &rec::Schaltzeit::Uhrzeit) {
                        writeClock(w, entry.Uhrzeit);
                    } else if (field.member == &rec::Schaltzeit::Gruppe) {
                        w.line(field.key, dayGroupToFile(entry.Gruppe));
                    } else {
                        w.line(field.key, toFileValue(field.conversion, entry.*field.member));
                    }
                }
                w.endSection();
            }
}

template <typename Record>
void writeAutomatic(Writer& w, const SettingsImage& image, const RecordKind<Record>& kind)
{
    for (int p = 0; p < kProfiles; ++p)
        for (int m = 0; m < kMotors; ++m) {
            const Record& record = (image.*kind.records)[p][m];
            w.header("[" + std::string(kind.stem) + "_Motor" + number(m + 1) + "_Profil" + number(p + 1) + "]");
            for (const auto& field : kind.fields)
                w.line(field.key, toFileValue(field.conversion, record.*field.member));
            w.endSection();
        }
}

void writeSingles(Writer& w, const SettingsImage& image)
{
    w.header(singleHeader(kAlarmStem));
    for (int m = 0; m < kMotors; ++m)
        w.line("Motor" + number(m + 1), std::to_string(image.AlarmPattern[m]));
    w.endSection();

    w.header(singleHeader(kParameterStem));
    for (const auto& field : tables::kParameterFields)
        w.line(field.key, toFileValue({Codec::Offset, field.offset}, image.Parameter.*field.member));
    w.endSection();

    w.header(singleHeader(kGroupsStem));
    for (int g = 0; g < 4; ++g)
        w.line("Gruppe_" + number(g + 1), std::to_string(image.GruppenZentralsteuerung.Gruppe[g]));
    w.endSection();
}

// ---------------------------------------------------------------- reading

struct BadInteger {
    std::string text;
};

// A whole text as a decimal integer, as strict as the program's own files.
int32_t toInteger(std::string_view text)
{
    // One sign at most: a "+" may stand where a "-" may, but not before one.
    std::string_view digits = text;
    if (digits.starts_with('+'))
        digits.remove_prefix(1);
    int32_t value = 0;
    const char* end = digits.data() + digits.size();
    auto [stop, ec] = std::from_chars(digits.data(), end, value);
    const bool signAfterPlus = digits.size() < text.size() && (digits.starts_with('-') || digits.starts_with('+'));
    if (digits.empty() || signAfterPlus || ec != std::errc() || stop != end)
        throw BadInteger{std::string(text)};
    return value;
}

// The one character at index, read as an integer (a digit).
int32_t digitAt(std::string_view line, size_t index)
{
    if (index >= line.size())
        throw BadInteger{};
    return toInteger(line.substr(index, 1));
}

std::string_view afterFirstEquals(std::string_view line)
{
    return line.substr(line.find('=') + 1);
}

// How a key line sets its pending value.
enum class ReadAs {
    Number,   // the rest of the line after "key="
    Word,     // one of the codec's words at the start of the value
    Digit,    // the first character of the value only
    Hour,     // "--" for no time
    Minute,   // "--" keeps the minute read before
};

struct KeyRule {
    std::string key;
    ReadAs readAs;
    Codec codec;
};

// The texts a word value is recognised by, indexed by the stored value. A
// value only has to begin with one of them ("Normal" by "Norma", "Deaktiv"
// by "De").
std::span<const std::string_view> wordsOf(Codec codec)
{
    static constexpr std::string_view onOff[] = {"Ein", "Aus"};
    static constexpr std::string_view direction[] = {"Auf", "Ab", "De"};
    static constexpr std::string_view greaterSmaller[] = {"Gr", "Kl"};
    static constexpr std::string_view dayNight[] = {"Tag", "Nacht"};
    static constexpr std::string_view heatCool[] = {"Heizen", "Kuehlen"};
    static constexpr std::string_view function[] = {"Norma", "Astro", "Zufal"};
    switch (codec) {
    case Codec::OnOff: return onOff;
    case Codec::UpDown:
    case Codec::UpDownOff: return direction;
    case Codec::GreaterSmaller: return greaterSmaller;
    case Codec::DayNight: return dayNight;
    case Codec::HeatCool: return heatCool;
    case Codec::Function: return function;
    default: return {};
    }
}

// Every key any section carries, with the way its value is read. A key means
// the same in every section, so one pending value serves all of them.
const std::vector<KeyRule>& keyRules()
{
    static const std::vector<KeyRule> rules = [] {
        std::vector<KeyRule> list;
        auto add = [&list](std::string key, ReadAs readAs, Codec codec) {
            if (std::none_of(list.begin(), list.end(), [&](const KeyRule& r) { return r.key == key; }))
                list.push_back({std::move(key), readAs, codec});
        };
        auto byCodec = [](Codec codec) { return wordsOf(codec).empty() ? ReadAs::Number : ReadAs::Word; };
        for (const auto& field : tables::kSchaltzeitFields) {
            if (field.member == &rec::Schaltzeit::Uhrzeit) {
                add("Stunde", ReadAs::Hour, field.conversion.codec);
                add("Minute", ReadAs::Minute, field.conversion.codec);
            } else if (field.member == &rec::Schaltzeit::Gruppe) {
                add(field.key, ReadAs::Digit, field.conversion.codec);
            } else {
                add(field.key, byCodec(field.conversion.codec), field.conversion.codec);
            }
        }
        forEachAutomaticKind([&](const auto& kind) {
            for (const auto& field : kind.fields)
                add(field.key, byCodec(field.conversion.codec), field.conversion.codec);
        });
        return list;
    }();
    return rules;
}

constexpr int kNoTime = 24;   // the hour "--" stands for

class Reader {
public:
    Reader(SettingsImage& image, SettingsFileSummary& summary) : image_(image), summary_(summary) {}

    void line(std::string_view text)
    {
        if (text.empty())
            return;
        if (text.front() == '[')
            header(text);
        if (text.find('=') == std::string_view::npos)
            return;
        setPending(text);
        store(text);
    }

private:
    void header(std::string_view text)
    {
        const size_t underscore = text.find('_');
        stem_ = underscore == std::string_view::npos ? std::string() : std::string(text.substr(1, underscore - 1));
        if (stem_ == kScheduleStem && text.size() >= 14) {
            const ItemList& days = items::weekdays();
            auto it = std::find(days.begin(), days.end(), text.substr(12, 2));
            if (it != days.end())
                day_ = static_cast<int>(it - days.begin()) + 1;
        }
        auto numberAfter = [text](std::string_view tag, int& target) {
            const size_t at = text.find(tag);
            if (at != std::string_view::npos)
                target = digitAt(text, at + tag.size());
        };
        numberAfter("_Motor", motor_);
        numberAfter("_Nr", number_);
        numberAfter("_Profil", profile_);
    }

    void setPending(std::string_view text)
    {
        for (const KeyRule& rule : keyRules()) {
            if (!text.starts_with(rule.key))
                continue;
            // The value starts right behind "key=", whatever that character is.
            const std::string_view value = text.substr(std::min(text.size(), rule.key.size() + 1));
            int32_t& pending = pending_[rule.key];
            switch (rule.readAs) {
            case ReadAs::Number: pending = toInteger(value); break;
            case ReadAs::Digit: pending = toInteger(value.substr(0, 1)); break;
            case ReadAs::Hour: pending = value.starts_with("--") ? kNoTime : toInteger(value); break;
            case ReadAs::Minute:
                if (!value.starts_with("--"))
                    pending = toInteger(value);
                break;
            case ReadAs::Word: {
                const auto words = wordsOf(rule.codec);
                for (size_t i = 0; i < words.size(); ++i)
                    if (value.starts_with(words[i]))
                        pending = static_cast<int32_t>(i);
                break;
            }
            }
        }
    }

    int32_t pending(std::string_view key) { return pending_[std::string(key)]; }

    void counted(bool addressed)
    {
        ++(addressed ? summary_.stored : summary_.unaddressed);
    }

    void store(std::string_view text)
    {
        if (stem_ == kNamesStem)
            storeName(text);
        else if (stem_ == kScheduleStem)
            storeSchedule(text);
        else if (stem_ == kAlarmStem)
            storeAlarm(text);
        else if (stem_ == kParameterStem)
            storeParameter(text);
        else if (stem_ == kGroupsStem)
            storeGroup(text);
        else
            forEachAutomaticKind([&](const auto& kind) {
                if (stem_ == kind.stem)
                    storeAutomatic(kind, text);
            });
    }

    void storeName(std::string_view text)
    {
        const int motor = digitAt(text, 5) - 1;
        counted(validMotor(motor));
        if (validMotor(motor))
            image_.MotorNamen[motor] = std::string(afterFirstEquals(text));
    }

    void storeAlarm(std::string_view text)
    {
        const int motor = digitAt(text, 5) - 1;
        const int32_t value = toInteger(afterFirstEquals(text));
        counted(validMotor(motor));
        if (validMotor(motor))
            image_.AlarmPattern[motor] = value;
    }

    void storeParameter(std::string_view text)
    {
        const int32_t value = toInteger(afterFirstEquals(text));
        for (const auto& field : tables::kParameterFields)
            if (text.starts_with(std::string_view(field.key).substr(0, 9))) {
                image_.Parameter.*field.member = indexFromFileNumber({Codec::Offset, field.offset}, value);
                counted(true);
            }
    }

    void storeGroup(std::string_view text)
    {
        const int32_t value = toInteger(afterFirstEquals(text));
        for (int g = 0; g < 4; ++g)
            if (text.starts_with("Gruppe_" + number(g + 1))) {
                image_.GruppenZentralsteuerung.Gruppe[g] = value;
                counted(true);
            }
    }

    void storeSchedule(std::string_view text)
    {
        if (!text.starts_with(std::end(tables::kSchaltzeitFields)[-1].key))
            return;
        rec::Schaltzeit* entry = image_.switchingTime(day_ - 1, motor_ - 1, number_ - 1);
        counted(entry != nullptr);
        if (!entry)
            return;
        for (const auto& field : tables::kSchaltzeitFields) {
            if (field.member == &rec::Schaltzeit::Uhrzeit) {
                const int64_t hour = pending("Stunde");
                entry->Uhrzeit = hour == kNoTime ? 0 : saturated(hour * 60 + pending("Minute") + 1);
            } else {
                entry->*field.member = indexFromFileNumber(field.conversion, pending(field.key));
            }
        }
    }

    template <typename Record>
    void storeAutomatic(const RecordKind<Record>& kind, std::string_view text)
    {
        if (!text.starts_with(kind.closingKey ? kind.closingKey : kind.fields.back().key))
            return;
        const int profile = profile_ - 1;
        const int motor = motor_ - 1;
        counted(validProfile(profile) && validMotor(motor));
        if (!validProfile(profile) || !validMotor(motor))
            return;
        Record& record = (image_.*kind.records)[profile][motor];
        for (const auto& field : kind.fields)
            record.*field.member = indexFromFileNumber(field.conversion, pending(field.key));
    }

    SettingsImage& image_;
    SettingsFileSummary& summary_;
    std::string stem_;
    // 1-based as in the file; 0 until a header names them.
    int day_ = 0;
    int motor_ = 0;
    int number_ = 0;
    int profile_ = 0;
    // Never reset at a header: a key missing from a section takes the value
    // read last anywhere before.
    std::map<std::string, int32_t, std::less<>> pending_;
};

// The offending text as the message quotes it: a binary file picked by
// mistake must not turn the message box into a wall of bytes.
std::string shortened(const std::string& text)
{
    constexpr size_t kMaxQuoted = 60;
    return text.size() <= kMaxQuoted ? text : text.substr(0, kMaxQuoted) + "...";
}

// Calls fn(line) for each line; CR LF, LF and a lone CR all end a line.
template <typename Fn>
void forEachLine(std::string_view bytes, Fn&& fn)
{
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            fn(bytes.substr(start));
            return;
        }
        fn(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
}

}  // namespace

std::string writeSettingsFile(const SettingsImage& image)
{
    Writer w;
    writeNames(w, image);
    writeSchedule(w, image);
    forEachAutomaticKind([&](const auto& kind) {
        if (kind.stem == kAppendedStem)
            writeSingles(w, image);
        writeAutomatic(w, image, kind);
    });
    return w.take();
}

bool readSettingsFile(std::string_view bytes, SettingsImage& image, SettingsFileError* error,
                      SettingsFileSummary* summary)
{
    SettingsImage result = image;
    result.markAllChanged();
    result.GruppenZentralsteuerung = {};

    SettingsFileSummary counts;
    Reader reader(result, counts);
    int lineNumber = 0;
    try {
        forEachLine(bytes, [&](std::string_view line) {
            ++lineNumber;
            reader.line(line);
        });
    } catch (const BadInteger& bad) {
        if (error)
            *error = {"'" + shortened(bad.text) + "' ist kein g\xFCltiger Integerwert", lineNumber};
        return false;
    }
    counts.lines = lineNumber;
    image = std::move(result);
    if (summary)
        *summary = counts;
    if (error)
        *error = {};
    return true;
}

std::string describe(const SettingsFileError& error)
{
    if (error.line <= 0)
        return error.message;
    return error.message + " (Zeile " + std::to_string(error.line) + ")";
}

}  // namespace lumivox
