// Indexes of the open database's records, values read from the files, changes written through the
// dBase writer.
#include "ActDatabaseStore.h"

#include "ActAutomationError.h"
#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActUserFile.h"
#include "dbf/Cp1252.h"
#include "dbf/DbfError.h"
#include "dbf/DbfRecord.h"
#include "dbf/DbfTable.h"
#include "dbf/DbfWriter.h"
#include "platform/VbError.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cstring>
#include <functional>
#include <system_error>
#include <thread>

namespace actserver {

namespace {

constexpr int kIdLength = 12;
constexpr long kDBOpenFailed = -87;
constexpr long kDBAccessDenied = -108;
constexpr long kIOFailed = -82;

ActTableKind tableKind(ActRecordKind kind)
{
    switch (kind) {
    case ActRecordKind::Contact:
        return ActTableKind::Contact;
    case ActRecordKind::Group:
        return ActTableKind::Group;
    case ActRecordKind::Notes:
        return ActTableKind::Notes;
    case ActRecordKind::Sales:
        return ActTableKind::Sales;
    case ActRecordKind::Activity:
        return ActTableKind::Activity;
    }
    return ActTableKind::Contact;
}

// Width of the keys of a field: its column's, at least an ID's.
int keyWidth(const dbf::DbfTable &file, const ActFieldReader::Binding *b)
{
    if (b && b->column >= 0 && b->columnType == 'C')
        return qMax(kIdLength, file.fields().at(b->column).length);
    return kIdLength;
}

// Appends the key of the field of record (none: an empty one) to keys. A text column gives its
// bytes as they are stored, so that indexing decodes nothing.
void appendKey(ActKeyIndex &keys, const dbf::DbfTable &file, const dbf::DbfRecord &record,
               const ActFieldReader::Binding *b, QString &text)
{
    if (b && b->column >= 0 && b->columnType == 'C') {
        keys.append(record.raw(b->column));
        return;
    }
    text.clear();
    if (b)
        ActFieldReader::read(file, record, *b, text);
    keys.append(keys.keyOf(paddedId(text)));
}

// The window lists the notes, sales and activities of the contact it shows from the start: their
// links to the contact are indexed in the same pass as the IDs, other links when first asked for.
QList<int> contactLinkFields(ActTableKind kind)
{
    switch (kind) {
    case ActTableKind::Notes:
        return {ActLinkField::NoteContact};
    case ActTableKind::Sales:
        return {ActLinkField::SaleContact};
    case ActTableKind::Activity:
        return {ActLinkField::ActivityContact};
    default:
        return {};
    }
}

QString decoded(QByteArrayView key)
{
    return dbf::Cp1252::decode(key.data(), int(key.size()));
}

// A text as the value of a dBase column; throws platform::VbError for a text the column cannot hold.
QVariant columnValue(const dbf::DbfField &column, const QString &text, QTime *time)
{
    const QString t = text.trimmed();
    switch (column.type) {
    case 'N':
    case 'F': {
        if (t.isEmpty())
            return QVariant();
        bool ok = false;
        double v = QLocale(QLocale::German).toDouble(t, &ok);
        if (!ok)
            v = t.toDouble(&ok);
        if (!ok)
            throw platform::VbError(ActError::InvalidParameter, QStringLiteral("\"%1\" ist keine Zahl.").arg(text));
        return v;
    }
    case 'D': {
        if (t.isEmpty())
            return QVariant();
        const QStringList parts = t.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QDate date = QDate::fromString(parts.value(0), QStringLiteral("dd.MM.yyyy"));
        if (!date.isValid())
            date = QDate::fromString(parts.value(0), Qt::ISODate);
        if (!date.isValid())
            throw platform::VbError(ActError::InvalidParameter, QStringLiteral("\"%1\" ist kein Datum.").arg(text));
        if (time && parts.size() > 1)
            *time = QTime::fromString(parts.at(1), parts.at(1).size() > 5 ? QStringLiteral("hh:mm:ss")
                                                                          : QStringLiteral("hh:mm"));
        return date;
    }
    default:
        return text;
    }
}

} // namespace

ActDatabaseStore::ActDatabaseStore(const QString &contactFilePath, const QString &userName)
    : m_contactFile(contactFilePath)
{
    const ActDatabaseFiles files(contactFilePath);
    m_name = files.name();
    if (!QFileInfo(contactFilePath).isFile())
        throw platform::VbError(kDBOpenFailed,
                                QStringLiteral("Die ACT!-Datenbank \"%1\" wurde nicht gefunden.").arg(contactFilePath));
    QList<ActUser> users;
    QString error;
    if (!ActUserFile::read(files.usersFile(), &users, &error))
        throw platform::VbError(kDBOpenFailed, error);
    const ActUser *user = users.isEmpty() ? nullptr : &users.first();
    if (!userName.isEmpty()) {
        user = nullptr;
        for (const ActUser &u : users)
            if (u.name.compare(userName, Qt::CaseInsensitive) == 0)
                user = &u;
        if (!user)
            throw platform::VbError(kDBAccessDenied,
                                    QStringLiteral("Der ACT!-Benutzer \"%1\" ist in der Datenbank nicht bekannt.")
                                        .arg(userName));
    }
    if (user) {
        m_userId = user->uniqueId;
        m_userName = user->name;
    }
    for (ActRecordKind kind : {ActRecordKind::Contact, ActRecordKind::Group, ActRecordKind::Notes, ActRecordKind::Sales,
                               ActRecordKind::Activity}) {
        Table &t = m_tables.emplace_back();
        t.kind = tableKind(kind);
        t.path = files.tableFile(t.kind);
    }
    m_relationPath = files.tableFile(ActTableKind::Relation);
    try {
        indexAll();
    } catch (const dbf::DbfError &e) {
        throw platform::VbError(kDBOpenFailed, QStringLiteral("Die ACT!-Datenbank \"%1\" kann nicht gelesen werden: %2")
                                                   .arg(contactFilePath, QString::fromLocal8Bit(e.what())));
    }
    if (!m_tables.front().exists)
        throw platform::VbError(kDBOpenFailed,
                                QStringLiteral("Die ACT!-Datenbank \"%1\" kann nicht gelesen werden.").arg(contactFilePath));
}

ActDatabaseStore::~ActDatabaseStore() = default;

ActDatabaseStore::Table &ActDatabaseStore::table(ActRecordKind kind) { return m_tables[int(kind)]; }

const ActDatabaseStore::Table &ActDatabaseStore::table(ActRecordKind kind) const { return m_tables[int(kind)]; }

// Each table reads a file of its own, so they are indexed side by side.
void ActDatabaseStore::indexAll()
{
    std::vector<std::function<void()>> jobs;
    for (Table &t : m_tables)
        jobs.emplace_back([this, &t] { index(t); });
    jobs.emplace_back([this] { indexRelations(); });
    std::vector<std::exception_ptr> failures(jobs.size());
    const auto run = [&](size_t i) {
        try {
            jobs[i]();
        } catch (...) {
            failures[i] = std::current_exception();
        }
    };
    std::vector<std::thread> helpers;
    for (size_t i = 1; i < jobs.size(); ++i) {
        try {
            helpers.emplace_back(run, i);
        } catch (const std::system_error &) {
            run(i); // without a thread it is done here
        }
    }
    run(0);
    for (std::thread &helper : helpers)
        helper.join();
    for (const std::exception_ptr &failure : failures)
        if (failure)
            std::rethrow_exception(failure);
}

void ActDatabaseStore::index(Table &t)
{
    t.records.clear();
    t.links.clear();
    t.file.reset();
    t.ids = ActKeyIndex(kIdLength);
    t.exists = QFileInfo(t.path).isFile();
    if (!t.exists)
        return;
    t.file = std::make_unique<dbf::DbfTable>(t.path);
    dbf::DbfTable &file = *t.file;
    t.bindings = ActFieldReader::bind(ActSchema::table(t.kind), file, &t.available);
    const int idBinding = bindingOf(t, 1);
    const ActFieldReader::Binding *id = idBinding >= 0 ? &t.bindings.at(idBinding) : nullptr;
    t.ids = ActKeyIndex(keyWidth(file, id));
    t.ids.reserve(file.recordCount());
    QList<QPair<const ActFieldReader::Binding *, ActKeyIndex *>> links;
    for (int fieldId : contactLinkFields(t.kind)) {
        const int b = bindingOf(t, fieldId);
        if (b < 0)
            continue;
        ActKeyIndex &keys = t.links.emplace(fieldId, ActKeyIndex(keyWidth(file, &t.bindings.at(b)))).first->second;
        keys.reserve(file.recordCount());
        links.append({&t.bindings.at(b), &keys});
    }
    t.records.reserve(size_t(file.recordCount()));
    file.setReadAhead(true);
    QString text;
    for (qint64 i = 0; i < file.recordCount(); ++i) {
        const dbf::DbfRecord record = file.record(i);
        if (record.isDeleted())
            continue;
        t.records.push_back(quint32(i));
        appendKey(t.ids, file, record, id, text);
        for (const auto &[binding, keys] : links)
            appendKey(*keys, file, record, binding, text);
    }
    file.setReadAhead(false);
    // Hashed here, where the tables are indexed side by side, rather than at the first lookup.
    t.ids.build();
    for (auto &[fieldId, keys] : t.links)
        keys.build();
}

const ActKeyIndex &ActDatabaseStore::linkIndex(Table &t, int binding)
{
    const ActFieldReader::Binding &b = t.bindings.at(binding);
    const auto known = t.links.find(b.def->id);
    if (known != t.links.end())
        return known->second;
    ActKeyIndex keys(keyWidth(*t.file, &b));
    keys.reserve(qsizetype(t.records.size()));
    t.file->setReadAhead(true);
    try {
        QString text;
        for (quint32 record : t.records)
            appendKey(keys, *t.file, t.file->record(record), &b, text);
    } catch (const dbf::DbfError &e) {
        // The file was damaged after the database opened: no record links to anything.
        qWarning("ACT!: %s", e.what());
        keys = ActKeyIndex(keys.width());
    }
    t.file->setReadAhead(false);
    keys.build();
    return t.links.emplace(b.def->id, std::move(keys)).first->second;
}

void ActDatabaseStore::indexRelations()
{
    Relations &r = m_relations;
    r = Relations();
    r.byContact = ActKeyIndex(1 + kIdLength);
    r.byOther = ActKeyIndex(1 + kIdLength);
    if (QFileInfo(m_relationPath).isFile()) {
        r.file = std::make_unique<dbf::DbfTable>(m_relationPath);
        dbf::DbfTable &file = *r.file;
        r.contactColumn = file.fieldIndex(u"FIELD1");
        r.otherColumn = file.fieldIndex(u"FIELD2");
        r.typeColumn = file.fieldIndex(u"TYPE");
    }
    if (r.contactColumn >= 0 && r.otherColumn >= 0 && r.typeColumn >= 0) {
        dbf::DbfTable &file = *r.file;
        r.byContact = ActKeyIndex(1 + qMax(kIdLength, file.fields().at(r.contactColumn).length));
        r.byOther = ActKeyIndex(1 + qMax(kIdLength, file.fields().at(r.otherColumn).length));
        file.setReadAhead(true);
        r.records.reserve(size_t(file.recordCount()));
        r.byContact.reserve(file.recordCount());
        r.byOther.reserve(file.recordCount());
        QByteArray key(qMax(r.byContact.width(), r.byOther.width()), ' ');
        for (qint64 i = 0; i < file.recordCount(); ++i) {
            const dbf::DbfRecord record = file.record(i);
            if (record.isDeleted())
                continue;
            const QByteArrayView type = record.raw(r.typeColumn).trimmed();
            r.records.push_back(quint32(i));
            for (const auto &[keys, column] :
                 {std::pair(&r.byContact, r.contactColumn), std::pair(&r.byOther, r.otherColumn)}) {
                const QByteArrayView id = record.raw(column);
                key[0] = type.isEmpty() ? ' ' : type.at(0);
                std::memcpy(key.data() + 1, id.data(), size_t(id.size()));
                keys->append(QByteArrayView(key).first(1 + id.size()));
            }
        }
        file.setReadAhead(false);
        r.byContact.build(); // the window asks by contact at once, by group only for changes
    }
}

int ActDatabaseStore::bindingOf(const Table &t, int fieldId) const
{
    for (int i = 0; i < t.bindings.size(); ++i)
        if (t.bindings.at(i).def->id == fieldId && t.available.value(i))
            return i;
    return -1;
}

int ActDatabaseStore::rowOf(const Table &t, const QString &id) const
{
    const std::vector<quint32> rows = t.ids.rowsOf(t.ids.keyOf(paddedId(id)));
    return rows.empty() ? -1 : int(rows.front());
}

QString ActDatabaseStore::read(const Table &t, int row, int binding) const
{
    QString text;
    try {
        ActFieldReader::read(*t.file, t.file->record(t.records.at(size_t(row))), t.bindings.at(binding), text);
    } catch (const dbf::DbfError &e) {
        qWarning("ACT!: %s", e.what());
        text.clear();
    }
    return text;
}

QString ActDatabaseStore::idAt(const Table &t, qsizetype row) const
{
    return decoded(t.ids.key(row));
}

QStringList ActDatabaseStore::idsOfRows(const Table &t, std::vector<quint32> rows) const
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QStringList ids;
    ids.reserve(qsizetype(rows.size()));
    for (quint32 row : rows)
        ids.append(paddedId(idAt(t, row)));
    return ids;
}

