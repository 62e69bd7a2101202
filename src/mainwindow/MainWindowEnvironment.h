// What the main window takes from outside besides the UI services: the program settings and
// the screen's extent. Tests hand in their own, so geometry rules can be checked on any screen.
#pragma once

#include <QSize>
#include <QString>
#include <QVariant>
#include <functional>

namespace mainwindow {

struct MainWindowEnvironment
{
    // GetOption / SetOption of the program settings (application "Datolux", section "Options").
    std::function<QVariant(const QString &key)> getOption;
    std::function<void(const QString &key, const QVariant &value)> setOption;
    // The whole screen's extent in twips.
    std::function<QSize()> screenSizeTwips;

    // The program's settings store and the primary screen.
    static MainWindowEnvironment system();
};

// Geometry kept in the settings is in twips, at 15 twips per pixel (96 dpi).
constexpr int TwipsPerPixel = 15;

} // namespace mainwindow
