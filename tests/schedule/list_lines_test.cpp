#include <gtest/gtest.h>

#include "schedule/list_lines.h"

using namespace lumivox;
using namespace lumivox::schedule;

TEST(ListLines, DataLineHeadAndCells)
{
    SettingsImage image;
    image.Schaltzeit[2][1][0] = {0, 451, 39, 1, 0, 1};    // 07:30 up
    image.Schaltzeit[2][1][1] = {1, 1081, 39, 1, 0, 1};   // 18:00 down
    image.Schaltzeit[2][1][2] = {1, 0, 39, 1, 0, 1};      // no time, direction down
    const std::string line = dataLine(image, 2, 1);
    EXPECT_EQ(line.size(), 108u);
    EXPECT_EQ(line.substr(0, 20), "Mi  Motor 2         ");
    EXPECT_EQ(line.substr(20, 11), "07:30 ^ |  ");
    EXPECT_EQ(line.substr(31, 11), "18:00 v |  ");
    EXPECT_EQ(line.substr(42, 11), "        |  ");
    EXPECT_EQ(line.substr(97, 11), "        |  ");
}

TEST(ListLines, NamesAreCutToTwelveAndShortOnesKeepTheColumns)
{
    SettingsImage image;
    struct Case { std::string name; std::string head; };
    const Case cases[] = {
        {"Wohnzimmer links", "So  Wohnzimmer l    "},       // 16 characters
        {"Schlafzimmer1", "So  Schlafzimmer    "},           // 13
        {"Kinderzimmer 2!", "So  Kinderzimmer    "},         // 15
        {"K\xFC" "che", "So  K\xFC" "che           "},        // Windows-1252 umlaut, one byte
        {"", "So                  "},
    };
    for (const Case& c : cases) {
        image.MotorNamen[7] = c.name;
        const std::string line = dataLine(image, 6, 7);
        EXPECT_EQ(line.substr(0, 20), c.head) << c.name;
        EXPECT_EQ(line.size(), 108u) << c.name;
    }
}

TEST(ListLines, TimesOutsideTheListShowAsNoTime)
{
    for (int32_t uhrzeit : {-1, 1441, 100000}) {
        rec::Schaltzeit entry{0, uhrzeit, 39, 1, 0, 1};
        EXPECT_EQ(cell(entry), "        |  ") << uhrzeit;
    }
    EXPECT_EQ(cell({0, 1, 39, 1, 0, 1}), "00:00 ^ |  ");
    EXPECT_EQ(cell({1, 1440, 39, 1, 0, 1}), "23:59 v |  ");
    EXPECT_EQ(dataLine(SettingsImage{}, 7, 0), "");
    EXPECT_EQ(dataLine(SettingsImage{}, 0, -1), "");
}

TEST(ListLines, SeparatorMatchesTheCellBorders)
{
    EXPECT_EQ(separatorLine(),
              "----------------------------+----------+----------+----------+----------+----------+----------+---------");
    SettingsImage image;
    const std::string data = dataLine(image, 0, 0);
    for (std::size_t i = 0; i < separatorLine().size(); ++i)
        if (separatorLine()[i] == '+') {
            EXPECT_EQ(data[i], '|') << i;
        }
}

TEST(ListLines, BothListsInTheirOrder)
{
    SettingsImage image;
    image.MotorNamen[1] = "Bad";
    image.Schaltzeit[5][1][7] = {1, 1200, 39, 1, 0, 1};
    const auto byDay = listLines(image, ListOrder::ByDay);
    const auto byMotor = listLines(image, ListOrder::ByMotor);
    ASSERT_EQ(byDay.size(), 62u);
    ASSERT_EQ(byMotor.size(), 63u);
    EXPECT_EQ(byDay[8], separatorLine());
    EXPECT_EQ(byMotor[7], separatorLine());
    EXPECT_EQ(byDay[46], byMotor[13]);   // Sa, Bad in both
    EXPECT_EQ(byDay[46].substr(0, 20), "Sa  Bad             ");
    EXPECT_EQ(byDay[46].substr(97), "19:59 v |  ");
    EXPECT_EQ(byMotor[62].substr(0, 11), "So  Motor 8");
}

TEST(ListLines, InitialLinesBeforeTheFirstRebuild)
{
    const auto byDay = initialListLines(ListOrder::ByDay);
    const auto byMotor = initialListLines(ListOrder::ByMotor);
    ASSERT_EQ(byDay.size(), 62u);
    ASSERT_EQ(byMotor.size(), 63u);
    EXPECT_EQ(byDay[0], "Mo  Motor 1 ");
    EXPECT_EQ(byDay[10], "Di  Motor 2 ");
    EXPECT_EQ(byDay[17], std::string(104, '-'));
    EXPECT_EQ(byMotor[0], "Mo  Motor 1");
    EXPECT_EQ(byMotor[9], "Di  Motor 2");
    EXPECT_EQ(byMotor[15], std::string(104, '-'));
}

TEST(ListLines, HeadingsSitOverTheCells)
{
    const std::string numbers = headingNumbers();
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(numbers.substr(20 + 11 * n, 5), "Nr. " + std::to_string(n + 1));
    const std::string title = headingOverCells();
    const std::size_t at = title.find("Schaltzeit");
    EXPECT_GT(at, 20u + 30u);
    EXPECT_LT(at, 20u + 50u);
}
