// The data-link dialog: building, editing and testing ODBC connection strings through its widgets.
#include "GTestScriptedUi.h"
#include "SqliteFile.h"
#include "ado/DataLinkDialog.h"
#include "ado/OdbcConnectionString.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using ado::DataLinkDialog;
using ado::OdbcConnectionString;

namespace {

QList<ado::OdbcDriver> twoDrivers()
{
    return {{QStringLiteral("SQLite3"), {{QStringLiteral("Driver"), QStringLiteral("libsqlite3odbc.so")}}},
            {QStringLiteral("PostgreSQL Unicode"), {{QStringLiteral("Driver"), QStringLiteral("psqlodbcw.so")}}}};
}

QList<ado::OdbcDataSource> oneDataSource()
{
    return {{QStringLiteral("Firma"), QStringLiteral("PostgreSQL Unicode")}};
}

template <typename T> T *child(QDialog &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void chooseDriver(DataLinkDialog &dialog, const QString &name)
{
    child<QRadioButton>(dialog, "useDriver")->setChecked(true);
    child<QComboBox>(dialog, "driver")->setCurrentText(name);
}

TEST(DataLinkDialog, BuildsAnSqliteStringThatNeverCreatesAFile)
{
    DataLinkDialog dialog(twoDrivers(), oneDataSource());
    chooseDriver(dialog, QStringLiteral("SQLite3"));
    EXPECT_TRUE(child<QLineEdit>(dialog, "file")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(dialog, "server")->isEnabled());
    child<QLineEdit>(dialog, "file")->setText(QStringLiteral("/daten/kunden.db"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.connectionString(), QStringLiteral("Driver=SQLite3;Database=/daten/kunden.db;NoCreat=1"));
}

TEST(DataLinkDialog, BuildsAServerStringWithAMaskedPassword)
{
    DataLinkDialog dialog(twoDrivers(), oneDataSource());
    chooseDriver(dialog, QStringLiteral("PostgreSQL Unicode"));
    EXPECT_FALSE(child<QLineEdit>(dialog, "file")->isEnabled());
    child<QLineEdit>(dialog, "server")->setText(QStringLiteral("db.firma.local"));
    child<QLineEdit>(dialog, "port")->setText(QStringLiteral("5433"));
    child<QLineEdit>(dialog, "database")->setText(QStringLiteral("verkauf"));
    child<QLineEdit>(dialog, "user")->setText(QStringLiteral("anna"));
    auto *password = child<QLineEdit>(dialog, "password");
    password->setText(QStringLiteral("ge;heim"));
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog.connectionString(),
              QStringLiteral("Driver={PostgreSQL Unicode};Server=db.firma.local;Port=5433;Database=verkauf;UID=anna;"
                             "PWD={ge;heim}"));
}

TEST(DataLinkDialog, EditingStartsFromTheKeptStringAndKeepsOtherKeywords)
{
    DataLinkDialog dialog(twoDrivers(), oneDataSource());
    dialog.setConnectionString(QStringLiteral(
        "DRIVER={PostgreSQL Unicode};SERVER=alt;port=5432;Database=lager;SSLmode=require;Uid=bob;Password={a}}b}"));
    EXPECT_EQ(child<QComboBox>(dialog, "driver")->currentText(), QStringLiteral("PostgreSQL Unicode"));
    EXPECT_EQ(child<QLineEdit>(dialog, "server")->text(), QStringLiteral("alt"));
    EXPECT_EQ(child<QLineEdit>(dialog, "port")->text(), QStringLiteral("5432"));
    EXPECT_EQ(child<QLineEdit>(dialog, "database")->text(), QStringLiteral("lager"));
    EXPECT_EQ(child<QLineEdit>(dialog, "user")->text(), QStringLiteral("bob"));
    EXPECT_EQ(child<QLineEdit>(dialog, "password")->text(), QStringLiteral("a}b"));
    EXPECT_EQ(child<QLineEdit>(dialog, "extra")->text(), QStringLiteral("SSLmode=require"));

    child<QLineEdit>(dialog, "server")->setText(QStringLiteral("neu"));
    const OdbcConnectionString result(dialog.connectionString());
    EXPECT_EQ(result.value(QStringLiteral("Server")), QStringLiteral("neu"));
    EXPECT_EQ(result.value(QStringLiteral("PWD")), QStringLiteral("a}b"));
    EXPECT_EQ(result.value(QStringLiteral("SSLmode")), QStringLiteral("require"));
    EXPECT_EQ(result.value(QStringLiteral("Database")), QStringLiteral("lager"));
}

TEST(DataLinkDialog, KeptSqliteFileGoesToTheFileField)
{
    DataLinkDialog dialog(twoDrivers(), oneDataSource());
    dialog.setConnectionString(QStringLiteral("Driver=SQLite3;Database=/a/b.db;NoCreat=1"));
    EXPECT_EQ(child<QLineEdit>(dialog, "file")->text(), QStringLiteral("/a/b.db"));
    EXPECT_EQ(child<QLineEdit>(dialog, "database")->text(), QString());
    EXPECT_EQ(dialog.connectionString(), QStringLiteral("Driver=SQLite3;Database=/a/b.db;NoCreat=1"));
}

TEST(DataLinkDialog, KeptDataSourceAndUnknownDriverAreStillOffered)
{
    DataLinkDialog dialog(twoDrivers(), oneDataSource());
    dialog.setConnectionString(QStringLiteral("DSN=Firma;UID=anna"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "useDataSource")->isChecked());
    EXPECT_EQ(dialog.connectionString(), QStringLiteral("DSN=Firma;UID=anna"));

    dialog.setConnectionString(QStringLiteral("Driver={Alter Treiber};Server=x"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "useDriver")->isChecked());
    EXPECT_EQ(child<QComboBox>(dialog, "driver")->currentText(), QStringLiteral("Alter Treiber"));
    EXPECT_EQ(dialog.connectionString(), QStringLiteral("Driver={Alter Treiber};Server=x"));
}

TEST(DataLinkDialog, OkWithoutDriverOrDataSourceStaysOpen)
{
    DataLinkDialog dialog({}, {});
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.statusText().contains(QStringLiteral("Bitte wählen Sie")));
    EXPECT_EQ(dialog.connectionString(), QString());
}

TEST(DataLinkDialog, TestsTheConnectionWithTheRealDriver)
{
    GTestScriptedUi ui;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("test.db"));
    adotest::runSqlite(path, QStringLiteral("CREATE TABLE t(x INTEGER);"));
    DataLinkDialog dialog(twoDrivers(), oneDataSource());
    chooseDriver(dialog, QStringLiteral("SQLite3"));
    child<QLineEdit>(dialog, "file")->setText(path);
    EXPECT_TRUE(dialog.testConnection());
    EXPECT_EQ(dialog.statusText(), QStringLiteral("Die Verbindung wurde erfolgreich hergestellt."));

