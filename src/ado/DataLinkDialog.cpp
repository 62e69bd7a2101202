// The data-link dialog over the installed ODBC drivers and data sources.
#include "ado/DataLinkDialog.h"

#include "ado/Connection.h"
#include "ado/OdbcConnectionString.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ado {
namespace {

const QStringList kServerKeys{QStringLiteral("Server"), QStringLiteral("Servername"), QStringLiteral("Host")};
const QStringList kPortKeys{QStringLiteral("Port")};
const QStringList kDatabaseKeys{QStringLiteral("Database"), QStringLiteral("DB"), QStringLiteral("Dbname")};
const QStringList kUserKeys{QStringLiteral("UID"), QStringLiteral("User"), QStringLiteral("Username"),
                            QStringLiteral("User ID")};
const QStringList kPasswordKeys{QStringLiteral("PWD"), QStringLiteral("Password")};

// Takes the first of the keys out of the string and returns its value.
QString takeValue(OdbcConnectionString *parsed, const QStringList &keys)
{
    QString value;
    bool found = false;
    for (const QString &key : keys) {
        if (!found && parsed->contains(key)) {
            value = parsed->value(key);
            found = true;
        }
        parsed->remove(key);
    }
    return value;
}

QLineEdit *lineEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

} // namespace

DataLinkDialog::DataLinkDialog(QWidget *parent) : DataLinkDialog(installedOdbcDrivers(), odbcDataSources(), parent) {}

DataLinkDialog::DataLinkDialog(const QList<OdbcDriver> &drivers, const QList<OdbcDataSource> &dataSources,
                               QWidget *parent)
    : QDialog(parent), m_drivers(drivers), m_dataSources(dataSources)
{
    buildUi();
    updateFieldStates();
}

QWidget *DataLinkDialog::buildSourceGroup()
{
    auto *source = new QGroupBox(QStringLiteral("Verbindung über"), this);
    auto *sourceLayout = new QFormLayout(source);
    m_useDriver = new QRadioButton(QStringLiteral("ODBC-&Treiber:"), source);
    m_useDriver->setObjectName(QStringLiteral("useDriver"));
    m_driver = new QComboBox(source);
    m_driver->setObjectName(QStringLiteral("driver"));
    for (const OdbcDriver &driver : m_drivers)
        m_driver->addItem(driver.name);
    m_useDataSource = new QRadioButton(QStringLiteral("Daten&quelle (DSN):"), source);
    m_useDataSource->setObjectName(QStringLiteral("useDataSource"));
    m_dataSource = new QComboBox(source);
    m_dataSource->setObjectName(QStringLiteral("dataSource"));
    for (const OdbcDataSource &dsn : m_dataSources)
        m_dataSource->addItem(dsn.name);
    m_useDriver->setChecked(true);
    sourceLayout->addRow(m_useDriver, m_driver);
    sourceLayout->addRow(m_useDataSource, m_dataSource);
    return source;
}

QWidget *DataLinkDialog::buildKeywordGroup()
{
    auto *keywords = new QGroupBox(QStringLiteral("Verbindungsangaben"), this);
    auto *form = new QFormLayout(keywords);
    m_file = lineEdit(keywords, "file");
    m_browse = new QPushButton(QStringLiteral("..."), keywords);
    m_browse->setObjectName(QStringLiteral("browse"));
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file);
    fileRow->addWidget(m_browse);
    auto *fileLabel = new QLabel(QStringLiteral("&Datei:"), keywords);
    fileLabel->setBuddy(m_file);
    form->addRow(fileLabel, fileRow);
    m_server = lineEdit(keywords, "server");
    form->addRow(QStringLiteral("&Server:"), m_server);
    m_port = lineEdit(keywords, "port");
    m_port->setValidator(new QIntValidator(1, 65535, m_port));
    form->addRow(QStringLiteral("&Port:"), m_port);
    m_database = lineEdit(keywords, "database");
    form->addRow(QStringLiteral("Daten&bank:"), m_database);
    m_user = lineEdit(keywords, "user");
    form->addRow(QStringLiteral("&Benutzername:"), m_user);
    m_password = lineEdit(keywords, "password");
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("&Kennwort:"), m_password);
    m_extra = lineEdit(keywords, "extra");
    m_extra->setToolTip(QStringLiteral("Weitere ODBC-Schlüsselwörter, z. B. \"SSLmode=require\""));
    form->addRow(QStringLiteral("&Weitere Angaben:"), m_extra);
    return keywords;
}

