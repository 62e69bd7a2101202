// The program's one way to talk to the running ACT!: whether it runs and which database it has
// open, bringing its window forward, contact and group lookups, showing a record by its unique ID,
// and further view and group operations. Every operation connects anew and releases every
// automation object before it returns; without an ACT! main window nothing is created.
#pragma once

#include "ActGroupTable.h"
#include "actserver/app/ACTAppObject.h"
#include "actserver/app/ActBusChannel.h"
#include "platform/VbError.h"
#include "platform/WindowList.h"

#include <QString>
#include <functional>
#include <memory>

namespace actlink {

class clACTApplication
{
public:
    // Creates the application object (ACTOLE.APPOBJECT); throws platform::VbError when it cannot.
    using AppFactory = std::function<std::shared_ptr<actserver::ACTAppObject>()>;
    // Receives a progress text (a label's caption, a panel's text).
    using Progress = std::function<void(const QString &)>;

    // One user command towards ACT!: once ACT! has left a call unanswered (a frozen ACT!), or the
    // user ended the wait, the command's further calls give up at once with the same error.
    using CommandScope = actserver::ActBusChannel::CommandScope;
    // Ends a running wait for ACT!'s answer (the cancel panel).
    static void CancelWaiting();

    // Talks to the ACT! on the session bus and reads groups through a database object.
    clACTApplication();
    clACTApplication(AppFactory appFactory, ActGroupTableFactory groupTableFactory);
    ~clACTApplication();

    bool ACTgestartet();
    QString ACTDatenbank();
    QString AktuelleGruppenID();
    QString AktuelleKontaktID();
    int AktuelleFeldID();
    // The joined 12-character IDs of ACT!'s current contact (group) lookup. With a progress target,
    // every 10th row reports its percentage and a set cancel flag ends the loop with "".
    QString getIDsAktuelleSuche(bool &cancel, const Progress &progress = Progress());
    QString getGroupIDsAktuelleSuche(bool &cancel, const Progress &progress = Progress());
    // ACTView: 1 contact, 3 group; another value is reported and contact is used.
    bool setFeldwert(int FeldID, const QString &Wert, int &ACTView, bool &ChangeView);
    QString getFeldwert(int FeldID, int &ACTView, bool &ChangeView);
    void Zeigen();
    void Verstecken();
    QString AktuelleBenutzerID();
    QString AktuellerBenutzerName();
    bool CreateContactSearch(const QString &UniqueIDs);
    bool bildeGruppenSuche(const QString &UniqueIDs);
    bool NewContact();
    bool ShowContactByUniqueID(const QString &UniqueID);
    bool LinkContactToGroup(const QString &UniqueID);
    bool GroupExist(const QString &GruppenName);
    bool ShowGroupByName(const QString &GruppenName, int Lookup);
    bool ShowGroupByUniqueID(const QString &UniqueID, bool LookupALL);
    bool DeleteCurrentGroup();
    bool AddGroup(const QString &GruppenName);
    bool AddGroupMember(const QString &UniqueID);
    bool ShowGroupRegister(const QString &Registername);
    QString ACTVersion();
    int CurrentViewTyp();
    void setCurrentViewTyp(int View);
    void OpenDatenbank(const QString &sDatenbank);
    bool CloseDatenbank();
    void ExecuteMenuCommand(int CommandID);
    bool ShowNoteByUniqueID(const QString &UniqueID);
    bool ShowSaleByUniqueID(const QString &UniqueID);
    bool ShowActivityByUniqueID(const QString &UniqueID);

private:
    class Release;
    enum class TabKind { Notes, Sales, Activities };

    bool ConnectApp();
    bool setOBJViews();
    bool GetActiveView();
    bool CreateContactViewObject();
    bool CreateGroupViewObject();
    void ReleaseObjects();
    bool BringACTToFront(const QString &className, const QString &title);
    void RestoreAndActivate(platform::WindowId window);
    bool TabExists(const QString &caption);
    bool showTabRecord(const QString &UniqueID, TabKind kind);
    QString joinedIDs(bool group, bool &cancel, const Progress &progress);
    bool lookupGroups(const QString &UniqueIDs);
    static QString padded(const QString &id);
    static void classMessage(const QString &member, const QString &secondLine, const QString &thirdLine = QString());
    static void passOnUnanswered(const platform::VbError &error);

    AppFactory m_appFactory;
    ActGroupTableFactory m_groupTableFactory;
    std::shared_ptr<actserver::ACTAppObject> objApp;
    std::shared_ptr<actserver::ACTViews> objViews;
    std::shared_ptr<actserver::ACTView> objActiveView;
    std::shared_ptr<actserver::ACTView> objContactView;
    std::shared_ptr<actserver::ACTView> objGroupView;
};

} // namespace actlink
