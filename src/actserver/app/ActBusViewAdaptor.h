// A view object on the bus (ACTView), registered for the client that asked for it.
#pragma once

#include "ACTView.h"
#include "ActBusObject.h"

#include <QDBusObjectPath>
#include <QDBusVariant>

namespace actserver {

class ActBusViewAdaptor final : public ActBusObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.datolux.ACT.View")
public:
    ActBusViewAdaptor(ActBusServer &server, std::shared_ptr<ACTView> view);
    void setPath(const QString &path) { m_path = path; }

public slots:
    int Type();
    QString GetCurrentID();
    int CurrentFieldId();
    int LookupALL();
    int CreateLookup(const QString &uniqueIds);
    int LookupField(int fieldId, const QString &value);
    int LookupFieldEx(int fieldId, const QString &value, int mode);
    int MoveFirst();
    int MoveNext();
    int GetCount();
    QDBusVariant getfield(int fieldId);
    int setfield(int fieldId, const QDBusVariant &value);
    int GoTo(const QString &uniqueId);
    int AddNewContact();
    int AddNew();
    int AddContactToGroup(const QString &groupId);
    int AddMemberToGroup(const QString &contactId);
    int DeleteGroupFast();
    int getlasterror();
    int GetTabCount();
    QString GetTabName(int index);
    int SetActiveTab(const QString &caption);
    QDBusObjectPath NotesHistory();
    QDBusObjectPath Sales();
    QDBusObjectPath Activities();
    void Release();

private:
    template <typename F> int call(F &&f)
    {
        return guarded<int>(std::forward<F>(f), 0);
    }
    QDBusObjectPath publish(std::shared_ptr<ACTViewTab> tab);

    std::shared_ptr<ACTView> m_view;
    QString m_path;
};

} // namespace actserver
