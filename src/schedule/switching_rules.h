#pragma once
// What the switching-time editor does to the week, without any widget:
// the day groups, storing an entry, copying a motor, and which day, motor
// and number a click in one of the two overview lists means.

#include <cstdint>
#include <optional>

#include "core/item_lists.h"
#include "core/settings_image.h"

namespace lumivox::schedule {

constexpr bool isWeekend(int day) { return day == 5 || day == 6; }

// Uhrzeit 1 ... 1440 is 00:00 ... 23:59, 0 no time. A value from a file or
// the line beyond 23:59 counts as no time too, never as an item past the
// end of the time list.
constexpr bool hasSwitchingTime(int32_t uhrzeit) { return uhrzeit > 0 && uhrzeit <= 24 * 60; }

// CB_Gruppe offers "-", "Mo - Fr", "Mo - So" on a weekday and
// "-", "Sa - So", "Mo - So" on Saturday or Sunday.
const ItemList& groupItems(int day);

// The Gruppe value an item of groupItems(day) stands for; 0 for no item.
int32_t gruppeOfItem(int day, int item);
// The item of groupItems(day) that shows a Gruppe value; -1 when none does.
int groupItemOfGruppe(int day, int32_t gruppe);

// The values of the mask that Store writes.
struct EntryValues {
    int32_t Richtung = 0;
    int32_t Uhrzeit = 0;
    int32_t Dauer = 0;
    int32_t Funktion = 0;
};

// Stores the mask into number `number` of motor `motor` for the selected day
// and, as the chosen day group demands, for the other days of the week (see
// kStoreTable in the .cpp). groupItem is the index shown by CB_Gruppe; -1, or
// any cursor outside the week, writes nothing and returns false.
bool storeEntry(WeekSchedule& week, int selectedDay, int motor, int number, int groupItem,
                const EntryValues& values);

// Every day and number of motor `to` takes the values of motor `from` and is
// flagged changed. Copying a motor onto itself only flags it.
bool copyMotor(WeekSchedule& week, int from, int to);

// The two overview lists: by day (62 lines, every ninth a separator) and by
// motor (63 lines, every eighth a separator).
enum class ListOrder { ByDay, ByMotor };

struct ListPosition {
    int day = 0;
    int motor = 0;
};

int lineCount(ListOrder order);
bool isSeparator(ListOrder order, int line);
// The day and motor of a data line; nothing for a separator or a line
// outside the list.
std::optional<ListPosition> positionOfLine(ListOrder order, int line);
// The line that shows day and motor.
int lineOf(ListOrder order, int day, int motor);

// The line a click picks: a separator picks the line after it, no line (-1)
// the first one.
int pickedLine(ListOrder order, int clickedLine);

// The switching-time number (0..7) under a click x pixels from the left edge
// of a list `width` pixels wide: the first 23 % of the width belong to the
// head, the rest to the eight cells; both roundings go to the even
// neighbour when exactly halfway.
int numberAtX(int x, int width);

// Ties to even for num / den, den > 0, in exact integer arithmetic.
int64_t roundHalfEven(int64_t num, int64_t den);

}  // namespace lumivox::schedule
