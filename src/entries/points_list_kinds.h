#pragma once
// What kind of points list a file is, and where each racer value sits in
// it: the recognition table of the delimited lists, their source columns,
// the fixed-column ("FLAT") layout and the two fixed-record layouts of the
// program's own lists.
//
// Racer values are addressed by logical column 0-18:
//   0 full name (last name first)   1 last name      2 first name
//   3 nation      4 division        5 category       6 racer code
//   7 gender      8 birth year      9-13 DH SL GS SG SC points
//   14 SX points  15 SX rank        16 KK points     17 group
//   18 the racer's other code (card of the other discipline family)

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace skitally {

enum class ListKind {
    None,
    FisAlp,
    FisSkx,
    FisOrg,
    NatAca,
    FisAca,
    LgrAca,
    RegAca,
    RegOld,
    FisWebPub,
    AlpPntsWebPara,
    AlpPntsWebReg,
    NatOld,
    SrsOld,
};

constexpr int kLogicalColumnCount = 19;

namespace col {
constexpr int kFullName = 0;
constexpr int kLast = 1;
constexpr int kFirst = 2;
constexpr int kNation = 3;
constexpr int kDivision = 4;
constexpr int kCategory = 5;
constexpr int kCode = 6;
constexpr int kGender = 7;
constexpr int kBirth = 8;
constexpr int kPointsDH = 9;  // DH, SL, GS, SG, SC follow in 9-13
constexpr int kPointsSX = 14;
constexpr int kRankSX = 15;
constexpr int kPointsKK = 16;
constexpr int kGroup = 17;
constexpr int kOtherCode = 18;
}  // namespace col

// Where one logical column comes from: a 1-based field number of a
// delimited line (0 = absent), and for fixed-column lines the 1-based
// start position and the width.
struct ColumnSpec {
    int field = 0;
    int start = 0;
    int width = 0;
};
using ColumnMap = std::array<ColumnSpec, kLogicalColumnCount>;

// List gender taken from the file name: 'B' derive from the code,
// 'M', 'F', or 'U' ask the operator.
struct RecognisedKind {
    ListKind kind = ListKind::None;
    char listGender = 'B';
    // The first line was matched by its column names or title, so it is a
    // header and never a racer.
    bool lineIsHeader = false;
};

// The first rule that matches wins. `firstLineUpper` is line 1 in upper
// case; `fileNameUpper` the upper-cased file name without its folder.
// Fixed-record files (see DetectFixedRecord) are not taken by the
// "FISWEBPUB" catch-all: the caller tests for them first.
RecognisedKind RecogniseListKind(std::string_view firstLineUpper, std::string_view fileNameUpper);

const char* ListKindName(ListKind kind);  // "FISALP", ...; "" for None
int ListKindCode(ListKind kind);          // 1-17; 0 for None

// The source columns of a delimited list. A ski-cross race takes the list's
// ski-cross code as the racer code (column 6) and its own code as the other
// code (column 18); any other race the other way round.
ColumnMap DelimitedColumnMap(ListKind kind, bool skiCrossRace);

// The division/nation split applies to every kind but these three.
bool KeepsDivisionWhole(ListKind kind);

// --- Fixed-column text lists ------------------------------------------

// The fixed columns for a list whose first racer line is `line`: the name
// is 20 wide unless the first "/" stands far enough right to widen it.
ColumnMap FlatColumnMap(std::string_view line);
// Code numeric and present; every non-blank points field and birth year
// numeric.
bool FitsFlatColumns(std::string_view line, const ColumnMap& map);
// Bytes start .. start + width - 1 (1-based) of the line, trimmed; what
// lies past the end of the line is left out.
std::string FixedColumn(std::string_view line, const ColumnSpec& column);

// --- Fixed-record lists -------------------------------------------------

enum class FixedRecordKind { None, OldPts, SkitPts };

struct FixedRecordLayout {
    const char* accessName;  // "OLDPTS" or "SKITPTS"
    int length;
    int nameWidth;
    int codeOffset;
    int categoryOffset;
    int divisionOffset;
    int divisionWidth;
    std::array<int, 4> pointsOffsets;  // DH, SL, GS, SG
    int birthOffset;
};

const FixedRecordLayout& LayoutOf(FixedRecordKind kind);

// From the first non-printable byte of line 1 (outside 32-126, CR and LF
// aside): position 21-23 is "OLDPTS", 41 is "SKITPTS", and so is a ".PTS"
// file whose first "/" stands at 42 or 43. `line1` runs to the first CR.
FixedRecordKind DetectFixedRecord(std::string_view line1, std::string_view fileNameUpper);

}  // namespace skitally
