#include "link/features.h"

#include <algorithm>

#include "core/settings_image.h"

namespace lumivox {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Character at a 1-based position, or 0 past the end.
char at(std::string_view text, std::size_t position)
{
    return position <= text.size() ? text[position - 1] : '\0';
}

}  // namespace

DetectedFeatures detectFeatures(std::string_view identity, int firmware)
{
    DetectedFeatures result;
    // The unsupported types are told by character 13 alone, whatever the
    // rest of the identity holds.
    if (at(identity, 13) == '9') {
        result.check = IdentityCheck::Unsupported;
        return result;
    }
    if (identity.size() < 13 || !isDigit(at(identity, 11)) || !isDigit(at(identity, 13)))
        return result;
    DeviceFeatures& f = result.features;
    f.Identity = std::string(identity);
    f.Firmware = firmware;
    f.Conservatory = at(identity, 9) == 'W';
    // The image has room for eight motors; a "9" must not address a ninth.
    f.MotorCount = std::min(at(identity, 11) - '0', kMotors);
    f.TimesPerDay = at(identity, 13) - '0';
    f.ShadingSensors = at(identity, 14) == 'S';
    f.PushButtonAutomatic = at(identity, 15) == 'T';
    f.GroupControl = at(identity, 16) == 'G' && firmware > 5500;
    result.check = IdentityCheck::Ok;
    return result;
}

std::optional<int> firmwareFromPayload(std::string_view payload)
{
    if (payload.size() < 5)
        return std::nullopt;
    const char digits[] = {payload[0], payload[2], payload[3], payload[4]};
    int value = 0;
    for (char c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace lumivox
