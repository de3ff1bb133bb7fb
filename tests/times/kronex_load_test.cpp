#include "times/kronex_load.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "racefile/racer_record.h"
#include "support/test_support.h"

namespace skitally {
namespace {

using V = KronexHeaderVerdict;

// A women's giant slalom "R" open in `dir`.
void OpenGiantSlalom(AppContext& ctx, const test::TempDir& dir)
{
    ctx.race.open = true;
    ctx.race.racePath = dir.path() + "/";
    ctx.race.raceName = "R";
    ctx.race.header.values.discipline = "G";
    ctx.race.header.values.gender = "F";
}

// The header against the race: gender, then discipline.
TEST(KronexLoad, HeaderChecks)
{
    // clang-format off
    const struct { const char* gender; const char* discipline; KronexRaceFacts race; V verdict; } cases[] = {
        {"F", "G", {"F", "G", false}, V::Fits},
        {"M", "G", {"F", "G", false}, V::WrongGender},
        {"B", "G", {"F", "G", false}, V::WrongGender}, // both: recreational races only
        {"B", "G", {"F", "G", true}, V::WrongGender},  // ... of both
        {"B", "G", {"B", "G", true}, V::Fits},
        {"M", "G", {"B", "G", true}, V::Fits},
        {"F", "G", {"M", "G", true}, V::WrongGender},
        {"W", "G", {"F", "G", false}, V::WrongGender},
        {"", "G", {"F", "G", false}, V::WrongGender},
        {"M", "SC", {"M", "AC", false}, V::Fits}, // the combined codes stand for each other
        {"M", "AC", {"M", "SC", false}, V::Fits},
        {"M", "S", {"M", "G", false}, V::WrongDiscipline}, // technical: another discipline is a wrong file
        {"M", "SG", {"M", "D", false}, V::AskDiscipline},  // speed: asked
        {"M", "D", {"M", "SG", false}, V::AskDiscipline},
        {"M", "GS", {"M", "G", false}, V::WrongDiscipline}, // not one of the eight codes
        {"M", "", {"M", "D", false}, V::WrongDiscipline},
        {"M", "KK", {"M", "KK", false}, V::Fits},
    };
    // clang-format on
    for (const auto& c : cases) {
        KronexHeader header;
        header.found = true, header.gender = c.gender, header.discipline = c.discipline;
        EXPECT_EQ(CheckKronexHeader(header, c.race), c.verdict)
            << c.gender << c.discipline << " into " << c.race.gender << c.race.discipline;
    }
}

// Today is 12-06-2026 on the test clock: a file of that day loads without
// a question, one of another day only when the operator says "Load".
TEST(KronexLoad, DateCheckAgainstTheClock)
{
    // clang-format off
    const struct { const char* date; std::vector<std::string> answers; bool loads; } cases[] = {
        {"12-06-2026", {"RUN 1"}, true},
        {"12-05-2026", {"RUN 1", "Load"}, true},
        {"12-05-2026", {"RUN 1", "Abort"}, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        test::TempDir dir;
        AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
        OpenGiantSlalom(ctx, dir);
        RacerRecord racer;
        racer.name = "ALPHA Ann", racer.bib = "1";
        const std::string before = EncodeRacer(racer);
        test::WriteFile(ctx.race.File("RCR"), before);
        test::WriteFile(ctx.race.File("RN1"), "run 1 start list");
        test::WriteFile(dir.File("k.txt"), std::string("FG 1\r\n1,") + c.date + ",  1, 63.45,   , \r\n");
        ScriptedOperator op(c.answers);
        EXPECT_EQ(LoadKronexCommand(ctx, op, {dir.File("k.txt")}), c.loads) << c.date << op.transcript();
        EXPECT_EQ(op.transcript().find("DATE CHECK FAILED") != std::string::npos, c.answers.size() > 1);
        EXPECT_EQ(test::ReadFile(ctx.race.File("RCR")) != before, c.loads) << c.date;
    }
}

// The run-2 start list marks the racers it leaves off "DNQ"; that mark is
// no run-2 result, so the first run-2 load asks no reload question, and the
// left-off racer keeps the mark.
TEST(KronexLoad, FirstRun2LoadAfterTheStartListMarkedDnq)
{
    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    OpenGiantSlalom(ctx, dir);
    RacerRecord finished;
    finished.name = "ALPHA Ann", finished.bib = "1", finished.rawTime1 = finished.time1 = 63.45f;
    RacerRecord disqualified;
    disqualified.name = "BETA Bea", disqualified.bib = "2", disqualified.status1 = "DSQ", disqualified.status2 = "DNQ";
    test::WriteFile(ctx.race.File("RCR"), EncodeRacer(finished) + EncodeRacer(disqualified));
    test::WriteFile(ctx.race.File("RN1"), "run 1 start list");
    test::WriteFile(ctx.race.File("RN2"), "run 2 start list");
    test::WriteFile(dir.File("k.txt"), "FG 2\r\n  1,  1, 63.45,   , , 64.10,   , \r\n");
    ScriptedOperator op({"RUN 2"});
    EXPECT_TRUE(LoadKronexCommand(ctx, op, {dir.File("k.txt")})) << op.transcript();
    EXPECT_EQ(op.transcript().find("already Loaded"), std::string::npos) << op.transcript();
    const std::string bytes = test::ReadFile(ctx.race.File("RCR"));
    EXPECT_FLOAT_EQ(DecodeRacer(bytes.substr(0, kRacerRecordLength)).time2, 64.10f);
    EXPECT_EQ(DecodeRacer(bytes.substr(kRacerRecordLength)).status2, "DNQ");
}

} // namespace
} // namespace skitally
