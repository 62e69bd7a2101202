// The clipboard exports and the user-manual command.
#include "ExportCommands.h"

#include "StatusBarPanel.h"
#include "frmHaupt.h"
#include "modHaupt.h"

#include "platform/UiServices.h"
#include "project/clProjekt.h"
#include "project/clShellExecute.h"
#include "project/modINIFile.h"
#include "infozoom/InfoZoomControl.h"
#include "infozoom/InfoZoomTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QScopeGuard>

namespace mainwindow {

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QChar TAB = QLatin1Char('\t');

// Rows between two progress steps, by mode.
int progressEvery(int mode)
{
    return mode == ExportCommands::CopyKomp ? 57 : 117;
}

QString progressLabel(int mode)
{
    switch (mode) {
    case ExportCommands::CopyAll:
        return QStringLiteral("Bestimme die einzelnen Daten des Attributes ");
    case ExportCommands::CopyKomp:
        return QStringLiteral("Bestimme die komprimierte Liste der Daten des Attributes ");
    default:
        return QStringLiteral("Bestimme die Häufigkeit der Daten des Attributes ");
    }
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString queryOrAll(const InfoZoomTable *table)
{
    const QString query = table->QueryText();
    return query.trimmed().isEmpty() ? QStringLiteral("Alle Daten") : query;
}

} // namespace

ExportCommands::ExportCommands(frmHaupt &window) : QObject(&window), m_window(window) {}

ExportCommands *ExportCommands::Register(frmHaupt &window)
{
    auto *commands = new ExportCommands(window);
    window.AddCommand(QStringLiteral("mnuCopyAll"), [commands] { commands->CopyActiveTable(CopyAll, QString()); });
    window.AddCommand(QStringLiteral("mnuCopyKomp"), [commands] { commands->CopyActiveTable(CopyKomp, QString()); });
    window.AddCommand(QStringLiteral("mnuCopyHistogramm"),
                      [commands] { commands->CopyActiveTable(CopyHistogramm, QString()); });
    window.AddCommand(QStringLiteral("mnuCopyInformations"),
                      [commands] { commands->CopyActiveTable(CopyInformations, commands->DataSourceDescription()); });
    window.AddCommand(QStringLiteral("mnHelpBedienungsanleitung"),
                      [commands] { commands->mnHelpBedienungsanleitung_Click(); });
    return commands;
}

void ExportCommands::CopyActiveTable(int mode, const QString &infoText)
{
    CopyAttributeData(m_window.ActiveTable()->Table(), infoText, mode);
}

InfoZoomAttribute ExportCommands::GetSelectedAttribute(InfoZoomTable *table)
{
    platform::DoEvents();
    const InfoZoomAttributeList list = table->AttributeList();
    const int count = list.Count();
    for (int i = 0; i < count; ++i) {
        const InfoZoomAttributeNode node = table->AttributeItem(i);
        if (node.NodeType() == 1 && node.Selected())
            return InfoZoomAttribute(node);
    }
    return InfoZoomAttribute();
}

QString ExportCommands::ValueText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Double: {
        const QLocale locale;
        return locale.toString(value.toDouble(), 'g', 15).remove(locale.groupSeparator());
    }
    default:
        return value.isValid() ? value.toString() : QString();
    }
}

void ExportCommands::CopyAttributeData(InfoZoomTable *table, const QString &infoText, int mode)
{
    const InfoZoomAttribute attribute = GetSelectedAttribute(table);
    if (attribute.isNull()) {
        m_window.SetStatusBarText(QStringLiteral("Es wurde zuvor kein Attribut selektiert."));
        m_window.EnableControls(true, false);
        return;
    }
    const QString name = attribute.Name();
    m_window.SetStatusBarText(QStringLiteral("Die Daten des Attributes ") + quoted(name) +
                              QStringLiteral(" werden in die Zwischenablage kopiert..."));
    m_window.EnableControls(false, false);
    m_window.setCancelRequested(false);
    platform::DoEvents();

    QString text = name;
    bool complete = true;
    if (mode == CopyInformations)
        text = infoText + name;
    else
        complete = CollectRows(table, attribute, name, mode, text);
    if (complete) {
        platform::ui().setClipboardText(text);
        table->setStatusText(QString());
        m_window.SetStatusBarText(QStringLiteral("Die Daten des Attributes ") + quoted(name) +
                                  QStringLiteral(" wurden in die Zwischenablage kopiert."));
        platform::ui().beep();
    }
    m_window.EnableControls(true, false);
}

