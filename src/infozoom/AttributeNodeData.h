// One entry of a table's attribute tree: an attribute with its values, or a folder of entries.
// Handles (InfoZoomAttributeNode and friends) share ownership of an entry; the table owns it
// through its parent's children, and `table` is cleared when the entry leaves its table, so a
// handle kept past that is recognised instead of touching freed memory.
#pragma once

#include "ValueColumn.h"

#include <QString>
#include <memory>
#include <vector>

class TableData;

struct AttributeNodeData : std::enable_shared_from_this<AttributeNodeData>
{
    enum Type { Attribute = 1, Folder = 2 };

    explicit AttributeNodeData(Type t) : type(t)
    {
        if (t == Attribute)
            column = std::make_unique<ValueColumn>();
    }

    Type type;
    QString name;
    QString importName;
    QString format;
    int mode = 0;
    bool selected = false;

    TableData *table = nullptr;
    AttributeNodeData *parent = nullptr;
    std::vector<std::shared_ptr<AttributeNodeData>> children; // folders only

    std::unique_ptr<ValueColumn> column; // attributes only
    // The selected values: codes in the order they were selected, and one flag per code.
    std::vector<uint32_t> selectedCodes;
    std::vector<uint8_t> selectedFlags;

    bool isCodeSelected(uint32_t code) const { return code < selectedFlags.size() && selectedFlags[code]; }
    bool hasSelection() const { return !selectedCodes.empty(); }
};
