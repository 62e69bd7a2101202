// The narrower questions of the application, answered by going through every record; a store over
// large files answers them from its indexes instead.
#include "ActAppStore.h"

#include "actserver/ActSchema.h"

#include <QSet>

namespace actserver {

QString paddedId(const QString &id)
{
    return id.size() >= ActSchema::kIdLength ? id : id.leftJustified(ActSchema::kIdLength, QLatin1Char(' '));
}

bool ActAppStore::contains(ActRecordKind kind, const QString &id)
{
    const QString wanted = paddedId(id);
    for (const QString &raw : recordIds(kind))
        if (paddedId(raw) == wanted)
            return true;
    return false;
}

QStringList ActAppStore::linkedRecords(ActRecordKind kind, int fieldId, const QString &ownerId)
{
    const QString owner = paddedId(ownerId);
    QStringList result;
    for (const QString &raw : recordIds(kind))
        if (paddedId(field(kind, raw, fieldId)) == owner)
            result.append(paddedId(raw));
    return result;
}

QStringList ActAppStore::inFileOrder(ActRecordKind kind, const QStringList &ids)
{
    QSet<QString> wanted;
    for (const QString &id : ids)
        wanted.insert(paddedId(id));
    QStringList result;
    for (const QString &raw : recordIds(kind))
        if (wanted.remove(paddedId(raw)))
            result.append(paddedId(raw));
    return result;
}

QList<QPair<QString, QString>> ActAppStore::relationsOf(char type, const QString &contactId, const QString &otherId)
{
    QList<QPair<QString, QString>> rows;
    for (const auto &row : relations(type))
        if ((contactId.isEmpty() || paddedId(row.first) == paddedId(contactId)) &&
            (otherId.isEmpty() || paddedId(row.second) == paddedId(otherId)))
            rows.append(row);
    return rows;
}

} // namespace actserver
