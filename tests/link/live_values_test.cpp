#include <gtest/gtest.h>

#include "link/live_values.h"

using namespace lumivox;

namespace {

PayloadNumbers numbers(std::initializer_list<std::pair<int, int32_t>> set)
{
    PayloadNumbers n{};
    for (const auto& [slot, value] : set)
        n[slot] = value;
    return n;
}

}  // namespace

TEST(LiveDisplay, TemperaturesAndMissingSensors)
{
    const LiveDisplay d = liveDisplay(numbers({{1, 999}, {3, 4}, {4, 5}, {5, 21}, {6, 5}, {7, -3}, {8, 24}}), true, true);
    EXPECT_EQ(d.indoorCurrent, "    -");
    EXPECT_EQ(d.indoorMin, "  -");
    EXPECT_EQ(d.indoorMax, "  -");
    EXPECT_FALSE(d.panelIndoor);   // panel 10 keeps its text
    EXPECT_EQ(d.outdoorCurrent, "21,5\xb0");
    EXPECT_EQ(d.outdoorMin, "-3\xb0");
    EXPECT_EQ(d.outdoorMax, "24\xb0");
    EXPECT_EQ(d.panelOutdoor, std::optional<std::string>("AT: 21,5\xb0"));

    const LiveDisplay cold = liveDisplay(numbers({{1, -3}, {2, 5}, {5, 999}}), true, true);
    EXPECT_EQ(cold.indoorCurrent, "-3,5\xb0");
    EXPECT_EQ(cold.panelIndoor, std::optional<std::string>("IT: -3,5\xb0"));
    EXPECT_EQ(cold.outdoorCurrent, "    -");
    EXPECT_FALSE(cold.panelOutdoor);
}

TEST(LiveDisplay, WindRainAlarmHumidity)
{
    struct Case {
        PayloadNumbers n;
        bool barVisible;
        int barValue;
        const char *wind, *alarm, *rain, *humidity;
    };
    const Case cases[] = {
        {numbers({}), false, 0, "0 km/h", "   Kein Alarm", " Kein Regen", " - "},
        {numbers({{9, 35}, {11, 1}, {12, 1}, {15, 55}}), true, 35, "35 km/h", "Alarm ausgel\xf6st", " Es regnet", "55 %"},
        {numbers({{9, 130}, {11, -1}}), true, 100, "130 km/h", "Alarm ausgel\xf6st", " Kein Regen", " - "},
    };
    for (const Case& c : cases) {
        const LiveDisplay d = liveDisplay(c.n, true, true);
        EXPECT_EQ(d.windBarVisible, c.barVisible) << c.wind;
        EXPECT_EQ(d.windBarValue, c.barValue) << c.wind;
        EXPECT_EQ(d.wind, c.wind);
        EXPECT_EQ(d.alarm, c.alarm) << c.wind;
        EXPECT_EQ(d.rain, c.rain) << c.wind;
        EXPECT_EQ(d.humidity, c.humidity) << c.wind;
    }
}

TEST(LiveDisplay, BrightnessAndSensorPanels)
{
    const PayloadNumbers n = numbers({{0, 40}, {13, 7}, {14, 33}, {10, 60}});
    EXPECT_EQ(liveDisplay(n, true, true).brightness, "33");
    EXPECT_EQ(liveDisplay(n, false, true).brightness, "40");
    const LiveDisplay withSensors = liveDisplay(n, true, true);
    EXPECT_EQ(withSensors.panelSun, std::optional<std::string>("Sonne: 40"));
    EXPECT_EQ(withSensors.panelWind, std::optional<std::string>("Wind: 7"));
    EXPECT_EQ(withSensors.maxWind, "60 km/h");
    const LiveDisplay plain = liveDisplay(n, true, false);
    EXPECT_FALSE(plain.panelSun);
    EXPECT_FALSE(plain.panelWind);
}
