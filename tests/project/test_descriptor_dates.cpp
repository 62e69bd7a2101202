// Table descriptors, the date texts of the project file, and the dates of the ACT! side files.
#include "ProjectFileFixture.h"
#include "project/VbDate.h"
#include "project/clFOX.h"

#include <QLocale>

using namespace project;

namespace {

// Switches the regional settings for one test.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) : m_old(QLocale()) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_old); }

private:
    QLocale m_old;
};

const QDateTime kMissing(QDate(1970, 1, 1), QTime(0, 0, 0));

TEST(Descriptor, StartsEmptyWithTheMissingDateAndUnchanged)
{
    const clFOX fox;
    EXPECT_EQ(fox.Datei(), QString());
    EXPECT_EQ(fox.SyncFeldName(), QString());
    EXPECT_EQ(fox.UniqueIDFeldName(), QString());
    EXPECT_EQ(fox.ConnectionString(), QString());
    EXPECT_EQ(fox.SQLString(), QString());
    EXPECT_EQ(fox.Datum(), kMissing);
    EXPECT_FALSE(fox.IsChanged());
}

TEST(Descriptor, EveryAssignmentMarksItChangedEvenWithTheSameValue)
{
    clFOX fox;
    fox.setDatei(QString());
    EXPECT_TRUE(fox.IsChanged());
    fox.setIsChanged(false);
    EXPECT_EQ(fox.Datei(), QString());
    fox.setSQLString(QStringLiteral("SELECT 1"));
    fox.setIsChanged(false);
    EXPECT_EQ(fox.SQLString(), QStringLiteral("SELECT 1"));
    EXPECT_FALSE(fox.IsChanged());
}

TEST(Descriptor, AnUnsetConnectionStringDiffersFromAnEmptyOne)
{
    clFOX unset;
    clFOX empty;
    empty.setConnectionString(QString());
    EXPECT_EQ(unset.ConnectionString(), empty.ConnectionString());
    EXPECT_FALSE(unset.connectionStringValue().has_value());
    ASSERT_TRUE(empty.connectionStringValue().has_value());
    EXPECT_EQ(*empty.connectionStringValue(), QString());
}

TEST(DateText, GermanSettingsWriteFourDigitYearsAndSecondsAndOmitMidnight)
{
    EXPECT_EQ(DateToText(QDateTime(QDate(2026, 12, 9), QTime(14, 3, 5))), QStringLiteral("09.12.2026 14:03:05"));
    EXPECT_EQ(DateToText(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 0))), QStringLiteral("09.12.2026"));
}

