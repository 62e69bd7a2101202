// Keeps the views of table controls from following every change while a command changes thousands
// of values or rows and lets events run between them (each run would recount and repaint the
// tables, at a cost that grows with their size); each view is brought up to date once at the end,
// however the command ends.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

class InfoZoomControl;

namespace mainwindow {

class DisplayPause
{
public:
    explicit DisplayPause(std::initializer_list<InfoZoomControl *> controls);
    ~DisplayPause();
    DisplayPause(const DisplayPause &) = delete;
    DisplayPause &operator=(const DisplayPause &) = delete;

private:
    // Each control with the display state it had.
    std::vector<std::pair<InfoZoomControl *, bool>> m_controls;
};

} // namespace mainwindow
