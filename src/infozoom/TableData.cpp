// The content of one table: attribute tree, rows and values.
#include "TableData.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

TableData::TableData() : m_root(std::make_shared<AttributeNodeData>(AttributeNodeData::Folder))
{
    m_root->table = this;
    m_history.push_back(ViewStep{});
}

TableData::~TableData()
{
    detachTree(m_root.get());
}

void TableData::touch()
{
    ++m_revision;
    if (m_listener && !m_listenerMuted)
        m_listener();
}

void TableData::structureChanged()
{
    m_flatValid = false;
    touch();
}

const std::vector<AttributeNodeData *> &TableData::flatList() const
{
    if (m_flatValid)
        return m_flat;
    m_flat.clear();
    std::vector<std::pair<AttributeNodeData *, size_t>> stack{{m_root.get(), 0}};
    while (!stack.empty()) {
        auto &[folder, next] = stack.back();
        if (next == folder->children.size()) {
            stack.pop_back();
            continue;
        }
        AttributeNodeData *node = folder->children[next++].get();
        m_flat.push_back(node);
        if (node->type == AttributeNodeData::Folder)
            stack.emplace_back(node, 0);
    }
    m_flatValid = true;
    return m_flat;
}

int TableData::flatIndexOf(const AttributeNodeData *node) const
{
    const auto &flat = flatList();
    auto it = std::find(flat.begin(), flat.end(), node);
    return it == flat.end() ? -1 : int(it - flat.begin());
}

std::shared_ptr<AttributeNodeData> TableData::addNode(AttributeNodeData *folder, AttributeNodeData::Type type,
                                                      const QString &name, int index)
{
    auto node = std::make_shared<AttributeNodeData>(type);
    node->name = name;
    node->table = this;
    node->parent = folder;
    if (index < 0 || index > int(folder->children.size()))
        folder->children.push_back(node);
    else
        folder->children.insert(folder->children.begin() + index, node);
    structureChanged();
    return node;
}

void TableData::detachTree(AttributeNodeData *node)
{
    node->table = nullptr;
    for (auto &child : node->children)
        detachTree(child.get());
}

void TableData::dropFromSelection(AttributeNodeData *node)
{
    if (node == m_sortAttribute) {
        m_sortAttribute = nullptr;
        invalidateView();
    }
    auto it = std::find(m_selectedAttributes.begin(), m_selectedAttributes.end(), node);
    if (it != m_selectedAttributes.end())
        m_selectedAttributes.erase(it);
    for (auto &child : node->children)
        dropFromSelection(child.get());
}

void TableData::removeNode(AttributeNodeData *node)
{
    if (node == m_root.get() || node->table != this || !node->parent)
        return;
    auto keep = node->shared_from_this();
    dropFromSelection(node);
    auto &siblings = node->parent->children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), keep));
    node->parent = nullptr;
    detachTree(node);
    structureChanged();
}

bool TableData::moveNode(AttributeNodeData *node, AttributeNodeData *folder, int index)
{
    if (node == m_root.get() || node->table != this || folder->table != this ||
        folder->type != AttributeNodeData::Folder)
        return false;
    for (const AttributeNodeData *p = folder; p; p = p->parent)
        if (p == node)
            return false;
    auto keep = node->shared_from_this();
    auto &from = node->parent->children;
    const auto oldPos = std::find(from.begin(), from.end(), keep);
    if (node->parent == folder && index > int(oldPos - from.begin()))
        --index;
    from.erase(oldPos);
    node->parent = folder;
    if (index < 0 || index > int(folder->children.size()))
        folder->children.push_back(keep);
    else
        folder->children.insert(folder->children.begin() + index, keep);
    structureChanged();
    return true;
}

uint32_t TableData::addRow()
{
    // A fill's puts wait in their columns; every few thousand rows worker threads look them up, all
    // columns at once, while this thread goes on filling.
    constexpr uint32_t SettleEvery = 2048;
    if (++m_rowsSinceSettle >= SettleEvery)
        startSettlingValues();
    const uint32_t row = m_rowSlots++;
    ++m_liveRows;
    if (!m_dead.empty())
        m_dead.push_back(0);
    if (m_historyPos == 0)
        invalidateView();
    touch();
    return row;
}

