// The project commands of the main window: new, open, save, save as and close, with the choice of
// the ACT! database and the file copy of save as.
#include "frmHaupt.h"
#include "modHaupt.h"

#include "ReadCommandStatus.h"
#include "StatusBarPanel.h"
#include "platform/UiServices.h"
#include "project/clFileDialog.h"
#include "project/clProjekt.h"
#include "project/modINIFile.h"
#include "records/RunningACT.h"
#include "records/clKontakte.h"
#include "infozoom/InfoZoomControl.h"
#include "platform/FileTransaction.h"

#include <QFileInfo>

namespace mainwindow {

namespace {

const QString kNoDatabase = QStringLiteral("<<<EMPTY>>>");

QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

} // namespace

records::clKontakte *frmHaupt::Kontakte() const
{
    return dynamic_cast<records::clKontakte *>(modHaupt::Kontakte.get());
}

void frmHaupt::RegisterProjectCommands()
{
    project::clProjekt::setDisplayedTables(m_infoZoomKontakt, m_infoZoomExtra);
    AddCommand(QStringLiteral("mnuNewProject"), [this] { mnuNewProject_Click(); });
    AddCommand(QStringLiteral("mnuOpenProject"), [this] { OpenProject(QString()); });
    AddCommand(QStringLiteral("mnuSaveProject"), [this] { mnuSaveProject_Click(); });
    AddCommand(QStringLiteral("mnuSaveAsProject"), [this] { mnuSaveAsProject_Click(); });
    AddCommand(QStringLiteral("mnuCloseProject"), [this] { mnuCloseProject_Click(); });
    AddCommand(QStringLiteral("mnuUpdateContacts"), [this] { mnuUpdateContacts_Click(); });
    AddCommand(QStringLiteral("mnuChangeContactFields"), [this] { mnuChangeContactFields_Click(); });
    AddCommand(QStringLiteral("mnuDataChoice"), [this] { mnuDataChoice_Click(); });
}

void frmHaupt::SetProjectTitle() { setWindowTitle(QStringLiteral("Datolux - ") + modHaupt::Projekt->Name()); }

void frmHaupt::AskToSaveChanges()
{
    if (!modHaupt::Projekt->IsChanged())
        return;
    const QString question = SaveChangesQuestion();
    if (platform::ui().msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
        platform::MsgAnswer::Yes)
        RunNestedCommand(QStringLiteral("mnuSaveProject"));
}

void frmHaupt::mnuNewProject_Click()
{
    AskToSaveChanges();
    SetStatusBarText(QStringLiteral("Neues Projekt..."));
    modHaupt::Kontakte = std::make_unique<records::clKontakte>();
    ResetInfoZoom(m_infoZoomKontakt);
    ResetInfoZoom(m_infoZoomExtra);
    Kontakte()->Init(m_infoZoomKontakt, m_statusPanel, m_actdbPanel);
    const QString database = SelectACTDatabase();
    if (database == kNoDatabase) {
        AbandonProject();
        return;
    }
    EnableControls(false, true);
    // A database that does not open (or whose path the project file cannot hold) ends like a
    // cancel: the empty tables then belong to no project whose files a save could overwrite.
    if (!Kontakte()->OpenDatabase(database, QString(), QString()) ||
        (database.isEmpty() && DatabasePathRefused(Kontakte()->Databasepath()))) {
        AbandonProject();
        return;
    }
    modHaupt::Projekt = std::make_unique<project::clProjekt>();
    const QString databaseName = Kontakte()->Databasename();
    modHaupt::Projekt->InputName(databaseName.chopped(std::min<qsizetype>(4, databaseName.size())));
    SetProjectTitle();
    if (!Kontakte()->SelectFields()) {
        AbandonProject();
        return;
    }
    EnableControls(false, false);
    Kontakte()->ShowData();
    project::clProjekt &projekt = *modHaupt::Projekt;
    projekt.setACTDatenbank(Kontakte()->Databasepath());
    projekt.setACTBenutzername(Kontakte()->DatabaseUser());
    projekt.FOXKontakt().setDatum(Kontakte()->DateOfData());
    projekt.FOXKontakt().setUniqueIDFeldName(Kontakte()->UniqueIDFieldName());
    projekt.FOXKontakt().setSyncFeldName(Kontakte()->SyncFieldName());
    UpdateDatenuebersicht();
    EnableControls(true, true);
    SetStatusBarText(QString());
    UpdateMenus();
}

// A new project given up, or an opened one whose database does not open or whose contact table cannot
// be loaded: the program goes on with the empty project, so that no save can put an empty table in
// place of the stored one.
void frmHaupt::AbandonProject()
{
    EnableControls(true, true);
    modHaupt::ReleaseRecordObjects();
    ResetInfoZoom(m_infoZoomKontakt);
    ResetInfoZoom(m_infoZoomExtra);
    modHaupt::Projekt->CloseProjekt();
    SetProjectTitle();
    SetStatusBarText(QString());
    UpdateMenus();
}

QString frmHaupt::SelectACTDatabase()
{
    QString result = kNoDatabase;
    std::unique_ptr<records::RunningACT> act = records::RunningACT::create();
    const QString current = act->ACTDatenbank();
    if (!current.isEmpty() &&
        platform::ui().msgBox(QStringLiteral("Soll die aktuelle ACT!-Datenbank verwendet werden?"),
                              platform::MsgIcon::Question, platform::MsgButtons::YesNo) == platform::MsgAnswer::Yes)
        return QString();
    project::clFileDialog dialog;
    dialog.sethWndParent(this);
    dialog.setInitialDir(m_environment.getOption(QStringLiteral("DirACTDatabase")).toString());
    dialog.setDialogTitle(QStringLiteral("ACT!-Datenbank auswählen"));
    dialog.setDefaultExt(QStringLiteral("dbf"));
    dialog.setFlags(4100);
    dialog.setFilter(QStringLiteral("ACT!-Datenbank (*.dbf)|*.dbf"));
    if (dialog.Show(true)) {
        result = dialog.FileName();
        m_environment.setOption(QStringLiteral("DirACTDatabase"),
                                result.left(result.size() - dialog.FileTitle().size()));
        if (DatabasePathRefused(result))
            result = kNoDatabase;
    }
    return result;
}

// The project file names the database by its path, in Windows-1252: a path it cannot hold would
// come back as another one, and the project could not be opened again.
bool frmHaupt::DatabasePathRefused(const QString &path)
{
    const QString problem = project::clProjekt::unstorableText(path, QStringLiteral("in ihrem Pfad"), QString());
    if (problem.isEmpty())
        return false;
    platform::ui().msgBox(
        QStringLiteral("Die ACT!-Datenbank %1 kann nicht verwendet werden: ").arg(quoted(path)) + problem,
        platform::MsgIcon::Exclamation);
    return true;
}

void frmHaupt::OpenProject(const QString &fileName)
{
    AskToSaveChanges();
    SetStatusBarText(QStringLiteral("Projekt öffnen..."));
    project::clProjekt &projekt = *modHaupt::Projekt;
    // A refused project file leaves the current project as it was, on screen and in its own files.
    if (!projekt.OpenProjekt(fileName)) {
        UpdateMenus();
        SetStatusBarText(QString());
        return;
    }
    modHaupt::Kontakte = std::make_unique<records::clKontakte>();
    ResetInfoZoom(m_infoZoomKontakt);
    ResetInfoZoom(m_infoZoomExtra);
    // The previous project's tables are gone now: an open that fails from here ends in the empty
    // project, so that no save can write the empty tables into the opened project's files.
    try {
        Kontakte()->Init(m_infoZoomKontakt, m_statusPanel, m_actdbPanel);
        if (!Kontakte()->OpenDatabase(projekt.ACTDatenbank(), projekt.ACTBenutzername(), QString())) {
            AbandonProject();
            return;
        }
        if (Kontakte()->DatabaseUser() != projekt.ACTBenutzername())
            projekt.setACTBenutzername(Kontakte()->DatabaseUser());
        Kontakte()->LoadData(projekt.FOXKontakt().Datei());
    } catch (...) {
        AbandonProject();
        throw;
    }
    Kontakte()->setUniqueIDFieldName(projekt.FOXKontakt().UniqueIDFeldName());
    Kontakte()->setSyncFieldName(projekt.FOXKontakt().SyncFeldName());
    Kontakte()->setDateOfData(projekt.FOXKontakt().Datum());
    UpdateDatenuebersicht();
    SetProjectTitle();
    SetStatusBarText(QStringLiteral("Das Projekt %1 wurde geöffnet.").arg(quoted(projekt.Name())));
    UpdateMenus();
}

void frmHaupt::mnuSaveProject_Click()
{
    project::clProjekt &projekt = *modHaupt::Projekt;
    SetStatusBarText(QStringLiteral("Das Projekt %1 wird gespeichert...").arg(quoted(projekt.Name())));
    const bool saved = projekt.SaveProjekt();
    SetStatusBarText(saved ? QStringLiteral("Das Projekt %1 wurde gespeichert.").arg(quoted(projekt.Name()))
                           : QStringLiteral("Es ist ein Fehler beim Speichern des Projektes %1 aufgetreten.")
                                 .arg(quoted(projekt.Name())));
    UpdateDatenuebersicht();
    UpdateMenus();
}

void frmHaupt::mnuSaveAsProject_Click()
{
    project::clProjekt &projekt = *modHaupt::Projekt;
    const QString oldFile = projekt.Datei();
    const QString oldName = projekt.Name();
    const QString oldFolder = projekt.Ordner();
    projekt.InputName(oldName);
    projekt.setOrdner(QString());
    // The one save wrote every file; a second one would only write them again.
    if (SaveAsSteps(oldFile, oldName, oldFolder)) {
        SetStatusBarText(QStringLiteral("Das Projekt %1 wurde gespeichert.").arg(quoted(projekt.Name())));
        SetProjectTitle();
        UpdateDatenuebersicht();
        UpdateMenus();
        return;
    }
    projekt.setName(oldName);
    projekt.setOrdner(oldFolder);
    projekt.setDatei(oldFile);
    UpdateDatenuebersicht();
    UpdateMenus();
}

// One save writes the new project file, starting from the old one so that the keys of the kinds
// not on screen come along, the displayed tables and copies of the other kinds' table files; no old
// file is replaced before all were written, the same place as before included.
bool frmHaupt::SaveAsSteps(const QString &oldFile, const QString &oldName, const QString &oldFolder)
{
    project::clProjekt &projekt = *modHaupt::Projekt;
    const project::clProjekt::Origin origin{oldFile, oldFolder, oldName};
    const auto copy = [this](const QString &source, const QString &dest, platform::FileTransaction &save) {
        bool success = false;
        CopyProjectFile(source, dest, false, success, save);
        return success;
    };
    // A project never saved before has no files to bring along.
    if (!projekt.SaveProjekt(oldFolder.isEmpty() ? nullptr : &origin, copy)) {
        SetStatusBarText(QStringLiteral("Es ist ein Fehler beim Speichern des Projektes %1 aufgetreten.")
                             .arg(quoted(projekt.Name())));
        return false;
    }
    return true;
}

// Adds the copy to the save: it is written beside Dest and replaces Dest together with the save's
// other files.
void frmHaupt::CopyProjectFile(const QString &source, const QString &dest, bool ask, bool &success,
                               platform::FileTransaction &save)
{
    success = false;
    if (!project::FileExists(source))
        return;
    if (ask && QFileInfo::exists(dest) &&
        platform::ui().msgBox(QStringLiteral("Soll die Datei %1 überschrieben werden?").arg(quoted(dest)),
                              platform::MsgIcon::Question, platform::MsgButtons::YesNo) != platform::MsgAnswer::Yes)
        return;
    SetStatusBarText(QStringLiteral("Kopiere Projektdatei %1...").arg(quoted(source)));
    if (!save.copy(source, dest)) {
        platform::ui().msgBox(QStringLiteral("Fehler beim Kopieren der Datei %1\r\nnach %2\r\n")
                                      .arg(quoted(source), quoted(dest)) +
                                  save.errorString(),
                              platform::MsgIcon::Exclamation);
        return;
    }
    success = true;
}

void frmHaupt::mnuCloseProject_Click()
{
    SetStatusBarText(QStringLiteral("Projekt schließen..."));
    AskToSaveChanges();
    modHaupt::ReleaseRecordObjects();
    ResetInfoZoom(m_infoZoomKontakt);
    ResetInfoZoom(m_infoZoomExtra);
    modHaupt::Projekt->CloseProjekt();
    UpdateMenus();
    SetProjectTitle();
    SetStatusBarText(QString());
}

} // namespace mainwindow
