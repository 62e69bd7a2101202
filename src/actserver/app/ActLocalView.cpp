// In-process view: lookups, navigation, fields, group membership and tabs over the open database.
#include "ActLocalView.h"

#include "ActAutomationError.h"
#include "ActLocalViewTab.h"

#include <QSet>

namespace actserver {

namespace {

constexpr int kIdField = 1;
constexpr int kIdLength = 12;
constexpr int kGroupParentField = 55;
constexpr int kGroupMemberCountField = 100;
constexpr int kCantEditAttr = -97;

bool sameText(const QString &stored, const QString &wanted)
{
    QString s = stored;
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    QString w = wanted;
    while (w.endsWith(QLatin1Char(' ')))
        w.chop(1);
    return s.compare(w, Qt::CaseInsensitive) == 0;
}

} // namespace

ActLocalView::ActLocalView(ActAppState &state, int viewType) : m_state(state), m_type(viewType) {}

int ActLocalView::result(int code)
{
    side().lastError = code;
    return code;
}

bool ActLocalView::hasTabs() const { return m_type == ActViewType::Contact || m_type == ActViewType::Group; }

void ActLocalView::setCurrent(int index)
{
    ActAppState::Side &s = side();
    if (s.current != index)
        s.selectedRows.clear(); // the rows belonged to the record before
    s.current = index;
}

void ActLocalView::setLookup(const QStringList &ids)
{
    ActAppState::Side &s = side();
    s.ids = ids;
    s.selectedRows.clear();
    s.current = ids.isEmpty() ? -1 : 0;
    m_state.notifyChanged();
}

QString ActLocalView::GetCurrentID() { return m_state.isOpen() ? m_state.currentId(m_type) : QString(); }

int ActLocalView::CurrentFieldId() { return m_state.isOpen() ? m_state.currentFieldId() : 0; }

int ActLocalView::LookupALL()
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    QStringList ids;
    for (const QString &raw : m_state.store()->recordIds(kind()))
        ids.append(paddedId(raw));
    setLookup(ids);
    return result(ActError::Success);
}

int ActLocalView::CreateLookup(const QString &uniqueIds)
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    QStringList ids;
    QSet<QString> taken;
    bool allFound = true;
    for (int i = 0; i + kIdLength <= uniqueIds.size(); i += kIdLength) {
        const QString id = uniqueIds.mid(i, kIdLength);
        if (!m_state.store()->contains(kind(), id))
            allFound = false;
        else if (!taken.contains(id)) {
            taken.insert(id);
            ids.append(id);
        }
    }
    setLookup(ids);
    return result(allFound ? ActError::Success : ActError::InvalidId);
}

QStringList ActLocalView::matching(int fieldId, const QString &value)
{
    QStringList ids;
    ActAppStore *store = m_state.store();
    for (const QString &raw : store->recordIds(kind()))
        if (sameText(store->field(kind(), raw, fieldId), value))
            ids.append(paddedId(raw));
    return ids;
}

int ActLocalView::LookupField(int fieldId, const QString &value) { return LookupFieldEx(fieldId, value, -1); }

int ActLocalView::LookupFieldEx(int fieldId, const QString &value, int mode)
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    if (!m_state.store()->hasField(kind(), fieldId))
        return result(ActError::InvalidField);
    const QStringList found = matching(fieldId, value);
    QStringList ids;
    if (mode == 0) {
        ids = side().ids;
        QSet<QString> taken(ids.begin(), ids.end());
        for (const QString &id : found)
            if (!taken.contains(id)) {
                taken.insert(id);
                ids.append(id);
            }
    } else if (mode == 1) {
        const QSet<QString> hits(found.begin(), found.end());
        for (const QString &id : side().ids)
            if (hits.contains(id))
                ids.append(id);
    } else {
        ids = found;
    }
    setLookup(ids);
    return result(found.isEmpty() ? ActError::NoData : ActError::Success);
}

int ActLocalView::MoveFirst()
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    if (side().ids.isEmpty())
        return result(ActError::NoData);
    setCurrent(0);
    m_state.notifyChanged();
    return result(ActError::Success);
}

int ActLocalView::MoveNext()
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    if (side().current + 1 >= side().ids.size())
        return result(ActError::NoMoreData);
    setCurrent(side().current + 1);
    m_state.notifyChanged();
    return result(ActError::Success);
}

int ActLocalView::GetCount() { return m_state.isOpen() ? int(side().ids.size()) : 0; }

QVariant ActLocalView::getfield(int fieldId)
{
    if (!m_state.isOpen()) {
        result(ActError::DBNotOpen);
        return QString();
    }
    const QString id = m_state.currentId(m_type);
    if (id.isEmpty()) {
        result(ActError::NoData);
        return QString();
    }
    if (!m_state.store()->hasField(kind(), fieldId)) {
        result(ActError::InvalidField);
        return QString();
    }
    result(ActError::Success);
    if (fieldId == kIdField)
        return id;
    return m_state.store()->field(kind(), id, fieldId);
}

int ActLocalView::setfield(int fieldId, const QVariant &value)
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    const QString id = m_state.currentId(m_type);
    if (id.isEmpty())
        return result(ActError::NoData);
    if (!m_state.store()->hasField(kind(), fieldId))
        return result(ActError::InvalidField);
    if (fieldId == kIdField)
        return result(kCantEditAttr);
    m_state.store()->setField(kind(), id, fieldId, value.toString());
    m_state.notifyChanged();
    return result(ActError::Success);
}

