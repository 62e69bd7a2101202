// The view of a table.
#include "TableView.h"

#include "InfoZoomTable.h"
#include "TableData.h"
#include "platform/UiServices.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int MinColumnWidth = 30;
constexpr int MaxDefaultWidth = 220;
constexpr int ResizeGrip = 4;
constexpr int SampleRows = 30;

QString folderPath(const AttributeNodeData *node)
{
    QString path;
    for (const AttributeNodeData *p = node->parent; p && p->parent; p = p->parent)
        path = path.isEmpty() ? p->name : p->name + QStringLiteral(" / ") + path;
    return path;
}

QString grouped(qint64 n)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(n);
}

} // namespace

TableView::TableView(InfoZoomTable *table, QWidget *parent)
    : QAbstractScrollArea(parent), m_table(table), m_commands(*table)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setMouseTracking(true);
    connect(table, &InfoZoomTable::contentChanged, this, &TableView::contentChanged);
    connect(table, &InfoZoomTable::appearanceChanged, this, &TableView::contentChanged);
    contentChanged();
}

TableView::~TableView() = default;

int TableView::rowHeight() const
{
    return fontMetrics().height() + 4;
}

int TableView::headerHeight() const
{
    if (!m_table->DisplayOptionT())
        return 0;
    return rowHeight() * (m_hasFolders ? 2 : 1) + 2;
}

int TableView::rowNumberWidth() const
{
    if (!m_table->DisplayOptionE())
        return 0;
    return fontMetrics().horizontalAdvance(grouped(qMax<qint64>(m_table->data()->rowSlots(), 100))) + 10;
}

int TableView::defaultWidth(AttributeNodeData *node)
{
    // From the name and the first rows of the view; a width the user dragged is kept instead.
    const std::vector<uint32_t> &rows = m_table->data()->viewRows();
    int w = fontMetrics().horizontalAdvance(node->name);
    for (size_t i = 0; i < rows.size() && i < size_t(SampleRows); ++i)
        w = qMax(w, fontMetrics().horizontalAdvance(TableData::displayText(node, node->column->codeAt(rows[i]))));
    return qBound(MinColumnWidth * 2, w + 16, MaxDefaultWidth);
}

void TableView::rebuildColumns()
{
    TableData &data = *m_table->data();
    std::map<const AttributeNodeData *, int> widths;
    m_columns.clear();
    m_hasFolders = false;
    int x = 0;
    for (AttributeNodeData *node : data.flatList()) {
        if (node->type != AttributeNodeData::Attribute)
            continue;
        auto known = m_widths.find(node);
        const int w = known != m_widths.end() ? known->second : defaultWidth(node);
        if (known != m_widths.end())
            widths[node] = w;
        const QString band = folderPath(node);
        m_hasFolders = m_hasFolders || !band.isEmpty();
        m_columns.push_back(Column{node, x, w, band});
        x += w;
    }
    m_widths = std::move(widths);
    m_currentColumn = qBound(0, m_currentColumn, qMax(0, columnCount() - 1));
}

void TableView::updateScrollBars()
{
    const int rows = m_table->DisplayOptionA() ? int(m_table->data()->viewRows().size()) : 0;
    const int total = m_columns.empty() ? 0 : m_columns.back().x + m_columns.back().width;
    const int bodyH = qMax(0, viewport()->height() - headerHeight());
    const int bodyW = qMax(0, viewport()->width() - rowNumberWidth());
    verticalScrollBar()->setSingleStep(rowHeight());
    verticalScrollBar()->setPageStep(qMax(rowHeight(), bodyH - rowHeight()));
    verticalScrollBar()->setRange(0, qMax(0, rows * rowHeight() - bodyH));
    horizontalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setPageStep(qMax(20, bodyW));
    horizontalScrollBar()->setRange(0, qMax(0, total - bodyW));
}

void TableView::contentChanged()
{
    rebuildColumns();
    updateScrollBars();
    m_currentRow = qBound(0, m_currentRow, qMax(0, int(m_table->data()->viewRows().size()) - 1));
    emit rowCountTextChanged(rowCountText());
    viewport()->update();
}