QStringList ActDatabaseStore::recordIds(ActRecordKind kind)
{
    const Table &t = table(kind);
    QStringList ids;
    ids.reserve(t.ids.size());
    for (qsizetype row = 0; row < t.ids.size(); ++row)
        ids.append(idAt(t, row));
    return ids;
}

int ActDatabaseStore::recordCount(ActRecordKind kind)
{
    return int(table(kind).records.size());
}

bool ActDatabaseStore::contains(ActRecordKind kind, const QString &id)
{
    return rowOf(table(kind), id) >= 0;
}

QStringList ActDatabaseStore::linkedRecords(ActRecordKind kind, int fieldId, const QString &ownerId)
{
    Table &t = table(kind);
    const int b = bindingOf(t, fieldId);
    if (!t.exists || b < 0)
        return QStringList();
    const ActKeyIndex &keys = linkIndex(t, b);
    return idsOfRows(t, keys.rowsOf(keys.keyOf(paddedId(ownerId))));
}

QStringList ActDatabaseStore::inFileOrder(ActRecordKind kind, const QStringList &ids)
{
    const Table &t = table(kind);
    std::vector<quint32> rows;
    for (const QString &id : ids)
        if (const int row = rowOf(t, id); row >= 0)
            rows.push_back(quint32(row));
    return idsOfRows(t, std::move(rows));
}

