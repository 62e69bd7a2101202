// Entry point of every test executable: the program's application object, German regional settings.
#include "platform/GuardedApplication.h"

#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Test discovery runs without the per-test environment; never let it look for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DatoluxTest"));
    QApplication::setOrganizationName(QStringLiteral("DatoluxTest"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
