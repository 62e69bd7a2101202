// Rows of the window's lookup list, read on demand.
#include "ActLookupModel.h"

#include "actserver/app/ACTView.h"

namespace actserver {

namespace {

constexpr int kCompanyField = 2;
constexpr int kContactField = 3;
constexpr int kGroupNameField = 25;

} // namespace

ActLookupModel::ActLookupModel(ActAppState &state, QObject *parent) : QAbstractListModel(parent), m_state(state) {}

void ActLookupModel::follow(int viewType)
{
    const QStringList ids = m_state.isOpen() ? m_state.side(viewType).ids : QStringList();
    // Lists that share their data compare at once, so an unchanged lookup costs nothing here; its
    // shown rows are read again, as a record may have changed.
    if (viewType == m_viewType && ids == m_ids) {
        if (!m_ids.isEmpty())
            emit dataChanged(index(0), index(int(m_ids.size()) - 1), {Qt::DisplayRole});
        return;
    }
    beginResetModel();
    m_viewType = viewType;
    m_ids = ids;
    endResetModel();
}

QString ActLookupModel::caption(ActAppStore &store, int viewType, const QString &id)
{
    if (viewType == ActViewType::Group)
        return store.field(ActRecordKind::Group, id, kGroupNameField);
    const QString company = store.field(ActRecordKind::Contact, id, kCompanyField);
    const QString contact = store.field(ActRecordKind::Contact, id, kContactField);
    return company.isEmpty() ? contact : contact.isEmpty() ? company : company + QStringLiteral(" – ") + contact;
}

int ActLookupModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

QVariant ActLookupModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !m_state.isOpen() || index.row() < 0 || index.row() >= m_ids.size())
        return QVariant();
    return caption(*m_state.store(), m_viewType, m_ids.at(index.row()));
}

} // namespace actserver
