// Series points: the built-in tables, the walk by total time, the table
// files, and the questions that choose the table.

#include <gtest/gtest.h>

#include <filesystem>

#include "calc/series_points.h"
#include "calc/series_scoring.h"
#include "calc/series_table_file.h"
#include "calc/series_tables.h"
#include "racefile/header_file.h"
#include "support/test_support.h"

namespace skitally {
namespace {

using Strings = std::vector<std::string>;
constexpr float kNoPoints = 9999.99f;

// Racers with these totals, already in total-time order, all without points.
CalculatedField FieldOf(const std::vector<float>& totals)
{
    CalculatedField field;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        CalcRacer racer{static_cast<int>(i) + 1, {}};
        racer.racer.totalTime = totals[i];
        racer.racer.racePoints = kNoPoints;
        field.racers.push_back(racer);
        field.timeOrder.push_back(i);
    }
    return field;
}

// `count` racers one second apart from 60.00.
std::vector<float> Apart(int count)
{
    std::vector<float> totals;
    for (int i = 0; i < count; ++i)
        totals.push_back(60.0f + static_cast<float>(i));
    return totals;
}

std::string Lines(const Strings& records)
{
    std::string text;
    for (const std::string& record : records)
        text += record + "\r\n";
    return text;
}

TEST(SeriesTables, HoldTheRecordsOfEachProvince)
{
    // Place n is record n - 1.
    // clang-format off
    const struct { int province; std::size_t records, index; const char* record; } cases[] = {
        {1, 61, 0, "1,500"}, {1, 61, 29, "30,30"}, {1, 61, 30, "31,29"},  // 60 - 31
        {1, 61, 59, "60,1"},                                              // 60 - 60 = 0, at least 1
        {1, 61, 60, "REST,1"}, {2, 61, 40, "41,20"}, {2, 61, 41, "42,19"},  // 61 - 42
        {2, 61, 60, "REST,1"}, {3, 46, 15, "16,30"}, {3, 46, 16, "17,29"},  // 46 - 17
        {3, 46, 44, "45,1"},   {3, 46, 45, "REST,1"}, {4, 31, 15, "16,15"},  // 31 - 16
        {4, 31, 29, "30,1"},   {4, 31, 30, "REST,0"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Strings table = BuiltInSeriesTable(c.province);
        ASSERT_EQ(table.size(), c.records) << c.province;
        EXPECT_EQ(table[c.index], c.record) << c.province;
    }
    EXPECT_TRUE(BuiltInSeriesTable(0).empty());
    EXPECT_TRUE(BuiltInSeriesTable(5).empty());
    EXPECT_EQ(BuiltInSeriesFileName(2), "ZAPS.SRS");
    EXPECT_EQ(BuiltInSeriesFileName(4), "CAPS.SRS");
}

TEST(SeriesTableFile, ReadsPlacesAndPointsOrNamesTheBadLine)
{
    // The lines read as place=points, up to the REST line.
    // clang-format off
    const struct { const char* text; int badLine; Strings lines; } cases[] = {
        {"1,500\r\n2, 400.5 \r\n\r\nrest,1\r\n9,x\r\n", 0, {"1=500.00", "2=400.50", "rest=001.00"}},
        {"1,0.005\n2,999.99", 0, {"1=000.01", "2=999.99"}},  // half up; last line without its end
        {"", 0, {}},
        {" \r\n\r\n", 0, {}},
        {"1,500\n2;400\n", 2, {}},
        {"1,500\n\n3,-5\n", 3, {}},  // blank lines count in the numbering
        {"1,999.995\n", 1, {}},      // rounds to 1000.00
        {"1,500,7\n", 1, {}},        // split at the first comma
        {"1,\n", 1, {}},
        {"1,.\n", 1, {}},
        {"1,1e2\n", 1, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const SeriesTableRead read = ReadSeriesTableText(c.text);
        EXPECT_EQ(read.badLine, c.badLine) << c.text;
        Strings lines;
        for (const SeriesTableLine& line : read.lines)
            lines.push_back(line.place + "=" + line.points);
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

TEST(SeriesScoring, WalksTheFieldByTotalTime)
{
    Strings tenLines;
    for (int place = 1; place <= 10; ++place)
        tenLines.push_back(std::to_string(place) + "," + std::to_string(11 - place));
    // Points by index in the walk.
    // clang-format off
    const struct { const char* name; Strings table; std::vector<float> totals;
                   std::vector<std::pair<std::size_t, float>> points; } cases[] = {
        {"province 1: the 61st and later take REST", BuiltInSeriesTable(1), Apart(62),
         {{0, 500}, {1, 400}, {59, 1}, {60, 1}, {61, 1}}},
        {"province 4: after the 30th REST gives 0", BuiltInSeriesTable(4), Apart(32), {{29, 1}, {30, 0}, {31, 0}}},
        {"a tie on walk places 3 and 4 uses up line 4", BuiltInSeriesTable(1), {60, 61, 62, 62, 63},
         {{2, 300}, {3, 300}, {4, 225}}},
        {"without REST the last line scores every later racer", tenLines, Apart(12), {{9, 1}, {10, 1}, {11, 1}}},
        {"no total: passed over, keeps his points", BuiltInSeriesTable(1), {0, 0, 60, 61},
         {{0, kNoPoints}, {1, kNoPoints}, {2, 500}, {3, 400}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        CalculatedField field = FieldOf(c.totals);
        ScoreSeries(field, ReadSeriesTableText(Lines(c.table)).lines);
        for (const auto& [walk, points] : c.points)
            EXPECT_FLOAT_EQ(field.racers[field.timeOrder[walk]].racer.racePoints, points) << c.name << " " << walk;
    }
}

class SeriesPointsTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ctx.skitPath = dir.path() + "/";
        ctx.race.open = true;
        ctx.race.racePath = dir.path() + "/";
        ctx.race.raceName = "SERIES";
        ctx.race.header.titles[0] = "SPRING SERIES";
        ctx.race.header.values = {"06-12-2026/MONT TREMBLANT", "G", "F", "SRS", "", "0", "00"};
    }
    bool Score(const std::string& type, const std::string& province, Strings answers)
    {
        ctx.race.header.values.seriesType = type;
        ctx.race.header.values.seriesProvince = province;
        op = ScriptedOperator(std::move(answers));
        const bool scored = ScoreSeriesPoints(ctx, op, field, change);
        EXPECT_EQ(op.remainingAnswers(), 0u);
        return scored;
    }
    std::vector<float> Points() const
    {
        std::vector<float> points;
        for (const CalcRacer& racer : field.racers)
            points.push_back(racer.racer.racePoints);
        return points;
    }

    test::TempDir dir;
    AppContext ctx{test::FoldersIn(dir), test::FixedClock()};
    ScriptedOperator op;
    CalculatedField field = FieldOf({60, 61, 62});
    FileTransaction change{dir.File("SERIES.JNL")};
    const std::vector<float> unscored = {kNoPoints, kNoPoints, kNoPoints};
    const std::string useCanadian = "Calculate using Canadian / Zone Alpine Series Points Table";
    const std::string haveFile = "DO YOU HAVE A Comma Delimited Series Points Table File";
};

TEST_F(SeriesPointsTest, ProvinceWithoutTableAsksForAFile)
{
    EXPECT_FALSE(Score("2", "07", {"Yes", "No"}));
    EXPECT_EQ(test::Texts(op),
              (Strings{useCanadian, "Skitally does not have a built in comma delimited File for Requested Province",
                       haveFile}));
    EXPECT_EQ(Points(), unscored);
    EXPECT_TRUE(change.empty());
}

TEST_F(SeriesPointsTest, TypeChosenOnTheOptionsScreenGoesToTheHeaderAfterTheCommit)
{
    // Blank type (refused at its field), then CAPS without a province, then province 1.
    EXPECT_TRUE(Score("0", "00", {"", "2", "", "", "1", "Yes"}));
    EXPECT_NE(op.transcript().find("!! MUST CHOOSE A SERIES TYPE (WC, CAPS, OTHER)\n> 2\n"), std::string::npos);
    EXPECT_EQ(test::Texts(op), (Strings{"MUST CHOOSE A PROVINCE", useCanadian}));
    EXPECT_EQ(Points(), (std::vector<float>{500, 400, 300}));
    EXPECT_EQ(test::ReadFile(dir.File("CAPS.SRS")).substr(0, 14), "1,500\r\n2,400\r\n");
    EXPECT_EQ(ctx.race.header.values.seriesType, "0");
    ASSERT_TRUE(change.Commit());
    KeepChosenSeriesOptions(ctx, change);
    EXPECT_EQ(ctx.race.header.values.seriesType, "2");
    EXPECT_EQ(ctx.race.header.values.seriesProvince, "01");
}

TEST_F(SeriesPointsTest, WorldCupFileIsUsedWithoutAQuestion)
{
    test::WriteFile(dir.File("WorlCup.SRS"), "1,100\r\nREST,50\r\n");
    EXPECT_TRUE(Score("1", "00", {}));
    EXPECT_EQ(Points(), (std::vector<float>{100, 50, 50}));
    EXPECT_TRUE(change.empty());
}

TEST_F(SeriesPointsTest, ChosenFileThatCannotScoreChangesNothing)
{
    // clang-format off
    const struct { const char* bytes; std::string text; } cases[] = {
        {"", "SERIES FILE IS EMPTY"},
        {"\r\n", "SERIES FILE IS EMPTY"},
        {"1,500\r\n2;400\r\n",
         "Line 2 of the series file " + dir.File("T.SRS") + " is not a place, a comma and points from 0 to 999.99"},
    };
    // clang-format on
    for (const auto& c : cases) {
        test::WriteFile(dir.File("caps.srs"), "1,9");  // left by an earlier race: deleted before the pick
        test::WriteFile(dir.File("T.SRS"), c.bytes);
        EXPECT_FALSE(Score("3", "00", {"Yes", dir.File("T.SRS")}));
        EXPECT_EQ(test::Texts(op), (Strings{haveFile, c.text}));
        EXPECT_FALSE(std::filesystem::exists(dir.File("caps.srs")));
        EXPECT_EQ(Points(), unscored);
        EXPECT_TRUE(change.empty());
    }
}

}  // namespace
}  // namespace skitally
