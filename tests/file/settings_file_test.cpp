#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/record_tables.h"
#include "core/settings_image.h"
#include "file/settings_file.h"
#include "file_test_support.h"

using namespace lumivox;
using namespace lumivox::filetest;

namespace {

// "\n" in a snippet stands for the CR LF of the file.
std::string crlf(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

SettingsImage unflagged(SettingsImage image)
{
    image.markAllSent();
    image.forEachAutomaticArray([](auto& array) {
        for (auto& profile : array)
            for (auto& record : profile)
                record.Geaendert = 0;
    });
    return image;
}

}  // namespace

// The fixtures were written by a separate script from the file format alone
// and checked line by line; the writer has to produce the same bytes.
TEST(SettingsFileWriter, ProducesTheHandCheckedFiles)
{
    const struct {
        const char* file;
        SettingsImage image;
    } cases[] = {
        {"defaults.vsz", SettingsImage()},
        {"varied.vsz", variedImage()},
    };
    for (const auto& c : cases) {
        const std::string expected = fixture(c.file);
        ASSERT_FALSE(expected.empty()) << c.file;
        const std::string written = writeSettingsFile(c.image);
        EXPECT_EQ(firstDifferentLine(written, expected), "") << c.file;
        EXPECT_TRUE(written == expected) << c.file;
    }
}

TEST(SettingsFileWriter, LineBreaksInANameCannotStartNewLines)
{
    SettingsImage image;
    image.MotorNamen[2] = "Ost\r\n[Parameter_]\nAktives_Profil=2";
    const std::string written = writeSettingsFile(image);
    EXPECT_NE(written.find("Motor3=Ost  [Parameter_] Aktives_Profil=2\r\n"), std::string::npos);

    SettingsImage back;
    ASSERT_TRUE(readSettingsFile(written, back));
    EXPECT_EQ(back.Parameter.AktivesProfil, 0);
    EXPECT_EQ(back.MotorNamen[2], "Ost  [Parameter_] Aktives_Profil=2");
}

TEST(SettingsFileReader, RebuildsTheImageOfEachFixtureOnTopOfAnother)
{
    const struct {
        const char* file;
        SettingsImage expected;
        SettingsImage before;
    } cases[] = {
        {"defaults.vsz", SettingsImage(), unflagged(variedImage())},
        {"varied.vsz", variedImage(), unflagged(SettingsImage())},
    };
    for (const auto& c : cases) {
        SettingsImage image = c.before;
        image.BearbeitetesProfil = 1;
        SettingsFileError error;
        SettingsFileSummary summary;
        ASSERT_TRUE(readSettingsFile(fixture(c.file), image, &error, &summary)) << c.file << describe(error);
        SettingsImage expected = c.expected;
        expected.BearbeitetesProfil = 1;   // a load leaves the edited profile alone
        EXPECT_EQ(differences(image, expected), std::vector<std::string>{}) << c.file;
        // names 8, switching times 448, automatics 12 x 16, alarm 8, parameters 6, masks 4
        EXPECT_EQ(summary.stored, 8 + 448 + 192 + 8 + 6 + 4) << c.file;
        EXPECT_EQ(summary.unaddressed, 0) << c.file;
    }
}

TEST(SettingsFile, EveryValueSurvivesWritingAndReading)
{
    SettingsImage image = variedImage();
    // The duration list's tail and the ends of the day.
    const int32_t durations[] = {98, 99, 100, 101, 125, 126, 129, 0, -3};
    for (int i = 0; i < 9; ++i)
        image.Schaltzeit[2][i % 8][i / 8 + 3].Dauer = durations[i];
    image.Schaltzeit[3][0][0].Uhrzeit = 1;
    image.Schaltzeit[3][0][1].Uhrzeit = 1440;
    image.InnenTemperatursteuerung[1][7].Gr_KL = 1;
    image.FeuchtigkeitsSteuerung[0][0].Gr_KL = 1;
    // Values no selector offers are kept as they are.
    image.Beschattung[0][0].Temperatur = 99;
    image.Wind[1][1].Geschwindigkeit = 40;
    image.AlarmPattern[4] = 7;
    image.GruppenZentralsteuerung.Gruppe = {300, -1, 0, 1};
    image.Parameter.OffsetInnentemperatur = -20;
    image.Schaltzeit[6][7][7].Uhrzeit = 30 * 60 + 1;   // "Stunde=30"

    SettingsImage back = unflagged(SettingsImage());
    ASSERT_TRUE(readSettingsFile(writeSettingsFile(image), back));
    EXPECT_EQ(differences(back, image), std::vector<std::string>{});
}

// Values the plain conversion would lose or make unreadable: a duration or
// day group a line cannot carry becomes a listed value, a time just past
// 23:59 keeps its value.
TEST(SettingsFile, SwitchingTimeValuesOutsideTheListsAreWrittenReadably)
{
    const struct {
        int32_t rec::Schaltzeit::*member;
        int32_t value;
        const char* line;
        int32_t readBack;
    } cases[] = {
        {&rec::Schaltzeit::Dauer, 130, "Dauer=44\r\n", 43},
        {&rec::Schaltzeit::Gruppe, -1, "Gruppe=1\r\n", 1},
        {&rec::Schaltzeit::Gruppe, 12, "Gruppe=1\r\n", 1},
        {&rec::Schaltzeit::Gruppe, 0, "Gruppe=0\r\n", 0},
        {&rec::Schaltzeit::Uhrzeit, 1441, "Stunde=23\r\nMinute=60\r\n", 1441},
        {&rec::Schaltzeit::Uhrzeit, 1500, "Stunde=23\r\nMinute=119\r\n", 1500},
        {&rec::Schaltzeit::Uhrzeit, 1501, "Stunde=25\r\nMinute=0\r\n", 1501},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        SettingsImage image;
        image.Schaltzeit[0][0][0].*c.member = c.value;
        const std::string written = writeSettingsFile(image);
        const std::string key = std::string(c.line).substr(0, std::string(c.line).find('=') + 1);
        const size_t at = written.find(key);
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(written.substr(at, std::strlen(c.line)), c.line);
        SettingsFileError error;
        ASSERT_TRUE(readSettingsFile(written, image, &error)) << describe(error);
        EXPECT_EQ(image.Schaltzeit[0][0][0].*c.member, c.readBack);
    }
}

namespace {

struct LineRuleCase {
    const char* name;
    const char* text;
    std::function<void(const SettingsImage&)> check;
};

const rec::Schaltzeit& mo11(const SettingsImage& image)
{
    return image.Schaltzeit[0][0][0];
}

}  // namespace

TEST(SettingsFileReader, FollowsTheLineRules)
{
    const LineRuleCase cases[] = {
        {"no hour means no time, whatever the minute",
         "[Schaltzeit_Mo_Motor1_Nr1]\nRichtung=Ab\nStunde=--\nMinute=30\nDauer=360\nGruppe=5\nFunktion=Zufall\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(mo11(i).Uhrzeit, 0);
             EXPECT_EQ(mo11(i).Richtung, 1);
             EXPECT_EQ(mo11(i).Dauer, 125);
             EXPECT_EQ(mo11(i).Gruppe, 5);
             EXPECT_EQ(mo11(i).Funktion, 2);
         }},
        {"midnight", "[Schaltzeit_Mo_Motor1_Nr1]\nStunde=0\nMinute=0\nFunktion=Astro\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(mo11(i).Uhrzeit, 1);
             EXPECT_EQ(mo11(i).Funktion, 1);
         }},
        {"last minute of the day", "[Schaltzeit_Mo_Motor1_Nr1]\nStunde=23\nMinute=59\nFunktion=Normal\n",
         [](const SettingsImage& i) { EXPECT_EQ(mo11(i).Uhrzeit, 1440); }},
        {"a minute of -- takes the one read before (0 at the start)",
         "[Schaltzeit_Mo_Motor1_Nr1]\nStunde=7\nMinute=--\nFunktion=Normal\n"
         "[Schaltzeit_Mo_Motor1_Nr2]\nStunde=8\nMinute=15\nFunktion=Normal\n"
         "[Schaltzeit_Mo_Motor1_Nr3]\nStunde=9\nMinute=--\nFunktion=Normal\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.Schaltzeit[0][0][0].Uhrzeit, 7 * 60 + 1);
             EXPECT_EQ(i.Schaltzeit[0][0][2].Uhrzeit, 9 * 60 + 15 + 1);
         }},
        {"switching durations in seconds back to indexes",
         "[Schaltzeit_Mo_Motor1_Nr1]\nDauer=100\nFunktion=Normal\n[Schaltzeit_Mo_Motor1_Nr2]\nDauer=110\nFunktion=Normal\n"
         "[Schaltzeit_Mo_Motor1_Nr3]\nDauer=370\nFunktion=Normal\n[Schaltzeit_Mo_Motor1_Nr4]\nDauer=44\nFunktion=Normal\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.Schaltzeit[0][0][0].Dauer, 99);
             EXPECT_EQ(i.Schaltzeit[0][0][1].Dauer, 100);
             EXPECT_EQ(i.Schaltzeit[0][0][2].Dauer, 126);
             EXPECT_EQ(i.Schaltzeit[0][0][3].Dauer, 43);
         }},
        {"a section without its closing key stores nothing until a later one of its kind closes",
         "[Wind_Motor2_Profil1]\nEinAus=Ein\n[Wind_Motor3_Profil1]\nGeschwindigkeit=50\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.Wind[0][1].EinAus, 1);
             EXPECT_EQ(i.Wind[0][1].Geschwindigkeit, 5);
             EXPECT_EQ(i.Wind[0][2].EinAus, 0);
             EXPECT_EQ(i.Wind[0][2].Geschwindigkeit, 9);
         }},
        {"pending values are shared by every kind and survive headers",
         "[Aussen_ignored]\nRichtung=Deaktiv\n[HeizungsSteuerung_Motor1_Profil2]\nTagNacht=Nacht\n"
         "Betriebsart=Kuehlen\nTagTemperatur=40\nNachtTemp=1\n"
         "[Schaltzeit_Mo_Motor1_Nr1]\nStunde=1\nMinute=2\nFunktion=Normal\n",
         [](const SettingsImage& i) {
             const auto& heat = i.HeizungsSteuerung[1][0];
             EXPECT_EQ(heat.EinAus, 0);       // never read: the initial pending 0
             EXPECT_EQ(heat.TagNacht, 1);
             EXPECT_EQ(heat.Betriebsart, 1);
             EXPECT_EQ(heat.TagTemperatur, 0);
             EXPECT_EQ(heat.NachtTemperatur, -40);   // "NachtTemp=" closes but sets no value
             EXPECT_EQ(mo11(i).Richtung, 2);
             EXPECT_EQ(mo11(i).Uhrzeit, 63);
         }},
        {"keys match by line beginning, independent of the section",
         "[AussenTemperatursteuerung_Motor1_Profil1]\nSollTemperatur=5\nSchwelle1=-9\nRichtung=De\n"
         "Schwelle2=50\nDauer=191\n[ProportionaleTemperatursteuerung_Motor1_Profil1]\nSchritte=9\n"
         "[Beschattung_Motor1_Profil1]\nDauer=1\n",
         [](const SettingsImage& i) {
             const auto& out = i.AussenTemperatursteuerung[0][0];
             EXPECT_EQ(out.Schwelle1, 0);
             EXPECT_EQ(out.Richtung, 2);
             EXPECT_EQ(out.Schwelle2, 59);
             EXPECT_EQ(out.Dauer, 190);
             EXPECT_EQ(i.ProportionaleTemperatursteuerung[0][0].SollTemperatur, 4);
             EXPECT_EQ(i.ProportionaleTemperatursteuerung[0][0].Schritte, 7);
             EXPECT_EQ(i.ProportionaleTemperatursteuerung[0][0].Richtung, 2);
             EXPECT_EQ(i.Beschattung[0][0].Temperatur, 10);   // "SollTemperatur=5" is no "Temperatur"
         }},
        {"the temperature keys of heating and proportional control are no \"Temperatur\"",
         "[Beschattung_Motor1_Profil1]\nTemperatur=20\nDauer=1\n"
         "[HeizungsSteuerung_Motor1_Profil1]\nTagTemperatur=200\nNachtTemperatur=150\n"
         "[Beschattung_Motor2_Profil1]\nSollTemperatur=7\nDauer=1\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.HeizungsSteuerung[0][0].TagTemperatur, 160);
             EXPECT_EQ(i.HeizungsSteuerung[0][0].NachtTemperatur, 110);
             EXPECT_EQ(i.Beschattung[0][1].Temperatur, 30);   // still the 20 read first
         }},
        {"a function is known by its first five letters",
         "[Schaltzeit_Mo_Motor1_Nr1]\nFunktion=Astrologie\n[Schaltzeit_Mo_Motor1_Nr2]\nFunktion=Norm\n"
         "[Schaltzeit_Mo_Motor1_Nr3]\nFunktion=Zufall\n[Schaltzeit_Mo_Motor1_Nr4]\nFunktion=Normal\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.Schaltzeit[0][0][0].Funktion, 1);
             EXPECT_EQ(i.Schaltzeit[0][0][1].Funktion, 1);   // "Norm" is too short: the Astro before stays
             EXPECT_EQ(i.Schaltzeit[0][0][2].Funktion, 2);
             EXPECT_EQ(i.Schaltzeit[0][0][3].Funktion, 0);
         }},
        {"an unknown word keeps the value read before",
         "[Regen_Motor1_Profil1]\nEinAus=Ein\nRichtung=Ab\n[Regen_Motor2_Profil1]\nEinAus=ein\nRichtung=runter\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.Regen[0][1].EinAus, 0);
             EXPECT_EQ(i.Regen[0][1].Richtung, 1);
         }},
        {"values outside the lists are stored as converted",
         "[Beschattung_Motor1_Profil1]\nTemperatur=99\nDauer=0\n[Gruppen-Zentralsteuerung_]\nGruppe_2=300\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.Beschattung[0][0].Temperatur, 109);
             EXPECT_EQ(i.Beschattung[0][0].Dauer, -1);
             EXPECT_EQ(i.GruppenZentralsteuerung.Gruppe[1], 300);
         }},
        {"the group of a switching time is the first digit only",
         "[Schaltzeit_Mo_Motor1_Nr1]\nGruppe=57\nFunktion=Normal\n",
         [](const SettingsImage& i) { EXPECT_EQ(mo11(i).Gruppe, 5); }},
        {"names are everything after the first =, blanks and all",
         "[Motor-Namen_]\nMotor2= a=b, c \nMotor8=\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.MotorNamen[1], " a=b, c ");
             EXPECT_EQ(i.MotorNamen[7], "");
             EXPECT_EQ(i.MotorNamen[0], "Motor 1");
         }},
        {"blank lines and LF or CR line ends anywhere",
         "\n\n[Parameter_]\r\rOffset_IT=3\n\n\nHeizungs-Hysterese=9\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.Parameter.OffsetInnentemperatur, 8);
             EXPECT_EQ(i.Parameter.Heiz_Hysterese, 8);
         }},
        {"headers addressing no record store nothing",
         "[Schaltzeit_Xy_Motor1_Nr1]\nStunde=5\nMinute=5\nFunktion=Astro\n"
         "[Beschattung_Motor9_Profil1]\nEinAus=Ein\nDauer=5\n[Beschattung_Motor0_Profil1]\nDauer=5\n"
         "[Beschattung_Motor1_Profil3]\nDauer=5\n[Schaltzeit_Mo_Motor1_Nr9]\nFunktion=Astro\n"
         "[Motor-Namen_]\nMotor9=Neun\nMotor0=Null\n[AlarmPattern_]\nMotor9=2\n",
         [](const SettingsImage& i) {
             SettingsImage defaults;
             EXPECT_EQ(differences(i, defaults), std::vector<std::string>{});
         }},
        {"a day letter pair that is no day keeps the day before",
         "[Schaltzeit_Di_Motor1_Nr1]\nFunktion=Astro\n[Schaltzeit_XX_Motor1_Nr2]\nFunktion=Zufall\n",
         [](const SettingsImage& i) {
             EXPECT_EQ(i.Schaltzeit[1][0][0].Funktion, 1);
             EXPECT_EQ(i.Schaltzeit[1][0][1].Funktion, 2);
         }},
    };
    for (const LineRuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsImage image;
        SettingsFileError error;
        ASSERT_TRUE(readSettingsFile(crlf(c.text), image, &error)) << describe(error);
        c.check(image);
    }
}