QString TableView::rowCountText() const
{
    TableData &data = *m_table->data();
    const qint64 shown = qint64(data.viewRows().size());
    const qint64 all = data.liveRowCount();
    QString text = shown == all ? grouped(all) + (all == 1 ? QStringLiteral(" Objekt") : QStringLiteral(" Objekte"))
                                : QStringLiteral("%1 von %2 Objekten").arg(grouped(shown), grouped(all));
    if (data.hasSelection())
        text += QStringLiteral(", %1 ausgewählt").arg(grouped(qint64(data.selectedRows().size())));
    return text;
}

QRect TableView::cellRect(int viewRow, int column) const
{
    const Column &c = m_columns.at(size_t(column));
    return QRect(rowNumberWidth() + c.x - horizontalScrollBar()->value(),
                 headerHeight() + viewRow * rowHeight() - verticalScrollBar()->value(), c.width, rowHeight());
}

QRect TableView::headerRect(int column) const
{
    const Column &c = m_columns.at(size_t(column));
    const int top = m_hasFolders ? rowHeight() : 0;
    return QRect(rowNumberWidth() + c.x - horizontalScrollBar()->value(), top, c.width, headerHeight() - top);
}

int TableView::columnAt(int x) const
{
    const int content = x - rowNumberWidth() + horizontalScrollBar()->value();
    if (x < rowNumberWidth())
        return -1;
    for (int i = 0; i < columnCount(); ++i)
        if (content >= m_columns[size_t(i)].x && content < m_columns[size_t(i)].x + m_columns[size_t(i)].width)
            return i;
    return -1;
}

int TableView::resizeHandleAt(const QPoint &pos) const
{
    if (pos.y() >= headerHeight())
        return -1;
    for (int i = 0; i < columnCount(); ++i)
        if (qAbs(headerRect(i).right() - pos.x()) <= ResizeGrip)
            return i;
    return -1;
}

int TableView::viewRowAt(int y) const
{
    if (y < headerHeight() || !m_table->DisplayOptionA())
        return -1;
    const int row = (y - headerHeight() + verticalScrollBar()->value()) / rowHeight();
    return row < int(m_table->data()->viewRows().size()) ? row : -1;
}

// The columns point into the table's attribute tree, and a change of the tree reaches the view through
// the event queue. A paint forced in between (a status text repaints at once) or a click must not
// use attributes that are gone: the view takes the change first. While the display is off the view
// shows nothing current, so clicks and keys wait until it is back.
bool TableView::catchUp(const QEvent *event)
{
    if (!m_table->viewBehind())
        return true;
    if (m_table->displayEnabled()) {
        m_table->catchUpView();
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::ContextMenu:
    case QEvent::Wheel:
    case QEvent::Paint:
        return false;
    default:
        return true;
    }
}

bool TableView::event(QEvent *event)
{
    if (!catchUp(event))
        return true;
    return QAbstractScrollArea::event(event);
}

bool TableView::viewportEvent(QEvent *event)
{
    if (!catchUp(event))
        return true;
    return QAbstractScrollArea::viewportEvent(event);
}

void TableView::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().base());
    if (m_table->DisplayOptionA())
        paintRows(p);
    paintHeader(p);
    if (m_columns.empty()) {
        p.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        p.drawText(viewport()->rect().adjusted(0, headerHeight(), 0, 0), Qt::AlignCenter,
                   QStringLiteral("Die Tabelle ist leer."));
    }
}

