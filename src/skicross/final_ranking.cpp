#include "skicross/final_ranking.h"

#include <cstdlib>
#include <map>
#include <string>

#include "skicross/ladder_labels.h"
#include "skicross/skier_cross.h"
#include "skicross/sx_ladder.h"
#include "util/table_sort.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr const char* kNoLadderData = "~~~~~~~~";
constexpr int kNoPlace = 9; // a racer that did not finish its heat comes after those who did

struct Outcome {
    std::string label;
    int place = 0;
};

std::map<int, Outcome> OutcomesBySeed(const SXLadder& ladder)
{
    std::map<int, Outcome> outcomes;
    const int rounds = LadderRounds(ladder.size());
    for (int round = rounds; round >= 1; --round)
        for (int heat = 1; heat <= HeatsRun(ladder.size(), round); ++heat)
            for (int row = 1; row <= 4; ++row) {
                const LadderRacer& racer = ladder.Heat(round, heat).Row(row);
                if (racer.seed == 0 || outcomes.count(racer.seed))
                    continue; // empty, or already placed in a later round
                const int place = racer.place > 0 ? racer.place : kNoPlace;
                outcomes[racer.seed] = {round == rounds && racer.place > 0
                                            ? LadderSlotLabel(1, heat, racer.place)
                                            : KnockedOutLabel(RoundHeatCount(ladder.size(), round)),
                                        place};
            }
    return outcomes;
}

} // namespace

bool RankLadder(std::vector<RacerRecord>& racers, bool rankQualification)
{
    const std::optional<SXLadder> ladder = LadderOfRacers(racers);
    if (!ladder)
        return false;
    const std::map<int, Outcome> outcomes = OutcomesBySeed(*ladder);

    // The ladder's working table: column 1 the place in the last heat
    // ridden with the seed after it, 2 the racer, 6 the rank, 9 the label.
    SortTable table(1);
    std::vector<std::size_t> outside;
    std::map<int, std::size_t> racerOfSeed; // the first racer of a seed is the ladder's, as LadderOfRacers takes it
    for (std::size_t k = 0; k < racers.size(); ++k) {
        if (racers[k].IsDeleted())
            continue;
        const int seed = std::atoi(Trim(racers[k].sxQual).c_str());
        const auto found = outcomes.find(seed);
        if (found == outcomes.end() || racerOfSeed.count(seed)) {
            outside.push_back(k);
            continue;
        }
        racerOfSeed[seed] = k;
        std::vector<SortCell> row(10);
        row[1] = static_cast<double>(found->second.place * 100 + seed);
        row[2] = static_cast<double>(k);
        row[9] = found->second.label;
        table.push_back(row);
    }
    SortTableRows(table, "9-A,1-A");
    for (std::size_t rank = 1; rank < table.size(); ++rank)
        table[rank][6] = static_cast<double>(rank);
    SortTableRows(table, "6-A");

    int position = 0;
    for (std::size_t rank = 1; rank < table.size(); ++rank) {
        RacerRecord& racer = racers[static_cast<std::size_t>(std::get<double>(table[rank][2]))];
        racer.sxPos3 = std::get<std::string>(table[rank][9]);
        racer.position = static_cast<float>(++position);
    }
    // The others after the ladder, by the qualification's sort: time, then
    // bib from the highest.
    SortTable others(1);
    for (const std::size_t k : outside) {
        racers[k].sxPos3 = kNoLadderData;
        racers[k].position = 0;
        if (rankQualification && QualificationKey(racers[k]) < kDnfKey)
            others.push_back({SortCell{}, std::atof(Trim(racers[k].bib).c_str()), static_cast<double>(k),
                              QualificationKey(racers[k])});
    }
    SortTableRows(others, "3-A,1-D");
    for (std::size_t row = 1; row < others.size(); ++row)
        racers[static_cast<std::size_t>(std::get<double>(others[row][2]))].position = static_cast<float>(++position);
    return true;
}

} // namespace skitally
