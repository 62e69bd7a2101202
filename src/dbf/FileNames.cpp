// Finding a file of a database whatever the case of its name.
#include "FileNames.h"

#include <QDir>
#include <QFileInfo>

namespace dbf {

QString findFileCaseless(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    for (const QString &entry : dir.entryList(QDir::Files, QDir::Name))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return {};
}

} // namespace dbf
