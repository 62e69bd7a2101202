// The content of one table: value selection, view, zoom history, marks and the query text.
#include "TableData.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

namespace {

// Conditions with more values than this are summarised instead of listing every value.
constexpr size_t ListedValues = 5;

QString quoted(const AttributeNodeData *attribute, uint32_t code)
{
    const QString text = TableData::displayText(attribute, code);
    if (attribute->column->isNumber(code))
        return text;
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString attributeCondition(const AttributeNodeData *attribute, bool negated)
{
    const auto &codes = attribute->selectedCodes;
    const QString op = negated ? QStringLiteral(" <> ") : QStringLiteral(" = ");
    if (codes.size() == 1)
        return attribute->name + op + quoted(attribute, codes.front());
    if (codes.size() > ListedValues)
        return attribute->name + (negated ? QStringLiteral(" ist keiner von ") : QStringLiteral(" ist einer von ")) +
               QString::number(codes.size()) + QStringLiteral(" Werten");
    QStringList parts;
    for (uint32_t code : codes)
        parts << attribute->name + op + quoted(attribute, code);
    return QLatin1Char('(') + parts.join(negated ? QStringLiteral(" UND ") : QStringLiteral(" ODER ")) +
           QLatin1Char(')');
}

} // namespace

std::optional<uint32_t> TableData::heldCode(const AttributeNodeData *attribute, const QVariant &value)
{
    const std::optional<uint32_t> code = attribute->column->find(value);
    if (!code)
        return std::nullopt;
    // The dictionary keeps the values of deleted rows, and every row starts with the empty value.
    const ValueColumn::RowRange range = attribute->column->rowsOf(*code, m_rowSlots);
    if (std::none_of(range.begin, range.end, [this](uint32_t row) { return isAlive(row); }))
        return std::nullopt;
    return code;
}

void TableData::setCodeSelected(AttributeNodeData *attribute, uint32_t code, bool selected)
{
    if (code >= attribute->column->distinctCount() || attribute->isCodeSelected(code) == selected)
        return;
    if (attribute->selectedFlags.size() <= code)
        attribute->selectedFlags.resize(attribute->column->distinctCount(), 0);
    attribute->selectedFlags[code] = selected ? 1 : 0;
    auto &codes = attribute->selectedCodes;
    if (selected) {
        codes.push_back(code);
        if (codes.size() == 1)
            m_selectedAttributes.push_back(attribute);
    } else {
        codes.erase(std::find(codes.begin(), codes.end(), code));
        if (codes.empty())
            m_selectedAttributes.erase(std::find(m_selectedAttributes.begin(), m_selectedAttributes.end(), attribute));
    }
    touch();
}

void TableData::resetSelection()
{
    for (AttributeNodeData *attribute : m_selectedAttributes) {
        attribute->selectedCodes.clear();
        attribute->selectedFlags.clear();
    }
    m_selectedAttributes.clear();
    touch();
}

bool TableData::isRowSelected(uint32_t row)
{
    if (m_selectedAttributes.empty() || !isInView(row))
        return false;
    for (const AttributeNodeData *attribute : m_selectedAttributes)
        if (!attribute->isCodeSelected(attribute->column->codeAt(row)))
            return false;
    return true;
}

std::vector<uint32_t> TableData::selectedRows()
{
    std::vector<uint32_t> result;
    if (m_selectedAttributes.empty())
        return result;
    const std::vector<uint32_t> &view = viewRows();
    // A small selection is gathered from the posting lists of its narrowest attribute; a wide one
    // is filtered along the view.
    const AttributeNodeData *narrowest = nullptr;
    size_t candidates = SIZE_MAX;
    for (const AttributeNodeData *attribute : m_selectedAttributes) {
        size_t n = 0;
        for (uint32_t code : attribute->selectedCodes) {
            auto range = attribute->column->rowsOf(code, m_rowSlots);
            n += size_t(range.end - range.begin);
        }
        if (n < candidates) {
            candidates = n;
            narrowest = attribute;
        }
    }
    if (candidates * 8 >= view.size() || m_sortAttribute) {
        for (uint32_t row : view)
            if (isRowSelected(row))
                result.push_back(row);
        return result;
    }
    for (uint32_t code : narrowest->selectedCodes) {
        auto range = narrowest->column->rowsOf(code, m_rowSlots);
        for (const uint32_t *r = range.begin; r != range.end; ++r)
            if (isRowSelected(*r))
                result.push_back(*r);
    }
    // Without a sort order the view runs in slot order.
    std::sort(result.begin(), result.end());
    return result;
}

std::vector<uint32_t> TableData::selectedValueCodes(const AttributeNodeData *attribute)
{
    std::vector<uint32_t> result;
    if (m_selectedAttributes.empty() || !attribute->column)
        return result;
    if (m_selectedAttributes.size() == 1 && m_selectedAttributes.front() == attribute) {
        // Picked in the attribute itself: the picked values keep the order they were picked in (the
        // group lookup makes the last one current in ACT!); a value without a row in the view selects
        // nothing and is left out.
        for (uint32_t code : attribute->selectedCodes) {
            if (code == ValueColumn::EmptyCode)
                continue;
            const ValueColumn::RowRange range = attribute->column->rowsOf(code, m_rowSlots);
            if (std::any_of(range.begin, range.end, [this](uint32_t row) { return isInView(row); }))
                result.push_back(code);
        }
        return result;
    }
    const std::vector<uint32_t> rows = selectedRows();
    const std::vector<uint32_t> &codes = attribute->column->codes();
    std::vector<uint8_t> seen(attribute->column->distinctCount(), 0);
    for (uint32_t row : rows) {
        const uint32_t code = row < codes.size() ? codes[row] : ValueColumn::EmptyCode;
        if (code != ValueColumn::EmptyCode && !seen[code]) {
            seen[code] = 1;
            result.push_back(code);
        }
    }
    return result;
}

const std::vector<uint32_t> &TableData::viewRows()
{
    if (m_viewValid && m_inView.size() == m_rowSlots)
        return m_viewRows;
    m_viewRows.clear();
    const ViewStep &step = m_history[m_historyPos];
    if (step.all) {
        m_viewRows.reserve(m_liveRows);
        for (uint32_t row = 0; row < m_rowSlots; ++row)
            if (isAlive(row))
                m_viewRows.push_back(row);
    } else {
        for (uint32_t row : step.rows)
            if (isAlive(row))
                m_viewRows.push_back(row);
    }
    if (m_sortAttribute)
        sortViewRows();
    m_inView.assign(m_rowSlots, 0);
    for (uint32_t row : m_viewRows)
        m_inView[row] = 1;
    m_viewValid = true;
    return m_viewRows;
}

void TableData::sortViewRows()
{
    // Ranks are dense, so a counting sort orders the view in linear time; rows of equal rank keep
    // their order in both directions.
    const ValueColumn &column = *m_sortAttribute->column;
    const std::vector<uint32_t> &ranks = column.ranks();
    const uint32_t last = uint32_t(ranks.size()) - 1;
    auto bucket = [&](uint32_t row) {
        const uint32_t rank = ranks[column.codeAt(row)];
        return m_sortAscending ? rank : last - rank;
    };
    std::vector<uint32_t> starts(ranks.size() + 1, 0);
    for (uint32_t row : m_viewRows)
        ++starts[bucket(row) + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::vector<uint32_t> sorted(m_viewRows.size());
    for (uint32_t row : m_viewRows)
        sorted[starts[bucket(row)]++] = row;
    m_viewRows = std::move(sorted);
}

bool TableData::isInView(uint32_t row)
{
    viewRows();
    return row < m_inView.size() && m_inView[row];
}

void TableData::mark()
{
    const std::vector<uint32_t> rows = selectedRows();
    if (rows.empty())
        return;
    if (m_markedRows.size() < m_rowSlots)
        m_markedRows.resize(m_rowSlots, 0);
    for (uint32_t row : rows)
        m_markedRows[row] = 1;
    touch();
}

void TableData::clearMarks()
{
    m_markedRows.clear();
    touch();
}

void TableData::setMarkedRowFlags(std::vector<uint8_t> flags)
{
    m_markedRows = std::move(flags);
    touch();
}

void TableData::pushStep(std::vector<uint32_t> rows, QString condition)
{
    std::sort(rows.begin(), rows.end());
    m_history.resize(m_historyPos + 1);
    m_history.push_back(ViewStep{false, std::move(rows), std::move(condition)});
    ++m_historyPos;
    invalidateView();
}

bool TableData::zoom()
{
    std::vector<uint32_t> rows = selectedRows();
    if (rows.empty())
        return false;
    pushStep(std::move(rows), selectionText(false));
    resetSelection();
    return true;
}

bool TableData::exclude()
{
    const std::vector<uint32_t> selected = selectedRows();
    if (selected.empty())
        return false;
    std::vector<uint8_t> drop(m_rowSlots, 0);
    for (uint32_t row : selected)
        drop[row] = 1;
    std::vector<uint32_t> rows;
    rows.reserve(viewRows().size() - selected.size());
    for (uint32_t row : viewRows())
        if (!drop[row])
            rows.push_back(row);
    pushStep(std::move(rows), selectionText(true));
    resetSelection();
    return true;
}

void TableData::goBack()
{
    if (!canGoBack())
        return;
    --m_historyPos;
    invalidateView();
    touch();
}

void TableData::goForward()
{
    if (!canGoForward())
        return;
    ++m_historyPos;
    invalidateView();
    touch();
}

void TableData::showAll()
{
    m_history.assign(1, ViewStep{});
    m_historyPos = 0;
    invalidateView();
    touch();
}

QString TableData::queryText() const
{
    QStringList parts;
    for (size_t i = 1; i <= m_historyPos; ++i)
        parts << m_history[i].condition;
    return parts.join(QStringLiteral(" UND "));
}

QString TableData::selectionText(bool negated) const
{
    // The selected attributes in the order of the attribute list.
    std::vector<const AttributeNodeData *> attributes;
    for (const AttributeNodeData *node : flatList())
        if (node->type == AttributeNodeData::Attribute && node->hasSelection())
            attributes.push_back(node);
    QStringList parts;
    for (const AttributeNodeData *attribute : attributes)
        parts << attributeCondition(attribute, negated && attributes.size() == 1);
    if (negated && attributes.size() > 1)
        return QStringLiteral("NICHT (") + parts.join(QStringLiteral(" UND ")) + QLatin1Char(')');
    return parts.join(QStringLiteral(" UND "));
}

void TableData::sortBy(AttributeNodeData *attribute, bool ascending)
{
    m_sortAttribute = attribute && attribute->column && attribute->table == this ? attribute : nullptr;
    m_sortAscending = ascending;
    invalidateView();
    touch();
}
