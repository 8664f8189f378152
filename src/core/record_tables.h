#pragma once
// One table per record kind: its fields in order, each with its item list and
// its file conversion. The settings file, the wire and the list lines read
// these tables instead of repeating the conversions.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/item_lists.h"
#include "core/settings_image.h"

namespace lumivox {

// How a stored index becomes a file value, and back.
enum class Codec {
    Offset,             // number = index + offset
    WindSpeed,          // number = (index + 1) * 5
    SwitchingDuration,  // seconds, with the CB_Dauer tail (see switchingDurationToFile)
    OnOff,              // "Ein" / "Aus"
    UpDown,             // "Auf" / "Ab"
    UpDownOff,          // "Auf" / "Ab" / "Deaktiv"
    GreaterSmaller,     // "Gr" / "Kl"
    DayNight,           // "Tag" / "Nacht"
    HeatCool,           // "Heizen" / "Kuehlen"
    Function,           // "Normal" / "Astro" / "Zufall"
};

struct Conversion {
    Codec codec = Codec::Offset;
    int offset = 0;
};

// File numbers are untrusted: a conversion that leaves the 32-bit range
// sticks at its end instead of overflowing.
int32_t saturated(int64_t value);

// The file text of a stored index.
std::string toFileValue(Conversion conversion, int32_t index);
// The stored index of a numeric file value (the inverse of toFileValue for
// the numeric codecs; the word codecs return the number unchanged).
int32_t indexFromFileNumber(Conversion conversion, int32_t number);

std::string switchingDurationToFile(int32_t index);   // 99 -> "100", 125 -> "360", >129 -> "44"
int32_t switchingDurationFromFile(int32_t seconds);   // the inverse used by the reader
std::string hourToFile(int32_t uhrzeit);              // "--" for no time
std::string minuteToFile(int32_t uhrzeit);

template <typename Record>
struct FieldSpec {
    const char* key;                // file key and field name
    int32_t Record::*member;
    Conversion conversion;
    const ItemList& (*items)();     // the selector's items
};

template <typename Record>
struct RecordKind {
    const char* stem;               // file section stem, e.g. "Beschattung"
    PerProfileMotor<Record> SettingsImage::*records;
    std::span<const FieldSpec<Record>> fields;
    // The line beginning that stores a file section into the record; nullptr:
    // the key of the last field (heating closes on "NachtTemp" alone).
    const char* closingKey = nullptr;
};

namespace tables {

using C = Codec;
using namespace rec;

inline constexpr FieldSpec<Schaltzeit> kSchaltzeitFields[] = {
    {"Richtung", &Schaltzeit::Richtung, {C::UpDown}, nullptr},
    {"Uhrzeit", &Schaltzeit::Uhrzeit, {C::Offset}, &items::switchingTimes},
    {"Dauer", &Schaltzeit::Dauer, {C::SwitchingDuration}, &items::switchingDurations},
    {"Gruppe", &Schaltzeit::Gruppe, {C::Offset}, nullptr},
    {"Funktion", &Schaltzeit::Funktion, {C::Function}, &items::switchingFunctions},
};

inline constexpr FieldSpec<Beschattung> kBeschattungFields[] = {
    {"EinAus", &Beschattung::EinAus, {C::OnOff}, &items::onOff},
    {"Temperatur", &Beschattung::Temperatur, {C::Offset, -10}, &items::shadingTemperatures},
    {"Von", &Beschattung::Von, {C::Offset, 5}, &items::shadingHours},
    {"Bis", &Beschattung::Bis, {C::Offset, 5}, &items::shadingHours},
    {"Helligkeit", &Beschattung::Helligkeit, {C::Offset, 100}, &items::shadingBrightness},
    {"Dauer", &Beschattung::Dauer, {C::Offset, 1}, &items::durations},
};

inline constexpr FieldSpec<Daemmerung> kDaemmerungMorgenFields[] = {
    {"EinAus", &Daemmerung::EinAus, {C::OnOff}, &items::onOff},
    {"Von", &Daemmerung::Von, {C::Offset, 3}, &items::morningHours},
    {"Helligkeit", &Daemmerung::Helligkeit, {C::Offset, 1}, &items::twilightBrightness},
    {"Dauer", &Daemmerung::Dauer, {C::Offset, 1}, &items::durationsWithDauer},
};

inline constexpr FieldSpec<Daemmerung> kDaemmerungAbendFields[] = {
    {"EinAus", &Daemmerung::EinAus, {C::OnOff}, &items::onOff},
    {"Von", &Daemmerung::Von, {C::Offset, 14}, &items::eveningHours},
    {"Helligkeit", &Daemmerung::Helligkeit, {C::Offset, 1}, &items::twilightBrightness},
    {"Dauer", &Daemmerung::Dauer, {C::Offset, 1}, &items::durationsWithDauer},
};

inline constexpr FieldSpec<Wind> kWindFields[] = {
    {"EinAus", &Wind::EinAus, {C::OnOff}, &items::onOff},
    {"Geschwindigkeit", &Wind::Geschwindigkeit, {C::WindSpeed}, &items::windSpeeds},
};

inline constexpr FieldSpec<Regen> kRegenFields[] = {
    {"EinAus", &Regen::EinAus, {C::OnOff}, &items::onOff},
    {"Richtung", &Regen::Richtung, {C::UpDown}, nullptr},
};

inline constexpr FieldSpec<Reversierung> kReversierungFields[] = {
    {"EinAus", &Reversierung::EinAus, {C::OnOff}, &items::onOff},
    {"Bei_Auf", &Reversierung::Bei_Auf, {C::Offset}, &items::reversingTimes},
    {"Bei_Ab", &Reversierung::Bei_Ab, {C::Offset}, &items::reversingTimes},
};

inline constexpr FieldSpec<TastAutomatik> kTastAutomatikFields[] = {
    {"EinAus", &TastAutomatik::EinAus, {C::OnOff}, &items::onOff},
    {"Dauer", &TastAutomatik::Dauer, {C::Offset}, &items::durations},
};

using PT = ProportionaleTemperatursteuerung;
inline constexpr FieldSpec<PT> kProportionalFields[] = {
    {"EinAus", &PT::EinAus, {C::OnOff}, &items::onOff},
    {"Von", &PT::Von, {C::Offset}, &items::hours},
    {"Bis", &PT::Bis, {C::Offset}, &items::hours},
    {"SollTemperatur", &PT::SollTemperatur, {C::Offset, 1}, &items::setTemperatures},
    {"Richtung", &PT::Richtung, {C::UpDown}, nullptr},
    {"Regelbereich", &PT::Regelbereich, {C::Offset, 1}, &items::controlRanges},
    {"MaxStellzeit", &PT::MaxStellzeit, {C::Offset, 1}, &items::durations},
    {"Schritte", &PT::Schritte, {C::Offset, 2}, &items::steps},
};

using IT = InnenTemperatursteuerung;
inline constexpr FieldSpec<IT> kInnenFields[] = {
    {"EinAus", &IT::EinAus, {C::OnOff}, &items::onOff},
    {"Gr_KL", &IT::Gr_KL, {C::GreaterSmaller}, nullptr},
    {"Schwelle1", &IT::Schwelle1, {C::Offset, -9}, &items::thresholdTemperatures},
    {"Richtung", &IT::Richtung, {C::UpDown}, nullptr},
    {"Schwelle2", &IT::Schwelle2, {C::Offset, -9}, &items::thresholdTemperatures},
    {"Dauer", &IT::Dauer, {C::Offset, 1}, &items::durationsWithDauer},
    {"Von", &IT::Von, {C::Offset}, &items::hours},
    {"Bis", &IT::Bis, {C::Offset}, &items::hours},
};

using HS = HeizungsSteuerung;
inline constexpr FieldSpec<HS> kHeizungFields[] = {
    {"EinAus", &HS::EinAus, {C::OnOff}, &items::onOff},
    {"TagNacht", &HS::TagNacht, {C::DayNight}, nullptr},
    {"Betriebsart", &HS::Betriebsart, {C::HeatCool}, nullptr},
    {"TagTemperatur", &HS::TagTemperatur, {C::Offset, 40}, &items::heatingTemperatures},
    {"NachtTemperatur", &HS::NachtTemperatur, {C::Offset, 40}, &items::heatingTemperatures},
};

using FS = FeuchtigkeitsSteuerung;
inline constexpr FieldSpec<FS> kFeuchteFields[] = {
    {"EinAus", &FS::EinAus, {C::OnOff}, &items::onOff},
    {"Gr_KL", &FS::Gr_KL, {C::GreaterSmaller}, &items::humidityComparisons},
    {"Schwelle1", &FS::Schwelle1, {C::Offset, 1}, &items::humidities},
    {"Schwelle2", &FS::Schwelle2, {C::Offset, 1}, &items::humidities},
    {"Dauer", &FS::Dauer, {C::Offset, 1}, &items::durationsWithDauer},
    {"Von", &FS::Von, {C::Offset}, &items::hours},
    {"Bis", &FS::Bis, {C::Offset}, &items::hours},
};

using AT = AussenTemperatursteuerung;
inline constexpr FieldSpec<AT> kAussenFields[] = {
    {"EinAus", &AT::EinAus, {C::OnOff}, &items::onOff},
    {"Schwelle1", &AT::Schwelle1, {C::Offset, -9}, &items::thresholdTemperatures},
    {"Richtung", &AT::Richtung, {C::UpDownOff}, nullptr},
    {"Schwelle2", &AT::Schwelle2, {C::Offset, -9}, &items::thresholdTemperatures},
    {"Dauer", &AT::Dauer, {C::Offset, 1}, &items::durationsWithDauer},
};

// Parameter keys are not field names, so the table carries both.
struct ParameterField {
    const char* key;
    int32_t rec::Parameter::*member;
    int offset;
    const ItemList& (*items)();
};

inline constexpr ParameterField kParameterFields[] = {
    {"Zufalls-Zeitspanne", &Parameter::ZufallsZeitspanne, 2, &items::randomSpans},
    {"Beschattungs-Hysterese", &Parameter::BeschattungsHysterese, 2, &items::shadingHystereses},
    {"Offset_AT", &Parameter::OffsetAussentemperatur, -5, &items::sensorOffsets},
    {"Offset_IT", &Parameter::OffsetInnentemperatur, -5, &items::sensorOffsets},
    {"Aktives_Profil", &Parameter::AktivesProfil, 1, &items::profiles},
    {"Heizungs-Hysterese", &Parameter::Heiz_Hysterese, 1, &items::heatingHystereses},
};

}  // namespace tables

// Calls fn(RecordKind<R>) for the twelve automatics in the order of the
// settings file's sections (push-button last, after the single records).
template <typename Fn>
void forEachAutomaticKind(Fn&& fn)
{
    using namespace tables;
    using namespace rec;
    fn(RecordKind<Beschattung>{"Beschattung", &SettingsImage::Beschattung, kBeschattungFields});
    fn(RecordKind<Daemmerung>{"DaemmerungMorgen", &SettingsImage::DaemmerungMorgen, kDaemmerungMorgenFields});
    fn(RecordKind<Daemmerung>{"DaemmerungAbend", &SettingsImage::DaemmerungAbend, kDaemmerungAbendFields});
    fn(RecordKind<Wind>{"Wind", &SettingsImage::Wind, kWindFields});
    fn(RecordKind<Regen>{"Regen", &SettingsImage::Regen, kRegenFields});
    fn(RecordKind<Reversierung>{"Reversierung", &SettingsImage::Reversierung, kReversierungFields});
    fn(RecordKind<PT>{"ProportionaleTemperatursteuerung", &SettingsImage::ProportionaleTemperatursteuerung, kProportionalFields});
    fn(RecordKind<IT>{"InnenTemperatursteuerung", &SettingsImage::InnenTemperatursteuerung, kInnenFields});
    fn(RecordKind<HS>{"HeizungsSteuerung", &SettingsImage::HeizungsSteuerung, kHeizungFields, "NachtTemp"});
    fn(RecordKind<FS>{"FeuchtigkeitsSteuerung", &SettingsImage::FeuchtigkeitsSteuerung, kFeuchteFields});
    fn(RecordKind<AT>{"AussenTemperatursteuerung", &SettingsImage::AussenTemperatursteuerung, kAussenFields});
    fn(RecordKind<TastAutomatik>{"TastAutomatik", &SettingsImage::TastAutomatik, kTastAutomatikFields});
}

}  // namespace lumivox
