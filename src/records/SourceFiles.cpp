// Opens the table and memo files a read needs before the read starts.
#include "SourceFiles.h"

#include "actserver/ACTDatabaseObject.h"
#include "actserver/ActDatabaseFiles.h"
#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"
#include "platform/UiServices.h"

namespace records {

namespace {

// True when one of fieldIds is a memo field that the table file stores.
bool readsMemo(const actserver::ActTableDef &def, const dbf::DbfTable &file, const QVector<qint16> &fieldIds)
{
    for (const actserver::ActFieldDef &field : def.fields)
        if (field.dbfType == 'M' && field.column && fieldIds.contains(field.id) &&
            file.fieldIndex(QString::fromLatin1(field.column)) >= 0)
            return true;
    return false;
}

} // namespace

bool SourceTablesReadable(const actserver::ACTDatabaseObject *database, const QList<actserver::ActTableKind> &tables,
                          const QVector<qint16> &fieldIds, const QString &tableName)
{
    if (!database || !database->IsOpen())
        return true;
    const actserver::ActDatabaseFiles files(database->GetDatabasePath());
    try {
        for (const actserver::ActTableKind kind : tables) {
            const dbf::DbfTable file(files.tableFile(kind));
            if (readsMemo(actserver::ActSchema::table(kind), file, fieldIds))
                file.openMemoFile();
        }
    } catch (const dbf::DbfError &e) {
        platform::ui().msgBox(e.message() + QStringLiteral("\r\nDie %1 wird nicht eingelesen.").arg(tableName),
                              platform::MsgIcon::Exclamation);
        return false;
    }
    return true;
}

} // namespace records
