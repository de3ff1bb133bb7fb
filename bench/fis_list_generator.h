#pragma once
// A made-up FIS alpine points list of any size, for measuring the reader
// on a list as large as the real ones.

#include <string>

namespace skitally::bench {

// A comma-separated FIS alpine list ("FISALP" layout, CR LF line ends,
// Windows-1252) of `racers` invented racers: the header line, then per
// racer gender, code, names, birth year, nation and five points values,
// each followed by its two companion fields. Some names carry accents, a
// few are quoted with a comma inside, some points are "---". The same seed
// gives the same bytes.
std::string GenerateFisAlpineList(int racers, unsigned seed = 2026);

}  // namespace skitally::bench
