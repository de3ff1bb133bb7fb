#pragma once
// In-memory table sort shared by reports, ski-cross ladders and league
// reports. It is a gap-halving exchange sort, not a stable sort: the order
// in which rows with equal keys come out is visible in printed reports, so
// the exact pass sequence is part of the contract.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "util/status.h"

namespace skitally {

// A cell is empty, a number or a text.
using SortCell = std::variant<std::monostate, double, std::string>;

// Indexed from 1 in both dimensions; index 0 exists but never takes part in
// comparing or exchanging. Rows (or columns) may be of different lengths:
// a missing cell counts as empty.
using SortTable = std::vector<std::vector<SortCell>>;

struct SortKey {
    int column;      // 1-based; keys with a column below 1 are ignored
    char direction;  // 'A', 'D', or '?' for a direction that is neither
};

// Parses "6-A,3-D"-style sort orders: comma-separated keys of a column
// number, a dash and "A" or "D" (lower case accepted). Blanks around a key
// and around the direction are ignored; a missing or empty direction is
// ascending. Parsing stops at the first empty key, so "6-A, ,3-D" holds one
// key. The column is rounded to the nearest integer, ties to even.
std::vector<SortKey> ParseSortSpec(std::string_view order);

// -1, 0 or 1. Numbers compare numerically, texts byte by byte (so "10"
// comes before "9"), any number before any text; an empty cell counts as 0
// against a number and as "" against a text.
int CompareSortCells(const SortCell& a, const SortCell& b);

// table[row][column]. Whole rows move (columns 1..last). A sort order
// with an unknown direction is refused before anything moves.
Status SortTableRows(SortTable& table, std::string_view order);

// table[column][row]: the layout of ladder and league working tables.
Status SortTableCols(SortTable& table, std::string_view order);

// Sorts list[1..] in place; direction 'A' or 'D' (lower case accepted).
Status SortList(std::vector<SortCell>& list, char direction);

}  // namespace skitally
