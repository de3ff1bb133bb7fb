#include "entries/points_list_reader.h"

#include <algorithm>

#include "app/text_ids.h"
#include "app/text_table.h"
#include "entries/entries_text_ids.h"
#include "entries/points_line_text.h"
#include "entries/points_list_source.h"
#include "racefile/racer_record.h"
#include "util/codepage.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kProgressEvery = 100;

std::string BaseName(const std::string& path)
{
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A record shown in a message: its bytes with the binary ones blanked.
std::string PrintableRecord(std::string_view record)
{
    std::string text(record);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            c = ' ';
    return Cp1252ToUtf8(Trim(text));
}

}  // namespace

const char* PointsListReader::AccessName() const
{
    switch (access_) {
    case ListAccess::Comma: return "COMMA";
    case ListAccess::Flat: return "FLAT";
    case ListAccess::OldPts: return "OLDPTS";
    case ListAccess::SkitPts: return "SKITPTS";
    case ListAccess::None: break;
    }
    return "";
}

void PointsListReader::Reset()
{
    *this = PointsListReader();
}

std::string PointsListReader::SourceText() const
{
    const bool record = access_ == ListAccess::OldPts || access_ == ListAccess::SkitPts;
    return record ? PrintableRecord(lastRaw_) : Cp1252ToUtf8(lastRaw_);
}

void PointsListReader::EndProgress(Operator& op)
{
    if (progressShown_)
        op.ProgressEnd();
    progressShown_ = false;
}

std::string PointsListReader::Close(Operator& op)
{
    // What the last failure was about outlives the list, for the caller.
    EndProgress(op);
    const bool aborted = aborted_;
    std::string source = lastRaw_.empty() ? std::move(lastSource_) : SourceText();
    Reset();
    aborted_ = aborted;
    lastSource_ = std::move(source);
    return "*CLS*";
}

std::string PointsListReader::Fail(AppContext& ctx, Operator& op, int errorMessageId, const std::string& detail)
{
    const std::string source = reading_ ? SourceText() : std::string();
    Close(op);
    std::string message = ctx.Text(errorMessageId);
    if (!source.empty())
        message += "\n" + source;
    if (!detail.empty())
        message += "\n" + detail;
    op.Beep();
    op.Message({ctx.Text(text::kLoadRacerError), message, {ctx.Text(text::kOkay)}, MessageIcon::Exclamation});
    return "*ERR*";
}

bool PointsListReader::AskListGender(AppContext& ctx, Operator& op, const std::string& fileName)
{
    const std::string question =
        FillPlaceholder(ctx.Text(text::kListGenderQuestion), "XnnnX", BaseName(fileName));
    const int chosen = op.Message({ctx.Text(text::kQueryTitle), question,
                                   {ctx.Text(text::kFemale), ctx.Text(text::kMale), ctx.Text(text::kAbort)},
                                   MessageIcon::Question, 0});
    if (chosen != 0 && chosen != 1)
        return false;
    rules_.listGender = chosen == 0 ? 'F' : 'M';
    return true;
}

bool PointsListReader::SkipsPageHeader(const std::vector<std::string>& fields) const
{
    // Printed FIS lists repeat their column titles and print date on every page.
    if (kind_ != ListKind::FisOrg)
        return false;
    const std::string code = listCodeField_ > 0 && static_cast<std::size_t>(listCodeField_) <= fields.size()
                                 ? Trim(fields[listCodeField_ - 1])
                                 : std::string();
    const std::string upper = ToUpper(code);
    return code.empty() || upper == "CODE" || upper.find("PRINTED") != std::string::npos;
}

