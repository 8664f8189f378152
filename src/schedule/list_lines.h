#pragma once
// The lines of DatenListe_Tag and DatenListe_Motor, in the fixed-pitch font:
// a 20-character head (day and motor name) and eight 11-character cells.

#include <string>
#include <vector>

#include "core/settings_image.h"
#include "schedule/switching_rules.h"

namespace lumivox::schedule {

constexpr int kDataLineLength = 108;
constexpr int kSeparatorLength = 104;
constexpr int kHeadLength = 20;
constexpr int kCellLength = 11;

// "----...+----------+ ... +---------" (104 characters).
const std::string& separatorLine();

// "Mo  Motor 1         07:30 ^ |  ..." for a day and motor of the image.
// Out-of-range indexes give an empty string.
std::string dataLine(const SettingsImage& image, int day, int motor);

// One cell: time, blank, "^"/"v" (blank without a time), blank, "|", two blanks.
std::string cell(const rec::Schaltzeit& entry);

// Every line of a list, built from the image.
std::vector<std::string> listLines(const SettingsImage& image, ListOrder order);

// What a list shows before its first rebuild: day and "Motor n" only, and
// separators of plain dashes.
std::vector<std::string> initialListLines(ListOrder order);

// The column headings above the lists: "Schaltzeit" centred over the cells
// and "Nr. 1" ... "Nr. 8" each over its cell, on the same character grid.
std::string headingOverCells();
std::string headingNumbers();

}  // namespace lumivox::schedule
