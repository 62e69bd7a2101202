// State of the running ACT! application shared by its window and its automation objects.
#include "ActAppState.h"

#include "ACTView.h"
#include "ActAutomationError.h"
#include "platform/VbError.h"

namespace actserver {

ActAppState::ActAppState(StoreFactory factory, QObject *parent) : QObject(parent), m_factory(std::move(factory)) {}

ActAppState::~ActAppState() = default;

int ActAppState::openDatabase(const QString &path)
{
    m_store.reset();
    m_contacts = Side();
    m_groups = Side();
    m_activeView = 0;
    m_openError.clear();
    try {
        m_store = m_factory(path);
    } catch (const platform::VbError &e) {
        m_openError = e.description();
    } catch (const std::exception &e) {
        m_openError = QString::fromLocal8Bit(e.what());
    }
    if (!m_store) {
        notifyChanged();
        return ActError::OpenFailed;
    }
    // A freshly opened database shows all contacts, the first one current.
    m_activeView = ActViewType::Contact;
    m_contacts.ids = m_store->recordIds(ActRecordKind::Contact);
    for (QString &id : m_contacts.ids)
        id = paddedId(id);
    m_contacts.current = m_contacts.ids.isEmpty() ? -1 : 0;
    m_contacts.activeTab = tabCaption(ActTab::Notes);
    m_groups.activeTab = tabCaption(ActTab::Notes);
    notifyChanged();
    return ActError::Success;
}

int ActAppState::closeDatabase()
{
    if (!m_store)
        return ActError::DBNotOpen;
    m_store.reset();
    m_contacts = Side();
    m_groups = Side();
    m_activeView = 0;
    notifyChanged();
    return ActError::Success;
}

void ActAppState::setActiveViewType(int viewType)
{
    if (!m_store || m_activeView == viewType)
        return;
    m_activeView = viewType;
    notifyChanged();
}

ActAppState::Side &ActAppState::side(int viewType) { return viewType == ActViewType::Group ? m_groups : m_contacts; }

ActRecordKind ActAppState::recordKind(int viewType)
{
    return viewType == ActViewType::Group ? ActRecordKind::Group : ActRecordKind::Contact;
}

QString ActAppState::currentId(int viewType)
{
    const Side &s = side(viewType);
    return s.current >= 0 && s.current < s.ids.size() ? s.ids.at(s.current) : QString();
}

QString ActAppState::tabCaption(ActTab tab)
{
    switch (tab) {
    case ActTab::Notes:
        return QStringLiteral("Notizen/Protokoll");
    case ActTab::Sales:
        return QStringLiteral("Aufträge");
    case ActTab::Activities:
        return QStringLiteral("Tätigkeiten");
    }
    return QString();
}

QStringList ActAppState::relatedActivities(const QString &contactId)
{
    QStringList ids = m_store->linkedRecords(ActRecordKind::Activity, ActLinkField::ActivityContact, contactId);
    for (const auto &row : m_store->relationsOf(kRelationScheduledWith, contactId, QString()))
        ids.append(row.second);
    return m_store->inFileOrder(ActRecordKind::Activity, ids);
}

QStringList ActAppState::tabRecordIds(int viewType, ActTab tab)
{
    const QString owner = currentId(viewType);
    if (!m_store || owner.isEmpty())
        return QStringList();
    const bool group = viewType == ActViewType::Group;
    if (tab == ActTab::Activities && !group)
        return relatedActivities(owner);
    ActRecordKind kind = ActRecordKind::Notes;
    int linkField = group ? ActLinkField::NoteGroup : ActLinkField::NoteContact;
    if (tab == ActTab::Sales) {
        if (group)
            return QStringList(); // sales belong to contacts only
        kind = ActRecordKind::Sales;
        linkField = ActLinkField::SaleContact;
    } else if (tab == ActTab::Activities) {
        kind = ActRecordKind::Activity;
        linkField = ActLinkField::ActivityGroup;
    }
    return m_store->linkedRecords(kind, linkField, owner);
}

void ActAppState::setCurrentFieldId(int fieldId)
{
    if (m_currentFieldId == fieldId)
        return;
    m_currentFieldId = fieldId;
    notifyChanged();
}

} // namespace actserver
