#pragma once
// The ladder result from the timer: a file of racer records of the racer
// file's layout (".MdL" for men, ".FdL" for women) whose SxPos2 hold each
// racer's places. The places are copied by bib into the race's racers and
// the final ranking is formed, all in one change; a refused file leaves
// the race as it was.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/racer_record.h"

namespace skitally {

// The live racers of the file's whole records; a trailing part of a
// record is no racer.
std::vector<RacerRecord> ReadLadderResult(const std::string& bytes);

// The file's gender mark: the M or F of the extension ".MdL" / ".FdL" (any
// case), with every gender the racers of the file carry agreeing with it;
// without such an extension the racers' one gender. "?" when they
// disagree, empty when nothing tells.
std::string LadderResultGender(const std::string& path, const std::vector<RacerRecord>& racers);

// Some racer of the file holds a place of the first round.
bool HoldsLadderData(const std::vector<RacerRecord>& racers);

// load-ladder RACE [FILE]. True when the race was changed.
bool LoadLadderCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args);

} // namespace skitally
