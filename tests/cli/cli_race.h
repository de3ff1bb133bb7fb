#pragma once
// The race the command-line tests start from, made with the program as the
// menu makes it: a new national race of women, BANFF CUP of 06-12-2026, in
// races/BANFF of a temporary data folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/scripted_operator.h"
#include "cli_app.h"
#include "racefile/race_open.h"
#include "racefile/racer_file.h"
#include "support/test_support.h"
#include "util/write_faults.h"

namespace skitally::test {

class CliRaceTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir.File("races"));
        const std::vector<std::string> answers = {"N",        "No", "BANFF CUP", "", "", "", "", "06-12-2026/BANFF",
                                                  discipline, "F",  "",          "", "", ""};
        ASSERT_EQ(Cli({"new-race", race}, answers).code, kCliDone);
    }
    void TearDown() override { SetWriteFault({}); }

    CliRun Cli(std::vector<std::string> args, const std::vector<std::string>& answers = {}) const
    {
        args.insert(args.begin(), {"--lang", "en"});
        return RunCliIn(dir, args, answers);
    }
    // RACER n with slalom points 10 + n, giant slalom points 50 + n and seed
    // points 10 + n; the seventh a deleted record.
    void AddRacers(int first, int last) const
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(race + ".RCR"));
        for (int n = first; n <= last; ++n) {
            RacerRecord racer;
            racer.name = n == 7 ? "DELETED RECORD" : "RACER " + std::to_string(n);
            racer.pointsSL = 10.0f + n;
            racer.pointsGS = 50.0f + n;
            racer.seedPoints = std::to_string(10 + n) + ".00";
            ASSERT_TRUE(file.AppendRacer(racer));
        }
    }
    // Each live racer changed and written back.
    void UpdateRacers(const std::function<void(int, RacerRecord&)>& change) const
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(race + ".RCR"));
        for (int n = 1; n <= file.RacerCount(); ++n) {
            std::optional<RacerRecord> racer = file.ReadRacer(n);
            if (!racer || racer->IsDeleted())
                continue;
            change(n, *racer);
            ASSERT_TRUE(file.WriteRacer(n, *racer));
        }
    }
    // The race `name` of the races folder.
    RaceState Race(const std::string& name = "BANFF") const
    {
        RaceState state;
        state.racePath = dir.File("races/"), state.raceName = name;
        return state;
    }
    // What the next open does first: finish or undo a cut-short change.
    void Reopen() const
    {
        AppContext ctx{FoldersIn(dir), FixedClock()};
        ScriptedOperator op;
        EXPECT_TRUE(OpenRace(ctx, op, race + ".RCR", false)) << op.transcript();
    }

    std::string discipline = "SL";  // set before SetUp for another
    TempDir dir;
    const std::string race = dir.File("races/BANFF");
};

}  // namespace skitally::test
