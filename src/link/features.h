#pragma once
// What the connected controller is, from its identity text and firmware.

#include <optional>
#include <string>
#include <string_view>

namespace lumivox {

struct DeviceFeatures {
    std::string Identity;   // Windows-1252 bytes of the last "smo" reply
    int Firmware = 0;       // 5.506 -> 5506
    bool Conservatory = false;
    int MotorCount = 0;
    int TimesPerDay = 0;
    bool ShadingSensors = false;
    bool PushButtonAutomatic = false;
    bool GroupControl = false;

    bool Heating() const { return Conservatory && Firmware >= 5507; }
    // Pages and groups for sensors (brightness, wind, temperatures).
    bool hasSensors() const { return ShadingSensors || Conservatory; }
    bool operator==(const DeviceFeatures&) const = default;
};

enum class IdentityCheck {
    Ok,
    Malformed,     // too short, or no digit at character 11 or 13
    Unsupported,   // "9" at character 13: a type this program does not serve
};

struct DetectedFeatures {
    IdentityCheck check = IdentityCheck::Malformed;
    DeviceFeatures features;   // filled when check is Ok
};

// Character positions count from 1: 9 "W" conservatory, 11 motor count,
// 13 switching times per day, 14 "S", 15 "T", 16 "G" (group control only
// with firmware above 5500).
DetectedFeatures detectFeatures(std::string_view identity, int firmware);

// Characters 1 and 3 to 5 of the "sfi" payload read as one decimal number.
std::optional<int> firmwareFromPayload(std::string_view payload);

inline constexpr const char* kUnsupportedControllerMessage =
    "Diese Version von Lumivox kann nicht f\xfcr die Typen\n         MX512, MX512P und MK512 verwendet werden.\n";
inline constexpr const char* kMalformedIdentityText = "Fehler Kennung";

}  // namespace lumivox
