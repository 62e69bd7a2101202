// Entry point of every test executable: the program's application object, German regional settings.
#include "platform/GuardedApplication.h"

#include <QLocale>
#include <csignal>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // As in the programs: a write to a peer that has gone fails instead of ending the test.
    std::signal(SIGPIPE, SIG_IGN);
    // Test discovery runs without the per-test environment; never let it look for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A test on the offscreen platform looks for no ACT! window on the shared display either: what
    // other tests show there, and the display server's resets when its last client leaves, are no
    // part of it.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qunsetenv("DISPLAY");
    platform::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DatoluxTest"));
    QApplication::setOrganizationName(QStringLiteral("DatoluxTest"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
