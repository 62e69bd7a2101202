// In-memory database for the application-model tests.
#include "MemoryAppStore.h"

#include "platform/VbError.h"

using actserver::ActRecordKind;

MemoryAppStore::MemoryAppStore(const QString &path) : m_path(path)
{
    m_fields[int(ActRecordKind::Contact)] = {1, 2, 3, 18, 19, 25, 29};
    m_fields[int(ActRecordKind::Group)] = {1, 25, 26, 55, 56, 100};
    m_fields[int(ActRecordKind::Notes)] = {1, 6, 25, 26, 27, 28, 29, 30};
    m_fields[int(ActRecordKind::Sales)] = {1, 25, 27, 34};
    m_fields[int(ActRecordKind::Activity)] = {1, 25, 27, 28, 39, 40};
}

void MemoryAppStore::add(ActRecordKind kind, const QString &id, const Record &fields)
{
    Record r = fields;
    r[1] = id;
    m_tables[int(kind)].append(r);
}

MemoryAppStore::Record *MemoryAppStore::find(ActRecordKind kind, const QString &id)
{
    for (Record &r : m_tables[int(kind)])
        if (r.value(1).leftJustified(12, QLatin1Char(' ')) == id.leftJustified(12, QLatin1Char(' ')))
            return &r;
    return nullptr;
}

const MemoryAppStore::Record *MemoryAppStore::record(ActRecordKind kind, const QString &id) const
{
    return const_cast<MemoryAppStore *>(this)->find(kind, id);
}

void MemoryAppStore::write()
{
    if (failWrites)
        throw platform::VbError(-82, QStringLiteral("Schreibfehler"));
    ++writes;
}

QStringList MemoryAppStore::recordIds(ActRecordKind kind)
{
    QStringList ids;
    for (const Record &r : m_tables.value(int(kind)))
        ids.append(r.value(1));
    return ids;
}

bool MemoryAppStore::hasField(ActRecordKind kind, int fieldId) const
{
    return m_fields.value(int(kind)).contains(fieldId);
}

QString MemoryAppStore::field(ActRecordKind kind, const QString &id, int fieldId)
{
    const Record *r = find(kind, id);
    return r ? r->value(fieldId) : QString();
}

void MemoryAppStore::setField(ActRecordKind kind, const QString &id, int fieldId, const QString &value)
{
    write();
    if (Record *r = find(kind, id))
        (*r)[fieldId] = value;
}

QString MemoryAppStore::addRecord(ActRecordKind kind)
{
    write();
    const QString id = QStringLiteral("NEU%1").arg(m_nextId++, 9, 10, QLatin1Char('0'));
    add(kind, id);
    return id;
}

void MemoryAppStore::deleteRecord(ActRecordKind kind, const QString &id)
{
    write();
    m_tables[int(kind)].removeIf([&](const Record &r) {
        return r.value(1).leftJustified(12, QLatin1Char(' ')) == id.leftJustified(12, QLatin1Char(' '));
    });
}

QList<QPair<QString, QString>> MemoryAppStore::relations(char type)
{
    QList<QPair<QString, QString>> rows;
    for (const auto &[contact, other, t] : m_relations)
        if (t == type)
            rows.append({contact, other});
    return rows;
}

void MemoryAppStore::addRelation(const QString &contactId, const QString &otherId, char type)
{
    write();
    m_relations.append({contactId, otherId, type});
}

void MemoryAppStore::removeRelations(const QString &otherId, char type)
{
    write();
    m_relations.removeIf([&](const auto &row) {
        return std::get<2>(row) == type &&
               std::get<1>(row).leftJustified(12, QLatin1Char(' ')) == otherId.leftJustified(12, QLatin1Char(' '));
    });
}
