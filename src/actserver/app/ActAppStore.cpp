// The narrower questions of the application, answered by going through every record; a store over
// large files answers them from its indexes instead.
#include "ActAppStore.h"

#include <QSet>

namespace actserver {

namespace {

QString padded(const QString &id)
{
    return id.size() < 12 ? id.leftJustified(12, QLatin1Char(' ')) : id;
}

} // namespace

bool ActAppStore::contains(ActRecordKind kind, const QString &id)
{
    const QString wanted = padded(id);
    for (const QString &raw : recordIds(kind))
        if (padded(raw) == wanted)
            return true;
    return false;
}

QStringList ActAppStore::linkedRecords(ActRecordKind kind, int fieldId, const QString &ownerId)
{
    const QString owner = padded(ownerId);
    QStringList result;
    for (const QString &raw : recordIds(kind))
        if (padded(field(kind, raw, fieldId)) == owner)
            result.append(padded(raw));
    return result;
}

QStringList ActAppStore::inFileOrder(ActRecordKind kind, const QStringList &ids)
{
    QSet<QString> wanted;
    for (const QString &id : ids)
        wanted.insert(padded(id));
    QStringList result;
    for (const QString &raw : recordIds(kind))
        if (wanted.remove(padded(raw)))
            result.append(padded(raw));
    return result;
}

QList<QPair<QString, QString>> ActAppStore::relationsOf(char type, const QString &contactId, const QString &otherId)
{
    QList<QPair<QString, QString>> rows;
    for (const auto &row : relations(type))
        if ((contactId.isEmpty() || padded(row.first) == padded(contactId)) &&
            (otherId.isEmpty() || padded(row.second) == padded(otherId)))
            rows.append(row);
    return rows;
}

} // namespace actserver
