#pragma once
// The code tables racer fields use: disciplines, run statuses, card
// numbers, categories and the birth-year forms.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "racefile/racer_record.h"

namespace skitally {

struct DisciplineInfo {
    const char* code;    // as stored
    const char* alias;   // also accepted where typed; "" for none
    int nameId;          // text id of the discipline's name
    int headerNameId;    // text id used in printed headers
    int pointsField;     // the racer field the draw and the calculation read
};

const std::array<DisciplineInfo, 8>& Disciplines();

// Trimmed, upper-cased, aliases ("DH", "SL", "GS") mapped to their code;
// nullopt for anything else (the caller reports error 13).
std::optional<std::string> CanonicalDiscipline(std::string_view typed);
// nullptr for an unknown discipline; accepts aliases and blanks.
const DisciplineInfo* FindDiscipline(std::string_view discipline);
// The points field of the discipline, or -1 when unknown.
int PointsFieldOf(const std::string& discipline);
bool IsSkiCross(std::string_view discipline);
// "KK" is refused in a race of level "FIS".
bool DisciplineAllowedAtLevel(std::string_view discipline, std::string_view raceLevel);

// A codex beginning with "REC" or "NVL" marks a recreational race.
bool IsRecreationalCodex(std::string_view codex);

// "DNS", "DNF", "DSQ", "NPS", "DNQ".
const std::array<std::string_view, 5>& RunStatusCodes();
// The trimmed text, in any case, is one of the run status codes.
bool IsRunStatus(std::string_view text);

struct CardResult {
    std::string card;  // trimmed
    bool accepted;
};

// Empty card: "0000000" when the racer has a name, refused when the name is
// blank too. A card reading 0 as a number becomes "0000000"; "9999999",
// "99999" and "9" become "999999"; any other card is kept.
CardResult NormaliseCard(std::string_view card, std::string_view name);

// The category for the birth year in the season of (year, month): the
// season year is `year`, less one before October. Only levels "FIS", "NAT"
// (also an empty level) and "REC" are classed; other levels, and birth years
// that are not four digits, return `currentCategory` unchanged. A current
// category starting with "D" (para) or "M" (masters) selects that family.
std::string CategoryFromBirthYear(std::string_view birthYear, std::string_view currentCategory,
                                  std::string_view raceLevel, int year, int month);

// `birthYear` unless it is blank or holds "*": then "19" + `birthYear2`,
// or four blanks when that is blank too.
std::string FourDigitBirthYear(std::string_view birthYear2, std::string_view birthYear);

// For a change of the race's discipline: Card becomes the trimmed SxCard
// (ski cross) or AlpineCard (any other discipline), "0000000" when empty,
// and SeedPoints is refilled from the new discipline's points field. An
// unknown discipline changes nothing.
void DisciplineCard(RacerRecord& racer, const std::string& targetDiscipline);

}  // namespace skitally
