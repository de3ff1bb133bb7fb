#include "entries/points_list_kinds.h"

#include "entries/points_line_text.h"
#include "util/tokens.h"

namespace skitally {

namespace {

enum class Look { LineHasAll, FileNameHas };

// One row of the recognition table. A kind may have two rows (the FIS web
// list is also the catch-all for lines naming neither para nor national
// points). `femaleLetter` set: the list gender comes from the file name,
// "M" first, then this letter for "F", else "U".
struct RecognitionRule {
    ListKind kind;
    Look look;
    std::array<std::string_view, 8> allOf;
    std::array<std::string_view, 2> noneOf;
    char femaleLetter;
};

constexpr RecognitionRule kRules[] = {
    {ListKind::FisAlp, Look::LineHasAll,
     {"GENDER", "FISCODE", "NATIONCODE", "DHPOINTS", "SLPOINTS", "GSPOINTS", "SGPOINTS", "SCPOINTS"}, {}, 0},
    {ListKind::FisSkx, Look::LineHasAll, {"GENDER", "FISCODE", "NATIONCODE", "SXPOINTS"}, {}, 0},
    {ListKind::FisOrg, Look::LineHasAll, {"FIS - INTERNATIONAL SKI FEDERATION"}, {}, 'W'},
    {ListKind::NatAca, Look::LineHasAll, {"CAT", "CARD", "GENDER", "SXCARD", "SXPOINTS", "KKPOINTS"}, {}, 0},
    {ListKind::FisAca, Look::LineHasAll, {"CAT", "CARD", "GENDER", "SXCARD", "SXPOINTS"}, {}, 0},
    {ListKind::LgrAca, Look::LineHasAll, {"CAT", "CARD", "GENDER", "SLORDER", "GSORDER"}, {}, 0},
    {ListKind::RegAca, Look::LineHasAll,
     {"LAST NAME", "FIRST NAME", "CARD", "SXCARD", "GENDER", "FIS CARD", "NAT CARD", "FSX CARD"}, {}, 0},
    {ListKind::RegOld, Look::LineHasAll, {"LAST NAME", "FIRST NAME", "CARD", "GENDER", "FIS CARD", "NAT CARD"}, {}, 0},
    {ListKind::FisWebPub, Look::LineHasAll, {"LISTPUBLISHED"}, {}, 0},
    {ListKind::FisWebPub, Look::LineHasAll, {}, {"PARACLASS", "PTSO"}, 0},
    {ListKind::AlpPntsWebPara, Look::LineHasAll, {"PTSO"}, {"LIST"}, 0},
    {ListKind::AlpPntsWebReg, Look::LineHasAll, {"PTSO", "LIST"}, {}, 0},
    {ListKind::NatOld, Look::FileNameHas, {"NAT"}, {}, 0},
    {ListKind::SrsOld, Look::FileNameHas, {"SRS"}, {}, 'F'},
};

bool Matches(const RecognitionRule& rule, std::string_view text)
{
    for (std::string_view word : rule.allOf)
        if (!word.empty() && text.find(word) == std::string_view::npos)
            return false;
    for (std::string_view word : rule.noneOf)
        if (!word.empty() && text.find(word) != std::string_view::npos)
            return false;
    return true;
}

// Source fields per kind, 1-based, 0 = absent. `ownCode` is the code that
// counts in an alpine race, `sxCode` the one that counts in a ski-cross race.
struct KindColumns {
    ListKind kind;
    int name, last, first, nation, division, category, ownCode, sxCode, gender, birth;
    std::array<int, 5> points;  // DH, SL, GS, SG, SC
    int sxPoints, sxRank, kk, group;
};

constexpr KindColumns kColumns[] = {
    {ListKind::FisSkx, 0, 9, 10, 11, 0, 0, 0, 8, 12, 17, {0, 0, 0, 0, 0}, 25, 26, 0, 0},
    {ListKind::NatAca, 0, 2, 3, 0, 4, 1, 5, 6, 7, 8, {9, 10, 11, 12, 13}, 14, 15, 16, 17},
    {ListKind::FisAca, 0, 2, 3, 0, 4, 1, 5, 6, 7, 8, {9, 10, 11, 12, 13}, 14, 15, 0, 0},
    {ListKind::NatOld, 0, 2, 3, 0, 4, 1, 5, 0, 6, 7, {8, 9, 10, 11, 12}, 0, 0, 13, 14},
    {ListKind::SrsOld, 0, 2, 3, 0, 4, 1, 5, 0, 6, 7, {8, 9, 10, 11, 12}, 0, 0, 13, 14},
    {ListKind::FisOrg, 2, 0, 0, 6, 0, 0, 1, 0, 0, 5, {7, 10, 13, 16, 19}, 0, 0, 0, 0},
    {ListKind::FisAlp, 0, 3, 4, 6, 0, 0, 2, 0, 1, 5, {7, 10, 13, 16, 19}, 0, 0, 0, 0},
    {ListKind::LgrAca, 0, 2, 3, 0, 4, 1, 5, 0, 6, 7, {8, 9, 10, 11, 12}, 13, 0, 14, 0},
    {ListKind::RegOld, 0, 1, 2, 0, 9, 6, 3, 0, 4, 5, {0, 0, 0, 0, 0}, 0, 0, 0, 0},
    {ListKind::RegAca, 0, 1, 2, 0, 10, 7, 3, 0, 5, 6, {0, 0, 0, 0, 0}, 0, 0, 0, 0},
    {ListKind::AlpPntsWebReg, 0, 8, 9, 10, 0, 0, 7, 0, 11, 16, {18, 21, 24, 27, 30}, 0, 0, 0, 0},
    {ListKind::AlpPntsWebPara, 0, 3, 4, 6, 5, 1, 7, 0, 9, 8, {13, 10, 11, 12, 14}, 0, 0, 0, 0},
    {ListKind::FisWebPub, 0, 9, 10, 11, 0, 0, 8, 0, 12, 17, {19, 22, 25, 28, 31}, 0, 0, 0, 0},
};

struct KindName {
    ListKind kind;
    const char* name;
    int code;
};

constexpr KindName kNames[] = {
    {ListKind::FisAlp, "FISALP", 7},
    {ListKind::FisSkx, "FISSKX", 1},
    {ListKind::FisOrg, "FISORG", 6},
    {ListKind::NatAca, "NATACA", 3},
    {ListKind::FisAca, "FISACA", 4},
    {ListKind::LgrAca, "LGRACA", 8},
    {ListKind::RegAca, "REGACA", 10},
    {ListKind::RegOld, "REGOLD", 9},
    {ListKind::FisWebPub, "FISWEBPUB", 17},
    {ListKind::AlpPntsWebPara, "ALPPNTSWEBPARA", 16},
    {ListKind::AlpPntsWebReg, "ALPPNTSWEBREG", 14},
    {ListKind::NatOld, "NATOLD", 5},
    {ListKind::SrsOld, "SRSOLD", 5},
};

// SKITPTS: a 40-byte name; OLDPTS: the same fields after a 20-byte name.
constexpr FixedRecordLayout kSkitPts{"SKITPTS", 82, 40, 40, 44, 46, 10, {56, 62, 68, 74}, 80};
constexpr FixedRecordLayout kOldPts{"OLDPTS", 62, 20, 20, 24, 26, 10, {36, 42, 48, 54}, 60};

}  // namespace

RecognisedKind RecogniseListKind(std::string_view firstLineUpper, std::string_view fileNameUpper)
{
    for (const RecognitionRule& rule : kRules) {
        const bool byName = rule.look == Look::FileNameHas;
        if (!Matches(rule, byName ? fileNameUpper : firstLineUpper))
            continue;
        RecognisedKind found;
        found.kind = rule.kind;
        // The catch-all row matched on what the line lacks: it may be a racer.
        found.lineIsHeader = !byName && !rule.allOf[0].empty();
        if (rule.femaleLetter != 0) {
            if (fileNameUpper.find('M') != std::string_view::npos)
                found.listGender = 'M';
            else if (fileNameUpper.find(rule.femaleLetter) != std::string_view::npos)
                found.listGender = 'F';
            else
                found.listGender = 'U';
        }
        return found;
    }
    return {};
}

const char* ListKindName(ListKind kind)
{
    for (const KindName& entry : kNames)
        if (entry.kind == kind)
            return entry.name;
    return "";
}

int ListKindCode(ListKind kind)
{
    for (const KindName& entry : kNames)
        if (entry.kind == kind)
            return entry.code;
    return 0;
}

ColumnMap DelimitedColumnMap(ListKind kind, bool skiCrossRace)
{
    ColumnMap map{};
    for (const KindColumns& c : kColumns) {
        if (c.kind != kind)
            continue;
        map[col::kFullName].field = c.name;
        map[col::kLast].field = c.last;
        map[col::kFirst].field = c.first;
        map[col::kNation].field = c.nation;
        map[col::kDivision].field = c.division;
        map[col::kCategory].field = c.category;
        map[col::kCode].field = skiCrossRace ? c.sxCode : c.ownCode;
        map[col::kOtherCode].field = skiCrossRace ? c.ownCode : c.sxCode;
        map[col::kGender].field = c.gender;
        map[col::kBirth].field = c.birth;
        for (int i = 0; i < 5; ++i)
            map[col::kPointsDH + i].field = c.points[i];
        map[col::kPointsSX].field = c.sxPoints;
        map[col::kRankSX].field = c.sxRank;
        map[col::kPointsKK].field = c.kk;
        map[col::kGroup].field = c.group;
    }
    return map;
}

bool KeepsDivisionWhole(ListKind kind)
{
    return kind == ListKind::NatAca || kind == ListKind::FisAca || kind == ListKind::LgrAca;
}

ColumnMap FlatColumnMap(std::string_view line)
{
    int nameWidth = 20;
    if (const auto slash = line.find('/'); slash != std::string_view::npos) {
        const int position = static_cast<int>(slash) + 1;
        if (position - 17 > 20)
            nameWidth = position - 17;
    }
    const bool widened = nameWidth > 20;
    const int divisionStart = 12 + nameWidth;
    const int divisionWidth = widened ? 11 : 10;
    const int pointsStart = divisionStart + divisionWidth + (widened ? 1 : 0);

    ColumnMap map{};
    map[col::kCode] = {1, 1, 6};
    map[col::kCategory] = {1, 8, 2};
    map[col::kFullName] = {1, 11, nameWidth};
    map[col::kDivision] = {1, divisionStart, divisionWidth};
    for (int i = 0; i < 4; ++i)
        map[col::kPointsDH + i] = {1, pointsStart + 9 * i, 7};
    map[col::kBirth] = {1, pointsStart + 36, 2};
    return map;
}

std::string FixedColumn(std::string_view line, const ColumnSpec& column)
{
    const auto start = static_cast<std::size_t>(column.start > 0 ? column.start - 1 : 0);
    if (column.field == 0 || start >= line.size())
        return {};
    return Trim(line.substr(start, static_cast<std::size_t>(column.width)));
}

bool FitsFlatColumns(std::string_view line, const ColumnMap& map)
{
    if (!IsNumericText(FixedColumn(line, map[col::kCode])))
        return false;
    for (int column : {col::kPointsDH, col::kPointsDH + 1, col::kPointsDH + 2, col::kPointsDH + 3, col::kBirth}) {
        const std::string value = FixedColumn(line, map[column]);
        if (!value.empty() && !IsNumericText(value))
            return false;
    }
    return true;
}

const FixedRecordLayout& LayoutOf(FixedRecordKind kind)
{
    return kind == FixedRecordKind::OldPts ? kOldPts : kSkitPts;
}

FixedRecordKind DetectFixedRecord(std::string_view line1, std::string_view fileNameUpper)
{
    std::size_t position = 0;
    for (std::size_t i = 0; i < line1.size(); ++i) {
        const auto c = static_cast<unsigned char>(line1[i]);
        if ((c < 32 || c > 126) && c != '\r' && c != '\n') {
            position = i + 1;
            break;
        }
    }
    if (position >= 21 && position <= 23)
        return FixedRecordKind::OldPts;
    if (position == 41)
        return FixedRecordKind::SkitPts;
    const std::size_t slash = line1.find('/');
    if (fileNameUpper.find(".PTS") != std::string_view::npos && slash != std::string_view::npos &&
        (slash + 1 == 42 || slash + 1 == 43))
        return FixedRecordKind::SkitPts;
    return FixedRecordKind::None;
}

}  // namespace skitally
