// The synchronisation commands of the main window.
#include "SyncCommands.h"

#include "DisplayPause.h"
#include "SyncTable.h"
#include "frmHaupt.h"
#include "modHaupt.h"

#include "project/clProjekt.h"
#include "records/RecordClassBase.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

namespace mainwindow {

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString destAttributeMissing(const QString &name)
{
    return QStringLiteral("Es konnte nicht das DestAttribut ") + quoted(name) + QStringLiteral(" gefunden werden.");
}

QString sourceAttributeMissing(const QString &name)
{
    return QStringLiteral("Es konnte nicht das SourceAttribut ") + quoted(name) + QStringLiteral(" gefunden werden.");
}

const QString kNoLowerData = QStringLiteral("Es gibt keine Bezugsdaten in der unteren Tabelle.");

// The synchronisation would act on nothing, or found nothing to act on: its done text would claim
// a zoom, exclusion or mark that did not happen.
QString nothingSelected(const QString &source, const QString &dest)
{
    return QStringLiteral("Die %1-Auswahl ist leer: Die %2 bleiben unverändert.").arg(source, dest);
}

QString noneFound(const QString &source, const QString &dest)
{
    return QStringLiteral("Zur %1-Auswahl wurden keine %2 gefunden.").arg(source, dest);
}

} // namespace

SyncCommands::SyncCommands(frmHaupt &window) : QObject(&window), m_window(window) {}

SyncCommands *SyncCommands::Register(frmHaupt &window)
{
    auto *c = new SyncCommands(window);
    const auto L = [c] { return c->LowerTag(); };
    const auto U = [c] { return c->UpperTag(); };
    window.AddCommand(QStringLiteral("mnuZoomContacts"), [c, L] {
        c->RunContactsCommand(false, true,
                              QStringLiteral("Es wurde auf die Kontakte in Abhängigkeit der ") + L() +
                                  QStringLiteral("-Auswahl gezoomt."));
    });
    window.AddCommand(QStringLiteral("mnuZoomOutContacts"), [c, L] {
        c->RunContactsCommand(false, false,
                              QStringLiteral("Es wurden die Kontakte in Abhängigkeit der ") + L() +
                                  QStringLiteral("-Auswahl ausgeschlossen."));
    });
    window.AddCommand(QStringLiteral("mnuMarkContacts"), [c, L] {
        c->RunContactsCommand(true, false,
                              QStringLiteral("Es wurden die Kontakte markiert, die in Abhängigkeit der ") + L() +
                                  QStringLiteral("-Auswahl stehen."));
    });
    window.AddCommand(QStringLiteral("mnuZoomExtraData"), [c, L, U] {
        c->RunExtraDataCommand(false, true,
                               QStringLiteral("Es wurde auf die ") + L() + QStringLiteral(" in Abhängigkeit der ") +
                                   U() + QStringLiteral("-Auswahl gezoomt."));
    });
    window.AddCommand(QStringLiteral("mnuZoomOutExtraData"), [c, L, U] {
        c->RunExtraDataCommand(false, false,
                               QStringLiteral("Es wurden die ") + L() + QStringLiteral(" in Abhängigkeit der ") + U() +
                                   QStringLiteral("-Auswahl ausgeschlossen."));
    });
    window.AddCommand(QStringLiteral("mnuMarkExtraData"), [c, L, U] {
        c->RunExtraDataCommand(true, false,
                               QStringLiteral("Es wurden die ") + L() +
                                   QStringLiteral(" markiert, die in Abhängigkeit der ") + U() +
                                   QStringLiteral("-Auswahl stehen."));
    });
    return c;
}

QString SyncCommands::LowerTag() const
{
    return m_window.InfoZoomExtra()->Tag();
}

QString SyncCommands::UpperTag() const
{
    return m_window.InfoZoomKontakt()->Tag();
}

// The done text is built once the command ran, so it reads the tags as they are then.
void SyncCommands::RunContactsCommand(bool mark, bool zoom, const QString &doneText)
{
    m_window.SetStatusBarText(QStringLiteral("Es werden die Kontakte in Abhängigkeit der ") + LowerTag() +
                              QStringLiteral("-Auswahl bestimmt..."));
    m_window.EnableControls(false, false);
    if (SyncContactsFromExtraData(mark, zoom))
        m_window.SetStatusBarText(doneText);
    m_window.EnableControls(true, false);
    m_window.UpdateMenus();
}

void SyncCommands::RunExtraDataCommand(bool mark, bool zoom, const QString &doneText)
{
    m_window.SetStatusBarText(QStringLiteral("Es werden die ") + LowerTag() + QStringLiteral(" in Abhängigkeit der ") +
                              UpperTag() + QStringLiteral("-Auswahl bestimmt..."));
    m_window.EnableControls(false, false);
    if (SyncExtraDataFromContacts(mark, zoom))
        m_window.SetStatusBarText(doneText);
    m_window.EnableControls(true, false);
    m_window.UpdateMenus();
}

