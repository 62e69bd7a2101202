// The shared frames of the lower table's read and re-read commands.
#include "LowerTableCommands.h"

#include "ReadCommandStatus.h"
#include "StatusBarPanel.h"
#include "frmHaupt.h"
#include "modHaupt.h"
#include "platform/UiServices.h"
#include "project/clFOX.h"
#include "project/clProjekt.h"
#include "project/modINIFile.h"
#include "records/RecordClassBase.h"
#include "infozoom/InfoZoomControl.h"

namespace mainwindow {

namespace {

bool askYesNo(const QString &question)
{
    return platform::ui().msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
           platform::MsgAnswer::Yes;
}

// Another kind's table is about to be replaced: its changes may be saved first.
void offerSave(frmHaupt &window, const LowerKind &kind)
{
    const QString shown = window.InfoZoomExtra()->Tag();
    if (!kind.saveQuestionFirst || shown.isEmpty() || shown == kind.tag || !modHaupt::Projekt->IsChanged())
        return;
    if (askYesNo(SaveChangesQuestion()))
        window.RunNestedCommand(QStringLiteral("mnuSaveProject"));
}

// A failure that escapes the record class leaves the kind's failure text behind it; the command
// runner reports the error itself and enables the window again.
void loadStoredTable(frmHaupt &window, const LowerKind &kind, const QString &file)
{
    const StartText status(window, kind.loadingText, kind.loadFailedText);
    kind.variable->reset();
    window.ResetInfoZoom(window.InfoZoomExtra());
    *kind.variable = kind.create();
    records::RecordClassBase &record = **kind.variable;
    if (!kind.init(record)) {
        window.SetStatusBarText(kind.loadFailedText);
        return;
    }
    window.EnableControls(false, false);
    if (kind.setUpFields)
        kind.setUpFields(record);
    kind.loadData(record, file);
    const project::clFOX &fox = kind.descriptor();
    record.setDateOfData(fox.Datum());
    record.setSyncFieldName(fox.SyncFeldName());
    record.setUniqueIDFieldName(fox.UniqueIDFeldName());
    window.InfoZoomExtra()->SetFocus();
    window.EnableControls(true, false);
    window.SetStatusBarText(kind.loadedText);
}

} // namespace

QString LowerTableCommands::ReadAnewQuestion(const LowerKind &kind, const QString &recordedFile)
{
    if (recordedFile.isEmpty())
        return kind.readAnewQuestion;
    return QStringLiteral("Die Projektdatendatei \"%1\"\r\nwurde nicht gefunden.\r\n%2")
        .arg(recordedFile, kind.readAnewQuestionMissing);
}

void LowerTableCommands::Read(frmHaupt &window, const LowerKind &kind)
{
    offerSave(window, kind);
    const QString file = kind.descriptor().Datei();
    if (!file.isEmpty() && project::FileExists(file)) {
        loadStoredTable(window, kind, file);
    } else if (askYesNo(ReadAnewQuestion(kind, file))) {
        window.ResetInfoZoom(window.InfoZoomExtra());
        window.RunNestedCommand(kind.rereadCommand);
    }
    window.UpdateMenus();
}

void LowerTableCommands::Reread(frmHaupt &window, const LowerKind &kind)
{
    StartText status(window, kind.rereadStartText, kind.rereadFailedText);
    // The object of the table on screen knows the files its kind is read from: when one cannot be
    // read, the table stays as it is, object and all.
    records::RecordClassBase *shown = kind.variable->get();
    if (shown && window.InfoZoomExtra()->Tag() == kind.tag && !shown->SourceFilesReadable()) {
        window.SetStatusBarText(kind.rereadFailedText);
        window.UpdateMenus();
        return;
    }
    kind.variable->reset();
    *kind.variable = kind.create();
    records::RecordClassBase &record = **kind.variable;
    status.watch(&record);
    if (!kind.init(record)) {
        window.SetStatusBarText(kind.rereadFailedText);
        window.UpdateMenus();
        return;
    }
    if (kind.setUpFields && !kind.setUpFields(record)) {
        window.UpdateMenus();
        return;
    }
    window.EnableControls(false, false);
    kind.showData(record);
    RecordReread(window, kind, record);
    window.UpdateMenus();
}

void LowerTableCommands::RecordReread(frmHaupt &window, const LowerKind &kind, const records::RecordClassBase &record)
{
    if (ReadTookPlace(record)) {
        project::clFOX &fox = kind.descriptor();
        fox.setDatum(record.DateOfData());
        fox.setSyncFeldName(record.SyncFieldName());
        fox.setUniqueIDFeldName(record.UniqueIDFieldName());
        window.UpdateDatenuebersicht();
        window.InfoZoomExtra()->SetFocus();
    }
    window.EnableControls(true, false);
    window.SetStatusBarText(ReadEndText(record, kind.rereadDoneText, kind.rereadFailedText));
}

} // namespace mainwindow
