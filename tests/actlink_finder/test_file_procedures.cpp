// File size and time stamps as the table reader's cache stamps read them: low 32 bits of the size,
// the read-and-write open rule, local time, and the conversions of file times.
#include "GTestScriptedUi.h"

#include "actlink/modAPIFilesAndPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace actlink;
using namespace actlink::modAPIFilesAndPaths;

namespace {

QString makeFile(const QTemporaryDir &dir, const QString &name, qint64 size)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.resize(size);
    return path;
}

void setWriteTime(const QString &path, qint64 unixSeconds)
{
    struct timespec times[2];
    times[0].tv_sec = times[1].tv_sec = time_t(unixSeconds);
    times[0].tv_nsec = times[1].tv_nsec = 0;
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// A file system that keeps no birth time: the real call, with the birth time taken out.
int statxWithoutBirthTime(int dirfd, const char *path, int flags, unsigned int mask, struct statx *result)
{
    const int rc = ::statx(dirfd, path, flags, mask, result);
    result->stx_mask &= ~STATX_BTIME;
    return rc;
}

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

} // namespace

TEST(FileProcedures, ALargeFileReportsTheLow32BitsOfItsSize)
{
    GTestScriptedUi ui;
    QTemporaryDir dir;
    const QString big = makeFile(dir, QStringLiteral("big.dbf"), 5000000000LL); // sparse
    EXPECT_EQ(GetFileSize(big), qint32(5000000000LL & 0xFFFFFFFF));
    EXPECT_EQ(GetFileSize(makeFile(dir, QStringLiteral("small.dbf"), 1234)), 1234);
}

TEST(FileProcedures, MissingAndReadOnlyFilesGiveMinusOneAndZeroTime)
{
    GTestScriptedUi ui;
    QTemporaryDir dir;
    EXPECT_EQ(GetFileSize(dir.filePath(QStringLiteral("fehlt.dbf"))), -1);
    EXPECT_TRUE(IsNullDate(GetFileTime(dir.filePath(QStringLiteral("fehlt.dbf")), LastWriteTime, true)));
    const QString readOnly = makeFile(dir, QStringLiteral("ro.dbf"), 10);
    ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    EXPECT_EQ(GetFileSize(readOnly), -1);
    EXPECT_TRUE(IsNullDate(GetFileTime(readOnly, LastWriteTime, false)));
    EXPECT_EQ(GetFileSize(dir.path()), -1); // a folder is not a file
}

TEST(FileProcedures, WhichOutsideZeroToTwoGivesZeroAndClosesTheHandle)
{
    GTestScriptedUi ui;
    QTemporaryDir dir;
    const QString file = makeFile(dir, QStringLiteral("t.dbf"), 10);
    const int before = openDescriptors();
    EXPECT_TRUE(IsNullDate(GetFileTime(file, 3, true)));
    EXPECT_TRUE(IsNullDate(GetFileTime(file, -1, false)));
    for (int i = 0; i < 20; ++i)
        GetFileSize(file);
    EXPECT_EQ(openDescriptors(), before);
}

TEST(FileProcedures, LastWriteTimeInCentralEuropeanWinterTime)
{
    GTestScriptedUi ui;
    QTemporaryDir dir;
    const QString file = makeFile(dir, QStringLiteral("t.dbf"), 10);
    // 15 January 2024, 12:00:00 UTC; the tests run with TZ=Europe/Berlin.
    setWriteTime(file, QDateTime(QDate(2024, 1, 15), QTime(12, 0), Qt::UTC).toSecsSinceEpoch());
    EXPECT_EQ(GetFileTime(file, LastWriteTime, true), QDateTime(QDate(2024, 1, 15), QTime(13, 0)));
    EXPECT_EQ(GetFileTime(file, LastWriteTime, false).time(), QTime(12, 0));
    EXPECT_EQ(GetFileTime(file, LastWriteTime, false).date(), QDate(2024, 1, 15));
    // Summer time gives two hours.
    setWriteTime(file, QDateTime(QDate(2024, 7, 15), QTime(12, 0), Qt::UTC).toSecsSinceEpoch());
    EXPECT_EQ(GetFileTime(file, LastWriteTime, true).time(), QTime(14, 0));
}

struct FileTimeCase
{
    const char *name;
    qint64 utcSeconds; // checked with date -u -d @seconds
    bool local;
    const char *expected;
};

