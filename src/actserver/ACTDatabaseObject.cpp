// The ACT! database object: opening, users, tables.
#include "ACTDatabaseObject.h"

#include "ActDatabaseState.h"
#include "ActError.h"
#include "ActRunningApplication.h"
#include "ActUserFile.h"
#include "dbf/DbfError.h"
#include "dbf/DbfTable.h"

#include <QFileInfo>

namespace actserver {

ACTDatabaseObject::ACTDatabaseObject() : m_state(std::make_shared<ActDatabaseState>()) {}

ACTDatabaseObject::~ACTDatabaseObject()
{
    Close();
}

void ACTDatabaseObject::setResult(long code, const QString &text)
{
    m_lastError = code;
    m_error = code != ActError::Success;
    m_errorText = text;
}

bool ACTDatabaseObject::load(const QString &path)
{
    if (m_loaded) {
        setResult(ActError::DBAlreadyOpen, QStringLiteral("Es ist bereits eine ACT!-Datenbank geöffnet."));
        return false;
    }
    if (path.trimmed().isEmpty()) {
        setResult(ActError::InvalidFilename, QStringLiteral("Es wurde keine ACT!-Datenbank angegeben."));
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        setResult(ActError::OpenFailed, QStringLiteral("Die ACT!-Datenbank \"%1\" gibt es nicht.").arg(path));
        return false;
    }
    try {
        const dbf::DbfTable contacts(path);
        if (contacts.fieldIndex(QString::fromLatin1(ActSchema::uniqueIdColumn())) < 0) {
            setResult(ActError::DBSchemaCorrupt,
                      QStringLiteral("Die Datei \"%1\" ist keine ACT!-Kontaktdatei.").arg(path));
            return false;
        }
    } catch (const dbf::DbfError &e) {
        setResult(ActError::DBOpenFailed, e.message());
        return false;
    }
    const ActDatabaseFiles files(path);
    QString error;
    QList<ActUser> users;
    if (!ActUserFile::read(files.usersFile(), &users, &error)) {
        setResult(ActError::DBSchemaCorrupt, error);
        return false;
    }
    m_state = std::make_shared<ActDatabaseState>();
    m_state->files = files;
    m_users = users;
    m_path = path;
    m_loaded = true;
    return true;
}

void ACTDatabaseObject::Open(const QString &path)
{
    if (!load(path))
        return;
    if (!IsMultiUser()) {
        m_currentUser = m_users.isEmpty() ? QString() : m_users.first().name;
        m_state->open = true;
    }
    setResult(ActError::Success);
}

void ACTDatabaseObject::OpenEx(const QString &path)
{
    if (!path.isEmpty()) {
        Open(path);
        return;
    }
    QString runningPath;
    QString runningUser;
    if (!ActRunningApplication::current().openDatabase(&runningPath, &runningUser)) {
        setResult(ActError::DBNotOpen, QStringLiteral("In ACT! ist keine Datenbank geöffnet."));
        return;
    }
    if (!load(runningPath))
        return;
    const ActUser *user = findUser(runningUser);
    if (IsMultiUser() && !user) {
        Close();
        setResult(ActError::DBAccessDenied,
                  QStringLiteral("Der ACT!-Benutzer \"%1\" ist in der Datenbank nicht bekannt.").arg(runningUser));
        return;
    }
    m_currentUser = user ? user->name : (m_users.isEmpty() ? QString() : m_users.first().name);
    m_state->open = true;
    setResult(ActError::Success);
}

bool ACTDatabaseObject::IsMultiUser() const
{
    return m_loaded && m_users.size() > 1;
}

const ActUser *ACTDatabaseObject::findUser(const QString &name) const
{
    for (const ActUser &u : m_users)
        if (u.name.compare(name, Qt::CaseInsensitive) == 0)
            return &u;
    return nullptr;
}

void ACTDatabaseObject::ValidateUser(const QString &user, const QString &password)
{
    if (!m_loaded) {
        setResult(ActError::DBNotOpen, QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."));
        return;
    }
    const ActUser *found = findUser(user);
    if (!found || !found->checkPassword(password)) {
        setResult(ActError::DBAccessDenied, QStringLiteral("Benutzername oder Kennwort ist falsch."));
        return;
    }
    m_currentUser = found->name;
    m_state->open = true;
    setResult(ActError::Success);
}

bool ACTDatabaseObject::IsOpen() const
{
    return m_loaded && m_state->open;
}

QString ACTDatabaseObject::Name() const
{
    return m_loaded ? QFileInfo(m_path).fileName() : QString();
}

QString ACTDatabaseObject::GetDatabasePath() const
{
    return m_loaded ? m_path : QString();
}

void ACTDatabaseObject::Close()
{
    m_state->open = false;
    m_state = std::make_shared<ActDatabaseState>();
    m_loaded = false;
    m_users.clear();
    m_path.clear();
    m_currentUser.clear();
    setResult(ActError::Success);
}

std::shared_ptr<ACTTable> ACTDatabaseObject::table(ActTableKind kind)
{
    if (!IsOpen()) {
        setResult(ActError::DBNotOpen, QStringLiteral("Es ist keine ACT!-Datenbank geöffnet."));
        return nullptr;
    }
    setResult(ActError::Success);
    return std::make_shared<ACTTable>(m_state, kind);
}

} // namespace actserver
