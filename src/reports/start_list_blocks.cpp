#include "reports/start_list_blocks.h"

#include <algorithm>
#include <iterator>

#include "util/text_line.h"
#include "util/codepage.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kJuryHeading = 4102;
constexpr int kTechnicalHeading = 4103;
constexpr int kFirstRun = 4202;
constexpr int kSecondRun = 4203;
constexpr int kCourseSetter = 4204;
constexpr int kForerunners = 4205;
constexpr int kGates = 4206;
constexpr int kStartTime = 4207;
constexpr int kTechnicalLabelWidth = 15;
constexpr int kLeftValueWidth = kBlockRightColumn - kBlockValueColumn - 1;

// Cut so that label and colon end before the value column.
std::string Label(const AppContext& ctx, int id)
{
    return TrimmedCp1252(ctx.Text(id)).substr(0, kBlockValueColumn - 2) + ":";
}

std::string Put(const std::string& line, const std::string& text, int column)
{
    return OverlayText(line, text, column, static_cast<int>(text.size()));
}

// Label at column 1, value at column 21 (cut before column 43).
std::string LeftPair(const std::string& label, const std::string& value)
{
    std::string line = Put("", label, 1);
    if (!value.empty())
        line = Put(line, TrimmedCp1252(value).substr(0, kLeftValueWidth), kBlockValueColumn);
    return line;
}

std::string TechnicalText(const AppContext& ctx, int labelId, const TechnicalValues& values)
{
    std::string label = TrimmedCp1252(ctx.Text(labelId)).substr(0, kTechnicalLabelWidth);
    label.resize(kTechnicalLabelWidth, ' ');
    std::string value = TrimmedCp1252(values.run1);
    if (!Trim(values.run2).empty())
        value += " / " + TrimmedCp1252(values.run2);
    return label + ": " + value;
}

}  // namespace

bool TdCandidateOption(const AppContext& ctx)
{
    return ToUpper(Trim(ctx.settings->Get("OptJry", "OptTD"))) == "YES";
}

std::vector<std::string> JuryBlock(const AppContext& ctx, const JuryData& jury, bool fis, bool tdCandidate)
{
    struct Row {
        JurySlot slot;
        int technical;  // TechnicalRow, or -1
    };
    static const Row rows[] = {
        {kTechnicalDelegate, kCourseName},
        {kTdCandidate, -1},
        {kReferee, kStartElevation},
        {kChiefOfRace, kFinishElevation},
        {kAssistantReferee, kVerticalDrop},
        {kStartReferee, kCourseLength},
        {kFinishReferee, -1},
        {kChiefOfCourse, kHomologation},
        {kRaceAdministrator, -1},
        {kChiefOfTiming, -1},
    };
    constexpr std::size_t kFirstOtherOfficial = 5;  // the start referee: not printed in FIS races
    std::vector<std::string> lines;
    lines.push_back(Put(Label(ctx, kJuryHeading), Label(ctx, kTechnicalHeading), kBlockRightColumn));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        if (row.slot == kTdCandidate && !tdCandidate)
            continue;
        const bool juryShown = !fis || i < kFirstOtherOfficial;
        if (!juryShown && row.technical < 0)
            continue;
        std::string line =
            juryShown ? LeftPair(Label(ctx, JurySlotTextId(row.slot)), jury.jury[static_cast<std::size_t>(row.slot)])
                      : std::string();
        if (row.technical >= 0)
            line = Put(line,
                       TechnicalText(ctx, TechnicalRowTextId(static_cast<TechnicalRow>(row.technical)),
                                     jury.technical[static_cast<std::size_t>(row.technical)]),
                       kBlockRightColumn);
        lines.push_back(TrimEnd(line));
    }
    return lines;
}

std::vector<std::string> RunBlock(const AppContext& ctx, const CourseData& course, bool skiCross)
{
    const RunCourse& one = course.runs[0];
    const RunCourse& two = course.runs[1];
    const auto row = [&](const std::string& label, const std::string& first, const std::string& second) {
        return TrimEnd(Put(LeftPair(label, first), TrimmedCp1252(second), kBlockRightColumn));
    };
    return {
        TrimEnd(Put(Put("", TrimmedCp1252(ctx.Text(kFirstRun)), kBlockValueColumn), TrimmedCp1252(ctx.Text(kSecondRun)),
                    kBlockRightColumn)),
        row(Label(ctx, kCourseSetter), one.courseSetter, two.courseSetter),
        row(Label(ctx, kGates), GatesText(one, skiCross), GatesText(two, skiCross)),
        row(Label(ctx, kStartTime), one.startTime, two.startTime),
    };
}

std::vector<std::string> ForerunnerBlock(const AppContext& ctx, const CourseData& course, bool twoRuns)
{
    std::vector<std::string> first;
    std::vector<std::string> second;
    for (const std::string& name : course.runs[0].forerunners)
        if (!Trim(name).empty())
            first.push_back(name);
    if (twoRuns)
        for (const std::string& name : course.runs[1].forerunners)
            if (!Trim(name).empty())
                second.push_back(name);
    std::vector<std::string> lines;
    const std::size_t count = std::max<std::size_t>({first.size(), second.size(), 1});
    for (std::size_t i = 0; i < count; ++i) {
        std::string line =
            LeftPair(i == 0 ? Label(ctx, kForerunners) : std::string(), i < first.size() ? first[i] : std::string());
        if (i < second.size())
            line = Put(line, TrimmedCp1252(second[i]), kBlockRightColumn);
        lines.push_back(TrimEnd(line));
    }
    return lines;
}

}  // namespace skitally