bool PointsListReader::NextRacer(RacerColumns& racer)
{
    if (access_ == ListAccess::OldPts || access_ == ListAccess::SkitPts) {
        const FixedRecordLayout& layout =
            LayoutOf(access_ == ListAccess::OldPts ? FixedRecordKind::OldPts : FixedRecordKind::SkitPts);
        while (currentLine_ < linesTotal_) {
            const std::string_view record = std::string_view(content_).substr(
                static_cast<std::size_t>(currentLine_) * static_cast<std::size_t>(recordLength_),
                static_cast<std::size_t>(recordLength_));
            ++currentLine_;
            if (record.find_first_not_of(std::string_view(" \0", 2)) == std::string_view::npos)
                continue;
            lastRaw_ = record;
            racer = ColumnsFromRecord(record, layout, skiCrossRace_);
            return true;
        }
        return false;
    }
    while (offset_ < content_.size()) {
        const std::string_view line = NextLine(content_, offset_);
        ++currentLine_;
        if (IsBlankLine(line, separator_))
            continue;
        if (const std::optional<RowFault> fault = TextLineFault(line)) {
            skipped_.push_back({currentLine_, *fault});
            continue;
        }
        if (access_ == ListAccess::Flat) {
            racer = ColumnsFromFixedLine(line, columns_);
        } else {
            if (SkipsPageHeader(fields_))
                continue;
            racer = ColumnsFromFields(fields_, columns_, kind_ == ListKind::FisOrg);
        }
        lastRaw_ = line;
        return true;
    }
    return false;
}

std::optional<RowFault> PointsListReader::TextLineFault(std::string_view line)
{
    // Most programs a list passes through end a text at a NUL.
    if (line.find('\0') != std::string_view::npos)
        return RowFault::NulCharacter;
    if (access_ != ListAccess::Comma)
        return std::nullopt;
    // An odd count leaves the last quote open to the end of the line,
    // swallowing the separators after it.
    if (std::count(line.begin(), line.end(), '"') % 2 != 0)
        return RowFault::UnbalancedQuote;
    SplitDelimited(line, separator_, fields_);
    // A page header is no racer, however many columns it has.
    if (fields_.size() < fieldsNeeded_ && !SkipsPageHeader(fields_))
        return RowFault::TooFewColumns;
    return std::nullopt;
}

std::string PointsListReader::Read(AppContext& ctx, Operator& op, const std::string& fileName, int errorMessageId,
                                   const std::string& separator)
{
    if (!open_)
        return "*EOF*";
    if (!reading_) {
        reading_ = true;
        op.ProgressStart(ctx.Text(text::kReadingFile) + " " + fileName, linesTotal_);
        progressShown_ = true;
        processingText_ = ctx.Text(text::kProcessingRecord) + " ";
    }
    const std::size_t cardWidth = static_cast<std::size_t>(RacerFields()[kCard].width);
    for (;;) {
        RacerColumns racer;
        if (!NextRacer(racer)) {
            EndProgress(op);
            return "*EOF*";
        }
        if (++racersRead_ == 1 || racersRead_ % kProgressEvery == 0)
            op.ProgressStep(currentLine_, processingText_ + std::to_string(currentLine_));

        if (NeedsListGender(racer, rules_.listGender) && !AskListGender(ctx, op, fileName)) {
            Close(op);
            aborted_ = true;
            return "*ERR*";
        }
        if (const auto problem = NormaliseRacer(racer, rules_))
            return Fail(ctx, op, errorMessageId,
                        FillPlaceholder(ctx.Text(problem->textId), problem->placeholder, Cp1252ToUtf8(problem->value)));
        // A racer's card holds cardWidth characters: a longer code would be
        // cut, perhaps into another racer's.
        if (racer[col::kCode].size() > cardWidth || racer[col::kOtherCode].size() > cardWidth) {
            skipped_.push_back({currentLine_, RowFault::CodeTooLong});
            continue;
        }
        return ComposeRacerLine(racer, separator);
    }
}

std::string ReadRacerRec(PointsListReader& reader, AppContext& ctx, Operator& op, const std::string& fileName,
                         const std::string& command, int errorMessageId, const std::string& separator, bool quiet)
{
    const std::string verb = ToUpper(Trim(command));
    if (verb == "OPEN")
        return reader.Open(ctx, op, fileName, errorMessageId, quiet);
    if (verb == "READ")
        return reader.Read(ctx, op, fileName, errorMessageId, separator);
    if (verb == "CLOSE")
        return reader.Close(op);
    reader.Close(op);
    op.Beep();
    op.Message({ctx.Text(text::kLoadRacerError), ctx.Text(text::kUnknownReadCommand), {ctx.Text(text::kOkay)},
                MessageIcon::Exclamation});
    return "*ERR*";
}

}  // namespace skitally
