#include <gtest/gtest.h>

#include "automation/mask_rules.h"

using namespace lumivox;

namespace {

struct RuleCase {
    const char* what;
    PairRule rule;
    IndexPair before;
    int mode;
    IndexPair after;
};

void expectRules(std::initializer_list<RuleCase> cases)
{
    for (const RuleCase& c : cases) {
        IndexPair got = c.rule(c.before, c.mode);
        EXPECT_EQ(got.first, c.after.first) << c.what;
        EXPECT_EQ(got.second, c.after.second) << c.what;
    }
}

}  // namespace

// Shading hours: index 0 = 05:00 ... 17 = 22:00.
TEST(MaskRules, ShadingWindow)
{
    using namespace rules;
    expectRules({
        {"22:00 in BA_von, Bis 08:00", shadingWindowAfterVon, {17, 3}, 0, {16, 17}},
        {"21:00 in BA_von", shadingWindowAfterVon, {16, 2}, 0, {16, 17}},
        {"Von reaching Bis pushes Bis", shadingWindowAfterVon, {8, 8}, 0, {8, 9}},
        {"Von before Bis stays", shadingWindowAfterVon, {3, 10}, 0, {3, 10}},
        {"05:00 in BA_Bis", shadingWindowAfterBis, {9, 0}, 0, {0, 1}},
        {"09:00 in BA_Bis with Von 12:00", shadingWindowAfterBis, {7, 4}, 0, {3, 4}},
        {"Bis after Von stays", shadingWindowAfterBis, {3, 10}, 0, {3, 10}},
        {"Von without selection stays unselected", shadingWindowAfterBis, {-1, 5}, 0, {-1, 5}},
    });
}

// Humidity thresholds: index k = k+1 %; mode 0 "F>", 1 "F<".
TEST(MaskRules, HumidityThresholds)
{
    using namespace rules;
    expectRules({
        {"F< with both 50%", humidityAfterFirst, {49, 49}, 1, {49, 50}},
        {"99% for threshold 1 under F<", humidityAfterFirst, {98, 40}, 1, {97, 98}},
        {"1% for threshold 2 under F<", humidityAfterSecond, {30, 0}, 1, {0, 1}},
        {"99% for threshold 2 under F>", humidityAfterSecond, {40, 98}, 0, {98, 97}},
        {"F> with threshold 1 at or below 2", humidityAfterFirst, {40, 60}, 0, {40, 39}},
        {"1% for threshold 1 under F>", humidityAfterFirst, {0, 10}, 0, {1, 0}},
        {"threshold 2 above 1 under F>", humidityAfterSecond, {50, 70}, 0, {71, 70}},
        {"threshold 2 below 1 under F<", humidityAfterSecond, {50, 20}, 1, {19, 20}},
        {"already apart under F>", humidityAfterFirst, {75, 65}, 0, {75, 65}},
        {"already apart under F<", humidityAfterSecond, {20, 30}, 1, {20, 30}},
    });
}

TEST(MaskRules, HourWindowAllowsEqualHours)
{
    using namespace rules;
    expectRules({
        {"06:00 in bis with von 08:00", hoursAfterBis, {8, 6}, 0, {6, 6}},
        {"von after bis pulls bis", hoursAfterVon, {12, 10}, 0, {12, 12}},
        {"equal hours stay", hoursAfterVon, {8, 8}, 0, {8, 8}},
        {"von before bis stays", hoursAfterBis, {8, 21}, 0, {8, 21}},
    });
}

TEST(MaskRules, HumidityDerivedFields)
{
    EXPECT_EQ(humiditySecondComparison(0), "F<");
    EXPECT_EQ(humiditySecondComparison(1), "F>");
    EXPECT_EQ(humiditySecondComparison(-1), "F>");
    EXPECT_TRUE(humidityMovesDownAtSecond(0, 39));
    EXPECT_TRUE(humidityMovesDownAtSecond(0, 189));
    EXPECT_FALSE(humidityMovesDownAtSecond(0, 190));
    EXPECT_FALSE(humidityMovesDownAtSecond(1, 39));
}
