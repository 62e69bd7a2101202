// The record class of the activities (lower table): reads every ACT! activity into 26 fixed
// attributes, one row for each contact an activity is scheduled with; reloads a stored activities
// table; and shows one activity in the running ACT!.
#pragma once

#include "ActivityCodeTexts.h"
#include "RecordClassBase.h"
#include "actserver/ACTFields.h"

#include <memory>

class QLabel;

namespace actserver {
class ACTDatabaseObject;
class ACTTable;
} // namespace actserver

namespace records {

class ActivitySource;
class clGruppenliste;

class clAufgaben final : public RecordClassBase
{
public:
    clAufgaben();
    // Release: table and control emptied, the activity table let go (the database is borrowed).
    ~clAufgaben() override;

    // Keeps the control, the status panel and the contacts' open database (may be null), takes the
    // database's activity table and sets the table up in the activities' colours. Always true.
    bool Init(InfoZoomControl *izControl, QLabel *Status, std::shared_ptr<actserver::ACTDatabaseObject> ACTOLEDatabase);
    // The fixed field table with ACT!'s own labels, the users and the code tables; without a
    // database a notice, and the fields stay unset (ShowData then does nothing).
    void SetACTFields();
    // Reads every activity anew into the table, reusing attributes found by import name.
    void ShowData();
    // The same transfer from another source of activities (the ACT! table is one such source).
    void ShowData(ActivitySource &source);
    // Loads a stored activities table file; date and import names are set by the caller.
    void LoadData(const QString &sFoxDatei);
    // The activity table, and the relation table that holds the contacts an activity is scheduled with.
    bool SourceFilesReadable() override;
    // Shows the activity (HexID of type "AT") of the contact (HexID of type "CO") in the running
    // ACT!; true when it was shown. Another ID type is refused without a message.
    bool ShowActivity(const QString &sActivityID, const QString &sRelationID);

    std::shared_ptr<actserver::ACTDatabaseObject> ACTOLEDatabase() const { return m_database; }
    const ActivityCodeTexts *CodeTexts() const { return m_codeTexts.get(); }

protected:
    void assignRole(int i, const QString &importName) override;
    QVariant idValue(int i, const QString &text) override;
    // The code tables' texts and the first line of the details; other texts as read.
    std::optional<QVariant> textValue(int i, const QString &text) override;

private:
    enum class Ending
    {
        Complete,
        Cancelled
    };

    Ending transfer(ActivitySource &source);
    // The rows of one activity: one per scheduled contact, none for a count of 0 or less. False,
    // with no row written, when the count asks for more contacts than the activity is scheduled with.
    bool writeRecord(ActivitySource &source, InfoZoomObjects &objects, const QStringList &values,
                     QVector<QVariant> &cells);
    // The first count contacts the current activity is scheduled with; false when it has fewer.
    static bool scheduledContacts(ActivitySource &source, int count, QStringList *contacts);
    void endTransfer(Ending ending);

    std::shared_ptr<actserver::ACTDatabaseObject> m_database;
    std::shared_ptr<actserver::ACTTable> m_activityTable;
    std::unique_ptr<actserver::ACTFields> m_activityFields;
    std::unique_ptr<ActivityCodeTexts> m_codeTexts;
    std::unique_ptr<clGruppenliste> m_groupList;
};

} // namespace records
