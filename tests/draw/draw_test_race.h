#pragma once
// A race in a temporary folder for the draw tests: a header of the chosen
// level and discipline and racers made from (name, seed points) pairs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/scripted_operator.h"
#include "racefile/header_file.h"
#include "racefile/racer_file.h"
#include "support/test_support.h"

namespace skitally::test {

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

    // Names of the live racers in run-1 start order.
    std::vector<std::string> StartOrder()
    {
        std::vector<std::pair<int, std::string>> starts;
        for (const RacerRecord& racer : Racers())
            if (!racer.IsDeleted())
                starts.emplace_back(std::atoi(racer.start1.c_str()), racer.name.substr(0, racer.name.find(' ')));
        std::sort(starts.begin(), starts.end());
        std::vector<std::string> names;
        for (const auto& start : starts)
            names.push_back(start.second);
        return names;
    }

    // Bibs of the live racers in run-1 start order.
    std::vector<int> BibsInStartOrder()
    {
        std::vector<std::pair<int, int>> starts;
        for (const RacerRecord& racer : Racers())
            if (!racer.IsDeleted())
                starts.emplace_back(std::atoi(racer.start1.c_str()), std::atoi(racer.bib.c_str()));
        std::sort(starts.begin(), starts.end());
        std::vector<int> bibs;
        for (const auto& start : starts)
            bibs.push_back(start.second);
        return bibs;
    }

    std::vector<std::string> Texts(const ScriptedOperator& op) const
    {
        std::vector<std::string> texts;
        for (const MessageBox& box : op.messages())
            texts.push_back(box.text);
        return texts;
    }

    TempDir dir;
    AppContext ctx{FoldersIn(dir), FixedClock()};
};

}  // namespace skitally::test
