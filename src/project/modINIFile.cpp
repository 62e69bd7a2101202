// INI, file and folder service procedures over our own INI reader and writer.
#include "modINIFile.h"

#include "IniDocument.h"
#include "IniFileText.h"
#include "ServiceError.h"
#include "platform/FileTransaction.h"
#include "platform/UiServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace project {

namespace {

bool hasWildcards(const QString &name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

bool readExisting(const QString &path, QByteArray *bytes, QString *errorText)
{
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *errorText = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *errorText = file.errorString();
        return false;
    }
    return true;
}

} // namespace

QString INIGetSettingString(const QString &section, const QString &key, const QString &iniFile,
                            const QString &defaultValue)
{
    try {
        return IniFileText(iniFile).settingString(section, key, defaultValue);
    } catch (...) {
        showTrappedError(QStringLiteral("INIGetSettingString"));
        return QString();
    }
}

QString INIGetSettingLongString(const QString &section, const QString &key, const QString &iniFile,
                                const QString &defaultValue)
{
    return IniFileText(iniFile).settingLongString(section, key, defaultValue);
}

bool INIWriteSetting(const QString &section, const QString &key, const std::optional<QString> &value,
                     const QString &iniFile, QString *errorText)
{
    QString error;
    bool written = false;
    try {
        QByteArray old;
        if (iniFile.isEmpty())
            error = QStringLiteral("Kein Dateiname angegeben");
        else if (readExisting(iniFile, &old, &error)) {
            IniDocument doc = IniDocument::fromBytes(old);
            doc.setValue(section, key, value);
            const QByteArray bytes = doc.toBytes();
            // Removing an absent key changes nothing and must not create a missing file.
            const bool unchanged = bytes == old && (!value || QFileInfo::exists(iniFile));
            written = unchanged || platform::FileTransaction::writeFile(iniFile, bytes, &error);
        }
    } catch (...) {
        showTrappedError(QStringLiteral("INIWriteSetting"));
        error = QStringLiteral("Unerwarteter Fehler");
        written = false;
    }
    if (errorText)
        *errorText = written ? QString() : error;
    return written;
}

QString BrowseForFolder(const QString &title)
{
    QString folder = platform::ui().browseForFolder(title, QDir::homePath());
    // A path handed over through a fixed buffer ends at its first NUL character.
    const qsizetype nul = folder.indexOf(QChar(0));
    if (nul >= 0)
        folder.truncate(nul);
    return folder;
}

bool DirExists(const QString &path)
{
    try {
        return !path.isEmpty() && QFileInfo(path).isDir();
    } catch (...) {
        showTrappedError(QStringLiteral("DirExists"));
        return false;
    }
}

bool FileExists(const QString &fileName)
{
    try {
        if (fileName.isEmpty())
            return false;
        const QFileInfo info(fileName);
        // Hidden files (a name beginning with ".") count as absent, with or without wildcards.
        if (!hasWildcards(info.fileName()))
            return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
        if (hasWildcards(info.path()))
            return false;
        const QStringList matches = info.dir().entryList({info.fileName()}, QDir::Files);
        return !matches.isEmpty();
    } catch (...) {
        showTrappedError(QStringLiteral("FileExists"));
        return false;
    }
}

} // namespace project