void TableView::paintHeader(QPainter &p)
{
    const int h = headerHeight();
    if (h == 0)
        return;
    const QColor main = m_table->color(0);
    const QColor ink = main.lightness() > 140 ? Qt::black : Qt::white;
    p.fillRect(QRect(0, 0, viewport()->width(), h), main);
    QFont bold = font();
    bold.setBold(true);
    const TableData &data = *m_table->data();
    for (int i = 0; i < columnCount(); ++i) {
        const Column &c = m_columns[size_t(i)];
        const QRect r = headerRect(i);
        if (r.right() < 0 || r.left() > viewport()->width())
            continue;
        if (m_hasFolders && !c.band.isEmpty() && (i == 0 || m_columns[size_t(i) - 1].band != c.band)) {
            int right = i;
            while (right + 1 < columnCount() && m_columns[size_t(right) + 1].band == c.band)
                ++right;
            const QRect band(r.left(), 0, headerRect(right).right() - r.left(), rowHeight());
            p.fillRect(band.adjusted(1, 1, -1, -1), main.darker(130));
            p.setPen(ink);
            p.drawText(band.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       fontMetrics().elidedText(c.band, Qt::ElideRight, band.width() - 8));
        }
        if (c.node->selected)
            p.fillRect(r.adjusted(1, 1, -1, -1), main.lighter(150));
        p.setFont(c.node->selected ? bold : font());
        p.setPen(c.node->selected ? QColor(Qt::black) : ink);
        QString name = c.node->name;
        if (data.sortAttribute() == c.node)
            name += data.sortAscending() ? QStringLiteral(" \u25B2") : QStringLiteral(" \u25BC");
        p.drawText(r.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(p.font()).elidedText(name, Qt::ElideRight, r.width() - 8));
        p.setPen(main.darker(150));
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    }
    p.setFont(font());
    if (rowNumberWidth() > 0)
        p.fillRect(QRect(0, 0, rowNumberWidth(), h), m_table->color(5));
}

