#pragma once
// The lines of the automation lists: one widget-free function per editor,
// (record, motor name) -> line, in Windows-1252 bytes. Every value is written
// as the item text its mask selector shows, so a line reads like the mask.

#include <string>

#include "core/settings_image.h"

namespace lumivox {

// The motor name padded with blanks and cut to 12 characters.
std::string motorNameColumn(const std::string& name);

std::string shadingLine(const rec::Beschattung& r, const std::string& name);
std::string morningTwilightLine(const rec::Daemmerung& r, const std::string& name);
std::string eveningTwilightLine(const rec::Daemmerung& r, const std::string& name);
// The wind line shows the direction held by the rain record of the motor.
std::string windLine(const rec::Wind& r, int32_t regenRichtung, const std::string& name);
std::string rainLine(const rec::Regen& r, const std::string& name);
std::string humidityLine(const rec::FeuchtigkeitsSteuerung& r, const std::string& name);
std::string reversingLine(const rec::Reversierung& r, const std::string& name);
std::string pushButtonLine(const rec::TastAutomatik& r, const std::string& name);

// Line `motor` of an editor's list in `profile`; "" for indexes outside the image.
using ListLine = std::string (*)(const SettingsImage& image, int profile, int motor);

template <auto Records, auto Format>
std::string recordLine(const SettingsImage& image, int profile, int motor)
{
    if (!validProfile(profile) || !validMotor(motor))
        return {};
    return Format((image.*Records)[profile][motor], image.MotorNamen[motor]);
}

// The wind list reads two records.
std::string windListLine(const SettingsImage& image, int profile, int motor);

}  // namespace lumivox
