// One user of an ACT! database: password hashing and checking.
#include "ActUser.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace actserver {

namespace {

QByteArray randomSalt()
{
    QByteArray salt(16, Qt::Uninitialized);
    for (char &c : salt)
        c = static_cast<char>(QRandomGenerator::system()->bounded(256));
    return salt;
}

} // namespace

ActUser ActUser::withPassword(const QString &uniqueId, const QString &name, const QString &password)
{
    ActUser user;
    user.uniqueId = uniqueId;
    user.name = name;
    user.salt = randomSalt();
    user.iterations = kIterations;
    user.hash = derive(password, user.salt, user.iterations);
    return user;
}

bool ActUser::checkPassword(const QString &password) const
{
    if (hash.isEmpty() || iterations <= 0 || iterations > kMaxIterations)
        return false;
    const QByteArray candidate = derive(password, salt, iterations);
    if (candidate.size() != hash.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < hash.size(); ++i)
        diff |= static_cast<unsigned char>(candidate[i] ^ hash[i]);
    return diff == 0;
}

// PBKDF2 with HMAC-SHA256, one output block of 32 bytes.
QByteArray ActUser::derive(const QString &password, const QByteArray &salt, int iterations)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password.toUtf8());
    mac.addData(salt);
    mac.addData(QByteArray::fromHex("00000001"));
    QByteArray u = mac.result();
    QByteArray result = u;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (qsizetype k = 0; k < result.size(); ++k)
            result[k] = static_cast<char>(result[k] ^ u[k]);
    }
    return result;
}

} // namespace actserver
