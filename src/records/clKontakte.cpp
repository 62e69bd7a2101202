// The contacts record class: database connection with login, field list, reading, loading.
#include "clKontakte.h"

#include "frmFelder.h"
#include "actlink/frmACTLogin.h"
#include "actserver/ACTDatabaseObject.h"
#include "platform/UiServices.h"
#include "project/modINIFile.h"
#include "infozoom/InfoZoomControl.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace records {

clKontakte::clKontakte() : RecordClassBase(TableKind::Kontakte) {}

clKontakte::~clKontakte()
{
    frmFelder::Unload();
    releaseControl();
    m_fields.reset();
    m_contact.reset();
    if (m_database)
        m_database->Close();
    m_database.reset();
    if (m_actInfo) {
        m_actInfo->setText(QString());
        m_actInfo->setToolTip(QString());
    }
}

int clKontakte::ACTDB_UserCount() const { return m_database ? m_database->Users().Count() : 0; }

QString clKontakte::ACTDB_UserName(long lIndex) const
{
    if (!m_database)
        return QString();
    const actserver::ACTUsers users = m_database->Users();
    return lIndex >= 1 && lIndex <= users.Count() ? users.Name(int(lIndex)) : QString();
}

bool clKontakte::Init(InfoZoomControl *control, QLabel *status, QLabel *actInfo)
{
    m_actInfo = actInfo;
    keepControl(control, status);
    return true;
}

bool clKontakte::OpenDatabase(const QString &sPath, const QString &sDatabaseUser, const QString &sDatabasePassword)
{
    const StatusClearedOnFailure status(*this);
    m_databaseUser = sDatabaseUser;
    m_password = sDatabasePassword;
    if (m_open) {
        if (platform::ui().msgBox(QStringLiteral("Soll die aktuelle ACT!-Datenbank '") + m_databasename +
                                      QStringLiteral("' geschlossen werden?"),
                                  platform::MsgIcon::Question,
                                  platform::MsgButtons::YesNo) != platform::MsgAnswer::Yes) {
            SetStatus(QString());
            return false;
        }
        SetStatus(QStringLiteral("Schließe aktuelle ACT!-Datenbank..."));
        closeDatabase();
    }
    m_databasepath = sPath;
    const qsizetype separator = sPath.lastIndexOf(QLatin1Char('/'));
    if (separator + 1 > 2)
        m_databasename = sPath.mid(separator + 1);

    SetStatus(QStringLiteral("ACT!-Verbindung wird aufgebaut..."));
    m_database = std::make_shared<actserver::ACTDatabaseObject>();
    bool opened = false;
    if (!sPath.isEmpty()) {
        if (!project::FileExists(sPath)) {
            platform::ui().msgBox(QStringLiteral("Die ACT!-Datenbank '") + m_databasepath +
                                      QStringLiteral("' kann nicht gefunden werden."),
                                  platform::MsgIcon::Exclamation);
        } else {
            m_database->Open(sPath);
            if (m_database->IsMultiUser())
                opened = loginLoop();
            else if (!m_database->IsOpen())
                platform::ui().msgBox(QStringLiteral("Die ACT!-Datenbank '") + m_databasepath +
                                          QStringLiteral("' konnte nicht geöffnet werden."),
                                      platform::MsgIcon::Information);
            else
                opened = true;
        }
    } else {
        m_database->OpenEx(QString());
        if (!m_database->IsOpen()) {
            platform::ui().msgBox(QStringLiteral("Auf die unter ACT! geöffnete Datenbank kann nicht zugegriffen werden."),
                                  platform::MsgIcon::Exclamation);
        } else {
            m_databasename = m_database->Name();
            m_databasepath = m_database->GetDatabasePath();
            m_databaseUser = m_database->CurrentUser();
            opened = true;
        }
    }
    if (opened)
        connected();
    SetStatus(QString());
    return opened;
}

bool clKontakte::loginLoop()
{
    for (;;) {
        if (!m_databaseUser.isEmpty()) {
            m_database->ValidateUser(m_databaseUser, m_password);
            if (!m_database->Error())
                return true;
        }
        SetStatus(QStringLiteral("Anmeldung an der ACT!-Datenbank '") + m_databasename + QLatin1Char('\''));
        actlink::frmACTLogin login;
        login.frBenutzerdaten()->setTitle(QStringLiteral("Benutzerdaten für ") + m_databasename);
        login.txbBenutzername()->setText(m_databaseUser);
        login.txbKennwort()->setText(m_password);
        platform::ui().showModal(&login);
        if (login.cmdOkTag().isEmpty())
            return false;
        m_databaseUser = login.txbBenutzername()->text();
        m_password = login.txbKennwort()->text();
        platform::DoEvents();
    }
}

void clKontakte::connected()
{
    m_contact = m_database->Contact();
    if (m_contact)
        m_fields = std::make_unique<actserver::ACTFields>(m_contact->Fields());
    if (m_actInfo) {
        m_actInfo->setText(m_databasename);
        m_actInfo->setToolTip(QStringLiteral("Verbindung mit der ACT!-Datenbank ") + quoted(m_databasename) +
                              QStringLiteral(" aus dem Ordner: ") + quoted(m_databasepath));
    }
    m_open = true;
}

void clKontakte::closeDatabase()
{
    m_fields.reset();
    m_contact.reset();
    m_database->Close();
    m_database.reset();
    m_open = false;
}

} // namespace records
