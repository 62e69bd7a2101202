// The shared frames of the lower table's read and re-read commands.
#include "LowerTableCommands.h"

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
    const QString question =
        QStringLiteral("Sollen zuvor die Änderungen im Projekt \"%1\" gespeichert werden?").arg(modHaupt::Projekt->Name());
    if (askYesNo(question))
        window.RunNestedCommand(QStringLiteral("mnuSaveProject"));
}

// A failure that escapes the record class leaves the kind's failure text behind it; the
// command runner reports the error itself and enables the window again.
template <typename Step> void runGuarded(frmHaupt &window, const QString &failedText, Step step)
{
    try {
        step();
    } catch (...) {
        window.SetStatusBarText(failedText);
        throw;
    }
}

void loadStoredTable(frmHaupt &window, const LowerKind &kind, const QString &file)
{
    window.SetStatusBarText(kind.loadingText);
    kind.variable->reset();
    window.ResetInfoZoom(window.InfoZoomExtra());
    *kind.variable = kind.create();
    records::RecordClassBase &record = **kind.variable;
    if (!kind.init(record)) {
        window.SetStatusBarText(kind.loadFailedText);
        return;
    }
    window.EnableControls(false, false);
    runGuarded(window, kind.loadFailedText, [&] {
        if (kind.setUpFields)
            kind.setUpFields(record);
        kind.loadData(record, file);
    });
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
    window.SetStatusBarText(kind.rereadStartText);
    kind.variable->reset();
    *kind.variable = kind.create();
    records::RecordClassBase &record = **kind.variable;
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
    runGuarded(window, kind.rereadFailedText, [&] { kind.showData(record); });
    project::clFOX &fox = kind.descriptor();
    fox.setDatum(record.DateOfData());
    fox.setSyncFeldName(record.SyncFieldName());
    fox.setUniqueIDFeldName(record.UniqueIDFieldName());
    window.UpdateDatenuebersicht();
    window.InfoZoomExtra()->SetFocus();
    window.EnableControls(true, false);
    window.SetStatusBarText(kind.rereadDoneText);
    window.UpdateMenus();
}

} // namespace mainwindow
