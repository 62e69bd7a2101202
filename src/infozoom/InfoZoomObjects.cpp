// A set of rows of a table.
#include "InfoZoomObjects.h"

#include "InfoZoomObject.h"
#include "TableData.h"

InfoZoomObjects::InfoZoomObjects(std::shared_ptr<TableData> data, Kind kind) : m_data(std::move(data)), m_kind(kind)
{
    take();
}

void InfoZoomObjects::take()
{
    m_next = 0;
    m_generation = m_data->generation();
    switch (m_kind) {
    case Kind::All:
        m_rows.clear();
        m_rows.reserve(m_data->liveRowCount());
        for (uint32_t row = 0; row < m_data->rowSlots(); ++row)
            if (m_data->isAlive(row))
                m_rows.push_back(row);
        break;
    case Kind::Selected:
        m_rows = m_data->selectedRows();
        break;
    case Kind::Current:
        m_rows = m_data->viewRows();
        break;
    }
}

void InfoZoomObjects::Reset()
{
    take();
}

int InfoZoomObjects::Count() const
{
    if (m_kind == Kind::All)
        return int(m_data->liveRowCount());
    return int(m_rows.size());
}

InfoZoomObject InfoZoomObjects::NextObject()
{
    if (m_generation != m_data->generation())
        return {};
    while (m_next < m_rows.size()) {
        const uint32_t row = m_rows[m_next++];
        if (m_data->isAlive(row))
            return InfoZoomObject(m_data, row);
    }
    return {};
}

InfoZoomObject InfoZoomObjects::Add()
{
    return InfoZoomObject(m_data, m_data->addRow());
}
