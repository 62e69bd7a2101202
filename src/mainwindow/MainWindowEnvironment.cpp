// The main window's environment on the real system: the program settings and the primary screen.
#include "MainWindowEnvironment.h"

#include "project/ProgramSettings.h"

#include <QGuiApplication>
#include <QScreen>

namespace mainwindow {

MainWindowEnvironment MainWindowEnvironment::system()
{
    MainWindowEnvironment environment;
    environment.getOption = [](const QString &key) { return project::GetOption(key); };
    environment.setOption = [](const QString &key, const QVariant &value) { project::SetOption(key, value); };
    environment.screenSizeTwips = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QSize pixels = screen ? screen->geometry().size() : QSize();
        return pixels * TwipsPerPixel;
    };
    return environment;
}

} // namespace mainwindow