void TableData::addRows(uint32_t n)
{
    m_rowSlots += n;
    m_liveRows += n;
    if (!m_dead.empty())
        m_dead.resize(m_rowSlots, 0);
    if (m_historyPos == 0)
        invalidateView();
    touch();
}

void TableData::deleteRow(uint32_t row)
{
    if (!isAlive(row))
        return;
    if (m_dead.empty())
        m_dead.assign(m_rowSlots, 0);
    m_dead[row] = 1;
    --m_liveRows;
    invalidateView();
    touch();
}

void TableData::deleteAllRows()
{
    for (AttributeNodeData *node : flatList())
        if (node->column) {
            node->column->clear();
            node->selectedCodes.clear();
            node->selectedFlags.clear();
        }
    m_selectedAttributes.clear();
    m_rowSlots = 0;
    m_liveRows = 0;
    m_dead.clear();
    m_markedRows.clear();
    ++m_generation;
    m_history.assign(1, ViewStep{});
    m_historyPos = 0;
    invalidateView();
    touch();
}

std::vector<ValueColumn *> TableData::valueColumns(bool onlyWithPuts) const
{
    std::vector<ValueColumn *> columns;
    for (AttributeNodeData *node : flatList())
        if (node->column && (!onlyWithPuts || node->column->pendingPuts() != 0))
            columns.push_back(node->column.get());
    return columns;
}

void TableData::settleValues()
{
    m_rowsSinceSettle = 0;
    ValueColumn::settleAll(valueColumns(false));
}

void TableData::startSettlingValues()
{
    m_rowsSinceSettle = 0;
    ValueColumn::startSettling(valueColumns(true));
}

void TableData::setValue(AttributeNodeData *attribute, uint32_t row, const QVariant &value)
{
    attribute->column->put(row, value);
    valuePut(attribute);
}

QVariant TableData::value(const AttributeNodeData *attribute, uint32_t row) const
{
    const ValueColumn &column = *attribute->column;
    return column.value(column.codeAt(row));
}

void TableData::clearAll()
{
    m_selectedAttributes.clear();
    m_sortAttribute = nullptr;
    for (auto &child : m_root->children) {
        child->parent = nullptr;
        detachTree(child.get());
    }
    m_root->children.clear();
    m_flatValid = false;
    deleteAllRows();
}

void TableData::close()
{
    m_listener = {};
    detachTree(m_root.get());
    ++m_generation;
}

void TableData::adopt(TableData &loaded)
{
    clearAll();
    m_root->children = std::move(loaded.m_root->children);
    loaded.m_root->children.clear();
    for (auto &child : m_root->children)
        child->parent = m_root.get();
    loaded.m_flatValid = false;
    m_flatValid = false;
    for (AttributeNodeData *node : flatList())
        node->table = this;
    m_rowSlots = loaded.m_rowSlots;
    m_liveRows = loaded.m_liveRows;
    m_dead = std::move(loaded.m_dead);
    m_markedRows = std::move(loaded.m_markedRows);
    invalidateView();
    touch();
}

QString TableData::displayText(const AttributeNodeData *attribute, uint32_t code)
{
    const ValueColumn &column = *attribute->column;
    const ValueColumn::Kind kind = column.kind(code);
    if (kind == ValueColumn::Text)
        return column.text(code);
    static const QLocale german(QLocale::German, QLocale::Germany);
    const QString &format = attribute->format;
    if (format == QLatin1String("#.###,00"))
        return german.toString(column.number(code), 'f', 2);
    if (kind == ValueColumn::Number) {
        if (format == QLatin1String("####")) {
            // Beyond 64 bits (a table file can hold any double) rounding to a whole number would
            // overflow; such a number is whole already and shows with all its digits.
            const double value = column.number(code);
            return std::abs(value) < 9.0e18 ? QString::number(qRound64(value)) : QString::number(value, 'f', 0);
        }
        QString text = german.toString(column.number(code), 'g', 15);
        return text.remove(german.groupSeparator());
    }
    return QString::number(column.whole(code));
}

size_t TableData::rowBytes() const
{
    size_t bytes =
        m_dead.capacity() + m_markedRows.capacity() + m_inView.capacity() + m_viewRows.capacity() * sizeof(uint32_t);
    for (const ViewStep &step : m_history)
        bytes += step.rows.capacity() * sizeof(uint32_t);
    for (AttributeNodeData *node : flatList())
        if (node->column)
            bytes += node->column->rowBytes();
    return bytes;
}
