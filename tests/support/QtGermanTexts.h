// Qt's German texts for one test, as the program loads them at start-up; removed again afterwards.
#pragma once

#include "platform/ProgramLanguage.h"

#include <QCoreApplication>
#include <QTranslator>

class QtGermanTexts
{
public:
    QtGermanTexts() : m_translator(platform::InstallQtGermanTranslation()) {}
    ~QtGermanTexts()
    {
        if (m_translator) {
            QCoreApplication::removeTranslator(m_translator);
            delete m_translator;
        }
    }
    QtGermanTexts(const QtGermanTexts &) = delete;
    QtGermanTexts &operator=(const QtGermanTexts &) = delete;

    bool installed() const { return m_translator != nullptr; }

    static constexpr const char *Missing =
        "Qt's German translation (qtbase_de.qm, Debian package qt6-translations-l10n) is not installed";

private:
    QTranslator *m_translator;
};
