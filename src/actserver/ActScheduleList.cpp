// The contacts each activity is scheduled with, read from the relation table.
#include "ActScheduleList.h"

#include "dbf/DbfTable.h"

#include <QFileInfo>

namespace actserver {

namespace {

const char kScheduleType[] = "1";

} // namespace

QStringList ActScheduleList::contactsOf(const QString &relationFile, const QString &activityId)
{
    const QFileInfo info(relationFile);
    if (relationFile != m_file || info.size() != m_size || info.lastModified() != m_modified) {
        load(relationFile);
        m_file = relationFile;
        m_size = info.size();
        m_modified = info.lastModified();
    }
    return m_contacts.value(activityId);
}

void ActScheduleList::load(const QString &relationFile)
{
    m_contacts.clear();
    if (!QFileInfo::exists(relationFile))
        return;
    dbf::DbfTable table(relationFile);
    const int contactColumn = table.fieldIndex(u"FIELD1");
    const int otherColumn = table.fieldIndex(u"FIELD2");
    const int typeColumn = table.fieldIndex(u"TYPE");
    if (contactColumn < 0 || otherColumn < 0 || typeColumn < 0)
        return;
    for (qint64 i = 0; i < table.recordCount(); ++i) {
        const dbf::DbfRecord record = table.record(i);
        if (record.isDeleted() || record.text(typeColumn).trimmed() != QLatin1String(kScheduleType))
            continue;
        m_contacts[record.text(otherColumn)].append(record.text(contactColumn));
    }
}

} // namespace actserver
