// Start of the running ACT! stand-in: window with the class other programs look for, then the
// automation objects on the session bus.
#include "ActServerMain.h"

#include "ActServerWindow.h"
#include "actserver/ActRunningApplication.h"
#include "actserver/app/ActBusServer.h"
#include "actserver/app/ActDatabaseStore.h"
#include "actserver/app/ActLocalAppObject.h"
#include "platform/X11WindowClass.h"

#include <QApplication>
#include <QDBusConnection>
#include <QTextStream>

namespace actserver {

namespace {

// Inside the stand-in, "the running ACT!" of OpenEx("") is this very application.
class OwnApplication final : public ActRunningApplication
{
public:
    explicit OwnApplication(ActAppState &state) : m_state(state) {}
    bool openDatabase(QString *contactFilePath, QString *userName) override
    {
        if (!m_state.isOpen())
            return false;
        *contactFilePath = m_state.store()->contactFilePath();
        *userName = m_state.store()->userName();
        return true;
    }

private:
    ActAppState &m_state;
};

} // namespace

int runActServer(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("actserver"));
    QTextStream err(stderr);
    QString path;
    QString user;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--user") && i + 1 < args.size())
            user = args.at(++i);
        else if (!args.at(i).startsWith(QLatin1String("--")) && path.isEmpty())
            path = args.at(i);
        else {
            err << "Aufruf: actserver [DATENBANK.dbf] [--user NAME]\n"
                   "        actserver --create-demo ORDNER/NAME [--contacts N] [--single-user]\n";
            return 2;
        }
    }
    ActAppState state([&user](const QString &file) { return std::make_unique<ActDatabaseStore>(file, user); });
    ActRunningApplication::install(std::make_shared<OwnApplication>(state));
    if (!path.isEmpty() && state.openDatabase(path) != 0)
        err << "Die Datenbank \"" << path << "\" konnte nicht geöffnet werden: " << state.openError() << "\n";

    ActBusServer server(state, QDBusConnection::sessionBus());
    QString busError;
    if (!server.start(&busError)) {
        err << busError << "\n";
        return 1;
    }
    ActServerWindow window(state);
    window.winId();
    platform::setX11WindowClass(window.windowHandle(), QStringLiteral("actserver"), ActServerWindow::windowClass());
    window.show();
    return app.exec();
}

} // namespace actserver
