#pragma once
// The read-only fields that show live values; several pages carry the same
// groups, told apart by a suffix of their control names ("", "2", "3").

#include <QString>

class QGroupBox;
class QWidget;

namespace lumivox {

// "Innentemperatur": IT_Aktuell<s>, IT_Min<s>, IT_Max<s>. The group is named
// GroupBoxInnentemperatur<s> for suffix "" and "2" (the link shows or hides
// those two by the controller's features).
QGroupBox* makeIndoorTemperatureGroup(QWidget* parent, const QString& suffix);
// "Außentemperatur": AT_Aktuell<s>, AT_Min<s> (AT_min2 on the temperature
// page, as the controls were always named), AT_Max<s>.
QGroupBox* makeOutdoorTemperatureGroup(QWidget* parent, const QString& suffix);

}  // namespace lumivox
