// The main window's printing commands on the active table and the about box.
#pragma once

#include <QObject>

namespace mainwindow {

class frmHaupt;

class PrintCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrintCommands)

public:
    // Registers mnuPrint, mnuPrintPreview, mnuPrintSetup and mnuInfo with the window, which owns
    // the object.
    static PrintCommands *Register(frmHaupt &window);

    // Print and preview never stop the program: a failure's description becomes the status text.
    // A printout into a file names the file in the status text.
    void mnuPrint_Click();
    void mnuPrintPreview_Click();
    // Failures of the page set-up go to the caller.
    void mnuPrintSetup_Click();
    // Shows a freshly made about box modally.
    void mnuInfo_Click();

private:
    explicit PrintCommands(frmHaupt &window);

    frmHaupt &m_window;
};

} // namespace mainwindow