bool ActDatabaseStore::hasField(ActRecordKind kind, int fieldId) const
{
    const Table &t = table(kind);
    if (!t.exists)
        return ActSchema::table(tableKind(kind)).field(qint16(fieldId)) != nullptr;
    return bindingOf(t, fieldId) >= 0;
}

QString ActDatabaseStore::field(ActRecordKind kind, const QString &id, int fieldId)
{
    const Table &t = table(kind);
    const int row = rowOf(t, id);
    const int b = bindingOf(t, fieldId);
    return row >= 0 && b >= 0 ? read(t, row, b) : QString();
}

void ActDatabaseStore::writeFailed(const QString &path, const QString &why) const
{
    throw platform::VbError(kIOFailed, QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden: %2").arg(path, why));
}

void ActDatabaseStore::setField(ActRecordKind kind, const QString &id, int fieldId, const QString &value)
{
    Table &t = table(kind);
    const int row = rowOf(t, id);
    const int b = bindingOf(t, fieldId);
    if (row < 0 || b < 0 || t.bindings.at(b).column < 0)
        throw platform::VbError(ActError::InvalidField,
                                QStringLiteral("Das Feld %1 kann nicht geschrieben werden.").arg(fieldId));
    const ActFieldReader::Binding &binding = t.bindings.at(b);
    try {
        dbf::DbfWriter writer(t.path);
        QTime time;
        const QVariant v = columnValue(writer.fields().at(binding.column), value, binding.timeColumn >= 0 ? &time : nullptr);
        dbf::DbfWriter::Batch batch(writer);
        writer.setValue(t.records.at(size_t(row)), binding.column, v);
        if (binding.timeColumn >= 0)
            writer.setValue(t.records.at(size_t(row)), binding.timeColumn,
                            time.isValid() ? time.toString(QStringLiteral("hh:mm:ss")) : QString());
    } catch (const dbf::DbfError &e) {
        writeFailed(t.path, QString::fromLocal8Bit(e.what()));
    }
    // What was read of the file before is stale now; an index of the field is rebuilt when asked for.
    if (fieldId == 1) {
        index(t);
    } else {
        t.links.erase(fieldId);
        t.file->refresh();
    }
}

QString ActDatabaseStore::newId()
{
    // Time and a counter in base 36: unique within this database for any realistic rate of new records.
    QString id = QStringLiteral("DX") + QString::number(QDateTime::currentMSecsSinceEpoch(), 36).toUpper().right(7) +
                 QString::number(m_idCounter++ % (36 * 36 * 36), 36).toUpper().rightJustified(3, QLatin1Char('0'));
    return id.left(kIdLength);
}

QString ActDatabaseStore::addRecord(ActRecordKind kind)
{
    Table &t = table(kind);
    if (!t.exists)
        writeFailed(t.path, QStringLiteral("Die Tabelle fehlt."));
    QString id;
    do {
        id = newId();
    } while (rowOf(t, id) >= 0);
    try {
        dbf::DbfWriter writer(t.path);
        QVariantList values(writer.fields().size());
        const int idColumn = t.bindings.value(bindingOf(t, 1)).column;
        if (idColumn >= 0)
            values[idColumn] = id;
        for (const ActFieldReader::Binding &b : t.bindings)
            if (b.column >= 0 && qstrcmp(b.def->label, "Erstellt am") == 0 && writer.fields().at(b.column).type == 'D')
                values[b.column] = QDate::currentDate();
        writer.append(values);
    } catch (const dbf::DbfError &e) {
        writeFailed(t.path, QString::fromLocal8Bit(e.what()));
    }
    index(t);
    return id;
}

void ActDatabaseStore::deleteRecord(ActRecordKind kind, const QString &id)
{
    Table &t = table(kind);
    const int row = rowOf(t, id);
    if (row < 0)
        return;
    try {
        dbf::DbfWriter writer(t.path);
        writer.setDeleted(t.records.at(size_t(row)));
    } catch (const dbf::DbfError &e) {
        writeFailed(t.path, QString::fromLocal8Bit(e.what()));
    }
    index(t);
}

QByteArray ActDatabaseStore::relationKey(const ActKeyIndex &index, char type, const QString &id) const
{
    return index.keyOf(QString(QLatin1Char(type)) + paddedId(id));
}

QPair<QString, QString> ActDatabaseStore::relationAt(qsizetype row) const
{
    return {decoded(m_relations.byContact.key(row).sliced(1)), decoded(m_relations.byOther.key(row).sliced(1))};
}

QList<QPair<QString, QString>> ActDatabaseStore::relations(char type)
{
    return relationsOf(type, QString(), QString());
}

QList<QPair<QString, QString>> ActDatabaseStore::relationsOf(char type, const QString &contactId,
                                                             const QString &otherId)
{
    const Relations &r = m_relations;
    const QByteArray otherKey = otherId.isEmpty() ? QByteArray() : relationKey(r.byOther, type, otherId);
    std::vector<quint32> rows;
    if (!contactId.isEmpty()) {
        rows = r.byContact.rowsOf(relationKey(r.byContact, type, contactId));
    } else if (!otherId.isEmpty()) {
        rows = r.byOther.rowsOf(otherKey);
    } else {
        for (qsizetype row = 0; row < r.byContact.size(); ++row)
            if (r.byContact.key(row).at(0) == type)
                rows.push_back(quint32(row));
    }
    QList<QPair<QString, QString>> result;
    for (quint32 row : rows)
        if (otherId.isEmpty() || r.byOther.key(row) == otherKey)
            result.append(relationAt(row));
    return result;
}

void ActDatabaseStore::addRelation(const QString &contactId, const QString &otherId, char type)
{
    try {
        dbf::DbfWriter writer(m_relationPath);
        QVariantList values(writer.fields().size());
        const dbf::DbfFieldList &fields = writer.fields();
        for (int i = 0; i < fields.size(); ++i) {
            if (fields.at(i).name.compare(QLatin1String("FIELD1"), Qt::CaseInsensitive) == 0)
                values[i] = paddedId(contactId);
            else if (fields.at(i).name.compare(QLatin1String("FIELD2"), Qt::CaseInsensitive) == 0)
                values[i] = paddedId(otherId);
            else if (fields.at(i).name.compare(QLatin1String("TYPE"), Qt::CaseInsensitive) == 0)
                values[i] = QString(QLatin1Char(type));
        }
        writer.append(values);
    } catch (const dbf::DbfError &e) {
        writeFailed(m_relationPath, QString::fromLocal8Bit(e.what()));
    }
    indexRelations();
}

void ActDatabaseStore::removeRelations(const QString &otherId, char type)
{
    const Relations &r = m_relations;
    const std::vector<quint32> rows = r.byOther.rowsOf(relationKey(r.byOther, type, otherId));
    try {
        dbf::DbfWriter writer(m_relationPath);
        dbf::DbfWriter::Batch batch(writer);
        for (quint32 row : rows)
            writer.setDeleted(r.records.at(row));
    } catch (const dbf::DbfError &e) {
        writeFailed(m_relationPath, QString::fromLocal8Bit(e.what()));
    }
    indexRelations();
}

} // namespace actserver
