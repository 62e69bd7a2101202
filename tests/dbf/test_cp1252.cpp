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

// ASCII runs are widened in blocks, other bytes through the table: every mix, at every length and
// position, must give the same characters as decoding byte by byte.
TEST(Cp1252, MixedTextsOfEveryLengthDecodeLikeByteByByte)
{
    const char unusualBytes[] = {char(0x80), char(0x9F), char(0xA0), char(0xE4), char(0xFF), char(0x7F), '\0'};
    QString reused = QStringLiteral("a previous, longer value that the decoder must overwrite entirely");
    for (int len = 0; len <= 48; ++len) {
        for (int at = -1; at < len; ++at) {
            for (const char unusual : unusualBytes) {
                QByteArray bytes(len, '\0');
                for (int i = 0; i < len; ++i)
                    bytes[i] = char('A' + (i * 7) % 26);
                if (at >= 0)
                    bytes[at] = unusual;
                QString expected;
                for (const char b : bytes)
                    expected.append(QChar(Cp1252::charOf(static_cast<unsigned char>(b))));
                Cp1252::decode(bytes.constData(), len, reused);
                ASSERT_EQ(reused, expected) << "length " << len << ", unusual byte at " << at;
            }
        }
    }
}

TEST(Cp1252, DecodingIntoASharedStringLeavesTheOtherCopyAlone)
{
    QString out = QStringLiteral("Müller");
    const QString copy = out;
    Cp1252::decode("Meyer!", 6, out); // the same length: the string is written in place, never the copy
    EXPECT_EQ(out, QStringLiteral("Meyer!"));
    EXPECT_EQ(copy, QStringLiteral("Müller"));
}

TEST(Cp1252, PaddedTextsLoseBlanksAndZerosAtTheEndOnly)
{
    QString out = QStringLiteral("vorher");
    for (int width = 0; width <= 48; ++width) {
        for (int len = 0; len <= width; ++len) {
            QByteArray bytes(width, ' ');
            for (int i = 0; i < len; ++i)
                bytes[i] = i == len - 1 ? '\xe4' : " x\0y"[i % 4];
            for (int i = len; i < width; ++i)
                bytes[i] = (i + width) % 3 ? ' ' : '\0';
            Cp1252::decodePadded(bytes.constData(), width, out);
            ASSERT_EQ(out, Cp1252::decode(bytes.constData(), len)) << "width " << width << ", text " << len;
        }
    }
}
