// The views of table controls paused during a command.
#include "DisplayPause.h"

#include "infozoom/InfoZoomControl.h"

namespace mainwindow {

DisplayPause::DisplayPause(std::initializer_list<InfoZoomControl *> controls)
{
    for (InfoZoomControl *control : controls) {
        m_controls.emplace_back(control, control->DisplayEnabled());
        control->setDisplayEnabled(false);
    }
}

DisplayPause::~DisplayPause()
{
    for (const auto &[control, wasEnabled] : m_controls)
        control->setDisplayEnabled(wasEnabled);
}

} // namespace mainwindow
