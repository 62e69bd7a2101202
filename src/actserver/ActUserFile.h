// The users file beside an ACT! database (NAME.usr): who may open it and with which password hash.
// More than one user makes the database multi-user.
#pragma once

#include "ActUser.h"

#include <QList>
#include <QString>

namespace actserver {

class ActUserFile
{
public:
    // NAME.usr beside the contact file NAME.dbf.
    static QString pathFor(const QString &contactFilePath);

    // Reads the file. A missing file gives no users; a damaged one gives false and a German
    // description of the fault in *error.
    static bool read(const QString &path, QList<ActUser> *users, QString *error);
    // Writes to a temporary file, every byte checked and flushed to the disk, and renames it over
    // path. False with *error on failure; the old file is then kept.
    static bool write(const QString &path, const QList<ActUser> &users, QString *error);
};

} // namespace actserver
