// The contacts commands of the main window: reading the contacts anew and changing the contact fields.
#include "frmHaupt.h"
#include "modHaupt.h"

#include "ReadCommandStatus.h"
#include "StatusBarPanel.h"
#include "platform/UiServices.h"
#include "project/clProjekt.h"
#include "records/clKontakte.h"
#include "infozoom/InfoZoomControl.h"

namespace mainwindow {

namespace {

const QString kStartText = QStringLiteral("Die Kontaktdaten werden neu aus der ACT!-Datenbank eingelesen...");
const QString kDoneText = QStringLiteral("Die Kontaktdaten wurden neu aus der ACT!-Datenbank eingelesen.");
const QString kFailedText = QStringLiteral("Die Kontaktdaten konnten nicht aus der ACT!-Datenbank eingelesen werden!");

} // namespace

// A contacts object without an open database would read nothing and leave an empty table in place
// of the user's contacts; the commands stop with the notice instead.
bool frmHaupt::ContactsDatabaseOpen()
{
    if (Kontakte() && Kontakte()->IsDatabaseOpen())
        return true;
    platform::ui().msgBox(QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."), platform::MsgIcon::Information);
    return false;
}

void frmHaupt::mnuUpdateContacts_Click()
{
    if (!ContactsDatabaseOpen()) {
        UpdateMenus();
        return;
    }
    StartText status(*this, kStartText, kFailedText);
    status.watch(Kontakte());
    EnableControls(false, false);
    Kontakte()->ShowData();
    RecordContactsRead();
    UpdateMenus();
}

void frmHaupt::mnuChangeContactFields_Click()
{
    if (!ContactsDatabaseOpen()) {
        UpdateMenus();
        return;
    }
    Kontakte()->SelectFields();
    const QString question = QStringLiteral("Sollen die ACT!-Kontaktdaten neu eingelesen werden?\r\n"
                                            "Bereits abgeleitete Attribute in den Kontaktdaten gehen dabei verloren.");
    if (platform::ui().msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
        platform::MsgAnswer::Yes) {
        StartText status(*this, kStartText, kFailedText);
        status.watch(Kontakte());
        // The table is emptied only for a read that can take place.
        if (!Kontakte()->SourceFilesReadable()) {
            SetStatusBarText(kFailedText);
            UpdateMenus();
            return;
        }
        EnableControls(false, false);
        ResetInfoZoom(m_infoZoomKontakt);
        Kontakte()->Init(m_infoZoomKontakt, m_statusPanel, m_actdbPanel);
        Kontakte()->ShowData();
        RecordContactsRead();
    }
    UpdateMenus();
}

// The date and the unique-ID attribute of a read that took place go into the contacts descriptor
// (the contacts record no sync attribute of their own here); the window is enabled again and the
// status line says how the read ended.
void frmHaupt::RecordContactsRead()
{
    if (ReadTookPlace(*Kontakte())) {
        project::clFOX &fox = modHaupt::Projekt->FOXKontakt();
        fox.setDatum(Kontakte()->DateOfData());
        fox.setUniqueIDFeldName(Kontakte()->UniqueIDFieldName());
        UpdateDatenuebersicht();
        m_infoZoomKontakt->SetFocus();
    }
    EnableControls(true, false);
    SetStatusBarText(ReadEndText(*Kontakte(), kDoneText, kFailedText));
}

} // namespace mainwindow
