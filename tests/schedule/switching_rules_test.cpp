#include <gtest/gtest.h>

#include "schedule/switching_rules.h"

namespace lumivox::rec {

// Test-only comparison and printing of a record.
static bool operator==(const Schaltzeit& a, const Schaltzeit& b)
{
    return a.Richtung == b.Richtung && a.Uhrzeit == b.Uhrzeit && a.Dauer == b.Dauer && a.Gruppe == b.Gruppe &&
           a.Funktion == b.Funktion && a.Geaendert == b.Geaendert;
}

static std::ostream& operator<<(std::ostream& os, const Schaltzeit& r)
{
    return os << "{R" << r.Richtung << " U" << r.Uhrzeit << " D" << r.Dauer << " G" << r.Gruppe << " F" << r.Funktion
              << " flag" << r.Geaendert << "}";
}

}  // namespace lumivox::rec

using namespace lumivox;
using namespace lumivox::schedule;

namespace {

enum Day { Mo, Di, Mi, Do, Fr, Sa, So };

constexpr int kMotor = 2;
constexpr int kNumber = 3;

// What the mask holds when Store runs.
const EntryValues kMask{1, 421, 50, 2};

// Every day of (kMotor, kNumber) holds an older entry with the given Gruppe,
// unflagged, so that a write and a Gruppe-only change are told apart.
WeekSchedule weekWithGruppe(int32_t gruppe)
{
    WeekSchedule week{};
    for (int d = 0; d < kDays; ++d)
        week[d][kMotor][kNumber] = {0, 100 + d, 9, gruppe, 0, 0};
    return week;
}

rec::Schaltzeit written(int32_t g)
{
    return {kMask.Richtung, kMask.Uhrzeit, kMask.Dauer, g, kMask.Funktion, 1};
}

rec::Schaltzeit olderWithGruppe(int day, int32_t g)
{
    return {0, 100 + day, 9, g, 0, 0};
}

struct StoreCase {
    const char* what;
    int selected;
    int item;           // CB_Gruppe index
    int32_t before;     // Gruppe of every day before the store
    int day;
    int32_t written;    // 0: only Gruppe changes
    int32_t gruppe;
};

}  // namespace

TEST(Store, EachCellOfTheDayGroupTable)
{
    const StoreCase cases[] = {
        {"- weekday: itself", Di, 0, 7, Di, 1, 1},
        {"- weekday: other weekday", Di, 0, 7, Mo, 0, 1},
        {"- weekday: other weekday not 7", Di, 0, 5, Fr, 0, 1},
        {"- weekday: weekend adjusted", Di, 0, 7, Sa, 0, 2},
        {"- weekday: weekend left", Di, 0, 5, So, 0, 5},
        {"- weekend: itself", Sa, 0, 7, Sa, 1, 1},
        {"- weekend: weekday adjusted", Sa, 0, 7, Mi, 0, 5},
        {"- weekend: weekday left", Sa, 0, 2, Mi, 0, 2},
        {"- weekend: other weekend day", Sa, 0, 7, So, 0, 1},
        {"Mo - Fr: itself", Mi, 1, 1, Mi, 5, 5},
        {"Mo - Fr: other weekday", Mi, 1, 1, Fr, 5, 5},
        {"Mo - Fr: weekend adjusted", Mi, 1, 7, Sa, 0, 2},
        {"Mo - Fr: weekend left", Mi, 1, 1, So, 0, 1},
        {"Sa - So: itself", So, 1, 1, So, 2, 2},
        {"Sa - So: other weekend day", So, 1, 1, Sa, 2, 2},
        {"Sa - So: weekday adjusted", So, 1, 7, Mo, 0, 5},
        {"Sa - So: weekday left", So, 1, 2, Do, 0, 2},
        {"Mo - So on a weekday: weekend", Do, 2, 1, So, 7, 7},
        {"Mo - So on Sunday: Monday", So, 2, 1, Mo, 7, 7},
        {"Mo - So on Sunday: Saturday", So, 2, 5, Sa, 7, 7},
    };
    for (const StoreCase& c : cases) {
        WeekSchedule week = weekWithGruppe(c.before);
        ASSERT_TRUE(storeEntry(week, c.selected, kMotor, kNumber, c.item, kMask)) << c.what;
        const rec::Schaltzeit expected = c.written ? written(c.written) : olderWithGruppe(c.day, c.gruppe);
        EXPECT_EQ(week[c.day][kMotor][kNumber], expected) << c.what;
    }
}

