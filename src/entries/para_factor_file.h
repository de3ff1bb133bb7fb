#pragma once
// The factor table of a para event: read from a comma-separated factor
// file (a header line naming the columns, then one class a line) and kept
// beside the race as a small SQLite file ("FAC") with the table "Factors".

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/status.h"

namespace skitally {

// The columns every factor file must name; "Class" is the key.
inline constexpr std::array<std::string_view, 5> kFactorColumns = {"Class", "DH", "SL", "GS", "SG"};
// The factor columns in that order, after the key.
inline constexpr int kFactorColumnCount = 4;

struct FactorRow {
    std::string klass;                                  // the class (a racer's group)
    std::array<std::string, kFactorColumnCount> factors;  // DH, SL, GS, SG as written
};

enum class FactorRefusal { None, Empty, MissingKey, MissingFields };

struct FactorFileRead {
    FactorRefusal refusal = FactorRefusal::None;
    std::vector<FactorRow> rows;  // in file order, each class once
};

// The rows of a factor file's text. Header names are compared in upper
// case and may come in any order; other columns are passed over. An empty
// field is kept as one blank, as the table stores it; a row without a
// class is passed over, and the first row of a class wins. The missing key
// is named before the other missing fields: without it nothing could be
// looked up at all.
FactorFileRead ReadFactorText(std::string_view text);

// Class → factor row, as the lookups use it.
using FactorTable = std::map<std::string, std::array<std::string, kFactorColumnCount>>;
FactorTable MakeFactorTable(const std::vector<FactorRow>& rows);

// The bytes of the "FAC" file holding `rows`: the table "Factors" with one
// text column per required name and the unique index "PrimaryKey" on
// "Class". Built in memory so that it is written with the racers it goes
// with, in one change.
Status FactorFileBytes(const std::vector<FactorRow>& rows, std::string& bytes);

// The table of a "FAC" file; nullopt when the file is missing or unreadable.
std::optional<FactorTable> ReadFactorDatabase(const std::string& path);

// The factor column of a discipline: "D"/"DH" → 0 (DH), "S"/"SL" → 1,
// "G"/"GS" → 2, "SG" → 3; nullopt for the others.
std::optional<int> FactorColumnOf(std::string_view discipline);
// Its name ("DH", ...), or "" for a discipline without one.
std::string GetFactorDisc(std::string_view discipline);

// The factor of `klass` in `column`: nullopt when the class is unknown or
// its field holds no positive number.
std::optional<double> FactorOf(const FactorTable& table, std::string_view klass, int column);

}  // namespace skitally
