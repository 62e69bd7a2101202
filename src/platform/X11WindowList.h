// The window list of an X11 display, read through xcb: the stacking list of an EWMH window manager
// where there is one, else the children of the root window (and under a reparenting manager the
// client window inside each frame).
#pragma once

#include "WindowList.h"

#include <QByteArray>
#include <QHash>

struct xcb_connection_t;

namespace platform {

class X11WindowList final : public WindowList
{
public:
    // displayName: as in DISPLAY; empty takes the DISPLAY of the environment.
    explicit X11WindowList(const QByteArray &displayName = QByteArray());
    ~X11WindowList() override;
    Q_DISABLE_COPY_MOVE(X11WindowList)

    QList<WindowId> windows() override;
    bool isWindow(WindowId window) override;
    bool isVisible(WindowId window) override;
    QString className(WindowId window) override;
    QString title(WindowId window) override;
    bool isMinimized(WindowId window) override;
    bool restore(WindowId window) override;
    bool activate(WindowId window) override;

private:
    bool connected();
    quint32 atom(const char *name);
    // The raw bytes of a property (any type); null when the window does not have it.
    QByteArray property(WindowId window, quint32 property, quint32 *type = nullptr);
    QList<quint32> atomOrWindowList(WindowId window, quint32 property);
    bool hasProperty(WindowId window, quint32 property);
    // The window manager's EWMH support, or false when no such manager is running.
    bool wmSupports(const char *atomName);
    bool isClientWindow(WindowId window, bool *overrideRedirect);
    WindowId clientInside(WindowId frame, int depth);
    QList<WindowId> windowsFromTree();
    int wmState(WindowId window);
    bool hasNetState(WindowId window, const char *stateName);
    void restoreUnmanaged(WindowId window);
    void sendRootMessage(WindowId window, quint32 type, const quint32 (&data)[5]);
    void finish();

    QByteArray m_displayName;
    xcb_connection_t *m_connection = nullptr;
    quint32 m_root = 0;
    QHash<QByteArray, quint32> m_atoms;
};

} // namespace platform
