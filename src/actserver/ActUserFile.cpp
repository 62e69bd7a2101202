// The users file beside an ACT! database: a small JSON document, written atomically.
#include "ActUserFile.h"

#include "platform/FileTransaction.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace actserver {

namespace {

const char kFormat[] = "datolux-act-users";
const int kVersion = 1;

bool userFromJson(const QJsonObject &o, ActUser *user)
{
    user->uniqueId = o.value(QLatin1String("id")).toString();
    user->name = o.value(QLatin1String("name")).toString();
    user->salt = QByteArray::fromHex(o.value(QLatin1String("salt")).toString().toLatin1());
    user->iterations = o.value(QLatin1String("iterations")).toInt();
    user->hash = QByteArray::fromHex(o.value(QLatin1String("hash")).toString().toLatin1());
    return !user->uniqueId.isEmpty() && !user->name.isEmpty() && user->iterations > 0 && !user->hash.isEmpty();
}

} // namespace

QString ActUserFile::pathFor(const QString &contactFilePath)
{
    const QFileInfo info(contactFilePath);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".usr");
}

bool ActUserFile::read(const QString &path, QList<ActUser> *users, QString *error)
{
    users->clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Die Benutzerdatei \"%1\" kann nicht gelesen werden: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonObject root = doc.object();
    if (parseError.error != QJsonParseError::NoError || root.value(QLatin1String("format")).toString() != kFormat ||
        root.value(QLatin1String("version")).toInt() != kVersion) {
        *error = QStringLiteral("Die Benutzerdatei \"%1\" ist beschädigt.").arg(path);
        return false;
    }
    for (const QJsonValue &v : root.value(QLatin1String("users")).toArray()) {
        ActUser user;
        if (!userFromJson(v.toObject(), &user)) {
            users->clear();
            *error = QStringLiteral("Die Benutzerdatei \"%1\" enthält einen unvollständigen Benutzer.").arg(path);
            return false;
        }
        if (user.iterations > ActUser::kMaxIterations) {
            users->clear();
            *error = QStringLiteral("Die Benutzerdatei \"%1\" ist beschädigt.").arg(path);
            return false;
        }
        users->append(user);
    }
    return true;
}

bool ActUserFile::write(const QString &path, const QList<ActUser> &users, QString *error)
{
    QJsonArray list;
    for (const ActUser &u : users) {
        list.append(QJsonObject{{QStringLiteral("id"), u.uniqueId},
                                {QStringLiteral("name"), u.name},
                                {QStringLiteral("salt"), QString::fromLatin1(u.salt.toHex())},
                                {QStringLiteral("iterations"), u.iterations},
                                {QStringLiteral("hash"), QString::fromLatin1(u.hash.toHex())}});
    }
    const QJsonObject root{{QStringLiteral("format"), QString::fromLatin1(kFormat)},
                           {QStringLiteral("version"), kVersion},
                           {QStringLiteral("users"), list}};
    QString reason;
    if (platform::FileTransaction::writeFile(path, QJsonDocument(root).toJson(), &reason))
        return true;
    *error = QStringLiteral("Die Benutzerdatei \"%1\" kann nicht geschrieben werden: %2").arg(path, reason);
    return false;
}

} // namespace actserver
