// The data overview of the main window: its refill after every change of the project's tables
// and the command that shows it.
#include "frmHaupt.h"
#include "modHaupt.h"

#include "frmDatenuebersicht.h"
#include "platform/UiServices.h"
#include "project/VbDate.h"
#include "project/clFOX.h"
#include "project/clProjekt.h"
#include "records/clKontakte.h"

#include <QFileInfo>

namespace mainwindow {

namespace {

QDateTime fileDate(const QString &path)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    if (!modified.isValid())
        return project::MissingDate();
    return modified.addMSecs(-modified.time().msec());
}

DatenuebersichtRow row(const QString &kind, const project::clFOX &fox, const QDateTime &sourceDate)
{
    return DatenuebersichtRow{kind, fox.Datum(), sourceDate, fox.Datei()};
}

DatenuebersichtData collect(const records::clKontakte &contacts, const project::clProjekt &projekt)
{
    DatenuebersichtData data;
    data.databasePath = contacts.Databasepath();
    data.databaseName = contacts.Databasename();
    data.databaseUser = contacts.DatabaseUser();
    const int users = contacts.ACTDB_UserCount();
    for (int i = 1; i <= users; ++i)
        data.userNames << contacts.ACTDB_UserName(i);
    data.projectSaved = projekt.IsSaved();
    data.rows = {row(QStringLiteral("Kontakte"), projekt.FOXKontakt(), fileDate(contacts.Databasepath())),
                 row(QStringLiteral("Notizen"), projekt.FOXNotiz(), projekt.ACTNotizDatum()),
                 row(QStringLiteral("Aufträge"), projekt.FOXAuftrag(), projekt.ACTAuftragDatum()),
                 row(QStringLiteral("Aufgaben"), projekt.FOXAufgabe(), projekt.ACTAufgabeDatum()),
                 row(QStringLiteral("Gruppen"), projekt.FOXGruppen(), projekt.ACTGruppenDatum())};
    return data;
}

} // namespace

// The window starts from its designed state at every refill, so nothing of an earlier project
// (a longer user list, another database) survives in it.
void frmHaupt::UpdateDatenuebersicht()
{
    UnloadDatenuebersicht();
    if (!Kontakte() || !modHaupt::Projekt)
        return;
    m_datenuebersicht = new frmDatenuebersicht(this);
    m_datenuebersicht->Fill(collect(*Kontakte(), *modHaupt::Projekt));
}

frmDatenuebersicht *frmHaupt::Datenuebersicht() const { return m_datenuebersicht.data(); }

void frmHaupt::UnloadDatenuebersicht()
{
    delete m_datenuebersicht.data();
    m_datenuebersicht = nullptr;
}

// The window keeps the snapshot of the last refill; the ages do not move on while it is shown.
void frmHaupt::mnuDataChoice_Click()
{
    if (!Kontakte())
        return;
    if (!m_datenuebersicht)
        UpdateDatenuebersicht();
    platform::ui().showModal(m_datenuebersicht);
}

} // namespace mainwindow
