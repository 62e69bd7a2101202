// Size and time stamps of a file, and the conversion of file times into the program's date values.
// The file is opened for reading and writing as the ACT! tools did, so a read-only file (no write
// permission for anyone) or a missing one gives size -1 and time 0.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

struct statx;

namespace actlink {

// 100-nanosecond intervals since 1 January 1601 (UTC, or local after FileTimeToLocalFileTime).
struct FILETIME
{
    quint32 dwLowDateTime = 0;
    quint32 dwHighDateTime = 0;
};

struct SYSTEMTIME
{
    quint16 wYear = 0;
    quint16 wMonth = 0;
    quint16 wDayOfWeek = 0;
    quint16 wDay = 0;
    quint16 wHour = 0;
    quint16 wMinute = 0;
    quint16 wSecond = 0;
    quint16 wMilliseconds = 0;
};

namespace modAPIFilesAndPaths {

enum WhichTime { CreationTime = 0, LastAccessTime = 1, LastWriteTime = 2 };

// The missing date: 30.12.1899 0:00:00.
QDateTime NullDate();
bool IsNullDate(const QDateTime &date);

// A descriptor opened for reading and writing, or -1. The caller closes it (CloseHandle).
int GetFileHandle(const QString &path);
void CloseHandle(int handle);
// The low 32 bits of the size, or -1 when the file cannot be opened.
qint32 GetFileSize(const QString &path);
// which: 0 creation (the birth time where the file system keeps one, else 0), 1 last access,
// 2 last write. 0 (NullDate) when the file cannot be opened or which is out of range.
QDateTime GetFileTime(const QString &path, int which, bool local);
// With local, fileTime is first replaced by the local file time. NullDate when the time cannot be
// converted.
QDateTime WinTimeToVBATime(FILETIME &fileTime, bool local);
// Year, month, day, hour, minute, second; the milliseconds are dropped.
QDateTime SystemTimeToVBATime(const SYSTEMTIME &systemTime);

// Platform conversions the procedures above are built on.
FILETIME FileTimeFromUnix(qint64 seconds, qint64 nanoseconds);
bool FileTimeToLocalFileTime(const FILETIME &in, FILETIME *out);
bool FileTimeToSystemTime(const FILETIME &in, SYSTEMTIME *out);

// The statx call the file times are read with; nullptr restores the system's. Tests install one
// that behaves like a file system without birth times.
using StatxCall = int (*)(int dirfd, const char *path, int flags, unsigned int mask, struct statx *result);
void SetStatxCall(StatxCall call);

} // namespace modAPIFilesAndPaths

} // namespace actlink
