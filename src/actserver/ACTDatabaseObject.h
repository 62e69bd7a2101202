// The ACT! database object: opens one ACT! database (its dBase files) in-process, checks its users,
// and hands out its tables. Calls do not throw: a failed call sets Error (and LastError to a code of
// the ACT! error table); only the tables' whole-file failures throw (see ACTTable).
#pragma once

#include "ACTTable.h"
#include "ACTUsers.h"

#include <QString>
#include <memory>

namespace actserver {

struct ActDatabaseState;

class ACTDatabaseObject
{
public:
    ACTDatabaseObject();
    ~ACTDatabaseObject();
    ACTDatabaseObject(const ACTDatabaseObject &) = delete;
    ACTDatabaseObject &operator=(const ACTDatabaseObject &) = delete;

    // Opens the database whose contact file is path (NAME.dbf). A single-user database is open
    // afterwards; a multi-user one waits for ValidateUser.
    void Open(const QString &path);
    // With "" the database open in the running ACT!, under the user logged in there; else as Open.
    void OpenEx(const QString &path);
    bool IsMultiUser() const;
    // Logs the user in (name compared without regard to case); Error when name or password is wrong.
    void ValidateUser(const QString &user, const QString &password);
    bool Error() const { return m_error; }
    long LastError() const { return m_lastError; }
    // A German sentence on the last failure ("" after success); never holds a password.
    QString LastErrorText() const { return m_errorText; }
    bool IsOpen() const;
    // The contact file's name (NAME.dbf) and full path as given to Open.
    QString Name() const;
    QString GetDatabasePath() const;
    QString CurrentUser() const { return m_currentUser; }
    // Ends the session: tables taken from it read nothing more.
    void Close();

    // A new table with its own cursor, or null (with Error) when no database is open.
    std::shared_ptr<ACTTable> Contact() { return table(ActTableKind::Contact); }
    std::shared_ptr<ACTTable> NoteHistory() { return table(ActTableKind::Notes); }
    std::shared_ptr<ACTTable> Sales() { return table(ActTableKind::Sales); }
    std::shared_ptr<ACTTable> Activity() { return table(ActTableKind::Activity); }
    std::shared_ptr<ACTTable> Group() { return table(ActTableKind::Group); }
    ACTUsers Users() const { return ACTUsers(m_users); }

private:
    std::shared_ptr<ACTTable> table(ActTableKind kind);
    bool load(const QString &path);
    void setResult(long code, const QString &text = QString());
    const ActUser *findUser(const QString &name) const;

    std::shared_ptr<ActDatabaseState> m_state;
    bool m_loaded = false;
    QList<ActUser> m_users;
    QString m_path;
    QString m_currentUser;
    bool m_error = false;
    long m_lastError = 0;
    QString m_errorText;
};

} // namespace actserver
