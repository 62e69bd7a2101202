// Main window of the ACT! stand-in.
#include "ActServerWindow.h"

#include "ActLookupModel.h"
#include "actserver/ActSchema.h"
#include "actserver/app/ACTView.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace actserver {

namespace {

struct Column
{
    int fieldId;
    const char *title;
};

// What each tab lists of its records.
QList<Column> tabColumns(ActTab tab)
{
    switch (tab) {
    case ActTab::Notes:
        return {{27, "Datum"}, {25, "Typ"}, {26, "Text"}, {1, "ID"}};
    case ActTab::Sales:
        return {{31, "Abschluss"}, {27, "Produkt"}, {34, "Betrag"}, {39, "Status"}, {1, "ID"}};
    case ActTab::Activities:
        return {{28, "Beginn"}, {25, "Typ"}, {27, "Betreff"}, {1, "ID"}};
    }
    return {};
}

ActRecordKind tabKind(ActTab tab)
{
    return tab == ActTab::Notes ? ActRecordKind::Notes : tab == ActTab::Sales ? ActRecordKind::Sales
                                                                               : ActRecordKind::Activity;
}

QTableWidget *makeTable(const QStringList &headers)
{
    auto *table = new QTableWidget(0, int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

ActServerWindow::ActServerWindow(ActAppState &state, QWidget *parent) : QMainWindow(parent), m_state(state)
{
    buildMenus();
    buildCentral();
    connect(&m_state, &ActAppState::changed, this, &ActServerWindow::scheduleRefresh);
    connect(&m_state, &ActAppState::showRequested, this, [this](bool show) {
        if (!show) {
            hide();
            return;
        }
        showNormal();
        raise();
        activateWindow();
    });
    connect(&m_state, &ActAppState::minimizeRequested, this, &QWidget::showMinimized);
    resize(1100, 720);
    refresh();
}

void ActServerWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->addAction(QStringLiteral("Datenbank ö&ffnen..."), this, &ActServerWindow::openDatabase);
    file->addAction(QStringLiteral("Datenbank &schließen"), this, [this] { m_state.closeDatabase(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);
    QMenu *view = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    for (int type : {ActViewType::Contact, ActViewType::ContactList, ActViewType::Group})
        view->addAction(viewName(type), this, [this, type] { m_state.setActiveViewType(type); });
}

void ActServerWindow::buildCentral()
{
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    m_viewLabel = new QLabel;
    QFont big = m_viewLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    m_viewLabel->setFont(big);
    layout->addWidget(m_viewLabel);

    auto *split = new QSplitter(Qt::Horizontal);
    auto *left = new QWidget;
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_lookupLabel = new QLabel;
    m_lookupModel = new ActLookupModel(m_state, this);
    m_lookup = new QListView;
    m_lookup->setUniformItemSizes(true); // rows are laid out without reading them all
    m_lookup->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lookup->setModel(m_lookupModel);
    connect(m_lookup->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { chooseRecord(current.row()); });
    leftLayout->addWidget(m_lookupLabel);
    leftLayout->addWidget(m_lookup);
    split->addWidget(left);

    auto *right = new QSplitter(Qt::Vertical);
    auto *recordBox = new QWidget;
    auto *recordLayout = new QVBoxLayout(recordBox);
    recordLayout->setContentsMargins(0, 0, 0, 0);
    m_recordLabel = new QLabel;
    m_record = makeTable({QStringLiteral("Feld"), QStringLiteral("Inhalt")});
    recordLayout->addWidget(m_recordLabel);
    recordLayout->addWidget(m_record);
    right->addWidget(recordBox);
    m_tabs = new QTabWidget;
    for (ActTab tab : ActAppState::tabs()) {
        QStringList headers;
        for (const Column &c : tabColumns(tab))
            headers << QString::fromUtf8(c.title);
        QTableWidget *table = makeTable(headers);
        m_tabTables.append(table);
        m_tabs->addTab(table, ActAppState::tabCaption(tab));
    }
    right->addWidget(m_tabs);
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);
    setCentralWidget(central);
    m_userLabel = new QLabel;
    statusBar()->addPermanentWidget(m_userLabel);
}

void ActServerWindow::openDatabase()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("ACT!-Datenbank öffnen"), QString(),
                                                      QStringLiteral("ACT!-Datenbanken (*.dbf)"));
    if (path.isEmpty())
        return;
    if (m_state.openDatabase(path) != 0)
        QMessageBox::warning(this, QStringLiteral("ACT!"),
                             QStringLiteral("Die Datenbank \"%1\" konnte nicht geöffnet werden.\n%2")
                                 .arg(path, m_state.openError()));
}

void ActServerWindow::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, &ActServerWindow::refresh);
}

QString ActServerWindow::viewName(int viewType)
{
    switch (viewType) {
    case ActViewType::Contact:
        return QStringLiteral("Kontakte");
    case ActViewType::ContactList:
        return QStringLiteral("Kontaktliste");
    case ActViewType::Group:
        return QStringLiteral("Gruppen");
    }
    return QString();
}

