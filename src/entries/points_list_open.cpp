// OPEN: recognise the list, repair bare line feeds, choose the separator
// and the access kind, and ask whether categories are to be recalculated.

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "app/messages.h"
#include "entries/entries_text_ids.h"
#include "entries/points_list_reader.h"
#include "entries/points_list_source.h"
#include "racefile/racer_codes.h"
#include "util/dates.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr std::size_t kMinimumListBytes = 20;

std::string FileNameUpper(const std::string& path)
{
    const auto slash = path.find_last_of("\\/");
    return ToUpper(slash == std::string::npos ? path : path.substr(slash + 1));
}

bool IsHeaderLine(std::string_view line)
{
    const std::string upper = ToUpper(line);
    return upper.find(",LASTNAME") != std::string::npos || upper.find(",NAME") != std::string::npos ||
           upper.find(",DH") != std::string::npos;
}

}  // namespace

bool PointsListReader::ChooseTextAccess(std::string_view dataLine)
{
    fieldCount_ = CountOccurrences(dataLine, separator_);
    if (fieldCount_ > 5) {
        access_ = ListAccess::Comma;
        columns_ = DelimitedColumnMap(kind_, skiCrossRace_);
        for (const ColumnSpec& column : columns_)
            fieldsNeeded_ = std::max(fieldsNeeded_, static_cast<std::size_t>(column.field));
        listCodeField_ = columns_[col::kCode].field ? columns_[col::kCode].field : columns_[col::kOtherCode].field;
        rules_.listCodeColumn = columns_[col::kCode].field ? col::kCode : col::kOtherCode;
        return true;
    }
    access_ = ListAccess::Flat;
    columns_ = FlatColumnMap(dataLine);
    const bool fits = dataLine.empty() || FitsFlatColumns(dataLine, columns_);
    if (skiCrossRace_) {
        MoveCodeToOtherCode(columns_);
        rules_.listCodeColumn = col::kOtherCode;
    }
    return fits;
}

bool PointsListReader::TakeRecords(std::string bytes, FixedRecordKind kind)
{
    const FixedRecordLayout& layout = LayoutOf(kind);
    access_ = kind == FixedRecordKind::OldPts ? ListAccess::OldPts : ListAccess::SkitPts;
    recordLength_ = layout.length;
    linesTotal_ = static_cast<int>(bytes.size() / static_cast<std::size_t>(layout.length));
    const std::int32_t code = RecordCode(bytes, layout);
    content_ = std::move(bytes);
    rules_.splitDivision = true;
    rules_.hasFullName = true;
    rules_.listCodeColumn = skiCrossRace_ ? col::kOtherCode : col::kCode;
    return linesTotal_ > 0 && code >= 0 && code <= 999999;
}

bool PointsListReader::TakeText(AppContext& ctx, const std::string& fileName, std::string bytes,
                                const std::string& line1Upper, bool lineIsHeader)
{
    if ((kind_ == ListKind::FisSkx || kind_ == ListKind::FisWebPub) && HasBareLineFeeds(bytes)) {
        bytes = WithCrLf(bytes);
        if (const Status written = ReplaceFileContents(fileName, bytes); !written)
            ctx.log.Write("Points list kept its bare line feeds: " + written.error());
        linesTotal_ = CountLines(bytes);
    }
    if (kind_ == ListKind::FisAlp || kind_ == ListKind::FisSkx) {
        if (CountOccurrences(line1Upper, ",") < 15 && CountOccurrences(line1Upper, "\t") >= 19)
            separator_.assign(1, '\t');
    }
    if (kind_ == ListKind::FisOrg && line1Upper.find("FIS - INTERNATIONAL SKI FEDERATION") == std::string::npos)
        return false;
    content_ = AsCp1252Text(std::move(bytes));

    if (lineIsHeader) {
        NextLine(content_, offset_);
        currentLine_ = 1;
    }
    // Headers and blank lines before the first racer are consumed.
    std::string_view dataLine;
    for (std::size_t peek = offset_; peek < content_.size();) {
        const std::string_view line = NextLine(content_, peek);
        if (!IsHeaderLine(line) && !Trim(line).empty()) {
            dataLine = line;
            break;
        }
        offset_ = peek;
        ++currentLine_;
    }
    if (!ChooseTextAccess(dataLine))
        return false;
    rules_.splitDivision = !KeepsDivisionWhole(kind_) && columns_[col::kDivision].field != 0 &&
                           columns_[col::kNation].field == 0;
    rules_.hasFullName = columns_[col::kFullName].field != 0;
    rules_.dropCodePrefixC = kind_ == ListKind::RegOld || kind_ == ListKind::RegAca;
    return true;
}

std::string PointsListReader::Open(AppContext& ctx, Operator& op, const std::string& fileName, int errorMessageId,
                                   bool quiet)
{
    Reset();
    open_ = true;
    op.ProgressStart(ctx.Text(text::kAnalyzingFile), 0);
    progressShown_ = true;

    const std::string nameUpper = FileNameUpper(fileName);
    skiCrossRace_ = IsSkiCross(ctx.race.header.values.discipline);
    std::string bytes;
    if (!ReadWholeFile(fileName, bytes).ok() || bytes.size() < kMinimumListBytes)
        return Fail(ctx, op, errorMessageId, {});

    std::size_t offset = 0;
    const std::string line1Upper = ToUpper(NextLine(bytes, offset));
    const RecognisedKind recognised = RecogniseListKind(line1Upper, nameUpper);
    linesTotal_ = CountLines(bytes);
    rules_.listGender = recognised.listGender;

    // Fixed-record files name no columns, so only the catch-all row could
    // have taken them.
    const bool catchAll = recognised.kind == ListKind::FisWebPub && !recognised.lineIsHeader;
    const FixedRecordKind fixed = recognised.kind == ListKind::None || catchAll
                                      ? DetectFixedRecord(FirstLineToCr(bytes), nameUpper)
                                      : FixedRecordKind::None;
    bool taken = false;
    if (fixed != FixedRecordKind::None) {
        taken = TakeRecords(std::move(bytes), fixed);
    } else if (recognised.kind != ListKind::None) {
        kind_ = recognised.kind;
        taken = TakeText(ctx, fileName, std::move(bytes), line1Upper, recognised.lineIsHeader);
    }
    if (!taken)
        return Fail(ctx, op, errorMessageId, {});

    const LocalDateTime now = ToLocal(ctx.clock());
    rules_.year = now.year;
    rules_.month = now.month;
    rules_.raceLevel = IsRecreationalCodex(ctx.race.jury.Codex()) ? "REC" : ctx.race.header.values.raceLevel;

    EndProgress(op);
    if (!quiet)
        rules_.calculateCategory = AskYesNo(ctx, op, ctx.Text(text::kCalculateCategory), true);
    return "*OPN*";
}

}  // namespace skitally
