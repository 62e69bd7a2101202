// Program settings kept per user between runs: window geometry, splitter position and the folders
// last used, stored under the application "Datolux", group "Options".
#pragma once

#include <QString>
#include <QVariant>

namespace project {

// The setting Key converted as its kind asks, or its default when nothing is stored:
// "WindowWidth", "WindowHeight", "WindowLeft", "WindowTop" -> double (the text's leading number,
// "." as decimal separator whatever the regional settings); "BarTop" -> float (the text read under
// the regional settings; 0.5 when it does not read as a number); "DirProject", "DirACTDatabase"
// -> QString ("" when the folder no longer exists). Any other key -> an invalid QVariant.
QVariant GetOption(const QString &key);

// Stores Value as text under the regional settings (0.5 becomes "0,5" under German settings);
// any key but the seven is ignored.
void SetOption(const QString &key, const QVariant &value);

// Where the settings live: by default the per-user INI file of QSettings
// (~/.config/Datolux/Datolux.ini); tests point it to a file of their own. Empty restores the default.
void setOptionsFile(const QString &iniPath);

} // namespace project
