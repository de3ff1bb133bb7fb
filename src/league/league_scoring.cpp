#include "league/league_scoring.h"

#include <algorithm>
#include <numeric>

#include "app/messages.h"
#include "league/league_file.h"
#include "league/league_points.h"
#include "league/league_state.h"
#include "league/league_text_ids.h"
#include "racefile/race_change.h"
#include "util/file_replace.h"
#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

bool OutOfRun(const std::string& status)
{
    const std::string code = ToUpper(Trim(status));
    return code == "DNF" || code == "DSQ" || code == "DNS";
}

} // namespace

std::optional<long long> LeagueTime(const RacerRecord& racer, bool bestRun, bool twoRuns)
{
    if (OutOfRun(racer.status1) || OutOfRun(racer.status2))
        return std::nullopt;
    const long long run1 = racer.time1 > 0 ? FixedUnits(racer.time1, 2) : 0;
    const long long run2 = racer.time2 > 0 ? FixedUnits(racer.time2, 2) : 0;
    if (bestRun) {
        if (run1 == 0 && run2 == 0)
            return std::nullopt;
        return run1 == 0 ? run2 : run2 == 0 ? run1 : std::min(run1, run2);
    }
    if (run1 == 0 || (twoRuns && run2 == 0))
        return std::nullopt;
    return run1 + run2;
}

void ScoreLeague(LGR& league, std::vector<LeagueRacer>& racers)
{
    league.SetScoreInformation();
    std::vector<std::size_t> order(racers.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&racers](std::size_t a, std::size_t b) {
        const auto& ta = racers[a].time;
        const auto& tb = racers[b].time;
        return ta && (!tb || *ta < *tb);
    });
    const Points points(league.IsElite());
    for (const std::size_t i : order) {
        LeagueRacer& racer = racers[i];
        racer.position = racer.points = 0;
        const int c = racer.team < 0 ? -1 : league.GetCompetitionIndex(racer.team);
        if (!racer.time || c < 0)
            continue;
        Competition& competition = league.competitions[static_cast<std::size_t>(c)];
        Team& team = league.teams[static_cast<std::size_t>(racer.team)];
        racer.position = competition.GetCompeitionPosition(league.IsElite(), racer.gender, *racer.time);
        racer.points = team.IndvidualScore(racer.gender, points.GetPoints(competition.isThree(), racer.position));
    }
}

std::optional<std::vector<RacerRecord>> ScoreLeagueRace(AppContext& ctx, Operator& op, LGR& league,
                                                        FileTransaction& change)
{
    const std::string path = ctx.race.File("RCR");
    std::string bytes;
    if (const Status read = ReadWholeFile(path, bytes); !read) {
        ShowMessage(ctx, op, path + ": " + FailureText(ctx, read));
        return std::nullopt;
    }
    std::vector<std::pair<int, RacerRecord>> field; // record number, racer
    const std::size_t count = bytes.size() / kRacerRecordLength;
    for (std::size_t n = 0; n < count; ++n) {
        RacerRecord racer = DecodeRacer(std::string_view(bytes).substr(n * kRacerRecordLength, kRacerRecordLength));
        if (!racer.IsDeleted())
            field.emplace_back(static_cast<int>(n), std::move(racer));
    }
    const bool twoRuns = std::any_of(field.begin(), field.end(), [](const auto& entry) {
        return entry.second.time2 > 0 || !Trim(entry.second.status2).empty();
    });
    std::vector<LeagueRacer> racers;
    for (const auto& [record, racer] : field)
        racers.push_back({league.TeamByName(racer.group).value_or(-1), ToUpper(Trim(racer.gender)),
                          LeagueTime(racer, league.BestRunCounts(), twoRuns)});
    ScoreLeague(league, racers);
    std::vector<RacerRecord> scored;
    for (std::size_t i = 0; i < field.size(); ++i) {
        auto& [record, racer] = field[i];
        racer.bestOf = racers[i].time ? static_cast<float>(*racers[i].time) / 100.0f : 0.0f;
        racer.racePoints = static_cast<float>(racers[i].points);
        racer.position = static_cast<float>(racers[i].position);
        bytes.replace(static_cast<std::size_t>(record) * kRacerRecordLength, kRacerRecordLength, EncodeRacer(racer));
        scored.push_back(racer);
    }
    change.Replace(path, std::move(bytes));
    change.Replace(ctx.race.File("LGR"), Serialize(league));
    return scored;
}

bool CalculateLeagueRace(AppContext& ctx, Operator& op)
{
    std::optional<LGR> league = LoadLeague(ctx, op);
    if (!league)
        return false;
    if (!league->IsTeamsSet() || !league->IsVsSet()) {
        ShowMessage(ctx, op, ctx.Text(league_text::kNotSetUp));
        return false;
    }
    FileTransaction change(RaceJournal(ctx.race));
    if (!ScoreLeagueRace(ctx, op, *league, change) || !CommitRaceChange(ctx, op, change))
        return false;
    ShowMessage(ctx, op, ctx.Text(league_text::kScored));
    return true;
}

} // namespace skitally
