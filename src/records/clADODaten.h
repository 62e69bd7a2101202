// The record class of external data: fills the lower table with the rows of an SQL query that an
// ODBC data source answers, one attribute per result column, reloads a stored table of that kind,
// and lets the user enter the connection string and the query.
#pragma once

#include "RecordClassBase.h"

#include <memory>

class QLabel;

namespace ado {
class Connection;
class Recordset;
} // namespace ado

namespace records {

class clADODaten final : public RecordClassBase
{
public:
    clADODaten();
    // Release: query and connection closed, table and control let go.
    ~clADODaten() override;

    // The frame's table set-up with the yellow scheme; the edit command of the main window resets
    // the emptied lower table with it.
    using RecordClassBase::Control_Init;

    // Plain texts; nothing is opened when they are set.
    QString ConnectionString() const { return m_connectionString; }
    void setConnectionString(const QString &value) { m_connectionString = value; }
    QString SQLString() const { return m_sqlString; }
    void setSQLString(const QString &value) { m_sqlString = value; }

    bool Init(InfoZoomControl *control, QLabel *status);
    // Learns the query's columns without its rows: names, FieldTypeCodes. Every failure is one message
    // box and false; connection and query stay open until ShowData or release.
    bool SetADOFields();
    // Runs the query and writes one row per record; nothing happens before SetADOFields.
    void ShowData();
    void LoadData(const QString &sFoxDatei);
    // The data source dialog with the current texts; true when the user confirmed a query and a
    // connection string (both are then taken).
    bool ADODatenquelleEingeben();

    // The record count of the last transfer.
    long RecordCount() const { return m_recordCount; }
    bool hasOpenConnection() const { return m_connection != nullptr; }
    bool hasOpenRecordset() const { return m_recordset != nullptr; }

protected:
    QString fieldKey(int i) const override { return ImportNameOf(m_fieldLabels.at(i)); }

private:
    void CloseADO();
    bool OpenConnection();
    // With columnsOnly only the query's columns are learned; no row is fetched.
    bool OpenRecordset(bool columnsOnly = false);
    void closeRecordset();
    // Steps 7 to 9 of ShowData; false when the user cancelled or reading the rows failed (reported).
    bool transferRows();
    void endWithCancel();

    long m_recordCount = 0;
    QString m_connectionString;
    QString m_sqlString;
    std::unique_ptr<ado::Connection> m_connection;
    std::unique_ptr<ado::Recordset> m_recordset;
};

} // namespace records
