// The current lookup of a view as the window lists it: one row per record of the lookup, its caption
// read from the database only when the list shows that row.
#pragma once

#include "actserver/app/ActAppState.h"

#include <QAbstractListModel>

namespace actserver {

class ActLookupModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ActLookupModel(ActAppState &state, QObject *parent = nullptr);

    // Follows the lookup of the view type; the rows are laid out anew only when it has changed.
    void follow(int viewType);
    // The caption of a record: the group's name, or the company and contact of a contact.
    static QString caption(ActAppStore &store, int viewType, const QString &id);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    ActAppState &m_state;
    int m_viewType = 0;
    QStringList m_ids; // a shared copy of the lookup shown
};

} // namespace actserver
