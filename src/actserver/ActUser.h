// One user of an ACT! database as the users file keeps it: unique ID, name and a salted password hash.
#pragma once

#include <QByteArray>
#include <QString>

namespace actserver {

struct ActUser
{
    QString uniqueId; // 12 characters, like every ACT! ID
    QString name;
    QByteArray salt;
    int iterations = 0;
    QByteArray hash; // PBKDF2-HMAC-SHA256 of the password with salt and iterations

    // A user whose password is hashed with a new random salt. The password is not kept.
    static ActUser withPassword(const QString &uniqueId, const QString &name, const QString &password);
    // Compares in constant time; a user without a hash, or with a round count beyond kMaxIterations,
    // accepts no password.
    bool checkPassword(const QString &password) const;

    static QByteArray derive(const QString &password, const QByteArray &salt, int iterations);
    static constexpr int kIterations = 20000;
    // More rounds than any users file of ours holds: a count above it comes from a damaged or
    // tampered file and would keep a login busy for many minutes.
    static constexpr int kMaxIterations = 1000000;
};

} // namespace actserver
