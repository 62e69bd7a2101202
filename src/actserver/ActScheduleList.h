// The contacts each activity is scheduled with, read from the relation table (rows of type "1":
// FIELD1 the contact, FIELD2 the activity) in the order they are stored. Read again when the
// relation file has changed.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

namespace actserver {

class ActScheduleList
{
public:
    // The contacts of the activity with this 12-character ID, in stored order. Throws dbf::DbfError
    // when the relation file cannot be read.
    QStringList contactsOf(const QString &relationFile, const QString &activityId);

private:
    void load(const QString &relationFile);

    QString m_file;
    qint64 m_size = -1;
    QDateTime m_modified;
    QHash<QString, QStringList> m_contacts;
};

} // namespace actserver
