#pragma once
// Checks on open: files that cannot be what they claim are named to the
// operator before anything reads them, never opened silently. A racer file
// whose size is not a whole number of records, records that do not end
// where a record ends (a byte inserted or lost shifts every later one),
// positions that are not numbers, names of NUL bytes, numbers no racer can
// have, and a header that is not text.

#include <string>
#include <vector>

#include "app/app_context.h"

namespace skitally {

enum class DamageKind { PartialRecord, RecordNotEnded, NotANumber, NulName, ImpossibleNumber, HeaderNotText };

struct RaceFileDamage {
    DamageKind kind;
    std::string file;
    int record = 0;     // 1-based; the header's record for HeaderNotText
    std::string field;  // the field's name, where one is at fault
    std::string value;  // the bytes found, or the size of a partial record
};

// What is wrong with the race's racer file and header, racer file first.
std::vector<RaceFileDamage> CheckRaceFiles(const RaceState& race);

// One line naming the file, the record and the fault, in the operator's language.
std::string DamageText(const AppContext& ctx, const RaceFileDamage& damage);

}  // namespace skitally
