// The record class of the contacts (upper table): opens the ACT! database and keeps it for the whole
// project, lets the user choose the contact fields, reads all contacts into the table, reloads a
// stored contact table, and builds an ACT! lookup of the selected contacts.
#pragma once

#include "RecordClassBase.h"
#include "actserver/ACTFields.h"

#include <QPointer>
#include <memory>

class QLabel;

namespace actserver {
class ACTDatabaseObject;
class ACTTable;
} // namespace actserver

namespace records {

class frmFelder;

class clKontakte final : public RecordClassBase
{
public:
    clKontakte();
    // Release: the field dialog unloaded, table and control emptied, the database closed, the
    // "ACTDB" panel cleared.
    ~clKontakte() override;

    // The open database, shared with the other ACT! record classes; null before OpenDatabase.
    std::shared_ptr<actserver::ACTDatabaseObject> ACTOLEDatabase() const { return m_database; }
    QString Databasename() const { return m_databasename; }
    QString Databasepath() const { return m_databasepath; }
    QString DatabaseUser() const { return m_databaseUser; }
    bool IsDatabaseOpen() const { return m_open; }
    int ACTDB_UserCount() const;
    // The name of user lIndex (1 to ACTDB_UserCount), "" outside or without a database.
    QString ACTDB_UserName(long lIndex) const;

    // Keeps the table control, the status panel and the "ACTDB" panel, and sets the table up.
    bool Init(InfoZoomControl *control, QLabel *status, QLabel *actInfo);
    // Opens a database file (a path) or the database open in ACT! (""), with the login of a
    // multi-user database. Every failure is one message box and false.
    bool OpenDatabase(const QString &sPath, const QString &sDatabaseUser, const QString &sDatabasePassword);
    // A contact lookup in the running ACT! of the contacts selected in the table.
    bool CreateACTSearch();
    // The field dialog; false when there is no database, its fields cannot be read, or the user
    // cancelled (the field arrays then describe the current table).
    bool SelectFields();
    // Reads every contact anew into the table.
    void ShowData();
    // Loads a stored contact table file and rebuilds the field arrays from its attributes.
    void LoadData(const QString &sFoxDatei);
    bool SourceFilesReadable() override;

    // The field-list procedures of the dialog.
    bool FillFieldList(frmFelder &dialog) override;
    void BuildFieldArrays(frmFelder &dialog) override;

protected:
    void assignRole(int i, const QString &importName) override;
    QVariant idValue(int i, const QString &text) override;

private:
    void closeDatabase();
    bool loginLoop();
    void connected();

    QPointer<QLabel> m_actInfo;
    bool m_open = false;
    QString m_databasename;
    QString m_databasepath;
    QString m_databaseUser;
    QString m_password;
    std::shared_ptr<actserver::ACTDatabaseObject> m_database;
    std::shared_ptr<actserver::ACTTable> m_contact;
    std::unique_ptr<actserver::ACTFields> m_fields;
};

} // namespace records
