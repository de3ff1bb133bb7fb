#pragma once
// "LOAD &CSV FORMATTED RUN TIMES": any comma-separated file whose bib,
// time and status columns the operator names. None of the Kronex file's
// checks can be made, and the operator is warned so.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// load-csv RACE [FILE] [bib=N time=N status=N]: without FILE the file is
// chosen in a dialog, without the numbers they are asked in a form. True
// when the times were written.
bool LoadCsvCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

} // namespace skitally
