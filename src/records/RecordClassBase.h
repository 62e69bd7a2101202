// The frame every record class shares: its table control and table, the field arrays, the import
// names of its sync and unique-ID attributes, the date of its data, cancel, status texts in the
// table's own status line, and the ShowData and LoadData frames the classes fill in.
#pragma once

#include "RecordKind.h"
#include "RecordSource.h"
#include "infozoom/InfoZoomTable.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <exception>
#include <memory>
#include <optional>

class InfoZoomControl;
class QLabel;

namespace actlink {
class clUniqueIDConverter;
}
namespace actserver {
class ACTDatabaseObject;
}

namespace records {

class RunningACT;
class frmFelder;

class RecordClassBase
{
public:
    virtual ~RecordClassBase();

    // Set by the main window's cancel click; a running read polls it at each progress step.
    bool Cancel() const { return m_cancel; }
    void setCancel(bool cancel) { m_cancel = cancel; }
    QDateTime DateOfData() const { return m_dateOfData; }
    void setDateOfData(const QDateTime &value) { m_dateOfData = value; }
    // Import names (never display names) of the sync and the unique-ID attribute.
    QString SyncFieldName() const { return m_syncFieldName; }
    void setSyncFieldName(const QString &name) { m_syncFieldName = name; }
    InfoZoomAttribute SyncFieldAttribute() const { return attributeByImportName(m_syncFieldName); }
    QString UniqueIDFieldName() const { return m_uniqueIDFieldName; }
    void setUniqueIDFieldName(const QString &name) { m_uniqueIDFieldName = name; }
    InfoZoomAttribute UniqueIDAttribute() const { return attributeByImportName(m_uniqueIDFieldName); }

    // How the last ShowData ended: it never read (no fields set up, no ShowData yet), its files
    // could not be read (the table untouched), it was broken off (rows so far kept), or complete.
    enum class ReadEnd
    {
        None,
        SourceUnreadable,
        BrokenOff,
        Complete
    };
    ReadEnd LastRead() const { return m_readEnd; }
    // For a read broken off, the status text that says how far it came:
    // "Das Einlesen der Notiztabelle wurde abgebrochen: 53 von 150 Datensätzen gelesen!"
    QString BrokenOffText() const;
    // The same as a line of a save question: "Die Notiztabelle ist unvollständig: nur 53 von 150
    // Datensätzen gelesen."
    QString IncompleteTableText() const;
    // Whether the files the next ShowData takes its records from can be read; otherwise one message
    // naming the first that cannot, and false. ShowData asks before it changes the table; a command
    // asks the object of the table on screen before it replaces it.
    virtual bool SourceFilesReadable() { return true; }

    const RecordKind &kind() const { return m_kind; }
    InfoZoomControl *izControl() const { return m_izControl; }
    InfoZoomTable *izTable() const { return m_izTable; }
    int FieldCount() const { return m_fieldCount; }
    const QStringList &FieldLabels() const { return m_fieldLabels; }
    const QVector<qint16> &FieldIDs() const { return m_fieldIDs; }
    const QVector<int> &FieldTypes() const { return m_fieldTypes; }

    // "ACTFieldID|" and the field number: the import name of the attribute filled from a field.
    static QString ImportNameOf(qint16 fieldId);
    static QString ImportNameOf(const QString &fieldName);
    // Depth-first search of an attribute level (folders searched through their entries) for the
    // first attribute whose import name equals name exactly; the empty handle when there is none.
    static InfoZoomAttributeNode FindAttribute(const InfoZoomAttributes &level, const QString &name);

protected:
    explicit RecordClassBase(TableKind kind);

    // While it lives, a failure passing out of its scope clears the table's status line, so that a
    // running text ("... wird gebildet...") never outlives its work.
    class StatusClearedOnFailure
    {
    public:
        explicit StatusClearedOnFailure(RecordClassBase &record)
            : m_record(record), m_failures(std::uncaught_exceptions())
        {
        }
        ~StatusClearedOnFailure()
        {
            if (std::uncaught_exceptions() > m_failures && m_record.m_izTable)
                m_record.m_izTable->setStatusText(QString());
        }

