// Printing of a table.
#include "TablePrinter.h"

#include "InfoZoomTable.h"
#include "TableData.h"
#include "TableErrors.h"
#include "platform/UiServices.h"

#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace {

constexpr int SampleRows = 200;

std::vector<AttributeNodeData *> printedAttributes(TableData &data)
{
    std::vector<AttributeNodeData *> result;
    for (AttributeNodeData *node : data.flatList())
        if (node->type == AttributeNodeData::Attribute)
            result.push_back(node);
    return result;
}

// Column widths from the names and a sample of values, shrunk together to the page width.
std::vector<int> columnWidths(const std::vector<AttributeNodeData *> &attributes, const std::vector<uint32_t> &rows,
                              const QFontMetrics &fm, int pageWidth)
{
    std::vector<int> widths;
    const int pad = fm.horizontalAdvance(QLatin1Char('M'));
    for (AttributeNodeData *a : attributes) {
        int w = fm.horizontalAdvance(a->name);
        for (size_t i = 0; i < rows.size() && i < size_t(SampleRows); ++i)
            w = std::max(w, fm.horizontalAdvance(TableData::displayText(a, a->column->codeAt(rows[i]))));
        widths.push_back(std::min(w, pageWidth / 3) + pad);
    }
    int total = 0;
    for (int w : widths)
        total += w;
    if (total > pageWidth)
        for (int &w : widths)
            w = std::max(pad * 2, int(qint64(w) * pageWidth / total));
    return widths;
}

void printFailed()
{
    TableErrors::raise(TableErrors::Number(482), QStringLiteral("Der Druck konnte nicht gestartet werden."));
}

} // namespace

TablePrinter::TablePrinter() = default;
TablePrinter::~TablePrinter() = default;

int TablePrinter::render(InfoZoomTable &table, QPrinter &printer)
{
    TableData &data = *table.data();
    QPainter painter;
    if (!painter.begin(&printer))
        printFailed();
    const std::vector<uint32_t> rows = data.viewRows();
    const auto attributes = printedAttributes(data);
    QFont font = painter.font();
    font.setPointSizeF(8);
    painter.setFont(font);
    const QFontMetrics fm(painter.font(), &printer);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect area(0, 0, page.width(), page.height());
    const std::vector<int> widths = columnWidths(attributes, rows, fm, area.width());
    const int lineH = fm.height() + fm.height() / 4;
    const QString query = data.queryText();
    int pages = 0;
    size_t next = 0;
    do {
        if (pages > 0)
            printer.newPage();
        ++pages;
        int y = 0;
        if (pages == 1 && !query.isEmpty()) {
            painter.drawText(QRect(0, y, area.width(), lineH), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("Abfrage: ") + query);
            y += lineH;
        }
        QFont bold = painter.font();
        bold.setBold(true);
        painter.save();
        painter.setFont(bold);
        int x = 0;
        for (size_t c = 0; c < attributes.size(); ++c) {
            painter.drawText(QRect(x, y, widths[c] - 2, lineH), Qt::AlignLeft | Qt::AlignVCenter,
                             fm.elidedText(attributes[c]->name, Qt::ElideRight, widths[c] - 2));
            x += widths[c];
        }
        painter.restore();
        y += lineH;
        painter.drawLine(0, y - 1, std::min(x, area.width()), y - 1);
        const int bottom = area.height() - lineH;
        for (; next < rows.size() && y + lineH <= bottom; ++next, y += lineH) {
            x = 0;
            for (size_t c = 0; c < attributes.size(); ++c) {
                const QString text = TableData::displayText(attributes[c], attributes[c]->column->codeAt(rows[next]));
                painter.drawText(QRect(x, y, widths[c] - 2, lineH), Qt::AlignLeft | Qt::AlignVCenter,
                                 fm.elidedText(text, Qt::ElideRight, widths[c] - 2));
                x += widths[c];
            }
        }
        painter.drawText(QRect(0, bottom, area.width(), lineH), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Seite %1").arg(pages));
    } while (next < rows.size());
    painter.end();
    return pages;
}

void TablePrinter::printOut(InfoZoomTable &table, QWidget *parent)
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        platform::FileDialogRequest request;
        request.open = false;
        request.title = QStringLiteral("Kein Drucker eingerichtet - als PDF-Datei drucken");
        request.defaultExt = QStringLiteral("pdf");
        request.filters = {QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("*.pdf")};
        request.overwritePrompt = true;
        QStringList chosen;
        if (!platform::ui().fileDialog(request, &chosen) || chosen.isEmpty())
            return;
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(chosen.first());
        render(table, *m_printer);
        return;
    }
    QPrintDialog dialog(m_printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (platform::ui().showModal(&dialog) == QDialog::Accepted)
        render(table, *m_printer);
}

void TablePrinter::preview(InfoZoomTable &table, QWidget *parent)
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(m_printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Druckvorschau"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&table](QPrinter *printer) {
                         try {
                             render(table, *printer);
                         } catch (const std::exception &) {
                             // The preview then stays empty; an exception must not cross Qt's event code.
                         }
                     });
    platform::ui().showModal(&dialog);
}

void TablePrinter::pageSetup(QWidget *parent)
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(m_printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Seite einrichten"));
    platform::ui().showModal(&dialog);
}
