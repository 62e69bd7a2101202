// Regional settings and Qt's German texts for the whole program.
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

QLocale ProgramLocale(const QLocale &system)
{
    // Qt reports both C and POSIX as the C locale.
    if (system.language() == QLocale::C)
        return QLocale(QLocale::German, QLocale::Germany);
    return system;
}

QString QtGermanTranslationFile()
{
    const QString path =
        QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_de.qm"));
    return QFileInfo::exists(path) ? path : QString();
}

QTranslator *InstallQtGermanTranslation()
{
    const QString file = QtGermanTranslationFile();
    if (file.isEmpty())
        return nullptr;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

QTranslator *UseProgramLanguage()
{
    QLocale::setDefault(ProgramLocale(QLocale::system()));
    return InstallQtGermanTranslation();
}

} // namespace platform