project::clFOX *SyncCommands::LowerDescriptor() const
{
    project::clProjekt &projekt = *modHaupt::Projekt;
    const QString tag = LowerTag();
    if (tag == QLatin1String("Notizen"))
        return &projekt.FOXNotiz();
    if (tag == QString::fromUtf8("Aufträge"))
        return &projekt.FOXAuftrag();
    if (tag == QLatin1String("Aufgaben"))
        return &projekt.FOXAufgabe();
    if (tag == QLatin1String("ADODaten"))
        return &projekt.FOXADODaten();
    if (tag == QLatin1String("Gruppen"))
        return &projekt.FOXGruppen();
    return nullptr;
}

bool SyncCommands::Fail(const QString &text)
{
    m_window.SetStatusBarText(text);
    return false;
}

bool SyncCommands::SyncContactsFromExtraData(bool mark, bool zoom)
{
    const project::clFOX *lower = modHaupt::Projekt ? LowerDescriptor() : nullptr;
    if (!lower)
        return Fail(kNoLowerData);
    const QString sourceName = lower->SyncFeldName();
    if (sourceName.isEmpty())
        return Fail(QStringLiteral("Es wurde kein SourceSyncField gefunden."));
    // External data meet the contacts in the contact attribute the user linked them with.
    const QString destName = LowerTag() == QLatin1String("ADODaten")
                                 ? lower->UniqueIDFeldName()
                                 : modHaupt::Projekt->FOXKontakt().UniqueIDFeldName();
    if (destName.isEmpty())
        return Fail(QStringLiteral("Es wurde kein DestSyncField gefunden."));
    InfoZoomTable *upper = m_window.InfoZoomKontakt()->Table();
    const InfoZoomAttributeNode dest = FindAttribute(upper->Attributes(), destName);
    if (!dest)
        return Fail(destAttributeMissing(destName));
    const InfoZoomAttributeNode source = FindAttribute(m_window.InfoZoomExtra()->Table()->Attributes(), sourceName);
    if (!source)
        return Fail(sourceAttributeMissing(sourceName));
    if (m_window.InfoZoomExtra()->Table()->SelectedObjects().Count() == 0)
        return Fail(nothingSelected(LowerTag(), QStringLiteral("Kontakte")));
    const DisplayPause pause({m_window.InfoZoomKontakt(), m_window.InfoZoomExtra()});
    const SyncCounts counts = SyncTable(upper, InfoZoomAttribute(source), InfoZoomAttribute(dest), mark, zoom,
                                        [this](const QString &text) { m_window.SetStatusBarText(text); });
    return counts.found > 0 || Fail(noneFound(LowerTag(), QStringLiteral("Kontakte")));
}

bool SyncCommands::SyncExtraDataFromContacts(bool mark, bool zoom)
{
    const project::clFOX *lower = modHaupt::Projekt ? LowerDescriptor() : nullptr;
    if (!lower)
        return Fail(kNoLowerData);
    const QString destName = lower->SyncFeldName();
    const QString sourceName = LowerTag() == QLatin1String("Notizen")
                                   ? modHaupt::Projekt->FOXKontakt().UniqueIDFeldName()
                                   : lower->UniqueIDFeldName();
    if (sourceName.isEmpty())
        return Fail(QStringLiteral("Es wurde kein DestinationSyncField gefunden."));
    if (destName.isEmpty())
        return Fail(QStringLiteral("Es wurde kein DestSyncField gefunden."));
    InfoZoomTable *extra = m_window.InfoZoomExtra()->Table();
    const InfoZoomAttributeNode dest = FindAttribute(extra->Attributes(), destName);
    if (!dest)
        return Fail(destAttributeMissing(destName));
    const InfoZoomAttributeNode source = FindAttribute(m_window.InfoZoomKontakt()->Table()->Attributes(), sourceName);
    if (!source)
        return Fail(sourceAttributeMissing(sourceName));
    if (m_window.InfoZoomKontakt()->Table()->SelectedObjects().Count() == 0)
        return Fail(nothingSelected(UpperTag(), LowerTag()));
    const DisplayPause pause({m_window.InfoZoomKontakt(), m_window.InfoZoomExtra()});
    const SyncCounts counts = SyncTable(extra, InfoZoomAttribute(source), InfoZoomAttribute(dest), mark, zoom,
                                        [this](const QString &text) { m_window.SetStatusBarText(text); });
    return counts.found > 0 || Fail(noneFound(UpperTag(), LowerTag()));
}

InfoZoomAttributeNode SyncCommands::FindAttribute(const InfoZoomAttributes &attributes, const QString &importName)
{
    return records::RecordClassBase::FindAttribute(attributes, importName);
}

} // namespace mainwindow
