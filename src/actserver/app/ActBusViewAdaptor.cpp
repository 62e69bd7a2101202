// View object on the bus: forwards each member to the in-process view.
#include "ActBusViewAdaptor.h"

#include "ActBusServer.h"
#include "ActBusViewTabAdaptor.h"

namespace actserver {

ActBusViewAdaptor::ActBusViewAdaptor(ActBusServer &server, std::shared_ptr<ACTView> view)
    : ActBusObject(server), m_view(std::move(view))
{
}

int ActBusViewAdaptor::Type()
{
    return call([&] { return m_view->Type(); });
}

QString ActBusViewAdaptor::GetCurrentID()
{
    return guarded<QString>([&] { return m_view->GetCurrentID(); }, QString());
}

int ActBusViewAdaptor::CurrentFieldId()
{
    return call([&] { return m_view->CurrentFieldId(); });
}

int ActBusViewAdaptor::LookupALL()
{
    return call([&] { return m_view->LookupALL(); });
}

int ActBusViewAdaptor::CreateLookup(const QString &uniqueIds)
{
    return call([&] { return m_view->CreateLookup(uniqueIds); });
}

int ActBusViewAdaptor::LookupField(int fieldId, const QString &value)
{
    return call([&] { return m_view->LookupField(fieldId, value); });
}

int ActBusViewAdaptor::LookupFieldEx(int fieldId, const QString &value, int mode)
{
    return call([&] { return m_view->LookupFieldEx(fieldId, value, mode); });
}

int ActBusViewAdaptor::MoveFirst()
{
    return call([&] { return m_view->MoveFirst(); });
}

int ActBusViewAdaptor::MoveNext()
{
    return call([&] { return m_view->MoveNext(); });
}

int ActBusViewAdaptor::GetCount()
{
    return call([&] { return m_view->GetCount(); });
}

int ActBusViewAdaptor::GoTo(const QString &uniqueId)
{
    return call([&] { return m_view->GoTo(uniqueId); });
}

int ActBusViewAdaptor::AddNewContact()
{
    return call([&] { return m_view->AddNewContact(); });
}

int ActBusViewAdaptor::AddNew()
{
    return call([&] { return m_view->AddNew(); });
}

int ActBusViewAdaptor::AddContactToGroup(const QString &groupId)
{
    return call([&] { return m_view->AddContactToGroup(groupId); });
}

int ActBusViewAdaptor::AddMemberToGroup(const QString &contactId)
{
    return call([&] { return m_view->AddMemberToGroup(contactId); });
}

int ActBusViewAdaptor::DeleteGroupFast()
{
    return call([&] { return m_view->DeleteGroupFast(); });
}

int ActBusViewAdaptor::getlasterror()
{
    return call([&] { return m_view->getlasterror(); });
}

int ActBusViewAdaptor::GetTabCount()
{
    return call([&] { return m_view->GetTabCount(); });
}

QString ActBusViewAdaptor::GetTabName(int index)
{
    return guarded<QString>([&] { return m_view->GetTabName(index); }, QString());
}

int ActBusViewAdaptor::SetActiveTab(const QString &caption)
{
    return call([&] { return m_view->SetActiveTab(caption); });
}

QDBusVariant ActBusViewAdaptor::getfield(int fieldId)
{
    return guarded<QDBusVariant>([&] { return QDBusVariant(m_view->getfield(fieldId)); }, QDBusVariant(QString()));
}

int ActBusViewAdaptor::setfield(int fieldId, const QDBusVariant &value)
{
    return call([&] { return m_view->setfield(fieldId, value.variant()); });
}

QDBusObjectPath ActBusViewAdaptor::publish(std::shared_ptr<ACTViewTab> tab)
{
    if (!tab)
        return QDBusObjectPath(bus::nullPath());
    auto *adaptor = new ActBusViewTabAdaptor(m_server, std::move(tab));
    const QDBusObjectPath path = m_server.publish(adaptor, QStringLiteral("Tab"), caller());
    adaptor->setPath(path.path());
    return path;
}

QDBusObjectPath ActBusViewAdaptor::NotesHistory()
{
    return guarded<QDBusObjectPath>([&] { return publish(m_view->NotesHistory()); }, QDBusObjectPath(bus::nullPath()));
}

QDBusObjectPath ActBusViewAdaptor::Sales()
{
    return guarded<QDBusObjectPath>([&] { return publish(m_view->Sales()); }, QDBusObjectPath(bus::nullPath()));
}

QDBusObjectPath ActBusViewAdaptor::Activities()
{
    return guarded<QDBusObjectPath>([&] { return publish(m_view->Activities()); }, QDBusObjectPath(bus::nullPath()));
}

void ActBusViewAdaptor::Release() { m_server.release(m_path); }

} // namespace actserver