void TableView::paintRows(QPainter &p)
{
    TableData &data = *m_table->data();
    const std::vector<uint32_t> &rows = data.viewRows();
    const int rh = rowHeight();
    const int first = verticalScrollBar()->value() / rh;
    const int last = qMin(int(rows.size()) - 1, first + (viewport()->height() - headerHeight()) / rh + 1);
    // Fonts, metrics and colours are looked up once per paint, not per cell.
    QFont bold = font();
    bold.setBold(true);
    const CellStyle style{font(),
                          bold,
                          QFontMetrics(font()),
                          QFontMetrics(bold),
                          m_table->color(0),
                          m_table->color(1),
                          m_table->color(4),
                          hasFocus() && m_currentRow < int(rows.size()) ? rows[size_t(m_currentRow)] : UINT32_MAX};
    const QColor base = palette().color(QPalette::Base);
    // Colour 2 tints every second row lightly, so that the stronger colours stay readable.
    const QColor tint = m_table->color(2);
    const QColor alternate =
        QColor::fromRgb((tint.red() + 255 * 2) / 3, (tint.green() + 255 * 2) / 3, (tint.blue() + 255 * 2) / 3);
    const QColor marked = m_table->color(3);
    const int numberW = rowNumberWidth();
    p.setClipRect(QRect(0, headerHeight(), viewport()->width(), viewport()->height()));
    for (int r = first; r <= last; ++r) {
        const uint32_t row = rows[size_t(r)];
        const QColor background = data.isRowMarked(row) ? marked : (r % 2 ? alternate : base);
        QColor rowBackground = background;
        if (data.isRowSelected(row))
            rowBackground = QColor::fromRgb((background.red() + style.selected.red()) / 2,
                                            (background.green() + style.selected.green()) / 2,
                                            (background.blue() + style.selected.blue()) / 2);
        for (int i = 0; i < columnCount(); ++i) {
            const QRect cell = cellRect(r, i);
            if (cell.right() < numberW || cell.left() > viewport()->width())
                continue;
            paintCell(p, cell, m_columns[size_t(i)], i, row, rowBackground, style);
        }
        if (numberW > 0) {
            const QRect numberCell(0, headerHeight() + r * rh - verticalScrollBar()->value(), numberW, rh);
            p.fillRect(numberCell, m_table->color(5));
            p.setPen(Qt::black);
            p.drawText(numberCell.adjusted(2, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, grouped(r + 1));
        }
    }
    p.setClipping(false);
}

void TableView::paintCell(QPainter &p, const QRect &r, const Column &c, int columnIndex, uint32_t row,
                          const QColor &rowBackground, const CellStyle &style)
{
    const ValueColumn &column = *c.node->column;
    const uint32_t code = column.codeAt(row);
    const bool valueSelected = c.node->isCodeSelected(code);
    const bool flagged = column.isMarked(code);
    p.fillRect(r, valueSelected ? style.selected : rowBackground);
    p.setPen(style.grid);
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    if (flagged) {
        // A flagged value (e.g. one without partner in the other table) gets the main colour's frame.
        p.setPen(QPen(style.main, 2));
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
    if (row == style.currentRow && columnIndex == m_currentColumn) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    const QString text = TableData::displayText(c.node, code);
    if (text.isEmpty())
        return;
    const bool bold = flagged || valueSelected;
    p.setFont(bold ? style.bold : style.normal);
    p.setPen(Qt::black);
    // Drawn at a base line: the rectangle form of drawText lays the text out as a paragraph, which
    // costs several times more per cell.
    const QFontMetrics &metrics = bold ? style.boldMetrics : style.normalMetrics;
    const QRect area = r.adjusted(4, 0, -5, 0);
    int width = metrics.horizontalAdvance(text);
    const QString shown = width <= area.width() ? text : metrics.elidedText(text, Qt::ElideRight, area.width());
    if (shown.size() != text.size())
        width = metrics.horizontalAdvance(shown);
    const int x = column.isNumber(code) ? area.right() + 1 - width : area.left();
    const int baseline = area.top() + (area.height() + metrics.ascent() - metrics.descent()) / 2;
    p.drawText(QPoint(x, baseline), shown);
    if (bold)
        p.setFont(style.normal);
}

void TableView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TableView::clickCell(int viewRow, int column, bool additive)
{
    TableData &data = *m_table->data();
    AttributeNodeData *node = m_columns.at(size_t(column)).node;
    const uint32_t code = node->column->codeAt(data.viewRows()[size_t(viewRow)]);
    if (additive) {
        data.setCodeSelected(node, code, !node->isCodeSelected(code));
    } else {
        data.resetSelection();
        data.setCodeSelected(node, code, true);
    }
    m_currentRow = viewRow;
    m_currentColumn = column;
    selectAttribute(column);
}

void TableView::selectAttribute(int column)
{
    InfoZoomAttributeNode(m_columns.at(size_t(column)).node->shared_from_this()).setSelected(true);
}

void TableView::toggleSort(int column)
{
    TableData &data = *m_table->data();
    AttributeNodeData *node = m_columns.at(size_t(column)).node;
    const bool ascending = data.sortAttribute() != node || !data.sortAscending();
    data.sortBy(node, ascending);
}

void TableView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    m_pressPos = pos;
    m_dragging = false;
    m_resizeColumn = resizeHandleAt(pos);
    if (m_resizeColumn >= 0)
        return;
    const int column = columnAt(pos.x());
    if (column < 0)
        return;
    if (pos.y() < headerHeight()) {
        m_pressColumn = column;
        return;
    }
    const int row = viewRowAt(pos.y());
    if (row >= 0)
        selectAndAnnounce([&] { clickCell(row, column, event->modifiers() & Qt::ControlModifier); });
}

void TableView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_resizeColumn >= 0) {
        m_widths[m_columns[size_t(m_resizeColumn)].node] =
            qMax(MinColumnWidth, pos.x() - headerRect(m_resizeColumn).left());
        contentChanged();
        return;
    }
    viewport()->setCursor(resizeHandleAt(pos) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
    if (m_pressColumn >= 0 && !m_dragging && m_commandsEnabled &&
        (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragging = true;
        viewport()->setCursor(Qt::ClosedHandCursor);
        m_commands.beginMove();
    }
}

void TableView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_pressColumn >= 0) {
        const int from = m_pressColumn;
        m_pressColumn = -1;
        if (m_dragging)
            run([&] { dropColumn(from, pos); });
        else
            selectAndAnnounce([&] { selectAttribute(from); });
    }
    m_dragging = false;
    m_resizeColumn = -1;
    viewport()->setCursor(Qt::ArrowCursor);
}

