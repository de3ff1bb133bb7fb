#pragma once
// Switching a race's para event on and off, and giving the racers the
// factors of their classes. Every change of the racers goes to the disk in
// one change with the factor file and the race status file, so that a race
// is never half factored and never factored without the flag.

#include <string>
#include <string_view>

#include "app/app_context.h"
#include "app/operator.h"

namespace skitally {

// The national factor file, looked for in the program's folder.
inline constexpr const char* kNationalFactorFile = "Para Factors.txt";
// The reports whose times factoring changes: deleted with every switch.
inline constexpr std::string_view kParaReportCodes = "RN2,RC2,TRN,CLC,UFC,SD2,SD3,SD6,SD7,OFC";

// On: the operator picks the national or another factor file; it must load,
// have factors for the race's discipline, and every racer's group must be
// one of its classes (else the racers are listed in a report). Then every
// racer gets its factor and its times are factored again from the raw
// times. Off: after the operator agrees, every factor becomes 1 and every
// time its raw time again, and the factor file goes. Any refusal leaves the
// race and its flag as they were. `statusRacerFile` is what the race status
// file names as the racer file. True when the flag was switched.
bool SwitchParaEvent(AppContext& ctx, Operator& op, bool on, const std::string& statusRacerFile);

// The racer file `racerBytes` factored for `discipline` from the race's
// factor file; unchanged when the race is no para event. False, after the
// report of the racers without a factor, when one has none.
bool RefactorRacers(AppContext& ctx, Operator& op, const std::string& discipline, std::string& racerBytes);

// Puts the two steps above into ctx.hooks for the race file layer.
void InstallParaFactorHooks(AppContext& ctx);

}  // namespace skitally
