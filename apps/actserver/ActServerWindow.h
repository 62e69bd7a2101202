// The main window of the ACT! stand-in: the open database, the active view with its lookup, the
// current record, and the tabs of that record with the row automation chose, so a user sees what
// Datolux asked ACT! to show.
#pragma once

#include "actserver/app/ActAppState.h"

#include <QMainWindow>

class QLabel;
class QListView;
class QTabWidget;
class QTableWidget;

namespace actserver {

class ActLookupModel;

class ActServerWindow final : public QMainWindow
{
    Q_OBJECT
public:
    ActServerWindow(ActAppState &state, QWidget *parent = nullptr);

    // The window class other programs find the running ACT! by.
    static QString windowClass() { return QStringLiteral("act3.0frameclass"); }

public slots:
    void refresh();

private:
    void buildMenus();
    void buildCentral();
    void openDatabase();
    void scheduleRefresh();
    void refreshLookup(int viewType);
    void refreshRecord(int viewType);
    void refreshTabs(int viewType);
    void fillTab(int viewType, ActTab tab);
    void chooseRecord(int row);
    static QString viewName(int viewType);

    ActAppState &m_state;
    bool m_refreshPending = false;
    QLabel *m_viewLabel = nullptr;
    QLabel *m_lookupLabel = nullptr;
    ActLookupModel *m_lookupModel = nullptr;
    QListView *m_lookup = nullptr;
    QLabel *m_recordLabel = nullptr;
    QTableWidget *m_record = nullptr;
    QTabWidget *m_tabs = nullptr;
    QList<QTableWidget *> m_tabTables;
    QLabel *m_userLabel = nullptr;
};

} // namespace actserver
