// Out-of-line destructor that keeps the record base abstract.
#include "RecordClassBase.h"

namespace records {

RecordClassBase::~RecordClassBase() = default;

} // namespace records
