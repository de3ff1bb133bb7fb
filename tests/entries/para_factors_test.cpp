// Para factors: the factor file's rules, the factors given to the racers
// with their times factored again, and the switch that must leave a race
// either wholly factored with the flag on, or as it was.

#include <gtest/gtest.h>

#include <filesystem>

#include "entries/para_event.h"
#include "entries/para_factor_file.h"
#include "entries/para_factors.h"
#include "entry_test_race.h"
#include "racefile/race_status_file.h"

namespace skitally {
namespace {

// Rows as "CLASS:DH|SL|GS|SG;" for comparing whole reads.
std::string Rows(const FactorFileRead& read)
{
    std::string joined;
    for (const FactorRow& row : read.rows)
        joined += row.klass + ":" + row.factors[0] + "|" + row.factors[1] + "|" + row.factors[2] + "|" +
                  row.factors[3] + ";";
    return joined;
}

TEST(ParaFactorFile, HeaderNamesInAnyCaseAndOrderFirstLineOfAClassWins)
{
    // clang-format off
    const struct { const char* text; FactorRefusal refusal; const char* rows; } cases[] = {
        {"class,dh,sl,gs,sg\nLW2,0.9,0.8,0.85,0.88\n", FactorRefusal::None, "LW2:0.9|0.8|0.85|0.88;"},
        {"SG,Name,Class,GS,SL,DH\r\n0.4,x,B1,0.3,0.2,0.1\r\n", FactorRefusal::None, "B1:0.1|0.2|0.3|0.4;"},
        {"Class,DH,SL,GS,SG\nB1,1,1,1,1\nB1,2,2,2,2\nB2,,0.5\n\n", FactorRefusal::None, "B1:1|1|1|1;B2: |0.5| | ;"},
        {"Class,DH,SL,GS\nB1,1,1,1\n", FactorRefusal::MissingFields, ""},
        {"Klasse,DH,SL,GS,SG\nB1,1,1,1,1\n", FactorRefusal::MissingKey, ""},
        {"", FactorRefusal::Empty, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        const FactorFileRead read = ReadFactorText(c.text);
        EXPECT_EQ(read.refusal, c.refusal) << c.text;
        EXPECT_EQ(Rows(read), c.rows) << c.text;
    }
}

TEST(ParaFactorFile, DisciplineColumns)
{
    const std::pair<const char*, const char*> cases[] = {
        {"D", "DH"}, {"DH", "DH"}, {" S", "SL"}, {"SL", "SL"}, {"G", "GS"},
        {"gs", "GS"}, {"SG", "SG"}, {"SC", ""},  {"SX", ""},
    };
    for (const auto& [discipline, column] : cases)
        EXPECT_EQ(GetFactorDisc(discipline), column) << discipline;
}

// Slalom: LW2 0.8735, B1 0.7860, HALF 0.5 (a product on the half hundredth).
constexpr const char* kFactors = "Class,DH,SL,GS,SG\nLW2,0.9120,0.8735,0.8950,0.9054\nB1,0.8350,0.7860,0.8110,0.8240\n"
                                 "HALF,1,0.5,1,1\n";

class ParaEvent : public test::EntryRaceTest {
protected:
    void SetUp() override
    {
        MakeRace("NAT", "S", "F", "");
        test::WriteFile(ctx.folders.programFolder + kNationalFactorFile, kFactors);
        // name, group, run-1 raw and factored time, run-2 raw time
        Add("ANNE", "LW2", 63.46f, 63.46f, 0);
        Add("DELETED RECORD", "ZZ", 1, 1, 0);
        Add("BETH", "B1", 0, 45.01f, 47.55f);  // a time kept before raw times were written
        Add("CARA", "half", 0, 0, 0);
    }
    void Add(const std::string& name, const std::string& group, float raw1, float time1, float raw2)
    {
        RacerRecord racer;
        racer.name = name, racer.group = group, racer.rawTime1 = raw1, racer.time1 = time1;
        racer.rawTime2 = racer.time2 = raw2;
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        ASSERT_TRUE(file.AppendRacer(racer));
    }
    void SwitchOn(const std::string& halfGroup = "HALF")
    {
        RacerFile file;
        ASSERT_TRUE(file.Open(ctx.race.File("RCR")));
        RacerRecord cara = *file.ReadRacer(4);
        cara.group = halfGroup, cara.rawTime1 = 10.01f;
        ASSERT_TRUE(file.WriteRacer(4, cara));
        ScriptedOperator op({"NAT"});
        SwitchParaEvent(ctx, op, true, ctx.race.File("RCR"));
        texts = Texts(op);
    }
    std::vector<std::string> texts;
};

TEST_F(ParaEvent, SwitchingOnGivesEveryRacerItsFactorAndFactorsItsRawTimes)
{
    test::WriteFile(ctx.race.File("OFC"), "official results");
    SwitchOn();
    ASSERT_TRUE(ctx.race.flags.paraFactors) << (texts.empty() ? "" : texts.back());
    EXPECT_TRUE(ReadRaceStatus(ctx.race.File("SKT"))->flags.paraFactors);
    EXPECT_FALSE(std::filesystem::exists(ctx.race.File("OFC")));
    EXPECT_EQ(texts.back(), "Racer's Times may have changed, MUST Re-run Calculations and Official Reports");
    // 63.46 x 0.8735 = 55.43231; 45.01 x 0.786 = 35.37786; 47.55 x 0.786 =
    // 37.3743; 10.01 x 0.5 = 5.005, half up.
    EXPECT_EQ(Fields(1, {kParaFactor, kRawTime1, kTime1}), "0.8735000|063.46|055.43");
    EXPECT_EQ(Fields(2, {kName, kTime1}), "DELETED RECORD|001.00");
    EXPECT_EQ(Fields(3, {kParaFactor, kRawTime1, kTime1, kRawTime2, kTime2}), "0.7860000|045.01|035.38|047.55|037.37");
    EXPECT_EQ(Fields(4, {kParaFactor, kTime1}), "0.5000000|005.01");
    EXPECT_EQ(ParaFactorFor(ctx, Racer(3)), 0.786);

    // Giant slalom: 63.46 x 0.8950 = 56.7967.
    std::string bytes = test::ReadFile(ctx.race.File("RCR"));
    ScriptedOperator op;
    ASSERT_TRUE(RefactorRacers(ctx, op, "G", bytes));
    test::WriteFile(ctx.race.File("RCR"), bytes);
    EXPECT_EQ(Fields(1, {kParaFactor, kTime1}), "0.8950000|056.80");

    ScriptedOperator off({"Yes"});
    SwitchParaEvent(ctx, off, false, ctx.race.File("RCR"));
    EXPECT_FALSE(ctx.race.flags.paraFactors);
    EXPECT_FALSE(std::filesystem::exists(ctx.race.File("FAC")));
    EXPECT_EQ(Fields(1, {kParaFactor, kTime1}), "1.0000000|063.46");
    EXPECT_EQ(Fields(3, {kParaFactor, kTime1, kTime2}), "1.0000000|045.01|047.55");
    EXPECT_EQ(ParaFactorFor(ctx, Racer(3)), 1.0);
}

TEST_F(ParaEvent, AClassWithoutAFactorIsReportedAndLeavesTheRaceAsItWas)
{
    SwitchOn("");  // a class is no blank, and "half" is no "HALF"
    EXPECT_FALSE(ctx.race.flags.paraFactors);
    EXPECT_FALSE(std::filesystem::exists(ctx.race.File("FAC")));
    EXPECT_FALSE(std::filesystem::exists(ctx.race.File("SKT")));
    EXPECT_EQ(Fields(1, {kParaFactor, kTime1}), "1.0000000|063.46");
    const std::string report = test::ReadFile(ctx.race.File("TMP"));
    EXPECT_NE(report.find("RACERS WITH INVALID GROUP/CLASS CODES FOR FACTOR LOOK UP"), std::string::npos);
    EXPECT_NE(report.find("CARA"), std::string::npos);
    EXPECT_EQ(report.find("ANNE"), std::string::npos);
    EXPECT_EQ(texts.back(), "Once Correction Made - Recheck Race Option to force reload of Factors");
}

TEST_F(ParaEvent, RefusedFactorFilesSayWhy)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "Indicated XnnnX FILE IS EMPTY"},
        {"Class,DH,SL,GS\n", "Csv/txt File does not contain the required fields of Class, DH, SL, GS, SG"},
        {"Name,DH,SL,GS,SG\n", "Csv/txt File does not have the required key Field Class - Para Event not activated."},
        {"Class,DH,SL,GS,SG\nLW2,1,,1,1\n", "The Para Event Factor File has no Factors for the <  S  > Discipline"},
    };
    const std::string path = ctx.folders.programFolder + kNationalFactorFile;
    for (const auto& [file, message] : cases) {
        test::WriteFile(path, file);
        SwitchOn();
        EXPECT_EQ(texts.back(), FillPlaceholder(message, "XnnnX", path)) << file;
        EXPECT_FALSE(ctx.race.flags.paraFactors);
    }
}

}  // namespace
}  // namespace skitally
