// Feeds one input to the dBase reader (every value of every record) and to the writer (append, delete).
#include "DbfFuzzOne.h"

#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <unistd.h>

namespace fuzzdbf {

namespace {

QString workDir()
{
    static const QString dir = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString d = QStringLiteral("%1/datolux_fuzz_dbf_%2").arg(base).arg(::getpid());
        QDir().mkpath(d);
        return d;
    }();
    return dir;
}

void writeFile(const QString &path, const char *data, size_t size)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data, qint64(size));
}

int readEverything(const QString &path)
{
    int values = 0;
    dbf::DbfTable t(path);
    const qint64 count = qMin<qint64>(t.recordCount(), 100000);
    for (qint64 i = 0; i < count; ++i) {
        dbf::DbfRecord r = t.record(i);
        values += r.isDeleted() ? 1 : 0;
        for (int f = 0; f < t.fieldCount(); ++f) {
            try {
                values += r.value(f).isNull() ? 0 : 1;
                (void)r.raw(f);
            } catch (const dbf::DbfError &) {
                // A damaged value must not stop the others from being read.
            }
        }
    }
    return values;
}

void writeSomething(const QString &path)
{
    dbf::DbfWriter w(path);
    const qint64 index = w.append({});
    w.setDeleted(index);
    w.setDeleted(index, false);
}

} // namespace

int runOne(const uint8_t *data, size_t size)
{
    const bool dBaseMemo = size > 0 && (data[0] & 1);
    size_t tableSize = size >= 3 ? size_t(data[1] | (data[2] << 8)) : 0;
    const size_t body = size >= 3 ? size - 3 : 0;
    tableSize = tableSize > body ? body : tableSize;
    const char *bytes = reinterpret_cast<const char *>(data) + (size >= 3 ? 3 : size);

    const QString table = workDir() + QStringLiteral("/t.dbf");
    const QString fpt = workDir() + QStringLiteral("/t.fpt");
    const QString dbt = workDir() + QStringLiteral("/t.dbt");
    QFile::remove(fpt);
    QFile::remove(dbt);
    writeFile(table, bytes, tableSize);
    writeFile(dBaseMemo ? dbt : fpt, bytes + tableSize, body - tableSize);

    int values = 0;
    try {
        values = readEverything(table);
    } catch (const dbf::DbfError &) {
    }
    try {
        writeSomething(table);
        values += readEverything(table);
    } catch (const dbf::DbfError &) {
    }
    return values;
}

} // namespace fuzzdbf