void TableView::dropColumn(int from, const QPoint &pos)
{
    const int target = columnAt(pos.x());
    if (target < 0 || target == from)
        return;
    AttributeNodeData *moving = m_columns[size_t(from)].node;
    AttributeNodeData *anchor = m_columns[size_t(target)].node;
    const auto &siblings = anchor->parent->children;
    int index = 0;
    while (siblings[size_t(index)].get() != anchor)
        ++index;
    if (pos.x() > headerRect(target).center().x())
        ++index;
    m_commands.move(InfoZoomAttributeNode(moving->shared_from_this()),
                    anchor->parent->parent ? InfoZoomAttributeNode(anchor->parent->shared_from_this())
                                           : InfoZoomAttributeNode(),
                    index);
}

void TableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const int column = columnAt(pos.x());
    if (column >= 0 && pos.y() < headerHeight())
        runAndAnnounce([&] { toggleSort(column); });
}

void TableView::ensureCurrentVisible()
{
    const int top = m_currentRow * rowHeight();
    const int bodyH = viewport()->height() - headerHeight();
    if (top < verticalScrollBar()->value())
        verticalScrollBar()->setValue(top);
    else if (top + rowHeight() > verticalScrollBar()->value() + bodyH)
        verticalScrollBar()->setValue(top + rowHeight() - bodyH);
    viewport()->update();
}

void TableView::keyPressEvent(QKeyEvent *event)
{
    const int rows = int(m_table->data()->viewRows().size());
    const int page = qMax(1, (viewport()->height() - headerHeight()) / rowHeight() - 1);
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        runAndAnnounce([this] { m_table->Zoom(); });
        return;
    case Qt::Key_Delete:
        runAndAnnounce([this] { m_table->Exclude(); });
        return;
    case Qt::Key_M:
        runAndAnnounce([this] { m_table->Mark(); });
        return;
    case Qt::Key_Escape:
        selectAndAnnounce([this] { m_table->ResetSelection(); });
        return;
    case Qt::Key_Backspace:
        runAndAnnounce([this] { m_table->ZoomBack(); });
        return;
    case Qt::Key_Space:
        if (rows > 0 && columnCount() > 0)
            selectAndAnnounce(
                [&] { clickCell(m_currentRow, m_currentColumn, event->modifiers() & Qt::ControlModifier); });
        return;
    case Qt::Key_Left:
        if (alt)
            runAndAnnounce([this] { m_table->ZoomBack(); });
        else
            m_currentColumn = qMax(0, m_currentColumn - 1);
        break;
    case Qt::Key_Right:
        if (alt)
            runAndAnnounce([this] { m_table->ZoomForward(); });
        else
            m_currentColumn = qMin(qMax(0, columnCount() - 1), m_currentColumn + 1);
        break;
    case Qt::Key_Up:
        m_currentRow = qMax(0, m_currentRow - 1);
        break;
    case Qt::Key_Down:
        m_currentRow = qMin(qMax(0, rows - 1), m_currentRow + 1);
        break;
    case Qt::Key_PageUp:
        m_currentRow = qMax(0, m_currentRow - page);
        break;
    case Qt::Key_PageDown:
        m_currentRow = qMin(qMax(0, rows - 1), m_currentRow + page);
        break;
    case Qt::Key_Home:
        m_currentRow = 0;
        break;
    case Qt::Key_End:
        m_currentRow = qMax(0, rows - 1);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    ensureCurrentVisible();
}

void TableView::run(const std::function<void()> &command)
{
    if (m_commandsEnabled)
        select(command);
}

void TableView::select(const std::function<void()> &change)
{
    try {
        change();
    } catch (...) {
        platform::ReportFailure(std::current_exception());
    }
}

void TableView::runAndAnnounce(const std::function<void()> &command)
{
    if (m_commandsEnabled)
        selectAndAnnounce(command);
}

void TableView::selectAndAnnounce(const std::function<void()> &change)
{
    select(change);
    announce();
}

void TableView::announce()
{
    // Also after a failure: part of the change may have taken effect.
    m_table->notifyCommand(QStringLiteral("Command"), QString::fromLatin1(InfoZoomTable::SelectionCommand), QString());
}

