// The rows of a query, fetched once: column descriptions and values, row by row.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace dao {

// DAO's field type numbers.
enum DaoType { dbBoolean = 1, dbLong = 4, dbDouble = 7, dbDate = 8, dbText = 10, dbMemo = 12 };

struct SnapshotColumn
{
    QString name;
    QString declType; // the dBase column's declared SQL type ("TEXT(12)", "DATE", ...), "" for expressions
    int type = dbText;
    int size = 0;     // DAO Size: text width, 0 for memos, the byte size of other types
};

struct Snapshot
{
    QList<SnapshotColumn> columns;
    QList<QVariant> values; // row-major, columns.size() per row
    qsizetype rowCount = 0;

    const QVariant &at(qsizetype row, int column) const { return values[row * columns.size() + column]; }
    int columnIndex(QStringView name) const;
    // A snapshot holding the given rows of this one, in that order.
    Snapshot subset(const QList<qsizetype> &rows) const;

    // DAO type and size of a column from its declared type (and a sample value for expressions).
    static void describe(SnapshotColumn &column, const QVariant &sample);
};

} // namespace dao