bool ExportCommands::CollectRows(InfoZoomTable *table, const InfoZoomAttribute &attribute, const QString &name,
                                 int mode, QString &text)
{
    InfoZoomObjects rows = table->CurrentObjects();
    rows.Reset();
    const int count = rows.Count();
    const int every = progressEvery(mode);
    const QString label = progressLabel(mode);
    if (mode == CopyAll)
        text += CRLF;
    else if (mode == CopyKomp)
        m_currentKompListe = std::make_unique<clKompListe>();
    else
        m_currentHistogram = std::make_unique<clHistogram>();

    for (int i = 1; i <= count; ++i) {
        const QString value = ValueText(rows.NextObject().Value(attribute));
        if (mode == CopyAll) {
            text += value;
            text += CRLF;
        } else if (mode == CopyKomp) {
            m_currentKompListe->AddItem(value);
        } else {
            m_currentHistogram->AddItem(value);
        }
        if (i % every == 0 && !ProgressStep(table, label, name, i, count)) {
            if (mode == CopyKomp)
                m_currentKompListe.reset();
            else
                m_currentHistogram.reset();
            return false;
        }
    }

    const PanelText panel = [this](const QString &progress) { m_window.StatusPanel()->setText(progress); };
    if (mode == CopyKomp) {
        text += CRLF + m_currentKompListe->DumpAll(panel);
    } else if (mode == CopyHistogramm) {
        // The cancel panel reaches the count while it lists its lines. The count and its connection
        // end together, also when the listing fails: a click must not reach a count that is gone.
        clHistogram *histogram = m_currentHistogram.get();
        const QMetaObject::Connection cancel = connect(m_window.AbbruchPanel(), &StatusBarPanel::clicked, this,
                                                       [histogram] { histogram->setCancel(true); });
        const auto listingEnd = qScopeGuard([this, cancel] {
            disconnect(cancel);
            m_currentHistogram.reset();
        });
        text += TAB + QStringLiteral("Häufigkeit") + CRLF + histogram->DumpAll(panel);
    }
    return true;
}

bool ExportCommands::ProgressStep(InfoZoomTable *table, const QString &label, const QString &name, int row, int count)
{
    table->setStatusText(label + quoted(name) + QStringLiteral(" (%1/%2)").arg(row).arg(count));
    // Without this a click on the cancel panel could not arrive before the walk ends.
    platform::DoEvents();
    if (!m_window.CancelRequested())
        return true;
    table->setStatusText(QString());
    m_window.SetStatusBarText(QStringLiteral("Der Kopiervorgang wurde abgebrochen."));
    return false;
}

QString ExportCommands::DataSourceDescription() const
{
    const project::clProjekt *projekt = modHaupt::Projekt.get();
    QString text = QStringLiteral("Datolux-Projekt:") + TAB + (projekt ? projekt->Name() : QString()) + CRLF;
    text += QStringLiteral("ACT!-Datenbank:") + TAB + (projekt ? projekt->ACTDatenbank() : QString()) + CRLF;
    text += QStringLiteral("Abfrage Kontakte:") + TAB + queryOrAll(m_window.InfoZoomKontakt()->Table()) + CRLF;
    const QString lowerKind = m_window.InfoZoomExtra()->Tag();
    if (lowerKind.isEmpty())
        text += CRLF;
    else
        text += QStringLiteral("Abfrage ") + lowerKind + QLatin1Char(':') + TAB +
                queryOrAll(m_window.InfoZoomExtra()->Table()) + CRLF;
    text += QStringLiteral("Daten aus Tabelle: ") + TAB + m_window.ActiveTable()->Tag() + CRLF;
    text += QStringLiteral("Attribute:") + TAB;
    return text;
}

QString ExportCommands::ProgramFolder() const
{
    return m_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_programFolder;
}

void ExportCommands::mnHelpBedienungsanleitung_Click()
{
    using project::clShellExecute;
    const QString folder = ProgramFolder();
    const QString path = QDir(folder).filePath(QStringLiteral("Anleitung.pdf"));
    if (!project::FileExists(path)) {
        ManualNotOpened(path, clShellExecute::ErrFileNotFound);
        return;
    }
    clShellExecute shell;
    ManualNotOpened(path, shell.LaunchDocument(&m_window, path, folder, 10));
    shell.WatchLateAnswer(this, [path](long result) { ManualNotOpened(path, result); });
}

void ExportCommands::ManualNotOpened(const QString &path, long result)
{
    using project::clShellExecute;
    // 0: the shell service has reported its own failure already.
    if (result == clShellExecute::True || result == 0)
        return;
    if (result == clShellExecute::ErrFileNotFound || result == clShellExecute::ErrPathNotFound)
        platform::ui().msgBox(QStringLiteral("Die Datei ") + quoted(path) + QStringLiteral(" wurde nicht gefunden!"),
                              platform::MsgIcon::Information, platform::MsgButtons::OK);
    else
        platform::ui().msgBox(QStringLiteral("Zum Öffnen der Datei ") + quoted(path) +
                                  QStringLiteral(" wurde kein Programm gefunden."),
                              platform::MsgIcon::Exclamation, platform::MsgButtons::OK);
}

} // namespace mainwindow
