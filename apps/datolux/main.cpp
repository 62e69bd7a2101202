// Datolux: creates the concrete services and hands over to the start procedure.
#include "mainwindow/MainWindowEnvironment.h"
#include "mainwindow/modHaupt.h"
#include "platform/QtUiServices.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Datolux"));
    QApplication::setOrganizationName(QStringLiteral("Datolux"));
    platform::QtUiServices services;
    platform::setUi(&services);

    modHaupt::Main(modHaupt::CommandLineFromArguments(QApplication::arguments().mid(1)),
                   mainwindow::MainWindowEnvironment::system());
    const int result = QApplication::exec();
    modHaupt::UnloadMainWindow();
    return result;
}