// Berlin keeps summer time from 31.03.2024 02:00 to 27.10.2024 03:00 (local).
const FileTimeCase kFileTimeCases[] = {
    {"spring change day, local", 1711886400, true, "31.03.2024 14:00:00"}, // 12:00 UTC
    {"spring change day, not local", 1711886400, false, "31.03.2024 12:00:00"},
    {"spring change day, an hour local time skips", 1711852200, false, "31.03.2024 02:30:00"}, // 02:30 UTC
    {"spring change day, just after the change", 1711852200, true, "31.03.2024 04:30:00"},
    {"autumn change day, local", 1730030400, true, "27.10.2024 13:00:00"}, // 12:00 UTC
    {"autumn change day, not local", 1730030400, false, "27.10.2024 12:00:00"},
    {"autumn change day, the repeated hour", 1729992600, true, "27.10.2024 02:30:00"}, // 01:30 UTC
    {"ordinary day, local", 1705320000, true, "15.01.2024 13:00:00"},                  // 12:00 UTC
    {"ordinary day, not local", 1705320000, false, "15.01.2024 12:00:00"},
};

TEST(FileProcedures, FileTimesOnTheDaysTheClocksChange)
{
    ASSERT_EQ(qEnvironmentVariable("TZ"), QStringLiteral("Europe/Berlin"));
    GTestScriptedUi ui;
    QTemporaryDir dir;
    const QString file = makeFile(dir, QStringLiteral("t.dbf"), 10);
    for (const FileTimeCase &c : kFileTimeCases) {
        setWriteTime(file, c.utcSeconds);
        const QDateTime value = GetFileTime(file, LastWriteTime, c.local);
        EXPECT_TRUE(value.isValid()) << c.name;
        EXPECT_EQ(value.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")).toStdString(), c.expected) << c.name;
    }
}

TEST(FileProcedures, CreationTimeWithoutBirthTimeIsZero)
{
    GTestScriptedUi ui;
    QTemporaryDir dir;
    const QString file = makeFile(dir, QStringLiteral("t.dbf"), 10);
    SetStatxCall(statxWithoutBirthTime);
    const QDateTime local = GetFileTime(file, CreationTime, true);
    const QDateTime utc = GetFileTime(file, CreationTime, false);
    const QDateTime written = GetFileTime(file, LastWriteTime, true);
    SetStatxCall(nullptr);
    EXPECT_TRUE(IsNullDate(local)) << local.toString().toStdString();
    EXPECT_TRUE(IsNullDate(utc)) << utc.toString().toStdString();
    EXPECT_FALSE(IsNullDate(written));
}

TEST(FileProcedures, CreationTimeIsTheBirthTimeOrZero)
{
    GTestScriptedUi ui;
    QTemporaryDir dir;
    const QString file = makeFile(dir, QStringLiteral("t.dbf"), 10);
    const QDateTime created = GetFileTime(file, CreationTime, true);
    if (!IsNullDate(created)) {
        EXPECT_LE(qAbs(created.secsTo(QDateTime::currentDateTime())), 120);
    }
}

TEST(FileProcedures, FileTimesConvertToWholeSecondDates)
{
    GTestScriptedUi ui;
    FILETIME epoch = FileTimeFromUnix(0, 0);
    EXPECT_EQ((quint64(epoch.dwHighDateTime) << 32) | epoch.dwLowDateTime, 116444736000000000ULL);
    FILETIME t = FileTimeFromUnix(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC).toSecsSinceEpoch(), 987000000);
    SYSTEMTIME st;
    ASSERT_TRUE(FileTimeToSystemTime(t, &st));
    EXPECT_EQ(st.wMilliseconds, 987);
    EXPECT_EQ(st.wDayOfWeek, 6); // Saturday
    EXPECT_EQ(WinTimeToVBATime(t, false), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
    FILETIME local = t;
    EXPECT_EQ(WinTimeToVBATime(local, true), QDateTime(QDate(2001, 2, 3), QTime(5, 5, 6)));
    EXPECT_NE(local.dwLowDateTime, t.dwLowDateTime); // the caller's file time became the local one
    FILETIME bad;
    bad.dwHighDateTime = 0x80000000u;
    EXPECT_TRUE(IsNullDate(WinTimeToVBATime(bad, false)));
}

TEST(FileProcedures, SystemTimeCarriesOverLikeDateSerial)
{
    GTestScriptedUi ui;
    SYSTEMTIME st;
    st.wYear = 2023;
    st.wMonth = 13;
    st.wDay = 1;
    st.wHour = 25;
    EXPECT_EQ(SystemTimeToVBATime(st), QDateTime(QDate(2024, 1, 2), QTime(1, 0)));
    st.wYear = 10000;
    ui.expectMsgBox(platform::MsgIcon::None, QStringLiteral("Error: 6"));
    EXPECT_TRUE(IsNullDate(SystemTimeToVBATime(st)));
    EXPECT_EQ(ui.records().last().title, QStringLiteral("SystemTimeToVBATime"));
}
