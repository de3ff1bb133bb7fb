#include "reports/list_columns.h"

#include <algorithm>
#include <cctype>

#include "racefile/race_kinds.h"
#include "racefile/racer_codes.h"
#include "racefile/racer_text.h"
#include "util/text_line.h"
#include "util/time_format.h"
#include "util/codepage.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kStartListFixed = 39;
constexpr int kCardPart = 8;
constexpr int kWidestLine = 104;
constexpr int kLongestName = 40;
constexpr int kShortestStartListName = 32;
constexpr int kShortestRacerListName = 20;
constexpr int kGroupFieldWidth = 10;

std::string RightText(const std::string& text, int width)
{
    return RightAlignText("", text, width);
}

// Cut or blank-padded to exactly `width`: a field never spills into the next.
std::string Fit(std::string text, int width)
{
    text.resize(static_cast<std::size_t>(std::max(width, 0)), ' ');
    return text;
}

}  // namespace

std::string SeedText(const std::string& seedPoints, bool blankIs999)
{
    const std::string trimmed = Trim(seedPoints);
    const bool numeric = !trimmed.empty() && (std::isdigit(static_cast<unsigned char>(trimmed[0])) ||
                                              (trimmed[0] == '.' && trimmed.size() > 1));
    if (!numeric)
        return blankIs999 ? "999.00" : "";
    return FormatFixed(ReadNumber(trimmed), 1, 2);
}

bool IsSnowSeeded(const RacerRecord& racer)
{
    return SeedText(racer.seedPoints, false).empty();
}

int GroupWidth(const std::vector<ListRow>& rows, bool league)
{
    int width = league ? 4 : 3;  // "TEAM" or "GRP"
    for (const ListRow& row : rows)
        width = std::max(width, static_cast<int>(TrimmedCp1252(row.racer.group).size()));
    return std::min(width, kGroupFieldWidth);
}

void ListColumns::Add(ColumnKind kind, int width, bool blankAfter)
{
    columns_.push_back({kind, next_, width, blankAfter});
    next_ += width + (blankAfter ? 1 : 0);
}

ListColumns ListColumns::StartList(const AppContext& ctx, const ReportColumns& options, bool snowFlag, int groupWidth)
{
    int fixed = kStartListFixed - (options.card ? 0 : kCardPart) + (snowFlag ? 2 : 0);
    fixed += (options.category ? 4 : 0) + (options.nation ? 6 : 0) + (options.club ? 6 : 0);
    fixed += (options.group ? groupWidth + 1 : 0) + (options.birthYear ? 5 : 0) + (options.gender ? 2 : 0);
    fixed += options.seedPoints ? 7 : 0;

    ListColumns list;
    list.nationBased_ = IsNationBasedRace(ctx);
    list.league_ = IsLeagueRace(ctx);
    list.blankIs999_ = options.blankIs999;
    list.nameWidth_ = std::clamp(kWidestLine - (fixed + 1), kShortestStartListName, kLongestName);
    list.width_ = list.nameWidth_ + fixed + 1;
    list.Add(ColumnKind::Start, 3);
    if (snowFlag)
        list.Add(ColumnKind::SnowFlag, 2, false);
    list.Add(ColumnKind::Bib, 3);
    list.AddOptionColumns(options, groupWidth);
    return list;
}

void ListColumns::AddOptionColumns(const ReportColumns& options, int groupWidth)
{
    if (options.card)
        Add(ColumnKind::Card, 7);
    if (options.category)
        Add(ColumnKind::Category, 3);
    if (options.gender)
        Add(ColumnKind::Gender, 1);
    if (options.group)
        Add(ColumnKind::Group, groupWidth);
    Add(ColumnKind::Name, nameWidth_);
    if (options.nation)
        Add(ColumnKind::Nation, 5);
    if (options.club)
        Add(ColumnKind::Club, 5);
    if (options.birthYear)
        Add(ColumnKind::BirthYear, 4);
    if (options.seedPoints)
        Add(ColumnKind::Seed, 6);
}

