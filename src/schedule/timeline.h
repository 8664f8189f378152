#pragma once
// One day of one motor as nine bars along the 24 hours: each bar runs from a
// switching time to the next and shows the direction the earlier one set.
// Used by the day timeline and by the heating page's week overview.

#include <array>
#include <string>

#include "core/settings_image.h"

namespace lumivox::schedule {

enum class BarColour { Up, Down };

struct Bar {
    int x = 0;
    int width = 0;   // may be zero or negative for times out of order: not drawn
    BarColour colour = BarColour::Up;
    std::string caption;   // the time at which the bar begins, "hh:mm" or ""
};

using BarRow = std::array<Bar, 9>;
using DayEntries = std::array<rec::Schaltzeit, kNumbers>;

// x(k) = k * rowWidth / 1440 for the Uhrzeit value k; the first bar starts
// at x0.
BarRow barRow(const DayEntries& entries, int rowWidth, int x0);

// The day timeline on the page "Schaltzeiten".
constexpr int kTimelineRowWidth = 640;
constexpr int kTimelineX0 = 5;
// The week overview on the page "Heizung".
constexpr int kWeekRowWidth = 605;
constexpr int kWeekX0 = 4;

}  // namespace lumivox::schedule
