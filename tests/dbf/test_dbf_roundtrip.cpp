// Tables written here read back exactly: every field type, umlauts, memos in both memo formats,
// updates in place, deletion flags, and appends by two writers that share the file.
#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dbf;

namespace {

DbfFieldList contactFields()
{
    return {DbfField::character(QStringLiteral("NAME"), 20), DbfField::numeric(QStringLiteral("AMOUNT"), 10, 2),
            DbfField::numeric(QStringLiteral("COUNT"), 6), DbfField::date(QStringLiteral("BORN")),
            DbfField::logical(QStringLiteral("ACTIVE")), DbfField::memo(QStringLiteral("NOTE")),
            DbfField::integer(QStringLiteral("SEQ"))};
}

class DbfRoundTrip : public ::testing::TestWithParam<DbfWriter::Format>
{
protected:
    QString path(const QString &name = QStringLiteral("kontakte.dbf")) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_P(DbfRoundTrip, EveryTypeReadsBackAsWritten)
{
    DbfWriter::create(path(), contactFields(), GetParam());
    {
        DbfWriter w(path());
        EXPECT_EQ(w.append({QStringLiteral("Jürgen Größe"), 1234.5, 42, QDate(1970, 5, 17), true,
                            QStringLiteral("Straße 1\r\nzweite Zeile mit €"), -7}),
                  0);
        EXPECT_EQ(w.append({QStringLiteral("Ömer"), QVariant(), QVariant(), QVariant(), false, QString(), 0}), 1);
    }
    DbfTable t(path());
    ASSERT_EQ(t.recordCount(), 2);
    ASSERT_EQ(t.fieldCount(), 7);
    EXPECT_EQ(t.header().codePage, DbfHeader::kCodePageAnsi);
    DbfRecord r = t.record(0);
    EXPECT_EQ(r.value(0).toString(), QStringLiteral("Jürgen Größe        ")); // full width, as stored
    EXPECT_DOUBLE_EQ(r.value(1).toDouble(), 1234.5);
    EXPECT_EQ(r.value(2).typeId(), QMetaType::LongLong);
    EXPECT_EQ(r.value(2).toLongLong(), 42);
    EXPECT_EQ(r.value(3).toDate(), QDate(1970, 5, 17));
    EXPECT_TRUE(r.value(4).toBool());
    EXPECT_EQ(r.value(QStringLiteral("note")).toString(), QStringLiteral("Straße 1\r\nzweite Zeile mit €"));
    EXPECT_EQ(r.value(6).toInt(), -7);
    EXPECT_EQ(r.raw(0).first(2), QByteArrayView("J\xfc"));

    DbfRecord empty = t.record(1);
    EXPECT_TRUE(empty.value(1).isNull());
    EXPECT_TRUE(empty.value(2).isNull());
    EXPECT_TRUE(empty.value(3).isNull());
    EXPECT_FALSE(empty.value(4).toBool());
    EXPECT_TRUE(empty.value(5).isNull());
    EXPECT_TRUE(empty.isBlank(1));
}

TEST_P(DbfRoundTrip, UpdateInPlaceKeepsOtherRecordsAndMemos)
{
    DbfWriter::create(path(), contactFields(), GetParam());
    DbfWriter w(path());
    w.append({QStringLiteral("A"), 1, 1, QDate(2000, 1, 1), true, QStringLiteral("erstes Memo")});
    w.append({QStringLiteral("B"), 2, 2, QDate(2000, 1, 2), true, QStringLiteral("zweites Memo")});
    w.update(0, {QStringLiteral("A2"), 11, 11, QDate(2001, 1, 1), false, QStringLiteral("neues längeres Memo ") +
                                                                             QString(600, u'x')});
    w.setValue(1, 0, QStringLiteral("Bä"));

    DbfTable t(path());
    EXPECT_EQ(t.record(0).text(0).trimmed(), QStringLiteral("A2"));
    EXPECT_EQ(t.record(0).value(5).toString(), QStringLiteral("neues längeres Memo ") + QString(600, u'x'));
    EXPECT_EQ(t.record(1).text(0).trimmed(), QStringLiteral("Bä"));
    EXPECT_EQ(t.record(1).value(5).toString(), QStringLiteral("zweites Memo"));
    EXPECT_EQ(t.record(1).value(2).toLongLong(), 2);
}

TEST_P(DbfRoundTrip, DeletionFlagIsSetAndCleared)
{
    DbfWriter::create(path(), contactFields(), GetParam());
    DbfWriter w(path());
    for (int i = 0; i < 3; ++i)
        w.append({QString::number(i)});
    w.setDeleted(1);
    DbfTable t(path());
    EXPECT_FALSE(t.record(0).isDeleted());
    EXPECT_TRUE(t.record(1).isDeleted());
    EXPECT_EQ(t.record(1).text(0).trimmed(), QStringLiteral("1"));
    w.setDeleted(1, false);
    t.refresh();
    EXPECT_FALSE(t.record(1).isDeleted());
}

INSTANTIATE_TEST_SUITE_P(Formats, DbfRoundTrip, ::testing::Values(DbfWriter::Format::FoxPro, DbfWriter::Format::DBaseIII));

TEST(DbfWriter, TwoWritersAppendAfterEachOtherNotOverEachOther)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.dbf"));
    DbfWriter::create(file, {DbfField::character(QStringLiteral("V"), 5), DbfField::memo(QStringLiteral("M"))});
    DbfWriter a(file);
    DbfWriter b(file);
    for (int i = 0; i < 50; ++i) {
        a.append({QStringLiteral("a%1").arg(i), QStringLiteral("memo a%1").arg(i)});
        b.append({QStringLiteral("b%1").arg(i), QStringLiteral("memo b%1").arg(i)});
    }
    DbfTable t(file);
    ASSERT_EQ(t.recordCount(), 100);
    for (int i = 0; i < 100; ++i) {
        const QString v = t.record(i).text(0).trimmed();
        EXPECT_EQ(t.record(i).value(1).toString(), QStringLiteral("memo ") + v);
        EXPECT_EQ(v, QString::fromLatin1(i % 2 ? "b" : "a") + QString::number(i / 2));
    }
}

TEST(DbfWriter, BatchAppendAndReaderRefreshSeeNewRecords)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.dbf"));
    DbfWriter::create(file, {DbfField::numeric(QStringLiteral("N"), 8)});
    DbfTable reader(file);
    EXPECT_EQ(reader.recordCount(), 0);
    DbfWriter w(file);
    {
        DbfWriter::Batch batch(w);
        for (int i = 0; i < 5000; ++i)
            w.append({i});
    }
    reader.refresh();
    ASSERT_EQ(reader.recordCount(), 5000);
    qlonglong sum = 0;
    for (qint64 i = 0; i < reader.recordCount(); ++i)
        sum += reader.record(i).value(0).toLongLong();
    EXPECT_EQ(sum, 4999LL * 5000 / 2);
    EXPECT_EQ(reader.record(4999).value(0).toLongLong(), 4999); // random access after a sequential scan
    EXPECT_EQ(reader.record(3).value(0).toLongLong(), 3);
}

