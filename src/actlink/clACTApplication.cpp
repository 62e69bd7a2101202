// Application wrapper over the ACT! automation objects: connection steps, lookups, showing records,
// and the messages of its own failures.
#include "clACTApplication.h"

#include "ACTWindowSearch.h"
#include "ActDatabaseGroupTable.h"
#include "actserver/app/ActAutomationError.h"
#include "actserver/app/ActBusAppObject.h"
#include "actserver/app/ActBusRunningApplication.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"

#include <QLocale>
#include <QStringList>

namespace actlink {

namespace {

const QString kWindowClass = QStringLiteral("act3.0frameclass");
const QString kTitleAct = QStringLiteral("ACT");
const QString kTitleKundenmanager = QStringLiteral("Kundenmanager");
const QString kCrLf = QStringLiteral("\r\n");
constexpr int kIdLength = 12;
constexpr int kUniqueIdField = 1;
constexpr int kGroupNameField = 25;
constexpr int kProgressEvery = 10;

} // namespace

// Clears the five object references when an operation ends, by whatever way it ends.
class clACTApplication::Release
{
public:
    explicit Release(clACTApplication &app) : m_app(app) {}
    ~Release() { m_app.ReleaseObjects(); }
    Release(const Release &) = delete;
    Release &operator=(const Release &) = delete;

private:
    clACTApplication &m_app;
};

clACTApplication::clACTApplication()
    : clACTApplication([] { return actserver::ActBusAppObject::create(); }, openRunningGroupTable)
{
    // The group lookup's database object asks the running ACT! on the bus for its database.
    actserver::ActBusRunningApplication::installOnce();
}

clACTApplication::clACTApplication(AppFactory appFactory, ActGroupTableFactory groupTableFactory)
    : m_appFactory(std::move(appFactory)), m_groupTableFactory(std::move(groupTableFactory))
{
}

clACTApplication::~clACTApplication() { ReleaseObjects(); }

void clACTApplication::CancelWaiting() { actserver::ActBusChannel::cancelWait(); }

QString clACTApplication::padded(const QString &id)
{
    return id.size() < kIdLength ? id.leftJustified(kIdLength, QLatin1Char(' ')) : id;
}

void clACTApplication::classMessage(const QString &member, const QString &secondLine, const QString &thirdLine)
{
    QString text = QStringLiteral("Fehler in Klasse ") + QStringLiteral("ACTApplication") + member + kCrLf + secondLine;
    if (!thirdLine.isNull())
        text += kCrLf + thirdLine;
    platform::ui().msgBox(text, platform::MsgIcon::Exclamation);
}

// An ACT! that does not answer is no fault of one operation: it ends the user's command with the one
// message that says so, where a trapped error would report it and then let the caller go on as if
// ACT! had no database open.
void clACTApplication::passOnUnanswered(const platform::VbError &error)
{
    if (error.number() == actserver::kServerUnavailable)
        throw error;
}

// ---- connection steps ----

bool clACTApplication::ACTgestartet()
{
    // Both searches run, whatever the first one finds.
    const bool kundenmanager = FindACTWindow(kWindowClass, kTitleKundenmanager) != 0;
    const bool act = FindACTWindow(kWindowClass, kTitleAct) != 0;
    return kundenmanager || act;
}

bool clACTApplication::ConnectApp()
{
    if (!ACTgestartet())
        return false;
    objApp = m_appFactory();
    platform::DoEvents();
    return objApp != nullptr;
}

bool clACTApplication::setOBJViews()
{
    if (!ConnectApp())
        return false;
    try {
        objViews = objApp->Views();
    } catch (const platform::VbError &e) {
        passOnUnanswered(e);
        if (e.number() != actserver::kServerFault)
            classMessage(QStringLiteral(" - setOBJViews"), QStringLiteral("Fehlernummer:") + QString::number(e.number()),
                         e.description());
        return false;
    }
    return objViews != nullptr;
}

bool clACTApplication::GetActiveView()
{
    if (!setOBJViews())
        return false;
    platform::DoEvents();
    objActiveView = objViews->GetActive();
    platform::DoEvents();
    return objActiveView != nullptr;
}

bool clACTApplication::CreateContactViewObject()
{
    if (!setOBJViews())
        return false;
    platform::DoEvents();
    objContactView = objViews->Create(actserver::ActViewType::Contact, 2);
    platform::DoEvents();
    return objContactView != nullptr;
}

bool clACTApplication::CreateGroupViewObject()
{
    if (!setOBJViews())
        return false;
    platform::DoEvents();
    objGroupView = objViews->Create(actserver::ActViewType::Group, 2);
    platform::DoEvents();
    return objGroupView != nullptr;
}

void clACTApplication::ReleaseObjects()
{
    objContactView.reset();
    objGroupView.reset();
    objViews.reset();
    objApp.reset();
    objActiveView.reset();
}

// ---- application members ----

QString clACTApplication::ACTDatenbank()
{
    Release release(*this);
    try {
        if (!ConnectApp())
            return QString();
        return objApp->GetOpenDBName();
    } catch (const platform::VbError &e) {
        passOnUnanswered(e);
        if (e.number() != actserver::kServerFault)
            classMessage(QStringLiteral(" Eigenschaft ACTDatenbank"),
                         QStringLiteral("Fehlernummer: ") + QString::number(e.number()),
                         QStringLiteral("Fehlerbeschreibung: ") + e.description());
        return QString();
    }
}

void clACTApplication::Zeigen()
{
    Release release(*this);
    if (!ConnectApp())
        return;
    objApp->Show(true);
    if (!BringACTToFront(kWindowClass, kTitleAct))
        BringACTToFront(kWindowClass, kTitleKundenmanager);
}

void clACTApplication::Verstecken()
{
    Release release(*this);
    if (ConnectApp())
        objApp->Minimize();
}

QString clACTApplication::AktuelleBenutzerID()
{
    Release release(*this);
    return ConnectApp() ? objApp->GetUserId() : QString();
}

QString clACTApplication::AktuellerBenutzerName()
{
    Release release(*this);
    return ConnectApp() ? objApp->GetCurrentUserName() : QString();
}

QString clACTApplication::ACTVersion()
{
    Release release(*this);
    return ConnectApp() ? objApp->GetVersion(1) : QString();
}

void clACTApplication::OpenDatenbank(const QString &sDatenbank)
{
    Release release(*this);
    if (ConnectApp())
        objApp->OpenDB(sDatenbank); // ACT!'s answer is not looked at
}

bool clACTApplication::CloseDatenbank()
{
    Release release(*this);
    if (!ConnectApp())
        return false;
    const int result = objApp->CloseDB();
    if (result != 0) {
        classMessage(QStringLiteral(" - CloseDB"), QStringLiteral("ACT!-Fehlernummer:") + QString::number(result),
                     QStringLiteral("Die Datenbank konnte nicht geschlossen werden."));
        return false;
    }
    return true;
}

void clACTApplication::ExecuteMenuCommand(int CommandID)
{
    Release release(*this);
    try {
        if (ConnectApp())
            objApp->Command(CommandID);
    } catch (const platform::VbError &e) {
        passOnUnanswered(e);
        classMessage(QStringLiteral(" - ExecuteMenuCommand"),
                     QStringLiteral("Fehlernummer: ") + QString::number(e.number()),
                     QStringLiteral("Fehlerbeschreibung: ") + e.description());
    }
}

// ---- bringing the window forward ----

bool clACTApplication::BringACTToFront(const QString &className, const QString &title)
{
    const platform::WindowId window = FindACTWindow(className, title);
    if (window == 0)
        return false;
    RestoreAndActivate(window);
    // The original lifts the window to the topmost layer and back; raising it did that already.
    platform::DoEvents();
    return true;
}

void clACTApplication::RestoreAndActivate(platform::WindowId window)
{
    platform::WindowList &windows = platform::windowList();
    if (!windows.isWindow(window))
        return;
    if (windows.isMinimized(window)) {
        windows.restore(window);
        return;
    }
    windows.activate(window);
}

// ---- active view ----

QString clACTApplication::AktuelleGruppenID()
{
    Release release(*this);
    if (!GetActiveView() || objActiveView->Type() != actserver::ActViewType::Group)
        return QString();
    return objActiveView->GetCurrentID();
}

QString clACTApplication::AktuelleKontaktID()
{
    Release release(*this);
    if (!GetActiveView() || objActiveView->Type() != actserver::ActViewType::Contact)
        return QString();
    return objActiveView->GetCurrentID();
}

int clACTApplication::AktuelleFeldID()
{
    Release release(*this);
    return GetActiveView() ? objActiveView->CurrentFieldId() : 0;
}

int clACTApplication::CurrentViewTyp()
{
    Release release(*this);
    return GetActiveView() ? objActiveView->Type() : -1;
}

void clACTApplication::setCurrentViewTyp(int View)
{
    Release release(*this);
    if (setOBJViews())
        objViews->Create(View, QString());
}

// ---- lookups ----

QString clACTApplication::joinedIDs(bool group, bool &cancel, const Progress &progress)
{
    Release release(*this);
    if (!(group ? CreateGroupViewObject() : CreateContactViewObject()))
        return QString();
    actserver::ACTView &view = group ? *objGroupView : *objContactView;
    view.MoveFirst();
    platform::DoEvents();
    const int n = view.GetCount();
    QString result;
    for (int i = 1; i <= n; ++i) {
        platform::DoEvents();
        result += view.getfield(kUniqueIdField).toString();
        platform::DoEvents();
        view.MoveNext();
        if (progress && i % kProgressEvery == 0) {
            if (cancel) {
                result.clear();
                break;
            }
            const double percent = double(i) / double(n) * 100.0;
            progress(QStringLiteral("Bestimme aktuelle ACT! Suche (") +
                     QLocale().toString(percent, 'f', 2).remove(QLocale().groupSeparator()) + QStringLiteral("%)"));
            platform::DoEvents();
        }
    }
    return result;
}

QString clACTApplication::getIDsAktuelleSuche(bool &cancel, const Progress &progress)
{
    return joinedIDs(false, cancel, progress);
}

QString clACTApplication::getGroupIDsAktuelleSuche(bool &cancel, const Progress &progress)
{
    return joinedIDs(true, cancel, progress);
}

bool clACTApplication::CreateContactSearch(const QString &UniqueIDs)
{
    Release release(*this);
    if (!CreateContactViewObject())
        return false;
    objContactView->LookupALL();
    objContactView->CreateLookup(UniqueIDs);
    return true;
}

bool clACTApplication::bildeGruppenSuche(const QString &UniqueIDs)
{
    if (UniqueIDs.isEmpty())
        return true;
    Release release(*this);
    if (!CreateGroupViewObject())
        return false;
    return lookupGroups(UniqueIDs);
}

bool clACTApplication::lookupGroups(const QString &UniqueIDs)
{
    std::unique_ptr<ActGroupTable> groups = m_groupTableFactory();
    actserver::ACTView &view = *objGroupView;
    const int count = int(UniqueIDs.size()) / kIdLength; // a trailing part shorter than an ID is ignored
    for (int i = 0; i < count; ++i) {
        QString id = UniqueIDs.mid(kIdLength * i, kIdLength);
        if (id.size() != kIdLength)
            id = QStringLiteral("123456789012");
        groups->GoTo(id);
        const QString name = groups->Data(kGroupNameField);
        QList<int> results;
        if (groups->GroupType() == 1) {
            // A subgroup enters the lookup with its main group first.
            groups->GoTo(groups->GetParent());
            const QString parent = groups->Data(kGroupNameField);
            results << (i == 0 ? view.LookupField(kGroupNameField, parent)
                               : view.LookupFieldEx(kGroupNameField, parent, 0));
            if (results.last() == 0)
                results << view.LookupFieldEx(kGroupNameField, name, 0);
        } else if (groups->GroupType() == 0 && i == 0) {
            results << view.LookupField(kGroupNameField, name);
        } else {
            results << view.LookupFieldEx(kGroupNameField, name, 0);
        }
        if (results.last() != 0) {
            platform::ui().msgBox(QStringLiteral("ACT!-OLE-Fehler: ") + QString::number(view.getlasterror()) +
                                      QStringLiteral(" in Methode BildeGruppenSuche."),
                                  platform::MsgIcon::Exclamation);
            break;
        }
    }
    return true; // also after a failed lookup
}

bool clACTApplication::NewContact()
{
    Release release(*this);
    if (!CreateContactViewObject())
        return false;
    objContactView->AddNewContact();
    return true;
}

bool clACTApplication::ShowContactByUniqueID(const QString &UniqueID)
{
    Release release(*this);
    if (!CreateContactViewObject())
        return false;
    const QString id = padded(UniqueID);
    objContactView->LookupALL();
    return objContactView->GoTo(id) == 0;
}

bool clACTApplication::LinkContactToGroup(const QString &UniqueID)
{
    Release release(*this);
    if (!CreateContactViewObject())
        return false;
    objContactView->AddContactToGroup(padded(UniqueID));
    return true;
}

// ---- groups ----

bool clACTApplication::GroupExist(const QString &GruppenName)
{
    Release release(*this);
    if (!CreateGroupViewObject())
        return false;
    objGroupView->LookupALL();
    objGroupView->MoveFirst();
    const int n = objGroupView->GetCount();
    for (int i = 0; i < n; ++i) {
        if (objGroupView->getfield(kGroupNameField).toString() == GruppenName)
            return true;
        objGroupView->MoveNext();
    }
    return false;
}

bool clACTApplication::ShowGroupByName(const QString &GruppenName, int Lookup)
{
    Release release(*this);
    if (!CreateGroupViewObject())
        return false;
    return objGroupView->LookupFieldEx(kGroupNameField, GruppenName, Lookup) == 0;
}

bool clACTApplication::ShowGroupByUniqueID(const QString &UniqueID, bool LookupALL)
{
    Release release(*this);
    if (!CreateGroupViewObject())
        return false;
    const QString id = padded(UniqueID);
    if (LookupALL)
        objGroupView->LookupALL();
    if (objGroupView->GoTo(id) != 0) {
        platform::ui().msgBox(QStringLiteral("OLE-Fehler: #") + QString::number(objGroupView->getlasterror()) +
                                  QStringLiteral(" vom GroupView-Objekt."),
                              platform::MsgIcon::Exclamation);
        return false;
    }
    return true;
}

bool clACTApplication::DeleteCurrentGroup()
{
    Release release(*this);
    return CreateGroupViewObject() && objGroupView->DeleteGroupFast() == 0;
}

bool clACTApplication::AddGroup(const QString &GruppenName)
{
    Release release(*this);
    if (!CreateGroupViewObject() || objGroupView->AddNew() != 0)
        return false;
    return objGroupView->setfield(kGroupNameField, GruppenName) == 0;
}

bool clACTApplication::AddGroupMember(const QString &UniqueID)
{
    Release release(*this);
    return CreateGroupViewObject() && objGroupView->AddMemberToGroup(padded(UniqueID)) == 0;
}

bool clACTApplication::ShowGroupRegister(const QString &Registername)
{
    Release release(*this);
    return CreateGroupViewObject() && objGroupView->SetActiveTab(Registername) == 0;
}

// ---- field values ----

bool clACTApplication::setFeldwert(int FeldID, const QString &Wert, int &ACTView, bool &ChangeView)
{
    if (ACTView != actserver::ActViewType::Contact && ACTView != actserver::ActViewType::Group) {
        classMessage(QStringLiteral(" - setFeldwert"),
                     QStringLiteral("Falscher ACTViewTyp (") + QString::number(ACTView) +
                         QStringLiteral("). Es wird Kontakt benutzt."));
        int contact = actserver::ActViewType::Contact;
        return setFeldwert(FeldID, Wert, contact, ChangeView);
    }
    if (CurrentViewTyp() == ACTView) {
        Release release(*this);
        if (!GetActiveView())
            return false;
        objActiveView->setfield(FeldID, Wert);
        return true;
    }
    if (!ChangeView)
        return false;
    Release release(*this);
    const bool group = ACTView == actserver::ActViewType::Group;
    if (!(group ? CreateGroupViewObject() : CreateContactViewObject()))
        return false;
    (group ? objGroupView : objContactView)->setfield(FeldID, Wert);
    return true;
}

QString clACTApplication::getFeldwert(int FeldID, int &ACTView, bool &ChangeView)
{
    if (ACTView != actserver::ActViewType::Contact && ACTView != actserver::ActViewType::Group) {
        classMessage(QStringLiteral(" - getFeldwert"),
                     QStringLiteral("Falscher ACTViewTyp (") + QString::number(ACTView) +
                         QStringLiteral("). Es wird avKontakt benutzt."));
        int contact = actserver::ActViewType::Contact;
        return getFeldwert(FeldID, contact, ChangeView);
    }
    if (CurrentViewTyp() == ACTView) {
        Release release(*this);
        if (!GetActiveView())
            return QString();
        return objActiveView->getfield(FeldID).toString();
    }
    if (!ChangeView)
        return QString();
    Release release(*this);
    const bool group = ACTView == actserver::ActViewType::Group;
    if (!(group ? CreateGroupViewObject() : CreateContactViewObject()))
        return QString();
    return (group ? objGroupView : objContactView)->getfield(FeldID).toString();
}

// ---- showing a note, sale or activity ----

bool clACTApplication::TabExists(const QString &caption)
{
    const int count = objActiveView->GetTabCount();
    for (int i = 0; i < count; ++i)
        if (objActiveView->GetTabName(i) == caption)
            return true;
    return false;
}

bool clACTApplication::showTabRecord(const QString &UniqueID, TabKind kind)
{
    Release release(*this);
    if (!ConnectApp() || !GetActiveView())
        return false;
    const int type = objActiveView->Type();
    if (type != actserver::ActViewType::Contact && type != actserver::ActViewType::Group)
        return false;
    QStringList candidates;
    switch (kind) {
    case TabKind::Notes:
        candidates = {QStringLiteral("Notizen/Protokoll"), QStringLiteral("Notes/History"),
                      QStringLiteral("Notizen/Protokolle")};
        break;
    case TabKind::Sales:
        candidates = {QStringLiteral("Aufträge"), QStringLiteral("Sales/Opportunities"),
                      QStringLiteral("Potentielle Aufträge")};
        break;
    case TabKind::Activities:
        candidates = {QStringLiteral("Tätigkeiten"), QStringLiteral("Activities")};
        break;
    }
    QString caption = QLatin1String(""); // none found: the empty caption
    for (const QString &candidate : candidates) {
        if (TabExists(candidate)) {
            caption = candidate;
            break;
        }
    }
    objActiveView->SetActiveTab(caption);
    platform::DoEvents();
    std::shared_ptr<actserver::ACTViewTab> tab = kind == TabKind::Notes   ? objActiveView->NotesHistory()
                                                 : kind == TabKind::Sales ? objActiveView->Sales()
                                                                          : objActiveView->Activities();
    if (!tab)
        return false;
    const int row = tab->GetRowNumber(UniqueID);
    if (row < 0)
        return false;
    tab->GoTo(row);
    return true;
}

bool clACTApplication::ShowNoteByUniqueID(const QString &UniqueID) { return showTabRecord(UniqueID, TabKind::Notes); }

bool clACTApplication::ShowSaleByUniqueID(const QString &UniqueID) { return showTabRecord(UniqueID, TabKind::Sales); }

bool clACTApplication::ShowActivityByUniqueID(const QString &UniqueID)
{
    return showTabRecord(UniqueID, TabKind::Activities);
}

} // namespace actlink