    const QString missing = dir.filePath(QStringLiteral("fehlt.db"));
    child<QLineEdit>(dialog, "file")->setText(missing);
    child<QPushButton>(dialog, "test")->click();
    EXPECT_TRUE(dialog.statusText().startsWith(QLatin1String("Die Verbindung konnte nicht hergestellt werden:")));
    EXPECT_TRUE(dialog.statusText().contains(QLatin1String("SQLSTATE")));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(ui.waitCursorDepth(), 0);
}

TEST(DataLinkDialog, BrowseTakesTheChosenFile)
{
    GTestScriptedUi ui;
    ui.expectFileDialog(QStringList{QStringLiteral("/daten/neu.db")});
    DataLinkDialog dialog(twoDrivers(), oneDataSource());
    chooseDriver(dialog, QStringLiteral("SQLite3"));
    child<QPushButton>(dialog, "browse")->click();
    EXPECT_EQ(child<QLineEdit>(dialog, "file")->text(), QStringLiteral("/daten/neu.db"));
}

TEST(DataLinkDialog, PromptEditReturnsTheEditedStringAndCancelKeepsNothing)
{
    GTestScriptedUi ui;
    ui.expectModal([](QDialog *shown) {
        auto *dialog = static_cast<DataLinkDialog *>(shown);
        EXPECT_EQ(shown->findChild<QLineEdit *>(QStringLiteral("user"))->text(), QStringLiteral("anna"));
        shown->findChild<QLineEdit *>(QStringLiteral("password"))->setText(QStringLiteral("neu"));
        dialog->accept();
        return int(dialog->result());
    });
    QString result;
    ASSERT_TRUE(DataLinkDialog::promptEdit(QStringLiteral("DSN=Firma;UID=anna;PWD=alt"), nullptr, &result));
    EXPECT_EQ(OdbcConnectionString(result).value(QStringLiteral("PWD")), QStringLiteral("neu"));

    ui.expectModal([](QDialog *shown) {
        shown->reject();
        return int(shown->result());
    });
    QString untouched = QStringLiteral("bleibt");
    EXPECT_FALSE(DataLinkDialog::promptNew(nullptr, &untouched));
    EXPECT_EQ(untouched, QStringLiteral("bleibt"));
}

} // namespace

namespace {

TEST(DataLinkDialog, OffersTheDriversOfThisMachine)
{
    DataLinkDialog dialog;
    auto *drivers = dialog.findChild<QComboBox *>(QStringLiteral("driver"));
    ASSERT_NE(drivers, nullptr);
    EXPECT_GE(drivers->findText(QStringLiteral("SQLite3")), 0);
    EXPECT_GE(drivers->findText(QStringLiteral("PostgreSQL Unicode")), 0);
}

} // namespace
