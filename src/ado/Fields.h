// The columns of a recordset, by 0-based position in the query's column order.
#pragma once

#include "ado/Field.h"

#include <vector>

namespace ado {

class Fields final
{
public:
    int Count() const { return int(m_fields.size()); }
    // Error 3265 for a position outside 0 .. Count - 1.
    const Field &Item(int index) const;
    const Field &operator[](int index) const { return Item(index); }

private:
    friend class Recordset;
    std::vector<Field> m_fields;
};

} // namespace ado
