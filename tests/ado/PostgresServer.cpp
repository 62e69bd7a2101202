// Starts and stops the PostgreSQL server that the ODBC tests talk to.
#include "PostgresServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace adotest {
namespace {

int freeLocalPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

} // namespace

PostgresServer::PostgresServer() = default;

PostgresServer::~PostgresServer()
{
    stop();
}

QString PostgresServer::binaryFolder()
{
    const QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (auto it = versions.crbegin(); it != versions.crend(); ++it) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(*it);
        if (QFile::exists(bin + QStringLiteral("/initdb")) && QFile::exists(bin + QStringLiteral("/pg_ctl")))
            return bin;
    }
    return QString();
}

bool PostgresServer::run(const QString &program, const QStringList &arguments, QString *output, int timeoutMs) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(m_dir->path());
    if (runningAsRoot()) {
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--"), program} +
                          arguments);
    } else {
        process.start(program, arguments);
    }
    const bool finished = process.waitForStarted(10000) && process.waitForFinished(timeoutMs);
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool PostgresServer::start(QString *reason)
{
    m_bin = binaryFolder();
    if (m_bin.isEmpty()) {
        *reason = QStringLiteral("PostgreSQL server binaries (initdb, pg_ctl) are not installed");
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/datolux-pg-XXXXXX"));
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                             QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
    if (runningAsRoot()) {
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody || ::chown(m_dir->path().toLocal8Bit().constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
            *reason = QStringLiteral("cannot hand the server folder to the user nobody");
            return false;
        }
    }
    const QString data = m_dir->filePath(QStringLiteral("data"));
    QString output;
    if (!run(m_bin + QStringLiteral("/initdb"),
             {QStringLiteral("-D"), data, QStringLiteral("-A"), QStringLiteral("trust"), QStringLiteral("-U"),
              QStringLiteral("postgres"), QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C"),
              QStringLiteral("--no-sync")},
             &output)) {
        *reason = QStringLiteral("initdb failed: ") + output;
        return false;
    }
    for (int attempt = 0; attempt < 3 && !m_running; ++attempt) {
        m_port = freeLocalPort();
        const QString options = QStringLiteral("-p %1 -k %2 -h 127.0.0.1 -F").arg(m_port).arg(m_dir->path());
        m_running = run(m_bin + QStringLiteral("/pg_ctl"),
                        {QStringLiteral("-D"), data, QStringLiteral("-o"), options, QStringLiteral("-l"),
                         m_dir->filePath(QStringLiteral("server.log")), QStringLiteral("-w"), QStringLiteral("-t"),
                         QStringLiteral("60"), QStringLiteral("start")},
                        &output);
    }
    if (!m_running)
        *reason = QStringLiteral("pg_ctl start failed: ") + output;
    return m_running;
}

void PostgresServer::stop()
{
    if (!m_running)
        return;
    run(m_bin + QStringLiteral("/pg_ctl"),
        {QStringLiteral("-D"), m_dir->filePath(QStringLiteral("data")), QStringLiteral("-m"), QStringLiteral("fast"),
         QStringLiteral("-w"), QStringLiteral("stop")},
        nullptr);
    m_running = false;
}

bool PostgresServer::execute(const QString &sql, QString *output) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(m_bin + QStringLiteral("/psql"),
                  {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(m_port),
                   QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-d"), QStringLiteral("postgres"),
                   QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-q"), QStringLiteral("-c"),
                   sql});
    const bool ok = process.waitForFinished(60000) && process.exitCode() == 0;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return ok;
}

QString PostgresServer::connectionString() const
{
    return QStringLiteral("Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=%1;Database=postgres;Uid=postgres;"
                          "Pwd=;BoolsAsChar=0;CommLog=0")
        .arg(m_port);
}

} // namespace adotest