TEST(Store, TouchesOnlyTheOneNumberOfTheOneMotor)
{
    WeekSchedule week = weekWithGruppe(7);
    const WeekSchedule before = week;
    storeEntry(week, Mi, kMotor, kNumber, 2, kMask);
    for (int d = 0; d < kDays; ++d)
        for (int m = 0; m < kMotors; ++m)
            for (int n = 0; n < kNumbers; ++n)
                if (m != kMotor || n != kNumber) {
                    EXPECT_EQ(week[d][m][n], before[d][m][n]) << d << m << n;
                }
}

TEST(Store, WithoutAGroupItemOrOutsideTheWeekWritesNothing)
{
    struct Case { int day, motor, number, item; };
    // -1: CB_Gruppe shows nothing; number 8: the blank ninth item; -1 cursor: a download.
    for (const Case& c : {Case{Di, kMotor, kNumber, -1}, Case{Di, kMotor, 8, 0}, Case{-1, kMotor, kNumber, 0},
                          Case{Di, -1, kNumber, 0}, Case{7, kMotor, kNumber, 0}, Case{Di, 8, kNumber, 2},
                          Case{Di, kMotor, kNumber, 3}}) {
        WeekSchedule week = weekWithGruppe(7);
        const WeekSchedule before = week;
        EXPECT_FALSE(storeEntry(week, c.day, c.motor, c.number, c.item, kMask));
        EXPECT_TRUE(week == before);
    }
}

TEST(Store, TuesdayMoFrThenBackToSingleDay)
{
    WeekSchedule week{};
    week[Sa][0][0] = {1, 1000, 39, 7, 0, 0};
    const EntryValues seven{0, 421, 39, 0};
    storeEntry(week, Di, 0, 0, 1, seven);
    for (int d = Mo; d <= Fr; ++d) {
        EXPECT_EQ(week[d][0][0].Uhrzeit, 421) << d;
        EXPECT_EQ(week[d][0][0].Gruppe, 5) << d;
        EXPECT_EQ(week[d][0][0].Geaendert, 1) << d;
    }
    EXPECT_EQ(week[Sa][0][0], (rec::Schaltzeit{1, 1000, 39, 2, 0, 0}));

    const EntryValues eight{1, 481, 20, 1};
    storeEntry(week, Di, 0, 0, 0, eight);
    EXPECT_EQ(week[Di][0][0], (rec::Schaltzeit{1, 481, 20, 1, 1, 1}));
    for (int d : {Mo, Mi, Do, Fr}) {
        EXPECT_EQ(week[d][0][0].Uhrzeit, 421) << d;
        EXPECT_EQ(week[d][0][0].Gruppe, 1) << d;
    }
}

TEST(GroupItems, DependOnWeekdayOrWeekend)
{
    EXPECT_EQ(groupItems(Fr), (ItemList{"-", "Mo - Fr", "Mo - So"}));
    EXPECT_EQ(groupItems(Sa), (ItemList{"-", "Sa - So", "Mo - So"}));
    struct Case { int day; int32_t gruppe; int item; };
    for (const Case& c : {Case{Mo, 1, 0}, Case{Mo, 5, 1}, Case{Mo, 7, 2}, Case{Mo, 2, -1}, Case{So, 2, 1},
                          Case{So, 5, -1}, Case{So, 7, 2}, Case{Mi, 0, -1}, Case{Mi, 99, -1}}) {
        EXPECT_EQ(groupItemOfGruppe(c.day, c.gruppe), c.item) << c.day << " " << c.gruppe;
        if (c.item >= 0) {
            EXPECT_EQ(gruppeOfItem(c.day, c.item), c.gruppe);
        }
    }
    EXPECT_EQ(gruppeOfItem(Mo, -1), 0);
    EXPECT_EQ(gruppeOfItem(Mo, 3), 0);
}

TEST(CopyMotor, TargetTakesEveryEntryAndIsFlagged)
{
    WeekSchedule week{};
    for (int d = 0; d < kDays; ++d)
        for (int m = 0; m < kMotors; ++m)
            for (int n = 0; n < kNumbers; ++n)
                week[d][m][n] = {(d + n) % 2, d * 100 + m * 10 + n + 1, m, (n % 2) ? 5 : 1, n % 3, 0};
    const WeekSchedule before = week;
    ASSERT_TRUE(copyMotor(week, 0, 3));
    for (int d = 0; d < kDays; ++d) {
        for (int m = 0; m < kMotors; ++m) {
            for (int n = 0; n < kNumbers; ++n) {
                rec::Schaltzeit expected = before[d][m][n];
                if (m == 3) {
                    expected = before[d][0][n];
                    expected.Geaendert = 1;
                }
                EXPECT_EQ(week[d][m][n], expected) << d << m << n;
            }
        }
    }

    WeekSchedule self = before;
    ASSERT_TRUE(copyMotor(self, 5, 5));
    EXPECT_EQ(self[Mi][5][2].Uhrzeit, before[Mi][5][2].Uhrzeit);
    EXPECT_EQ(self[Mi][5][2].Geaendert, 1);

    EXPECT_FALSE(copyMotor(self, -1, 2));
    EXPECT_FALSE(copyMotor(self, 0, 8));
}