    private:
        RecordClassBase &m_record;
        int m_failures;
        Q_DISABLE_COPY_MOVE(StatusClearedOnFailure)
    };

    // Shows text in the table's status line, then lets waiting events run (a cancel click gets in).
    void SetStatus(const QString &text);
    // Takes the control's table and gives it the kind's colours and display options.
    void Control_Init();
    // Keeps the control and the status panel given to Init; Control_Init follows.
    void keepControl(InfoZoomControl *control, QLabel *status);
    // Empties the table reference and the control (at release).
    void releaseControl();

    // The whole ShowData frame over one source, with one row per good record.
    void showDataFrame(RecordSource &source);
    // The start of every ShowData: the last read forgotten, and false, with the table untouched,
    // when the read's files cannot be read.
    bool sourceReady();
    // Runs a read so that a failure breaking it off leaves the table as a cancel does: the display
    // on, the rows read so far shown, the kind's abort text in the status line. The failure then
    // passes on to the command.
    template <typename Read> void guardedRead(Read read);
    // Steps 1 and 2: status, cancel cleared, rows deleted.
    void beginShow();
    // Removes the first entry of the flat attribute list when it is a plain attribute of this name
    // (a table's default "Kennung" or "Kennwert") that none of the fields fills; a column of the
    // data, one the user renamed so, or a folder stays.
    void removeLeadingDefault(const QString &name);
    // Step 4: one attribute per field, found again by import name or appended.
    void setUpAttributes();
    // Steps 5 and 6; false when the loop ended early (cancel or a No to the bad-record question).
    bool transfer(RecordSource &source);
    // Step 7, ending with "Fertig." or the kind's abort text.
    void endShow(bool complete);
    // The display back on and the view brought up to date with the rows the table holds.
    void showTable();
    // The attribute of each field as setUpAttributes found or made it, by field position.
    const QVector<InfoZoomAttribute> &attributeColumns() const { return m_columns; }
    // The LoadData frame; rebuildFields runs after the file is loaded and ends the load early when
    // it returns false. The load text never outlives the load.
    template <typename Rebuild> void loadDataFrame(const QString &file, Rebuild rebuildFields);

    // The field-list procedures of the classes whose fields the user chooses (contacts, groups).
    virtual bool FillFieldList(frmFelder &dialog) { return false; }
    virtual void BuildFieldArrays(frmFelder &dialog) {}
    // The field dialog unloaded, loaded afresh and filled, the fields the table holds ticked; null
    // after the exclamation box failedText when the database's fields cannot be read.
    frmFelder *filledFieldDialog(const QString &failedText);
    // After a stored table is loaded: the field arrays follow the attributes it holds.
    bool rebuildFieldsFromTable();

    // The converter between ACT! unique IDs and typed hex IDs the record classes share.
    static const actlink::clUniqueIDConverter &converter();

    // The import name of field i; the record classes of ACT! data use the field number.
    virtual QString fieldKey(int i) const { return ImportNameOf(m_fieldIDs.at(i)); }
    // The sync, unique-ID or other role of field i takes the attribute's import name.
    virtual void assignRole(int i, const QString &importName) {}
    // The value of a field of code 4 (an ID or a looked-up name).
    virtual QVariant idValue(int i, const QString &text) { return text; }
    // The value of a text field (code 0) when it is not the text as read; a class that shows only
    // part of a text or a code's name overrides it.
    virtual std::optional<QVariant> textValue(int i, const QString &text) { return std::nullopt; }
    // The value written for field i.
    QVariant valueOf(int i, const QString &text);
    // Writes the value of field i into a row, the text as read without a copy where it stays as is.
    void putValue(InfoZoomObject &row, int i, const QString &text);
    // The BadRecordQuestion; true to skip the record and go on.
    bool continueAfterBadRecord(long code, long recordNumber);

