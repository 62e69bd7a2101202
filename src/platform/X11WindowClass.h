// Gives a Qt top-level window the X11 window class other programs search for.
#pragma once

#include <QString>

class QWindow;

namespace platform {

// Writes WM_CLASS (instance name, class name) of the window; call after the native window exists
// (winId()) and before it is shown. False when the application does not run on X11.
bool setX11WindowClass(QWindow *window, const QString &instanceName, const QString &className);

} // namespace platform
