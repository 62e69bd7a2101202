// Open and save dialogs through the UI services, with the returned text cut as a path buffer.
#include "clFileDialog.h"

#include "ServiceError.h"
#include "platform/UiServices.h"

#include <QFileInfo>
#include <QStringList>

namespace project {

namespace {

const QChar kNul(0);

// The buffer the platform dialog fills: one path; several files in the explorer form as the
// folder and the names, each ended by NUL and the whole by a second NUL; several files in the old
// form as folder and names separated by blanks.
QString resultBuffer(const QStringList &chosen, bool explorerMultiple)
{
    if (chosen.size() == 1)
        return chosen.first() + kNul + kNul;
    const QChar separator = explorerMultiple ? kNul : QChar(QLatin1Char(' '));
    QString buffer = QFileInfo(chosen.first()).absolutePath();
    for (const QString &path : chosen)
        buffer += separator + QFileInfo(path).fileName();
    return buffer + kNul + kNul;
}

} // namespace

QString clFileDialog::TrimNulls(const QString &buffer, bool multipleForm)
{
    try {
        if (!multipleForm) {
            const qsizetype nul = buffer.indexOf(kNul);
            return nul < 0 ? buffer : buffer.left(nul);
        }
        const qsizetype end = buffer.indexOf(QString(2, kNul));
        QString text = end < 0 ? buffer : buffer.left(end);
        if (end >= 0)
            text.replace(kNul, QLatin1Char(' '));
        return text;
    } catch (...) {
        showTrappedError(QStringLiteral("TrimNulls"));
        return QString();
    }
}

bool clFileDialog::multipleForm() const
{
    return (m_flags & OFN_ALLOWMULTISELECT) && (m_flags & OFN_EXPLORER);
}

bool clFileDialog::Show(bool fOpen)
{
    try {
        return show(fOpen);
    } catch (...) {
        showTrappedError(QStringLiteral("Show"));
        return false;
    }
}

bool clFileDialog::show(bool fOpen)
{
    platform::FileDialogRequest request;
    request.open = fOpen;
    request.title = m_dialogTitle;
    request.initialDir = m_initialDir;
    request.fileName = m_fileName;
    request.defaultExt = m_defaultExt;
    if (!m_filter.isEmpty())
        request.filters = m_filter.split(QLatin1Char('|'));
    request.filterIndex = m_filterIndex;
    request.fileMustExist = m_flags & OFN_FILEMUSTEXIST;
    request.pathMustExist = (m_flags & OFN_PATHMUSTEXIST) || request.fileMustExist;
    request.overwritePrompt = m_flags & OFN_OVERWRITEPROMPT;
    request.multiSelect = m_flags & OFN_ALLOWMULTISELECT;

    QStringList chosen;
    if (!platform::ui().fileDialog(request, &chosen) || chosen.isEmpty())
        return false;
    const QString fileName = TrimNulls(resultBuffer(chosen, multipleForm()), multipleForm());
    if (fileName.size() > m_maxFileSize - 1) {
        // The path does not fit the caller's buffer; say so rather than behave as if cancelled.
        platform::ui().msgBox(QStringLiteral("Der gewählte Pfad \"%1\" ist zu lang (höchstens %2 Zeichen).")
                                  .arg(fileName)
                                  .arg(m_maxFileSize - 1),
                              platform::MsgIcon::Exclamation);
        return false;
    }
    m_fileName = fileName;
    m_fileTitle = QFileInfo(chosen.first()).fileName();
    return true;
}

} // namespace project
