// INI, file and folder service procedures over our own INI reader and writer.
#include "modINIFile.h"

#include "IniDocument.h"
#include "ServiceError.h"
#include "Windows1252.h"
#include "platform/FileTransaction.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace project {

namespace {

constexpr int kShortValueLength = 255;

// The VB run-time error that opening a file for reading raises, with its German text.
platform::VbError openError(const QString &path, const QFile &file)
{
    if (path.isEmpty())
        return {52, QStringLiteral("Dateiname oder -nummer falsch")};
    const QFileInfo info(path);
    if (info.isDir())
        return {75, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei")};
    if (!info.exists())
        return info.absoluteDir().exists() ? platform::VbError(53, QStringLiteral("Datei nicht gefunden"))
                                           : platform::VbError(76, QStringLiteral("Pfad nicht gefunden"));
    if (file.error() == QFileDevice::PermissionsError)
        return {70, QStringLiteral("Zugriff verweigert")};
    return {75, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei")};
}

QString trimSpaces(const QString &text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

// Lines end at CR LF, and also at a lone CR or LF.
QStringList splitLines(const QString &text)
{
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

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
        std::optional<QString> value;
        QFile file(iniFile);
        if (!iniFile.isEmpty() && file.open(QIODevice::ReadOnly))
            value = IniDocument::fromBytes(file.readAll()).value(section, key);
        return value.value_or(defaultValue).left(kShortValueLength);
    } catch (...) {
        showTrappedError(QStringLiteral("INIGetSettingString"));
        return QString();
    }
}

QString INIGetSettingLongString(const QString &section, const QString &key, const QString &iniFile,
                                const QString &defaultValue)
{
    QString result = defaultValue;
    QFile file(iniFile);
    if (iniFile.isEmpty() || QFileInfo(iniFile).isDir() || !file.open(QIODevice::ReadOnly)) {
        const platform::VbError error = openError(iniFile, file);
        showServiceError(QStringLiteral("Datolux-INIGetSettingLongString"), error.number(), error.description(),
                         platform::MsgIcon::Exclamation);
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw platform::VbError(57, QStringLiteral("Fehler beim Lesen/Schreiben auf Gerät"));

    const QString sectionLine = QLatin1Char('[') + section + QLatin1Char(']');
    const QString lowerKey = key.toLower();
    bool inSection = false;
    for (const QString &raw : splitLines(windows1252::decode(bytes))) {
        const QString line = trimSpaces(raw);
        if (!inSection) {
            inSection = line.startsWith(sectionLine);
            continue;
        }
        if (!line.toLower().startsWith(lowerKey))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0)
            result = trimSpaces(line.mid(eq + 1));
    }
    return result;
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
