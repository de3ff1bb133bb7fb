#pragma once
// The blocks page 1 of a start list carries above its columns: the jury
// and technical data, the per-run course data of a two-run race and the
// forerunners. Lines are Windows-1252 bytes.
//
// Labels start at column 1 and their values at column 21; the technical
// data and the second run start at column 43.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "racefile/course_file.h"
#include "racefile/jury_file.h"

namespace skitally {

constexpr int kBlockValueColumn = 21;
constexpr int kBlockRightColumn = 43;

// "JURY:" and "TECHNICAL DATA:", then up to ten rows. The TD candidate's
// row only with the jury option "OptTD" at "YES"; FIS races leave out the
// jury rows from the start referee on (their technical values stay).
std::vector<std::string> JuryBlock(const AppContext& ctx, const JuryData& jury, bool fis, bool tdCandidate);

// "1ST RUN" and "2ND RUN" over the course setters, gates and start times.
std::vector<std::string> RunBlock(const AppContext& ctx, const CourseData& course, bool skiCross);

// "FORERUNNERS:" with one forerunner a line; the second run's beside the
// first's in a two-run race.
std::vector<std::string> ForerunnerBlock(const AppContext& ctx, const CourseData& course, bool twoRuns);

// The jury option "OptTD" of section "OptJry" is "YES".
bool TdCandidateOption(const AppContext& ctx);

}  // namespace skitally