TEST(DbfWriter, BadValuesAreRefusedAndWriteNothing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.dbf"));
    DbfWriter::create(file, {DbfField::numeric(QStringLiteral("N"), 4, 1), DbfField::memo(QStringLiteral("M")),
                             DbfField::date(QStringLiteral("D"))});
    DbfWriter w(file);
    EXPECT_THROW(w.append({12345.6, QStringLiteral("memo")}), DbfError);
    EXPECT_THROW(w.append({QStringLiteral("zwölf")}), DbfError);
    EXPECT_THROW(w.append({1, QString(), QStringLiteral("gestern")}), DbfError);
    EXPECT_EQ(w.recordCount(), 0);
    EXPECT_EQ(QFile(dir.filePath(QStringLiteral("t.fpt"))).size(), 512); // no orphan memo was written
    w.append({99.4});
    EXPECT_EQ(DbfTable(file).record(0).value(0).toDouble(), 99.4);
}

TEST(DbfWriter, TextsAreCutToTheFieldWidthAndInvalidDefinitionsRefused)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.dbf"));
    EXPECT_THROW(DbfWriter::create(file, {DbfField::character(QStringLiteral("ZU_LANGER_NAME"), 5)}), DbfError);
    EXPECT_THROW(DbfWriter::create(file, {DbfField::character(QStringLiteral("A"), 5), DbfField::character(QStringLiteral("a"), 5)}),
                 DbfError);
    EXPECT_THROW(DbfWriter::create(file, {DbfField::numeric(QStringLiteral("N"), 3, 2)}), DbfError);
    EXPECT_FALSE(QFile::exists(file));
    DbfWriter::create(file, {DbfField::character(QStringLiteral("A"), 3)});
    DbfWriter(file).append({QStringLiteral("Müller")});
    EXPECT_EQ(DbfTable(file).record(0).text(0), QStringLiteral("Mül"));
}

TEST(DbfWriter, MemoFilesOfOtherExtensionsDoNotCollide)
{
    QTemporaryDir dir;
    const QString notes = dir.filePath(QStringLiteral("kontakte.hdb"));
    const QString sales = dir.filePath(QStringLiteral("kontakte.sdb"));
    EXPECT_EQ(MemoFile::defaultPath(notes, MemoFile::Format::FoxPro), dir.filePath(QStringLiteral("kontakte.hdt")));
    for (const QString &f : {notes, sales}) {
        DbfWriter::create(f, {DbfField::memo(QStringLiteral("M"))});
        DbfWriter(f).append({f});
    }
    EXPECT_EQ(DbfTable(notes).record(0).value(0).toString(), notes);
    EXPECT_EQ(DbfTable(sales).record(0).value(0).toString(), sales);
}

TEST(DbfTable, OutOfRangeAccessIsAnErrorNotACrash)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.dbf"));
    DbfWriter::create(file, {DbfField::character(QStringLiteral("A"), 3)});
    DbfTable t(file);
    EXPECT_THROW(t.record(0), DbfError);
    EXPECT_THROW(t.record(-1), DbfError);
    DbfWriter(file).append({QStringLiteral("x")});
    t.refresh();
    EXPECT_THROW(t.record(0).value(1), DbfError);
    EXPECT_THROW(t.record(0).value(QStringLiteral("B")), DbfError);
}
