#pragma once
// The CLI's own look at a racer file: `list RACE [FIELDS]` and `dump RACE N`.

#include <ostream>
#include <string>
#include <vector>

namespace skitally {

// FIELDS: field names or numbers separated by commas, in the order wanted.
int ListRacers(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// Every field of record N, then its bytes in hexadecimal.
int DumpRacer(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skitally