int ActLocalView::GoTo(const QString &uniqueId)
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    const int index = side().ids.indexOf(paddedId(uniqueId));
    if (index < 0)
        return result(ActError::InvalidId);
    setCurrent(index);
    m_state.notifyChanged();
    return result(ActError::Success);
}

int ActLocalView::addRecord(ActRecordKind recordKind)
{
    const QString id = paddedId(m_state.store()->addRecord(recordKind));
    ActAppState::Side &s = m_state.side(recordKind == ActRecordKind::Group ? ActViewType::Group : ActViewType::Contact);
    s.ids.append(id);
    s.selectedRows.clear();
    s.current = int(s.ids.size()) - 1;
    m_state.notifyChanged();
    return result(ActError::Success);
}

int ActLocalView::AddNewContact()
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    return addRecord(ActRecordKind::Contact);
}

int ActLocalView::AddNew()
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    return addRecord(kind());
}

bool ActLocalView::isMember(const QString &contactId, const QString &groupId)
{
    return !m_state.store()->relationsOf(kRelationGroupMember, contactId, groupId).isEmpty();
}

void ActLocalView::updateMemberCount(const QString &groupId)
{
    ActAppStore *store = m_state.store();
    if (!store->hasField(ActRecordKind::Group, kGroupMemberCountField))
        return;
    const int members = int(store->relationsOf(kRelationGroupMember, QString(), groupId).size());
    store->setField(ActRecordKind::Group, groupId, kGroupMemberCountField, QString::number(members));
}

int ActLocalView::AddContactToGroup(const QString &groupId)
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    const QString contact = m_state.currentId(ActViewType::Contact);
    const QString group = paddedId(groupId);
    if (contact.isEmpty())
        return result(ActError::NoData);
    if (!m_state.store()->contains(ActRecordKind::Group, group))
        return result(ActError::InvalidId);
    if (isMember(contact, group))
        return result(ActError::Success);
    m_state.store()->addRelation(contact, group, kRelationGroupMember);
    updateMemberCount(group);
    m_state.notifyChanged();
    return result(ActError::Success);
}

int ActLocalView::AddMemberToGroup(const QString &contactId)
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    const QString group = m_state.currentId(ActViewType::Group);
    const QString contact = paddedId(contactId);
    if (group.isEmpty())
        return result(ActError::NoData);
    if (!m_state.store()->contains(ActRecordKind::Contact, contact))
        return result(ActError::InvalidId);
    if (isMember(contact, group))
        return result(ActError::Success);
    m_state.store()->addRelation(contact, group, kRelationGroupMember);
    updateMemberCount(group);
    m_state.notifyChanged();
    return result(ActError::Success);
}

int ActLocalView::DeleteGroupFast()
{
    if (!m_state.isOpen())
        return result(ActError::DBNotOpen);
    if (m_type != ActViewType::Group)
        return result(ActError::InvalidParameter);
    ActAppState::Side &s = side();
    const QString group = m_state.currentId(m_type);
    if (group.isEmpty())
        return result(ActError::NoData);
    ActAppStore *store = m_state.store();
    store->removeRelations(group, kRelationGroupMember);
    // Subgroups would otherwise point at a parent that no longer exists.
    for (const QString &raw : store->recordIds(ActRecordKind::Group))
        if (paddedId(store->field(ActRecordKind::Group, raw, kGroupParentField)) == group)
            store->setField(ActRecordKind::Group, raw, kGroupParentField, QString());
    store->deleteRecord(ActRecordKind::Group, group);
    s.ids.removeAt(s.current);
    s.selectedRows.clear();
    s.current = s.ids.isEmpty() ? -1 : qMin(s.current, int(s.ids.size()) - 1);
    m_state.notifyChanged();
    return result(ActError::Success);
}

int ActLocalView::getlasterror() { return side().lastError; }

int ActLocalView::GetTabCount() { return hasTabs() ? int(ActAppState::tabs().size()) : 0; }

QString ActLocalView::GetTabName(int index)
{
    if (index < 0 || index >= GetTabCount())
        return QString();
    return ActAppState::tabCaption(ActAppState::tabs().at(index));
}

int ActLocalView::SetActiveTab(const QString &caption)
{
    for (int i = 0; i < GetTabCount(); ++i) {
        if (GetTabName(i) == caption) {
            side().activeTab = caption;
            m_state.notifyChanged();
            return result(ActError::Success);
        }
    }
    return result(ActError::InvalidParameter);
}

std::shared_ptr<ACTViewTab> ActLocalView::tab(ActTab which)
{
    if (!hasTabs())
        return nullptr;
    return std::make_shared<ActLocalViewTab>(m_state, m_type, which);
}

std::shared_ptr<ACTViewTab> ActLocalView::NotesHistory() { return tab(ActTab::Notes); }
std::shared_ptr<ACTViewTab> ActLocalView::Sales() { return tab(ActTab::Sales); }
std::shared_ptr<ACTViewTab> ActLocalView::Activities() { return tab(ActTab::Activities); }

} // namespace actserver
