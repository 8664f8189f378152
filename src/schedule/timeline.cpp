#include "schedule/timeline.h"

#include "core/item_lists.h"
#include "schedule/switching_rules.h"

namespace lumivox::schedule {

namespace {

constexpr int kMinutesPerDay = 1440;

BarColour colourOf(int32_t richtung)
{
    return richtung == 0 ? BarColour::Up : BarColour::Down;
}

}  // namespace

BarRow barRow(const DayEntries& entries, int rowWidth, int x0)
{
    BarRow bars;
    BarColour lastColour = BarColour::Up;
    int last = -1;   // index of the last number with a time
    BarColour shownColour = BarColour::Up;
    int start = x0;
    for (int n = 0; n < kNumbers; ++n) {
        const rec::Schaltzeit& entry = entries[n];
        Bar& bar = bars[n];
        Bar& next = bars[n + 1];
        bar.x = start;
        if (hasSwitchingTime(entry.Uhrzeit)) {
            bar.width = entry.Uhrzeit * rowWidth / kMinutesPerDay - start;
            next.caption = items::switchingTimes()[entry.Uhrzeit];
            lastColour = colourOf(entry.Richtung);
            last = n;
        } else {
            bar.width = 0;
            next.caption = bar.caption;
        }
        // The direction the bar shows is the one left by the last number
        // before it that has a time; a number without a time moves nothing.
        if (n > 0)
            bar.colour = shownColour;
        if (hasSwitchingTime(entry.Uhrzeit))
            shownColour = colourOf(entry.Richtung);
        start = bar.x + bar.width;
    }
    bars[8].x = start;
    bars[8].width = 0;
    if (last >= 0) {
        Bar& after = bars[last + 1];
        after.width = rowWidth - after.x;
        after.colour = lastColour;
    }
    // Before the first switching time the motor stands where the day's last
    // one left it.
    for (int n = 0; n < kNumbers; ++n) {
        if (bars[n].width > 0) {
            bars[n].colour = lastColour;
            break;
        }
    }
    return bars;
}

}  // namespace lumivox::schedule
