#include <gtest/gtest.h>

#include "link/features.h"

using namespace lumivox;

TEST(DeviceFeatures, DetectedFromIdentityAndFirmware)
{
    struct Case {
        const char* identity;
        int firmware;
        IdentityCheck check;
        bool conservatory, shading, pushButton, group, heating;
        int motors, times;
    };
    using C = IdentityCheck;
    const Case cases[] = {
        // 1234567890123456
        {"VWS 880 W 8 8STG", 5509, C::Ok, true, true, true, true, true, 8, 8},
        {"VSS 440 - 4 6S--", 5509, C::Ok, false, true, false, false, false, 4, 6},
        {"VRS 220 - 2 4", 5509, C::Ok, false, false, false, false, false, 2, 4},
        {"VRS 220 - 2 4--G", 5500, C::Ok, false, false, false, false, false, 2, 4},
        {"VRS 220 - 2 4--G", 5501, C::Ok, false, false, false, true, false, 2, 4},
        {"VWS 880 W 8 8---", 5506, C::Ok, true, false, false, false, false, 8, 8},
        {"VWS 880 W 8 8---", 5507, C::Ok, true, false, false, false, true, 8, 8},
        {"VWS 880 W 8 9STG", 5509, C::Unsupported, false, false, false, false, false, 0, 0},
        {"MX512   - 1 9", 0, C::Unsupported, false, false, false, false, false, 0, 0},
        {"MX512   - x 9", 0, C::Unsupported, false, false, false, false, false, 0, 0},
        {"VWS 880 W 9 8", 5509, C::Ok, true, false, false, false, true, 8, 8},   // no ninth motor
        {"VWS 880 W 8", 5509, C::Malformed, false, false, false, false, false, 0, 0},
        {"VWS 880 W x 8STG", 5509, C::Malformed, false, false, false, false, false, 0, 0},
        {"VWS 880 W 8 -STG", 5509, C::Malformed, false, false, false, false, false, 0, 0},
        {"", 0, C::Malformed, false, false, false, false, false, 0, 0},
    };
    for (const Case& c : cases) {
        const DetectedFeatures d = detectFeatures(c.identity, c.firmware);
        EXPECT_EQ(d.check, c.check) << c.identity;
        if (d.check != IdentityCheck::Ok)
            continue;
        const DeviceFeatures& f = d.features;
        EXPECT_EQ(f.Identity, c.identity);
        EXPECT_EQ(f.Firmware, c.firmware);
        EXPECT_EQ(f.Conservatory, c.conservatory) << c.identity;
        EXPECT_EQ(f.ShadingSensors, c.shading) << c.identity;
        EXPECT_EQ(f.PushButtonAutomatic, c.pushButton) << c.identity;
        EXPECT_EQ(f.GroupControl, c.group) << c.identity << " " << c.firmware;
        EXPECT_EQ(f.Heating(), c.heating) << c.identity << " " << c.firmware;
        EXPECT_EQ(f.MotorCount, c.motors) << c.identity;
        EXPECT_EQ(f.TimesPerDay, c.times) << c.identity;
    }
}

TEST(DeviceFeatures, FirmwareFromCharactersOneAndThreeToFive)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"5.506", 5506}, {"5.5061", 5506}, {"0.001", 1}, {"5.5", std::nullopt},
        {"x.506", std::nullopt}, {"5.50a", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [payload, expected] : cases)
        EXPECT_EQ(firmwareFromPayload(payload), expected) << payload;
}