void TableView::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    if (!m_commandsEnabled)
        return;
    std::unique_ptr<QMenu> menu = contextMenuAt(event->pos());
    menu->exec(event->globalPos());
}

std::unique_ptr<QMenu> TableView::contextMenuAt(const QPoint &pos)
{
    auto menu = std::make_unique<QMenu>(this);
    const int column = columnAt(pos.x());
    const int row = viewRowAt(pos.y());
    if (column >= 0 && row >= 0 && !m_table->data()->hasSelection())
        selectAndAnnounce([&] { clickCell(row, column, false); });
    addTableActions(*menu);
    if (column >= 0) {
        menu->addSeparator();
        AttributeNodeData *node = m_columns[size_t(column)].node;
        // The band above the names stands for the folder the attribute lies in.
        if (m_hasFolders && pos.y() < rowHeight() && node->parent && node->parent->parent)
            addFolderActions(*menu, node->parent);
        else
            addAttributeActions(*menu, node);
    }
    return menu;
}

void TableView::addFolderActions(QMenu &menu, AttributeNodeData *folder)
{
    const InfoZoomAttributeNode entry(folder->shared_from_this());
    menu.addAction(QStringLiteral("Ordner umbenennen..."), this, [this, entry] {
        run([&] {
            QString name = entry.Name();
            if (platform::ui().inputBox(QStringLiteral("Neuer Name des Ordners:"), QStringLiteral("Ordner umbenennen"),
                                        name, &name) &&
                !name.trimmed().isEmpty())
                m_commands.rename(entry, name.trimmed());
        });
    });
    menu.addAction(QStringLiteral("Ordner löschen"), this, [this, entry] {
        run([&] {
            const QString question =
                QStringLiteral("Soll der Ordner \"%1\" mit allen Attributen darin gelöscht werden?").arg(entry.Name());
            if (platform::ui().msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
                platform::MsgAnswer::Yes)
                m_commands.remove(entry);
        });
    });
}

void TableView::addTableActions(QMenu &menu)
{
    TableData &data = *m_table->data();
    auto add = [&](const QString &text, const QKeySequence &keys, bool enabled, std::function<void()> f) {
        QAction *a = menu.addAction(text, this, [this, f] { runAndAnnounce(f); });
        a->setShortcut(keys);
        a->setEnabled(enabled);
    };
    const bool rows = data.canMark();
    add(QStringLiteral("Zoomen"), Qt::Key_Return, rows, [this] { m_table->Zoom(); });
    add(QStringLiteral("Ausschließen"), Qt::Key_Delete, rows, [this] { m_table->Exclude(); });
    add(QStringLiteral("Markieren"), Qt::Key_M, rows, [this] { m_table->Mark(); });
    add(QStringLiteral("Markierungen aufheben"), {}, !data.markedRowFlags().empty(), [this] { m_table->ClearMarks(); });
    add(QStringLiteral("Auswahl aufheben"), Qt::Key_Escape, data.hasSelection(), [this] { m_table->ResetSelection(); });
    menu.addSeparator();
    add(QStringLiteral("Zurück"), Qt::Key_Backspace, data.canGoBack(), [this] { m_table->ZoomBack(); });
    add(QStringLiteral("Vor"), QKeySequence(Qt::AltModifier | Qt::Key_Right), data.canGoForward(),
        [this] { m_table->ZoomForward(); });
    add(QStringLiteral("Alle Objekte zeigen"), {}, data.canGoBack(), [this] { m_table->ShowAll(); });
}

