#include <gtest/gtest.h>

#include <vector>

#include "schedule/timeline.h"

using namespace lumivox;
using namespace lumivox::schedule;

namespace {

constexpr BarColour U = BarColour::Up;
constexpr BarColour D = BarColour::Down;

struct Entry {
    int number;   // 1-based
    int32_t uhrzeit;
    int32_t richtung;
};

struct Expected {
    int bar;   // 1-based
    int x, end;
    BarColour colour;
    const char* caption;
};

struct Case {
    const char* what;
    std::vector<Entry> entries;
    std::vector<Expected> visible;   // every other bar has width <= 0
};

DayEntries day(const std::vector<Entry>& entries)
{
    DayEntries d{};
    for (auto& e : d)
        e = {0, 0, 39, 1, 0, 1};
    for (const Entry& e : entries) {
        d[e.number - 1].Uhrzeit = e.uhrzeit;
        d[e.number - 1].Richtung = e.richtung;
    }
    return d;
}

}  // namespace

TEST(Timeline, BarsOfTheDayTimeline)
{
    const Case cases[] = {
        {"no time: empty strip", {}, {}},
        {"07:00 up",
         {{1, 421, 0}},
         {{1, 5, 187, U, ""}, {2, 187, 640, U, "07:00"}}},
        {"06:00 up, 20:00 down",
         {{1, 361, 0}, {2, 1201, 1}},
         {{1, 5, 160, D, ""}, {2, 160, 533, U, "06:00"}, {3, 533, 640, D, "20:00"}}},
        {"number 1 empty, 08:00 down",
         {{2, 481, 1}},
         {{2, 5, 213, D, ""}, {3, 213, 640, D, "08:00"}}},
        {"gap in the numbers keeps the caption",
         {{1, 361, 1}, {4, 721, 0}},
         {{1, 5, 160, U, ""}, {4, 160, 320, D, "06:00"}, {5, 320, 640, U, "12:00"}}},
        {"last number used: bar 9 runs to the end",
         {{8, 1081, 1}},
         {{8, 5, 480, D, ""}, {9, 480, 640, D, "18:00"}}},
        {"times out of order give no visible bar",
         {{1, 1201, 1}, {2, 361, 0}},
         {{1, 5, 533, U, ""}, {3, 160, 640, U, "06:00"}}},
        {"a time past 23:59 counts as none",
         {{1, 1441, 1}, {2, 721, 1}},
         {{2, 5, 320, D, ""}, {3, 320, 640, D, "12:00"}}},
    };
    for (const Case& c : cases) {
        const BarRow bars = barRow(day(c.entries), kTimelineRowWidth, kTimelineX0);
        for (int b = 1; b <= 9; ++b) {
            const Bar& bar = bars[b - 1];
            const Expected* e = nullptr;
            for (const Expected& v : c.visible)
                if (v.bar == b)
                    e = &v;
            if (!e) {
                EXPECT_LE(bar.width, 0) << c.what << ", bar " << b;
                continue;
            }
            EXPECT_EQ(bar.x, e->x) << c.what << ", bar " << b;
            EXPECT_EQ(bar.x + bar.width, e->end) << c.what << ", bar " << b;
            EXPECT_EQ(bar.colour, e->colour) << c.what << ", bar " << b;
            EXPECT_EQ(bar.caption, e->caption) << c.what << ", bar " << b;
        }
    }
}

TEST(Timeline, WeekOverviewGeometry)
{
    const BarRow bars = barRow(day({{1, 421, 0}}), kWeekRowWidth, kWeekX0);
    EXPECT_EQ(bars[0].x, 4);
    EXPECT_EQ(bars[0].width, 421 * 605 / 1440 - 4);
    EXPECT_EQ(bars[1].x + bars[1].width, 605);
}
