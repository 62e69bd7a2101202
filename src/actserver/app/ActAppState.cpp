// State of the running ACT! application shared by its window and its automation objects.
#include "ActAppState.h"

#include "ACTView.h"
#include "ActAutomationError.h"
#include "platform/VbError.h"

#include <QSet>

namespace actserver {

namespace {

constexpr int kIdLength = 12;
// Fields that tie a note, sale or activity to its contact or group.
constexpr int kNoteContactField = 29;
constexpr int kNoteGroupField = 30;
constexpr int kSaleContactField = 25;
constexpr int kActivityGroupField = 39;
constexpr int kActivityContactField = 40;

} // namespace

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
    for (const QString &id : m_store->recordIds(ActRecordKind::Contact))
        m_contacts.ids.append(paddedId(id));
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
    QSet<QString> scheduled;
    for (const auto &row : m_store->relations(kRelationScheduledWith))
        if (paddedId(row.first) == contactId)
            scheduled.insert(paddedId(row.second));
    QStringList result;
    for (const QString &raw : m_store->recordIds(ActRecordKind::Activity)) {
        const QString id = paddedId(raw);
        if (scheduled.contains(id) ||
            paddedId(m_store->field(ActRecordKind::Activity, raw, kActivityContactField)) == contactId)
            result.append(id);
    }
    return result;
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
    int linkField = group ? kNoteGroupField : kNoteContactField;
    if (tab == ActTab::Sales) {
        if (group)
            return QStringList(); // sales belong to contacts only
        kind = ActRecordKind::Sales;
        linkField = kSaleContactField;
    } else if (tab == ActTab::Activities) {
        kind = ActRecordKind::Activity;
        linkField = kActivityGroupField;
    }
    QStringList result;
    for (const QString &raw : m_store->recordIds(kind))
        if (paddedId(m_store->field(kind, raw, linkField)) == owner)
            result.append(paddedId(raw));
    return result;
}

void ActAppState::setCurrentFieldId(int fieldId)
{
    if (m_currentFieldId == fieldId)
        return;
    m_currentFieldId = fieldId;
    notifyChanged();
}

QString ActAppState::paddedId(const QString &id)
{
    return id.size() >= kIdLength ? id : id.leftJustified(kIdLength, QLatin1Char(' '));
}

} // namespace actserver
