// Holder of the program-wide window list.
#include "WindowList.h"

#include "X11WindowList.h"

namespace platform {

namespace {
WindowList *g_installed = nullptr;
}

WindowList &windowList()
{
    if (g_installed)
        return *g_installed;
    static X11WindowList x11;
    return x11;
}

void setWindowList(WindowList *list) { g_installed = list; }

} // namespace platform
