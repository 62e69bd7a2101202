// Column lookup, subsets and the mapping of declared types to DAO field types.
#include "Snapshot.h"

#include <QRegularExpression>

namespace dao {

int Snapshot::columnIndex(QStringView name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (name.compare(columns[i].name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Snapshot Snapshot::subset(const QList<qsizetype> &rows) const
{
    Snapshot s;
    s.columns = columns;
    s.rowCount = rows.size();
    s.values.reserve(rows.size() * columns.size());
    for (qsizetype r : rows)
        for (int c = 0; c < columns.size(); ++c)
            s.values.append(at(r, c));
    return s;
}

void Snapshot::describe(SnapshotColumn &column, const QVariant &sample)
{
    static const QRegularExpression text(QStringLiteral("^TEXT\\((\\d+)\\)$"));
    const QRegularExpressionMatch m = text.match(column.declType);
    if (m.hasMatch()) {
        column.type = dbText;
        column.size = m.captured(1).toInt();
    } else if (column.declType == QLatin1String("MEMO")) {
        column.type = dbMemo;
        column.size = 0;
    } else if (column.declType == QLatin1String("DATE")) {
        column.type = dbDate;
        column.size = 8;
    } else if (column.declType == QLatin1String("BOOLEAN")) {
        column.type = dbBoolean;
        column.size = 1;
    } else if (column.declType == QLatin1String("INTEGER")) {
        column.type = dbLong;
        column.size = 4;
    } else if (column.declType.startsWith(QLatin1String("NUMERIC"))) {
        column.type = dbDouble;
        column.size = 8;
    } else if (sample.typeId() == QMetaType::LongLong) {
        column.type = dbLong;
        column.size = 4;
    } else if (sample.typeId() == QMetaType::Double) {
        column.type = dbDouble;
        column.size = 8;
    } else {
        column.type = dbText;
        column.size = 255;
    }
}

} // namespace dao
