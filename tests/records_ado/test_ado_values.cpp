// The rules that turn ADO column types into FieldTypeCodes and ADO values into table values and
// plain texts, the masking of connection strings, and the wrapping of messages in the test list.
#include "ado/ExactDecimal.h"
#include "records/ADOValues.h"
#include "records/ConnectionStringMask.h"
#include "records/frmDatenquelle.h"

#include <QDate>
#include <QDateTime>
#include <gtest/gtest.h>

using namespace records;

namespace {

struct TypeCase
{
    int type;
    int scale;
    int code;
};

class TypeCodes : public ::testing::TestWithParam<TypeCase>
{
};

TEST_P(TypeCodes, MapsTheAdoTypeToItsCode)
{
    EXPECT_EQ(ADOFieldTypeCode(GetParam().type, GetParam().scale), GetParam().code)
        << "type " << GetParam().type << " scale " << GetParam().scale;
}

INSTANTIATE_TEST_SUITE_P(
    AdoTypes, TypeCodes,
    ::testing::Values(TypeCase{2, 0, 1}, TypeCase{3, 0, 1}, TypeCase{16, 0, 1}, TypeCase{17, 0, 1}, TypeCase{18, 0, 1},
                      TypeCase{19, 0, 1}, TypeCase{20, 0, 1}, TypeCase{21, 0, 1}, TypeCase{4, 255, 2},
                      TypeCase{5, 255, 2}, TypeCase{6, 4, 2}, TypeCase{14, 2, 2}, TypeCase{131, 2, 2},
                      TypeCase{131, 0, 1}, TypeCase{14, 0, 1}, TypeCase{5, 0, 1}, TypeCase{7, 255, 3},
                      TypeCase{133, 255, 3}, TypeCase{135, 255, 3}, TypeCase{11, 255, 0}, TypeCase{72, 255, 0},
                      TypeCase{128, 255, 0}, TypeCase{129, 255, 0}, TypeCase{130, 255, 0}, TypeCase{200, 255, 0},
                      TypeCase{201, 255, 0}, TypeCase{202, 255, 0}, TypeCase{203, 255, 0}, TypeCase{134, 255, -1},
                      TypeCase{8, 255, -1}, TypeCase{12, 255, -1}, TypeCase{139, 2, -1}, TypeCase{204, 255, -1},
                      TypeCase{205, 255, -1}, TypeCase{0, 0, -1}));

TEST(AdoTypeScale, OnlyTheFiveNumericTypesReadTheirScale)
{
    for (int type : {4, 5, 6, 14, 131})
        EXPECT_TRUE(ADOTypeHasScale(type)) << type;
    for (int type : {3, 20, 139, 200, 135})
        EXPECT_FALSE(ADOTypeHasScale(type)) << type;
}

TEST(AdoCellValues, WholeNumbersRoundHalvesToEvenAndKeepLargeValues)
{
    EXPECT_EQ(ADOCellValue(1, QVariant(qlonglong(12))), QVariant(12));
    EXPECT_EQ(ADOCellValue(1, QVariant(2.5)), QVariant(2));
    EXPECT_EQ(ADOCellValue(1, QVariant(3.5)), QVariant(4));
    EXPECT_EQ(ADOCellValue(1, QVariant(-2.5)), QVariant(-2));
    EXPECT_EQ(ADOCellValue(1, QVariant(QStringLiteral(" 12 "))), QVariant(12));
    EXPECT_EQ(ADOCellValue(1, QVariant(QStringLiteral("12,7"))), QVariant(13));
    EXPECT_EQ(ADOCellValue(1, QVariant(QStringLiteral(""))), QVariant(-1));
    EXPECT_EQ(ADOCellValue(1, QVariant(QStringLiteral("zwölf"))), QVariant(-1));
    EXPECT_EQ(ADOCellValue(1, QVariant()), QVariant(0));
    EXPECT_EQ(ADOCellValue(1, QVariant(true)), QVariant(-1));
    EXPECT_EQ(ADOCellValue(1, QVariant(QDate(2024, 1, 1))), QVariant(-1));
    // Beyond 32 bits the whole number is kept instead of being cut or turned into -1.
    EXPECT_EQ(ADOCellValue(1, QVariant(qlonglong(3000000000LL))), QVariant(qlonglong(3000000000LL)));
    EXPECT_EQ(ADOCellValue(1, QVariant(qulonglong(5000000000ULL))), QVariant(qlonglong(5000000000LL)));
    // Beyond 64 bits the exact digits are kept as a text.
    const QVariant unsigned64 = ADOCellValue(1, QVariant(qulonglong(18446744073709551615ULL)));
    EXPECT_EQ(unsigned64.typeId(), QMetaType::QString);
    EXPECT_EQ(unsigned64.toString(), QStringLiteral("18446744073709551615"));
    for (const auto &[exact, whole] : {std::pair{"12345678901234567890.5", "12345678901234567890"},
                                       std::pair{"-12345678901234567891.5", "-12345678901234567892"},
                                       std::pair{"12345678901234567890.50001", "12345678901234567891"}})
        EXPECT_EQ(ADOCellValue(1, QVariant::fromValue(ado::ExactDecimal{QString::fromLatin1(exact)})).toString(),
                  QString::fromLatin1(whole));
}

TEST(AdoCellValues, DecimalsAreTextsInTheUsersNotationFromTheValueItself)
{
    EXPECT_EQ(ADOCellValue(2, QVariant(1234.567)), QVariant(QStringLiteral("1.234,57")));
    EXPECT_EQ(ADOCellValue(2, QVariant(12345678.91)), QVariant(QStringLiteral("12.345.678,91")));
    EXPECT_EQ(ADOCellValue(2, QVariant(2.5)), QVariant(QStringLiteral("2,5")));
    EXPECT_EQ(ADOCellValue(2, QVariant(qlonglong(7))), QVariant(QStringLiteral("7")));
    EXPECT_EQ(ADOCellValue(2, QVariant()), QVariant(0));
    EXPECT_EQ(ADOCellValue(2, QVariant(QStringLiteral(""))), QVariant(-1));
    EXPECT_EQ(ADOCellValue(2, QVariant(QStringLiteral("abc"))), QVariant(-1));
}

TEST(AdoCellValues, DatesAreWrittenWithSecondsAndNullStaysEmpty)
{
    EXPECT_EQ(ADOCellValue(3, QVariant(QDateTime(QDate(2024, 2, 29), QTime(12, 0, 1)))),
              QVariant(QStringLiteral("29.02.2024 12:00:01")));
    EXPECT_EQ(ADOCellValue(3, QVariant(QDate(2023, 12, 31))), QVariant(QStringLiteral("31.12.2023 00:00:00")));
    EXPECT_EQ(ADOCellValue(3, QVariant()), QVariant(QString()));
    EXPECT_EQ(ADOCellValue(3, QVariant(QStringLiteral("2024-03-01"))), QVariant(QStringLiteral("01.03.2024 00:00:00")));
    EXPECT_EQ(ADOCellValue(3, QVariant(QStringLiteral("kein Datum"))), QVariant(QStringLiteral("kein Datum")));
}

TEST(AdoValueText, GeneralFormattingOfEachKindOfValue)
{
    EXPECT_EQ(ADOValueText(QVariant()), QString());
    EXPECT_EQ(ADOValueText(QVariant(QStringLiteral("Grüße"))), QStringLiteral("Grüße"));
    EXPECT_EQ(ADOValueText(QVariant(qlonglong(-42))), QStringLiteral("-42"));
    EXPECT_EQ(ADOValueText(QVariant(1234.5)), QStringLiteral("1234,5"));
    EXPECT_EQ(ADOValueText(QVariant(true)), QStringLiteral("Wahr"));
    EXPECT_EQ(ADOValueText(QVariant(false)), QStringLiteral("Falsch"));
    EXPECT_EQ(ADOValueText(QVariant(QDate(2024, 1, 5))), QStringLiteral("05.01.2024"));
    EXPECT_EQ(ADOValueText(QVariant(QDateTime(QDate(2024, 1, 5), QTime(7, 8, 9)))),
              QStringLiteral("05.01.2024 07:08:09"));
    EXPECT_EQ(ADOValueText(QVariant(QTime(23, 59, 59))), QStringLiteral("23:59:59"));
    EXPECT_EQ(ADOValueText(QVariant(QByteArray("\x00\xff", 2))), QStringLiteral("00FF"));
}

struct MaskCase
{
    const char *given;
    const char *shown;
};

class Masking : public ::testing::TestWithParam<MaskCase>
{
};

TEST_P(Masking, ShowsThePasswordItemMasked)
{
    EXPECT_EQ(MaskedConnectionString(QString::fromUtf8(GetParam().given)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    ConnectionStrings, Masking,
    ::testing::Values(MaskCase{"Driver=SQLite3;Database=/d/k.db", "Driver=SQLite3;Database=/d/k.db"},
                      MaskCase{"Provider=SQLOLEDB;Password=geheim;User ID=anna;Data Source=srv",
                               "Provider=SQLOLEDB;Password=*****;User ID=anna;Data Source=srv"},
                      MaskCase{"User ID=anna;PASSWORD=geheim", "User ID=anna;PASSWORD=*****"},
                      MaskCase{"Password=a;Password=b", "Password=*****;Password=b"},
                      MaskCase{"Password = geheim;x=1", "Password = geheim;x=1"},
                      MaskCase{"Driver={PostgreSQL Unicode};Server=h;Uid=bob;Pwd=geheim;Port=5432",
                               "Driver={PostgreSQL Unicode};Server=h;Uid=bob;Pwd=*****;Port=5432"},
                      MaskCase{"DSN=firma;PWD={ge;he}}im};UID=x", "DSN=firma;PWD=*****;UID=x"},
                      MaskCase{"DSN=firma;PWD={ge;heim", "DSN=firma;PWD=*****"},
                      MaskCase{"Password=eins;Pwd=zwei", "Password=*****;Pwd=*****"}, MaskCase{"", ""}));

TEST(MessageLines, SplitsAtLineBreaksAndDropsEmptyLines)
{
    EXPECT_EQ(frmDatenquelle::MessageLines(QStringLiteral("eins\r\n\r\nzwei")), (QStringList{"eins", "zwei"}));
    EXPECT_EQ(frmDatenquelle::MessageLines(QString()), QStringList());
}

TEST(MessageLines, WrapsALongLineAfterTheFirstBlankAtOrAfterIts128thCharacter)
{
    const QString head(127, u'a');
    // A blank that is the 128th character ends the first piece.
    EXPECT_EQ(frmDatenquelle::MessageLines(head + QStringLiteral(" rest")),
              (QStringList{head + QStringLiteral(" "), QStringLiteral("rest")}));
    // A blank before the 128th character does not count; the next one does.
    const QString early = QStringLiteral("ab ") + QString(130, u'x') + QStringLiteral(" cd");
    EXPECT_EQ(frmDatenquelle::MessageLines(early),
              (QStringList{QStringLiteral("ab ") + QString(130, u'x') + QStringLiteral(" "), QStringLiteral("cd")}));
    // Without a blank at or after the 128th character the line stays whole.
    const QString unbroken = QStringLiteral("a b") + QString(200, u'y');
    EXPECT_EQ(frmDatenquelle::MessageLines(unbroken), QStringList{unbroken});
    // A line of exactly 127 characters with a blank at the end is not wrapped.
    const QString short127 = QString(126, u'z') + QStringLiteral(" ");
    EXPECT_EQ(frmDatenquelle::MessageLines(short127), QStringList{short127});
}

TEST(MessageLines, WrapsAVeryLongLineSeveralTimes)
{
    QStringList words;
    for (int i = 0; i < 60; ++i)
        words << QStringLiteral("Wort%1").arg(i, 2, 10, QLatin1Char('0'));
    const QString line = words.join(u' ');
    const QStringList lines = frmDatenquelle::MessageLines(line);
    EXPECT_GT(lines.size(), 2);
    EXPECT_EQ(lines.join(QString()), line);
    for (int i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_GE(lines.at(i).size(), 128);
        EXPECT_TRUE(lines.at(i).endsWith(u' '));
    }
}

} // namespace
