// The flat list of every entry of a table's attribute tree in tree order (a folder before its
// entries); entry i is InfoZoomTable::AttributeItem(i).
#pragma once

#include <memory>

class InfoZoomAttributeNode;
class TableData;

class InfoZoomAttributeList
{
public:
    explicit InfoZoomAttributeList(std::shared_ptr<TableData> data) : m_data(std::move(data)) {}

    int Count() const;
    InfoZoomAttributeNode Item(int index) const;

private:
    std::shared_ptr<TableData> m_data;
};
