// Test double of the window list: a scripted set of windows in enumeration order, which records
// what was done to them.
#pragma once

#include "WindowList.h"

#include <QStringList>

namespace platform {

class FakeWindowList : public WindowList
{
public:
    struct Window
    {
        WindowId id = 0;
        QString className;
        QString title;
        bool visible = true;
        bool minimized = false;
    };

    FakeWindowList() = default;
    // Installs itself as the program-wide list while it lives.
    explicit FakeWindowList(bool install);
    ~FakeWindowList() override;

    // Appends a window below the ones added before and returns its id (ids count from 0x100).
    WindowId add(const QString &className, const QString &title, bool visible = true, bool minimized = false);
    void remove(WindowId window);
    Window *find(WindowId window);

    // "restore 0x101", "activate 0x101", in the order they happened.
    const QStringList &actions() const { return m_actions; }
    // How often the windows were enumerated.
    int enumerations() const { return m_enumerations; }

    QList<WindowId> windows() override;
    bool isWindow(WindowId window) override;
    bool isVisible(WindowId window) override;
    QString className(WindowId window) override;
    QString title(WindowId window) override;
    bool isMinimized(WindowId window) override;
    bool restore(WindowId window) override;
    bool activate(WindowId window) override;

private:
    QList<Window> m_windows;
    QStringList m_actions;
    WindowId m_nextId = 0x100;
    int m_enumerations = 0;
    bool m_installed = false;
};

} // namespace platform
