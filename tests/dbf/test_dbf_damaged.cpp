// Damaged tables and memo files are refused with an error that names the file and the fault;
// no truncation or corruption of a valid file may crash the reader or make it loop.
#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dbf;

namespace {

class DamagedDbf : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_file = m_dir.filePath(QStringLiteral("daten.dbf"));
        DbfWriter::create(m_file, {DbfField::character(QStringLiteral("NAME"), 10), DbfField::numeric(QStringLiteral("N"), 5),
                                   DbfField::memo(QStringLiteral("M")), DbfField::date(QStringLiteral("D"))});
        DbfWriter w(m_file);
        w.append({QStringLiteral("eins"), 1, QStringLiteral("Memo eins"), QDate(2020, 2, 29)});
        w.append({QStringLiteral("zwei"), 2, QStringLiteral("Memo zwei"), QDate(2021, 3, 1)});
        m_bytes = read(m_file);
        m_memoBytes = read(m_dir.filePath(QStringLiteral("daten.fpt")));
    }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    void write(const QByteArray &bytes, const QString &name = QStringLiteral("daten.dbf"))
    {
        QFile f(m_dir.filePath(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    // Opens and reads every value; returns the error's message, or "" when everything read.
    QString readAll()
    {
        try {
            DbfTable t(m_file);
            for (qint64 i = 0; i < t.recordCount(); ++i)
                for (int f = 0; f < t.fieldCount(); ++f)
                    t.record(i).value(f);
        } catch (const DbfError &e) {
            return e.message();
        }
        return {};
    }

    QTemporaryDir m_dir;
    QString m_file;
    QByteArray m_bytes;
    QByteArray m_memoBytes;
};

} // namespace

TEST_F(DamagedDbf, TheUndamagedFileReads)
{
    EXPECT_EQ(readAll(), QString());
}

TEST_F(DamagedDbf, ShortHeaderIsNamed)
{
    write(m_bytes.left(20));
    const QString msg = readAll();
    EXPECT_TRUE(msg.contains(m_file)) << msg.toStdString();
    EXPECT_TRUE(msg.contains(QStringLiteral("Dateikopf ist zu kurz"))) << msg.toStdString();
}

TEST_F(DamagedDbf, DescriptorsOverrunningTheHeaderAreNamed)
{
    QByteArray b = m_bytes;
    b[32 + 4 * 32] = 'X'; // the terminator becomes part of a fifth descriptor that runs past the header
    write(b);
    EXPECT_TRUE(readAll().contains(QStringLiteral("Feldbeschreibungen überschreiten"))) << readAll().toStdString();
}

TEST_F(DamagedDbf, RecordLengthThatDoesNotAddUpIsNamed)
{
    QByteArray b = m_bytes;
    b[10] = char(quint8(b[10]) + 1);
    write(b);
    EXPECT_TRUE(readAll().contains(QStringLiteral("Satzlänge"))) << readAll().toStdString();
}

TEST_F(DamagedDbf, AFieldTooShortForItsTypeIsRefusedByTheWriterBeforeAnythingIsWritten)
{
    QByteArray b = m_bytes;
    b[32 + 3 * 32 + 16] = 1;         // the date field claims one byte
    b[10] = char(quint8(b[10]) - 7); // and the record length follows it
    write(b);
    try {
        DbfWriter w(m_file);
        w.append({QStringLiteral("drei"), 3, QString(), QDate(2022, 1, 1)});
        ADD_FAILURE() << "a date was written into one byte";
    } catch (const DbfError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Länge 1"))) << e.message().toStdString();
    }
    EXPECT_EQ(read(m_file), b);
}

TEST_F(DamagedDbf, MissingRecordsAreNamed)
{
    write(m_bytes.left(m_bytes.size() - 10));
    EXPECT_TRUE(readAll().contains(QStringLiteral("nennt 2 Datensätze"))) << readAll().toStdString();
}

TEST_F(DamagedDbf, MemoPointerPastTheMemoFileIsNamed)
{
    write(m_memoBytes.left(560), QStringLiteral("daten.fpt")); // the second memo's block is gone
    const QString msg = readAll();
    EXPECT_TRUE(msg.contains(QStringLiteral("daten.fpt"))) << msg.toStdString();
    EXPECT_TRUE(msg.contains(QStringLiteral("hinter dem Dateiende")) || msg.contains(QStringLiteral("länger")))
        << msg.toStdString();
}

TEST_F(DamagedDbf, MissingMemoFileIsNamedOnlyWhenAMemoIsRead)
{
    QFile::remove(m_dir.filePath(QStringLiteral("daten.fpt")));
    DbfTable t(m_file);
    EXPECT_EQ(t.record(0).text(0).trimmed(), QStringLiteral("eins"));
    try {
        t.record(0).value(2);
        FAIL() << "memo read without memo file";
    } catch (const DbfError &e) {
        EXPECT_EQ(e.kind(), DbfError::Kind::MemoMissing);
        EXPECT_TRUE(e.message().contains(QStringLiteral("daten.fpt")));
    }
}

TEST_F(DamagedDbf, GarbageInANumberOrDateIsNamedWithFieldAndRecord)
{
    QByteArray b = m_bytes;
    const int headerLength = quint8(b[8]) | (quint8(b[9]) << 8);
    const int recordLength = quint8(b[10]) | (quint8(b[11]) << 8);
    b[headerLength + recordLength + 1 + 10 + 2] = 'x'; // field N of record 2
    write(b);
    EXPECT_TRUE(readAll().contains(QStringLiteral("das Feld N in Datensatz 2"))) << readAll().toStdString();
    b = m_bytes;
    std::memcpy(b.data() + headerLength + 1 + 10 + 5 + 10, "20211340", 8);
    write(b);
    EXPECT_TRUE(readAll().contains(QStringLiteral("kein gültiges Datum"))) << readAll().toStdString();
}

TEST_F(DamagedDbf, NoTruncationCrashesOrHangs)
{
    // Only the end-of-file marker may go without harm.
    for (int len = 0; len < m_bytes.size() - 1; ++len) {
        write(m_bytes.left(len));
        EXPECT_FALSE(readAll().isEmpty()) << "truncated to " << len;
    }
    write(m_bytes);
    for (int len = 0; len < m_memoBytes.size(); ++len) {
        write(m_memoBytes.left(len), QStringLiteral("daten.fpt"));
        readAll(); // an error or, where both memos survive, a clean read
    }
}

TEST_F(DamagedDbf, EveryHeaderByteFlippedIsReadOrRefused)
{
    const int headerLength = quint8(m_bytes[8]) | (quint8(m_bytes[9]) << 8);
    for (int pos = 0; pos < headerLength; ++pos) {
        for (const char v : {char(0x00), char(0xFF), char(0x0D), char(0x20)}) {
            QByteArray b = m_bytes;
            b[pos] = v;
            write(b);
            readAll();
        }
    }
    SUCCEED();
}

TEST(DbfTableOpen, MissingFileAndFolderAreNamed)
{
    QTemporaryDir dir;
    try {
        DbfTable t(dir.filePath(QStringLiteral("fehlt.dbf")));
        FAIL();
    } catch (const DbfError &e) {
        EXPECT_EQ(e.kind(), DbfError::Kind::CannotOpen);
        EXPECT_TRUE(e.message().contains(QStringLiteral("fehlt.dbf")));
    }
    EXPECT_THROW(DbfTable t(dir.path()), DbfError);
}
