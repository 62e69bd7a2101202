// The content of one table: the attribute tree, the rows with their dictionary-encoded values, the
// value selection, the view with its zoom history and sort order, and the marked rows. QtCore only;
// the table object, the view and the table files work on it.
//
// Rows live in slots numbered from 0 in the order they were added. A deleted row leaves its slot
// empty until the table is emptied or loaded anew (that bumps `generation()`), so the row handles
// that callers hold while walking a set stay valid and a deleted row is recognised.
#pragma once

#include "AttributeNodeData.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TableData
{
public:
    TableData();
    ~TableData();
    TableData(const TableData &) = delete;
    TableData &operator=(const TableData &) = delete;

    // Called after every change (cheap; the table object coalesces the repaints).
    void setChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }
    // While muted, changes only count in `revision()`: the table object mutes the listener once it
    // knows the view is behind (display off), so a fill of millions of values calls nobody.
    void setListenerMuted(bool muted) { m_listenerMuted = muted; }
    quint64 revision() const { return m_revision; }

    // --- attribute tree ---
    AttributeNodeData *root() const { return m_root.get(); }
    // Every entry in tree order (a folder comes before its entries).
    const std::vector<AttributeNodeData *> &flatList() const;
    int flatIndexOf(const AttributeNodeData *node) const;
    static std::shared_ptr<AttributeNodeData> shared(AttributeNodeData *node) { return node->shared_from_this(); }
    // Appends to a folder's entries (index -1) or inserts at index.
    std::shared_ptr<AttributeNodeData> addNode(AttributeNodeData *folder, AttributeNodeData::Type type,
                                               const QString &name, int index = -1);
    // Removes an entry (with everything inside a folder) from the table.
    void removeNode(AttributeNodeData *node);
    // Moves an entry into a folder at index (-1: at its end); refuses to move a folder into itself.
    bool moveNode(AttributeNodeData *node, AttributeNodeData *folder, int index);
    void nodeChanged() { touch(); }

    // --- rows and values ---
    uint32_t rowSlots() const { return m_rowSlots; }
    uint32_t liveRowCount() const { return m_liveRows; }
    bool isAlive(uint32_t row) const { return row < m_rowSlots && (m_dead.empty() || !m_dead[row]); }
    quint64 generation() const { return m_generation; }
    uint32_t addRow();
    // Appends n empty rows at once (loading).
    void addRows(uint32_t n);
    void deleteRow(uint32_t row);
    void deleteAllRows();
    void setValue(AttributeNodeData *attribute, uint32_t row, const QVariant &value);
    // Puts whose dictionary look-up waits (see ValueColumn::put).
    void putText(AttributeNodeData *attribute, uint32_t row, const QString &text)
    {
        attribute->column->put(row, text);
        valuePut(attribute);
    }
    void putWhole(AttributeNodeData *attribute, uint32_t row, qint64 whole)
    {
        attribute->column->putWhole(row, whole);
        valuePut(attribute);
    }
    void putNumber(AttributeNodeData *attribute, uint32_t row, double number)
    {
        attribute->column->putNumber(row, number);
        valuePut(attribute);
    }
    // Looks up every waiting put, all attributes at once.
    void settleValues();
    void setCode(AttributeNodeData *attribute, uint32_t row, uint32_t code)
    {
        attribute->column->setCode(row, code);
        if (attribute == m_sortAttribute)
            invalidateView();
        touch();
    }
    QVariant value(const AttributeNodeData *attribute, uint32_t row) const;
    // Empties the whole table: attributes, rows, selection, history, marks.
    void clearAll();
    // The table object is gone: every handle still held reports error 91 from now on.
    void close();
    // Takes over the attributes and rows of a freshly loaded table; the old entries leave the table.
    void adopt(TableData &loaded);

    // --- selection (OR within an attribute, AND across attributes) ---
    // The code of a value that a row of the table holds in the attribute; none for a value no row
    // holds, the empty value included (rows without a value do not make it one to select).
    std::optional<uint32_t> heldCode(const AttributeNodeData *attribute, const QVariant &value);
    void setCodeSelected(AttributeNodeData *attribute, uint32_t code, bool selected);
    void resetSelection();
    bool hasSelection() const { return !m_selectedAttributes.empty(); }
    const std::vector<AttributeNodeData *> &selectedAttributes() const { return m_selectedAttributes; }
    // A row of the current view that satisfies the selection.
    bool isRowSelected(uint32_t row);
    // The selected rows in view order.
    std::vector<uint32_t> selectedRows();
    // The distinct values (codes) an attribute holds in the selected rows: what the selection stands
    // for in that attribute, whichever attribute the user picked the values in. In the order of their
    // first row in the view; values picked in the attribute itself (and nowhere else) in the order they
    // were picked. Empty without a selection. The empty value is never among them: these values are
    // keys that link rows to other tables and records, and a row without a key links to nothing.
    std::vector<uint32_t> selectedValueCodes(const AttributeNodeData *attribute);

    // --- view ---
    // The rows of the current view in view order.
    const std::vector<uint32_t> &viewRows();
    bool isInView(uint32_t row);
    bool canMark() { return hasSelection() && !selectedRows().empty(); }
    void mark();
    bool isRowMarked(uint32_t row) const { return row < m_markedRows.size() && m_markedRows[row]; }
    void clearMarks();
    const std::vector<uint8_t> &markedRowFlags() const { return m_markedRows; }
    void setMarkedRowFlags(std::vector<uint8_t> flags);
    // View := selected rows; nothing happens (false) without selected rows. The selection is reset.
    bool zoom();
    bool canExclude() { return canMark(); }
    // View := view minus selected rows; the selection is reset.
    bool exclude();
    bool canGoBack() const { return m_historyPos > 0; }
    bool canGoForward() const { return m_historyPos + 1 < m_history.size(); }
    void goBack();
    void goForward();
    // Back to the whole table, forgetting the history.
    void showAll();
    // The conditions that led to the current view, joined by " UND "; empty for the whole table.
    QString queryText() const;
    // The condition the current selection stands for (the text a zoom would record).
    QString selectionText(bool negated) const;

    void sortBy(AttributeNodeData *attribute, bool ascending);
    const AttributeNodeData *sortAttribute() const { return m_sortAttribute; }
    bool sortAscending() const { return m_sortAscending; }

    // Display text of a value under its attribute's format.
    static QString displayText(const AttributeNodeData *attribute, uint32_t code);
    // Bytes held per row beyond the distinct values (codes, posting lists, row flags, view).
    size_t rowBytes() const;