void DataLinkDialog::buildUi()
{
    setWindowTitle(QStringLiteral("Datenverknüpfungseigenschaften"));
    QWidget *source = buildSourceGroup();
    QWidget *keywords = buildKeywordGroup();
    m_test = new QPushButton(QStringLiteral("Verbindung &testen"), this);
    m_test->setObjectName(QStringLiteral("test"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ok"));
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(source);
    layout->addWidget(keywords);
    layout->addWidget(m_test, 0, Qt::AlignLeft);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    resize(480, sizeHint().height());

    connect(m_useDriver, &QRadioButton::toggled, this, &DataLinkDialog::updateFieldStates);
    connect(m_driver, &QComboBox::currentIndexChanged, this, &DataLinkDialog::updateFieldStates);
    connect(m_browse, &QPushButton::clicked, this, &DataLinkDialog::browseForFile);
    connect(m_test, &QPushButton::clicked, this, &DataLinkDialog::testConnection);
    connect(buttons, &QDialogButtonBox::accepted, this, &DataLinkDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DataLinkDialog::reject);
}

// A driver that reads a file (SQLite, or one whose FileUsage says so) takes a file, not a server.
bool DataLinkDialog::fileBasedDriverChosen() const
{
    if (!m_useDriver->isChecked())
        return false;
    const QString name = m_driver->currentText();
    if (name.contains(QLatin1String("sqlite"), Qt::CaseInsensitive))
        return true;
    for (const OdbcDriver &driver : m_drivers) {
        if (driver.name == name) {
            const QString usage = driver.attributes.value(QStringLiteral("FileUsage"));
            return usage == QLatin1String("1") || usage == QLatin1String("2");
        }
    }
    return false;
}

void DataLinkDialog::updateFieldStates()
{
    const bool driver = m_useDriver->isChecked();
    const bool file = fileBasedDriverChosen();
    m_driver->setEnabled(driver);
    m_dataSource->setEnabled(!driver);
    m_useDataSource->setEnabled(m_dataSource->count() > 0 || m_useDataSource->isChecked());
    m_file->setEnabled(file);
    m_browse->setEnabled(file);
    for (QLineEdit *edit : {m_server, m_port, m_database})
        edit->setEnabled(driver && !file);
}

void DataLinkDialog::browseForFile()
{
    platform::FileDialogRequest request;
    request.open = true;
    request.title = QStringLiteral("Datenbankdatei auswählen");
    request.fileName = m_file->text();
    request.filters = {QStringLiteral("SQLite-Datenbanken (*.db;*.sqlite;*.sqlite3)"),
                       QStringLiteral("*.db;*.sqlite;*.sqlite3"), QStringLiteral("Alle Dateien (*.*)"),
                       QStringLiteral("*")};
    request.fileMustExist = true;
    QStringList chosen;
    if (platform::ui().fileDialog(request, &chosen) && !chosen.isEmpty())
        m_file->setText(chosen.first());
}

void DataLinkDialog::selectDriver(const QString &name)
{
    int index = m_driver->findText(name, Qt::MatchFixedString);
    if (index < 0) {
        m_driver->addItem(name);
        index = m_driver->count() - 1;
    }
    m_driver->setCurrentIndex(index);
    m_useDriver->setChecked(true);
}

void DataLinkDialog::selectDataSource(const QString &name)
{
    int index = m_dataSource->findText(name, Qt::MatchFixedString);
    if (index < 0) {
        m_dataSource->addItem(name);
        index = m_dataSource->count() - 1;
    }
    m_dataSource->setCurrentIndex(index);
    m_useDataSource->setChecked(true);
}

void DataLinkDialog::takeKnownKeywords(OdbcConnectionString *parsed)
{
    m_server->setText(takeValue(parsed, kServerKeys));
    m_port->setText(takeValue(parsed, kPortKeys));
    const QString database = takeValue(parsed, kDatabaseKeys);
    m_file->setText(fileBasedDriverChosen() ? database : QString());
    m_database->setText(fileBasedDriverChosen() ? QString() : database);
    m_user->setText(takeValue(parsed, kUserKeys));
    m_password->setText(takeValue(parsed, kPasswordKeys));
}

void DataLinkDialog::setConnectionString(const QString &connectionString)
{
    OdbcConnectionString parsed(connectionString);
    const QString dsn = takeValue(&parsed, {QStringLiteral("DSN")});
    const QString driver = takeValue(&parsed, {QStringLiteral("Driver")});
    if (!dsn.isEmpty())
        selectDataSource(dsn);
    else if (!driver.isEmpty())
        selectDriver(driver);
    updateFieldStates();
    takeKnownKeywords(&parsed);
    m_extra->setText(parsed.toString());
    m_status->clear();
}

QString DataLinkDialog::connectionString() const
{
    OdbcConnectionString built;
    const bool driver = m_useDriver->isChecked();
    const QString source = driver ? m_driver->currentText() : m_dataSource->currentText();
    if (source.isEmpty())
        return QString();
    built.setValue(driver ? QStringLiteral("Driver") : QStringLiteral("DSN"), source);
    const OdbcConnectionString extra(m_extra->text());
    auto put = [&built](const QString &key, const QString &value) {
        if (!value.trimmed().isEmpty())
            built.setValue(key, value.trimmed());
    };
    if (fileBasedDriverChosen()) {
        put(QStringLiteral("Database"), m_file->text());
        // Without it the SQLite driver would silently create a new, empty file for a wrong path.
        if (m_file->text().trimmed().size() > 0 && !extra.contains(QStringLiteral("NoCreat")))
            built.setValue(QStringLiteral("NoCreat"), QStringLiteral("1"));
    } else if (driver) {
        put(QStringLiteral("Server"), m_server->text());
        put(QStringLiteral("Port"), m_port->text());
        put(QStringLiteral("Database"), m_database->text());
    }
    put(QStringLiteral("UID"), m_user->text());
    if (!m_password->text().isEmpty())
        built.setValue(QStringLiteral("PWD"), m_password->text());
    for (const auto &item : extra.items()) {
        if (!built.contains(item.first))
            built.setValue(item.first, item.second);
    }
    return built.toString();
}

QString DataLinkDialog::statusText() const
{
    return m_status->text();
}

bool DataLinkDialog::testConnection()
{
    const QString text = connectionString();
    if (text.isEmpty()) {
        m_status->setText(QStringLiteral("Bitte wählen Sie einen ODBC-Treiber oder eine Datenquelle aus."));
        return false;
    }
    try {
        // A server that does not answer keeps us here until the login timeout.
        platform::WaitCursor wait;
        Connection connection;
        connection.Open(text);
        connection.Close();
    } catch (const platform::VbError &error) {
        m_status->setText(QStringLiteral("Die Verbindung konnte nicht hergestellt werden:\n") + error.description());
        return false;
    }
    m_status->setText(QStringLiteral("Die Verbindung wurde erfolgreich hergestellt."));
    return true;
}

void DataLinkDialog::accept()
{
    if (connectionString().isEmpty()) {
        m_status->setText(QStringLiteral("Bitte wählen Sie einen ODBC-Treiber oder eine Datenquelle aus."));
        return;
    }
    QDialog::accept();
}

bool DataLinkDialog::promptNew(QWidget *parent, QString *result)
{
    return promptEdit(QString(), parent, result);
}

bool DataLinkDialog::promptEdit(const QString &kept, QWidget *parent, QString *result)
{
    DataLinkDialog dialog(parent);
    if (!kept.isEmpty())
        dialog.setConnectionString(kept);
    if (platform::ui().showModal(&dialog) != QDialog::Accepted)
        return false;
    *result = dialog.connectionString();
    return !result->isEmpty();
}

} // namespace ado
