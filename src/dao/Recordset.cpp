// Navigation, field access and filtering of a snapshot recordset.
#include "Recordset.h"

#include "Connection.h"
#include "DaoErrors.h"

#include <QRegularExpression>

namespace dao {

Recordset::Recordset(std::shared_ptr<Connection> connection, std::shared_ptr<const Snapshot> snapshot)
    : m_connection(std::move(connection)), m_snapshot(std::move(snapshot))
{
    m_row = 0;
    m_visited = m_snapshot->rowCount > 0 ? 1 : 0;
}

Recordset::~Recordset() = default;

void Recordset::checkOpen() const
{
    if (!m_snapshot)
        raise(ErrObjectInvalid, QStringLiteral("Objekt ist ungültig oder nicht mehr festgelegt."));
}

void Recordset::checkCurrent() const
{
    checkOpen();
    if (m_row < 0 || m_row >= m_snapshot->rowCount)
        raise(ErrNoCurrentRecord, QStringLiteral("Kein aktueller Datensatz."));
}

long Recordset::RecordCount() const
{
    checkOpen();
    return long(m_visited);
}

bool Recordset::isEOF() const
{
    checkOpen();
    return m_row >= m_snapshot->rowCount;
}

bool Recordset::isBOF() const
{
    checkOpen();
    return m_row < 0 || m_snapshot->rowCount == 0;
}

long Recordset::AbsolutePosition() const
{
    checkOpen();
    return (m_row < 0 || m_row >= m_snapshot->rowCount) ? -1 : long(m_row);
}

void Recordset::moveTo(qsizetype row)
{
    m_row = row;
    if (row >= 0 && row < m_snapshot->rowCount)
        m_visited = qMax(m_visited, row + 1);
}

void Recordset::MoveFirst()
{
    checkOpen();
    if (m_snapshot->rowCount == 0)
        raise(ErrNoCurrentRecord, QStringLiteral("Kein aktueller Datensatz."));
    moveTo(0);
}

void Recordset::MoveLast()
{
    checkOpen();
    if (m_snapshot->rowCount == 0)
        raise(ErrNoCurrentRecord, QStringLiteral("Kein aktueller Datensatz."));
    moveTo(m_snapshot->rowCount - 1);
}

void Recordset::MoveNext()
{
    checkOpen();
    if (m_row >= m_snapshot->rowCount)
        raise(ErrNoCurrentRecord, QStringLiteral("Kein aktueller Datensatz."));
    moveTo(m_row + 1);
}

void Recordset::MovePrevious()
{
    checkOpen();
    if (m_row < 0 || m_snapshot->rowCount == 0)
        raise(ErrNoCurrentRecord, QStringLiteral("Kein aktueller Datensatz."));
    moveTo(m_row - 1);
}

int Recordset::fieldCount() const
{
    checkOpen();
    return int(m_snapshot->columns.size());
}

int Recordset::fieldIndex(const QString &name) const
{
    checkOpen();
    const int i = m_snapshot->columnIndex(name);
    if (i < 0)
        raise(ErrItemNotFound, QStringLiteral("Element in dieser Auflistung nicht gefunden. (%1)").arg(name));
    return i;
}

QString Recordset::fieldName(int index) const
{
    checkOpen();
    if (index < 0 || index >= m_snapshot->columns.size())
        raise(ErrItemNotFound, QStringLiteral("Element in dieser Auflistung nicht gefunden. (%1)").arg(index));
    return m_snapshot->columns[index].name;
}

int Recordset::fieldType(int index) const
{
    fieldName(index);
    return m_snapshot->columns[index].type;
}

int Recordset::fieldSize(int index) const
{
    fieldName(index);
    return m_snapshot->columns[index].size;
}

QVariant Recordset::value(int index) const
{
    fieldName(index);
    checkCurrent();
    return m_snapshot->at(m_row, index);
}

QVariant Recordset::value(const QString &name) const
{
    return value(fieldIndex(name));
}

bool Recordset::equalityFilter(QList<qsizetype> *rows)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*\\(?\\s*(?:\\[[^\\]]*\\]\\.|\\w+\\.)?(?:\\[([^\\]]+)\\]|(\\w+))\\s*=\\s*'((?:[^']|'')*)'\\s*\\)?\\s*$"));
    const QRegularExpressionMatch m = pattern.match(m_filter);
    if (!m.hasMatch())
        return false;
    const int column = m_snapshot->columnIndex(m.captured(1).isEmpty() ? m.captured(2) : m.captured(1));
    if (column < 0 || m_snapshot->columns[column].type != dbText)
        return false;
    auto it = m_hashes.find(column);
    if (it == m_hashes.end()) {
        QHash<QString, QList<qsizetype>> hash;
        for (qsizetype r = 0; r < m_snapshot->rowCount; ++r) {
            const QVariant &v = m_snapshot->at(r, column);
            if (v.typeId() != QMetaType::QString)
                return false; // a text column holding other values: let SQL compare them
            hash[v.toString()].append(r);
        }
        it = m_hashes.insert(column, hash);
    }
    *rows = it->value(m.captured(3).replace(QStringLiteral("''"), QStringLiteral("'")));
    return true;
}

std::unique_ptr<Recordset> Recordset::OpenRecordset()
{
    checkOpen();
    if (m_filter.trimmed().isEmpty())
        return std::make_unique<Recordset>(m_connection, m_snapshot);
    QList<qsizetype> rows;
    if (!equalityFilter(&rows))
        rows = m_connection->filterRows(*m_snapshot, m_filter);
    return std::make_unique<Recordset>(m_connection, std::make_shared<const Snapshot>(m_snapshot->subset(rows)));
}

void Recordset::Close()
{
    checkOpen();
    m_snapshot.reset();
    m_hashes.clear();
}

} // namespace dao
