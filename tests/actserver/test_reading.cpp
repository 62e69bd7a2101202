// Reading records with GetDataEx: the form of each kind of value, and records that cannot be read.
#include "DemoDatabaseFixture.h"

#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActError.h"
#include "dbf/DbfTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

using namespace actserver;

class Reading : public DemoDatabaseFixture
{
protected:
    // Overwrites bytes of one field of record index (0-based) in a table file.
    static void patchField(const QString &file, qint64 index, const char *column, const QByteArray &bytes)
    {
        qint64 offset = 0;
        {
            dbf::DbfTable table(file);
            const int field = table.fieldIndex(QString::fromLatin1(column));
            ASSERT_GE(field, 0);
            offset = table.header().recordOffset(index) + (column[0] ? table.fields().at(field).offset : 0);
        }
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(offset));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    static void patchFlag(const QString &file, qint64 index, char flag)
    {
        qint64 offset = 0;
        {
            dbf::DbfTable table(file);
            offset = table.header().recordOffset(index);
        }
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(offset));
        ASSERT_TRUE(f.putChar(flag));
    }
};

TEST_F(Reading, ContactsReadInFullWithGermanTextsAndFullWidthIds)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    std::shared_ptr<ACTTable> contacts = db.Contact();
    const QList<QStringList> rows = readAll(*contacts, {1, 3, 15, 6, 26, 22});
    ASSERT_EQ(rows.size(), 300);
    QSet<QString> ids;
    QSet<QString> users;
    for (int i = 1; i <= db.Users().Count(); ++i)
        users << db.Users().UniqueID(i);
    bool umlaut = false;
    const QRegularExpression date(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$"));
    const QRegularExpression decimal(QStringLiteral("^-?\\d+\\.\\d\\d$"));
    for (const QStringList &row : rows) {
        EXPECT_EQ(row.at(0).size(), 12);
        ids << row.at(0);
        EXPECT_FALSE(row.at(1).endsWith(QLatin1Char(' ')));
        umlaut = umlaut || row.at(1).contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]"))) ||
                 row.at(2).contains(QRegularExpression(QStringLiteral("[äöüß]")));
        EXPECT_TRUE(users.contains(row.at(3))) << row.at(3).toStdString();
        EXPECT_TRUE(decimal.match(row.at(4)).hasMatch()) << row.at(4).toStdString();
        EXPECT_TRUE(row.at(5).isEmpty() || date.match(row.at(5)).hasMatch()) << row.at(5).toStdString();
    }
    EXPECT_EQ(ids.size(), 300);
    EXPECT_TRUE(umlaut);
}

TEST_F(Reading, DatesWithTimeNumbersAndMemos)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    const QRegularExpression dateTime(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$"));
    bool multiLine = false;
    for (const QStringList &row : readAll(*db.NoteHistory(), {27, 26, 25})) {
        EXPECT_TRUE(dateTime.match(row.at(0)).hasMatch()) << row.at(0).toStdString();
        multiLine = multiLine || row.at(1).contains(QLatin1String("\r\n"));
        bool ok = false;
        EXPECT_GE(row.at(2).toInt(&ok), 0);
        EXPECT_TRUE(ok);
    }
    EXPECT_TRUE(multiLine);
    for (const QStringList &row : readAll(*db.Sales(), {32, 33, 34})) {
        const double price = row.at(0).toDouble(), quantity = row.at(1).toDouble(), amount = row.at(2).toDouble();
        EXPECT_NEAR(price * quantity, amount, 0.006);
    }
}

// Texts lose the blanks and zero bytes that pad them, wherever the text ends in its column, and keep
// blanks inside and in front; IDs keep their full width.
TEST_F(Reading, TextsLosePaddingOnlyAtTheEndAndIdsKeepTheirWidth)
{
    const QString path = freshCopy();
    const QString contactFile = ActDatabaseFiles(path).contactFile();
    const int width = 40; // ADDRESS1
    QStringList expected;
    for (int len = 0; len <= width; ++len) {
        QByteArray bytes(width, ' ');
        QString text;
        for (int i = 0; i < len; ++i) {
            const char c = i == len - 1 ? 'z' : " a b\xe4\x80 c"[i % 8];
            bytes[i] = c;
            text += c == '\xe4' ? QChar(u'ä') : c == '\x80' ? QChar(u'€') : QChar(QLatin1Char(c));
        }
        for (int i = len; i < width; ++i)
            bytes[i] = (i + len) % 3 == 0 ? '\0' : ' ';
        patchField(contactFile, len, "ADDRESS1", bytes);
        expected << text;
    }
    patchField(contactFile, 0, "UNIQUE_ID", QByteArray("AB   "));

    ACTDatabaseObject db;
    openAsFirstUser(db, path);
    std::shared_ptr<ACTTable> contacts = db.Contact();
    contacts->RecordCount();
    contacts->MoveFirst();
    QStringList values;
    for (int len = 0; len <= width; ++len) {
        contacts->GetDataEx({12, 1}, values);
        EXPECT_EQ(contacts->LastError(), 0);
        EXPECT_EQ(values.at(0), expected.at(len)) << "text of " << len << " characters";
        contacts->MoveNext();
    }
    contacts->MoveFirst();
    contacts->GetDataEx({1}, values);
    EXPECT_EQ(values.at(0).size(), 12);
    EXPECT_TRUE(values.at(0).startsWith(QLatin1String("AB   ")));
}

