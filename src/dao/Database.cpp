// Opening recordsets on the database's connection.
#include "Database.h"

#include "Connection.h"
#include "DaoErrors.h"

namespace dao {

Database::Database(std::shared_ptr<Connection> connection)
    : m_connection(std::move(connection)), m_name(m_connection->folder())
{
}

Database::~Database() = default;

std::unique_ptr<Recordset> Database::OpenRecordset(const QString &sql, int)
{
    if (!m_connection)
        raise(ErrObjectInvalid, QStringLiteral("Objekt ist ungültig oder nicht mehr festgelegt."));
    auto snapshot = std::make_shared<const Snapshot>(m_connection->query(sql));
    return std::make_unique<Recordset>(m_connection, std::move(snapshot));
}

QString Database::Name() const
{
    return m_name;
}

void Database::Close()
{
    m_connection.reset();
}

} // namespace dao
