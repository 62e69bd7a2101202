// Reads a column's description and its value in the current record.
#include "ado/Field.h"

#include "ado/AdoError.h"
#include "ado/RecordsetData.h"

namespace ado {

QString Field::Name() const
{
    return m_data->columns[size_t(m_index)].name;
}

DataTypeEnum Field::Type() const
{
    return m_data->columns[size_t(m_index)].type;
}

int Field::NumericScale() const
{
    return m_data->columns[size_t(m_index)].numericScale;
}

int Field::Precision() const
{
    return m_data->columns[size_t(m_index)].precision;
}

QVariant Field::Value() const
{
    if (m_data->position < 0 || m_data->position >= m_data->recordCount)
        raiseNoCurrentRecord();
    return m_data->rows.value(m_index, m_data->position);
}

} // namespace ado