    // Which show operation of the running ACT! a class uses.
    using ShowByUniqueID = bool (RunningACT::*)(const QString &);
    // Shows the record sRecordID (a HexID of type idTyp) of the contact sRelationID (a HexID) in
    // the running ACT!: the two notices when ACT! does not run or has no database open, false
    // without a message for an ID of another type, a failed lookup or a record ACT! does not find.
    // searchText is the status text before the record is looked for.
    bool showInACT(const QString &sRecordID, const QString &sRelationID, const QString &idTyp,
                   const QString &searchText, ShowByUniqueID show);
    // The running ACT! with a database open, looked for under "Suche laufende ACT!-Anwendung...";
    // null, after the notice, when ACT! does not run or has no database open. actDatabase receives
    // the database ACT! has open.
    std::unique_ptr<RunningACT> runningACTWithDatabase(QString *actDatabase = nullptr);
    // For a search built in ACT!: true when ACT! has the project's database open or the user wants
    // the search (searchName, "Kontaktsuche" for example) built in the other one anyway.
    bool searchDatabaseAccepted(const QString &actDatabase, const QString &projectDatabase,
                                const QString &searchName);
    // The name of the user with this unique ID; "Unbekannt" for an ID the database lacks.
    QString userName(const QString &userId) const { return m_users.value(userId, QStringLiteral("Unbekannt")); }
    // Reads the database's user names the first time a class's fields need them.
    void ensureUserNames(actserver::ACTDatabaseObject *database);
    // A text in double quotes, as the messages name files and databases.
    static QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }
    // The attribute of each field as setUpAttributes found or made it, for classes that write rows
    // themselves.
    const QVector<InfoZoomAttribute> &columns() const { return m_columns; }

    void setFieldArrays(const QStringList &labels, const QVector<qint16> &ids, const QVector<int> &types);

    InfoZoomControl *m_izControl = nullptr;
    InfoZoomTable *m_izTable = nullptr;
    QString m_uniqueIDFieldName;
    QString m_syncFieldName;
    QStringList m_fieldLabels;
    QVector<qint16> m_fieldIDs;
    QVector<int> m_fieldTypes;
    QHash<QString, QString> m_users;
    bool m_usersBuilt = false;
    int m_fieldCount = 0;
    QDateTime m_dateOfData;
    bool m_cancel = false;
    QLabel *m_status = nullptr;
    // True for a kind whose progress text and cancel test also follow a record skipped after the
    // bad-record question; by default they follow written records only.
    bool m_progressAfterSkipped = false;
    // The last ShowData: how it ended, the records it wrote into the table and the source's count.
    ReadEnd m_readEnd = ReadEnd::None;
    long m_recordsRead = 0;
    long m_recordsTotal = 0;

private:
    InfoZoomAttribute attributeByImportName(const QString &name) const;
    void finishLoad();
    void showAfterFailure() noexcept;

    const RecordKind &m_kind;
    QVector<InfoZoomAttribute> m_columns;

    Q_DISABLE_COPY_MOVE(RecordClassBase)
};

template <typename Read> void RecordClassBase::guardedRead(Read read)
{
    try {
        read();
    } catch (...) {
        showAfterFailure();
        throw;
    }
}

template <typename Rebuild> void RecordClassBase::loadDataFrame(const QString &file, Rebuild rebuildFields)
{
    if (!m_kind.loadText.isEmpty())
        SetStatus(m_kind.loadText);
    try {
        m_izTable->LoadFile(file, -1, 0, 0, -1, QString(), 0);
        if (!rebuildFields()) {
            SetStatus(QString());
            return;
        }
    } catch (...) {
        m_izTable->setStatusText(QString());
        throw;
    }
    finishLoad();
}

} // namespace records
