// The code page conversion must be the real Windows-1252, or umlauts and the euro sign break in files.
#include "dbf/Cp1252.h"

#include <gtest/gtest.h>

using dbf::Cp1252;

TEST(Cp1252, DecodesUmlautsAndTheWindowsOnlyRange)
{
    const char bytes[] = {char(0xC4), char(0xD6), char(0xDC), char(0xE4), char(0xF6), char(0xFC), char(0xDF),
                          char(0x80), char(0x84), char(0x93), char(0x9C)};
    EXPECT_EQ(Cp1252::decode(bytes, int(sizeof bytes)), QStringLiteral("ÄÖÜäöüß€„“œ"));
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip)
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    bool lossless = false;
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(all), &lossless), all);
    EXPECT_TRUE(lossless);
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    bool lossless = true;
    EXPECT_EQ(Cp1252::encode(u"a\u0416b", &lossless), QByteArray("a?b"));
    EXPECT_FALSE(lossless);
    EXPECT_EQ(Cp1252::byteOf(u'\u20AC'), 0x80);
    EXPECT_EQ(Cp1252::byteOf(u'\u0416'), -1);
}
