// POSIX rendering of the Windows file-time procedures: open/fstat/statx in place of CreateFile and
// GetFileTime; the time zone database in place of FileTimeToLocalFileTime.
#include "modAPIFilesAndPaths.h"

#include "platform/UiServices.h"

#include <QFile>
#include <QTimeZone>

#include <exception>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace actlink::modAPIFilesAndPaths {

namespace {

constexpr qint64 kTicksPerSecond = 10000000;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr qint64 kEpochDifference = 11644473600LL;

qint64 ticksOf(const FILETIME &ft)
{
    return qint64((quint64(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

FILETIME fromTicks(qint64 ticks)
{
    FILETIME ft;
    ft.dwLowDateTime = quint32(quint64(ticks) & 0xFFFFFFFFu);
    ft.dwHighDateTime = quint32(quint64(ticks) >> 32);
    return ft;
}

void reportError(const char *procedure, const std::exception &e)
{
    platform::ui().msgBox(QStringLiteral("Error: 5. %1").arg(QString::fromLocal8Bit(e.what())), platform::MsgIcon::None,
                          platform::MsgButtons::OK, QString::fromLatin1(procedure));
}

StatxCall g_statx = nullptr;

int callStatx(int dirfd, const char *path, int flags, unsigned int mask, struct statx *result)
{
    return g_statx ? g_statx(dirfd, path, flags, mask, result) : ::statx(dirfd, path, flags, mask, result);
}

// The times of an open file; times[0] (creation) is empty where the file system keeps no birth time.
bool fileTimes(int fd, std::optional<FILETIME> times[3])
{
    struct statx sx;
    if (callStatx(fd, "", AT_EMPTY_PATH, STATX_BTIME | STATX_ATIME | STATX_MTIME, &sx) == 0) {
        times[0].reset();
        if (sx.stx_mask & STATX_BTIME)
            times[0] = FileTimeFromUnix(sx.stx_btime.tv_sec, sx.stx_btime.tv_nsec);
        times[1] = FileTimeFromUnix(sx.stx_atime.tv_sec, sx.stx_atime.tv_nsec);
        times[2] = FileTimeFromUnix(sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec);
        return true;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return false;
    times[0].reset();
    times[1] = FileTimeFromUnix(st.st_atim.tv_sec, st.st_atim.tv_nsec);
    times[2] = FileTimeFromUnix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    return true;
}

} // namespace

QDateTime NullDate()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

bool IsNullDate(const QDateTime &date)
{
    return date.date() == QDate(1899, 12, 30) && date.time() == QTime(0, 0);
}

int GetFileHandle(const QString &path)
{
    try {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
        if (fd < 0)
            return -1;
        // Windows refuses write access to a file with the read-only attribute even to administrators;
        // a file that nobody may write stands for it here (root would otherwise get it).
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    } catch (const std::exception &e) {
        reportError("GetFileHandle", e);
        return 0;
    }
}

void CloseHandle(int handle)
{
    if (handle > 0)
        ::close(handle);
}

qint32 GetFileSize(const QString &path)
{
    try {
        const int fd = GetFileHandle(path);
        if (fd < 1)
            return -1;
        struct stat st;
        const bool ok = ::fstat(fd, &st) == 0;
        CloseHandle(fd);
        // Only the low 32 bits, as the program has always read them.
        return ok ? qint32(quint32(quint64(st.st_size) & 0xFFFFFFFFu)) : -1;
    } catch (const std::exception &e) {
        reportError("GetFileSize", e);
        return 0;
    }
}

QDateTime GetFileTime(const QString &path, int which, bool local)
{
    int fd = -1;
    try {
        fd = GetFileHandle(path);
        if (fd <= 0)
            return NullDate();
        std::optional<FILETIME> times[3];
        const bool ok = fileTimes(fd, times);
        CloseHandle(fd);
        fd = -1;
        // A time the file system does not keep is 0, not the first moment of 1601.
        if (!ok || which < 0 || which > 2 || !times[which])
            return NullDate();
        return WinTimeToVBATime(*times[which], local);
    } catch (const std::exception &e) {
        CloseHandle(fd);
        reportError("GetFileTime", e);
        return NullDate();
    }
}

QDateTime WinTimeToVBATime(FILETIME &fileTime, bool local)
{
    try {
        if (local) {
            FILETIME localTime;
            if (FileTimeToLocalFileTime(fileTime, &localTime))
                fileTime = localTime;
        }
        SYSTEMTIME st;
        if (!FileTimeToSystemTime(fileTime, &st))
            return NullDate();
        return SystemTimeToVBATime(st);
    } catch (const std::exception &e) {
        reportError("WinTimeToVBATime", e);
        return NullDate();
    }
}

QDateTime SystemTimeToVBATime(const SYSTEMTIME &st)
{
    // DateSerial and TimeSerial carry over out-of-range months, days and times instead of failing.
    const QDate date = QDate(st.wYear, 1, 1).addMonths(qint64(st.wMonth) - 1).addDays(qint64(st.wDay) - 1);
    if (st.wYear < 100 || st.wYear > 9999 || !date.isValid()) {
        platform::ui().msgBox(QStringLiteral("Error: 6. Überlauf"), platform::MsgIcon::None, platform::MsgButtons::OK,
                              QStringLiteral("SystemTimeToVBATime"));
        return NullDate();
    }
    // The time of day is set as it stands, never added to midnight: on the days the clocks change,
    // midnight and the time lie on different sides of the change.
    const qint64 seconds = qint64(st.wHour) * 3600 + qint64(st.wMinute) * 60 + st.wSecond;
    const QDate day = date.addDays(seconds / 86400);
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(seconds % 86400) * 1000);
    const QDateTime value(day, time);
    // A wall time that local time skips (a UTC time in the hour the clocks jump) exists only
    // without a time zone.
    return value.isValid() ? value : QDateTime(day, time, Qt::UTC);
}

void SetStatxCall(StatxCall call)
{
    g_statx = call;
}

FILETIME FileTimeFromUnix(qint64 seconds, qint64 nanoseconds)
{
    return fromTicks((seconds + kEpochDifference) * kTicksPerSecond + nanoseconds / 100);
}

bool FileTimeToLocalFileTime(const FILETIME &in, FILETIME *out)
{
    const qint64 ticks = ticksOf(in);
    if (ticks < 0)
        return false;
    const qint64 unixSeconds = ticks / kTicksPerSecond - kEpochDifference;
    // The offset in force at that moment (winter or summer time), not today's.
    const int offset = QTimeZone::systemTimeZone().offsetFromUtc(QDateTime::fromSecsSinceEpoch(unixSeconds, Qt::UTC));
    *out = fromTicks(ticks + qint64(offset) * kTicksPerSecond);
    return true;
}

bool FileTimeToSystemTime(const FILETIME &in, SYSTEMTIME *out)
{
    const qint64 ticks = ticksOf(in);
    if (ticks < 0)
        return false;
    const qint64 totalSeconds = ticks / kTicksPerSecond;
    const QDate date = QDate(1601, 1, 1).addDays(totalSeconds / 86400);
    const qint64 secondOfDay = totalSeconds % 86400;
    if (!date.isValid() || date.year() > 30827)
        return false;
    out->wYear = quint16(date.year());
    out->wMonth = quint16(date.month());
    out->wDayOfWeek = quint16(date.dayOfWeek() % 7);
    out->wDay = quint16(date.day());
    out->wHour = quint16(secondOfDay / 3600);
    out->wMinute = quint16(secondOfDay / 60 % 60);
    out->wSecond = quint16(secondOfDay % 60);
    out->wMilliseconds = quint16(ticks / 10000 % 1000);
    return true;
}

} // namespace actlink::modAPIFilesAndPaths