void ActServerWindow::refresh()
{
    m_refreshPending = false;
    if (!m_state.isOpen()) {
        setWindowTitle(QStringLiteral("ACT! - keine Datenbank geöffnet"));
        m_viewLabel->setText(QStringLiteral("Keine Datenbank geöffnet"));
        m_lookupLabel->clear();
        m_lookupModel->follow(0);
        m_recordLabel->clear();
        m_record->setRowCount(0);
        for (QTableWidget *t : m_tabTables)
            t->setRowCount(0);
        m_userLabel->clear();
        return;
    }
    ActAppStore *store = m_state.store();
    setWindowTitle(QStringLiteral("ACT! - %1").arg(store->databaseName()));
    m_userLabel->setText(QStringLiteral("Benutzer: %1").arg(store->userName()));
    const int viewType = m_state.activeViewType();
    m_viewLabel->setText(QStringLiteral("Ansicht: %1").arg(viewName(viewType)));
    refreshLookup(viewType);
    refreshRecord(viewType);
    refreshTabs(viewType);
}

void ActServerWindow::refreshLookup(int viewType)
{
    const ActAppState::Side &side = m_state.side(viewType);
    const bool group = viewType == ActViewType::Group;
    m_lookupLabel->setText(QStringLiteral("Suche: %1 von %2 %3")
                               .arg(side.ids.size())
                               .arg(m_state.store()->recordCount(ActAppState::recordKind(viewType)))
                               .arg(group ? QStringLiteral("Gruppen") : QStringLiteral("Kontakten")));
    const QSignalBlocker blocker(m_lookup->selectionModel());
    m_lookupModel->follow(viewType);
    const QModelIndex current = m_lookupModel->index(side.current);
    m_lookup->setCurrentIndex(current);
    if (current.isValid())
        m_lookup->scrollTo(current);
}

void ActServerWindow::refreshRecord(int viewType)
{
    const QString id = m_state.currentId(viewType);
    m_record->setRowCount(0);
    if (id.isEmpty()) {
        m_recordLabel->setText(QStringLiteral("Kein Datensatz"));
        return;
    }
    const ActRecordKind kind = ActAppState::recordKind(viewType);
    m_recordLabel->setText(QStringLiteral("Aktueller Datensatz: %1 (ID %2)")
                               .arg(ActLookupModel::caption(*m_state.store(), viewType, id), id));
    const ActTableDef &def = ActSchema::table(kind == ActRecordKind::Group ? ActTableKind::Group : ActTableKind::Contact);
    for (const ActFieldDef &f : def.fields) {
        if (!m_state.store()->hasField(kind, f.id))
            continue;
        const int row = m_record->rowCount();
        m_record->insertRow(row);
        auto *label = new QTableWidgetItem(QString::fromUtf8(f.label));
        if (f.id == m_state.currentFieldId())
            label->setFont([&] { QFont bold = label->font(); bold.setBold(true); return bold; }());
        m_record->setItem(row, 0, label);
        m_record->setItem(row, 1, new QTableWidgetItem(f.id == 1 ? id : m_state.store()->field(kind, id, f.id)));
    }
    m_record->resizeColumnToContents(0);
}

void ActServerWindow::refreshTabs(int viewType)
{
    const bool hasTabs = viewType == ActViewType::Contact || viewType == ActViewType::Group;
    m_tabs->setEnabled(hasTabs);
    const ActAppState::Side &side = m_state.side(viewType);
    for (ActTab tab : ActAppState::tabs()) {
        if (hasTabs)
            fillTab(viewType, tab);
        else
            m_tabTables.at(int(tab))->setRowCount(0);
        if (ActAppState::tabCaption(tab) == side.activeTab)
            m_tabs->setCurrentIndex(int(tab));
    }
}

void ActServerWindow::fillTab(int viewType, ActTab tab)
{
    QTableWidget *table = m_tabTables.at(int(tab));
    const QStringList ids = m_state.tabRecordIds(viewType, tab);
    const QList<Column> columns = tabColumns(tab);
    table->setRowCount(int(ids.size()));
    for (int r = 0; r < ids.size(); ++r)
        for (int c = 0; c < columns.size(); ++c) {
            const QString text = columns.at(c).fieldId == 1
                                      ? ids.at(r)
                                      : m_state.store()->field(tabKind(tab), ids.at(r), columns.at(c).fieldId);
            table->setItem(r, c, new QTableWidgetItem(text.left(120).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        }
    const int selected = m_state.side(viewType).selectedRows.value(int(tab), -1);
    table->clearSelection();
    if (selected >= 0 && selected < table->rowCount()) {
        table->selectRow(selected);
        table->scrollToItem(table->item(selected, 0));
    }
    table->resizeColumnsToContents();
}

void ActServerWindow::chooseRecord(int row)
{
    ActAppState::Side &side = m_state.side(m_state.activeViewType());
    if (row < 0 || row >= side.ids.size() || row == side.current)
        return;
    side.current = row;
    side.selectedRows.clear();
    m_state.notifyChanged();
}

} // namespace actserver