ListColumns ListColumns::RacerList(const AppContext& ctx, const ReportColumns& options, int groupWidth, int width)
{
    ListColumns list;
    list.nationBased_ = IsNationBasedRace(ctx);
    list.league_ = IsLeagueRace(ctx);
    list.blankIs999_ = options.blankIs999;
    list.width_ = width;
    int others = 8 + (options.card ? 8 : 0) + (options.category ? 4 : 0) + (options.gender ? 2 : 0);
    others += (options.group ? groupWidth + 1 : 0) + (options.nation ? 6 : 0) + (options.club ? 6 : 0);
    others += (options.birthYear ? 5 : 0) + (options.seedPoints ? 7 : 0);
    list.nameWidth_ = std::clamp(width - others - 1, kShortestRacerListName, kLongestName);
    list.Add(ColumnKind::Sequence, 3);
    list.Add(ColumnKind::Bib, 3);
    list.AddOptionColumns(options, groupWidth);
    return list;
}

std::vector<std::string> ListColumns::Headings() const
{
    std::string first;
    std::string second;
    const auto put = [](std::string& line, const std::string& text, int position, int width) {
        line = OverlayText(line, Fit(text, width), position, width);
    };
    for (const ListColumn& column : columns_) {
        const int at = column.position;
        const int width = column.width;
        switch (column.kind) {
        case ColumnKind::Sequence:
            put(second, "NO.", at, width);
            break;
        case ColumnKind::Start:
            put(first, "ST", at, width);
            put(second, "NO.", at, width);
            break;
        case ColumnKind::SnowFlag:
            break;
        case ColumnKind::Bib:
            put(first, "BIB", at, width);
            put(second, "NO.", at, width);
            break;
        case ColumnKind::Card:
            put(first, CenterText("CODE", width), at, width);
            put(second, CenterText("NO.", width), at, width);
            break;
        case ColumnKind::Category:
            put(second, "CAT", at, width);
            break;
        case ColumnKind::Gender:
            put(first, "GEN", at - 1, 3);
            break;
        case ColumnKind::Group:
            put(second, league_ ? "TEAM" : "GRP", at, width);
            break;
        case ColumnKind::Name: {
            std::string competitor = "COMPETITOR";
            competitor.resize(static_cast<std::size_t>(std::max(width, 10)), '-');
            put(first, competitor, at, width);
            put(second, "SURNAME, NAME", at, width);
            break;
        }
        case ColumnKind::Nation:
            put(second, CenterText(nationBased_ ? "NAT" : "DIV", width), at, width);
            break;
        case ColumnKind::Club:
            put(second, CenterText("CLB", width), at, width);
            break;
        case ColumnKind::BirthYear:
            put(second, "BYR", at, width);
            break;
        case ColumnKind::Seed:
            put(second, "SEED", at, width);
            break;
        }
    }
    return {TrimEnd(first), TrimEnd(second)};
}

std::string ListColumns::Body(const ListRow& row) const
{
    const RacerRecord& racer = row.racer;
    std::string line;
    for (const ListColumn& column : columns_) {
        const int width = column.width;
        std::string value;
        switch (column.kind) {
        case ColumnKind::Sequence:
            value = RightText(std::to_string(row.sequence), width);
            break;
        case ColumnKind::Start:
            value = RightText(TrimmedCp1252(row.start), width);
            break;
        case ColumnKind::SnowFlag:
            value = IsSnowSeeded(racer) ? "* " : "  ";
            break;
        case ColumnKind::Bib:
            value = RightText(TrimmedCp1252(racer.bib), width);
            break;
        case ColumnKind::Card:
            value = CenterText(TrimmedCp1252(racer.card), width);
            break;
        case ColumnKind::Category:
            value = TrimmedCp1252(racer.category);
            break;
        case ColumnKind::Gender:
            value = TrimmedCp1252(racer.gender);
            break;
        case ColumnKind::Group:
            value = TrimmedCp1252(racer.group);
            break;
        case ColumnKind::Name:
            value = TrimmedCp1252(racer.name);
            break;
        case ColumnKind::Nation:
            value = CenterText(TrimmedCp1252(racer.nation), width);
            break;
        case ColumnKind::Club:
            value = CenterText(TrimmedCp1252(racer.club), width);
            break;
        case ColumnKind::BirthYear:
            value = TrimmedCp1252(FourDigitBirthYear(racer.birthYear2, racer.birthYear));
            break;
        case ColumnKind::Seed:
            value = RightText(SeedText(racer.seedPoints, blankIs999_), width);
            break;
        }
        line = OverlayText(line, Fit(value, width), column.position, width);
    }
    return TrimEnd(line);
}

}  // namespace skitally
