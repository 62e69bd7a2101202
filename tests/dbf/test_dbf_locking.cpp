// The advisory lock: writers in two processes append after each other, and a reader in the process
// that holds a writer's batch does not wait for itself.
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace dbf;

TEST(DbfLocking, TwoProcessesAppendingAtOnceLoseNothing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.dbf"));
    DbfWriter::create(file, {DbfField::character(QStringLiteral("WHO"), 8), DbfField::memo(QStringLiteral("M"))});
    constexpr int kEach = 400;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    const char *who = child == 0 ? "child" : "parent";
    int failures = 0;
    try {
        DbfWriter w(file);
        for (int i = 0; i < kEach; ++i)
            w.append({QStringLiteral("%1%2").arg(QLatin1String(who).left(1)).arg(i), QStringLiteral("%1 %2").arg(QLatin1String(who)).arg(i)});
    } catch (...) {
        ++failures;
    }
    if (child == 0)
        ::_exit(failures);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(failures, 0);

    DbfTable t(file);
    ASSERT_EQ(t.recordCount(), 2 * kEach);
    QSet<QString> seen;
    for (qint64 i = 0; i < t.recordCount(); ++i) {
        const QString v = t.record(i).text(0).trimmed();
        const QString memo = t.record(i).value(1).toString();
        EXPECT_EQ(memo, (v.startsWith(u'c') ? QStringLiteral("child ") : QStringLiteral("parent ")) + v.mid(1)) << i;
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 2 * kEach);
}

TEST(DbfLocking, ReadingInsideAnOpenBatchOfTheSameProcessDoesNotHang)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.dbf"));
    DbfWriter::create(file, {DbfField::numeric(QStringLiteral("N"), 5)});
    DbfWriter w(file);
    DbfWriter::Batch batch(w);
    w.append({1});
    DbfTable t(file); // would wait for the batch's exclusive lock forever
    ASSERT_EQ(t.recordCount(), 1);
    EXPECT_EQ(t.record(0).value(0).toLongLong(), 1);
    w.append({2});
    t.refresh();
    EXPECT_EQ(t.recordCount(), 2);
}
