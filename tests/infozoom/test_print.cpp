// Printing: the current view paged onto a PDF printer, and PrintOut without an installed printer.
#include "GTestScriptedUi.h"
#include "TableFixture.h"

#include "infozoom/PageSetupDialog.h"
#include "infozoom/TablePrinter.h"

#include <QComboBox>

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
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

// The text of a PDF file as poppler's pdftotext reads it, pages separated by form feeds.
QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool containsWord(const QString &text, const QString &word)
{
    return text.contains(QRegularExpression(QStringLiteral("(^|\\s)%1(\\s|$)").arg(QRegularExpression::escape(word))));
}

} // namespace

TEST(InfoZoomPrint, WideTablesGoOnInStripsWithEveryShortValueWholeAndLongOnesCut)
{
    QTemporaryDir dir;
    InfoZoomTable table;
    InfoZoomAttributes level = table.Attributes();
    std::vector<InfoZoomAttribute> columns{level.Add(QStringLiteral("Name")), level.Add(QStringLiteral("PLZ")),
                                           level.Add(QStringLiteral("Ort"))};
    for (int c = columns.size(); c < 29; ++c)
        columns.push_back(level.Add(QStringLiteral("Feld%1").arg(c)));
    columns.push_back(level.Add(QStringLiteral("Bemerkung")));
    const QString longText = QStringLiteral("Sehr lange Bemerkung ").repeated(20) + QStringLiteral("Schlusswort");
    QStringList postcodes;
    InfoZoomObjects objects = table.Objects();
    for (int r = 0; r < 40; ++r) {
        InfoZoomObject row = objects.Add();
        postcodes << QString::number(10115 + 37 * r);
        row.setValue(columns[0], QStringLiteral("Kontakt%1").arg(r));
        row.setValue(columns[1], postcodes.last());
        row.setValue(columns[2], QStringLiteral("Berlin"));
        for (int c = 3; c < 29; ++c)
            row.setValue(columns[c], QStringLiteral("W%1x%2").arg(c).arg(r));
        row.setValue(columns[29], longText);
    }
    const QString path = dir.filePath(QStringLiteral("breit.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    const int pages = TablePrinter::render(table, printer);
    const QString text = pdfText(path);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) read nothing";

    for (const QString &postcode : postcodes)
        EXPECT_TRUE(containsWord(text, postcode)) << postcode.toStdString();
    EXPECT_TRUE(containsWord(text, QStringLiteral("Feld28")));
    EXPECT_TRUE(containsWord(text, QStringLiteral("W28x39")));
    EXPECT_FALSE(text.contains(QStringLiteral("Schlusswort")));
    EXPECT_TRUE(text.contains(QStringLiteral("…")));
    // Wider than one page: the further strips repeat the first column.
    const QStringList pageTexts = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    EXPECT_GT(pages, 1);
    ASSERT_EQ(pageTexts.size(), pages);
    for (const QString &page : pageTexts)
        EXPECT_TRUE(containsWord(page, QStringLiteral("Name")) && containsWord(page, QStringLiteral("Kontakt0")));
}

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

// Without an installed printer PrintOut offers a PDF file; a table of ten rows to print.
class InfoZoomPrintWithoutPrinter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            GTEST_SKIP() << "a printer is installed here";
        fillRows(table, 10);
    }

    QTemporaryDir dir;
    GTestScriptedUi ui;
    InfoZoomTable table;
};

TEST_F(InfoZoomPrintWithoutPrinter, PrintOutWritesThePdfTheUserChose)
{
    const QString path = dir.filePath(QStringLiteral("tabelle.pdf"));
    ui.expectFileDialog(QStringList{path});
    table.PrintOut();
    EXPECT_GT(QFile(path).size(), 500);
    ui.expectFileDialog(std::nullopt); // cancelled: nothing printed, no error
    table.PrintOut();
}

TEST(InfoZoomPrint, NumbersStandAtTheRightEdgeOfTheirColumnAsOnScreen)
{
    QTemporaryDir dir;
    InfoZoomTable table;
    InfoZoomAttribute amount = table.Attributes().Add(QStringLiteral("Betrag"));
    InfoZoomObjects objects = table.Objects();
    for (int value : {7, 1234567, 42})
        objects.Add().setValue(amount, value);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("zahlen.pdf")));
    TablePrinter::render(table, printer);
    // Where each number ends in pdftotext's layout of the page.
    QList<qsizetype> ends;
    for (const QString &line : pdfText(printer.outputFileName()).split(QLatin1Char('\n')))
        if (line.contains(QRegularExpression(QStringLiteral("^ *(7|42|1234567)$"))))
            ends << line.size();
    EXPECT_EQ(ends, QList<qsizetype>(3, ends.value(0, -1)));
}

TEST_F(InfoZoomPrintWithoutPrinter, PageSetupAfterAPdfPrintoutServesThePdfPrinterWithoutAWarning)
{
    ui.expectFileDialog(QStringList{dir.filePath(QStringLiteral("hoch.pdf"))});
    table.PrintOut();
    static QStringList warnings;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &, const QString &text) { warnings << text; });
    ui.expectModal([](QDialog *dialog) {
        auto *setup = qobject_cast<PageSetupDialog *>(dialog);
        if (!setup)
            return int(QDialog::Rejected);
        setup->cbxAusrichtung()->setCurrentText(QStringLiteral("Querformat"));
        setup->accept();
        return setup->result();
    });
    table.PrintSetup();
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
    // The printer keeps the orientation chosen.
    ui.expectModal([](QDialog *dialog) {
        auto *setup = qobject_cast<PageSetupDialog *>(dialog);
        EXPECT_TRUE(setup && setup->cbxAusrichtung()->currentText() == QStringLiteral("Querformat"));
        return int(QDialog::Rejected);
    });
    table.PrintSetup();
}
