// Reading the keys of an INI file from one reading of it, with the short and the long reader's rules.
#include "IniFileText.h"

#include "ServiceError.h"
#include "Windows1252.h"
#include "platform/UiServices.h"

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

QStringView trimSpaces(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

// True when text begins with lowerKey once lowered character by character.
bool beginsWithLowered(QStringView text, const QString &lowerKey)
{
    if (text.size() < lowerKey.size())
        return false;
    for (qsizetype i = 0; i < lowerKey.size(); ++i)
        if (text.at(i).toLower() != lowerKey.at(i))
            return false;
    return true;
}

// Where the next c stands at or after pos; the text's size when there is none.
qsizetype nextOf(QStringView text, QLatin1Char c, qsizetype pos)
{
    const qsizetype at = text.indexOf(c, pos);
    return at < 0 ? text.size() : at;
}

} // namespace

IniFileText::IniFileText(const QString &iniFile)
{
    QFile file(iniFile);
    if (iniFile.isEmpty() || QFileInfo(iniFile).isDir() || !file.open(QIODevice::ReadOnly)) {
        m_openError = openError(iniFile, file);
        return;
    }
    {
        const QByteArray bytes = file.readAll();
        m_readFailed = file.error() != QFileDevice::NoError;
        m_text = windows1252::decode(bytes);
    }
    m_shortLines = IniDocument::splitLines(m_text);
    splitLongLines();
}

void IniFileText::splitLongLines()
{
    const QStringView text(m_text);
    // The next CR and the next LF are each looked for once, so many short lines stay linear.
    qsizetype cr = -1;
    qsizetype lf = -1;
    for (qsizetype pos = 0; pos < text.size();) {
        if (cr < pos)
            cr = nextOf(text, QLatin1Char('\r'), pos);
        if (lf < pos)
            lf = nextOf(text, QLatin1Char('\n'), pos);
        qsizetype end = qMin(cr, lf);
        m_longLines.push_back(text.mid(pos, end - pos));
        if (end == cr && end + 1 == lf)
            ++end;
        pos = end + 1;
    }
}

QString IniFileText::settingString(const QString &section, const QString &key, const QString &defaultValue) const
{
    try {
        const std::optional<QString> value =
            m_openError ? std::nullopt : IniDocument::valueIn(m_shortLines, section, key);
        return value.value_or(defaultValue).left(kShortValueLength);
    } catch (...) {
        showTrappedError(QStringLiteral("INIGetSettingString"));
        return QString();
    }
}

QString IniFileText::settingLongString(const QString &section, const QString &key, const QString &defaultValue) const
{
    QString result = defaultValue;
    if (m_openError) {
        showServiceError(QStringLiteral("Datolux-INIGetSettingLongString"), m_openError->number(),
                         m_openError->description(), platform::MsgIcon::Exclamation);
        return result;
    }
    if (m_readFailed)
        throw platform::VbError(57, QStringLiteral("Fehler beim Lesen/Schreiben auf Gerät"));

    const QString sectionLine = QLatin1Char('[') + section + QLatin1Char(']');
    const QString lowerKey = key.toLower();
    bool inSection = false;
    for (const QStringView raw : m_longLines) {
        const QStringView line = trimSpaces(raw);
        if (!inSection) {
            inSection = line.startsWith(sectionLine);
            continue;
        }
        if (!beginsWithLowered(line, lowerKey))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0)
            result = trimSpaces(line.mid(eq + 1)).toString();
    }
    return result;
}

} // namespace project
