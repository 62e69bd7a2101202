// What the record classes of one ACT! table of the lower table share: the database object handed
// over by the contacts, the table and its fields taken at Init, a fixed field set with the user
// names, reading and loading, and showing one record in the running ACT!.
#pragma once

#include "RecordClassBase.h"
#include "actserver/ACTFields.h"

#include <memory>

class QLabel;

namespace actserver {
class ACTDatabaseObject;
class ACTTable;
} // namespace actserver

namespace records {

class RunningACT;

class ActRecordClass : public RecordClassBase
{
public:
    // One field of a class's fixed field set.
    struct FixedField
    {
        qint16 id;
        int type; // FieldTypeCode
    };

    ~ActRecordClass() override;

    // Keeps the control, the status panel and the database object (may be null), takes the
    // kind's table and its fields from the database, and sets the table up. Always true; a table
    // file that cannot be opened throws from the field set-up.
    bool Init(InfoZoomControl *izControl, QLabel *Status, std::shared_ptr<actserver::ACTDatabaseObject> ACTOLEDatabase);
    // Reads every record of the table anew; does nothing before the field set-up.
    void ShowData();
    // Loads a stored table file of the kind; the caller sets date and import names afterwards.
    void LoadData(const QString &sFoxDatei);
    bool SourceFilesReadable() override;

protected:
    explicit ActRecordClass(TableKind kind);

    // The kind's table of the database.
    virtual std::shared_ptr<actserver::ACTTable> tableOf(actserver::ACTDatabaseObject &database) const = 0;

    // The field set-up: without a database the notice and false, the fields left as they were;
    // else the fields with their labels from the table and the users of the database. Throws
    // platform::VbError when the table file cannot be opened.
    bool setFixedFields(const FixedField *fields, int count);

    // True for an empty text or one of blanks only (a record of a group, not of a contact).
    static bool isBlank(const QString &text);
    // The text up to its first line break (CR LF); the whole text when it has none.
    static QString firstLine(const QString &text);

    std::shared_ptr<actserver::ACTDatabaseObject> m_database;
    std::shared_ptr<actserver::ACTTable> m_table;
    std::unique_ptr<actserver::ACTFields> m_fields;
};

} // namespace records
