// Switches a table control's display off for a read and on again however the read ends, an error
// passing up included, so a failed read leaves a usable table.
#pragma once

#include "infozoom/InfoZoomControl.h"

namespace records {

class DisplayOffGuard
{
public:
    explicit DisplayOffGuard(InfoZoomControl *control) : m_control(control) { m_control->setDisplayEnabled(false); }
    ~DisplayOffGuard()
    {
        if (m_active)
            m_control->setDisplayEnabled(true);
    }
    DisplayOffGuard(const DisplayOffGuard &) = delete;
    DisplayOffGuard &operator=(const DisplayOffGuard &) = delete;

    // The caller switches the display on itself.
    void release() { m_active = false; }

private:
    InfoZoomControl *m_control;
    bool m_active = true;
};

} // namespace records
