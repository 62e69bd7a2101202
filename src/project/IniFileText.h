// An INI file read once, so that the many keys of a project file come from one reading of it.
#pragma once

#include "IniDocument.h"
#include "platform/VbError.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace project {

class IniFileText
{
public:
    // Reads the file whole; a file that cannot be read leaves the text empty and the reason kept.
    explicit IniFileText(const QString &iniFile);
    Q_DISABLE_COPY_MOVE(IniFileText)

    // INIGetSettingString on the text read (see modINIFile.h).
    QString settingString(const QString &section, const QString &key, const QString &defaultValue) const;
    // INIGetSettingLongString on the text read: a file that could not be opened shows the error box
    // and gives defaultValue; one that failed while being read throws platform::VbError 57.
    QString settingLongString(const QString &section, const QString &key, const QString &defaultValue) const;

private:
    void splitLongLines();

    std::optional<platform::VbError> m_openError;
    bool m_readFailed = false;
    QString m_text;
    // Views into m_text: its lines as the short reader splits them (at LF, a CR before it dropped),
    // and as the long reader does (at CR LF, and at a lone CR or LF too).
    std::vector<QStringView> m_shortLines;
    std::vector<QStringView> m_longLines;
};

} // namespace project
