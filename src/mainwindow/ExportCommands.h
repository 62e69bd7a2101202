// The main window's clipboard exports of the selected attribute (every value, distinct values,
// frequencies, the data-source description) and the command that opens the user manual.
#pragma once

#include "clHistogram.h"
#include "clKompListe.h"

#include "infozoom/InfoZoomAttribute.h"

#include <QObject>
#include <QString>
#include <memory>

class InfoZoomTable;

namespace mainwindow {

class frmHaupt;

class ExportCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExportCommands)

public:
    enum Mode
    {
        CopyAll = 0,
        CopyKomp = 1,
        CopyHistogramm = 2,
        CopyInformations = 3
    };

    // Registers mnuCopyAll, mnuCopyKomp, mnuCopyHistogramm, mnuCopyInformations and
    // mnHelpBedienungsanleitung with the window, which owns the object.
    static ExportCommands *Register(frmHaupt &window);

    // The first entry of the attribute list that is an attribute (not a folder) and selected, or
    // the empty handle. Lets waiting events run once first.
    static InfoZoomAttribute GetSelectedAttribute(InfoZoomTable *table);

    // Copies the data of the table's selected attribute to the clipboard in one of the four modes;
    // infoText goes before the attribute's name in mode 3.
    void CopyAttributeData(InfoZoomTable *table, const QString &infoText, int mode);

    // The data-source description that mode 3 puts before the attribute's name.
    QString DataSourceDescription() const;

    // The text of a cell value as the export writes it (numbers in the user's notation).
    static QString ValueText(const QVariant &value);

    // The running lists of an export; the frequency count is dropped after its listing.
    clKompListe *CurrentKompListe() const { return m_currentKompListe.get(); }
    clHistogram *CurrentHistogram() const { return m_currentHistogram.get(); }

    // The folder that holds Anleitung.pdf: the program's folder unless a test sets another.
    QString ProgramFolder() const;
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    // Opens the manual through the desktop; a missing file or a missing program for it is reported.
    void mnHelpBedienungsanleitung_Click();

private:
    // Tells the user why the manual did not open; says nothing for a launch that succeeded.
    static void ManualNotOpened(const QString &path, long result);
    explicit ExportCommands(frmHaupt &window);

    // Walks the rows of the view for modes 0 to 2; false when the user cancelled.
    bool CollectRows(InfoZoomTable *table, const InfoZoomAttribute &attribute, const QString &name, int mode,
                     QString &text);
    bool ProgressStep(InfoZoomTable *table, const QString &label, const QString &name, int row, int count);
    void CopyActiveTable(int mode, const QString &infoText);

    frmHaupt &m_window;
    std::unique_ptr<clKompListe> m_currentKompListe;
    std::unique_ptr<clHistogram> m_currentHistogram;
    QString m_programFolder;
};

} // namespace mainwindow
