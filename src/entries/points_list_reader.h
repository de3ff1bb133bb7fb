#pragma once
// The points-list reader: every kind of list behind one OPEN / READ / CLOSE
// interface that hands back one normalised racer line at a time.
//
// The racer line is 18 fields joined by the caller's separator:
//   1 last name      2 first name     3 nation       4 division
//   5 category       6 racer code     7 gender       8 birth year
//   9-13 DH SL GS SG SC points        14 SX points   15 SX rank
//   16 KK points     17 group         18 other code
// Text is UTF-8; "no points" is an empty field; no code is "0000000".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "app/operator.h"
#include "entries/points_line_normalise.h"
#include "entries/points_list_kinds.h"

namespace skitally {

enum class ListAccess { None, Comma, Flat, OldPts, SkitPts };

// Why READ left a row of the list out: each of these could only be read in
// part, and half a racer (no points, a cut code that is another racer's)
// is worse than none.
enum class RowFault { TooFewColumns, UnbalancedQuote, NulCharacter, CodeTooLong };

struct SkippedRow {
    int line = 0;  // line of a text list, record of a fixed-record list, from 1
    RowFault fault = RowFault::TooFewColumns;
};

// The state of one open list. A list is read whole at OPEN and walked in
// memory, so no file stays open between commands.
class PointsListReader {
public:
    PointsListReader() = default;
    // The racer read last is a view into the list held here.
    PointsListReader(const PointsListReader&) = delete;
    PointsListReader& operator=(const PointsListReader&) = delete;
    PointsListReader(PointsListReader&&) = default;
    PointsListReader& operator=(PointsListReader&&) = default;

    bool IsOpen() const { return open_; }
    ListAccess Access() const { return access_; }
    const char* AccessName() const;  // "COMMA", "FLAT", "OLDPTS", "SKITPTS"; "" when closed
    ListKind Kind() const { return kind_; }
    int KindCode() const { return ListKindCode(kind_); }
    const ColumnMap& Columns() const { return columns_; }
    char ListGender() const { return rules_.listGender; }
    const std::string& Separator() const { return separator_; }
    int LinesTotal() const { return linesTotal_; }
    int CurrentLine() const { return currentLine_; }
    bool CalculateCategory() const { return rules_.calculateCategory; }
    int FieldCount() const { return fieldCount_; }
    // The source of the racer read last (UTF-8), also after the list was
    // closed, for the caller's own message after "*ERR*".
    std::string LastSourceLine() const { return lastRaw_.empty() ? lastSource_ : SourceText(); }
    // The last "*ERR*" was the operator's abort at the gender question.
    bool AbortedByOperator() const { return aborted_; }
    // The rows READ has skipped so far, in list order; cleared by CLOSE.
    const std::vector<SkippedRow>& SkippedRows() const { return skipped_; }

    std::string Open(AppContext& ctx, Operator& op, const std::string& fileName, int errorMessageId, bool quiet);
    std::string Read(AppContext& ctx, Operator& op, const std::string& fileName, int errorMessageId,
                     const std::string& separator);
    std::string Close(Operator& op);

private:
    void Reset();
    void EndProgress(Operator& op);
    std::string SourceText() const;
    std::string Fail(AppContext& ctx, Operator& op, int errorMessageId, const std::string& detail);
    bool AskListGender(AppContext& ctx, Operator& op, const std::string& fileName);
    // The next racer's columns; false at the end of the list.
    bool NextRacer(RacerColumns& racer);
    bool SkipsPageHeader(const std::vector<std::string>& fields) const;
    // A fault that leaves the text line `line` readable only in part.
    std::optional<RowFault> TextLineFault(std::string_view line);
    // A SKITPTS or OLDPTS file; false when record 1 holds no valid code.
    bool TakeRecords(std::string bytes, FixedRecordKind kind);
    // A list of kind_: line ends, separator, headers and the access kind;
    // false when the list cannot be read.
    bool TakeText(AppContext& ctx, const std::string& fileName, std::string bytes, const std::string& line1Upper,
                  bool lineIsHeader);
    // COMMA or FLAT from the first racer line; false when it fits neither.
    bool ChooseTextAccess(std::string_view dataLine);

    bool open_ = false;
    ListAccess access_ = ListAccess::None;
    ListKind kind_ = ListKind::None;
    ColumnMap columns_{};
    int listCodeField_ = 0;
    std::string separator_ = ",";
    int linesTotal_ = 0;
    int currentLine_ = 0;
    int fieldCount_ = 0;
    std::size_t fieldsNeeded_ = 0;  // the last mapped field of a delimited list
    NormaliseRules rules_;

    std::string content_;  // Windows-1252 text, or the records
    std::size_t offset_ = 0;
    int recordLength_ = 0;
    bool skiCrossRace_ = false;
    std::vector<std::string> fields_;
    std::string_view lastRaw_;  // the racer's bytes in content_
    std::string lastSource_;    // kept as UTF-8 when the list is closed
    bool progressShown_ = false;
    bool reading_ = false;
    int racersRead_ = 0;
    bool aborted_ = false;
    std::vector<SkippedRow> skipped_;
    std::string processingText_;
};

// command: "OPEN", "READ" or "CLOSE" in any case. Returns "*OPN*", a racer
// line, "*EOF*", "*CLS*", or "*ERR*" after the failure was shown (titled
// "Load Racer Error": the text `errorMessageId`, then the source line and
// the detail when a racer was being read) and the list closed. `quiet`
// (OPEN) skips the question whether to calculate categories. A READ with no
// list open answers "*EOF*".
std::string ReadRacerRec(PointsListReader& reader, AppContext& ctx, Operator& op, const std::string& fileName,
                         const std::string& command, int errorMessageId, const std::string& separator, bool quiet);

}  // namespace skitally
