#include "link/live_values.h"

#include <algorithm>

namespace lumivox {

namespace {

const std::string kDegree = "\xb0";   // Windows-1252

std::string num(int32_t v)
{
    return std::to_string(v);
}

// One sensor's four numbers from n[first]: whole degrees, tenths, minimum,
// maximum. 999 means no sensor; its panel then keeps the last text.
void showTemperature(const PayloadNumbers& n, int first, const char* panelPrefix, std::string& current,
                     std::string& minimum, std::string& maximum, std::optional<std::string>& panel)
{
    if (n[first] == kNoSensor) {
        current = "    -";
        minimum = maximum = "  -";
        return;
    }
    current = num(n[first]) + "," + num(n[first + 1]) + kDegree;
    minimum = num(n[first + 2]) + kDegree;
    maximum = num(n[first + 3]) + kDegree;
    panel = panelPrefix + current;
}

}  // namespace

const std::array<const char*, kPayloadNumberCount>& liveValueNames()
{
    static const std::array<const char*, kPayloadNumberCount> names = {
        "Helligkeit aktuell",
        "Innentemperatur",
        "Innentemperatur Zehntel",
        "Innentemperatur Min. 24 h",
        "Innentemperatur Max. 24 h",
        "Au\xdf" "entemperatur",
        "Au\xdf" "entemperatur Zehntel",
        "Au\xdf" "entemperatur Min. 24 h",
        "Au\xdf" "entemperatur Max. 24 h",
        "Wind km/h",
        "Wind max. km/h",
        "Alarm",
        "Regen",
        "Wind (Statusleiste)",
        "Helligkeit mittel",
        "Relative Feuchte %",
    };
    return names;
}

LiveDisplay liveDisplay(const PayloadNumbers& n, bool meanBrightness, bool sensors)
{
    LiveDisplay d;
    showTemperature(n, 1, "IT: ", d.indoorCurrent, d.indoorMin, d.indoorMax, d.panelIndoor);
    showTemperature(n, 5, "AT: ", d.outdoorCurrent, d.outdoorMin, d.outdoorMax, d.panelOutdoor);
    d.wind = num(n[9]) + " km/h";
    d.windBarVisible = n[9] != 0;
    d.windBarValue = std::clamp<int32_t>(n[9], 0, 100);
    d.maxWind = num(n[10]) + " km/h";
    d.alarm = n[11] != 0 ? "Alarm ausgel\xf6st" : "   Kein Alarm";
    d.rain = n[12] != 0 ? " Es regnet" : " Kein Regen";
    d.humidity = n[15] != 0 ? num(n[15]) + " %" : " - ";
    d.brightness = num(meanBrightness ? n[14] : n[0]);
    if (sensors) {
        d.panelSun = "Sonne: " + num(n[0]);
        d.panelWind = "Wind: " + num(n[13]);
    }
    return d;
}

}  // namespace lumivox
