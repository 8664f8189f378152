#include "core/settings_image.h"

namespace lumivox {

namespace {

template <typename Array>
void setFlags(Array& perProfileMotor, int32_t value)
{
    for (auto& profile : perProfileMotor)
        for (auto& record : profile)
            record.Geaendert = value;
}

void setScheduleFlags(WeekSchedule& week, int32_t value)
{
    for (auto& day : week)
        for (auto& motor : day)
            for (auto& entry : motor)
                entry.Geaendert = value;
}

}  // namespace

SettingsImage::SettingsImage()
{
    AlarmPattern.fill(1);   // stop
    for (int m = 0; m < kMotors; ++m)
        MotorNamen[m] = "Motor " + std::to_string(m + 1);
}

void SettingsImage::initialise()
{
    *this = SettingsImage();   // the member defaults are the start-up defaults
}

void SettingsImage::markAllChanged()
{
    setScheduleFlags(Schaltzeit, 1);
    forEachAutomaticArray([](auto& array) { setFlags(array, 1); });
}

void SettingsImage::markAllSent()
{
    setScheduleFlags(Schaltzeit, 0);
    forEachAutomaticArray([](auto& array) { setFlags(array, 0); });
    setFlags(HeizungsSteuerung, 1);
}

void SettingsImage::markAllChangedExceptHeating()
{
    // Heating flags are never cleared, so "all" and "all but heating" only
    // differ in whether heating is touched at all.
    setScheduleFlags(Schaltzeit, 1);
    forEachAutomaticArray([this](auto& array) {
        if (static_cast<void*>(&array) != static_cast<void*>(&HeizungsSteuerung))
            setFlags(array, 1);
    });
}

void SettingsImage::clearSwitchingTimes()
{
    for (auto& day : Schaltzeit)
        for (auto& motor : day)
            for (auto& entry : motor)
                entry = rec::Schaltzeit{0, 0, 0, 1, 0, 0};
}

rec::Schaltzeit* SettingsImage::switchingTime(int day, int motor, int number)
{
    if (!validDay(day) || !validMotor(motor) || !validNumber(number))
        return nullptr;
    return &Schaltzeit[day][motor][number];
}

const rec::Schaltzeit* SettingsImage::switchingTime(int day, int motor, int number) const
{
    return const_cast<SettingsImage*>(this)->switchingTime(day, motor, number);
}

std::array<int32_t, 4> GroupMasksFromChecks(const std::array<bool, 32>& checks)
{
    std::array<int32_t, 4> masks{};
    for (int g = 0; g < 4; ++g)
        for (int k = 0; k < 8; ++k)
            if (checks[g * 8 + k])
                masks[g] |= 1 << k;
    return masks;
}

std::array<bool, 32> ChecksFromGroupMasks(const std::array<int32_t, 4>& masks)
{
    // Greedy from the top bit down, as the controller's tools always did: a
    // mask above 255 ticks the high boxes first instead of wrapping around.
    std::array<bool, 32> checks{};
    for (int g = 0; g < 4; ++g) {
        int64_t v = masks[g];
        for (int k = 7; k >= 1; --k) {
            checks[g * 8 + k] = v >= (int64_t{1} << k);
            if (checks[g * 8 + k])
                v -= int64_t{1} << k;
        }
        checks[g * 8] = v >= 1;
    }
    return checks;
}

}  // namespace lumivox
