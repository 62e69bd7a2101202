// Error codes of the ACT! database object that this implementation reports (LastError).
#pragma once

namespace actserver {

namespace ActError {
constexpr long Success = 0;
constexpr long NoMoreData = 2;
constexpr long GeneralError = -1;
constexpr long Unsupported = -2;
constexpr long DBNotOpen = -7;
constexpr long DBAlreadyOpen = -8;
constexpr long InvalidFilename = -50;
constexpr long OpenFailed = -79;
constexpr long IOFailed = -82;
constexpr long DBOpenFailed = -87;
constexpr long DBDataCorrupt = -90;
constexpr long DBSchemaCorrupt = -91;
constexpr long InvalidId = -92;
constexpr long InvalidField = -98;
constexpr long DBAccessDenied = -108;
constexpr long DataDeleted = -495;
} // namespace ActError

} // namespace actserver
