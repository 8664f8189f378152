#include "core/record_tables.h"

#include <algorithm>
#include <limits>

namespace lumivox {

int32_t saturated(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

std::string switchingDurationToFile(int32_t index)
{
    if (index < 100)
        return std::to_string(index + 1);
    if (index <= 129)
        return std::to_string((index - 100) * 10 + 110);
    return "44";
}

int32_t switchingDurationFromFile(int32_t seconds)
{
    int64_t d = seconds;
    if (d > 100)
        d = (d - 100) / 10 + 100;
    return saturated(d - 1);
}

std::string hourToFile(int32_t uhrzeit)
{
    return uhrzeit == 0 ? "--" : std::to_string((int64_t{uhrzeit} - 1) / 60);
}

std::string minuteToFile(int32_t uhrzeit)
{
    return uhrzeit == 0 ? "--" : std::to_string((int64_t{uhrzeit} - 1) % 60);
}

std::string toFileValue(Conversion conversion, int32_t index)
{
    switch (conversion.codec) {
    case Codec::Offset: return std::to_string(int64_t{index} + conversion.offset);
    case Codec::WindSpeed: return std::to_string((int64_t{index} + 1) * 5);
    case Codec::SwitchingDuration: return switchingDurationToFile(index);
    case Codec::OnOff: return index == 0 ? "Ein" : "Aus";
    case Codec::UpDown: return index == 0 ? "Auf" : "Ab";
    case Codec::UpDownOff: return index == 0 ? "Auf" : index == 1 ? "Ab" : "Deaktiv";
    case Codec::GreaterSmaller: return index == 0 ? "Gr" : "Kl";
    case Codec::DayNight: return index == 0 ? "Tag" : "Nacht";
    case Codec::HeatCool: return index == 0 ? "Heizen" : "Kuehlen";
    case Codec::Function: return index == 0 ? "Normal" : index == 1 ? "Astro" : "Zufall";
    }
    return {};
}

int32_t indexFromFileNumber(Conversion conversion, int32_t number)
{
    switch (conversion.codec) {
    case Codec::Offset: return saturated(int64_t{number} - conversion.offset);
    case Codec::WindSpeed: return number / 5 - 1;
    case Codec::SwitchingDuration: return switchingDurationFromFile(number);
    default: return number;
    }
}

}  // namespace lumivox
