// Group table through the in-process ACT! database object.
#include "ActDatabaseGroupTable.h"

#include "actserver/ACTDatabaseObject.h"
#include "platform/VbError.h"

namespace actlink {

namespace {

class DatabaseGroupTable final : public ActGroupTable
{
public:
    DatabaseGroupTable(std::unique_ptr<actserver::ACTDatabaseObject> database,
                       std::shared_ptr<actserver::ACTTable> table)
        : m_database(std::move(database)), m_table(std::move(table))
    {
    }
    void GoTo(const QString &uniqueId) override { m_table->GoTo(uniqueId); }
    QString Data(int fieldId) override { return m_table->Data(qint16(fieldId)); }
    int GroupType() override { return m_table->GroupType(); }
    QString GetParent() override { return m_table->GetParent(); }

private:
    std::unique_ptr<actserver::ACTDatabaseObject> m_database;
    std::shared_ptr<actserver::ACTTable> m_table;
};

} // namespace

std::unique_ptr<ActGroupTable> openRunningGroupTable()
{
    auto database = std::make_unique<actserver::ACTDatabaseObject>();
    database->OpenEx(QString());
    std::shared_ptr<actserver::ACTTable> table = database->Group();
    if (database->Error() || !table)
        throw platform::VbError(database->LastError(), database->LastErrorText(), QStringLiteral("ACTOLE.DATABASE"));
    return std::make_unique<DatabaseGroupTable>(std::move(database), std::move(table));
}

} // namespace actlink
