// Where the files of one ACT! database lie: NAME.dbf (contacts) and beside it one file per further
// table, NAME.gdb, .hdb, .adb, .edb, .rel, .sdb, with their memo files and the users file.
#pragma once

#include "ActSchema.h"

#include <QString>

namespace actserver {

class ActDatabaseFiles
{
public:
    ActDatabaseFiles() = default;
    // From the path of the contact file, NAME.dbf (any case of the extension).
    explicit ActDatabaseFiles(const QString &contactFilePath);
    // From the folder and NAME.
    static ActDatabaseFiles fromBase(const QString &folder, const QString &name);

    QString contactFile() const { return tableFile(ActTableKind::Contact); }
    QString tableFile(ActTableKind kind) const;
    QString usersFile() const;
    QString folder() const { return m_folder; }
    QString name() const { return m_name; }

private:
    QString m_folder;
    QString m_name;
    QString m_contactFile;
};

} // namespace actserver
