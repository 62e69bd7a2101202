// Printing of a table.
#include "TablePrinter.h"

#include "InfoZoomTable.h"
#include "PageSetupDialog.h"
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
#include <functional>
#include <unordered_set>

namespace {

std::vector<AttributeNodeData *> printedAttributes(TableData &data)
{
    std::vector<AttributeNodeData *> result;
    for (AttributeNodeData *node : data.flatList())
        if (node->type == AttributeNodeData::Attribute)
            result.push_back(node);
    return result;
}

// A cell is one line on paper: line breaks and tabs of a value become blanks.
QString cellText(const AttributeNodeData *attribute, uint32_t row)
{
    return TableData::displayText(attribute, attribute->column->codeAt(row)).simplified();
}

// What one cell prints: its text, and whether it is a number, which stands at the column's right
// edge as on screen.
struct PrintedCell
{
    QString text;
    bool number = false;
};

// The widest of the heading and the column's values, but no wider than limit; each distinct value
// is measured once.
int naturalWidth(const AttributeNodeData *attribute, const std::vector<uint32_t> &rows, const QFontMetrics &plain,
                 const QFontMetrics &bold, int limit)
{
    int width = bold.horizontalAdvance(attribute->name.simplified());
    std::unordered_set<uint32_t> measured;
    for (uint32_t row : rows) {
        if (width >= limit)
            break;
        if (measured.insert(attribute->column->codeAt(row)).second)
            width = std::max(width, plain.horizontalAdvance(cellText(attribute, row)));
    }
    return std::max(1, std::min(width, limit));
}

// How the table goes onto paper: the width of each column, the blank between two columns, and the
// columns of each strip of pages. A table wider than the page goes on in further strips, each
// beginning with the first column again so that a row can still be told apart.
struct PageLayout
{
    std::vector<int> widths;
    int gap = 0;
    std::vector<std::vector<size_t>> strips;
};

std::vector<std::vector<size_t>> stripsOf(const std::vector<int> &widths, int gap, int pageWidth)
{
    std::vector<std::vector<size_t>> strips(1);
    int x = 0;
    for (size_t c = 0; c < widths.size(); ++c) {
        // A strip holds at least one column besides the repeated first one, so every column is printed.
        if (strips.back().size() > 1 && x + widths[c] > pageWidth) {
            strips.push_back({0});
            x = widths[0] + gap;
        }
        strips.back().push_back(c);
        x += widths[c] + gap;
    }
    return strips;
}

PageLayout layoutOf(const std::vector<AttributeNodeData *> &attributes, const std::vector<uint32_t> &rows,
                    const QFontMetrics &plain, const QFontMetrics &bold, int pageWidth)
{
    PageLayout layout;
    layout.gap = plain.horizontalAdvance(QStringLiteral("MM"));
    // A long text gets a third of the page, so that the columns beside it still fit.
    const int limit = std::max(pageWidth / 3 - layout.gap, plain.horizontalAdvance(QStringLiteral("MMMM")));
    for (const AttributeNodeData *attribute : attributes)
        layout.widths.push_back(naturalWidth(attribute, rows, plain, bold, limit));
    layout.strips = stripsOf(layout.widths, layout.gap, pageWidth);
    return layout;
}

// Draws one line of cells; a text wider than its column is cut and ends in "…". A text that fits
// by its advance is never cut (the eliding's own measure adds the glyphs' overhang), and the
// overhang may reach into the blank between the columns.
void drawCells(QPainter &painter, const QFontMetrics &fm, const PageLayout &layout, const std::vector<size_t> &strip,
               int y, int lineHeight, const std::function<PrintedCell(size_t)> &cellOf)
{
    int x = 0;
    for (size_t c : strip) {
        const int width = layout.widths[c];
        const PrintedCell cell = cellOf(c);
        const QString &text = cell.text;
        const QRect area = cell.number ? QRect(x - layout.gap / 2, y, width + layout.gap / 2, lineHeight)
                                       : QRect(x, y, width + layout.gap / 2, lineHeight);
        painter.drawText(area, (cell.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
                         fm.horizontalAdvance(text) <= width ? text : fm.elidedText(text, Qt::ElideRight, width));
        x += width + layout.gap;
    }
}

int stripWidth(const PageLayout &layout, const std::vector<size_t> &strip)
{
    int width = 0;
    for (size_t c : strip)
        width += layout.widths[c] + layout.gap;
    return std::max(0, width - layout.gap);
}

void printFailed()
{
    TableErrors::raise(TableErrors::Number(482), QStringLiteral("Der Druck konnte nicht gestartet werden."));
}

// One table printed page by page: all strips of a block of rows, then the next block.
class PageWriter
{
public:
    PageWriter(TableData &data, QPrinter &printer, QPainter &painter)
        : m_printer(printer), m_painter(painter), m_rows(data.viewRows()), m_attributes(printedAttributes(data)),
          m_query(data.queryText())
    {
        QFont font = painter.font();
        font.setPointSizeF(8);
        m_plainFont = font;
        font.setBold(true);
        m_boldFont = font;
        const QFontMetrics plain(m_plainFont, &printer), bold(m_boldFont, &printer);
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        m_width = page.width();
        m_height = page.height();
        m_lineHeight = plain.height() + plain.height() / 4;
        m_layout = layoutOf(m_attributes, m_rows, plain, bold, m_width);
    }

    int write()
    {
        size_t first = 0;
        do {
            const size_t end = std::min(m_rows.size(), first + rowsPerPage(first == 0));
            for (const std::vector<size_t> &strip : m_layout.strips)
                writePage(strip, first, end);
            first = end;
        } while (first < m_rows.size());
        return m_pages;
    }

private:
    size_t rowsPerPage(bool withQuery) const
    {
        const int lines = m_height / m_lineHeight - 2 - (withQuery && !m_query.isEmpty() ? 1 : 0);
        return size_t(std::max(1, lines));
    }

    void writePage(const std::vector<size_t> &strip, size_t first, size_t end)
    {
        if (m_pages++ > 0)
            m_printer.newPage();
        int y = 0;
        m_painter.setFont(m_plainFont);
        if (first == 0 && !m_query.isEmpty()) {
            m_painter.drawText(QRect(0, y, m_width, m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                               QStringLiteral("Abfrage: ") + m_query);
            y += m_lineHeight;
        }
        m_painter.setFont(m_boldFont);
        drawCells(m_painter, QFontMetrics(m_boldFont, &m_printer), m_layout, strip, y, m_lineHeight,
                  [this](size_t c) { return PrintedCell{m_attributes[c]->name.simplified()}; });
        m_painter.setFont(m_plainFont);
        y += m_lineHeight;
        m_painter.drawLine(0, y - 1, std::min(stripWidth(m_layout, strip), m_width), y - 1);
        const QFontMetrics plain(m_plainFont, &m_printer);
        for (size_t r = first; r < end; ++r, y += m_lineHeight)
            drawCells(m_painter, plain, m_layout, strip, y, m_lineHeight, [this, r](size_t c) {
                const AttributeNodeData *attribute = m_attributes[c];
                const uint32_t row = m_rows[r];
                return PrintedCell{cellText(attribute, row),
                                   attribute->column->isNumber(attribute->column->codeAt(row))};
            });
        m_painter.drawText(QRect(0, m_height - m_lineHeight, m_width, m_lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                           QStringLiteral("Seite %1").arg(m_pages));
    }

    QPrinter &m_printer;
    QPainter &m_painter;
    const std::vector<uint32_t> m_rows;
    const std::vector<AttributeNodeData *> m_attributes;
    const QString m_query;
    QFont m_plainFont, m_boldFont;
    int m_width = 0, m_height = 0, m_lineHeight = 1;
    PageLayout m_layout;
    int m_pages = 0;
};

} // namespace

TablePrinter::TablePrinter() = default;
TablePrinter::~TablePrinter() = default;

int TablePrinter::render(InfoZoomTable &table, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        printFailed();
    const int pages = PageWriter(*table.data(), printer, painter).write();
    painter.end();
    return pages;
}

QString TablePrinter::printOut(InfoZoomTable &table, QWidget *parent)
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
            return QString();
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(chosen.first());
        render(table, *m_printer);
        return chosen.first();
    }
    QPrintDialog dialog(m_printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (platform::ui().showModal(&dialog) != QDialog::Accepted)
        return QString();
    render(table, *m_printer);
    return m_printer->outputFileName();
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
    // Qt's page dialog serves only a printer of the system; a printout into a PDF file gets ours.
    if (m_printer->outputFormat() != QPrinter::NativeFormat) {
        PageSetupDialog dialog(m_printer.get(), parent);
        platform::ui().showModal(&dialog);
        return;
    }
    QPageSetupDialog dialog(m_printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Seite einrichten"));
    platform::ui().showModal(&dialog);
}
