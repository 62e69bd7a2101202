// The application object on the bus (ACTOLE.APPOBJECT): each member of ACTAppObject as a method.
#pragma once

#include "ActBusObject.h"
#include "ActLocalAppObject.h"

#include <QDBusObjectPath>

namespace actserver {

class ActBusAppAdaptor final : public ActBusObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.datolux.ACT.Application")
public:
    ActBusAppAdaptor(ActBusServer &server, ActAppState &state);

public slots:
    QString GetOpenDBName();
    QString GetUserId();
    QString GetCurrentUserName();
    QString GetVersion(int kind);
    void Show(bool show);
    void Minimize();
    int OpenDB(const QString &path);
    int CloseDB();
    void Command(int commandId);
    QDBusObjectPath Views();
    // What the window shows, for a user's script or a test to check: "view" (type), "lookup" (the
    // active view's record IDs), "current", "activeTab", "selectedRow" and "selectedId" (-1 / "" when
    // no row is chosen). Not a member of ACT!'s own object model.
    QVariantMap WindowState();

private:
    ActAppState &m_state;
    ActLocalAppObject m_app;
};

} // namespace actserver
