// Tables of the open database held in memory, changes written through the dBase writer.
#include "ActDatabaseStore.h"

#include "ActAutomationError.h"
#include "actserver/ActDatabaseFiles.h"
#include "actserver/ActUserFile.h"
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

QString padded(const QString &id) { return id.size() < kIdLength ? id.leftJustified(kIdLength, QLatin1Char(' ')) : id; }

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
        Table t;
        t.kind = tableKind(kind);
        t.path = files.tableFile(t.kind);
        m_tables.append(t);
    }
    m_relationPath = files.tableFile(ActTableKind::Relation);
    try {
        for (Table &t : m_tables)
            load(t);
        loadRelations();
    } catch (const dbf::DbfError &e) {
        throw platform::VbError(kDBOpenFailed, QStringLiteral("Die ACT!-Datenbank \"%1\" kann nicht gelesen werden: %2")
                                                   .arg(contactFilePath, QString::fromLocal8Bit(e.what())));
    }
    if (!m_tables.first().exists)
        throw platform::VbError(kDBOpenFailed,
                                QStringLiteral("Die ACT!-Datenbank \"%1\" kann nicht gelesen werden.").arg(contactFilePath));
}

ActDatabaseStore::~ActDatabaseStore() = default;

ActDatabaseStore::Table &ActDatabaseStore::table(ActRecordKind kind) { return m_tables[int(kind)]; }

const ActDatabaseStore::Table &ActDatabaseStore::table(ActRecordKind kind) const { return m_tables[int(kind)]; }

void ActDatabaseStore::load(Table &t)
{
    t.ids.clear();
    t.rowOf.clear();
    t.recordIndex.clear();
    t.values.clear();
    t.exists = QFileInfo(t.path).isFile();
    if (!t.exists)
        return;
    dbf::DbfTable file(t.path);
    const ActTableDef &def = ActSchema::table(t.kind);
    t.bindings = ActFieldReader::bind(def, file, &t.available);
    const int idBinding = bindingOf(t, 1);
    QString text;
    for (qint64 i = 0; i < file.recordCount(); ++i) {
        const dbf::DbfRecord record = file.record(i);
        if (record.isDeleted())
            continue;
        QStringList row;
        row.reserve(t.bindings.size());
        for (const ActFieldReader::Binding &b : t.bindings) {
            ActFieldReader::read(file, record, b, text);
            row.append(text);
        }
        const QString id = idBinding >= 0 ? row.at(idBinding) : QString();
        t.rowOf.insert(padded(id), int(t.ids.size()));
        t.ids.append(id);
        t.recordIndex.append(i);
        t.values.append(row);
    }
}

void ActDatabaseStore::loadRelations()
{
    m_relations.clear();
    if (!QFileInfo(m_relationPath).isFile())
        return;
    dbf::DbfTable file(m_relationPath);
    const int f1 = file.fieldIndex(u"FIELD1");
    const int f2 = file.fieldIndex(u"FIELD2");
    const int type = file.fieldIndex(u"TYPE");
    if (f1 < 0 || f2 < 0 || type < 0)
        return;
    for (qint64 i = 0; i < file.recordCount(); ++i) {
        const dbf::DbfRecord record = file.record(i);
        if (record.isDeleted())
            continue;
        const QString t = record.text(type).trimmed();
        m_relations.append({record.text(f1), record.text(f2), t.isEmpty() ? ' ' : char(t.at(0).toLatin1()), i});
    }
}

int ActDatabaseStore::bindingOf(const Table &t, int fieldId) const
{
    for (int i = 0; i < t.bindings.size(); ++i)
        if (t.bindings.at(i).def->id == fieldId && t.available.value(i))
            return i;
    return -1;
}

int ActDatabaseStore::rowOf(const Table &t, const QString &id) const { return t.rowOf.value(padded(id), -1); }

QStringList ActDatabaseStore::recordIds(ActRecordKind kind) { return table(kind).ids; }

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
    return row >= 0 && b >= 0 ? t.values.at(row).at(b) : QString();
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
        writer.setValue(t.recordIndex.at(row), binding.column, v);
        if (binding.timeColumn >= 0)
            writer.setValue(t.recordIndex.at(row), binding.timeColumn,
                            time.isValid() ? time.toString(QStringLiteral("hh:mm:ss")) : QString());
    } catch (const dbf::DbfError &e) {
        writeFailed(t.path, QString::fromLocal8Bit(e.what()));
    }
    load(t);
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
    } while (t.rowOf.contains(padded(id)));
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
    load(t);
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
        writer.setDeleted(t.recordIndex.at(row));
    } catch (const dbf::DbfError &e) {
        writeFailed(t.path, QString::fromLocal8Bit(e.what()));
    }
    load(t);
}

QList<QPair<QString, QString>> ActDatabaseStore::relations(char type)
{
    QList<QPair<QString, QString>> rows;
    for (const Relation &r : m_relations)
        if (r.type == type)
            rows.append({r.contact, r.other});
    return rows;
}

void ActDatabaseStore::addRelation(const QString &contactId, const QString &otherId, char type)
{
    try {
        dbf::DbfWriter writer(m_relationPath);
        QVariantList values(writer.fields().size());
        const dbf::DbfFieldList &fields = writer.fields();
        for (int i = 0; i < fields.size(); ++i) {
            if (fields.at(i).name.compare(QLatin1String("FIELD1"), Qt::CaseInsensitive) == 0)
                values[i] = padded(contactId);
            else if (fields.at(i).name.compare(QLatin1String("FIELD2"), Qt::CaseInsensitive) == 0)
                values[i] = padded(otherId);
            else if (fields.at(i).name.compare(QLatin1String("TYPE"), Qt::CaseInsensitive) == 0)
                values[i] = QString(QLatin1Char(type));
        }
        writer.append(values);
    } catch (const dbf::DbfError &e) {
        writeFailed(m_relationPath, QString::fromLocal8Bit(e.what()));
    }
    loadRelations();
}

void ActDatabaseStore::removeRelations(const QString &otherId, char type)
{
    try {
        dbf::DbfWriter writer(m_relationPath);
        dbf::DbfWriter::Batch batch(writer);
        for (const Relation &r : m_relations)
            if (r.type == type && padded(r.other) == padded(otherId))
                writer.setDeleted(r.recordIndex);
    } catch (const dbf::DbfError &e) {
        writeFailed(m_relationPath, QString::fromLocal8Bit(e.what()));
    }
    loadRelations();
}

} // namespace actserver
