// Creation of databases and the engine count.
#include "DBEngine.h"

#include "Connection.h"
#include "DaoErrors.h"

#include <atomic>

namespace dao {

namespace {
std::atomic<int> s_created{0};
}

DBEngine::DBEngine()
{
    ++s_created;
}

DBEngine::~DBEngine() = default;

int DBEngine::instancesCreated()
{
    return s_created;
}

std::unique_ptr<Database> DBEngine::OpenDatabase(const QString &name, bool, bool, const QString &connect)
{
    const QString isam = connect.section(u';', 0, 0).trimmed();
    if (!isam.startsWith(QLatin1String("FoxPro"), Qt::CaseInsensitive) &&
        !isam.startsWith(QLatin1String("dBase"), Qt::CaseInsensitive))
        raise(ErrIsamNotFound, QStringLiteral("Installierbares ISAM nicht gefunden."));
    return std::make_unique<Database>(std::make_shared<Connection>(name));
}

} // namespace dao
