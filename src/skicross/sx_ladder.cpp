#include "skicross/sx_ladder.h"

#include <cstdlib>
#include <map>

#include "skicross/ladder_labels.h"
#include "util/tokens.h"

namespace skitally {

SXLadder::SXLadder(int size) : size_(size)
{
    for (int round = 1; round <= LadderRounds(size); ++round) {
        rounds_.emplace_back(static_cast<std::size_t>(HeatsRun(size, round)));
        for (SXHeat& heat : rounds_.back())
            heat.SetHeatSet(RoundHeatCount(size, round));
    }
    HeatNumbering(StandardHeatStarts(size));
}

bool SXLadder::HeatNumbering(const HeatStarts& starts)
{
    if (!CheckHeatNumbering(starts))
        return false;
    int count = 0;
    for (std::size_t round = 0; round < rounds_.size(); ++round)
        for (std::size_t heat = 0; heat < rounds_[round].size(); ++heat) {
            rounds_[round][heat].SetHeatNumber(++count);
            rounds_[round][heat].SetDisplayNumber(
                HeatNumber(starts, static_cast<int>(round) + 1, static_cast<int>(heat) + 1));
        }
    return true;
}

SXHeat& SXLadder::Heat(int round, int heat)
{
    return rounds_[static_cast<std::size_t>(round - 1)][static_cast<std::size_t>(heat - 1)];
}

const SXHeat& SXLadder::Heat(int round, int heat) const
{
    return rounds_[static_cast<std::size_t>(round - 1)][static_cast<std::size_t>(heat - 1)];
}

bool SXLadder::AddRacer(const std::string& label, const LadderRacer& racer)
{
    const std::optional<SlotLabel> slot = ParseSlotLabel(label);
    if (!slot || slot->knockedOut || slot->roundHeats != FirstRoundHeats(size_))
        return false;
    return Heat(1, slot->heat).AddRacer(racer);
}

// Heats 2k-1 and 2k feed heat k: their winners in rows 1 and 2, their
// seconds in rows 3 and 4. Out of the semi-finals the thirds and fourths
// go on to the small final (heat 2 of the last round) the same way.
void SXLadder::Advance(int round)
{
    if (round >= LadderRounds(size_))
        return;
    const bool intoLast = round + 1 == LadderRounds(size_);
    const int heats = HeatsRun(size_, round);
    for (int heat = 1; heat <= HeatsRun(size_, round + 1); ++heat)
        Heat(round + 1, heat).Clear();
    for (int from = 1; from <= heats; ++from) {
        const SXHeat& source = Heat(round, from);
        const int second = (from - 1) % 2; // 0 for heat 2k-1, 1 for heat 2k
        for (int place = 1; place <= (intoLast ? 4 : 2); ++place) {
            const LadderRacer* racer = source.Finisher(place);
            if (!racer)
                continue;
            LadderRacer next = *racer;
            next.place = 0;
            const int target = intoLast ? (place <= 2 ? 1 : 2) : (from + 1) / 2;
            const int row = ((place - 1) % 2) * 2 + second + 1;
            Heat(round + 1, target).SetRow(row, next);
        }
    }
}

LadderView SXLadder::View(const std::string& name) const
{
    LadderView view;
    view.size = size_;
    view.name = name;
    for (std::size_t round = 0; round < rounds_.size(); ++round)
        for (std::size_t heat = 0; heat < rounds_[round].size(); ++heat) {
            const SXHeat& source = rounds_[round][heat];
            LadderHeat shown;
            shown.roundHeats = source.GetHeatSet();
            shown.heatInRound = static_cast<int>(heat) + 1;
            shown.heatNumber = source.getDisplayNumber();
            for (int row = 1; row <= 4; ++row)
                shown.rows[row - 1] = source.Row(row);
            shown.finish = source.FinishList();
            view.heats.push_back(shown);
        }
    return view;
}

int RoundPlace(const std::string& sxPos2, int round)
{
    const std::string places = Trim(sxPos2);
    if (places.find('~') != std::string::npos || round < 1 || static_cast<std::size_t>(round) > places.size())
        return 0;
    const char digit = places[static_cast<std::size_t>(round) - 1];
    return digit >= '1' && digit <= '4' ? digit - '0' : 0;
}

std::optional<SXLadder> LadderOfRacers(const std::vector<RacerRecord>& racers)
{
    // The ladder's size comes from the first racer with a first-round slot;
    // labels of another size are left out.
    int size = 0;
    for (const RacerRecord& racer : racers)
        if (const std::optional<SlotLabel> slot = ParseSlotLabel(racer.sxPos1);
            !racer.IsDeleted() && slot && !slot->knockedOut && slot->roundHeats > 1) {
            size = slot->roundHeats * 4;
            break;
        }
    if (size == 0)
        return std::nullopt;
    SXLadder ladder(size);
    std::map<int, std::string> placesBySeed;
    for (const RacerRecord& racer : racers) {
        if (racer.IsDeleted())
            continue;
        const LadderRacer entry{std::atoi(Trim(racer.sxQual).c_str()), Trim(racer.bib), Trim(racer.name),
                                Trim(racer.nation), 0};
        if (entry.seed > 0 && !placesBySeed.count(entry.seed) && ladder.AddRacer(racer.sxPos1, entry))
            placesBySeed[entry.seed] = racer.sxPos2;
    }
    for (int round = 1; round <= LadderRounds(size); ++round) {
        for (int heat = 1; heat <= HeatsRun(size, round); ++heat)
            for (int row = 1; row <= 4; ++row) {
                LadderRacer& racer = ladder.Heat(round, heat).Row(row);
                if (racer.seed != 0)
                    racer.place = RoundPlace(placesBySeed[racer.seed], round);
            }
        ladder.Advance(round);
    }
    return ladder;
}

LadderView BuildLadderView(const std::vector<RacerRecord>& racers, const RaceHeaderValues& header)
{
    const std::optional<SXLadder> ladder = LadderOfRacers(racers);
    return ladder ? ladder->View(LadderName(ladder->size(), header.gender)) : LadderView{};
}

} // namespace skitally
