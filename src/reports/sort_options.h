#pragma once
// The list order of the racer lists and the field order of a sorted start
// list, kept under "OptSrt": "SrtBy" holds "LST" (by name), "PTS" (by
// points), "BIB" (by bib) or "OTH" (by chosen fields); "SrtByFirst" holds
// the table-sort order of the chosen fields.
//
// The sort order addresses the sort table of the lists: column 1 nation
// or division, 2 club, 3 category, 4 group, 5 birth year ("3-A,1-D,...").

#include <optional>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// The field a start list sorted by fields is grouped by: the first of the
// chosen sort order. The run-2 order reverses its top racers inside each
// group, the groups in the list's order.
struct ListGroup {
    int field = -1;           // racer field; -1 when the lists are not sorted by fields
    bool descending = false;
    std::string caption;      // the field's column heading ("CAT")
};
ListGroup StartListGroup(const AppContext& ctx);

// The form's fields, by letter, in the order of their sort-table columns.
inline constexpr std::string_view kSortFieldLetters = "NCDGB";

std::string LoadSortBy(const AppContext& ctx);
void SaveSortBy(AppContext& ctx, const std::string& code);
std::string LoadSortSpec(const AppContext& ctx);
void SaveSortSpec(AppContext& ctx, const std::string& order);

struct SortRank {
    int rank = 0;         // 1..5; 0 not set
    char direction = 'A';  // 'A' or 'D'
};

// The sort order of five ranked fields, in rank order; nullopt unless
// every field has a different rank from 1 to 5.
std::optional<std::string> SortSpecFromRanks(const SortRank (&ranks)[5]);

// Rank and direction per field; refuses to close with "Must Set Field
// Order of ALL Fields" until each has its own rank. nullopt when cancelled.
std::optional<std::string> SortOrderForm(AppContext& ctx, Operator& op);

// The choice of order; "OTH" goes on to the field order form. The chosen
// code is saved, and the fields' sort order with it (cleared for the
// others). False when cancelled.
bool SortOptionsForm(AppContext& ctx, Operator& op);

}  // namespace skitally
