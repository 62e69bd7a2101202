// A set of rows: every row of the table (Objects), the selected rows of the view (SelectedObjects)
// or the rows of the view in view order (CurrentObjects). Walked by Reset, then Count times
// NextObject. The rows are taken when the set is made and again at each Reset, so deleting the
// row just visited does not disturb the walk; Count of the whole table counts its rows now.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <memory>
#include <vector>

class InfoZoomObject;
class TableData;

class InfoZoomObjects
{
public:
    enum class Kind { All, Selected, Current };

    InfoZoomObjects(std::shared_ptr<TableData> data, Kind kind);

    void Reset();
    int Count() const;
    // The next row of the walk; the empty handle after the last one.
    InfoZoomObject NextObject();
    // Adds a new row to the table (at the end of every set) and returns it.
    InfoZoomObject Add();

private:
    void take();

    std::shared_ptr<TableData> m_data;
    Kind m_kind;
    std::vector<uint32_t> m_rows;
    size_t m_next = 0;
    quint64 m_generation = 0;
};
