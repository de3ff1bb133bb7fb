#pragma once
// The pick table "PickRacers": the last imported points list, one row per
// racer, from which racers are picked into a race. It lives in the per-user
// database beside the settings. "Nam" + "Crd" is unique.

#include <optional>
#include <string>
#include <vector>

#include "util/status.h"

struct sqlite3;

namespace skitally {

struct PickRacer {
    std::string nam;  // last name, blank, first name (40)
    std::string nat;  // nation (5)
    std::string clb;  // division or club (5)
    std::string cat;  // category (3)
    std::string crd;  // racer code (7)
    std::string gdr;  // gender (1)
    std::string byr;  // birth year (4)
    // Points per discipline; -1 when the list gives none.
    float pDH = -1, pSL = -1, pGS = -1, pSG = -1, pSC = -1, pSX = -1;
    std::string rSX;  // ski-cross rank (10)
    float pKK = -1;
    std::string grp;   // group (10)
    std::string crd2;  // the code of the other discipline family (10)
};

// One row from the normalised racer line of the points-list reader (18
// fields joined by `separator`). Field lengths are cut to the columns'.
PickRacer PickRacerFromLine(const std::string& line, const std::string& separator);

Status CreatePickTable(sqlite3* db);
// Replaces the whole table in one transaction: either every row of the new
// list is there afterwards or the old list is left as it was. A second row
// with the same name and code replaces the first.
Status ReplacePickTable(sqlite3* db, const std::vector<PickRacer>& racers);
// Rows in name order.
Status ReadPickTable(sqlite3* db, std::vector<PickRacer>& racers);
std::optional<PickRacer> FindPickRacer(sqlite3* db, const std::string& name, const std::string& code);

}  // namespace skitally
