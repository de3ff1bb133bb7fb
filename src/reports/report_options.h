#pragma once
// The report options: letters stored under "OptRpt" / "Options", each
// switching a column or a rule of the racer lists and start lists on.

#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// The letters in the order the form shows them.
inline constexpr std::string_view kReportOptionLetters = "NCDGBPSZXY";

struct ReportColumns {
    bool nation = false;     // N: "NAT" in nation-based races, "DIV" otherwise
    bool club = false;       // C: "CLB"
    bool category = false;   // D: "CAT"
    bool group = false;      // G: "GRP", "TEAM" in league races
    bool birthYear = false;  // B: "BYR"
    bool blankIs999 = false;  // P: racers without points show 999.00
    bool seedPoints = false;  // S: "SEED"
    bool zeroCards = false;  // Z: racers carded "0000000" are listed
    bool card = false;       // X: "CODE" / "NO."
    bool gender = false;     // Y: "GEN"
};

ReportColumns ColumnsFromOptions(std::string_view letters);

// The letters of `letters` that are options, each once, in form order.
std::string OrderedOptions(std::string_view letters);

// What a first start stores: the columns of a FIS start list, card number
// and nation. Club, group, birth year and seed points are not FIS output;
// the category is a club-race column.
inline constexpr std::string_view kFirstReportOptions = "NX";

// Stores kFirstReportOptions when the options were never stored; once the
// operator has saved a choice (even no letter at all) it is kept.
void PrepareReportOptions(SettingsStore& store);

std::string LoadReportOptions(const AppContext& ctx);
void SaveReportOptions(AppContext& ctx, std::string_view letters);

// A FIS race, or a series race of series type 1 or 3: nations, not divisions.
bool IsNationBasedRace(const AppContext& ctx);

// The form: one Y / N field per letter in form order. "X" is added to the
// stored letters when it opens, and "G" in league races. False when cancelled.
bool ReportOptionsForm(AppContext& ctx, Operator& op);

// Before a run-1 start list: "Z" on; "Y" only in league races (with "G")
// and in recreational races of both genders. Saved, and returned.
std::string AdjustOptionsForRun1(AppContext& ctx);

}  // namespace skitally
