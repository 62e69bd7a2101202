// A tab list of an ACT! view (notes/history, sales or activities of the current record), as the
// automation object ACTViewTab offers it; implemented in-process and over the session bus.
#pragma once

#include <QString>

namespace actserver {

class ACTViewTab
{
public:
    virtual ~ACTViewTab() = default;
    // The row (from 0) of the record with this unique ID in the list; below 0 when it is not there.
    virtual int GetRowNumber(const QString &uniqueId) = 0;
    // Selects the row; 0 on success.
    virtual int GoTo(int row) = 0;
};

} // namespace actserver