TEST(SettingsFileReader, CountsStoresThatAddressNoRecord)
{
    SettingsImage image;
    SettingsFileSummary summary;
    ASSERT_TRUE(readSettingsFile(crlf("[Wind_Motor9_Profil1]\nGeschwindigkeit=5\n[Motor-Namen_]\nMotor0=x\n"
                                      "Motor1=y\n"),
                                 image, nullptr, &summary));
    EXPECT_EQ(summary.unaddressed, 2);
    EXPECT_EQ(summary.stored, 1);
    EXPECT_EQ(summary.lines, 5);
}

TEST(SettingsFileReader, ParameterAloneChangesTheProfileFlagsAndMasksOnly)
{
    SettingsImage before = unflagged(variedImage());
    before.Parameter.AktivesProfil = 0;
    before.BearbeitetesProfil = 0;
    SettingsImage image = before;
    ASSERT_TRUE(readSettingsFile(crlf("[Parameter_]\nAktives_Profil=2\n"), image));

    SettingsImage expected = variedImage();   // every flag 1
    expected.Parameter.AktivesProfil = 1;
    expected.BearbeitetesProfil = 0;
    expected.GruppenZentralsteuerung = {};
    EXPECT_EQ(differences(image, expected), std::vector<std::string>{});
}

TEST(SettingsFileReader, AFaultStopsTheLoadAndLeavesTheImageAsItWas)
{
    const struct {
        const char* text;
        int line;
        const char* message;
    } cases[] = {
        {"[Beschattung_Motor1_Profil1]\nEinAus=Ein\nDauer=zehn\n", 3, "'zehn' ist kein g\xFCltiger Integerwert"},
        {"[Schaltzeit_Mo_Motor1_Nr1]\nStunde=\n", 2, "'' ist kein g\xFCltiger Integerwert"},
        {"[Wind_MotorX_Profil1]\n", 1, "'X' ist kein g\xFCltiger Integerwert"},
        {"[Wind_Motor1_Profil]\n", 1, "']' ist kein g\xFCltiger Integerwert"},
        {"\n\n[Reversierung_Motor1_Profil1]\nBei_Auf=99999999999\n", 4,
         "'99999999999' ist kein g\xFCltiger Integerwert"},
        {"[Parameter_]\nOffset_AT= 5\n", 2, "' 5' ist kein g\xFCltiger Integerwert"},
        {"[Parameter_]\nOffset_AT=+-5\n", 2, "'+-5' ist kein g\xFCltiger Integerwert"},
        {"[Parameter_]\nOffset_AT=1234567890123456789012345678901234567890123456789012345678901\n", 2,
         "'123456789012345678901234567890123456789012345678901234567890...' ist kein g\xFCltiger Integerwert"},
        {"[Parameter_]\nKommentar=alt\n", 2, "'alt' ist kein g\xFCltiger Integerwert"},
        {"[AlarmPattern_]\nMotorA=1\n", 2, "'A' ist kein g\xFCltiger Integerwert"},
        {"[Motor-Namen_]\nM=1\n", 2, "'' ist kein g\xFCltiger Integerwert"},
        {"[Gruppen-Zentralsteuerung_]\nGruppe_1=--\n", 2, "'--' ist kein g\xFCltiger Integerwert"},
    };
    const SettingsImage before = unflagged(variedImage());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        // Good sections first, so a half-done load would show.
        const std::string text = fixture("defaults.vsz") + crlf(c.text);
        const int linesBefore = static_cast<int>(std::count(text.begin(), text.end(), '\n')) -
                                static_cast<int>(std::count(c.text, c.text + std::strlen(c.text), '\n'));
        SettingsImage image = before;
        SettingsFileError error;
        EXPECT_FALSE(readSettingsFile(text, image, &error));
        EXPECT_EQ(error.message, c.message);
        EXPECT_EQ(error.line, linesBefore + c.line);
        EXPECT_EQ(describe(error), std::string(c.message) + " (Zeile " + std::to_string(error.line) + ")");
        EXPECT_EQ(differences(image, before), std::vector<std::string>{});
    }
}
