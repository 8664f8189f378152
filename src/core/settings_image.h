#pragma once
// The program's copy of every controller setting. Every value is the item
// index of the selector that edits it (see item_lists.h); the physical value
// follows from the record tables in record_tables.h.
//
// Indexes are 0-based here: day 0..6 = Mo..So, motor 0..7, number 0..7,
// profile 0 = Standard, 1 = Alternativ.

#include <array>
#include <cstdint>
#include <string>

namespace lumivox {

constexpr int kDays = 7;
constexpr int kMotors = 8;
constexpr int kNumbers = 8;
constexpr int kProfiles = 2;

// The record types; every member default is the start-up default. They live
// in their own namespace because SettingsImage names its members after them.
namespace rec {

struct Schaltzeit {
    int32_t Richtung = 0;   // 0 up, 1 down
    int32_t Uhrzeit = 0;    // 0 none, k = minute k-1 after midnight
    int32_t Dauer = 39;     // CB_Dauer index (40 s)
    int32_t Gruppe = 1;     // 1, 2, 5 or 7
    int32_t Funktion = 0;   // 0 none, 1 Astro, 2 Zufall
    int32_t Geaendert = 1;
};

struct Beschattung {
    int32_t EinAus = 1;
    int32_t Temperatur = 32;
    int32_t Von = 5;
    int32_t Bis = 15;
    int32_t Helligkeit = 144;
    int32_t Dauer = 9;
    int32_t Geaendert = 1;
};

struct Daemmerung {
    int32_t EinAus = 1;
    int32_t Von = 5;
    int32_t Helligkeit = 109;
    int32_t Dauer = 39;
    int32_t Geaendert = 1;
};

struct Wind {
    int32_t EinAus = 1;
    int32_t Geschwindigkeit = 5;
    int32_t Geaendert = 1;
};

struct Regen {
    int32_t EinAus = 1;
    int32_t Richtung = 0;
    int32_t Geaendert = 1;
};

struct Reversierung {
    int32_t EinAus = 1;
    int32_t Bei_Auf = 4;
    int32_t Bei_Ab = 6;
    int32_t Geaendert = 1;
};

struct TastAutomatik {
    int32_t EinAus = 1;
    int32_t Dauer = 39;
    int32_t Geaendert = 1;
};

struct ProportionaleTemperatursteuerung {
    int32_t EinAus = 1;
    int32_t Von = 10;
    int32_t Bis = 22;
    int32_t SollTemperatur = 22;
    int32_t Richtung = 0;
    int32_t Regelbereich = 2;
    int32_t MaxStellzeit = 39;
    int32_t Schritte = 4;
    int32_t Geaendert = 1;
};

struct InnenTemperatursteuerung {
    int32_t EinAus = 1;
    int32_t Gr_KL = 0;
    int32_t Schwelle1 = 31;
    int32_t Richtung = 0;
    int32_t Schwelle2 = 29;
    int32_t Dauer = 39;
    int32_t Von = 8;
    int32_t Bis = 21;
    int32_t Geaendert = 1;
};

struct HeizungsSteuerung {
    int32_t EinAus = 1;
    int32_t TagNacht = 0;
    int32_t Betriebsart = 0;
    int32_t TagTemperatur = 170;
    int32_t NachtTemperatur = 140;
    int32_t Geaendert = 1;
};

struct FeuchtigkeitsSteuerung {
    int32_t EinAus = 1;
    int32_t Gr_KL = 0;
    int32_t Schwelle1 = 75;
    int32_t Schwelle2 = 65;
    int32_t Dauer = 39;
    int32_t Von = 8;
    int32_t Bis = 21;
    int32_t Geaendert = 1;
};

struct AussenTemperatursteuerung {
    int32_t EinAus = 1;
    int32_t Schwelle1 = 11;
    int32_t Richtung = 1;
    int32_t Schwelle2 = 14;
    int32_t Dauer = 39;
    int32_t Geaendert = 1;
};

struct Parameter {
    int32_t ZufallsZeitspanne = 28;
    int32_t BeschattungsHysterese = 8;
    int32_t OffsetAussentemperatur = 5;
    int32_t OffsetInnentemperatur = 5;
    int32_t AktivesProfil = 0;
    int32_t Heiz_Hysterese = 2;
};

struct GruppenZentralsteuerung {
    std::array<int32_t, 4> Gruppe{};   // bit k: motor k+1 is in the group
};

}  // namespace rec

template <typename Record>
using PerProfileMotor = std::array<std::array<Record, kMotors>, kProfiles>;

using WeekSchedule = std::array<std::array<std::array<rec::Schaltzeit, kNumbers>, kMotors>, kDays>;

struct SettingsImage {
    WeekSchedule Schaltzeit{};
    PerProfileMotor<rec::Beschattung> Beschattung{};
    PerProfileMotor<rec::Daemmerung> DaemmerungMorgen{};
    PerProfileMotor<rec::Daemmerung> DaemmerungAbend{};
    PerProfileMotor<rec::Wind> Wind{};
    PerProfileMotor<rec::Regen> Regen{};
    PerProfileMotor<rec::Reversierung> Reversierung{};
    PerProfileMotor<rec::TastAutomatik> TastAutomatik{};
    PerProfileMotor<rec::ProportionaleTemperatursteuerung> ProportionaleTemperatursteuerung{};
    PerProfileMotor<rec::InnenTemperatursteuerung> InnenTemperatursteuerung{};
    PerProfileMotor<rec::HeizungsSteuerung> HeizungsSteuerung{};
    PerProfileMotor<rec::FeuchtigkeitsSteuerung> FeuchtigkeitsSteuerung{};
    PerProfileMotor<rec::AussenTemperatursteuerung> AussenTemperatursteuerung{};
    std::array<int32_t, kMotors> AlarmPattern{};
    rec::Parameter Parameter{};
    rec::GruppenZentralsteuerung GruppenZentralsteuerung{};
    std::array<std::string, kMotors> MotorNamen{};   // Windows-1252 bytes

