// Test helper: a private PostgreSQL server in a temporary folder on a free local port.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace adotest {

// Runs initdb and pg_ctl from the installed server binaries; as root they run as "nobody", since
// PostgreSQL refuses to run as root. The server stops when the object dies.
class PostgresServer final
{
public:
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    // False with *reason when the binaries are missing or the server does not come up.
    bool start(QString *reason);
    void stop();
    // Runs SQL through psql; false with *output on error.
    bool execute(const QString &sql, QString *output = nullptr) const;

    int port() const { return m_port; }
    QString connectionString() const;
    static QString binaryFolder();

private:
    bool run(const QString &program, const QStringList &arguments, QString *output, int timeoutMs = 120000) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_bin;
    int m_port = 0;
    bool m_running = false;
};

} // namespace adotest
