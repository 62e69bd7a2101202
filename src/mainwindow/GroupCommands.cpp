// The group commands: the groups' kind of the read and re-read frame, the change of the group fields,
// and the zoom from a selected group to its main group or its subgroups.
#include "GroupCommands.h"

#include "LowerTableCommands.h"
#include "ReadCommandStatus.h"
#include "StatusBarPanel.h"
#include "frmHaupt.h"
#include "modHaupt.h"

#include "platform/UiServices.h"
#include "platform/VbError.h"
#include "project/clProjekt.h"
#include "records/clGruppen.h"
#include "records/clKontakte.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

namespace mainwindow {

namespace {

const QString kTag = QStringLiteral("Gruppen");
const QString kMainGroup = QStringLiteral("Hauptgruppe");
const QString kRereadStart = QStringLiteral("Die Gruppendaten werden neu aus der ACT!-Datenbank eingelesen...");
const QString kRereadDone = QStringLiteral("Die Gruppendaten wurden neu aus der ACT!-Datenbank eingelesen.");
const QString kRereadFailed =
    QStringLiteral("Die Gruppendaten konnten nicht aus der ACT!-Datenbank eingelesen werden!");

records::clGruppen &groups(records::RecordClassBase &record)
{
    return static_cast<records::clGruppen &>(record);
}

bool initGroups(frmHaupt &window, records::clGruppen &gruppen)
{
    records::clKontakte *kontakte = window.Kontakte();
    return gruppen.Init(window.InfoZoomExtra(), window.StatusPanel(), kontakte ? kontakte->ACTOLEDatabase() : nullptr,
                        modHaupt::Projekt->ACTDatenbank());
}

// The one group row the zoom starts from, as the selection names it; found is false when the
// selection names no single group.
InfoZoomObject selectedGroupRow(InfoZoomTable *table, const InfoZoomAttribute &key, bool &found)
{
    found = true;
    InfoZoomObjects selected = table->SelectedObjects();
    if (selected.Count() == 1) {
        selected.Reset();
        return selected.NextObject();
    }
    InfoZoomValues values = key.SelectedValues();
    if (values.Count() != 1) {
        found = false;
        return {};
    }
    // The first row of the view that holds the selected value: the first row of the view alone may
    // belong to another group when the view is not narrowed to the selection.
    values.Reset();
    const QString value = values.NextValue().Value().toString();
    InfoZoomObjects current = table->CurrentObjects();
    current.Reset();
    for (int i = 0; i < current.Count(); ++i) {
        const InfoZoomObject row = current.NextObject();
        if (row.Value(key).toString() == value)
            return row;
    }
    return {};
}

// Selects value in attribute; false when no row of the view holds it. A value the attribute holds
// only in rows outside the view (or in none left) would make the zoom do nothing while it reported
// success, so it counts as not found as well.
bool selectValue(InfoZoomTable *table, InfoZoomAttribute attribute, const QString &value)
{
    try {
        attribute.SelectValue(QVariant(value), true);
    } catch (const platform::VbError &) {
        return false;
    }
    return table->SelectedObjects().Count() > 0;
}

} // namespace

void GroupCommands::Register(frmHaupt &window)
{
    window.AddCommand(QStringLiteral("mnuReadGroups"),
                      [&window] { LowerTableCommands::Read(window, Kind(window, false)); });
    window.AddCommand(QStringLiteral("mnuUpdateGroups"),
                      [&window] { LowerTableCommands::Reread(window, Kind(window, true)); });
    window.AddCommand(QStringLiteral("mnuChangeGroupFields"), [&window] { mnuChangeGroupFields_Click(window); });
    window.AddCommand(QStringLiteral("mnuZoomMaingroups"), [&window] { mnuZoomMaingroups_Click(window); });
    window.AddCommand(QStringLiteral("mnuZoomSubgroups"), [&window] { mnuZoomSubgroups_Click(window); });
}

LowerKind GroupCommands::Kind(frmHaupt &window, bool forReread)
{
    LowerKind kind;
    kind.tag = kTag;
    kind.loadingText = QStringLiteral("Die Gruppendaten werden geladen...");
    kind.loadedText = QStringLiteral("Die Gruppendaten wurden geladen.");
    kind.loadFailedText = QStringLiteral("Die Gruppendaten konnten nicht geladen werden!");
    kind.readAnewQuestion = QStringLiteral("Sollen die Gruppen neu aus der ACT!-Datenbank eingelesen werden?");
    kind.readAnewQuestionMissing = kind.readAnewQuestion;
    kind.saveQuestionFirst = true;
    kind.rereadCommand = QStringLiteral("mnuUpdateGroups");
    kind.rereadStartText = kRereadStart;
    kind.rereadDoneText = kRereadDone;
    kind.rereadFailedText = kRereadFailed;
    kind.variable = &modHaupt::Gruppen;
    kind.descriptor = []() -> project::clFOX & { return modHaupt::Projekt->FOXGruppen(); };
    kind.create = [] { return std::make_unique<records::clGruppen>(); };
    kind.init = [&window](records::RecordClassBase &record) { return initGroups(window, groups(record)); };
    if (forReread) {
        const bool editFieldList = window.InfoZoomExtra()->Tag() != kTag;
        kind.setUpFields = [editFieldList](records::RecordClassBase &record) {
            return groups(record).SelectFields(editFieldList);
        };
    }
    kind.showData = [](records::RecordClassBase &record) { groups(record).ShowData(); };
    kind.loadData = [](records::RecordClassBase &record, const QString &file) { groups(record).LoadData(file); };
    return kind;
}

records::clGruppen *GroupCommands::Gruppen()
{
    return dynamic_cast<records::clGruppen *>(modHaupt::Gruppen.get());
}

void GroupCommands::mnuChangeGroupFields_Click(frmHaupt &window)
{
    records::clGruppen *gruppen = Gruppen();
    const QString question = QStringLiteral("Sollen die ACT!-Gruppendaten neu eingelesen werden?\r\n"
                                            "Bereits abgeleitete Attribute in den Gruppendaten gehen dabei verloren.");
    if (gruppen && gruppen->SelectFields(true) &&
        platform::ui().msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
            platform::MsgAnswer::Yes)
        rereadChosenGroups(window, *gruppen);
    window.UpdateMenus();
}

// The table is emptied only for a read that can take place.
void GroupCommands::rereadChosenGroups(frmHaupt &window, records::clGruppen &gruppen)
{
    StartText status(window, kRereadStart, kRereadFailed);
    status.watch(&gruppen);
    if (!gruppen.SourceFilesReadable()) {
        window.SetStatusBarText(kRereadFailed);
        return;
    }
    window.ResetInfoZoom(window.InfoZoomExtra());
    if (!initGroups(window, gruppen)) {
        window.SetStatusBarText(kRereadFailed);
        return;
    }
    window.EnableControls(false, false);
    gruppen.ShowData();
    LowerTableCommands::RecordReread(window, Kind(window, false), gruppen);
}

void GroupCommands::mnuZoomMaingroups_Click(frmHaupt &window)
{
    zoom(window, true);
}

void GroupCommands::mnuZoomSubgroups_Click(frmHaupt &window)
{
    zoom(window, false);
}

void GroupCommands::zoom(frmHaupt &window, bool toMainGroup)
{
    records::clGruppen *gruppen = Gruppen();
    if (!gruppen)
        return;
    InfoZoomTable *table = window.InfoZoomExtra()->Table();
    const InfoZoomAttribute uniqueId = gruppen->UniqueIDAttribute();
    const InfoZoomAttribute parent = gruppen->ParentGroupAttribute();
    bool found = false;
    const InfoZoomObject row = selectedGroupRow(table, toMainGroup ? parent : uniqueId, found);
    if (!found) {
        window.SetStatusBarText(QStringLiteral("Es ist keine eindeutige Gruppe ausgewählt."));
        return;
    }
    if (row.isNull())
        return;
    const QString group = row.Value(uniqueId).toString();
    const QString parentGroup = row.Value(parent).toString();
    if (toMainGroup) {
        if (parentGroup == kMainGroup) {
            window.SetStatusBarText(QStringLiteral("Die ausgewählte Gruppe ist eine Hauptgruppe!"));
            return;
        }
        table->ResetSelection();
        if (selectValue(table, uniqueId, parentGroup)) {
            table->Zoom();
            window.SetStatusBarText(QStringLiteral("Es wurde auf die Hauptgruppe gezoomt."));
        } else {
            window.SetStatusBarText(QStringLiteral("Die Hauptgruppe wurde nicht gefunden!"));
        }
        return;
    }
    if (parentGroup != kMainGroup) {
        window.SetStatusBarText(QStringLiteral("Die ausgewählte Gruppe ist eine Untergruppe!"));
        return;
    }
    table->ResetSelection();
    if (selectValue(table, parent, group)) {
        table->Zoom();
        window.SetStatusBarText(QStringLiteral("Es wurde auf die Untergruppen gezoomt."));
    } else {
        table->Mark();
        window.SetStatusBarText(QStringLiteral("Die Gruppe hat keine Untergruppen."));
    }
}

} // namespace mainwindow
