// One SQLite connection over a folder of dBase files: keeps a virtual table for every dBase file of
// the folder (renewed when a file appears, changes its fields or goes), runs queries into snapshots
// and filters snapshots. Shared by a database and its recordsets, so recordsets outlive Close().
#pragma once

#include "Snapshot.h"
#include "SnapshotVirtualTable.h"

#include <QDateTime>
#include <QHash>
#include <QString>

struct sqlite3;

namespace dao {

class Connection
{
public:
    // Throws VbError 3044 when the folder does not exist.
    explicit Connection(const QString &folder);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QString folder() const { return m_folder; }

    // Runs a SELECT and fetches all its rows. Throws VbError (number and German description).
    Snapshot query(const QString &sql);
    // The indexes of the snapshot's rows for which the Jet filter expression is true. Throws VbError.
    QList<qsizetype> filterRows(const Snapshot &snapshot, const QString &filter);

    // The table name a dBase file is known by in SQL: lower case, its extension joined with "#".
    static QString tableNameOf(const QString &fileName);

private:
    struct FileTable
    {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        QString signature; // the declared schema; a change re-creates the table
        QString error;     // why the file is not a table ("" when it is one)
        long errorNumber = 0; // the DAO number that error is raised with
    };

    void syncTables();
    void syncFile(const QString &tableName, const QString &path, qint64 size, const QDateTime &modified);
    void exec(const QString &sql);
    [[noreturn]] void raiseFor(const QString &message, const QString &sql) const;

    sqlite3 *m_db = nullptr;
    QString m_folder;
    QHash<QString, FileTable> m_tables;
    QHash<int, const Snapshot *> m_snapshots;
    SnapshotVirtualTable::Lookup m_lookup;
    int m_nextSnapshot = 1;
};

} // namespace dao
