#pragma once
// The race codex: the "CODEX NUMBER" of the technical data.
//
// Codex forms, compared after trimming and upper-casing:
//   FIS       "CCCnnnn.TD#": three letters (the nation, "CAN"), four digits
//             (the FIS codex proper, which the results file takes out of
//             characters 4-7), ".TD" and one digit: eleven characters in
//             all, "CAN1234.TD5". The letters of the pattern are read as in
//             its error text: C a letter, n a digit, # a digit.
//   national  "NATnnnn": "NAT" and four digits, seven characters.
//   recreational  any codex beginning with "REC" or "NVL".

#include <string_view>

#include "app/app_context.h"
#include "app/operator.h"
#include "racefile/racer_codes.h"  // IsRecreationalCodex

namespace skitally {

bool IsFisCodex(std::string_view codex);
bool IsNationalCodex(std::string_view codex);

// 0 when the codex suits the race level, else the numbered error: 77 for a
// FIS race without the FIS form, 79 for a national race (level "NAT" or
// blank) with neither the national nor a recreational form. Series and
// league races take any codex.
int CodexErrorNumber(std::string_view codex, std::string_view raceLevel);
// Shows the error of CodexErrorNumber; true when there is none.
bool CheckRaceCodex(const AppContext& ctx, Operator& op, std::string_view codex, std::string_view raceLevel);

// Only recreational races may hold both genders: for a race of gender "B"
// and a codex that is not recreational, warns and asks whether the gender is
// to be changed. True when the operator wants to change it; false, with no
// message, in every other case.
bool AskGenderChangeForCodex(const AppContext& ctx, Operator& op, std::string_view codex,
                             std::string_view gender);

}  // namespace skitally
