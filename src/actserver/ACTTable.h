// One table of an open ACT! database (contacts, notes and history, sales, activities, groups) with a
// cursor over its records: the field list, the record count, moving, reading all requested fields of
// the current record in one call, positioning by unique ID, deleting, and the scheduled contacts of
// an activity and the parent of a group.
//
// A record that cannot be read sets LastError (a code of the ACT! error table) and leaves the cursor
// where it is, so the next record still reads. A table file that cannot be opened at all throws
// platform::VbError with the code and a German description naming the file.
#pragma once

#include "ACTFields.h"
#include "ActFieldReader.h"
#include "ActScheduleList.h"
#include "ActSchema.h"

#include <QHash>
#include <QStringList>
#include <QVector>
#include <memory>

namespace dbf {
class DbfTable;
class DbfWriter;
} // namespace dbf

namespace actserver {

struct ActDatabaseState;

class ACTTable
{
public:
    ACTTable(std::shared_ptr<const ActDatabaseState> database, ActTableKind kind);
    ~ACTTable();
    ACTTable(const ACTTable &) = delete;
    ACTTable &operator=(const ACTTable &) = delete;

    ActTableKind kind() const { return m_def->kind; }

    ACTFields Fields();
    // Records not marked deleted; counted afresh whenever the file has changed since the last count.
    long RecordCount();
    void MoveFirst();
    void MoveNext();
    // True when the cursor stands on no record (before MoveFirst, or past the last one).
    bool IsEOF() const;

    // One text per id in ids, into values (resized to match; its strings' capacity is reused).
    // An id the table lacks gives "" and LastError InvalidField; a record whose bytes are not valid
    // gives LastError DBDataCorrupt; no current record gives NoMoreData.
    void GetDataEx(const QVector<qint16> &ids, QStringList &values);
    // One field of the current record ("" with LastError set when it cannot be read).
    QString Data(qint16 id);

    long LastError() const { return m_lastError; }
    bool Error() const { return m_error; }

    // Moves to the record with this unique ID (blank-filled to 12 characters); Error when none.
    void GoTo(const QString &uniqueId);
    // Marks the current record deleted in the file; other readers no longer see it.
    void Delete();

    // Activities: the contacts the current activity is scheduled with, one per call; "" after the last.
    QString FirstScheduledWith();
    QString NextScheduledWith();
    // Groups: 0 for a main group, 1 for a subgroup; the parent's unique ID (12 blanks for a main group).
    int GroupType();
    QString GetParent();

private:
    bool ensureOpen();
    [[noreturn]] void fail(long code, const QString &description);
    void setResult(long code);
    bool sessionOpen() const;
    bool isLive(qint64 index);
    qint64 nextLive(qint64 from);
    const QVector<int> &resolve(const QVector<qint16> &ids);
    int bindingOf(qint16 id) const;
    bool currentId(QString *id);
    void buildIdIndex();
    bool readColumnText(const char *column, QString *out);

    std::shared_ptr<const ActDatabaseState> m_database;
    const ActTableDef *m_def;
    QString m_path;
    std::unique_ptr<dbf::DbfTable> m_file;
    std::unique_ptr<dbf::DbfWriter> m_writer;
    QList<ActFieldReader::Binding> m_bindings;
    QList<bool> m_available;
    qint64 m_pos = -1;
    long m_lastError = 0;
    bool m_error = false;

    // The live-record count of the file as it was when last counted (records, size, modification time).
    long m_liveCount = 0;
    qint64 m_countedRecords = -1;
    qint64 m_countedSize = -1;
    qint64 m_countedMtime = -1;

    QVector<qint16> m_lastIds;
    QVector<int> m_lastMap; // binding index per requested id, -1 for an unknown id

    QHash<QString, qint64> m_idIndex;
    qint64 m_indexedCount = -1;

    ActScheduleList m_schedules;
    QStringList m_scheduled;
    int m_scheduledPos = 0;
};

} // namespace actserver
