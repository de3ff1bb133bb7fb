#pragma once
// Report files that a new start list or a change of the draw makes wrong
// are deleted, so a stale report is never printed.

#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/operator.h"
#include "util/file_transaction.h"

namespace skitally {

// The files whose presence makes the operator confirm, and those deleted.
inline constexpr std::string_view kRun1DependentCodes = "RN1,RN2,RC1,RC2,TRN,CLC,UFC,SD2,SD3,SD6,SD7,OFC";
inline constexpr std::string_view kDrawDependentCodes = "DRW,RN1,RN2,RC1,RC2,TRN,CLC,UFC,SD2,SD3,SD6,SD7,OFC";
inline constexpr std::string_view kRun1ListCodes = "RN1,RC1";
inline constexpr std::string_view kRun2ListCodes = "RN2,RC2,TRN";

// Deletes the race's file of each comma-separated code that exists; a file
// in use or missing is passed over. "CLC" also resets the calculation
// marker to "0" and "SNS" clears the snow-seed flag; the race status file
// is rewritten at once when either changed.
// False, after telling the operator, when the disk refused.
bool DeleteReportFiles(AppContext& ctx, Operator& op, std::string_view codes);
// The same deletions and status-file rewrite added to `change`, so that they
// happen together with the rest of it; the flags in `ctx` are changed at
// once, and the caller puts them back when the change fails.
void AddReportDeletions(AppContext& ctx, std::string_view codes, FileTransaction& change);

// Whether the race has a file of any of the codes.
bool AnyReportExists(const AppContext& ctx, std::string_view codes);

// Before the run-1 start list is made again: "REPRINTING the Run1 Start
// List  will FORCE You to RE-CREATE ALL Reports" when later reports exist;
// continuing deletes them. False when the operator cancelled.
bool ConfirmRun1Reprint(AppContext& ctx, Operator& op);

// Before a change of the draw: "Making Draw Changes will FORCE You to
// RE-CREATE ALL Reports" when later reports exist. Nothing is deleted
// yet: the draw deletes them (kDrawDependentCodes) when it changes a
// record, so a draw that is declined later leaves them. False when the
// operator cancelled: the draw must not go on.
bool ConfirmDrawChanges(AppContext& ctx, Operator& op);

}  // namespace skitally