TEST_F(Reading, UnknownFieldIdGivesEmptyTextAndInvalidFieldButTheOthersRead)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    std::shared_ptr<ACTTable> notes = db.NoteHistory();
    notes->MoveFirst();
    QStringList values;
    notes->GetDataEx({1, 77, 25}, values);
    EXPECT_EQ(notes->LastError(), ActError::InvalidField);
    EXPECT_EQ(values.at(0).size(), 12);
    EXPECT_EQ(values.at(1), QString());
    EXPECT_FALSE(values.at(2).isEmpty());
}

TEST_F(Reading, DamagedRecordsSetLastErrorAndTheNextRecordStillReads)
{
    const QString path = freshCopy();
    const QString contactFile = ActDatabaseFiles(path).contactFile();
    patchField(contactFile, 2, "EMPLOYEES", "12x4");   // a number that is none
    patchField(contactFile, 4, "CREATED", "20241341"); // month 13
    patchFlag(contactFile, 6, 'X');                    // neither present nor deleted
    const QString notesFile = ActDatabaseFiles(path).tableFile(ActTableKind::Notes);
    patchField(notesFile, 1, "TEXT", "  99999999"); // memo block far past the end of the memo file

    ACTDatabaseObject db;
    openAsFirstUser(db, path);
    std::shared_ptr<ACTTable> contacts = db.Contact();
    ASSERT_EQ(contacts->RecordCount(), 300);
    contacts->MoveFirst();
    QStringList values;
    QList<long> errors;
    QStringList ids;
    for (int r = 0; r < 300; ++r) {
        contacts->GetDataEx({1, 27, 29, 2}, values);
        errors << contacts->LastError();
        ids << values.at(0);
        contacts->MoveNext();
    }
    for (int r = 0; r < 300; ++r) {
        if (r == 2 || r == 4 || r == 6)
            EXPECT_EQ(errors.at(r), ActError::DBDataCorrupt) << "record " << r;
        else
            EXPECT_EQ(errors.at(r), 0) << "record " << r;
    }
    EXPECT_EQ(ids.at(3).size(), 12);
    EXPECT_EQ(ids.at(7).size(), 12);

    std::shared_ptr<ACTTable> notes = db.NoteHistory();
    notes->RecordCount();
    notes->MoveFirst();
    notes->GetDataEx({1, 26}, values);
    EXPECT_EQ(notes->LastError(), 0);
    notes->MoveNext();
    notes->GetDataEx({1, 26}, values);
    EXPECT_EQ(notes->LastError(), ActError::DBDataCorrupt);
    notes->MoveNext();
    notes->GetDataEx({1, 26}, values);
    EXPECT_EQ(notes->LastError(), 0);
    EXPECT_EQ(values.at(0).size(), 12);
}

TEST_F(Reading, ReadingPastTheLastRecordGivesNoMoreData)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    std::shared_ptr<ACTTable> groups = db.Group();
    const long n = groups->RecordCount();
    groups->MoveFirst();
    for (long i = 0; i < n; ++i)
        groups->MoveNext();
    EXPECT_TRUE(groups->IsEOF());
    QStringList values;
    groups->GetDataEx({1, 25}, values);
    EXPECT_EQ(groups->LastError(), ActError::NoMoreData);
    EXPECT_EQ(values, (QStringList{QString(), QString()}));
}

TEST_F(Reading, ValuesReuseTheCallersStrings)
{
    ACTDatabaseObject db;
    openAsFirstUser(db, sharedPath());
    std::shared_ptr<ACTTable> contacts = db.Contact();
    contacts->RecordCount();
    contacts->MoveFirst();
    QStringList values;
    contacts->GetDataEx({2, 3}, values);
    const QString first = values.at(0);
    contacts->MoveNext();
    contacts->GetDataEx({2, 3}, values);
    // The copy taken before stays as it was while the list is refilled.
    EXPECT_FALSE(first.isEmpty());
    contacts->MoveFirst();
    contacts->GetDataEx({2, 3}, values);
    EXPECT_EQ(values.at(0), first);
}
