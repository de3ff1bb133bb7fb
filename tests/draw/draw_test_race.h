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
        WriteFile(ctx.race.File("RCR"), "");
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        for (const auto& [name, points] : racers) {
            RacerRecord racer;
            racer.name = name;
            racer.card = "00000" + std::to_string(file.RacerCount() + 10);
            racer.seedPoints = points;
            ASSERT_TRUE(file.AppendRacer(racer));
        }
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
    std::vector<std::pair<int, std::pair<std::string, int>>> Starts()
    {
        std::vector<std::pair<int, std::pair<std::string, int>>> starts;
        for (const RacerRecord& r : Racers())
            if (!r.IsDeleted())
                starts.push_back(
                    {std::atoi(r.start1.c_str()), {r.name.substr(0, r.name.find(' ')), std::atoi(r.bib.c_str())}});
        std::sort(starts.begin(), starts.end());
        return starts;
    }
    std::vector<std::string> StartOrder()
    {
        std::vector<std::string> names;
        for (const auto& start : Starts())
            names.push_back(start.second.first);
        return names;
    }
    std::vector<int> BibsInStartOrder()
    {
        std::vector<int> bibs;
        for (const auto& start : Starts())
            bibs.push_back(start.second.second);
        return bibs;
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
    int Count(const std::string& text) const
    {
        const std::vector<std::string> texts = Texts(*op);
        return static_cast<int>(std::count(texts.begin(), texts.end(), text));
    }
    bool Shown(const std::string& text) const
    {
        const std::vector<std::string> texts = Texts(*op);
        return std::any_of(texts.begin(), texts.end(),
                           [&](const std::string& t) { return t.find(text) != std::string::npos; });
    }

    TempDir dir;
    AppContext ctx{FoldersIn(dir), FixedClock()};
    std::unique_ptr<ScriptedOperator> op;
};

}  // namespace skitally::test
