#include <gtest/gtest.h>

#include "core/cp1252.h"

using namespace lumivox;

TEST(Cp1252, HighControlRangeAndUmlauts)
{
    struct Case { uint8_t byte; char32_t unicode; };
    const Case cases[] = {
        {0x80, U'€'}, {0x82, U'‚'}, {0x84, U'„'}, {0x85, U'…'}, {0x8A, U'Š'}, {0x8C, U'Œ'},
        {0x93, U'“'}, {0x94, U'”'}, {0x96, U'–'}, {0x97, U'—'}, {0x99, U'™'}, {0x9F, U'Ÿ'},
        {0xB0, U'°'}, {0xB1, U'±'}, {0xC4, U'Ä'}, {0xD6, U'Ö'}, {0xDC, U'Ü'}, {0xDF, U'ß'},
        {0xE4, U'ä'}, {0xF6, U'ö'}, {0xFC, U'ü'}, {0x41, U'A'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1252::toUnicode(c.byte), c.unicode) << int(c.byte);
        EXPECT_EQ(cp1252::fromUnicode(c.unicode), c.byte) << int(c.byte);
    }
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip)
{
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(cp1252::fromUnicode(cp1252::toUnicode(static_cast<uint8_t>(b))), b);
}

TEST(Cp1252, CharactersOutsideThePageHaveNoByte)
{
    EXPECT_FALSE(cp1252::fromUnicode(U'↑').has_value());
    EXPECT_FALSE(cp1252::fromUnicode(U'Ā').has_value());
}
