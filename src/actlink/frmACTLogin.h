// Dialog that asks for the user name and password of a multi-user ACT! database. It checks nothing:
// the caller reads the tag of cmdOk ("x" confirmed, empty cancelled) and the two texts.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace actlink {

class frmACTLogin final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmACTLogin)

public:
    explicit frmACTLogin(QWidget *parent = nullptr);

    QGroupBox *frBenutzerdaten() const { return m_frBenutzerdaten; }
    QLabel *lbBenutzername() const { return m_lbBenutzername; }
    QLineEdit *txbBenutzername() const { return m_txbBenutzername; }
    QLabel *lbKennwort() const { return m_lbKennwort; }
    QLineEdit *txbKennwort() const { return m_txbKennwort; }
    QPushButton *cmdOk() const { return m_cmdOk; }
    QPushButton *cmdAbbruch() const { return m_cmdAbbruch; }

    // The result: "x" after OK; empty after cancel, Escape or closing by the window frame.
    QString cmdOkTag() const;

public slots:
    void reject() override;

private:
    void cmdOk_Click();
    void setOkTag(const QString &tag);

    QGroupBox *m_frBenutzerdaten;
    QLabel *m_lbBenutzername;
    QLineEdit *m_txbBenutzername;
    QLabel *m_lbKennwort;
    QLineEdit *m_txbKennwort;
    QPushButton *m_cmdOk;
    QPushButton *m_cmdAbbruch;
};

} // namespace actlink