TEST(DateText, WrittenTextsReadBackUnderTheSameSettings)
{
    for (const QLocale &locale : {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        LocaleScope scope(locale);
        const QDateTime value(QDate(2031, 2, 3), QTime(23, 59, 58));
        EXPECT_EQ(TextToDate(DateToText(value)), value) << DateToText(value).toStdString();
        const QDateTime midnight(QDate(1999, 11, 30), QTime(0, 0, 0));
        EXPECT_EQ(TextToDate(DateToText(midnight)), midnight);
    }
}

TEST(DateText, TextsOfOtherConventionsAreReadLeniently)
{
    EXPECT_EQ(TextToDate(QStringLiteral("1/1/1970 0:0:0")), kMissing);
    EXPECT_EQ(TextToDate(QStringLiteral("2026-12-09 08:15:00")), QDateTime(QDate(2026, 12, 9), QTime(8, 15)));
    EXPECT_EQ(TextToDate(QStringLiteral("1.1.1980")), QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
    // An American text with the month first and a day over 12 still gives the right day.
    EXPECT_EQ(TextToDate(QStringLiteral("12/24/2025 2:05:07 PM")), QDateTime(QDate(2025, 12, 24), QTime(14, 5, 7)));
    EXPECT_EQ(TextToDate(QStringLiteral("05.06.29")), QDateTime(QDate(2029, 6, 5), QTime(0, 0)));
    EXPECT_EQ(TextToDate(QStringLiteral("05.06.30")), QDateTime(QDate(1930, 6, 5), QTime(0, 0)));
}

// Project files travel between machines: a date written under any of these settings reads back to
// the second under every other one.
TEST(DateText, WrittenUnderOneRegionReadsBackUnderEveryOther)
{
    const QLocale regions[] = {QLocale::c(),
                               QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::English, QLocale::UnitedKingdom),
                               QLocale(QLocale::German, QLocale::Germany),
                               QLocale(QLocale::German, QLocale::Austria),
                               QLocale(QLocale::German, QLocale::Switzerland),
                               QLocale(QLocale::French, QLocale::France)};
    const QDateTime values[] = {
        QDateTime(QDate(2026, 12, 9), QTime(12, 25, 34)),
        QDateTime(QDate(2026, 11, 10), QTime(19, 5, 9)), // day and month could be either
        QDateTime(QDate(2026, 3, 4), QTime(0, 25, 34)),  // the hour after midnight, 12 AM
        QDateTime(QDate(2026, 1, 2), QTime(9, 8, 7)),
        QDateTime(QDate(2025, 12, 24), QTime(0, 0, 0)), // midnight: the date alone
        QDateTime(QDate(2026, 3, 4), QTime(0, 0, 0)),
        kMissing,
    };
    for (const QLocale &writer : regions) {
        for (const QDateTime &value : values) {
            QString text;
            {
                LocaleScope scope(writer);
                text = DateToText(value);
            }
            for (const QLocale &reader : regions) {
                LocaleScope scope(reader);
                EXPECT_EQ(TextToDate(text), value)
                    << "\"" << text.toStdString() << "\" written under " << writer.name().toStdString()
                    << ", read under " << reader.name().toStdString();
            }
        }
    }
}

TEST(DateText, NonDatesReadAsNothing)
{
    for (const char *text : {"", "gestern", "31.02.2020", "1.1.1970 25:00", "12", "1.1.1970x"})
        EXPECT_FALSE(TextToDate(QString::fromLatin1(text)).has_value()) << text;
}

using SideFiles = ProjectFileTest;

TEST_F(SideFiles, MissingSideFilesGiveTheMissingDateAndPresentOnesTheirTime)
{
    clProjekt projekt;
    projekt.setACTDatenbank(m_database);
    EXPECT_EQ(projekt.ACTNotizDatum(), kMissing);
    EXPECT_EQ(projekt.ACTGruppenDatum(), kMissing);
    const QString notes = path(QStringLiteral("act/Firma.hdb"));
    touch(notes);
    const QDateTime stamp(QDate(2024, 3, 4), QTime(5, 6, 7));
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(projekt.ACTNotizDatum(), stamp);
    EXPECT_EQ(projekt.ACTAuftragDatum(), kMissing);
    EXPECT_TRUE(projekt.ACTKontaktDatum().isValid());
    EXPECT_GE(projekt.ACTADODatenDatum().secsTo(QDateTime::currentDateTime()), 0);
}

TEST_F(SideFiles, SideFilesAreFoundInAnyCaseAsTheDatabaseFindsThem)
{
    const QString database = path(QStringLiteral("act/FIRMA.DBF"));
    touch(database);
    touch(path(QStringLiteral("act/FIRMA.HDB")));
    touch(path(QStringLiteral("act/firma.Gdb")));
    const QDateTime stamp(QDate(2023, 7, 8), QTime(9, 10, 11));
    for (const char *name : {"act/FIRMA.HDB", "act/firma.Gdb"}) {
        QFile file(path(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    clProjekt projekt;
    projekt.setACTDatenbank(database);
    EXPECT_EQ(projekt.ACTNotizDatum(), stamp);
    EXPECT_EQ(projekt.ACTGruppenDatum(), stamp);
    EXPECT_EQ(projekt.ACTAuftragDatum(), kMissing);
}

} // namespace
