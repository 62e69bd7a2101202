// Client proxy of a view: each member is one bus call.
#include "ActBusView.h"

#include "ActBusNames.h"
#include "ActBusViewTab.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace actserver {

ActBusView::ActBusView(std::shared_ptr<ActBusChannel> channel, const QString &path)
    : m_channel(std::move(channel)), m_path(path)
{
}

ActBusView::~ActBusView() { m_channel->release(m_path, bus::kViewInterface); }

QVariant ActBusView::call(const char *method, const QVariantList &args)
{
    return m_channel->call(m_path, bus::kViewInterface, QString::fromLatin1(method), args);
}

int ActBusView::Type() { return callInt("Type"); }
QString ActBusView::GetCurrentID() { return call("GetCurrentID").toString(); }
int ActBusView::CurrentFieldId() { return callInt("CurrentFieldId"); }
int ActBusView::LookupALL() { return callInt("LookupALL"); }
int ActBusView::CreateLookup(const QString &uniqueIds) { return callInt("CreateLookup", {uniqueIds}); }
int ActBusView::LookupField(int fieldId, const QString &value) { return callInt("LookupField", {fieldId, value}); }
int ActBusView::LookupFieldEx(int fieldId, const QString &value, int mode)
{
    return callInt("LookupFieldEx", {fieldId, value, mode});
}
int ActBusView::MoveFirst() { return callInt("MoveFirst"); }
int ActBusView::MoveNext() { return callInt("MoveNext"); }
int ActBusView::GetCount() { return callInt("GetCount"); }

QVariant ActBusView::getfield(int fieldId)
{
    const QVariant value = call("getfield", {fieldId});
    return value.canConvert<QDBusVariant>() ? qvariant_cast<QDBusVariant>(value).variant() : value;
}

int ActBusView::setfield(int fieldId, const QVariant &value)
{
    const QVariant sent = value.isValid() ? value : QVariant(QString());
    return callInt("setfield", {fieldId, QVariant::fromValue(QDBusVariant(sent))});
}

int ActBusView::GoTo(const QString &uniqueId) { return callInt("GoTo", {uniqueId}); }
int ActBusView::AddNewContact() { return callInt("AddNewContact"); }
int ActBusView::AddNew() { return callInt("AddNew"); }
int ActBusView::AddContactToGroup(const QString &groupId) { return callInt("AddContactToGroup", {groupId}); }
int ActBusView::AddMemberToGroup(const QString &contactId) { return callInt("AddMemberToGroup", {contactId}); }
int ActBusView::DeleteGroupFast() { return callInt("DeleteGroupFast"); }
int ActBusView::getlasterror() { return callInt("getlasterror"); }
int ActBusView::GetTabCount() { return callInt("GetTabCount"); }
QString ActBusView::GetTabName(int index) { return call("GetTabName", {index}).toString(); }
int ActBusView::SetActiveTab(const QString &caption) { return callInt("SetActiveTab", {caption}); }

std::shared_ptr<ACTViewTab> ActBusView::tab(const char *method)
{
    const QString path = qvariant_cast<QDBusObjectPath>(call(method)).path();
    if (path.isEmpty() || path == bus::nullPath())
        return nullptr;
    return std::make_shared<ActBusViewTab>(m_channel, path);
}

std::shared_ptr<ACTViewTab> ActBusView::NotesHistory() { return tab("NotesHistory"); }
std::shared_ptr<ACTViewTab> ActBusView::Sales() { return tab("Sales"); }
std::shared_ptr<ACTViewTab> ActBusView::Activities() { return tab("Activities"); }

} // namespace actserver
