// The unique-ID converter: padding, lengths, case of the hex digits, the full byte range, its errors.
#include "actlink/Windows1252.h"
#include "actlink/clUniqueIDConverter.h"
#include "platform/VbError.h"

#include <gtest/gtest.h>

using actlink::clUniqueIDConverter;

namespace {

QString blanks(int n)
{
    return QString(n, QChar(u' '));
}

} // namespace

TEST(UniqueIDConverter, ShortIdIsFilledWithBlanks)
{
    clUniqueIDConverter c;
    EXPECT_EQ(c.ToHexID(QStringLiteral("ABC"), QStringLiteral("CO")), QStringLiteral("CO414243202020202020202020"));
}

TEST(UniqueIDConverter, EmptyGroupIdGivesTwelveBlankPairsAndBack)
{
    clUniqueIDConverter c;
    const QString hex = c.ToHexID(QString(), QStringLiteral("GR"));
    EXPECT_EQ(hex, QStringLiteral("GR") + QStringLiteral("20").repeated(12));
    EXPECT_EQ(c.ToUniqueID(hex), blanks(12));
}

TEST(UniqueIDConverter, TwelveCharactersGetNoPadding)
{
    clUniqueIDConverter c;
    const QString id = QStringLiteral("0123456789AB");
    const QString hex = c.ToHexID(id, QStringLiteral("NT"));
    EXPECT_EQ(hex, QStringLiteral("NT303132333435363738394142"));
    EXPECT_EQ(c.ToUniqueID(hex), id);
}

TEST(UniqueIDConverter, LongerIdUsesOnlyItsFirstTwelveCharacters)
{
    clUniqueIDConverter c;
    EXPECT_EQ(c.ToHexID(QStringLiteral("0123456789ABCD"), QStringLiteral("SL")),
              c.ToHexID(QStringLiteral("0123456789AB"), QStringLiteral("SL")));
}

TEST(UniqueIDConverter, LowerCaseHexGivesTheSameId)
{
    clUniqueIDConverter c;
    const QString hex = c.ToHexID(QStringLiteral("Ä'z~ ?"), QStringLiteral("AT"));
    EXPECT_NE(hex.mid(2), hex.mid(2).toLower()); // the ID holds letter digits
    EXPECT_EQ(c.ToUniqueID(hex.left(2) + hex.mid(2).toLower()), c.ToUniqueID(hex));
    EXPECT_EQ(c.ToUniqueID(hex), QStringLiteral("Ä'z~ ?") + blanks(6));
}

TEST(UniqueIDConverter, TypeIsNotLookedAtOnTheWayBack)
{
    clUniqueIDConverter c;
    const QString hex = c.ToHexID(QStringLiteral("X"), QStringLiteral("CO"));
    EXPECT_EQ(c.ToUniqueID(QStringLiteral("??") + hex.mid(2)), c.ToUniqueID(hex));
}

TEST(UniqueIDConverter, WrongLengthsGiveEmptyText)
{
    clUniqueIDConverter c;
    const QString hex = c.ToHexID(QStringLiteral("X"), QStringLiteral("CO"));
    EXPECT_EQ(c.ToUniqueID(hex.left(25)), QString());
    EXPECT_EQ(c.ToUniqueID(hex + QStringLiteral("0")), QString());
    EXPECT_EQ(c.ToUniqueID(QString()), QString());
    // Without a type the text has 24 characters and is refused.
    EXPECT_EQ(c.ToUniqueID(c.ToHexID(QStringLiteral("X"), QString())), QString());
}

TEST(UniqueIDConverter, EveryCodeFrom0To255SurvivesTheRoundTrip)
{
    clUniqueIDConverter c;
    for (int start = 0; start < 256; start += 7) {
        QString id;
        QString expectedDigits;
        for (int code = start; code < start + 7 && code < 256; ++code) {
            id += actlink::Windows1252::toUnicode(static_cast<unsigned char>(code));
            expectedDigits += QStringLiteral("%1").arg(code, 2, 16, QChar(u'0')).toUpper();
        }
        const QString hex = c.ToHexID(id, QStringLiteral("CO"));
        EXPECT_EQ(hex.mid(2, expectedDigits.size()), expectedDigits) << "from code " << start;
        EXPECT_EQ(c.ToUniqueID(hex), id + blanks(12 - id.size())) << "from code " << start;
    }
}

TEST(UniqueIDConverter, CodesOfTheAnsiCodePage)
{
    clUniqueIDConverter c;
    // Code 0, a character of 80-9F and Latin-1 letters.
    EXPECT_EQ(c.ToHexID(QString(QChar(u'\0')) + QStringLiteral("€äÿ"), QStringLiteral("CO")).mid(2, 8),
              QStringLiteral("0080E4FF"));
    EXPECT_EQ(c.ToUniqueID(QStringLiteral("CO0080E4FF") + QStringLiteral("20").repeated(8)),
              QString(QChar(u'\0')) + QStringLiteral("€äÿ") + blanks(8));
}

TEST(UniqueIDConverter, CharacterOutsideTheCodePageIsAnOutOfRangeError)
{
    clUniqueIDConverter c;
    try {
        c.ToHexID(QStringLiteral("Ω"), QStringLiteral("CO"));
        FAIL() << "no error";
    } catch (const platform::VbError &e) {
        EXPECT_EQ(e.number(), 9);
    }
}

TEST(UniqueIDConverter, PairThatIsNoHexNumberIsAnInvalidArgumentError)
{
    clUniqueIDConverter c;
    QString hex = c.ToHexID(QStringLiteral("ABC"), QStringLiteral("CO"));
    for (const QString &bad :
         {QStringLiteral("G1"), QStringLiteral(" 4"), QStringLiteral("-1"), QStringLiteral("ä0")}) {
        QString broken = hex;
        broken.replace(6, 2, bad);
        try {
            c.ToUniqueID(broken);
            FAIL() << "no error for " << bad.toStdString();
        } catch (const platform::VbError &e) {
            EXPECT_EQ(e.number(), 5);
        }
    }
}

TEST(UniqueIDConverter, IdTypeIsTheFirstTwoCharacters)
{
    clUniqueIDConverter c;
    EXPECT_EQ(c.GetIDTyp(c.ToHexID(QStringLiteral("note"), QStringLiteral("NT"))), QStringLiteral("NT"));
    EXPECT_EQ(c.GetIDTyp(QStringLiteral("N")), QStringLiteral("N"));
    EXPECT_EQ(c.GetIDTyp(QString()), QString());
}
