// The main window's commands of external data: the read of the stored table (through the shared
// lower-table frame), the re-read from the data source with the link question after a first read,
// the change of the data source, and the link of an external attribute with a contact attribute.
#pragma once

namespace records {
class clADODaten;
}

namespace mainwindow {

class frmHaupt;

class ADOCommands final
{
public:
    // Registers mnuReadADOData, mnuUpdateADOData, mnuEditADOData and mnuLinkAttributes.
    static void Register(frmHaupt &window);

    static void mnuUpdateADOData_Click(frmHaupt &window);
    static void mnuEditADOData_Click(frmHaupt &window);
    static void mnuLinkAttributes_Click(frmHaupt &window);

    // The external-data record object (modHaupt::ADODaten), or null.
    static records::clADODaten *ADODaten();

private:
    // Steps 2 and 3 of the re-read: the object to read with, its source set; null when Init or
    // the data source dialog failed.
    static records::clADODaten *PrepareReread(frmHaupt &window);
    static void RecordReread(frmHaupt &window, records::clADODaten &ado);
    // The link dialog, loaded, shown modally and unloaded; it writes the link itself.
    static void ShowLinkDialog(frmHaupt &window);
};

} // namespace mainwindow
