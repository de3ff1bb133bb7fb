// Values a field cannot hold, typed as `key=value`: the command fails naming
// the field and the value, and no race file changes. The largest value that
// fits is kept.

#include "cli_race.h"
#include "support/fault_loop.h"

namespace skitally {
namespace {

// A giant slalom of one racer.
class FieldLimits : public test::CliRaceTest {
  protected:
    FieldLimits() { discipline = "GS"; }
    void SetUp() override
    {
        CliRaceTest::SetUp();
        RacerRecord racer;
        racer.name = "LEE Kim", racer.card = "0100003", racer.gender = "F";
        test::WriteFile(race + ".RCR", EncodeRacer(racer));
    }
    test::FolderSnapshot RaceFiles() const { return test::SnapshotFolder(dir.File("races")); }
};

TEST_F(FieldLimits, RefusedWholeNamingFieldAndValue)
{
    using Args = std::vector<std::string>;
    const std::string racer = "LEE,Kim";
    const std::string setter = "Hans GRUBER - AUSTR";  // the 19 characters of its column
    // clang-format off
    const struct { Args args; std::string shown; } cases[] = {
        // The points box "####.##" holds 9999.99 at most, and no sign; the
        // card seven digits.
        {{"edit", race, racer, "points=1e38"}, "G POINTS cannot hold <1e38>"},
        {{"edit", race, racer, "points=99999999"}, "G POINTS cannot hold <99999999>"},
        {{"edit", race, racer, "points=10000"}, "G POINTS cannot hold <10000>"},
        {{"edit", race, racer, "points=nan"}, "G POINTS cannot hold <nan>"},
        {{"edit", race, racer, "points=inf"}, "G POINTS cannot hold <inf>"},
        {{"edit", race, racer, "points=-5"}, "G POINTS cannot hold <-5>"},
        {{"hand-points", race, racer, "sl=45", "dh=12.345"}, "DH POINTS cannot hold <12.345>"},
        {{"edit", race, racer, "card=123456789012"}, "CARD NUMBER cannot hold <123456789012>"},
        {{"edit", race, racer, "card=12345678"}, "CARD NUMBER cannot hold <12345678>"},
        {{"edit", race, racer, "group=JUNIORS-U16"}, "GROUP cannot hold <JUNIORS-U16>"},  // one past its ten
        // Gates and turns of three digits; a start time of the day.
        {{"course", race, "setter1=" + setter + "Z"}, "COURSE SETTER (1ST RUN) cannot hold <" + setter + "Z>"},
        {{"course", race, "gates1=1000"}, "NO. OF GATES (1ST RUN) cannot hold <1000>"},
        {{"course", race, "gates1=99999999999", "turns1=40"}, "NO. OF GATES (1ST RUN) cannot hold <99999999999>"},
        {{"course", race, "turns2=-1"}, "TURNS (2ND RUN) cannot hold <-1>"},
        {{"course", race, "start1=abc"}, "START TIME (1ST RUN) cannot hold <abc>"},
        {{"course", race, "start1=99:99"}, "START TIME (1ST RUN) cannot hold <99:99>"},
        {{"course", race, "start2=24:00"}, "START TIME (2ND RUN) cannot hold <24:00>"},
        {{"course", race, "start2=10:60"}, "START TIME (2ND RUN) cannot hold <10:60>"},
        // F from 500 to 2500.
        {{"weather", race, "f=99999"}, "POINTS F FACTOR cannot hold <99999>"},
        {{"weather", race, "f=-5"}, "POINTS F FACTOR cannot hold <-5>"},
        {{"weather", race, "f=499"}, "POINTS F FACTOR cannot hold <499>"},
        {{"weather", race, "f=2501"}, "POINTS F FACTOR cannot hold <2501>"},
        // Z is written with two decimals in six places, the adder in two.
        {{"weather", race, "z=1000"}, "Z FACTOR cannot hold <1000>"},
        {{"weather", race, "adder=100"}, "CATEGORY ADDER cannot hold <100>"},
    };
    // clang-format on
    const auto before = RaceFiles();
    for (const auto& c : cases) {
        const test::CliRun run = Cli(c.args);
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(run.code, kCliRefused) << run.out;
        EXPECT_NE(run.out.find(c.shown), std::string::npos) << run.out;
        EXPECT_TRUE(RaceFiles() == before);
    }
}

TEST_F(FieldLimits, LargestValuesThatFitAreKept)
{
    // 9999.99 fits the box; a national race then caps it at 999.00.
    ASSERT_EQ(Cli({"edit", race, "LEE,Kim", "card=1234567", "points=9999.99"}).code, kCliDone);
    const RacerRecord racer = DecodeRacer(test::ReadFile(race + ".RCR"));
    EXPECT_EQ(racer.card + "|" + racer.seedPoints, "1234567|999.00 ");
    EXPECT_EQ(racer.pointsGS, 999.0f);

    const std::string setter = "Hans GRUBER - AUSTR";
    ASSERT_EQ(Cli({"course", race, "setter1=" + setter, "gates1=999", "turns1=999", "start1=23:59", "start2=0:00:00"})
                  .code,
              kCliDone);
    const std::string course = test::ReadFile(race + ".FOR");
    EXPECT_EQ(course.substr(21, 19), setter);
    EXPECT_EQ(course.substr(7 * 61 + 21, 7), "999/999");
    EXPECT_EQ(course.substr(8 * 61 + 21, 40), test::Pad("23:59", 21) + test::Pad("0:00:00", 19));

    // No discipline has these F values: the race stays a giant slalom.
    for (const auto& [f, written] : {std::pair{"2500", "2500"}, std::pair{"500", " 500"}}) {
        ASSERT_EQ(Cli({"weather", race, "f=" + std::string(f), "z=999.99", "adder=99"}).code, kCliDone);
        EXPECT_EQ(test::ReadFile(race + ".WTH").substr(75 + 47, 28), "ER =99  Z = 999.99  F = " + std::string(written));
    }
}

}  // namespace
}  // namespace skitally
