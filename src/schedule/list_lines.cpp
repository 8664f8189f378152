#include "schedule/list_lines.h"

#include "core/item_lists.h"

namespace lumivox::schedule {

namespace {

std::string padded(std::string text, std::size_t length)
{
    text.resize(length, ' ');
    return text;
}

}  // namespace

const std::string& separatorLine()
{
    static const std::string line = [] {
        std::string l(28, '-');
        for (int i = 0; i < 6; ++i)
            l += "+----------";
        l += "+---------";
        return l;
    }();
    return line;
}

std::string cell(const rec::Schaltzeit& entry)
{
    if (!hasSwitchingTime(entry.Uhrzeit))
        return "        |  ";
    return items::switchingTimes()[entry.Uhrzeit] + (entry.Richtung == 0 ? " ^ |  " : " v |  ");
}

std::string dataLine(const SettingsImage& image, int day, int motor)
{
    if (!validDay(day) || !validMotor(motor))
        return {};
    // The name is cut to 12 characters; a shorter one is padded so that the
    // cells stay in their columns even for an empty name.
    std::string line = padded(items::weekdays()[day] + "  " + image.MotorNamen[motor] + std::string(11, ' '), 16);
    line += "    ";
    line.reserve(kDataLineLength);
    for (const auto& entry : image.Schaltzeit[day][motor])
        line += cell(entry);
    return line;
}

std::vector<std::string> listLines(const SettingsImage& image, ListOrder order)
{
    std::vector<std::string> lines;
    lines.reserve(lineCount(order));
    for (int line = 0; line < lineCount(order); ++line) {
        if (auto pos = positionOfLine(order, line))
            lines.push_back(dataLine(image, pos->day, pos->motor));
        else
            lines.push_back(separatorLine());
    }
    return lines;
}

std::vector<std::string> initialListLines(ListOrder order)
{
    std::vector<std::string> lines;
    lines.reserve(lineCount(order));
    const std::string trailing = order == ListOrder::ByDay ? " " : "";
    for (int line = 0; line < lineCount(order); ++line) {
        if (auto pos = positionOfLine(order, line))
            lines.push_back(items::weekdays()[pos->day] + "  Motor " + std::to_string(pos->motor + 1) + trailing);
        else
            lines.push_back(std::string(kSeparatorLength, '-'));
    }
    return lines;
}

std::string headingOverCells()
{
    const std::string title = "Schaltzeit";
    const std::size_t cells = kNumbers * kCellLength;
    return std::string(kHeadLength + (cells - title.size()) / 2, ' ') + title;
}

std::string headingNumbers()
{
    std::string line(kHeadLength, ' ');
    for (int n = 1; n <= kNumbers; ++n)
        line += padded("Nr. " + std::to_string(n), kCellLength);
    // No trailing blanks.
    return line.substr(0, line.find_last_not_of(' ') + 1);
}

}  // namespace lumivox::schedule
