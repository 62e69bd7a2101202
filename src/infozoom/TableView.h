// The view of a table: a virtual grid that paints only the visible cells of the current view, with
// the attribute header (and a band for folders) on top. Mouse and keyboard select values, zoom,
// exclude, mark, step through the zoom history and sort; the context menu holds the attribute
// commands. Failures of a command are shown in a message box through the UI services.
#pragma once

#include "AttributeCommands.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QFontMetrics>
#include <map>
#include <memory>
#include <vector>

class InfoZoomTable;
class QMenu;
struct AttributeNodeData;

class TableView : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableView)

public:
    TableView(InfoZoomTable *table, QWidget *parent = nullptr);
    ~TableView() override;

    int columnCount() const { return int(m_columns.size()); }
    AttributeNodeData *columnAttribute(int column) const { return m_columns.at(size_t(column)).node; }
    // The rectangle of a cell (row of the view, column of the header) in viewport coordinates.
    QRect cellRect(int viewRow, int column) const;
    QRect headerRect(int column) const;
    // "n von m Objekten, k ausgewählt": what the view holds.
    QString rowCountText() const;
    // The context menu for a viewport position (the caller owns it; tests trigger its actions): on a
    // folder band the folder's commands, on a column the attribute's.
    std::unique_ptr<QMenu> contextMenuAt(const QPoint &pos);
    // False: the user's commands on the table (context menu, zoom, exclude, mark and the zoom history
    // by key, sorting, moving attributes) are refused; values and attributes can still be selected.
    bool commandsEnabled() const { return m_commandsEnabled; }
    void setCommandsEnabled(bool on) { m_commandsEnabled = on; }

signals:
    void rowCountTextChanged(const QString &text);

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    struct Column
    {
        AttributeNodeData *node;
        int x;
        int width;
        QString band; // folder path shown above the name; empty at the top level
    };

    void contentChanged();
    bool catchUp(const QEvent *event);
    void rebuildColumns();
    int defaultWidth(AttributeNodeData *node);
    void updateScrollBars();
    int rowHeight() const;
    int headerHeight() const;
    int rowNumberWidth() const;
    int columnAt(int x) const;
    int resizeHandleAt(const QPoint &pos) const;
    int viewRowAt(int y) const;
    void paintHeader(QPainter &p);
    void paintRows(QPainter &p);
    struct CellStyle
    {
        QFont normal;
        QFont bold;
        QFontMetrics normalMetrics;
        QFontMetrics boldMetrics;
        QColor main;
        QColor selected;
        QColor grid;
        uint32_t currentRow; // the row of the focus frame; UINT32_MAX without focus
    };
    void paintCell(QPainter &p, const QRect &r, const Column &c, int columnIndex, uint32_t row,
                   const QColor &rowBackground, const CellStyle &style);
    void clickCell(int viewRow, int column, bool additive);
    void selectAttribute(int column);
    void toggleSort(int column);
    void dropColumn(int from, const QPoint &pos);
    void ensureCurrentVisible();
    void addTableActions(QMenu &menu);
    void addAttributeActions(QMenu &menu, AttributeNodeData *node);
    void addMoveActions(QMenu &menu, AttributeNodeData *node);
    // Rename and delete of the folder whose band the user clicked.
    void addFolderActions(QMenu &menu, AttributeNodeData *folder);
    // Runs a user command unless commands are refused; a failure becomes a message box, the view
    // stays usable.
    void run(const std::function<void()> &command);
    // Runs a change of the selection, which is taken also while commands are refused.
    void select(const std::function<void()> &change);
    // The same for what changes the selection, the view, the selected attribute or the marks: the
    // program is told afterwards through Notify, so that it can follow.
    void runAndAnnounce(const std::function<void()> &command);
    void selectAndAnnounce(const std::function<void()> &change);
    void announce();

    InfoZoomTable *m_table;
    AttributeCommands m_commands;
    std::vector<Column> m_columns;
    std::map<const AttributeNodeData *, int> m_widths;
    bool m_hasFolders = false;
    int m_pressColumn = -1;
    int m_resizeColumn = -1;
    QPoint m_pressPos;
    bool m_dragging = false;
    int m_currentRow = 0;
    int m_currentColumn = 0;
    bool m_commandsEnabled = true;
};
