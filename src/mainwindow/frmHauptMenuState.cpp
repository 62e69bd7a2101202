// The menu and toolbar state of the main window: which items are enabled and which captions change,
// by the project's state, the lower table's kind and selection and the active table.
#include "frmHaupt.h"
#include "modHaupt.h"

#include "project/clProjekt.h"
#include "records/RecordClassBase.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QAction>

namespace mainwindow {

namespace {

// The attribute the user picked last in a table, or the empty handle.
InfoZoomAttribute selectedAttribute(InfoZoomTable *table)
{
    const InfoZoomAttributeList list = table->AttributeList();
    for (int i = 0; i < list.Count(); ++i) {
        const InfoZoomAttributeNode node = list.Item(i);
        if (node.NodeType() == 1 && node.Selected())
            return InfoZoomAttribute(node);
    }
    return {};
}

// True when exactly one value of the record object's unique-ID attribute is selected.
bool oneUniqueIdSelected(const records::RecordClassBase *record)
{
    if (!record || record->UniqueIDFieldName().isEmpty())
        return false;
    const InfoZoomAttribute attribute = record->UniqueIDAttribute();
    return !attribute.isNull() && attribute.SelectedValues().Count() == 1;
}

int selectedRows(const InfoZoomControl *control)
{
    return control->Table()->SelectedObjects().Count();
}

} // namespace

void frmHaupt::UpdateMenus()
{
    const project::clProjekt *projekt = modHaupt::Projekt.get();
    const bool saved = projekt && projekt->IsSaved();
    const bool changed = projekt && projekt->IsChanged();
    const auto enable = [this](const char *name, bool on) { Menu(QString::fromLatin1(name))->setEnabled(on); };

    enable("mnuSaveProject", changed);
    m_projectMenusEnabled = saved || changed;
    enable("mnuSaveAsProject", m_projectMenusEnabled);
    enable("mnuCloseProject", m_projectMenusEnabled);
    ApplyProjectMenus();

    for (const char *name : {"mnuUpdateNotes", "mnuUpdateSales", "mnuUpdateActivities", "mnuUpdateADOData",
                             "mnuUpdateGroups", "mnuShowNote", "mnuShowSale", "mnuShowActivity", "mnuShowGroup",
                             "mnuDeleteNotes", "mnuEditADOData", "mnuLinkAttributes", "mnuChangeGroupFields",
                             "mnuZoomMaingroups", "mnuZoomSubgroups"})
        enable(name, false);

    const QString activeKind = m_activeTable ? m_activeTable->Tag() : QString();
    for (const char *name : {"mnuPrint", "mnuPrintPreview", "mnuPrintSetup"})
        enable(name, !activeKind.isEmpty());
    Menu(QStringLiteral("mnuPrint"))
        ->setText(activeKind.isEmpty() ? QStringLiteral("Drucken...") : QStringLiteral("Drucken... (%1)").arg(activeKind));

    // A command that acts on the selection of a table is offered only while there is one to act on
    // (the toolbar buttons follow these items, not their top menu).
    const int lowerSelected = selectedRows(m_infoZoomExtra);
    const bool upperSelected = m_projectMenusEnabled && selectedRows(m_infoZoomKontakt) > 0;
    const bool lowerShown = m_projectMenusEnabled && !m_infoZoomExtra->Tag().isEmpty();
    for (const char *name : {"mnuZoomContacts", "mnuZoomOutContacts", "mnuMarkContacts"})
        enable(name, lowerShown && lowerSelected > 0);
    for (const char *name : {"mnuZoomExtraData", "mnuZoomOutExtraData", "mnuMarkExtraData"})
        enable(name, lowerShown && upperSelected);
    enable("mnuACTSuche", upperSelected);
    UpdateLowerTableMenus(lowerSelected);

    const auto like = [this](const char *button, const char *menu) {
        ToolButton(QString::fromLatin1(button))->setEnabled(Menu(QString::fromLatin1(menu))->isEnabled());
    };
    like("btnNew", "mnuNewProject");
    like("btnOpen", "mnuOpenProject");
    like("btnSave", "mnuSaveProject");
    // Like their top menu as UpdateMenus leaves it; while the window is busy the toolbar as a whole
    // is disabled.
    for (const char *button : {"btnNotiz", "btnAuftrag", "btnAufgabe", "btnADODaten", "btnGruppen"})
        ToolButton(QString::fromLatin1(button))->setEnabled(m_projectMenusEnabled);
    like("btnSyncOben", "mnuZoomContacts");
    like("btnSyncUnten", "mnuZoomExtraData");
    like("btnACTSuche", "mnuACTSuche");
    like("btnACTNotiz", "mnuShowNote");
    like("btnACTAuftrag", "mnuShowSale");
    like("btnACTAufgabe", "mnuShowActivity");
    like("btnACTGruppen", "mnuShowGroup");

    QAction *copy = Menu(QStringLiteral("mnuCopyAttribute"));
    copy->setText(QStringLiteral("Attributwerte &kopieren"));
    copy->setEnabled(false);
    if (m_activeTable) {
        const InfoZoomAttribute attribute = selectedAttribute(m_activeTable->Table());
        if (!attribute.isNull()) {
            copy->setEnabled(true);
            copy->setText(QStringLiteral("Attributwerte &kopieren (%1)").arg(attribute.Name()));
        }
    }

    ColorBarLikeActiveTable();
}

void frmHaupt::UpdateLowerTableMenus(int n)
{
    const auto enable = [this](const char *name, bool on = true) { Menu(QString::fromLatin1(name))->setEnabled(on); };
    const QString kind = m_infoZoomExtra->Tag();
    if (kind == QLatin1String("Notizen")) {
        enable("mnuUpdateNotes");
        enable("mnuDeleteNotes", n >= 1);
        enable("mnuShowNote", n == 1);
    } else if (kind == QString::fromUtf8("Aufträge")) {
        enable("mnuUpdateSales");
        enable("mnuShowSale", n == 1);
    } else if (kind == QLatin1String("Aufgaben")) {
        enable("mnuUpdateActivities");
        enable("mnuShowActivity", oneUniqueIdSelected(modHaupt::Aufgaben.get()));
    } else if (kind == QLatin1String("ADODaten")) {
        enable("mnuUpdateADOData");
        enable("mnuEditADOData");
        enable("mnuLinkAttributes");
    } else if (kind == QLatin1String("Gruppen")) {
        enable("mnuUpdateGroups");
        enable("mnuChangeGroupFields");
        enable("mnuShowGroup", oneUniqueIdSelected(modHaupt::Gruppen.get()));
        enable("mnuZoomMaingroups", n >= 1);
        enable("mnuZoomSubgroups", n >= 1);
    }
}

} // namespace mainwindow