TEST(ListPositions, LinesSeparatorsAndPicks)
{
    EXPECT_EQ(lineCount(ListOrder::ByDay), 62);
    EXPECT_EQ(lineCount(ListOrder::ByMotor), 63);
    for (int line : {8, 17, 26, 35, 44, 53})
        EXPECT_TRUE(isSeparator(ListOrder::ByDay, line)) << line;
    for (int line : {7, 15, 23, 31, 39, 47, 55})
        EXPECT_TRUE(isSeparator(ListOrder::ByMotor, line)) << line;
    EXPECT_FALSE(isSeparator(ListOrder::ByDay, 61));
    EXPECT_FALSE(isSeparator(ListOrder::ByMotor, 62));
    EXPECT_FALSE(isSeparator(ListOrder::ByMotor, 63));

    struct Case { ListOrder order; int line; int day; int motor; };
    for (const Case& c : {Case{ListOrder::ByDay, 0, Mo, 0}, Case{ListOrder::ByDay, 7, Mo, 7},
                          Case{ListOrder::ByDay, 9, Di, 0}, Case{ListOrder::ByDay, 61, So, 7},
                          Case{ListOrder::ByMotor, 6, So, 0}, Case{ListOrder::ByMotor, 8, Mo, 1},
                          Case{ListOrder::ByMotor, 62, So, 7}}) {
        auto pos = positionOfLine(c.order, c.line);
        ASSERT_TRUE(pos) << c.line;
        EXPECT_EQ(pos->day, c.day) << c.line;
        EXPECT_EQ(pos->motor, c.motor) << c.line;
        EXPECT_EQ(lineOf(c.order, c.day, c.motor), c.line);
    }
    EXPECT_FALSE(positionOfLine(ListOrder::ByDay, 8));
    EXPECT_FALSE(positionOfLine(ListOrder::ByDay, 62));
    EXPECT_FALSE(positionOfLine(ListOrder::ByMotor, -1));

    // The separator after Monday picks Tuesday, motor 1; no line picks the first.
    EXPECT_EQ(pickedLine(ListOrder::ByDay, 8), 9);
    EXPECT_EQ(pickedLine(ListOrder::ByMotor, 55), 56);
    EXPECT_EQ(pickedLine(ListOrder::ByMotor, -1), 0);
    EXPECT_EQ(pickedLine(ListOrder::ByDay, 30), 30);
}

TEST(NumberAtX, HeadCellsAndClamping)
{
    struct Case { int x; int width; int number; };
    const Case cases[] = {
        {0, 753, 0},      // far left, in the head
        {100, 753, 0},
        {752, 753, 7},    // far right: 7.99 rounds to 8, clamped
        {246, 753, 1},    // 173 + 72.5 * 1
        {460, 753, 4},
        // width 21: head 5, cells 16 wide, so odd x land exactly halfway
        {6, 21, 0},       // 0.5 -> 0
        {8, 21, 2},       // 1.5 -> 2
        {10, 21, 2},      // 2.5 -> 2
        {12, 21, 4},      // 3.5 -> 4
        {-50, 21, 0},
        {5, 0, 0},        // no width, no division
    };
    for (const Case& c : cases)
        EXPECT_EQ(numberAtX(c.x, c.width), c.number) << c.x << " of " << c.width;
}

TEST(NumberAtX, RoundsHalfToEven)
{
    struct Case { int64_t num, den, result; };
    for (const Case& c : {Case{1, 2, 0}, Case{3, 2, 2}, Case{5, 2, 2}, Case{7, 2, 4}, Case{-1, 2, 0},
                          Case{-3, 2, -2}, Case{-5, 2, -2}, Case{1150, 100, 12}, Case{3450, 100, 34},
                          Case{51, 100, 1}, Case{49, 100, 0}, Case{-51, 100, -1}})
        EXPECT_EQ(roundHalfEven(c.num, c.den), c.result) << c.num << "/" << c.den;
}
