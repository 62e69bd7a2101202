// Printing and the about box.
#include "PrintCommands.h"

#include "frmHaupt.h"
#include "frmInfo.h"

#include "platform/UiServices.h"
#include "platform/VbError.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QDir>

namespace mainwindow {

PrintCommands::PrintCommands(frmHaupt &window) : QObject(&window), m_window(window) {}

PrintCommands *PrintCommands::Register(frmHaupt &window)
{
    auto *commands = new PrintCommands(window);
    window.AddCommand(QStringLiteral("mnuPrint"), [commands] { commands->mnuPrint_Click(); });
    window.AddCommand(QStringLiteral("mnuPrintPreview"), [commands] { commands->mnuPrintPreview_Click(); });
    window.AddCommand(QStringLiteral("mnuPrintSetup"), [commands] { commands->mnuPrintSetup_Click(); });
    window.AddCommand(QStringLiteral("mnuInfo"), [commands] { commands->mnuInfo_Click(); });
    return commands;
}

void PrintCommands::mnuPrint_Click()
{
    try {
        // Without a printer the printout goes into a file the user chose: say where it went.
        const QString file = m_window.ActiveTable()->Table()->PrintOut();
        if (!file.isEmpty())
            m_window.SetStatusBarText(QStringLiteral("Der Ausdruck wurde in die Datei \"%1\" geschrieben.")
                                          .arg(QDir::toNativeSeparators(file)));
    } catch (const platform::VbError &error) {
        m_window.SetStatusBarText(error.description());
    }
}

void PrintCommands::mnuPrintPreview_Click()
{
    try {
        m_window.ActiveTable()->Table()->PrintPreview();
    } catch (const platform::VbError &error) {
        m_window.SetStatusBarText(error.description());
    }
}

void PrintCommands::mnuPrintSetup_Click()
{
    m_window.ActiveTable()->Table()->PrintSetup();
}

void PrintCommands::mnuInfo_Click()
{
    frmInfo box(&m_window);
    platform::ui().showModal(&box);
}

} // namespace mainwindow
