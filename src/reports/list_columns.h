#pragma once
// The columns of the start lists and racer lists: which are present, their
// widths and places, their two heading lines and each racer's line.
// Lines are Windows-1252 bytes.

#include <string>
#include <vector>

#include "app/app_context.h"
#include "racefile/racer_record.h"
#include "reports/report_options.h"

namespace skitally {

enum class ColumnKind {
    Sequence,
    Start,
    SnowFlag,
    Bib,
    Card,
    Category,
    Gender,
    Group,
    Name,
    Nation,
    Club,
    BirthYear,
    Seed,
};

struct ListColumn {
    ColumnKind kind;
    int position = 1;  // first column, from 1
    int width = 0;
    bool blankAfter = true;
};

// One racer as a list shows it.
struct ListRow {
    RacerRecord racer;
    std::string start;  // the start column: a number or a run-1 status
    int sequence = 0;  // the line number of a racer list
    int record = 0;    // record number in the racer file
};

class ListColumns {
public:
    // Two heading lines, each without trailing blanks.
    std::vector<std::string> Headings() const;
    std::string Body(const ListRow& row) const;
    int Width() const { return width_; }
    int NameWidth() const { return nameWidth_; }
    const std::vector<ListColumn>& columns() const { return columns_; }

    // The run-1 and run-2 start lists. The fixed part of 39 characters holds
    // the start number, the bib and the card number (8 of them) and leaves
    // 23 blank columns at the right for hand-written times; the options add
    // their widths. The name takes 104 less the rest, from 32 to 40.
    static ListColumns StartList(const AppContext& ctx, const ReportColumns& options, bool snowFlag, int groupWidth);
    // The racer lists: line number, bib, the option columns and the name;
    // the name takes what is left of `width`, from 20 to 40.
    static ListColumns RacerList(const AppContext& ctx, const ReportColumns& options, int groupWidth, int width);

private:
    void Add(ColumnKind kind, int width, bool blankAfter = true);
    // The columns the report options switch on, around the name, in the
    // order both lists print them.
    void AddOptionColumns(const ReportColumns& options, int groupWidth);

    std::vector<ListColumn> columns_;
    int next_ = 1;
    int width_ = 0;
    int nameWidth_ = 0;
    bool nationBased_ = false;
    bool league_ = false;
    bool blankIs999_ = false;
};

// The group column's width: the longest group text (team names in league
// races), at least the heading's width and at most the field's 10.
int GroupWidth(const std::vector<ListRow>& rows, bool league);

// Seed points as the lists print them: two decimals ("45.20"), or blank
// (999.00 with `blankIs999`) for a racer without points.
std::string SeedText(const std::string& seedPoints, bool blankIs999);

// A racer without seed points is placed by the draw at random, on snow,
// not by points: the start list can flag them.
bool IsSnowSeeded(const RacerRecord& racer);

}  // namespace skitally
