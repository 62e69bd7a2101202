// The external data source dialog: data-link button, test list, OK and cancel rules.
#include "frmDatenquelle.h"

#include "ADOValues.h"
#include "ConnectionStringMask.h"
#include "ado/Connection.h"
#include "ado/DataLinkDialog.h"
#include "ado/Recordset.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"
#include "project/modListviewSort.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace records {

namespace {

constexpr int kMaxTestRows = 100;
constexpr qsizetype kWrapColumn = 128;
const QString kCrLf = QStringLiteral("\r\n");

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

frmDatenquelle::frmDatenquelle(QWidget *parent) : QDialog(parent)
{
    buildUi();
    m_lbInfo->setText(QString());
    ShowMessageInList(QStringLiteral("Klicken Sie auf \"Testen\" um die Datenabfrage auszuführen.") + kCrLf +
                      QStringLiteral("Es werden maximal die ersten 100 Datesätze eingelesen."));
    project::AutoSizeAllColumns(m_lvTest);
    m_txbConnectionString->clear();
    m_txbSQLString->clear();
}

frmDatenquelle::~frmDatenquelle()
{
    dropTestRecordset();
    dropTestConnection();
}

void frmDatenquelle::buildUi()
{
    setWindowTitle(QStringLiteral("Eingabe der externen Datenquelle"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildSourceFrame());
    layout->addWidget(buildSqlFrame(), 1);

    m_cmdOK = named(new QPushButton(QStringLiteral("&OK"), this), "cmdOK");
    m_cmdAbbruch = named(new QPushButton(QStringLiteral("&Abbruch"), this), "cmdAbbruch");
    m_cmdOK->setAutoDefault(false);
    m_cmdAbbruch->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdAbbruch);
    layout->addLayout(buttons);
    resize(640, 480);

    connect(m_cmdConnectionString, &QPushButton::clicked, this, [this] { cmdConnectionString_Click(); });
    connect(m_cmdTesten, &QPushButton::clicked, this, [this] { cmdTesten_Click(); });
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(m_cmdAbbruch, &QPushButton::clicked, this, [this] { cmdAbbruch_Click(); });
}

QWidget *frmDatenquelle::buildSourceFrame()
{
    m_frDatenquelle = named(new QGroupBox(QStringLiteral("Datenquelle (OLE-DB)"), this), "frDatenquelle");
    auto *sourceRow = new QHBoxLayout(m_frDatenquelle);
    // The field shows the masked string; what counts is the kept one, so it is not typed into.
    m_txbConnectionString = named(new QLineEdit(m_frDatenquelle), "txbConnectionString");
    m_txbConnectionString->setReadOnly(true);
    m_cmdConnectionString = named(new QPushButton(QStringLiteral("Ä&ndern"), m_frDatenquelle), "cmdConnectionString");
    sourceRow->addWidget(m_txbConnectionString, 1);
    sourceRow->addWidget(m_cmdConnectionString);
    return m_frDatenquelle;
}

QWidget *frmDatenquelle::buildSqlFrame()
{
    m_frSQL = named(new QGroupBox(QStringLiteral("&Datenabfrage (SQL)"), this), "frSQL");
    auto *sqlLayout = new QVBoxLayout(m_frSQL);
    m_txbSQLString = named(new QPlainTextEdit(m_frSQL), "txbSQLString");
    m_txbSQLString->setTabChangesFocus(true);
    m_txbSQLString->setMaximumHeight(90);
    m_cmdTesten = named(new QPushButton(QStringLiteral("&Testen"), m_frSQL), "cmdTesten");
    m_lvTest = named(new QTreeWidget(m_frSQL), "lvTest");
    m_lvTest->setRootIsDecorated(false);
    m_lvTest->setUniformRowHeights(true);
    m_lvTest->header()->setStretchLastSection(false);
    m_lbInfo = named(new QLabel(m_frSQL), "lbInfo");
    QFont small = m_lbInfo->font();
    small.setPointSizeF(qMax(6.0, small.pointSizeF() - 2.0));
    m_lbInfo->setFont(small);
    auto *testRow = new QHBoxLayout;
    testRow->addWidget(m_lbInfo, 1);
    testRow->addWidget(m_cmdTesten);
    sqlLayout->addWidget(m_txbSQLString);
    sqlLayout->addLayout(testRow);
    sqlLayout->addWidget(m_lvTest, 1);
    return m_frSQL;
}

void frmDatenquelle::SetConnectionString(const QString &sConnectionString)
{
    m_connectionString = sConnectionString;
    m_txbConnectionString->setText(MaskedConnectionString(sConnectionString));
}

void frmDatenquelle::SetSQLString(const QString &sSQLString)
{
    m_txbSQLString->setPlainText(QString(sSQLString).replace(kCrLf, QStringLiteral(" ")));
}

QString frmDatenquelle::GetSQLString() const
{
    // The text box keeps a typed line break as a bare line feed.
    return m_txbSQLString->toPlainText().replace(kCrLf, QStringLiteral(" ")).replace(u'\n', u' ');
}

QStringList frmDatenquelle::MessageLines(const QString &message)
{
    QStringList lines;
    for (QString line : message.split(kCrLf)) {
        while (!line.isEmpty()) {
            const qsizetype blank = line.size() >= kWrapColumn ? line.indexOf(u' ', kWrapColumn - 1) : -1;
            if (blank < 0) {
                lines << line;
                break;
            }
            lines << line.left(blank + 1);
            line = line.mid(blank + 1);
        }
    }
    return lines;
}

void frmDatenquelle::ShowMessageInList(const QString &message)
{
    m_lvTest->clear();
    m_lvTest->setColumnCount(1);
    m_lvTest->setHeaderLabels({QStringLiteral(" ")});
    for (const QString &line : MessageLines(message))
        new QTreeWidgetItem(m_lvTest, QStringList{line});
}

void frmDatenquelle::ShowErrorInList(long number, const QString &description)
{
    ShowMessageInList(QStringLiteral("Fehlernummer: ") + QString::number(number) + kCrLf +
                      QStringLiteral("Fehlerbeschreibung: ") + description);
    project::AutoSizeAllColumns(m_lvTest);
}

void frmDatenquelle::dropTestRecordset()
{
    if (!m_testRecordset)
        return;
    try {
        if (m_testRecordset->isOpen())
            m_testRecordset->Close();
    } catch (const platform::VbError &) {
    }
    m_testRecordset.reset();
}

void frmDatenquelle::dropTestConnection()
{
    if (!m_testConnection)
        return;
    try {
        if (m_testConnection->isOpen())
            m_testConnection->Close();
    } catch (const platform::VbError &) {
        // A link that broke down needs no closing.
    }
    m_testConnection.reset();
}

void frmDatenquelle::cmdTesten_Click()
{
    platform::WaitCursor wait;
    m_lbInfo->setText(QStringLiteral("Die Abfrage wird ausgeführt..."));
    platform::DoEvents();
    dropTestRecordset();
    if (m_connectionString.isEmpty()) {
        m_lbInfo->setText(QStringLiteral("Bitte geben Sie zuerst die Datenquelle an."));
        return;
    }
    const QString sql = GetSQLString();
    if (sql.isEmpty()) {
        m_lbInfo->setText(QStringLiteral("Bitte geben Sie zuerst die SQL-Abfrage ein."));
        return;
    }
    dropTestConnection();
    m_testConnection = std::make_unique<ado::Connection>();
    try {
        m_testConnection->setConnectionString(m_connectionString);
        m_testConnection->Open(QString(), QString(), QString(), -1);
    } catch (const platform::VbError &error) {
        m_lbInfo->setText(QStringLiteral("Es ist ein Fehler beim Verbinden mit der Datenquelle aufgetreten."));
        ShowErrorInList(error.number(), error.description());
        return;
    }
    m_testRecordset = std::make_unique<ado::Recordset>();
    try {
        m_testRecordset->setActiveConnection(m_testConnection.get());
        m_testRecordset->Open(sql, nullptr, ado::adOpenStatic, ado::adLockReadOnly, -1);
    } catch (const platform::VbError &error) {
        m_lbInfo->setText(QStringLiteral("Es ist ein Fehler beim Abfragen der externen Daten aufgetreten."));
        ShowErrorInList(error.number(), error.description());
        dropTestRecordset();
        return;
    }
    FillList();
    project::AutoSizeAllColumns(m_lvTest);
    m_lbInfo->setText(QStringLiteral("Anzahl der Felder: ") + QString::number(m_testRecordset->Fields().Count()) +
                      QStringLiteral(" Anzahl der Datensätze: ") + QString::number(m_testRecordset->RecordCount()));
    dropTestRecordset();
    dropTestConnection();
}

void frmDatenquelle::FillList()
{
    m_lvTest->clear();
    const ado::Fields &fields = m_testRecordset->Fields();
    QStringList headers;
    for (int i = 0; i < fields.Count(); ++i)
        headers << fields.Item(i).Name();
    m_lvTest->setColumnCount(int(headers.size()));
    m_lvTest->setHeaderLabels(headers);
    if (m_testRecordset->RecordCount() == 0 || fields.Count() == 0)
        return;
    m_testRecordset->MoveFirst();
    QList<QTreeWidgetItem *> items;
    while (!m_testRecordset->Eof() && items.size() < kMaxTestRows) {
        QStringList texts;
        for (int i = 0; i < fields.Count(); ++i)
            texts << ADOValueText(fields.Item(i).Value());
        items << new QTreeWidgetItem(texts);
        m_testRecordset->MoveNext();
    }
    m_lvTest->addTopLevelItems(items);
}

QString frmDatenquelle::promptForConnection()
{
    QString chosen;
    const QString kept = m_connectionString;
    if (kept.isEmpty()) {
        ado::DataLinkDialog::promptNew(this, &chosen);
        return chosen;
    }
    ado::Connection connection;
    try {
        platform::WaitCursor wait;
        connection.setConnectionString(kept);
        connection.Open(QString(), QString(), QString(), -1);
    } catch (const platform::VbError &error) {
        const QString question = QStringLiteral("Fehlerhafte Verbindung:") + kCrLf + error.description() + kCrLf +
                                 kCrLf + QStringLiteral("Soll eine neue Verbindung erstellt werden ?");
        if (platform::ui().msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
            platform::MsgAnswer::Yes)
            ado::DataLinkDialog::promptNew(this, &chosen);
        return chosen;
    }
    connection.Close();
    ado::DataLinkDialog::promptEdit(kept, this, &chosen);
    return chosen;
}

void frmDatenquelle::cmdConnectionString_Click()
{
    const QString chosen = promptForConnection();
    if (!chosen.isEmpty())
        SetConnectionString(chosen);
}

void frmDatenquelle::cmdOK_Click()
{
    if (GetSQLString().isEmpty()) {
        platform::ui().msgBox(QStringLiteral("Bitte geben Sie eine Datenabfrage ein."), platform::MsgIcon::Information);
        m_txbSQLString->setFocus();
        return;
    }
    if (GetConnectionString().isEmpty()) {
        platform::ui().msgBox(QStringLiteral("Bitte geben Sie eine Datenquelle an."), platform::MsgIcon::Information);
        m_cmdConnectionString->setFocus();
        return;
    }
    m_okTag = QStringLiteral("*");
    accept();
}

void frmDatenquelle::cmdAbbruch_Click()
{
    m_okTag.clear();
    QDialog::reject();
}

// Closing the window or Escape counts as cancel.
void frmDatenquelle::reject()
{
    cmdAbbruch_Click();
}

} // namespace records
