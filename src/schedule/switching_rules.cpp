#include "schedule/switching_rules.h"

namespace lumivox::schedule {

namespace {

// Gruppe values behind the three CB_Gruppe items.
constexpr int32_t kWeekdayGruppe[] = {1, 5, 7};
constexpr int32_t kWeekendGruppe[] = {1, 2, 7};

// What Store does to the record of one day.
enum class Cell {
    Write,    // the mask's values with Gruppe g, flag 1
    Set,      // Gruppe = g, nothing else
    Adjust,   // Gruppe = g only where it was 7, nothing else
};

struct Action {
    Cell cell;
    int32_t g;
};

// One row per CB_Gruppe item and kind of selected day; the columns are the
// selected day itself, the other weekdays and the other weekend days.
struct StoreRow {
    bool weekendSelected;
    int item;
    Action self, weekday, weekend;
};

constexpr StoreRow kStoreTable[] = {
    {false, 0, {Cell::Write, 1}, {Cell::Set, 1}, {Cell::Adjust, 2}},      // "-"
    {true, 0, {Cell::Write, 1}, {Cell::Adjust, 5}, {Cell::Set, 1}},       // "-"
    {false, 1, {Cell::Write, 5}, {Cell::Write, 5}, {Cell::Adjust, 2}},    // "Mo - Fr"
    {true, 1, {Cell::Write, 2}, {Cell::Adjust, 5}, {Cell::Write, 2}},     // "Sa - So"
    {false, 2, {Cell::Write, 7}, {Cell::Write, 7}, {Cell::Write, 7}},     // "Mo - So"
    {true, 2, {Cell::Write, 7}, {Cell::Write, 7}, {Cell::Write, 7}},      // "Mo - So"
};

void apply(const Action& action, rec::Schaltzeit& record, const EntryValues& values)
{
    switch (action.cell) {
    case Cell::Write:
        record.Richtung = values.Richtung;
        record.Uhrzeit = values.Uhrzeit;
        record.Dauer = values.Dauer;
        record.Gruppe = action.g;
        record.Funktion = values.Funktion;
        record.Geaendert = 1;
        break;
    case Cell::Set:
        record.Gruppe = action.g;
        break;
    case Cell::Adjust:
        if (record.Gruppe == 7)
            record.Gruppe = action.g;
        break;
    }
}

constexpr int kGroupItems = 3;

}  // namespace

const ItemList& groupItems(int day)
{
    static const ItemList weekday{"-", "Mo - Fr", "Mo - So"};
    static const ItemList weekend{"-", "Sa - So", "Mo - So"};
    return isWeekend(day) ? weekend : weekday;
}

int32_t gruppeOfItem(int day, int item)
{
    if (item < 0 || item >= kGroupItems)
        return 0;
    return isWeekend(day) ? kWeekendGruppe[item] : kWeekdayGruppe[item];
}

int groupItemOfGruppe(int day, int32_t gruppe)
{
    for (int item = 0; item < kGroupItems; ++item)
        if (gruppeOfItem(day, item) == gruppe)
            return item;
    return -1;
}

bool storeEntry(WeekSchedule& week, int selectedDay, int motor, int number, int groupItem,
                const EntryValues& values)
{
    if (!validDay(selectedDay) || !validMotor(motor) || !validNumber(number))
        return false;
    const bool weekendSelected = isWeekend(selectedDay);
    for (const StoreRow& row : kStoreTable) {
        if (row.weekendSelected != weekendSelected || row.item != groupItem)
            continue;
        for (int d = 0; d < kDays; ++d) {
            const Action& action = d == selectedDay ? row.self : isWeekend(d) ? row.weekend : row.weekday;
            apply(action, week[d][motor][number], values);
        }
        return true;
    }
    return false;
}

bool copyMotor(WeekSchedule& week, int from, int to)
{
    if (!validMotor(from) || !validMotor(to))
        return false;
    for (auto& day : week) {
        for (int n = 0; n < kNumbers; ++n) {
            rec::Schaltzeit copy = day[from][n];
            copy.Geaendert = 1;
            day[to][n] = copy;
        }
    }
    return true;
}

int lineCount(ListOrder order)
{
    return order == ListOrder::ByDay ? 62 : 63;
}

namespace {
// Lines per block: eight motors of a day plus a separator, or seven days of
// a motor plus a separator.
int blockSize(ListOrder order)
{
    return order == ListOrder::ByDay ? 9 : 8;
}
}  // namespace

bool isSeparator(ListOrder order, int line)
{
    return line >= 0 && line < lineCount(order) && (line + 1) % blockSize(order) == 0;
}

std::optional<ListPosition> positionOfLine(ListOrder order, int line)
{
    if (line < 0 || line >= lineCount(order) || isSeparator(order, line))
        return std::nullopt;
    const int block = line / blockSize(order);
    const int inBlock = line % blockSize(order);
    if (order == ListOrder::ByDay)
        return ListPosition{block, inBlock};
    return ListPosition{inBlock, block};
}

int lineOf(ListOrder order, int day, int motor)
{
    return order == ListOrder::ByDay ? day * 9 + motor : motor * 8 + day;
}

int pickedLine(ListOrder order, int clickedLine)
{
    if (clickedLine < 0 || clickedLine >= lineCount(order))
        return 0;
    // The last line of either list is a data line, so the next one exists.
    return isSeparator(order, clickedLine) ? clickedLine + 1 : clickedLine;
}

int64_t roundHalfEven(int64_t num, int64_t den)
{
    int64_t q = num / den;
    int64_t r = num % den;
    if (r < 0) {   // floor division, so that r lies in [0, den)
        r += den;
        --q;
    }
    const int64_t twice = 2 * r;
    if (twice > den || (twice == den && (q % 2 != 0)))
        ++q;
    return q;
}

int numberAtX(int x, int width)
{
    if (width <= 0)
        return 0;
    // Exact rationals instead of floating point: 0.23 has no exact binary
    // form, and a halfway case must really be halfway to go to the even side.
    const int64_t head = roundHalfEven(int64_t{23} * width, 100);
    const int64_t span = width - head;
    if (span <= 0)
        return 0;
    const int64_t n = roundHalfEven((int64_t{x} - head) * 8, span);
    return static_cast<int>(n < 0 ? 0 : n > 7 ? 7 : n);
}

}  // namespace lumivox::schedule
