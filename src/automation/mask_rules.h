#pragma once
// Dependent rules of the masks: after a pick, a rule moves the other selector
// of a pair so the pair stays valid. Every rule takes and returns the two
// selectors' indexes (-1 = no selection) plus a mode (the comparison index
// for threshold rules) and is pure, so a table can name it.

#include <string>

namespace lumivox {

struct IndexPair {
    int first;
    int second;
    bool operator==(const IndexPair&) const = default;
};

using PairRule = IndexPair (*)(IndexPair values, int mode);

namespace rules {

// Shading time window (Von, Bis) over "05:00".."22:00": Von stays before Bis.
IndexPair shadingWindowAfterVon(IndexPair vonBis, int);
IndexPair shadingWindowAfterBis(IndexPair vonBis, int);

// Hour windows that allow equal hours (all day): Bis never before Von.
IndexPair hoursAfterVon(IndexPair vonBis, int);
IndexPair hoursAfterBis(IndexPair vonBis, int);

// Humidity thresholds (Schwelle1, Schwelle2) over "1%".."99%"; mode is the
// comparison index (0 "F>": threshold 1 above threshold 2, else below).
IndexPair humidityAfterFirst(IndexPair thresholds, int comparison);    // also after a comparison pick
IndexPair humidityAfterSecond(IndexPair thresholds, int comparison);

}  // namespace rules

// Derived read-only fields of the humidity mask.
// The comparison at threshold 2: the item opposite to Gr_KL.
std::string humiditySecondComparison(int grKl);
// Whether the drive moves down at threshold 2: not for "F<" and not for
// continuous operation ("Dauer" and above).
bool humidityMovesDownAtSecond(int grKl, int dauer);

}  // namespace lumivox
