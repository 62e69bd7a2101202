// Printing: the current view paged onto a PDF printer, and PrintOut without an installed printer.
#include "GTestScriptedUi.h"
#include "TableFixture.h"

#include "infozoom/TablePrinter.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void fillRows(InfoZoomTable &table, int rows)
{
    InfoZoomAttribute name = table.Attributes().Add(QStringLiteral("Name"));
    InfoZoomAttribute nr = table.Attributes().Add(QStringLiteral("Nummer"));
    InfoZoomObjects objects = table.Objects();
    for (int i = 0; i < rows; ++i) {
        InfoZoomObject o = objects.Add();
        o.setValue(name, QStringLiteral("Kontakt %1").arg(i));
        o.setValue(nr, i % 2 ? QStringLiteral("gerade") : QStringLiteral("ungerade"));
    }
}

int pdfPages(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(f.readAll().count("/Type /Page\n") + 0);
}

} // namespace

TEST(InfoZoomPrint, TheCurrentViewIsPagedAndAZoomPrintsFewerPages)
{
    QTemporaryDir dir;
    InfoZoomTable table;
    fillRows(table, 300);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("all.pdf")));
    const int all = TablePrinter::render(table, printer);
    EXPECT_GT(all, 2);

    attributeNamed(table, QStringLiteral("Name")).SelectValue(QStringLiteral("Kontakt 7"), true);
    table.Zoom();
    QPrinter zoomed(QPrinter::HighResolution);
    zoomed.setOutputFormat(QPrinter::PdfFormat);
    zoomed.setOutputFileName(dir.filePath(QStringLiteral("zoom.pdf")));
    EXPECT_EQ(TablePrinter::render(table, zoomed), 1);
    EXPECT_GT(QFile(dir.filePath(QStringLiteral("zoom.pdf"))).size(), 500);
}

TEST(InfoZoomPrint, WithoutAPrinterPrintOutWritesThePdfTheUserChose)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed here";
    QTemporaryDir dir;
    GTestScriptedUi ui;
    InfoZoomTable table;
    fillRows(table, 10);
    const QString path = dir.filePath(QStringLiteral("tabelle.pdf"));
    ui.expectFileDialog(QStringList{path});
    table.PrintOut();
    EXPECT_GT(QFile(path).size(), 500);
    ui.expectFileDialog(std::nullopt); // cancelled: nothing printed, no error
    table.PrintOut();
}
