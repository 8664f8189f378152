#pragma once
// The item lists of every selector, as Windows-1252 bytes. A stored value is
// an index into one of these lists; editors, list lines, the settings file and
// the wire all take their texts from here.

#include <string>
#include <vector>

namespace lumivox {

using ItemList = std::vector<std::string>;

namespace items {

const ItemList& weekdays();                 // "Mo" .. "So"
const ItemList& switchingTimes();           // CB_Schaltzeit: "     ", "00:00" .. "23:59" (1441)
const ItemList& switchingDurations();       // CB_Dauer: "1s".."99s", "100", "110".."360", "Dau" (127)
const ItemList& durations();                // "1s".."99s", "100s".."990s", "999s" (190)
const ItemList& durationsWithDauer();       // the same plus "Dauer" (191)
const ItemList& onOff();                    // "EIN", "AUS"
const ItemList& switchingFunctions();       // "-", "Astro", "Zufall"

const ItemList& shadingTemperatures();      // "-10" .. "35"
const ItemList& shadingHours();             // "05:00" .. "22:00"
const ItemList& shadingBrightness();        // "100" .. "255"
const ItemList& morningHours();             // "03:00" .. "10:00"
const ItemList& eveningHours();             // "14:00" .. "23:00"
const ItemList& twilightBrightness();       // "1" .. "250"
const ItemList& windSpeeds();               // "5" .. "95"
const ItemList& reversingTimes();           // "0,0" .. "4,0"
const ItemList& hours();                    // "00:00" .. "23:00"
const ItemList& setTemperatures();          // "1°" .. "50°"
const ItemList& controlRanges();            // "1°" .. "9°"
const ItemList& steps();                    // "2" .. "9"
const ItemList& thresholdTemperatures();    // "-9°" .. "50°"
const ItemList& humidities();               // "1%" .. "99%"
const ItemList& humidityComparisons();      // "F>", "F<"
const ItemList& heatingTemperatures();      // "4,0°C" .. "29,5°C"

const ItemList& randomSpans();              // "± 2 min" .. "± 254 min"
const ItemList& shadingHystereses();        // "2" .. "50"
const ItemList& sensorOffsets();            // "- 5 °C" .. "0 °C" .. "+ 5 °C"
const ItemList& profiles();                 // "Standard", "Alternativ"
const ItemList& heatingHystereses();        // "± 0,1 °C" .. "± 0,9 °C"
const ItemList& ports();                    // "COM 1" .. "COM 16"

// The item at index, or "" when the index lies outside the list (a value
// from a file or a controller may do so).
const std::string& itemOrEmpty(const ItemList& list, int index);

}  // namespace items

// Seconds of a CB_Dauer index (index 126 "Dau" counts as 370).
int switchingDurationSeconds(int index);

}  // namespace lumivox
