// The ACT! actions on the selection.
#include "ActionCommands.h"

#include "ExportCommands.h"
#include "frmHaupt.h"
#include "modHaupt.h"

#include "records/RecordClassBase.h"
#include "records/clAufgaben.h"
#include "records/clAuftraege.h"
#include "records/clGruppen.h"
#include "records/clKontakte.h"
#include "records/clNotizen.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

namespace mainwindow {

namespace {

InfoZoomObject onlyObject(InfoZoomObjects objects)
{
    if (objects.Count() != 1)
        return {};
    objects.Reset();
    return objects.NextObject();
}

// The text of the row's value in an attribute; a missing attribute gives "".
QString valueText(const InfoZoomObject &row, const InfoZoomAttribute &attribute)
{
    if (attribute.isNull())
        return QString();
    return ExportCommands::ValueText(row.Value(attribute));
}

} // namespace

ActionCommands::ActionCommands(frmHaupt &window) : QObject(&window), m_window(window) {}

ActionCommands *ActionCommands::Register(frmHaupt &window)
{
    auto *c = new ActionCommands(window);
    window.AddCommand(QStringLiteral("mnuACTSuche"), [c] { c->mnuACTSuche_Click(); });
    window.AddCommand(QStringLiteral("mnuShowNote"), [c] { c->mnuShowNote_Click(); });
    window.AddCommand(QStringLiteral("mnuShowSale"), [c] { c->mnuShowSale_Click(); });
    window.AddCommand(QStringLiteral("mnuShowActivity"), [c] { c->mnuShowActivity_Click(); });
    window.AddCommand(QStringLiteral("mnuShowGroup"), [c] { c->mnuShowGroup_Click(); });
    return c;
}

InfoZoomObject ActionCommands::ChosenRow(InfoZoomTable *table)
{
    if (InfoZoomObject row = onlyObject(table->SelectedObjects()))
        return row;
    return onlyObject(table->CurrentObjects());
}

void ActionCommands::RunLookup(const Texts &texts, bool anySelected, const std::function<bool()> &createSearch)
{
    // ACT! would get an empty lookup, and the status would announce it as made.
    if (!anySelected) {
        m_window.SetStatusBarText(texts.nothing);
        return;
    }
    m_window.SetStatusBarText(texts.start);
    m_window.EnableControls(false, false);
    const bool ok = createSearch();
    m_window.SetStatusBarText(ok ? texts.success : texts.failure);
    m_window.EnableControls(true, false);
    m_window.UpdateMenus();
}

InfoZoomObject ActionCommands::ChosenRecordRow(InfoZoomTable *table, const InfoZoomAttribute &uniqueId)
{
    if (InfoZoomObject row = ChosenRow(table))
        return row;
    if (uniqueId.isNull() || uniqueId.SelectedValues().Count() != 1)
        return {};
    InfoZoomObjects selected = table->SelectedObjects();
    selected.Reset();
    return selected.Count() > 0 ? selected.NextObject() : InfoZoomObject();
}

void ActionCommands::RunDisplay(const records::RecordClassBase *record, const Texts &texts,
                                const std::function<bool(const QString &, const QString &)> &show,
                                bool oneIdValueSuffices)
{
    InfoZoomTable *table = m_window.InfoZoomExtra()->Table();
    const InfoZoomObject row =
        oneIdValueSuffices && record ? ChosenRecordRow(table, record->UniqueIDAttribute()) : ChosenRow(table);
    if (row) {
        m_window.SetStatusBarText(texts.start);
        m_window.EnableControls(false, false);
        // Without its ID attribute (the user removed it) the row names no record to show.
        const InfoZoomAttribute uniqueId = record ? record->UniqueIDAttribute() : InfoZoomAttribute();
        bool ok = false;
        if (!uniqueId.isNull())
            ok = show(valueText(row, uniqueId), valueText(row, record->SyncFieldAttribute()));
        m_window.SetStatusBarText(ok ? texts.success : texts.failure);
    } else {
        m_window.SetStatusBarText(texts.nothing);
    }
    m_window.EnableControls(true, false);
    m_window.UpdateMenus();
}

void ActionCommands::mnuACTSuche_Click()
{
    RunLookup({QStringLiteral("Es wird eine Suche in ACT! gebildet..."),
               QStringLiteral("Es wurde eine Suche in ACT! gebildet."),
               QStringLiteral("Es konnte keine Suche in ACT! erstellt werden."),
               QStringLiteral("Es ist kein Kontakt ausgewählt: In ACT! wurde keine Suche gebildet.")},
              m_window.InfoZoomKontakt()->Table()->SelectedObjects().Count() > 0, [this] {
                  records::clKontakte *kontakte = m_window.Kontakte();
                  return kontakte && kontakte->CreateACTSearch();
              });
}

void ActionCommands::mnuShowNote_Click()
{
    records::clNotizen *notizen = dynamic_cast<records::clNotizen *>(modHaupt::Notizen.get());
    RunDisplay(notizen,
               {QStringLiteral("Es wird die ausgewählte Notiz in ACT! angezeigt..."),
                QStringLiteral("Die Notiz wurde in ACT! angezeigt."),
                QStringLiteral("Die Notiz konnte nicht in ACT! angezeigt werden."),
                QStringLiteral("Es ist keine einzelne Notiz ausgewählt: In ACT! wurde nichts angezeigt.")},
               [notizen](const QString &id, const QString &relationId) { return notizen->ShowNote(id, relationId); });
}

void ActionCommands::mnuShowSale_Click()
{
    records::clAuftraege *auftraege = dynamic_cast<records::clAuftraege *>(modHaupt::Auftraege.get());
    RunDisplay(
        auftraege,
        {QStringLiteral("Es wird der ausgewählte Auftrag in ACT! angezeigt..."),
         QStringLiteral("Der Auftrag wurde in ACT! angezeigt."),
         QStringLiteral("Der Auftrag konnte nicht in ACT! angezeigt werden."),
         QStringLiteral("Es ist kein einzelner Auftrag ausgewählt: In ACT! wurde nichts angezeigt.")},
        [auftraege](const QString &id, const QString &relationId) { return auftraege->ShowSale(id, relationId); });
}

// An activity shows as one row per contact; the menu offers it for one selected activity ID, so
// that ID names the activity even when its rows are several.
void ActionCommands::mnuShowActivity_Click()
{
    records::clAufgaben *aufgaben = dynamic_cast<records::clAufgaben *>(modHaupt::Aufgaben.get());
    RunDisplay(
        aufgaben,
        {QStringLiteral("Es wird die ausgewählte Aufgabe in ACT! angezeigt..."),
         QStringLiteral("Die Aufgabe wurde in ACT! angezeigt."),
         QStringLiteral("Die Aufgabe konnte nicht in ACT! angezeigt werden."),
         QStringLiteral("Es ist keine einzelne Aufgabe ausgewählt: In ACT! wurde nichts angezeigt.")},
        [aufgaben](const QString &id, const QString &relationId) { return aufgaben->ShowActivity(id, relationId); },
        true);
}

void ActionCommands::mnuShowGroup_Click()
{
    records::clGruppen *gruppen = dynamic_cast<records::clGruppen *>(modHaupt::Gruppen.get());
    const InfoZoomAttribute uniqueId = gruppen ? gruppen->UniqueIDAttribute() : InfoZoomAttribute();
    RunLookup({QStringLiteral("Die ausgewählte Gruppe wird in ACT! angezeigt..."),
               QStringLiteral("Die Gruppe wurde in ACT! angezeigt."),
               QStringLiteral("Die Gruppe konnte nicht in ACT! angezeigt werden."),
               QStringLiteral("Es ist keine Gruppe ausgewählt: In ACT! wurde nichts angezeigt.")},
              !uniqueId.isNull() && uniqueId.SelectedValues().Count() > 0,
              [gruppen] { return gruppen->CreateACTSearch(); });
}

} // namespace mainwindow
