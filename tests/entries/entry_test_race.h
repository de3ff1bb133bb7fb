#pragma once
// A race in a temporary folder for the racer entry tests: header, jury
// (with its codex) and an empty racer file, and the pick table filled from
// racer lines as the points-list reader hands them over.

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "entries/points_import.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/race_open.h"
#include "racefile/racer_file.h"
#include "racefile/racer_text.h"
#include "support/test_support.h"
#include "util/tokens.h"

namespace skitally::test {

using Strings = std::vector<std::string>;

class EntryRaceTest : public ::testing::Test {
protected:
    void MakeRace(const std::string& level, const std::string& discipline, const std::string& gender,
                  const std::string& codex)
    {
        ctx.race.open = true;
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "SPRING CUP";
        HeaderFile header;
        header.titles[0] = "SPRING CUP";
        header.values = {"06-12-2026/MONT TREMBLANT", discipline, gender, level, "", "0", "00"};
        ASSERT_TRUE(WriteHeaderFile(ctx.race.File("HDR"), header));
        JuryData jury;
        jury.jury[kTechnicalDelegate] = "J ROY - CAN";
        jury.technical[kCodexNumber].run1 = codex;
        ASSERT_TRUE(WriteJuryFile(ctx.race.File("JRY"), jury));
        WriteFile(ctx.race.File("RCR"), "");
        ReadHeader(ctx);
        ctx.race.jury = jury;
    }
    void FillPickTable(const Strings& lines)
    {
        std::vector<PickRacer> rows;
        for (const std::string& line : lines)
            rows.push_back(PickRowFromLine(line));
        ASSERT_TRUE(ReplacePickTable(ctx.settings->database(), rows));
    }
    void AddRacer(const std::string& name, const std::string& card)
    {
        RacerRecord racer;
        racer.name = name, racer.card = card, racer.gender = "F";
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        ASSERT_TRUE(file.AppendRacer(racer));
    }
    RacerRecord Racer(int n, const std::string& path = {})
    {
        RacerFile file;
        EXPECT_TRUE(file.Open(path.empty() ? ctx.race.File("RCR") : path, RacerFileMode::Read));
        return file.ReadRacer(n).value_or(RacerRecord());
    }
    // Fields of racer n as the lists show them (trimmed, no points blank), joined by "|".
    std::string Fields(int n, std::initializer_list<int> fields, const std::string& path = {})
    {
        const RacerText text = RecordToText(Racer(n, path));
        std::string joined;
        for (int field : fields)
            joined += "|" + Trim(text[static_cast<std::size_t>(field)]);
        return joined.substr(1);
    }
    static Strings Texts(const ScriptedOperator& op) { return test::Texts(op); }

    TempDir dir;
    AppContext ctx{FoldersIn(dir), FixedClock()};
};

// Racer lines: last, first, nation, division, category, code, gender,
// birth year, DH SL GS SG SC, SX, SX rank, KK, group, other code.
inline const char* const kAnne = "ST PIERRE,anne-marie,CAN,QC,U16,0123456,F,2011,,12.50,33.10,,,,,,,0654321";
inline const char* const kBeth = "ADAMS,Beth,CAN,AB,U18,0222222,F,2009,55.00,,47.25,60.00,70.00,,,,G2,";
inline const char* const kCara = "ZHOU,Cara,USA,,U21,0333333,F,2006,,,999.99,,,,,,,";
inline const char* const kDan = "MOREL,Dan,CAN,QC,U16,0444444,M,2011,,15.00,20.00,,,,,,,";

}  // namespace skitally::test
