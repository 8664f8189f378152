#include <gtest/gtest.h>

#include "automation/field_access.h"
#include "automation/list_lines.h"

using namespace lumivox;

namespace {

std::string sp(int n) { return std::string(n, ' '); }
const std::string kMotor1 = "Motor 1" + sp(5);   // the name column of "Motor 1"

struct Case {
    const char* what;
    std::string line;
    std::string expected;
};

void expectLines(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(c.line, c.expected) << c.what;
}

template <typename R>
R on(R r)
{
    r.EinAus = 0;
    return r;
}

}  // namespace

TEST(AutomationLines, MotorNameColumnPadsToTwelveCutsLongerAndLeavesElevenForEmpty)
{
    EXPECT_EQ(motorNameColumn("Motor 1"), kMotor1);
    EXPECT_EQ(motorNameColumn("Wohnzimmer links"), "Wohnzimmer l");
    EXPECT_EQ(motorNameColumn("123456789012"), "123456789012");
    EXPECT_EQ(motorNameColumn(""), sp(11));
}

TEST(AutomationLines, Shading)
{
    rec::Beschattung r = on(rec::Beschattung{});   // 22 °C, 10:00 - 20:00, 244, 10s
    auto with = [&](int temperature) {
        rec::Beschattung t = r;
        t.Temperatur = temperature;
        return shadingLine(t, "Motor 1");
    };
    const std::string tail = "\xB0" "C  10:00 - 20:00  244" + sp(6) + "10s";
    expectLines({
        {"defaults", shadingLine(r, "Motor 1"), kMotor1 + "  EIN  22" + tail},
        {"-10 takes one blank", with(0), kMotor1 + "  EIN -10" + tail},
        {"5 takes three blanks", with(15), kMotor1 + "  EIN   5" + tail},
        {"index outside the items gives an empty text", with(99), kMotor1 + "  EIN    " + tail},
        {"off ends at AUS", shadingLine(rec::Beschattung{}, "Motor 1"), kMotor1 + "  AUS"},
        {"empty name", shadingLine(rec::Beschattung{}, ""), sp(11) + "  AUS"},
    });
}

TEST(AutomationLines, Twilight)
{
    rec::Daemmerung r = on(rec::Daemmerung{});   // 08:00 / 19:00, 110, 40s
    rec::Daemmerung dauer = r;
    dauer.Dauer = 190;
    rec::Daemmerung strange = r;
    strange.EinAus = 7;
    expectLines({
        {"morning: 4 blanks before the hour", morningTwilightLine(r, "Motor 1"),
         kMotor1 + "  EIN    08:00   110" + sp(6) + "40s"},
        {"evening: 3 blanks", eveningTwilightLine(r, "Motor 1"), kMotor1 + "  EIN   19:00   110" + sp(6) + "40s"},
        {"Dauer", morningTwilightLine(dauer, "Motor 1"), kMotor1 + "  EIN    08:00   110" + sp(6) + "Dauer"},
        {"off", eveningTwilightLine(rec::Daemmerung{}, "Motor 1"), kMotor1 + "  AUS"},
        {"on/off index outside its items shows neither", morningTwilightLine(strange, "Motor 1"), kMotor1 + "  "},
    });
}

TEST(AutomationLines, WindAndRain)
{
    const std::string motor2 = "Motor 2" + sp(5);
    expectLines({
        {"wind down", windLine(on(rec::Wind{}), 1, "Motor 2"), motor2 + "  EIN    30km/h    v"},
        {"wind up", windLine(on(rec::Wind{}), 0, "Motor 2"), motor2 + "  EIN    30km/h    ^"},
        {"wind off keeps its tail", windLine(rec::Wind{}, 1, "Motor 2"), motor2 + "  AUS    "},
        {"rain up", rainLine(on(rec::Regen{}), "Motor 2"), motor2 + "  EIN      ^"},
        {"rain off", rainLine(rec::Regen{}, "Motor 2"), motor2 + "  AUS      "},
    });

    SettingsImage image;
    image.Wind[1][2].EinAus = 0;
    image.Regen[1][2].Richtung = 1;
    EXPECT_EQ(windListLine(image, 1, 2), "Motor 3" + sp(5) + "  EIN    30km/h    v");
    EXPECT_EQ(windListLine(image, 0, 2), "Motor 3" + sp(5) + "  AUS    ");
    EXPECT_EQ(windListLine(image, 2, 0), "");
    EXPECT_EQ(windListLine(image, 0, 8), "");
}

