// The external data source dialog: the connection string (built with the data-link dialog, shown
// with its password masked) and the SQL query, with a test that shows at most the first 100
// records or the error in a list. It stores nothing itself; the caller reads the result.
#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace ado {
class Connection;
class Recordset;
} // namespace ado

namespace records {

class frmDatenquelle final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDatenquelle)

public:
    // Loading: empty status line, the hint in the list, both text boxes empty.
    explicit frmDatenquelle(QWidget *parent = nullptr);
    // Unloading drops the test query and the test connection.
    ~frmDatenquelle() override;

    // Keeps the string and shows it with the password masked.
    void SetConnectionString(const QString &sConnectionString);
    // The kept string, never the masked text of the field.
    QString GetConnectionString() const { return m_connectionString; }
    // The query with every line break replaced by one blank.
    void SetSQLString(const QString &sSQLString);
    QString GetSQLString() const;

    // The result marker: "*" after OK, "" after cancel.
    QString cmdOKTag() const { return m_okTag; }

    void cmdConnectionString_Click();
    void cmdTesten_Click();
    void cmdOK_Click();
    void cmdAbbruch_Click();

    // The lines a message gives in the test list: split at line breaks, a line of 128 or more
    // characters wrapped after the first blank at or after its 128th character, no empty lines.
    static QStringList MessageLines(const QString &message);

    QGroupBox *frDatenquelle() const { return m_frDatenquelle; }
    QLineEdit *txbConnectionString() const { return m_txbConnectionString; }
    QPushButton *cmdConnectionString() const { return m_cmdConnectionString; }
    QGroupBox *frSQL() const { return m_frSQL; }
    QPlainTextEdit *txbSQLString() const { return m_txbSQLString; }
    QPushButton *cmdTesten() const { return m_cmdTesten; }
    QTreeWidget *lvTest() const { return m_lvTest; }
    QLabel *lbInfo() const { return m_lbInfo; }
    QPushButton *cmdOK() const { return m_cmdOK; }
    QPushButton *cmdAbbruch() const { return m_cmdAbbruch; }

protected:
    void reject() override;

private:
    void buildUi();
    QWidget *buildSourceFrame();
    QWidget *buildSqlFrame();
    // Clears the list and shows a message in one column headed by a blank.
    void ShowMessageInList(const QString &message);
    void ShowErrorInList(long number, const QString &description);
    void FillList();
    void dropTestRecordset();
    void dropTestConnection();
    // The new string from the data-link dialog; "" when the user cancelled or nothing changed.
    QString promptForConnection();

    QGroupBox *m_frDatenquelle = nullptr;
    QLineEdit *m_txbConnectionString = nullptr;
    QPushButton *m_cmdConnectionString = nullptr;
    QGroupBox *m_frSQL = nullptr;
    QPlainTextEdit *m_txbSQLString = nullptr;
    QPushButton *m_cmdTesten = nullptr;
    QTreeWidget *m_lvTest = nullptr;
    QLabel *m_lbInfo = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdAbbruch = nullptr;

    QString m_connectionString;
    QString m_okTag;
    std::unique_ptr<ado::Connection> m_testConnection;
    std::unique_ptr<ado::Recordset> m_testRecordset;
};

} // namespace records
