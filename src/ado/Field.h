// One column of a recordset: its name, ADO type, scale, and its value in the current record.
#pragma once

#include "ado/DataTypeEnum.h"

#include <QString>
#include <QVariant>

namespace ado {

struct RecordsetData;

class Field final
{
public:
    Field(const RecordsetData *data, int index) : m_data(data), m_index(index) {}

    QString Name() const;
    DataTypeEnum Type() const;
    // The decimal places of a decimal or numeric column, 0 for whole numbers, 255 where a scale
    // does not apply (floating point, texts, dates).
    int NumericScale() const;
    int Precision() const;
    // The value in the current record; Null is an invalid QVariant. Error 3021 at EOF.
    QVariant Value() const;

private:
    const RecordsetData *m_data;
    int m_index;
};

} // namespace ado
