// Error numbers of the automation transport, as the program's callers test them.
#pragma once

namespace actserver {

// An exception inside the automation server (RPC_E_SERVERFAULT, &H80010105).
constexpr long kServerFault = -2147417851L;
// The server has gone away or does not answer (RPC_S_SERVER_UNAVAILABLE, &H800706BA).
constexpr long kServerUnavailable = -2147023174L;
// The application object cannot be created: no server runs (VB error 429).
constexpr long kCannotCreateObject = 429;

// ACT! error codes the stand-in gives (the table of ACTOLEErrorText).
namespace ActError {
constexpr int Success = 0;
constexpr int InvalidParameter = -1999;
constexpr int DBNotOpen = -7;
constexpr int OpenFailed = -79;
constexpr int InvalidId = -92;
constexpr int InvalidField = -98;
constexpr int DataDeleted = -495;
constexpr int NoMoreData = 2;
constexpr int NoData = 3;
} // namespace ActError

} // namespace actserver
