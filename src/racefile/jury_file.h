#pragma once
// The jury and technical-data file (".JRY"), 75-byte records:
//
//   columns  1-19  A   second part of the jury entry ("CAN" of "J SMITH - CAN")
//           20-21      blanks
//           22-40  C   first part of the jury entry, or the whole entry
//           41-42      blanks
//           43-58  E   technical value, run 1 (or the only course)
//           59         blank
//           60-75  G   technical value, run 2
//
// The jury screen lists its fields row by row: row n shows jury slot n
// (field 3n-2) and the run-1 and run-2 values of technical row n (fields
// 3n-1 and 3n). Record n holds row n. Every jury slot keeps its record
// whether or not the screen shows it (the TD candidate only with the
// TD-candidate option, the assistant referee only in D, SG, SC and AC), so
// a role never moves and the file reads the same whatever the options; a
// hidden slot is written blank. The "OTHER OFFICIALS" heading is no field
// and has no record. The file always holds the ten jury rows:
//
//   record  jury slot            technical row
//     1     technical delegate   name of course
//     2     TD candidate         start elevation
//     3     chief of race        finish elevation
//     4     referee              vertical drop
//     5     assistant referee    length
//     6     chief of course      homologation
//     7     start referee        codex number
//     8     finish referee       -
//     9     race administrator   -
//    10     chief of timing      -
//
// Older files have "NAME OF COURSE:" in column E of record 1: there E held
// the label and G the only value, read as run 1 with run 2 blank.

#include <array>
#include <string>
#include <string_view>

#include "app/race_data.h"
#include "util/status.h"

namespace skitally {

constexpr int kJuryRecordLength = 75;

// Screen labels.
int JurySlotTextId(JurySlot slot);
int TechnicalRowTextId(TechnicalRow row);
// Whether the screen shows the slot for these options.
bool JurySlotShown(JurySlot slot, bool tdCandidateOption, std::string_view discipline);

// One record from jury slot n and technical row n (either may be absent
// past the end of its list: pass empty texts).
std::string ComposeJuryRecord(std::string_view juryEntry, const TechnicalValues& technical);

Status ReadJuryFile(const std::string& path, JuryData& jury);
Status WriteJuryFile(const std::string& path, const JuryData& jury);

}  // namespace skitally
