// The state of the running ACT! application: its open database, the view shown in the window, the
// contact and group lookups with their current records, and the active tab with its selected row.
// Every view object works on this one state, so what automation does is what the window shows.
#pragma once

#include "ActAppStore.h"

#include <QHash>
#include <QObject>
#include <functional>
#include <memory>

namespace actserver {

// The tabs of a contact or group view, in the order the window shows them.
enum class ActTab { Notes = 0, Sales = 1, Activities = 2 };

class ActAppState final : public QObject
{
    Q_OBJECT
public:
    // Opens a database from the path of its contact file; throws platform::VbError when it cannot.
    using StoreFactory = std::function<std::unique_ptr<ActAppStore>(const QString &path)>;

    // One lookup: the records it holds, the current one, the tab state of the current record.
    struct Side
    {
        QStringList ids; // 12-character IDs
        int current = -1;
        int lastError = 0;
        QString activeTab;
        QHash<int, int> selectedRows; // ActTab -> row chosen by GoTo
    };

    explicit ActAppState(StoreFactory factory, QObject *parent = nullptr);
    ~ActAppState() override;

    // 0, or the ACT! error code when the database cannot be opened (the old one stays closed).
    int openDatabase(const QString &path);
    // 0, or DBNotOpen when none is open.
    int closeDatabase();
    bool isOpen() const { return m_store != nullptr; }
    // The open database; null when none is open.
    ActAppStore *store() const { return m_store.get(); }
    // Text of the last failure to open a database.
    QString openError() const { return m_openError; }

    // 0 without a database, else ActViewType.
    int activeViewType() const { return m_activeView; }
    void setActiveViewType(int viewType);

    // The contact side serves view types 1 and 2, the group side type 3.
    Side &side(int viewType);
    static ActRecordKind recordKind(int viewType);
    QString currentId(int viewType);

    static QString tabCaption(ActTab tab);
    static QList<ActTab> tabs() { return {ActTab::Notes, ActTab::Sales, ActTab::Activities}; }
    // The records a tab lists for the current record of the view type, in file order.
    QStringList tabRecordIds(int viewType, ActTab tab);

    int currentFieldId() const { return m_currentFieldId; }
    void setCurrentFieldId(int fieldId);

    // Tells the window that something it shows has changed.
    void notifyChanged() { emit changed(); }
    void requestShow(bool show) { emit showRequested(show); }
    void requestMinimize() { emit minimizeRequested(); }

signals:
    void changed();
    void showRequested(bool show);
    void minimizeRequested();

private:
    QStringList relatedActivities(const QString &contactId);

    StoreFactory m_factory;
    std::unique_ptr<ActAppStore> m_store;
    QString m_openError;
    int m_activeView = 0;
    int m_currentFieldId = 0;
    Side m_contacts;
    Side m_groups;
};

} // namespace actserver
