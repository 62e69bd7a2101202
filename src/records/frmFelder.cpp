// The field-selection dialog: layout, list items, header sorting, OK and cancel.
#include "frmFelder.h"

#include "platform/UiServices.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

namespace records {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;

std::unique_ptr<frmFelder> &theInstance()
{
    static std::unique_ptr<frmFelder> instance;
    return instance;
}

} // namespace

frmFelder::frmFelder(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFelder"));
    setWindowTitle(QStringLiteral("Auswahl der ACT!-Felder"));
    setModal(true);
    m_frFelder = new QGroupBox(QStringLiteral("ACT!-Felder"), this);
    m_lvFelder = new QTreeWidget(m_frFelder);
    m_lvFelder->setObjectName(QStringLiteral("lvFelder"));
    m_lvFelder->setColumnCount(1);
    m_lvFelder->setHeaderLabels({QStringLiteral("Feldname")});
    m_lvFelder->setRootIsDecorated(false);
    m_lvFelder->setSortingEnabled(false);
    m_lvFelder->header()->setSectionsClickable(true);
    auto *frameLayout = new QVBoxLayout(m_frFelder);
    frameLayout->addWidget(m_lvFelder);

    m_cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdAbbruch = new QPushButton(QStringLiteral("&Abbruch"), this);
    m_cmdAbbruch->setObjectName(QStringLiteral("cmdAbbruch"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOk);
    buttons->addWidget(m_cmdAbbruch);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_frFelder);
    layout->addLayout(buttons);
    resize(360, 420);

    connect(m_lvFelder->header(), &QHeaderView::sectionClicked, this, [this] { lvFelder_ColumnClick(); });
    connect(m_cmdOk, &QPushButton::clicked, this, &frmFelder::cmdOk_Click);
    connect(m_cmdAbbruch, &QPushButton::clicked, this, &frmFelder::cmdAbbruch_Click);
}

frmFelder &frmFelder::instance()
{
    std::unique_ptr<frmFelder> &instance = theInstance();
    if (!instance)
        instance = std::make_unique<frmFelder>();
    return *instance;
}

void frmFelder::Unload() { theInstance().reset(); }

void frmFelder::showEvent(QShowEvent *event)
{
    // Room for the vertical scroll bar.
    m_lvFelder->setColumnWidth(0, std::max(0, m_lvFelder->viewport()->width() - 24));
    QDialog::showEvent(event);
}

void frmFelder::clearItems() { m_lvFelder->clear(); }

void frmFelder::addItem(const QString &key, const QString &text, const QString &tag)
{
    auto *item = new QTreeWidgetItem(m_lvFelder, {text});
    item->setData(0, kKeyRole, key);
    item->setData(0, kTagRole, tag);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Unchecked);
}

int frmFelder::itemCount() const { return m_lvFelder->topLevelItemCount(); }

int frmFelder::indexOfKey(const QString &key) const
{
    for (int i = 0; i < itemCount(); ++i)
        if (itemKey(i) == key)
            return i;
    return -1;
}

void frmFelder::removeItem(int index) { delete m_lvFelder->takeTopLevelItem(index); }

QString frmFelder::itemKey(int index) const { return m_lvFelder->topLevelItem(index)->data(0, kKeyRole).toString(); }

QString frmFelder::itemText(int index) const { return m_lvFelder->topLevelItem(index)->text(0); }

void frmFelder::setItemText(int index, const QString &text) { m_lvFelder->topLevelItem(index)->setText(0, text); }

QString frmFelder::itemTag(int index) const { return m_lvFelder->topLevelItem(index)->data(0, kTagRole).toString(); }

bool frmFelder::isChecked(int index) const { return m_lvFelder->topLevelItem(index)->checkState(0) == Qt::Checked; }

void frmFelder::setChecked(int index, bool checked)
{
    m_lvFelder->topLevelItem(index)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

int frmFelder::checkedCount() const
{
    int count = 0;
    for (int i = 0; i < itemCount(); ++i)
        count += isChecked(i) ? 1 : 0;
    return count;
}

void frmFelder::lvFelder_ColumnClick()
{
    if (!m_sorted) {
        m_sorted = true;
        m_order = Qt::AscendingOrder;
    } else {
        m_order = m_order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    m_lvFelder->sortItems(0, m_order);
    m_lvFelder->header()->setSortIndicatorShown(true);
    m_lvFelder->header()->setSortIndicator(0, m_order);
}

void frmFelder::cmdOk_Click()
{
    if (checkedCount() == 0) {
        platform::ui().msgBox(QStringLiteral("Bitte wählen Sie mindestens ein Feld aus."),
                              platform::MsgIcon::Information, platform::MsgButtons::OK);
        return;
    }
    m_okTag = QStringLiteral("*");
    hide();
    accept();
}

void frmFelder::cmdAbbruch_Click()
{
    m_okTag.clear();
    hide();
    reject();
}

} // namespace records
