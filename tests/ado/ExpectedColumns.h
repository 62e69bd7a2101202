// Test helper: compares the fields of a recordset with the expected names, ADO types and scales.
#pragma once

#include "ado/Recordset.h"

#include <gtest/gtest.h>
#include <vector>

namespace adotest {

struct ExpectedColumn
{
    const char *name;
    ado::DataTypeEnum type;
    int scale;
};

inline void expectColumns(const ado::Recordset &rs, const std::vector<ExpectedColumn> &expected)
{
    ASSERT_EQ(rs.Fields().Count(), int(expected.size()));
    for (int i = 0; i < rs.Fields().Count(); ++i) {
        const ado::Field &field = rs.Fields().Item(i);
        EXPECT_EQ(field.Name(), QLatin1String(expected[i].name));
        EXPECT_EQ(field.Type(), expected[i].type) << expected[i].name;
        EXPECT_EQ(field.NumericScale(), expected[i].scale) << expected[i].name;
    }
}

} // namespace adotest