private:
    struct ViewStep
    {
        bool all = true;
        std::vector<uint32_t> rows; // slot order
        QString condition;
    };

    void touch();
    std::vector<ValueColumn *> valueColumns(bool onlyWithPuts) const;
    void startSettlingValues();
    void valuePut(AttributeNodeData *attribute)
    {
        if (attribute == m_sortAttribute)
            invalidateView();
        touch();
    }
    void structureChanged();
    void invalidateView() { m_viewValid = false; }
    // Orders m_viewRows by the sort attribute.
    void sortViewRows();
    void dropFromSelection(AttributeNodeData *node);
    void detachTree(AttributeNodeData *node);
    void pushStep(std::vector<uint32_t> rows, QString condition);

    std::shared_ptr<AttributeNodeData> m_root;
    mutable std::vector<AttributeNodeData *> m_flat;
    mutable bool m_flatValid = false;

    uint32_t m_rowSlots = 0;
    uint32_t m_rowsSinceSettle = 0;
    uint32_t m_liveRows = 0;
    std::vector<uint8_t> m_dead;
    quint64 m_generation = 1;

    std::vector<AttributeNodeData *> m_selectedAttributes;
    std::vector<uint8_t> m_markedRows;

    std::vector<ViewStep> m_history;
    size_t m_historyPos = 0;
    AttributeNodeData *m_sortAttribute = nullptr;
    bool m_sortAscending = true;
    bool m_viewValid = false;
    std::vector<uint32_t> m_viewRows;
    std::vector<uint8_t> m_inView;

    std::function<void()> m_listener;
    bool m_listenerMuted = false;
    quint64 m_revision = 0;
};
