#pragma once
// League scoring, once the run times are in: every finisher's position in
// its competition, the points of that position, and the team scores.

#include <optional>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "league/league_race.h"
#include "racefile/racer_record.h"
#include "util/file_transaction.h"

namespace skitally {

// One racer as the scoring sees it.
struct LeagueRacer {
    int team = -1; // index into the league's teams; -1: none of them
    std::string gender;
    std::optional<long long> time; // hundredths; nullopt: not scored
    int position = 0;              // set: in the competition, 0 when not scored
    int points = 0;                // set: the points counted for the team
};

// The racer's league time in hundredths: the better run in "K1" and "EL"
// (`bestRun`), else the sum of the runs (run 1 alone when nobody of the
// race has a run 2: `twoRuns` false). None for a racer marked DNF, DSQ or
// DNS in a run, or without the times the rule needs.
std::optional<long long> LeagueTime(const RacerRecord& racer, bool bestRun, bool twoRuns);

// Scores afresh: the finishers in order of time (equal times in the order
// given), each racer's position and counted points, every team's score and
// participation points.
void ScoreLeague(LGR& league, std::vector<LeagueRacer>& racers);

// Scores the racer file of the open race into `league` and adds to
// `change` the racer file, each racer keeping its league time in `BestOf`
// (seconds, 0 when not scored), the points it brought its team in
// `RacePoints` and its competition position in `Position`, and the league
// file with the team scores. Returns the live racers so scored, in record
// order; nullopt, after saying why, when the racer file cannot be read.
std::optional<std::vector<RacerRecord>> ScoreLeagueRace(AppContext& ctx, Operator& op, LGR& league,
                                                        FileTransaction& change);

// The calculation of a league race: the scoring written in one change.
bool CalculateLeagueRace(AppContext& ctx, Operator& op);

} // namespace skitally