TEST(AutomationLines, Humidity)
{
    rec::FeuchtigkeitsSteuerung r = on(rec::FeuchtigkeitsSteuerung{});   // F>, 76%, 66%, 40s, 08:00 - 21:00
    auto with = [&](auto change) {
        rec::FeuchtigkeitsSteuerung t = r;
        change(t);
        return humidityLine(t, "Motor 1");
    };
    const std::string head = kMotor1 + "  EIN";
    expectLines({
        {"defaults", humidityLine(r, "Motor 1"), head + "  08:00 - 21:00  F>76% ^    F<66% v    40s"},
        {"equal hours", with([](auto& t) { t.Bis = 8; }), head + "    ganzt\xE4gig    F>76% ^    F<66% v    40s"},
        {"F< has no move at threshold 2", with([](auto& t) { t.Gr_KL = 1; }),
         head + "  08:00 - 21:00  F<76% ^    F>66% -    40s"},
        {"equal hours outside the items are no whole day", with([](auto& t) { t.Von = t.Bis = 24; }),
         head + "   -   F>76% ^    F<66% v    40s"},
        {"continuous run", with([](auto& t) { t.Dauer = 190; }), head + "  08:00 - 21:00  F>76% ^    F<66% -  Dauer"},
        {"long run time", with([](auto& t) { t.Dauer = 189; }), head + "  08:00 - 21:00  F>76% ^    F<66% v   999s"},
        {"off", humidityLine(rec::FeuchtigkeitsSteuerung{}, "Motor 1"), kMotor1 + "  AUS"},
    });
}

TEST(AutomationLines, ReversingAndPushButton)
{
    const std::string motor4 = "Motor 4" + sp(5);
    rec::Reversierung extremes = on(rec::Reversierung{});
    extremes.Bei_Auf = 0;
    extremes.Bei_Ab = 40;
    auto push = [](int dauer) {
        rec::TastAutomatik t = on(rec::TastAutomatik{});
        t.Dauer = dauer;
        return pushButtonLine(t, "Motor 4");
    };
    expectLines({
        {"reversing", reversingLine(on(rec::Reversierung{}), "Motor 4"), motor4 + "  EIN      0,4s" + sp(10) + "0,6s"},
        {"reversing ends of range", reversingLine(extremes, "Motor 4"), motor4 + "  EIN      0,0s" + sp(10) + "4,0s"},
        {"reversing off", reversingLine(rec::Reversierung{}, "Motor 4"), motor4 + "  AUS      "},
        {"push-button 999s", push(189), motor4 + "  EIN      999s"},
        {"push-button 100s", push(99), motor4 + "  EIN      100s"},
        {"push-button 110s", push(100), motor4 + "  EIN      110s"},
        {"push-button off", pushButtonLine(rec::TastAutomatik{}, "Motor 4"), motor4 + "  AUS      "},
    });
}

TEST(FieldAccess, FindsFieldsByStemAndKeyAndChecksBounds)
{
    SettingsImage image;
    auto direction = automaticField("Regen", "Richtung");
    ASSERT_TRUE(direction);
    EXPECT_EQ(direction->value(image, 1, 4), &image.Regen[1][4].Richtung);
    EXPECT_EQ(direction->changedFlag(image, 1, 4), &image.Regen[1][4].Geaendert);
    EXPECT_EQ(direction->value(image, 2, 0), nullptr);
    EXPECT_EQ(direction->value(image, 0, -1), nullptr);
    EXPECT_EQ(direction->items(), nullptr);   // arrows, drawn by the widgets

    auto evening = automaticField("DaemmerungAbend", "Von");
    ASSERT_TRUE(evening);
    EXPECT_EQ(evening->value(image, 0, 0), &image.DaemmerungAbend[0][0].Von);
    EXPECT_EQ(evening->items(), &items::eveningHours());

    EXPECT_FALSE(automaticField("Regen", "Geschwindigkeit"));
    EXPECT_FALSE(automaticField("Nebel", "EinAus"));
}
