#include "racefile/discipline_change.h"

#include <gtest/gtest.h>

#include "app/scripted_operator.h"
#include "support/test_support.h"

namespace skitally {
namespace {

RacerRecord Racer(const std::string& name, float time2 = 0)
{
    RacerRecord racer;
    racer.name = name;
    racer.time2 = time2;
    return racer;
}

class DisciplineChangeTest : public ::testing::Test {
protected:

    RefillRacers Recorder()
    {
        return [this](const std::string& to, bool cardFamily) { refills.push_back(to + (cardFamily ? "+card" : "")); };
    }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    std::vector<RacerRecord> untimed{Racer("ROY, ANNE"), Racer("  DELETED RECORD  ", 44.0f)};
    std::vector<RacerRecord> timed{Racer("ROY, ANNE"), Racer("LEE, BEN", 51.2f)};
    std::vector<std::string> refills;
};

TEST_F(DisciplineChangeTest, RefusedCodes)
{
    ScriptedOperator op;
    EXPECT_FALSE(ChangeDiscipline(ctx, op, {"S", "SLX", "NAT"}, untimed, Recorder()));
    EXPECT_FALSE(ChangeDiscipline(ctx, op, {"", "kk", "FIS"}, {}, Recorder()));
    EXPECT_EQ(test::Texts(op), (std::vector<std::string>{"VALID RACE TYPES: S, G, D, SG, AC, SC, SX, KK",
                                                   "Kinder Kombi (KK) not valid for a FIS Race"}));
    EXPECT_EQ(op.messages()[0].title, "Error Message");
}

TEST_F(DisciplineChangeTest, AliasesSameCodeAndNoLiveRacersChangeSilently)
{
    ScriptedOperator op;
    EXPECT_EQ(ChangeDiscipline(ctx, op, {"", " gs ", "NAT"}, {}, Recorder()), "G");
    EXPECT_EQ(ChangeDiscipline(ctx, op, {"S", "DH", "NAT"}, {Racer("DELETED RECORD", 45.1f)}, Recorder()), "D");
    EXPECT_EQ(ChangeDiscipline(ctx, op, {"G", "G", "NAT"}, timed, Recorder()), "G");
    EXPECT_TRUE(op.messages().empty());
    EXPECT_TRUE(refills.empty());
}

TEST_F(DisciplineChangeTest, CombinedToCombinedOnlyWarnsAndOtherChangesNeedNoTimes)
{
    ScriptedOperator op;
    EXPECT_EQ(ChangeDiscipline(ctx, op, {"AC", "SC", "FIS"}, timed, Recorder()), "SC");
    EXPECT_FALSE(ChangeDiscipline(ctx, op, {"S", "G", "NAT"}, timed, Recorder()));
    EXPECT_EQ(test::Texts(op), (std::vector<std::string>{
                             "PLEASE keep in mind that changing combined Race Types means that some of the results "
                             "should be re-printed and re-run if already completed",
                             "CAN NOT CHANGE DISCIPLINE - RACERS HAVE RUN TIMES",
                             "CREATE NEW FILE AND COPY THIS  FILE, BLANKING RACERS TIMES"}));
    EXPECT_TRUE(refills.empty());
}

TEST_F(DisciplineChangeTest, ConfirmedChangeRefillsAndRemindsOfTheFFactor)
{
    ScriptedOperator op({"No", "Yes", "Yes"});
    EXPECT_FALSE(ChangeDiscipline(ctx, op, {"G", "SG", "NAT"}, untimed, Recorder()));
    EXPECT_TRUE(refills.empty());
    EXPECT_EQ(ChangeDiscipline(ctx, op, {"S", "G", "NAT"}, untimed, Recorder()), "G");
    EXPECT_EQ(ChangeDiscipline(ctx, op, {"S", "SX", "NAT"}, untimed, Recorder()), "SX");
    EXPECT_EQ(refills, (std::vector<std::string>{"G", "SX+card"}));
    const std::vector<std::string> texts = test::Texts(op);
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[2], "This will Change the Seed Points for the Penalty Calculation but will keep the RUN times "
                        "and BIB numbers from the original race.");
    EXPECT_EQ(texts[3], "Is this what is required");
    EXPECT_EQ(texts[4], "Do Not Forget to change the 'F Factor'");
}

TEST_F(DisciplineChangeTest, FValueTypedOnTheWeatherScreen)
{
    ScriptedOperator op;
    EXPECT_EQ(DisciplineAfterFValue(ctx, op, "G", 730), "S");
    EXPECT_EQ(DisciplineAfterFValue(ctx, op, "G", 1010), "G");
    EXPECT_EQ(DisciplineAfterFValue(ctx, op, "AC", 1360), "AC");
    EXPECT_EQ(DisciplineAfterFValue(ctx, op, "SX", 0), "SX");
    EXPECT_EQ(DisciplineAfterFValue(ctx, op, " G", 1000), "G");
    ctx.texts.SetLanguage(kFrench);
    EXPECT_EQ(DisciplineAfterFValue(ctx, op, "D", 1190), "SG");
    EXPECT_EQ(test::Texts(op), (std::vector<std::string>{
                             "F FACTOR entered Has CHANGED the Discipline to <SLALOM>",
                             "F FACTOR entered for Discipline <GIANT SLALOM> is UNKNOWN and may cause Errors",
                             "Le FACTEUR F saisi a CHANGÉ la discipline en <SUPER G.>"}));
}

}  // namespace
}  // namespace skitally