void TableView::addAttributeActions(QMenu &menu, AttributeNodeData *node)
{
    const InfoZoomAttribute attribute(node->shared_from_this());
    TableData &data = *m_table->data();
    menu.addAction(QStringLiteral("Aufsteigend sortieren"), this,
                   [this, node] { runAndAnnounce([&] { m_table->data()->sortBy(node, true); }); });
    menu.addAction(QStringLiteral("Absteigend sortieren"), this,
                   [this, node] { runAndAnnounce([&] { m_table->data()->sortBy(node, false); }); });
    menu.addAction(QStringLiteral("Unsortiert"), this,
                   [this] { runAndAnnounce([&] { m_table->data()->sortBy(nullptr, true); }); })
        ->setEnabled(data.sortAttribute() != nullptr);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Attribut umbenennen..."), this, [this, attribute] {
        run([&] {
            QString name = attribute.Name();
            if (platform::ui().inputBox(QStringLiteral("Neuer Name des Attributes:"),
                                        QStringLiteral("Attribut umbenennen"), name, &name) &&
                !name.trimmed().isEmpty())
                m_commands.rename(attribute, name.trimmed());
        });
    });
    menu.addAction(QStringLiteral("Attribut löschen"), this, [this, attribute] {
        run([&] {
            if (platform::ui().msgBox(QStringLiteral("Soll das Attribut \"%1\" gelöscht werden?").arg(attribute.Name()),
                                      platform::MsgIcon::Question,
                                      platform::MsgButtons::YesNo) == platform::MsgAnswer::Yes)
                m_commands.remove(attribute);
        });
    });
    QMenu *insert = menu.addMenu(QStringLiteral("Attribut einfügen"));
    insert->addAction(QStringLiteral("Kopie"), this, [this, attribute] {
        run([&] { m_commands.insertDerived(attribute, AttributeCommands::Derived::Copy); });
    });
    insert->addAction(QStringLiteral("Jahr des Datums"), this, [this, attribute] {
        run([&] { m_commands.insertDerived(attribute, AttributeCommands::Derived::Year); });
    });
    insert->addAction(QStringLiteral("Monat des Datums"), this, [this, attribute] {
        run([&] { m_commands.insertDerived(attribute, AttributeCommands::Derived::Month); });
    });
    QMenu *format = menu.addMenu(QStringLiteral("Format"));
    for (const QString &f : {QString(), QStringLiteral("####"), QStringLiteral("#.###,00"),
                             QStringLiteral("tt.mm.jjjj ss:mm:ss"), QStringLiteral("ss:mm:ss")}) {
        QAction *a = format->addAction(f.isEmpty() ? QStringLiteral("Ohne") : f, this,
                                       [this, attribute, f] { run([&] { m_commands.setFormat(attribute, f); }); });
        a->setCheckable(true);
        a->setChecked(node->format == f);
    }
    addMoveActions(menu, node);
}

void TableView::addMoveActions(QMenu &menu, AttributeNodeData *node)
{
    const InfoZoomAttributeNode entry(node->shared_from_this());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Neuer Ordner..."), this, [this, entry] {
        run([&] {
            QString name = QStringLiteral("Ordner");
            if (platform::ui().inputBox(QStringLiteral("Name des neuen Ordners:"), QStringLiteral("Neuer Ordner"), name,
                                        &name) &&
                !name.trimmed().isEmpty())
                m_commands.createFolder(entry, name.trimmed());
        });
    });
    QMenu *into = menu.addMenu(QStringLiteral("In Ordner verschieben"));
    for (AttributeNodeData *folder : m_table->data()->flatList()) {
        if (folder->type != AttributeNodeData::Folder || folder == node->parent)
            continue;
        const InfoZoomAttributeNode target(folder->shared_from_this());
        QString label = folderPath(folder);
        label = label.isEmpty() ? folder->name : label + QStringLiteral(" / ") + folder->name;
        into->addAction(label, this, [this, entry, target] {
            run([&] {
                m_commands.beginMove();
                m_commands.move(entry, target, -1);
            });
        });
    }
    into->setEnabled(!into->isEmpty());
    if (node->parent && node->parent->parent) {
        AttributeNodeData *folder = node->parent;
        menu.addAction(QStringLiteral("Aus dem Ordner nehmen"), this, [this, entry, folder] {
            run([&] {
                const auto &siblings = folder->parent->children;
                int index = 0;
                while (siblings[size_t(index)].get() != folder)
                    ++index;
                m_commands.beginMove();
                m_commands.move(entry,
                                folder->parent->parent ? InfoZoomAttributeNode(folder->parent->shared_from_this())
                                                       : InfoZoomAttributeNode(),
                                index + 1);
            });
        });
    }
}
