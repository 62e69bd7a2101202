// WM_CLASS through the application's own X connection, so the property is in place before the
// window is mapped.
#include "X11WindowClass.h"

#include <QGuiApplication>
#include <QWindow>
#include <xcb/xcb.h>

namespace platform {

bool setX11WindowClass(QWindow *window, const QString &instanceName, const QString &className)
{
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window)
        return false;
    xcb_connection_t *connection = x11->connection();
    if (!connection)
        return false;
    QByteArray value = instanceName.toLocal8Bit();
    value.append('\0');
    value.append(className.toLocal8Bit());
    value.append('\0');
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                        XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, value.size(), value.constData());
    xcb_flush(connection);
    return true;
}

} // namespace platform
