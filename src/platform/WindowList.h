// The desktop's top-level windows as the ACT! window search sees them: enumeration from top to
// bottom of the stacking order, class, title, visibility, and bringing one window forward.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace platform {

// A top-level window; 0 stands for "no window".
using WindowId = quint32;

class WindowList
{
public:
    virtual ~WindowList() = default;

    // Top-level application windows, topmost first. Empty when there is no display.
    virtual QList<WindowId> windows() = 0;
    // False for 0 and for a window that has gone away.
    virtual bool isWindow(WindowId window) = 0;
    // Shown on screen or minimised (a minimised window counts as visible); false for a hidden one.
    virtual bool isVisible(WindowId window) = 0;
    // The window class as the window declares it (case kept); "" when unknown.
    virtual QString className(WindowId window) = 0;
    // The title as it stands; "" when the window has none.
    virtual QString title(WindowId window) = 0;
    // Whether the window is minimised (iconic); false when that cannot be read.
    virtual bool isMinimized(WindowId window) = 0;
    // Brings a minimised window back to its normal state. False when the window cannot be reached.
    virtual bool restore(WindowId window) = 0;
    // Makes the window the active one and raises it above the others.
    virtual bool activate(WindowId window) = 0;
};

// The program-wide window list. Until a test installs its own, this is the X11 list of the
// display named by DISPLAY (an empty list without one).
WindowList &windowList();
// Installs a list (not owned); nullptr goes back to the X11 list.
void setWindowList(WindowList *list);

} // namespace platform
