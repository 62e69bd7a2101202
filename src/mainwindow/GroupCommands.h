// The group commands of the main window: changing the group fields, and zooming in the lower table
// from a selected group to its main group or to its subgroups. The read and re-read of the groups
// run through the lower-table frame with the kind built here.
#pragma once

namespace records {
class clGruppen;
}

namespace mainwindow {

class frmHaupt;
struct LowerKind;

class GroupCommands final
{
public:
    // Registers mnuReadGroups, mnuUpdateGroups, mnuChangeGroupFields, mnuZoomMaingroups and
    // mnuZoomSubgroups with the window.
    static void Register(frmHaupt &window);

    // The groups' kind of the lower-table frame. The read has no field set-up (the loaded table brings
    // its fields); the re-read's field dialog comes only when the lower table does not show groups
    // already, as its tag says when the kind is built, before Init empties it.
    static LowerKind Kind(frmHaupt &window, bool forReread);

    static void mnuChangeGroupFields_Click(frmHaupt &window);
    static void mnuZoomMaingroups_Click(frmHaupt &window);
    static void mnuZoomSubgroups_Click(frmHaupt &window);

    // The groups record object, or null when there is none.
    static records::clGruppen *Gruppen();

private:
    // The groups read anew with the fields just chosen.
    static void rereadChosenGroups(frmHaupt &window, records::clGruppen &gruppen);
    static void zoom(frmHaupt &window, bool toMainGroup);
};

} // namespace mainwindow
