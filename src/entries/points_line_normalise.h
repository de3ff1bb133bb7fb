#pragma once
// One racer of a points list, from its source columns to the normalised
// racer line: name split, division and nation, birth year, category,
// gender, points and code rules, then the checks.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "entries/points_list_kinds.h"

namespace skitally {

// A racer's values by logical column, Windows-1252 bytes.
using RacerColumns = std::array<std::string, kLogicalColumnCount>;

// The mapped fields of a delimited line, trimmed. With `zeroNeedsCompanion`
// (printed FIS lists) a points value "0" stays only when the second field
// after it is "1".
RacerColumns ColumnsFromFields(const std::vector<std::string>& fields, const ColumnMap& map,
                               bool zeroNeedsCompanion);
RacerColumns ColumnsFromFixedLine(std::string_view line, const ColumnMap& map);
// A SKITPTS or OLDPTS record. Its code goes to column 6, or to column 18
// in a ski-cross race (these lists are alpine lists). Code 0 is no code;
// negative or unreadable points are no points.
RacerColumns ColumnsFromRecord(std::string_view record, const FixedRecordLayout& layout, bool skiCrossRace);

// The code of a SKITPTS or OLDPTS record.
std::int32_t RecordCode(std::string_view record, const FixedRecordLayout& layout);

// The list's code column moves to the other-code column (ski-cross race
// reading an alpine list).
void MoveCodeToOtherCode(ColumnMap& map);

struct NormaliseRules {
    bool splitDivision = false;  // division present, nation absent, kind allows it
    bool hasFullName = false;
    bool dropCodePrefixC = false;  // "REGOLD" and "REGACA"
    bool calculateCategory = false;
    std::string raceLevel;  // "REC" for a recreational race
    int year = 0;           // today, for the birth-year pivot and the season
    int month = 0;
    char listGender = 'B';
    // Where the list's own code went: column 6, or column 18 when a
    // ski-cross race reads an alpine list. A gender taken from the code
    // reads it there.
    int listCodeColumn = col::kCode;
};

// What stops a racer: the text id of the message, its placeholder and the
// offending value.
struct LineProblem {
    int textId;
    const char* placeholder;
    std::string value;
};

// Applies every rule in place; a failed check comes back as a problem.
std::optional<LineProblem> NormaliseRacer(RacerColumns& racer, const NormaliseRules& rules);

// The list gender must be asked before this racer can be normalised.
bool NeedsListGender(const RacerColumns& racer, char listGender);

// Fields 1-18 in UTF-8 joined by `separator`. A separator inside a value
// becomes a blank, so the line always splits into 18 fields.
std::string ComposeRacerLine(const RacerColumns& racer, std::string_view separator);

}  // namespace skitally
