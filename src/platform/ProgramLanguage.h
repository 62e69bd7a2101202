// The program's regional settings and the German texts of Qt's own dialogs, set up once at start-up.
#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

namespace platform {

// The regional settings the program works with: the system's, except that a system naming none
// (C, POSIX) counts as German (Germany), so that numbers, dates and sorting look German throughout.
QLocale ProgramLocale(const QLocale &system);

// Where Qt's own German texts (standard dialogs, buttons, key names) are installed; "" when they are
// not (Debian package qt6-translations-l10n).
QString QtGermanTranslationFile();

// Loads Qt's German texts into the application. The translator belongs to the application; nullptr
// when the file is missing or unreadable, and the dialogs then stay in Qt's English.
QTranslator *InstallQtGermanTranslation();

// Start-up, before the first window: every QLocale() is ProgramLocale(QLocale::system()), and Qt
// speaks German. Returns the installed translator, as InstallQtGermanTranslation.
QTranslator *UseProgramLanguage();

} // namespace platform
