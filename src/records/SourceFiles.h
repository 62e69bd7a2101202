// Whether the dBase files a read takes its records from can be read, asked before the read changes
// anything: a file that is gone is then one message that names it, not a question for every record.
#pragma once

#include "actserver/ActSchema.h"

#include <QList>
#include <QString>
#include <QVector>

namespace actserver {
class ACTDatabaseObject;
}

namespace records {

// True when the file of every table in tables opens and, where one of fieldIds is a memo field of
// a table, its memo file does too. Otherwise one exclamation box names the first file that does
// not and says that tableName is not read; false. True without a database: the read then finds
// nothing to read and says so itself.
bool SourceTablesReadable(const actserver::ACTDatabaseObject *database, const QList<actserver::ActTableKind> &tables,
                          const QVector<qint16> &fieldIds, const QString &tableName);

} // namespace records