    // The profile every automation editor shows and changes. Not part of the
    // controller's settings: a file load leaves it alone.
    int BearbeitetesProfil = 0;

    SettingsImage();

    // Start-up state: every default, every flag 1, profile 0.
    void initialise();

    void markAllChanged();
    // After a complete download or upload. Heating flags stay 1 so the next
    // upload always sends the heating records.
    void markAllSent();
    // The link was lost: whatever is attached next gets everything again,
    // except heating, whose flags are never cleared anyway.
    void markAllChangedExceptHeating();
    // A download starts: every switching time becomes empty and unflagged.
    void clearSwitchingTimes();

    // Bounds-checked access; out-of-range indexes return nullptr.
    rec::Schaltzeit* switchingTime(int day, int motor, int number);
    const rec::Schaltzeit* switchingTime(int day, int motor, int number) const;

    // Calls fn(array) for each of the twelve automatic record arrays.
    template <typename Fn>
    void forEachAutomaticArray(Fn&& fn)
    {
        fn(Beschattung);
        fn(DaemmerungMorgen);
        fn(DaemmerungAbend);
        fn(Wind);
        fn(Regen);
        fn(Reversierung);
        fn(TastAutomatik);
        fn(ProportionaleTemperatursteuerung);
        fn(InnenTemperatursteuerung);
        fn(HeizungsSteuerung);
        fn(FeuchtigkeitsSteuerung);
        fn(AussenTemperatursteuerung);
    }
};

// Whether an index addresses a record of the image.
constexpr bool validDay(int d) { return d >= 0 && d < kDays; }
constexpr bool validMotor(int m) { return m >= 0 && m < kMotors; }
constexpr bool validNumber(int n) { return n >= 0 && n < kNumbers; }
constexpr bool validProfile(int p) { return p >= 0 && p < kProfiles; }

// The four group masks packed from / unpacked into the 32 check boxes:
// box 8*(g-1)+k+1 (1-based) is bit k of group g.
std::array<int32_t, 4> GroupMasksFromChecks(const std::array<bool, 32>& checks);
std::array<bool, 32> ChecksFromGroupMasks(const std::array<int32_t, 4>& masks);

}  // namespace lumivox
