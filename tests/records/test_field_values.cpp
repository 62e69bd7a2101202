// The value rules of the field type codes: whole numbers, decimals, dates and times.
#include "GTestScriptedUi.h"
#include "ScriptedRecordClass.h"
#include "records/FieldValues.h"
#include "infozoom/InfoZoomTable.h"

#include <QLocale>
#include <cstring>
#include <gtest/gtest.h>

using namespace records;

namespace {

TEST(FieldValues, WholeNumbersRoundHalvesToEvenAndMarkTextAndEmptiness)
{
    EXPECT_EQ(WholeNumberValue(QStringLiteral("2.5")), QVariant(2));
    EXPECT_EQ(WholeNumberValue(QStringLiteral("3.5")), QVariant(4));
    EXPECT_EQ(WholeNumberValue(QStringLiteral("-2.5")), QVariant(-2));
    EXPECT_EQ(WholeNumberValue(QStringLiteral(" 17 ")), QVariant(17));
    EXPECT_EQ(WholeNumberValue(QStringLiteral("zwölf")), QVariant(-1));
    EXPECT_EQ(WholeNumberValue(QString()), QVariant(0));
    EXPECT_EQ(WholeNumberValue(QStringLiteral("99999999999")), QVariant(-1));
    EXPECT_EQ(WholeNumberValue(QStringLiteral("2147483647")), QVariant(2147483647));
}

TEST(FieldValues, DecimalsUseTheUsersNumberFormatWithoutEmptyDecimals)
{
    EXPECT_EQ(DecimalValue(QStringLiteral("1234.56")), QVariant(QStringLiteral("1.234,56")));
    EXPECT_EQ(DecimalValue(QStringLiteral("1234.5")), QVariant(QStringLiteral("1.234,5")));
    EXPECT_EQ(DecimalValue(QStringLiteral("1234")), QVariant(QStringLiteral("1.234")));
    EXPECT_EQ(DecimalValue(QStringLiteral("0")), QVariant(QStringLiteral("0")));
    EXPECT_EQ(DecimalValue(QStringLiteral("-0.25")), QVariant(QStringLiteral("-0,25")));
    EXPECT_EQ(DecimalValue(QStringLiteral("viel")), QVariant(-1));
    EXPECT_EQ(DecimalValue(QString()), QVariant(0));
}

// Plain numbers are read without a locale; they must come out bit for bit as the C locale reads
// them, and the forms only a locale reads must still be read.
TEST(FieldValues, NumbersInTextReadAsTheLocalesReadThem)
{
    quint64 state = 0x2545F4914F6CDD1Dull;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    QStringList texts = {QStringLiteral("0"),        QStringLiteral("-0"),
                         QStringLiteral("007"),      QStringLiteral("0.1"),
                         QStringLiteral("2.675"),    QStringLiteral("-123456.789"),
                         QStringLiteral("9007199254740993"), QStringLiteral("0.30000000000000004"),
                         QStringLiteral("123456789012345678901234567890.5")};
    for (int i = 0; i < 2000; ++i) {
        const qint64 whole = qint64(next() % 100000000000ull) - 50000000000;
        texts << QString::number(whole) + QLatin1Char('.') + QString::number(next() % 1000000);
    }
    for (const QString &text : texts) {
        bool ok = false;
        const double expected = QLocale::c().toDouble(text, &ok);
        ASSERT_TRUE(ok) << text.toStdString();
        const std::optional<double> read = NumberInText(text);
        ASSERT_TRUE(read.has_value()) << text.toStdString();
        EXPECT_EQ(std::memcmp(&*read, &expected, sizeof expected), 0) << text.toStdString();
    }
    EXPECT_EQ(NumberInText(QStringLiteral("1,5")), 1.5);     // the user's (German) form
    EXPECT_EQ(NumberInText(QStringLiteral("1.234,5")), 1234.5);
    EXPECT_EQ(NumberInText(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(NumberInText(QStringLiteral(" 42 ")), 42.0);
    EXPECT_FALSE(NumberInText(QStringLiteral("-")).has_value());
    EXPECT_FALSE(NumberInText(QStringLiteral("1.2.3")).has_value());
    EXPECT_FALSE(NumberInText(QStringLiteral("12-3")).has_value());
    EXPECT_FALSE(NumberInText(QStringLiteral("1e999")).has_value());
}

TEST(FieldValues, DatesOfTheSourceAndTheEmptyDatesOfTheKinds)
{
    EXPECT_EQ(SourceDate(QStringLiteral("09.12.2026 14:03:05"), "1/1/1970 0:0:0"),
              QDateTime(QDate(2026, 12, 9), QTime(14, 3, 5)));
    EXPECT_EQ(SourceDate(QStringLiteral("09.12.2026"), "1/1/1970 0:0:0"), QDateTime(QDate(2026, 12, 9), QTime(0, 0)));
    EXPECT_EQ(SourceDate(QString(), "1.1.1980"), QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
    EXPECT_EQ(SourceDate(QString(), "1/1/1970 0:0:0"), QDateTime(QDate(1970, 1, 1), QTime(0, 0)));
    EXPECT_EQ(SourceDate(QStringLiteral("31.02.2026"), "1.1.1980"), std::nullopt);
    EXPECT_EQ(DateTimeText(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))), QStringLiteral("02.01.2026 03:04:05"));
    EXPECT_EQ(TimeText(QDateTime(QDate(2026, 1, 2), QTime(13, 4, 5))), QStringLiteral("13:04:05"));
}

TEST(FieldValues, FormatsByCode)
{
    EXPECT_EQ(FormatOfCode(0), QString());
    EXPECT_EQ(FormatOfCode(1), QStringLiteral("####"));
    EXPECT_EQ(FormatOfCode(2), QStringLiteral("#.###,00"));
    EXPECT_EQ(FormatOfCode(3), QStringLiteral("tt.mm.jjjj ss:mm:ss"));
    EXPECT_EQ(FormatOfCode(4), QString());
    EXPECT_EQ(FormatOfCode(5), QStringLiteral("ss:mm:ss"));
}

TEST(FieldValues, TheTableReceivesEachCodesValue)
{
    GTestScriptedUi ui;
    InfoZoomControl control;
    ScriptedRecordClass notes(TableKind::Notizen);
    notes.Init(&control);
    notes.setFields({"ID", "Datum", "Zeit", "Betrag", "Menge"}, {1, 7, 9, 6, 5}, {4, 3, 5, 2, 1});
    ScriptedSource source;
    source.rows << QStringList{"A", "", "14:30:00", "12.5", "x"} << QStringList{"B", "kein Datum", "", "", ""};
    notes.ShowData(source);
    InfoZoomTable &table = *control.Table();
    InfoZoomObjects objects = table.Objects();
    objects.Reset();
    const auto values = [&table](InfoZoomObject row) {
        QStringList out;
        for (int i = 0; i < 5; ++i)
            out << row.Value(InfoZoomAttribute(table.AttributeItem(i))).toString();
        return out;
    };
    EXPECT_EQ(values(objects.NextObject()), (QStringList{"ID:A", "01.01.1980 00:00:00", "14:30:00", "12,5", "-1"}));
    EXPECT_EQ(values(objects.NextObject()), (QStringList{"ID:B", "", "00:00:00", "0", "0"}));
    EXPECT_EQ(InfoZoomAttribute(table.AttributeItem(1)).Format(), QStringLiteral("tt.mm.jjjj ss:mm:ss"));
}

} // namespace

namespace {

TEST(FieldValues, DateAndTimeValuesOfEveryFormTheSourceMayDeliver)
{
    EXPECT_EQ(DateValueText(QStringLiteral("09.12.2026"), "1.1.1980", false), QStringLiteral("09.12.2026 00:00:00"));
    EXPECT_EQ(DateValueText(QStringLiteral("09.12.2026 07:08:09"), "1.1.1980", true), QStringLiteral("07:08:09"));
    EXPECT_EQ(DateValueText(QStringLiteral("14:30"), "1.1.1980", true), QStringLiteral("14:30:00"));
    EXPECT_EQ(DateValueText(QStringLiteral("14:30:05"), "1.1.1980", false), QStringLiteral("30.12.1899 14:30:05"));
    EXPECT_EQ(DateValueText(QString(), "1.1.1980", false), QStringLiteral("01.01.1980 00:00:00"));
    EXPECT_EQ(DateValueText(QString(), "1/1/1970 0:0:0", false), QStringLiteral("01.01.1970 00:00:00"));
    EXPECT_EQ(DateValueText(QString(), "1/1/1970 0:0:0", true), QStringLiteral("00:00:00"));
    EXPECT_EQ(DateValueText(QStringLiteral("2026-12-09 7:08"), "1.1.1980", false), QStringLiteral("09.12.2026 07:08:00"));
    EXPECT_EQ(DateValueText(QStringLiteral("32.12.2026"), "1.1.1980", false), QString());
    EXPECT_EQ(DateValueText(QStringLiteral("25:00"), "1.1.1980", true), QString());
}

} // namespace
