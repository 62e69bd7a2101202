// One fuzz input for the table file loader.
#include "TableFuzzOne.h"

#include "infozoom/TableData.h"
#include "infozoom/TableFile.h"

#include <QByteArray>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Works the loaded table the way a user would: select a value per attribute, zoom, go back.
void exercise(TableData &table)
{
    for (AttributeNodeData *node : table.flatList())
        if (node->column && node->column->distinctCount() > 1)
            table.setCodeSelected(node, node->column->distinctCount() - 1, true);
    const size_t selected = table.selectedRows().size();
    if (table.zoom())
        check(table.viewRows().size() == selected);
    table.goBack();
    check(table.viewRows().size() == table.liveRowCount());
    for (uint32_t row : table.viewRows())
        for (AttributeNodeData *node : table.flatList())
            if (node->column)
                TableData::displayText(node, node->column->codeAt(row));
}

} // namespace

void fuzzTableFile(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size > 0 && (data[0] & 1) == 0)
        bytes = TableFile::envelope(bytes.mid(1));
    TableData table;
    QString reason;
    if (!TableFile::decode(bytes, table, &reason)) {
        check(!reason.isEmpty());
        return;
    }
    const QByteArray saved = TableFile::encode(table);
    TableData again;
    check(TableFile::decode(saved, again, &reason));
    check(again.liveRowCount() == table.liveRowCount());
    check(again.flatList().size() == table.flatList().size());
    // Huge row counts with no cell data are legal but only slow the search down.
    if (table.liveRowCount() <= 100'000)
        exercise(table);
}
