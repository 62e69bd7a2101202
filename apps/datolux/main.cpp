// Datolux: creates the concrete services and hands over to the start procedure.
#include "mainwindow/MainWindowEnvironment.h"
#include "mainwindow/modHaupt.h"
#include "platform/GuardedApplication.h"
#include "platform/ProgramLanguage.h"
#include "platform/QtUiServices.h"

#include <csignal>

int main(int argc, char **argv)
{
    // A write to a peer that has gone (a launched program, the bus, the X server) then fails with an
    // error its caller handles, instead of ending the program.
    std::signal(SIGPIPE, SIG_IGN);
    platform::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Datolux"));
    QApplication::setOrganizationName(QStringLiteral("Datolux"));
    platform::UseProgramLanguage();
    platform::QtUiServices services;
    platform::setUi(&services);

    int result = 1;
    try {
        modHaupt::Main(modHaupt::CommandLineFromArguments(QApplication::arguments().mid(1)),
                       mainwindow::MainWindowEnvironment::system());
        result = QApplication::exec();
    } catch (...) {
        // Only a main window that could not even be built gets here: there is nothing to go on with.
        platform::ReportFailure(std::current_exception());
    }
    modHaupt::UnloadMainWindow();
    return result;
}
