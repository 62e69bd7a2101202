// The source of an activities transfer: records read in one call each, and the contacts the current
// activity is scheduled with.
#pragma once

#include "RecordSource.h"

#include <QString>

namespace records {

class ActivitySource : public RecordSource
{
public:
    // The first contact (12-character ID) the current activity is scheduled with; "" when none.
    virtual QString FirstScheduledWith() = 0;
    // The next one after FirstScheduledWith or the previous NextScheduledWith; "" after the last.
    virtual QString NextScheduledWith() = 0;
};

} // namespace records
