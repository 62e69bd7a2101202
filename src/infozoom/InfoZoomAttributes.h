// One level of a table's attribute tree (the table's top level, or a folder's entries).
// A handle: it follows the level as it changes.
#pragma once

#include <QString>
#include <memory>

class InfoZoomAttribute;
class InfoZoomAttributeNode;
struct AttributeNodeData;

class InfoZoomAttributes
{
public:
    InfoZoomAttributes() = default;
    explicit InfoZoomAttributes(std::shared_ptr<AttributeNodeData> folder) : m_folder(std::move(folder)) {}

    bool isNull() const { return !m_folder; }
    int Count() const;
    // Entry 0 .. Count - 1 (error 9 outside).
    InfoZoomAttributeNode Item(int index) const;
    // Appends a new attribute to this level; the second argument (a definition text) is not used
    // and must be empty.
    InfoZoomAttribute Add(const QString &name, const QString &definition = QString());
    // Appends a new folder to this level.
    InfoZoomAttributeNode AddFolder(const QString &name);

private:
    AttributeNodeData &folder() const;

    std::shared_ptr<AttributeNodeData> m_folder;
};
