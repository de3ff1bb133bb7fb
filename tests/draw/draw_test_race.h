#pragma once
// A race in a temporary folder for the draw tests: a header of the chosen
// level and discipline, racers made from (name, seed points) pairs, and the
// automatic draw run on it with scripted answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/scripted_operator.h"
#include "draw/auto_draw.h"
#include "racefile/header_file.h"
#include "racefile/racer_file.h"
#include "support/test_support.h"

namespace skitally::test {

using Answers = std::vector<std::string>;

inline Answers Join(Answers a, const Answers& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class DrawRaceTest : public ::testing::Test {
  protected:
    void MakeRace(const std::string& level, const std::string& discipline,
                  const std::vector<std::pair<std::string, std::string>>& racers)
    {
        ctx.race.open = true;
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "CUP";
        ctx.race.header.values = {"06-12-2026/TREMBLANT", discipline, "F", level, "0000.00", "0", "00"};
        std::string records;
        for (const auto& [name, points] : racers) {
            RacerRecord racer;
            racer.name = name, racer.seedPoints = points;
            racer.card = "00000" + std::to_string(records.size() / kRacerRecordLength + 10);
            records += EncodeRacer(racer);
        }
        WriteFile(ctx.race.File("RCR"), records);
    }

    // Racers R01, R02, ... with the points given.
    void MakeField(const std::string& level, const std::string& discipline, const std::vector<std::string>& points)
    {
        std::vector<std::pair<std::string, std::string>> racers;
        for (std::size_t i = 0; i < points.size(); ++i)
            racers.emplace_back((i < 9 ? "R0" : "R") + std::to_string(i + 1), points[i]);
        MakeRace(level, discipline, racers);
    }

    std::vector<RacerRecord> Racers()
    {
        std::vector<RacerRecord> all;
        RacerFile file;
        EXPECT_TRUE(file.Open(ctx.race.File("RCR"), RacerFileMode::Read));
        for (int n = 1; n <= file.RacerCount(); ++n)
            all.push_back(*file.ReadRacer(n));
        return all;
    }

    void UpdateRacer(int n, const std::function<void(RacerRecord&)>& change)
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        RacerRecord racer = *file.ReadRacer(n);
        change(racer);
        ASSERT_TRUE(file.WriteRacer(n, racer));
    }

    // The live racers in run-1 start order: the first word of each name,
    // and each bib.
    std::vector<std::string> StartOrder() { return InStartOrder().first; }
    std::vector<int> BibsInStartOrder() { return InStartOrder().second; }
    std::pair<std::vector<std::string>, std::vector<int>> InStartOrder()
    {
        std::vector<std::pair<int, const RacerRecord*>> starts;
        const std::vector<RacerRecord> racers = Racers();
        for (const RacerRecord& r : racers)
            if (!r.IsDeleted())
                starts.emplace_back(std::atoi(r.start1.c_str()), &r);
        std::sort(starts.begin(), starts.end());
        std::pair<std::vector<std::string>, std::vector<int>> order;
        for (const auto& [start, r] : starts) {
            order.first.push_back(r->name.substr(0, r->name.find(' ')));
            order.second.push_back(std::atoi(r->bib.c_str()));
        }
        return order;
    }

    DrawOutcome Draw(const Answers& answers, std::uint32_t seed = 77)
    {
        DrawRandom random(seed);
        return Draw(answers, random);
    }
    DrawOutcome Draw(const Answers& answers, DrawRandom& random)
    {
        op = std::make_unique<ScriptedOperator>(answers);
        const DrawOutcome outcome = AutomaticDraw(ctx, *op, random);
        EXPECT_EQ(op->remainingAnswers(), 0u) << op->transcript();
        return outcome;
    }

    // How many message boxes showed exactly `text`, and whether any held it.
    int Count(const std::string& text) const { return static_cast<int>(std::ranges::count(Texts(*op), text)); }
    bool Shown(const std::string& text) const
    {
        return std::ranges::any_of(Texts(*op), [&](const std::string& t) { return t.find(text) != std::string::npos; });
    }

    TempDir dir;
    AppContext ctx{FoldersIn(dir), FixedClock()};
    std::unique_ptr<ScriptedOperator> op;
};

}  // namespace skitally::test
