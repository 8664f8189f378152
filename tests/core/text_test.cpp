#include <gtest/gtest.h>

#include "core/text.h"

using namespace lumivox;

TEST(Text, Windows1252ToQStringAndBack)
{
    const std::string bytes = "K\xFC" "che \x80 \x84" "Bad\x93 Stra\xDF" "e";
    const QString text = fromWindows1252(bytes);
    EXPECT_EQ(text, QStringLiteral("Küche € „Bad“ Straße"));
    EXPECT_EQ(toWindows1252(text), bytes);
}

TEST(Text, UnmappableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(toWindows1252(QStringLiteral("a↑b")), "a?b");
}
