// An entry of a table's attribute list as callers see it: an attribute (NodeType 1) or a folder
// (NodeType 2). A handle: copies refer to the same entry, and holding one is safe while the table
// changes; once the entry has left its table (deleted, table emptied or loaded anew, table gone),
// every member but isNull() raises error 91.
#pragma once

#include <QString>
#include <memory>

class InfoZoomAttributes;
struct AttributeNodeData;

class InfoZoomAttributeNode
{
public:
    // The empty handle ("Nothing").
    InfoZoomAttributeNode() = default;
    explicit InfoZoomAttributeNode(std::shared_ptr<AttributeNodeData> node) : m_node(std::move(node)) {}

    bool isNull() const { return !m_node; }
    explicit operator bool() const { return !isNull(); }
    bool operator==(const InfoZoomAttributeNode &other) const { return m_node == other.m_node; }
    bool operator!=(const InfoZoomAttributeNode &other) const { return m_node != other.m_node; }

    QString Name() const;
    void setName(const QString &name);
    // 1 attribute, 2 folder.
    int NodeType() const;
    // The attribute the user picked last in the view (at most one per table).
    bool Selected() const;
    void setSelected(bool selected);
    // A folder's own entries; an attribute has none (error 438).
    InfoZoomAttributes Attributes() const;
    QString ImportName() const;
    void setImportName(const QString &name);

    // Still part of a table.
    bool isAttached() const;
    AttributeNodeData *data() const { return m_node.get(); }

protected:
    // The entry, or error 91 when the handle is empty or the entry left its table.
    AttributeNodeData &node() const;

    std::shared_ptr<AttributeNodeData> m_node;
};
