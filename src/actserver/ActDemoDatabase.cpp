// Writes a deterministic demo ACT! database.
#include "ActDemoDatabase.h"

#include "ActDatabaseFiles.h"
#include "ActDemoGenerator.h"
#include "dbf/DbfError.h"

#include <QDir>
#include <QFile>

namespace actserver {

QList<ActDemoUser> ActDemoDatabase::users(bool singleUser)
{
    QList<ActDemoUser> all = {
        {QStringLiteral("Anna Schäfer"), QStringLiteral("Kontakt#1")},
        {QStringLiteral("Jörg Müller"), QStringLiteral("Vertrieb#2")},
        {QStringLiteral("Petra Weiß"), QStringLiteral("Service#3")},
    };
    if (singleUser)
        all = all.mid(0, 1);
    return all;
}

bool ActDemoDatabase::create(const QString &folder, const QString &name, const ActDemoOptions &options, QString *error)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || options.contacts < 1) {
        *error = QStringLiteral("Ungültiger Datenbankname oder ungültige Kontaktzahl.");
        return false;
    }
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.").arg(folder);
        return false;
    }
    const ActDatabaseFiles files = ActDatabaseFiles::fromBase(folder, name);
    QStringList existing = {files.usersFile()};
    for (ActTableKind kind : ActSchema::allKinds())
        existing << files.tableFile(kind);
    for (const QString &path : existing) {
        if (QFile::exists(path)) {
            *error = QStringLiteral("Die Datei \"%1\" gibt es bereits; sie wird nicht überschrieben.").arg(path);
            return false;
        }
    }
    ActDemoGenerator generator(files, options);
    try {
        generator.writeUsers();
        generator.writeContacts();
        generator.writeGroups();
        generator.writeNotes();
        generator.writeSales();
        generator.writeActivities();
        generator.writeEmails();
        generator.writeRelations();
    } catch (const dbf::DbfError &e) {
        for (const QString &path : generator.writtenFiles())
            QFile::remove(path);
        *error = e.message();
        return false;
    }
    return true;
}

} // namespace actserver
