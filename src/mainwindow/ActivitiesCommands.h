// The activities' read and re-read commands of the lower table (menu "D&aten"), run on the shared
// frame of the lower table's commands.
#pragma once

#include "LowerTableCommands.h"

namespace mainwindow {

class frmHaupt;

class ActivitiesCommands
{
public:
    // Registers mnuReadActivities and mnuUpdateActivities with the window.
    static void Register(frmHaupt &window);
    // What the activities plug into the frame.
    static LowerKind Kind(frmHaupt &window);
};

} // namespace mainwindow
