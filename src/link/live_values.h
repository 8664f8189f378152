#pragma once
// The sixteen live numbers of an "skd" reply and how the window shows them.

#include <array>
#include <optional>
#include <string>

#include "link/framing.h"

namespace lumivox {

// Names of N0 ... N15, for lists and lumivox-cli (Windows-1252).
const std::array<const char*, kPayloadNumberCount>& liveValueNames();

// Texts of the live fields (Windows-1252). Fields that exist on several
// pages ("", "2", "3") share one text.
struct LiveDisplay {
    std::string indoorCurrent, indoorMin, indoorMax;
    std::string outdoorCurrent, outdoorMin, outdoorMax;
    std::string wind;        // AktWind
    bool windBarVisible = false;
    int windBarValue = 0;    // 0 ... 100
    std::string maxWind;     // MaxWind
    std::string alarm;       // AlarmStatus
    std::string rain;        // RegenStatus
    std::string humidity;    // RelFeuchte
    std::string brightness;  // BA_LuxAktuell, DM_LuxAktuell, DA_LuxAktuell
    // Status panels 7 to 10; nothing means the panel keeps its text.
    std::optional<std::string> panelSun, panelWind, panelOutdoor, panelIndoor;
};

// meanBrightness: LuxMittel (N14) or the current value (N0); sensors: the
// controller has shading sensors or is a conservatory controller.
LiveDisplay liveDisplay(const PayloadNumbers& n, bool meanBrightness, bool sensors);

inline constexpr int kNoSensor = 999;

}  // namespace lumivox
