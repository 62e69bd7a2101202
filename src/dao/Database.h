// A DAO database over a folder of dBase files: every file is the table "name#ext" (in SQL written
// [name#ext]), queried with OpenRecordset into snapshot recordsets.
#pragma once

#include "Recordset.h"

#include <QString>
#include <memory>

namespace dao {

class Connection;

enum RecordsetType { dbOpenTable = 1, dbOpenDynaset = 2, dbOpenSnapshot = 4, dbOpenForwardOnly = 8 };

class Database
{
public:
    explicit Database(std::shared_ptr<Connection> connection);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Runs a SELECT; every type gives a snapshot (the program reads only). Throws VbError with the
    // DAO number and a German description; a bad SQL text is an error, never a crash.
    std::unique_ptr<Recordset> OpenRecordset(const QString &sql, int type = dbOpenSnapshot);
    // The folder.
    QString Name() const;
    // Recordsets already opened stay usable; new queries raise 3420.
    void Close();
    bool isOpen() const { return m_connection != nullptr; }

private:
    std::shared_ptr<Connection> m_connection;
    QString m_name;
};

} // namespace dao
