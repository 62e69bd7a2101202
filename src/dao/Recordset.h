// A DAO snapshot recordset: the rows of a query fetched once, a current row, the record count as
// DAO reports it (rows visited so far, all of them after MoveLast), Filter and OpenRecordset().
#pragma once

#include "Snapshot.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>

namespace dao {

class Connection;

class Recordset
{
public:
    Recordset(std::shared_ptr<Connection> connection, std::shared_ptr<const Snapshot> snapshot);
    ~Recordset();
    Recordset(const Recordset &) = delete;
    Recordset &operator=(const Recordset &) = delete;

    // 0 for an empty recordset; otherwise the number of rows visited so far (1 after opening),
    // the full count once MoveLast reached the end, as DAO's snapshots count.
    long RecordCount() const;
    bool isEOF() const;
    bool isBOF() const;
    // Each throws VbError 3021 when there is no row to move to (MoveNext at EOF, MoveFirst on nothing).
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // 0-based position of the current row, -1 at BOF or EOF.
    long AbsolutePosition() const;

    int fieldCount() const;
    QString fieldName(int index) const;
    int fieldType(int index) const;
    int fieldSize(int index) const;
    // Throws VbError 3265 for an unknown field, 3021 without a current row.
    QVariant value(int index) const;
    QVariant value(const QString &name) const;
    int fieldIndex(const QString &name) const;

    QString Filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }
    // A new recordset of the rows that satisfy Filter (all rows when it is empty). A filter of the
    // form Field='text' is answered from a hash of that field's values, built on first use.
    std::unique_ptr<Recordset> OpenRecordset();

    void Close();
    bool isOpen() const { return m_snapshot != nullptr; }

private:
    void checkOpen() const;
    void checkCurrent() const;
    void moveTo(qsizetype row);
    bool equalityFilter(QList<qsizetype> *rows);

    std::shared_ptr<Connection> m_connection;
    std::shared_ptr<const Snapshot> m_snapshot;
    qsizetype m_row = 0; // -1 = BOF, rowCount = EOF
    qsizetype m_visited = 0;
    QString m_filter;
    QHash<int, QHash<QString, QList<qsizetype>>> m_hashes;
};

} // namespace dao
