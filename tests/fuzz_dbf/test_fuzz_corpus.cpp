// Replays the fuzz corpus (seed tables and every crash input ever found) through the reader and writer.
#include "DbfFuzzOne.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(DbfFuzzCorpus, EveryInputIsReadOrRefusedWithoutCrashing)
{
    const QDir dir(QStringLiteral(DATOLUX_FUZZ_CORPUS));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 5) << "corpus missing at " << DATOLUX_FUZZ_CORPUS;
    int readable = 0;
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        SCOPED_TRACE(name.toStdString());
        readable += fuzzdbf::runOne(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())) > 0;
    }
    // The seeds are valid tables with values: if none reads, the replay tests nothing.
    EXPECT_GE(readable, 3);
}
