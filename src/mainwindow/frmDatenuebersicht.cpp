// The data overview window.
#include "frmDatenuebersicht.h"

#include "AgeText.h"

#include "project/modListviewSort.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace mainwindow {

namespace {

enum Column
{
    ColTyp,
    ColStand,
    ColProjekt,
    ColQuelle,
    ColProjektdatei
};

QLineEdit *readOnlyBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setMinimumWidth(320);
    return box;
}

QLabel *label(const char *name, const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *lb = new QLabel(text, parent);
    lb->setObjectName(QString::fromLatin1(name));
    lb->setBuddy(buddy);
    return lb;
}

// A small card in the kind's colour with its initial: the same look as the toolbar's data buttons.
QIcon kindIcon(const QColor &color, QChar initial)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(color.darker(150));
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    if (!initial.isNull()) {
        QFont font = painter.font();
        font.setPixelSize(11);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(initial));
    }
    return QIcon(pixmap);
}

} // namespace

frmDatenuebersicht::frmDatenuebersicht(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDatenuebersicht"));
    setWindowTitle(QStringLiteral("Datenübersicht"));
    buildIcons();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildDatabaseFrame());
    layout->addWidget(buildDataFrame(), 1);
    m_cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &frmDatenuebersicht::cmdOK_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    layout->addLayout(buttons);
    resize(720, 420);
}

QGroupBox *frmDatenuebersicht::buildDatabaseFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("ACT!-Datenbank"), this);
    frame->setObjectName(QStringLiteral("frACTDatenbank"));
    m_txbACTDBPfad = readOnlyBox("txbACTDBPfad", frame);
    m_txbACTDBName = readOnlyBox("txbACTDBName", frame);
    m_txbACTDBUser = readOnlyBox("txbACTDBUser", frame);
    m_cbxUserliste = new QComboBox(frame);
    m_cbxUserliste->setObjectName(QStringLiteral("cbxUserliste"));
    m_lbBenutzeranzahl = new QLabel(frame);
    m_lbBenutzeranzahl->setObjectName(QStringLiteral("lbBenutzeranzahl"));

    auto *grid = new QGridLayout(frame);
    grid->addWidget(label("lbACTDBPfad", QStringLiteral("Pfad"), m_txbACTDBPfad, frame), 0, 0);
    grid->addWidget(m_txbACTDBPfad, 0, 1, 1, 2);
    grid->addWidget(label("lbACTDBName", QStringLiteral("Name"), m_txbACTDBName, frame), 1, 0);
    grid->addWidget(m_txbACTDBName, 1, 1, 1, 2);
    grid->addWidget(label("lbACTDbUser", QStringLiteral("Benutzername"), m_txbACTDBUser, frame), 2, 0);
    grid->addWidget(m_txbACTDBUser, 2, 1, 1, 2);
    grid->addWidget(label("lbACTBenutzer", QStringLiteral("Benutzerliste"), m_cbxUserliste, frame), 3, 0);
    grid->addWidget(m_cbxUserliste, 3, 1);
    grid->addWidget(m_lbBenutzeranzahl, 3, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

QGroupBox *frmDatenuebersicht::buildDataFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Daten"), this);
    frame->setObjectName(QStringLiteral("frDaten"));
    m_lvDaten = new QTreeWidget(frame);
    m_lvDaten->setObjectName(QStringLiteral("lvDaten"));
    m_lvDaten->setRootIsDecorated(false);
    m_lvDaten->setUniformRowHeights(true);
    m_lvDaten->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lvDaten->setHeaderLabels({QStringLiteral("Typ"), QStringLiteral("Stand"), QStringLiteral("Projekt"),
                                QStringLiteral("Quelle"), QStringLiteral("Projektdatei")});
    m_lvDaten->header()->setStretchLastSection(false);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(m_lvDaten);
    return frame;
}

void frmDatenuebersicht::buildIcons()
{
    m_ilIcons.insert(QStringLiteral("Leer"), kindIcon(QColor(200, 200, 200), QChar()));
    m_ilIcons.insert(QStringLiteral("Kontakte"), kindIcon(QColor(46, 110, 180), QLatin1Char('K')));
    m_ilIcons.insert(QStringLiteral("Notizen"), kindIcon(QColor(214, 160, 30), QLatin1Char('N')));
    m_ilIcons.insert(QStringLiteral("Aufträge"), kindIcon(QColor(60, 150, 70), QChar(0x20AC)));
    m_ilIcons.insert(QStringLiteral("Aufgaben"), kindIcon(QColor(190, 70, 60), QLatin1Char('A')));
    m_ilIcons.insert(QStringLiteral("Gruppen"), kindIcon(QColor(120, 80, 170), QLatin1Char('G')));
}

QString frmDatenuebersicht::ProjectFileText(const DatenuebersichtRow &row, bool projectSaved)
{
    if (!projectSaved)
        return QStringLiteral("Nicht gespeichert!");
    if (row.tableFile.isEmpty() && row.kind != QLatin1String("Kontakte"))
        return QStringLiteral("Nicht gefunden!");
    return row.tableFile;
}

void frmDatenuebersicht::Fill(const DatenuebersichtData &data)
{
    m_txbACTDBPfad->setText(data.databasePath);
    m_txbACTDBName->setText(data.databaseName);
    m_txbACTDBUser->setText(data.databaseUser);
    m_lbBenutzeranzahl->setText(QStringLiteral("Anzahl %1").arg(data.userNames.size()));

    m_cbxUserliste->clear();
    for (int i = 0; i < data.userNames.size(); ++i)
        m_cbxUserliste->addItem(QStringLiteral("%1. %2").arg(i + 1).arg(data.userNames.at(i)));
    m_cbxUserliste->setCurrentIndex(m_cbxUserliste->count() > 0 ? 0 : -1);

    m_lvDaten->clear();
    m_lvDaten->setIconSize(QSize(16, 16));
    for (const DatenuebersichtRow &row : data.rows) {
        auto *item = new QTreeWidgetItem(m_lvDaten);
        item->setData(ColTyp, Qt::UserRole, row.kind); // the row's key
        item->setText(ColTyp, row.kind);
        item->setIcon(ColTyp, m_ilIcons.value(row.kind, m_ilIcons.value(QStringLiteral("Leer"))));
        item->setText(ColStand, AgeText(row.tableDate, row.sourceDate));
        item->setText(ColProjekt, DateText(row.tableDate));
        item->setText(ColQuelle, DateText(row.sourceDate));
        item->setText(ColProjektdatei, ProjectFileText(row, data.projectSaved));
    }
    project::AutoSizeAllColumns(m_lvDaten);
    widenToColumns();
}

// Long table file paths would otherwise hide behind the list's scroll bar; the window grows to
// show every column, up to the width of its screen.
void frmDatenuebersicht::widenToColumns()
{
    int columns = 2 * m_lvDaten->frameWidth() + 4;
    for (int i = 0; i < m_lvDaten->columnCount(); ++i)
        columns += m_lvDaten->columnWidth(i);
    const QScreen *screen = this->screen();
    const int limit = screen ? screen->availableGeometry().width() * 9 / 10 : columns;
    m_lvDaten->setMinimumWidth(qMin(columns, limit));
    adjustSize();
}

void frmDatenuebersicht::cmdOK_Click()
{
    accept();
}

} // namespace mainwindow
