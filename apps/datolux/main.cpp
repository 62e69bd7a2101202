// Datolux: creates the concrete services and hands over to the start procedure.
#include "platform/QtUiServices.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Datolux"));
    QApplication::setOrganizationName(QStringLiteral("Datolux"));
    platform::QtUiServices services;
    platform::setUi(&services);
    return 0;
}
