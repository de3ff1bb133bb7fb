// The manual draw modes: the bib and start-position checks, the refusal of
// racers already placed, the insert shift by special seed, and the audit.

#include "draw/manual_entry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "draw/draw_commands.h"
#include "draw/start_audit.h"
#include "draw_test_race.h"
#include "util/tokens.h"

namespace skitally {
namespace {

class ManualDrawTest : public test::DrawRaceTest {
  protected:
    bool Enter(EntryMode mode, const std::vector<std::string>& answers)
    {
        op = std::make_unique<ScriptedOperator>(answers);
        const bool ok = ManualDrawEntry(ctx, *op, mode);
        EXPECT_EQ(op->remainingAnswers(), 0u) << op->transcript();
        return ok;
    }

    // Racers R01..R20 of the unseeded field at starts 1..20, S1 of seed 1 at
    // start 7, and the late entry LATE without bib or start.
    void MakeInsertRace()
    {
        MakeField("NAT", "GS", std::vector<std::string>(22, "10.00"));
        for (int n = 1; n <= 20; ++n)
            UpdateRacer(n, [n](RacerRecord& r) { r.start1 = r.bib = NumberField(n); });
        UpdateRacer(21, [](RacerRecord& r) { r.name = "S1", r.start1 = "  7", r.bib = "100", r.group = "1"; });
        UpdateRacer(22, [](RacerRecord& r) { r.name = "LATE"; });
    }
};

TEST_F(ManualDrawTest, BibsAndStartsAreCheckedAndRacersAlreadyPlacedRefused)
{
    using Slot = std::pair<std::string, std::string>;  // bib, start
    // Messages are exact texts with the times each is shown; Ann's bib and
    // start never change, Bea's are as given after.
    // clang-format off
    const struct { EntryMode mode; Slot ann, bea; std::vector<std::string> answers;
                   std::vector<std::pair<std::string, int>> messages; Slot beaAfter; } cases[] = {
        // Bea: bib 5 is Ann's "005", 0 and "x" are no numbers, start 1 is Ann's.
        {EntryMode::Manual, {"005", "  1"}, {"", ""}, {"2", "5", "0", "6", "1", "x", "2", "<cancel>"},
         {{"BIB NUMBER ALREADY ASSIGNED", 1}, {"ENTER A WHOLE NUMBER FROM 1 TO 999", 2},
          {"START POSITION ALREADY ASSIGNED", 1}}, {"  6", "  2"}},
        // Ann has a bib: refused; Bea's bib cancelled.
        {EntryMode::Manual, {"  3", ""}, {"", ""}, {"1,2", "<cancel>", "<cancel>"},
         {{"RACER ALREADY HAS BIB AND / OR START POSITION\nANN", 1}}, {"", ""}},
        // A change takes empty answers as the shown values; start 1 is Bea's.
        {EntryMode::Change, {"  4", "  2"}, {"  9", "  1"}, {"1", "", "1", "", "<cancel>"},
         {{"START POSITION ALREADY ASSIGNED", 1}}, {"  9", "  1"}},
        // Bea keeps her own bib and start, is cancelled at the bib, takes bib 7.
        {EntryMode::Change, {"  1", "  1"}, {"  2", "  2"}, {"2", "", "", "<cancel>"}, {}, {"  2", "  2"}},
        {EntryMode::Change, {"  1", "  1"}, {"  2", "  2"}, {"2", "<cancel>", "<cancel>"}, {}, {"  2", "  2"}},
        {EntryMode::Change, {"  1", "  1"}, {"  2", "  2"}, {"2", "7", "", "<cancel>"}, {}, {"  7", "  2"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        MakeRace("NAT", "GS", {{"ANN", "10.00"}, {"BEA", "20.00"}});
        UpdateRacer(1, [&](RacerRecord& r) { std::tie(r.bib, r.start1) = c.ann; });
        UpdateRacer(2, [&](RacerRecord& r) { std::tie(r.bib, r.start1) = c.bea; });
        for (const char* code : {"RN1", "OFC"})
            test::WriteFile(ctx.race.File(code), code);
        const std::vector<RacerRecord> before = Racers();
        ASSERT_TRUE(Enter(c.mode, c.answers));
        for (const auto& [text, times] : c.messages)
            EXPECT_EQ(Count(text), times) << text;
        const std::vector<RacerRecord> after = Racers();
        EXPECT_EQ(after[0].bib, before[0].bib);
        EXPECT_EQ(after[0].start1, before[0].start1);
        EXPECT_EQ(Trim(after[1].bib), Trim(c.beaAfter.first));
        EXPECT_EQ(Trim(after[1].start1), Trim(c.beaAfter.second));
        // The draw report is shown only when something was entered; a change
        // deletes the reports only when a record changes.
        if (c.mode == EntryMode::Manual) {
            EXPECT_EQ(op->reportsShown().empty(), c.beaAfter.first.empty());
        }
        if (c.mode == EntryMode::Change) {
            for (const char* code : {"RN1", "OFC"})
                EXPECT_EQ(std::filesystem::exists(ctx.race.File(code)), c.bea == c.beaAfter) << code;
        }
    }
}

TEST_F(ManualDrawTest, InsertAtSevenMovesOnlyTheSameSpecialSeed)
{
    MakeInsertRace();
    // Bib 50, seed 0, start 22 refused (highest 20 + 1), then 7.
    ASSERT_TRUE(Enter(EntryMode::Insert, {"22", "50", "0", "22", "7", "<cancel>"}));
    EXPECT_EQ(Count("START POSITION GREATER THAN HIGHEST START POSITION PLUS 1."), 1);
    const std::vector<RacerRecord> racers = Racers();
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(racers[static_cast<std::size_t>(n - 1)].start1, NumberField(n)) << n;
    for (int n = 7; n <= 20; ++n)
        EXPECT_EQ(racers[static_cast<std::size_t>(n - 1)].start1, NumberField(n + 1)) << n;
    EXPECT_EQ(racers[20].start1, "  7");  // seed 1: not moved
    EXPECT_EQ(racers[21].start1, "  7");
    EXPECT_EQ(racers[21].bib, " 50");
    EXPECT_NE(op->transcript().find("Enter Special Seed (0= None), Seed# (1, 2) or ('I') to Insert this Racer at "
                                    "a particular Start Position. ( 0, 1, 2, I )"),
              std::string::npos);
}

TEST_F(ManualDrawTest, InsertAfterTheLastStartOrRefusedMovesNobody)
{
    // clang-format off
    const struct { std::vector<std::string> answers; std::vector<std::pair<std::string, int>> messages;
                   std::size_t unchanged /* leading records left as they were */; const char* lateStart; } cases[] = {
        {{"22", "50", "I", "21", "<cancel>"}, {}, 21, "21"},
        // R03 already has a start; the late entry's bib 100 is S1's.
        {{"3,22", "100", "<cancel>", "<cancel>"},
         {{"RACER ALREADY HAS BIB AND / OR START POSITION\nR03", 1}, {"BIB NUMBER ALREADY ASSIGNED", 1}}, 22, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unchanged);
        MakeInsertRace();
        const std::string before = test::ReadFile(ctx.race.File("RCR"));
        ASSERT_TRUE(Enter(EntryMode::Insert, c.answers));
        for (const auto& [text, times] : c.messages)
            EXPECT_EQ(Count(text), times) << text;
        const std::string after = test::ReadFile(ctx.race.File("RCR"));
        EXPECT_EQ(after.substr(0, c.unchanged * 243), before.substr(0, c.unchanged * 243));
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(Trim(Racers()[21].start1), c.lateStart);
    }
}

TEST(StartAudit, MissingAndDuplicatedStartsAndBibs)
{
    DrawField field;
    const auto add = [&field](const char* name, const char* start, const char* bib) {
        RacerRecord racer;
        racer.name = name, racer.start1 = start, racer.bib = bib;
        field.racers.push_back({field.size() + 1, racer});
    };
    add("ANN", "  1", "  1");
    add("BEA", "  4", "  7");
    add("CY", "  4", "007");
    add("DI", "", "");
    const AuditFindings findings = AuditStartsAndBibs(field);
    EXPECT_EQ(findings.missingStarts, (std::vector<int>{2, 3}));
    test::TempDir dir;
    const AppContext ctx(test::FoldersIn(dir), test::FixedClock());
    const std::vector<std::string> lines = AuditLines(ctx, field, findings);
    const std::vector<std::string> body(lines.begin() + 6, lines.end());
    EXPECT_EQ(body, (std::vector<std::string>{"START NUMBER   2  MISSING", "START NUMBER   3  MISSING",
                                              "START NUMBER   4  DUPLICATED", "        BEA", "        CY",
                                              "BIB NUMBER   7  DUPLICATED", "        BEA", "        CY"}));
    EXPECT_EQ(lines[4], "            MISSING OR DUPLICATE START POSITIONS AND/OR BIB NUMBERS");
}

TEST_F(ManualDrawTest, AuditCommandReportsACleanDrawAsSuch)
{
    MakeRace("NAT", "GS", {{"ANN", "10.00"}, {"BEA", "20.00"}});
    UpdateRacer(1, [](RacerRecord& r) { r.start1 = r.bib = "  1"; });
    UpdateRacer(2, [](RacerRecord& r) { r.start1 = r.bib = "  2"; });
    ScriptedOperator scripted;
    ASSERT_TRUE(AuditCommand(ctx, scripted, {}));
    const std::string report = test::ReadFile(ctx.race.File("TMP"));
    EXPECT_NE(report.find("\r\nNO MISSING OR DUPLICATE START POSITIONS OR BIB NUMBERS\r\n"), std::string::npos);
}

}  // namespace
}  // namespace skitally
