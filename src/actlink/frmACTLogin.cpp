// Dialog that asks for the user name and password of a multi-user ACT! database.
#include "frmACTLogin.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace actlink {

namespace {

const char kTagProperty[] = "Tag";

} // namespace

frmACTLogin::frmACTLogin(QWidget *parent)
    : QDialog(parent), m_frBenutzerdaten(new QGroupBox(QStringLiteral("ACT!-Benutzerdaten"), this)),
      m_lbBenutzername(new QLabel(QStringLiteral("&Benutzername"), m_frBenutzerdaten)),
      m_txbBenutzername(new QLineEdit(m_frBenutzerdaten)),
      m_lbKennwort(new QLabel(QStringLiteral("&Kennwort"), m_frBenutzerdaten)),
      m_txbKennwort(new QLineEdit(m_frBenutzerdaten)), m_cmdOk(new QPushButton(QStringLiteral("&OK"), this)),
      m_cmdAbbruch(new QPushButton(QStringLiteral("&Abbrechen"), this))
{
    setObjectName(QStringLiteral("frmACTLogin"));
    setWindowTitle(QStringLiteral("ACT!-Datenbankanmeldung"));
    m_txbBenutzername->setObjectName(QStringLiteral("txbBenutzername"));
    m_txbKennwort->setObjectName(QStringLiteral("txbKennwort"));
    m_txbKennwort->setEchoMode(QLineEdit::Password);
    // Every character of the password shows as "*", whatever the style would draw.
    m_txbKennwort->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    m_lbBenutzername->setBuddy(m_txbBenutzername);
    m_lbKennwort->setBuddy(m_txbKennwort);

    auto *grid = new QGridLayout(m_frBenutzerdaten);
    grid->addWidget(m_lbBenutzername, 0, 0);
    grid->addWidget(m_txbBenutzername, 0, 1);
    grid->addWidget(m_lbKennwort, 1, 0);
    grid->addWidget(m_txbKennwort, 1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOk);
    buttons->addWidget(m_cmdAbbruch);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_frBenutzerdaten);
    layout->addLayout(buttons);

    m_cmdOk->setDefault(true);
    setOkTag(QString());
    connect(m_cmdOk, &QPushButton::clicked, this, &frmACTLogin::cmdOk_Click);
    connect(m_cmdAbbruch, &QPushButton::clicked, this, &frmACTLogin::reject);
    setMinimumWidth(340);
}

QString frmACTLogin::cmdOkTag() const
{
    return m_cmdOk->property(kTagProperty).toString();
}

void frmACTLogin::cmdOk_Click()
{
    setOkTag(QStringLiteral("x"));
    accept();
}

// Cancel button, Escape and the window frame's close all end here.
void frmACTLogin::reject()
{
    setOkTag(QString());
    QDialog::reject();
}

void frmACTLogin::setOkTag(const QString &tag)
{
    m_cmdOk->setProperty(kTagProperty, tag);
}

} // namespace actlink
