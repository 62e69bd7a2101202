// Where the files of one ACT! database lie.
#include "ActDatabaseFiles.h"

#include "ActUserFile.h"

#include <QDir>
#include <QFileInfo>

namespace actserver {

ActDatabaseFiles::ActDatabaseFiles(const QString &contactFilePath) : m_contactFile(contactFilePath)
{
    const QFileInfo info(contactFilePath);
    m_folder = info.path();
    m_name = info.completeBaseName();
}

ActDatabaseFiles ActDatabaseFiles::fromBase(const QString &folder, const QString &name)
{
    return ActDatabaseFiles(QDir(folder).filePath(name + QStringLiteral(".dbf")));
}

QString ActDatabaseFiles::tableFile(ActTableKind kind) const
{
    if (kind == ActTableKind::Contact)
        return m_contactFile;
    return QDir(m_folder).filePath(m_name + QLatin1Char('.') + QLatin1String(ActSchema::table(kind).extension));
}

QString ActDatabaseFiles::usersFile() const
{
    return ActUserFile::pathFor(m_contactFile);
}

} // namespace actserver
