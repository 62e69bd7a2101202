// Our data-link dialog: builds an ODBC connection string from an installed driver or data source
// and the connection's keywords, tests it, and hands it back (in place of PromptNew / PromptEdit).
#pragma once

#include "ado/OdbcCatalog.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ado {

class OdbcConnectionString;

class DataLinkDialog final : public QDialog
{
    Q_OBJECT

public:
    // Lists the drivers and data sources the driver manager knows.
    explicit DataLinkDialog(QWidget *parent = nullptr);
    DataLinkDialog(const QList<OdbcDriver> &drivers, const QList<OdbcDataSource> &dataSources,
                   QWidget *parent = nullptr);

    // Fills the widgets from a kept string; keywords the dialog has no field for stay in
    // "Weitere Angaben". A driver or data source that is not installed is still offered.
    void setConnectionString(const QString &connectionString);
    // The string the widgets describe; empty when neither a driver nor a data source is chosen.
    QString connectionString() const;

    // Opens and closes a connection with connectionString(); the outcome goes to the status line.
    bool testConnection();
    QString statusText() const;

    // Shown modally through the UI services; true with *result on OK.
    static bool promptNew(QWidget *parent, QString *result);
    static bool promptEdit(const QString &kept, QWidget *parent, QString *result);

    void accept() override;

private:
    void buildUi();
    QWidget *buildSourceGroup();
    QWidget *buildKeywordGroup();
    void updateFieldStates();
    void browseForFile();
    bool fileBasedDriverChosen() const;
    void selectDriver(const QString &name);
    void selectDataSource(const QString &name);
    void takeKnownKeywords(OdbcConnectionString *parsed);

    QList<OdbcDriver> m_drivers;
    QList<OdbcDataSource> m_dataSources;
    QRadioButton *m_useDriver = nullptr;
    QRadioButton *m_useDataSource = nullptr;
    QComboBox *m_driver = nullptr;
    QComboBox *m_dataSource = nullptr;
    QLineEdit *m_file = nullptr;
    QPushButton *m_browse = nullptr;
    QLineEdit *m_server = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_database = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_extra = nullptr;
    QPushButton *m_test = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace ado
