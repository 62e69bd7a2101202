// The record class of the groups (lower table): one row for each group and member contact, the group
// fields from the ACT! group table and the members from the relation table, the user's choice of
// further group fields, reloading a stored group table, and an ACT! lookup of the selected groups.
#pragma once

#include "RecordClassBase.h"
#include "actserver/ACTFields.h"

#include <memory>

class QLabel;

namespace actserver {
class ACTDatabaseObject;
class ACTTable;
} // namespace actserver

namespace dao {
class Recordset;
}

namespace records {

class frmFelder;

class clGruppen final : public RecordClassBase
{
public:
    clGruppen();
    // Release: the field dialog unloaded, table, control, group table and its fields released.
    ~clGruppen() override;

    // The attribute with the parent group's ID ("Hauptgruppe" for a main group), or the empty handle.
    InfoZoomAttribute ParentGroupAttribute() const;
    QString ParentGroupImportName() const { return m_parentGroupImportName; }

    // Keeps the control, the status panel, the open database and the project's ACT! database path
    // (its contact file). Without a database (or one that hands out no group table) an exclamation
    // box and false, and the table is left as it was.
    bool Init(InfoZoomControl *control, QLabel *status, std::shared_ptr<actserver::ACTDatabaseObject> database,
              const QString &sACTDatenbank);
    // A group lookup in the running ACT! of the groups selected in the table.
    bool CreateACTSearch();
    // The field set: the four fixed columns and the ticked group fields. With bEditFieldlist the
    // dialog comes and a cancel returns false with the field arrays unchanged; without it the fields
    // the table holds are taken.
    bool SelectFields(bool bEditFieldlist);
    // Reads every group with its members anew into the table.
    void ShowData();
    // Loads a stored group table file and rebuilds the field arrays from its attributes.
    void LoadData(const QString &sFoxDatei);
    // The group table, and the relation table that holds the members.
    bool SourceFilesReadable() override;

    // The field-list procedures of the dialog.
    bool FillFieldList(frmFelder &dialog) override;
    void BuildFieldArrays(frmFelder &dialog) override;

protected:
    void assignRole(int i, const QString &importName) override;
    QVariant idValue(int i, const QString &text) override;

private:
    QVector<InfoZoomAttribute> columnAttributes() const;
    long beginTransfer();
    bool transferGroups(long n, const QVector<InfoZoomAttribute> &columns);
    bool writeGroup(const QStringList &values, dao::Recordset &memberships, InfoZoomObjects &objects,
                    const QVector<InfoZoomAttribute> &columns, const QString &position);

    QString m_parentGroupImportName;
    QString m_sACTDatenbank;
    std::shared_ptr<actserver::ACTDatabaseObject> m_database;
    std::shared_ptr<actserver::ACTTable> m_group;
    std::unique_ptr<actserver::ACTFields> m_fields;
};

} // namespace records
