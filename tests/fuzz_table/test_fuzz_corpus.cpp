// Replays the table fuzz corpus (and any crash inputs checked in beside it) through the same code
// as the libFuzzer target, so every build, g++ included, runs it.
#include "TableFuzzOne.h"

#include "infozoom/TableData.h"
#include "infozoom/TableFile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(TableFuzzCorpus, EveryInputLoadsOrIsRefusedCleanly)
{
    QDir dir(QStringLiteral(DATOLUX_FUZZ_CORPUS));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_GE(files.size(), 5);
    for (const QString &name : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        SCOPED_TRACE(name.toStdString());
        fuzzTableFile(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
}

// The seed files were written from the format description, apart from the program's encoder; the
// loader must read them, or the description and the code have drifted apart.
TEST(TableFuzzCorpus, SeedsWrittenFromTheFormatDescriptionLoad)
{
    QDir dir(QStringLiteral(DATOLUX_FUZZ_CORPUS));
    for (const char *name : {"empty.fox", "small.fox", "folders.fox", "wide_codes.fox"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        TableData table;
        QString reason;
        EXPECT_TRUE(TableFile::decode(file.readAll(), table, &reason)) << name << ": " << reason.toStdString();
    }
    QFile small(dir.filePath(QStringLiteral("small.fox")));
    ASSERT_TRUE(small.open(QIODevice::ReadOnly));
    TableData table;
    QString reason;
    ASSERT_TRUE(TableFile::decode(small.readAll(), table, &reason));
    ASSERT_EQ(table.flatList().size(), 3u);
    EXPECT_EQ(table.liveRowCount(), 3u);
    EXPECT_EQ(table.value(table.flatList()[0], 2).toString(), QStringLiteral("Müller"));
    EXPECT_EQ(table.value(table.flatList()[1], 2).toLongLong(), qlonglong(1) << 40);
    EXPECT_TRUE(table.flatList()[1]->column->isMarked(2));
    EXPECT_TRUE(table.isRowMarked(2));
    for (const char *name : {"newer.fox", "truncated.fox", "foreign.txt"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        TableData refused;
        EXPECT_FALSE(TableFile::decode(file.readAll(), refused, &reason)) << name;
    }
}
