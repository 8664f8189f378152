#include <gtest/gtest.h>

#include "core/item_lists.h"
#include "core/record_tables.h"
#include "core/settings_image.h"

using namespace lumivox;

TEST(SettingsImage, StartUpSwitchingTimesAreEmptyFortySecondSingleDayEntries)
{
    SettingsImage image;
    int count = 0;
    for (const auto& day : image.Schaltzeit)
        for (const auto& motor : day)
            for (const rec::Schaltzeit& e : motor) {
                ++count;
                EXPECT_EQ(e.Uhrzeit, 0);
                EXPECT_EQ(e.Dauer, 39);
                EXPECT_EQ(items::switchingDurations()[e.Dauer], "40s");
                EXPECT_EQ(e.Gruppe, 1);
                EXPECT_EQ(e.Funktion, 0);
                EXPECT_EQ(e.Richtung, 0);
                EXPECT_EQ(e.Geaendert, 1);
            }
    EXPECT_EQ(count, 448);
}

TEST(SettingsImage, StartUpAutomaticsAreOffAndFlagged)
{
    SettingsImage image;
    forEachAutomaticKind([&](auto kind) {
        for (const auto& profile : image.*kind.records)
            for (const auto& record : profile) {
                EXPECT_EQ(record.EinAus, 1) << kind.stem;
                EXPECT_EQ(record.Geaendert, 1) << kind.stem;
            }
    });
    for (int m = 0; m < kMotors; ++m) {
        EXPECT_EQ(image.AlarmPattern[m], 1);
        EXPECT_EQ(image.MotorNamen[m], "Motor " + std::to_string(m + 1));
    }
    EXPECT_EQ(image.GruppenZentralsteuerung.Gruppe, (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(image.BearbeitetesProfil, 0);
}

// Every default of the record tables: stored index, the item it selects, and
// the value the settings file writes for it.
struct DefaultCase {
    const char* stem;
    const char* field;
    int32_t stored;
    const char* item;   // nullptr where the field has no item list
    const char* fileValue;
};

class Defaults : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(Defaults, StoredItemAndFileValue)
{
    const DefaultCase& c = GetParam();
    SettingsImage image;
    bool found = false;
    forEachAutomaticKind([&](auto kind) {
        if (std::string(kind.stem) != c.stem)
            return;
        for (const auto& field : kind.fields) {
            if (std::string(field.key) != c.field)
                continue;
            found = true;
            for (int p = 0; p < kProfiles; ++p)
                for (int m = 0; m < kMotors; ++m) {
                    int32_t stored = (image.*kind.records)[p][m].*field.member;
                    EXPECT_EQ(stored, c.stored);
                }
            int32_t stored = (image.*kind.records)[0][0].*field.member;
            if (c.item) {
                EXPECT_EQ(items::itemOrEmpty(field.items(), stored), c.item);
            }
            EXPECT_EQ(toFileValue(field.conversion, stored), c.fileValue);
        }
    });
    EXPECT_TRUE(found) << c.stem << "." << c.field;
}

INSTANTIATE_TEST_SUITE_P(
    AllAutomatics, Defaults,
    ::testing::Values(
        DefaultCase{"Beschattung", "EinAus", 1, "AUS", "Aus"},
        DefaultCase{"Beschattung", "Temperatur", 32, "22", "22"},
        DefaultCase{"Beschattung", "Von", 5, "10:00", "10"},
        DefaultCase{"Beschattung", "Bis", 15, "20:00", "20"},
        DefaultCase{"Beschattung", "Helligkeit", 144, "244", "244"},
        DefaultCase{"Beschattung", "Dauer", 9, "10s", "10"},
        DefaultCase{"DaemmerungMorgen", "Von", 5, "08:00", "8"},
        DefaultCase{"DaemmerungMorgen", "Helligkeit", 109, "110", "110"},
        DefaultCase{"DaemmerungMorgen", "Dauer", 39, "40s", "40"},
        DefaultCase{"DaemmerungAbend", "Von", 5, "19:00", "19"},
        DefaultCase{"Wind", "Geschwindigkeit", 5, "30", "30"},
        DefaultCase{"Regen", "Richtung", 0, nullptr, "Auf"},
        DefaultCase{"Reversierung", "Bei_Auf", 4, "0,4", "4"},
        DefaultCase{"Reversierung", "Bei_Ab", 6, "0,6", "6"},
        DefaultCase{"TastAutomatik", "Dauer", 39, "40s", "39"},
        DefaultCase{"ProportionaleTemperatursteuerung", "Von", 10, "10:00", "10"},
        DefaultCase{"ProportionaleTemperatursteuerung", "Bis", 22, "22:00", "22"},
        DefaultCase{"ProportionaleTemperatursteuerung", "SollTemperatur", 22, "23\xB0", "23"},
        DefaultCase{"ProportionaleTemperatursteuerung", "Regelbereich", 2, "3\xB0", "3"},
        DefaultCase{"ProportionaleTemperatursteuerung", "MaxStellzeit", 39, "40s", "40"},
        DefaultCase{"ProportionaleTemperatursteuerung", "Schritte", 4, "6", "6"},
        DefaultCase{"InnenTemperatursteuerung", "Gr_KL", 0, nullptr, "Gr"},
        DefaultCase{"InnenTemperatursteuerung", "Schwelle1", 31, "22\xB0", "22"},
        DefaultCase{"InnenTemperatursteuerung", "Schwelle2", 29, "20\xB0", "20"},
        DefaultCase{"InnenTemperatursteuerung", "Von", 8, "08:00", "8"},
        DefaultCase{"InnenTemperatursteuerung", "Bis", 21, "21:00", "21"},
        DefaultCase{"HeizungsSteuerung", "TagNacht", 0, nullptr, "Tag"},
        DefaultCase{"HeizungsSteuerung", "Betriebsart", 0, nullptr, "Heizen"},
        DefaultCase{"HeizungsSteuerung", "TagTemperatur", 170, "21,0\xB0" "C", "210"},
        DefaultCase{"HeizungsSteuerung", "NachtTemperatur", 140, "18,0\xB0" "C", "180"},
        DefaultCase{"FeuchtigkeitsSteuerung", "Schwelle1", 75, "76%", "76"},
        DefaultCase{"FeuchtigkeitsSteuerung", "Schwelle2", 65, "66%", "66"},
        DefaultCase{"AussenTemperatursteuerung", "Schwelle1", 11, "2\xB0", "2"},
        DefaultCase{"AussenTemperatursteuerung", "Richtung", 1, nullptr, "Ab"},
        DefaultCase{"AussenTemperatursteuerung", "Schwelle2", 14, "5\xB0", "5"}),
    [](const auto& info) { return std::string(info.param.stem) + "_" + info.param.field; });

TEST(SettingsImage, ParameterDefaults)
{
    SettingsImage image;
    struct Case { const char* key; const char* item; const char* file; };
    const Case cases[] = {
        {"Zufalls-Zeitspanne", "\xB1 30 min", "30"}, {"Beschattungs-Hysterese", "10", "10"},
        {"Offset_AT", "0 \xB0" "C", "0"},            {"Offset_IT", "0 \xB0" "C", "0"},
        {"Aktives_Profil", "Standard", "1"},         {"Heizungs-Hysterese", "\xB1 0,3 \xB0" "C", "3"},
    };
    for (const Case& c : cases) {
        bool found = false;
        for (const auto& f : tables::kParameterFields) {
            if (std::string(f.key) != c.key)
                continue;
            found = true;
            int32_t stored = image.Parameter.*f.member;
            EXPECT_EQ(items::itemOrEmpty(f.items(), stored), c.item) << c.key;
            EXPECT_EQ(std::to_string(stored + f.offset), c.file) << c.key;
        }
        EXPECT_TRUE(found) << c.key;
    }
}

TEST(Conversions, SwitchingDurationEdges)
{
    struct Case { int32_t index; const char* file; int32_t readBack; };
    const Case cases[] = {
        {0, "1", 0},     {98, "99", 98},   {99, "100", 99}, {100, "110", 100},
        {125, "360", 125}, {126, "370", 126}, {129, "400", 129}, {130, "44", 43},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(switchingDurationToFile(c.index), c.file) << c.index;
        EXPECT_EQ(switchingDurationFromFile(std::stoi(c.file)), c.readBack) << c.index;
    }
    EXPECT_EQ(items::switchingDurations().size(), 127u);
    EXPECT_EQ(items::switchingDurations()[99], "100");
    EXPECT_EQ(items::switchingDurations()[100], "110");
    EXPECT_EQ(items::switchingDurations()[125], "360");
    EXPECT_EQ(items::switchingDurations()[126], "Dau");
    EXPECT_EQ(switchingDurationSeconds(99), 100);
    EXPECT_EQ(switchingDurationSeconds(125), 360);
}

TEST(Conversions, TimeOfDay)
{
    EXPECT_EQ(items::switchingTimes().size(), 1441u);
    EXPECT_EQ(items::switchingTimes()[0], "     ");
    EXPECT_EQ(items::switchingTimes()[1], "00:00");
    EXPECT_EQ(items::switchingTimes()[1440], "23:59");
    EXPECT_EQ(hourToFile(1), "0");
    EXPECT_EQ(minuteToFile(1), "0");
    EXPECT_EQ(hourToFile(1440), "23");
    EXPECT_EQ(minuteToFile(1440), "59");
    EXPECT_EQ(hourToFile(0), "--");
    EXPECT_EQ(minuteToFile(0), "--");
}

TEST(Conversions, DurationListsAndOutOfRangeItems)
{
    EXPECT_EQ(items::durations().size(), 190u);
    EXPECT_EQ(items::durations()[98], "99s");
    EXPECT_EQ(items::durations()[99], "100s");
    EXPECT_EQ(items::durations()[188], "990s");
    EXPECT_EQ(items::durations()[189], "999s");
    EXPECT_EQ(items::durationsWithDauer().size(), 191u);
    EXPECT_EQ(items::durationsWithDauer()[190], "Dauer");
    EXPECT_EQ(items::itemOrEmpty(items::durations(), 190), "");
    EXPECT_EQ(items::itemOrEmpty(items::durations(), -1), "");
    EXPECT_EQ(items::sensorOffsets().front(), "- 5 \xB0" "C");
    EXPECT_EQ(items::sensorOffsets()[4], "- 1 \xB0" "C");
    EXPECT_EQ(items::sensorOffsets().back(), "+ 5 \xB0" "C");
    EXPECT_EQ(items::heatingTemperatures().back(), "29,5\xB0" "C");
}

TEST(SettingsImage, FlagOperations)
{
    SettingsImage image;
    image.markAllSent();
    EXPECT_EQ(image.Schaltzeit[3][4][5].Geaendert, 0);
    EXPECT_EQ(image.Beschattung[1][7].Geaendert, 0);
    EXPECT_EQ(image.TastAutomatik[0][0].Geaendert, 0);
    for (const auto& profile : image.HeizungsSteuerung)
        for (const auto& record : profile)
            EXPECT_EQ(record.Geaendert, 1);

    image.HeizungsSteuerung[0][2].Geaendert = 0;   // as only a bug could leave it
    image.markAllChangedExceptHeating();
    EXPECT_EQ(image.Schaltzeit[6][7][7].Geaendert, 1);
    EXPECT_EQ(image.AussenTemperatursteuerung[1][7].Geaendert, 1);
    EXPECT_EQ(image.HeizungsSteuerung[0][2].Geaendert, 0);

    image.markAllChanged();
    EXPECT_EQ(image.HeizungsSteuerung[0][2].Geaendert, 1);
}

TEST(SettingsImage, ClearSwitchingTimesEmptiesAndUnflagsEveryEntry)
{
    SettingsImage image;
    image.Schaltzeit[2][3][4] = {1, 480, 100, 5, 2, 1};
    image.clearSwitchingTimes();
    for (const auto& day : image.Schaltzeit)
        for (const auto& motor : day)
            for (const rec::Schaltzeit& e : motor) {
                EXPECT_EQ(e.Richtung, 0);
                EXPECT_EQ(e.Uhrzeit, 0);
                EXPECT_EQ(e.Dauer, 0);
                EXPECT_EQ(e.Gruppe, 1);
                EXPECT_EQ(e.Funktion, 0);
                EXPECT_EQ(e.Geaendert, 0);
            }
    EXPECT_EQ(image.Beschattung[0][0].Geaendert, 1);   // automatics untouched
}

TEST(SettingsImage, SwitchingTimeAccessIsBoundsChecked)
{
    SettingsImage image;
    EXPECT_NE(image.switchingTime(6, 7, 7), nullptr);
    EXPECT_EQ(image.switchingTime(7, 0, 0), nullptr);
    EXPECT_EQ(image.switchingTime(0, -1, 0), nullptr);
    EXPECT_EQ(image.switchingTime(0, 0, 8), nullptr);
}

TEST(SettingsImage, GroupMasksAndCheckBoxes)
{
    std::array<bool, 32> checks{};
    checks[9] = true;    // CheckBox10: motor 2 in group 2
    checks[0] = true;    // CheckBox1: motor 1 in group 1
    checks[31] = true;   // CheckBox32: motor 8 in group 4
    auto masks = GroupMasksFromChecks(checks);
    EXPECT_EQ(masks, (std::array<int32_t, 4>{1, 2, 0, 128}));
    EXPECT_EQ(ChecksFromGroupMasks(masks), checks);

    // Masks outside 0..255 come from files and controllers: never out of
    // bounds, high boxes first, negative clears.
    auto odd = ChecksFromGroupMasks({300, -5, 256, 255});
    for (int k = 0; k < 8; ++k) {
        EXPECT_TRUE(odd[k]) << k;          // 300: every box of group 1
        EXPECT_FALSE(odd[8 + k]) << k;     // -5: none
        EXPECT_TRUE(odd[16 + k]) << k;     // 256: 128+64+...+2, 2 left for box 1
        EXPECT_TRUE(odd[24 + k]) << k;
    }
}
