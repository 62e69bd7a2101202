// Scripted window list for tests.
#include "FakeWindowList.h"

namespace platform {

FakeWindowList::FakeWindowList(bool install) : m_installed(install)
{
    if (install)
        setWindowList(this);
}

FakeWindowList::~FakeWindowList()
{
    if (m_installed)
        setWindowList(nullptr);
}

WindowId FakeWindowList::add(const QString &className, const QString &title, bool visible, bool minimized)
{
    Window w;
    w.id = m_nextId++;
    w.className = className;
    w.title = title;
    w.visible = visible;
    w.minimized = minimized;
    m_windows.append(w);
    return w.id;
}

void FakeWindowList::remove(WindowId window)
{
    m_windows.removeIf([window](const Window &w) { return w.id == window; });
}

FakeWindowList::Window *FakeWindowList::find(WindowId window)
{
    for (Window &w : m_windows)
        if (w.id == window)
            return &w;
    return nullptr;
}

QList<WindowId> FakeWindowList::windows()
{
    ++m_enumerations;
    QList<WindowId> ids;
    for (const Window &w : m_windows)
        ids.append(w.id);
    return ids;
}

bool FakeWindowList::isWindow(WindowId window) { return find(window) != nullptr; }

bool FakeWindowList::isVisible(WindowId window)
{
    const Window *w = find(window);
    return w && w->visible;
}

QString FakeWindowList::className(WindowId window)
{
    const Window *w = find(window);
    return w ? w->className : QString();
}

QString FakeWindowList::title(WindowId window)
{
    const Window *w = find(window);
    return w ? w->title : QString();
}

bool FakeWindowList::isMinimized(WindowId window)
{
    const Window *w = find(window);
    return w && w->minimized;
}

bool FakeWindowList::restore(WindowId window)
{
    Window *w = find(window);
    if (!w)
        return false;
    m_actions << QStringLiteral("restore 0x%1").arg(window, 0, 16);
    w->minimized = false;
    return true;
}

bool FakeWindowList::activate(WindowId window)
{
    for (int i = 0; i < m_windows.size(); ++i) {
        if (m_windows[i].id == window) {
            m_actions << QStringLiteral("activate 0x%1").arg(window, 0, 16);
            m_windows.move(i, 0); // raised: now the topmost
            return true;
        }
    }
    return false;
}

} // namespace platform
