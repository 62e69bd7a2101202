// Program settings over QSettings in INI format.
#include "ProgramSettings.h"

#include "VbVal.h"
#include "modINIFile.h"

#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <memory>

namespace project {

namespace {

QString &optionsFilePath()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> openStore()
{
    const QString &path = optionsFilePath();
    if (!path.isEmpty())
        return std::make_unique<QSettings>(path, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Datolux"),
                                       QStringLiteral("Datolux"));
}

bool isWindowKey(const QString &key)
{
    return key == QLatin1String("WindowWidth") || key == QLatin1String("WindowHeight") ||
           key == QLatin1String("WindowLeft") || key == QLatin1String("WindowTop");
}

bool isFolderKey(const QString &key)
{
    return key == QLatin1String("DirProject") || key == QLatin1String("DirACTDatabase");
}

bool isKnownKey(const QString &key)
{
    return isWindowKey(key) || isFolderKey(key) || key == QLatin1String("BarTop");
}

QLocale userLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString defaultText(const QString &key)
{
    if (key == QLatin1String("WindowWidth"))
        return QStringLiteral("7800");
    if (key == QLatin1String("WindowHeight"))
        return QStringLiteral("6100");
    if (key == QLatin1String("BarTop"))
        return userLocale().toString(0.5);
    if (isWindowKey(key))
        return QStringLiteral("0");
    return QString();
}

// A hand-edited value with a comma ("8000,5") comes back from QSettings as a list.
QString storedText(const QString &key)
{
    const QVariant stored = openStore()->value(QStringLiteral("Options/") + key);
    if (!stored.isValid())
        return defaultText(key);
    if (stored.userType() == QMetaType::QStringList)
        return stored.toStringList().join(QLatin1Char(','));
    return stored.toString();
}

float readRatio(const QString &text)
{
    bool ok = false;
    // "0.625" written under settings with a decimal point is no grouped 625 under German ones.
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    const float value = locale.toFloat(text.trimmed(), &ok);
    if (ok)
        return value;
    // Written under other regional settings, or edited by hand.
    const float cValue = QLocale::c().toFloat(text.trimmed(), &ok);
    return ok ? cValue : 0.5f;
}

QString toText(const QVariant &value)
{
    const QLocale locale = userLocale();
    switch (value.userType()) {
    case QMetaType::Double:
        return locale.toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::Float:
        // Shortest text of the single-precision value: 0.1f is "0,1", not its double expansion.
        return locale.toString(QString::number(value.toFloat(), 'g', 7).toDouble(), 'g',
                               QLocale::FloatingPointShortest);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return locale.toString(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
        return locale.toString(value.toULongLong());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

} // namespace

QVariant GetOption(const QString &key)
{
    if (!isKnownKey(key))
        return QVariant();
    const QString text = storedText(key);
    if (isWindowKey(key))
        return vbVal(text);
    if (key == QLatin1String("BarTop"))
        return readRatio(text);
    if (!text.isEmpty() && !DirExists(text))
        return QString();
    return text;
}

void SetOption(const QString &key, const QVariant &value)
{
    if (!isKnownKey(key))
        return;
    openStore()->setValue(QStringLiteral("Options/") + key, toText(value));
}

void setOptionsFile(const QString &iniPath)
{
    optionsFilePath() = iniPath;
}

} // namespace project
