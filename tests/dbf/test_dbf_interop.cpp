// Our files must read correctly in an independent reader (python3-dbfread), and files of an
// independent writer (python3-dbf) must read correctly here: umlauts, numbers, dates, memos; a table
// whose memo file is missing leaves the memos of the others, as that reader sees them, alone.
#include "PythonRunner.h"

#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace dbf;

namespace {

// Prints every record as one line of repr() of its values, in field order.
const char *kDbfreadDump = R"PY(
import sys, dbfread
t = dbfread.DBF(sys.argv[1], encoding='cp1252', char_decode_errors='strict')
print(t.header.dbversion, t.header.language_driver)
for r in t:
    print('|'.join(repr(v) for v in r.values()))
)PY";

class Interop : public ::testing::TestWithParam<DbfWriter::Format>
{
};

} // namespace

TEST_P(Interop, DbfreadReadsOurTableWithUmlautsAndMemos)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kontakte.dbf"));
    DbfWriter::create(file, {DbfField::character(QStringLiteral("NAME"), 20), DbfField::numeric(QStringLiteral("BETRAG"), 10, 2),
                             DbfField::numeric(QStringLiteral("ANZAHL"), 5), DbfField::date(QStringLiteral("DATUM")),
                             DbfField::logical(QStringLiteral("AKTIV")), DbfField::memo(QStringLiteral("NOTIZ"))},
                      GetParam());
    {
        DbfWriter w(file);
        w.append({QStringLiteral("Jürgen Größe"), 1234.56, 42, QDate(1999, 12, 31), true,
                  QStringLiteral("Straße 1\r\nÄrger mit € und „Zitat“")});
        w.append({QStringLiteral("Zoë"), QVariant(), QVariant(), QVariant(), false, QVariant()});
        w.append({QStringLiteral("gelöscht")});
        w.setDeleted(2);
    }
    const PythonResult r = runPython(QString::fromLatin1(kDbfreadDump), {file});
    ASSERT_TRUE(r.ok) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << r.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("%1 3").arg(GetParam() == DbfWriter::Format::FoxPro ? 0xF5 : 0x83));
    EXPECT_EQ(lines[1], QStringLiteral("'Jürgen Größe'|1234.56|42|datetime.date(1999, 12, 31)|True|"
                                       "'Straße 1\\r\\nÄrger mit € und „Zitat“'"));
    EXPECT_EQ(lines[2], QStringLiteral("'Zoë'|None|None|None|False|None"));
}

TEST_P(Interop, WeReadTheTableOfPythonDbf)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fremd.dbf"));
    const QString type = GetParam() == DbfWriter::Format::FoxPro ? QStringLiteral("fp") : QStringLiteral("db3");
    const char *script = R"PY(
import sys, datetime, dbf
t = dbf.Table(sys.argv[1], 'NAME C(20); BETRAG N(10,2); ANZAHL N(6,0); DATUM D; AKTIV L; NOTIZ M',
              dbf_type=sys.argv[2], codepage='cp1252')
t.open(dbf.READ_WRITE)
t.append(('Jürgen Größe', 12.5, 42, datetime.date(1970, 5, 17), True, 'Straße\r\nzwei Zeilen mit ä'))
t.append(('Ömer', None, None, None, False, ''))
for i in range(300):
    t.append(('Satz %d' % i, i / 4, i, datetime.date(2000, 1, 1) + datetime.timedelta(days=i), i % 2 == 0, 'Memo %d ü' % i))
dbf.delete(t[1])
t.close()
)PY";
    const PythonResult r = runPython(QString::fromUtf8(script), {file, type});
    ASSERT_TRUE(r.ok) << r.err.toStdString();

    DbfTable t(file);
    ASSERT_EQ(t.recordCount(), 302);
    DbfRecord first = t.record(0);
    EXPECT_EQ(first.text(0).trimmed(), QStringLiteral("Jürgen Größe"));
    EXPECT_DOUBLE_EQ(first.value(QStringLiteral("betrag")).toDouble(), 12.5);
    EXPECT_EQ(first.value(2).toLongLong(), 42);
    EXPECT_EQ(first.value(3).toDate(), QDate(1970, 5, 17));
    EXPECT_TRUE(first.value(4).toBool());
    EXPECT_EQ(first.value(5).toString(), QStringLiteral("Straße\r\nzwei Zeilen mit ä"));
    DbfRecord second = t.record(1);
    EXPECT_TRUE(second.isDeleted());
    EXPECT_EQ(second.text(0).trimmed(), QStringLiteral("Ömer"));
    EXPECT_TRUE(second.value(1).isNull());
    EXPECT_TRUE(second.value(3).isNull());
    EXPECT_TRUE(second.value(5).toString().isEmpty());
    for (int i = 0; i < 300; ++i) {
        DbfRecord rec = t.record(2 + i);
        ASSERT_EQ(rec.value(2).toLongLong(), i);
        ASSERT_DOUBLE_EQ(rec.value(1).toDouble(), i / 4.0);
        ASSERT_EQ(rec.value(3).toDate(), QDate(2000, 1, 1).addDays(i));
        ASSERT_EQ(rec.value(5).toString(), QStringLiteral("Memo %1 ü").arg(i));
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, Interop, ::testing::Values(DbfWriter::Format::FoxPro, DbfWriter::Format::DBaseIII));

TEST(MemoOwnership, ATableWithoutItsMemoFileNamesItAndNeverTouchesTheContactsMemos)
{
    QTemporaryDir dir;
    const QString contacts = dir.filePath(QStringLiteral("DEMO.dbf"));
    const QString notes = dir.filePath(QStringLiteral("DEMO.hdb"));
    DbfWriter::create(contacts,
                      {DbfField::character(QStringLiteral("NAME"), 20), DbfField::memo(QStringLiteral("BEMERKUNG"))});
    DbfWriter::create(notes, {DbfField::memo(QStringLiteral("TEXT"))});
    DbfWriter(contacts).append({QStringLiteral("Müller"), QStringLiteral("Bemerkung zum Kontakt")});
    DbfWriter(notes).append({QStringLiteral("Text der Notiz")});
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("DEMO.hdt"))));
    QFile memo(dir.filePath(QStringLiteral("DEMO.fpt")));
    ASSERT_TRUE(memo.open(QIODevice::ReadOnly));
    const QByteArray memoBefore = memo.readAll();
    memo.close();
    const PythonResult before = runPython(QString::fromLatin1(kDbfreadDump), {contacts});
    ASSERT_TRUE(before.ok) << before.err.toStdString();

    const auto expectMissingHdt = [](const std::function<void()> &action, const char *what) {
        try {
            action();
            ADD_FAILURE() << what << " used another table's memo file";
        } catch (const DbfError &e) {
            EXPECT_EQ(e.kind(), DbfError::Kind::MemoMissing) << what;
            EXPECT_TRUE(e.message().contains(QStringLiteral("DEMO.hdt"))) << e.message().toStdString();
        }
    };
    expectMissingHdt([&] { DbfTable(notes).record(0).value(0); }, "reading");
    expectMissingHdt([&] { DbfWriter(notes).append({QStringLiteral("Neue Notiz")}); }, "writing");

    ASSERT_TRUE(memo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(memo.readAll() == memoBefore) << "DEMO.fpt changed";
    const PythonResult after = runPython(QString::fromLatin1(kDbfreadDump), {contacts});
    ASSERT_TRUE(after.ok) << after.err.toStdString();
    EXPECT_EQ(after.out, before.out);
    EXPECT_TRUE(after.out.contains(QStringLiteral("'Bemerkung zum Kontakt'"))) << after.out.toStdString();
}
