// The stand-in for the running ACT! application:
//   actserver [DATABASE.dbf] [--user NAME]   opens the database in its window and serves automation
//   actserver --create-demo DIR/NAME [--contacts N] [--single-user]   writes a demo database
#include "ActServerMain.h"
#include "actserver/ActDemoDatabase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>
#include <csignal>

namespace {

int usage(QTextStream &err)
{
    err << "Aufruf: actserver --create-demo ORDNER/NAME [--contacts N] [--single-user]\n"
           "  Schreibt eine Demo-ACT!-Datenbank (NAME.dbf und die Dateien daneben).\n"
           "  --contacts N     Zahl der Kontakte (Vorgabe 500)\n"
           "  --single-user    nur ein Benutzer statt drei\n";
    return 2;
}

int createDemo(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    QString target;
    actserver::ActDemoOptions options;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--create-demo") && i + 1 < args.size()) {
            target = args.at(++i);
        } else if (a == QLatin1String("--contacts") && i + 1 < args.size()) {
            bool ok = false;
            options.contacts = args.at(++i).toInt(&ok);
            if (!ok || options.contacts < 1) {
                err << "Die Zahl der Kontakte muss eine ganze Zahl ab 1 sein.\n";
                return 2;
            }
        } else if (a == QLatin1String("--single-user")) {
            options.singleUser = true;
        } else {
            return usage(err);
        }
    }
    if (target.isEmpty())
        return usage(err);
    const QFileInfo info(target);
    QString name = info.fileName();
    if (name.endsWith(QLatin1String(".dbf"), Qt::CaseInsensitive))
        name.chop(4);
    QString error;
    if (!actserver::ActDemoDatabase::create(info.path(), name, options, &error)) {
        err << error << "\n";
        return 1;
    }
    out << "Die Demo-Datenbank \"" << info.path() << "/" << name << ".dbf\" wurde geschrieben (" << options.contacts
        << " Kontakte, " << actserver::ActDemoDatabase::users(options.singleUser).size()
        << (options.singleUser ? " Benutzer).\n" : " Benutzer).\n");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // A write to a peer that has gone (a client of the bus, the X server) then fails with an error
    // its caller handles, instead of ending the program.
    std::signal(SIGPIPE, SIG_IGN);
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--create-demo") == 0)
            return createDemo(argc, argv);
    return actserver::runActServer(argc, argv);
}
