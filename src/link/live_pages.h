#pragma once
// The read-only live-value fields on the temperature-control, heating and
// parameter pages.

namespace lumivox {

class TVirelta;

// Innentemperatur/Außentemperatur groups "2" on Wintergarten_Maske and "3"
// on Heizung_Maske, and AlarmStatus on Parameter; skips what exists.
void buildLiveFields(TVirelta& window);

}  // namespace lumivox
