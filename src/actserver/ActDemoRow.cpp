// Builds the dBase columns of one ACT! table and fills records by field id.
#include "ActDemoRow.h"

namespace actserver {

namespace {

dbf::DbfField columnOf(const ActFieldDef &f)
{
    const QString name = QString::fromLatin1(f.column);
    switch (f.dbfType) {
    case 'N':
        return dbf::DbfField::numeric(name, f.length, f.decimals);
    case 'D':
        return dbf::DbfField::date(name);
    case 'M':
        return dbf::DbfField::memo(name);
    default:
        return dbf::DbfField::character(name, f.length);
    }
}

} // namespace

ActDemoRow::ActDemoRow(ActTableKind kind)
{
    const ActTableDef &def = ActSchema::table(kind);
    for (const ActFieldDef &f : def.fields) {
        if (!f.column)
            continue;
        m_columnOfField.insert(f.id, int(m_columns.size()));
        m_columns.append(columnOf(f));
        if (f.timeColumn) {
            m_timeColumnOfField.insert(f.id, int(m_columns.size()));
            m_columns.append(dbf::DbfField::character(QString::fromLatin1(f.timeColumn), 8));
        }
    }
    for (const ActFieldDef &f : def.plainColumns)
        m_columns.append(columnOf(f));
    clear();
}

void ActDemoRow::clear()
{
    m_values = QVariantList(m_columns.size());
}

void ActDemoRow::set(qint16 fieldId, const QVariant &value)
{
    Q_ASSERT(m_columnOfField.contains(fieldId));
    m_values[m_columnOfField.value(fieldId)] = value;
}

void ActDemoRow::setDateTime(qint16 fieldId, const QDateTime &when)
{
    set(fieldId, when.date());
    Q_ASSERT(m_timeColumnOfField.contains(fieldId));
    m_values[m_timeColumnOfField.value(fieldId)] = when.time().toString(QStringLiteral("hh:mm:ss"));
}

void ActDemoRow::setColumn(const char *column, const QVariant &value)
{
    m_values[dbf::indexOfField(m_columns, QString::fromLatin1(column))] = value;
}

} // namespace actserver
