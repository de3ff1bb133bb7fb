#include "entries/points_line_normalise.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "entries/entries_text_ids.h"
#include "entries/points_line_text.h"
#include "racefile/racer_codes.h"
#include "util/codepage.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr const char* kNoCode = "0000000";

// Points columns that take "---" for none and must be numeric.
constexpr int kPointsColumns[] = {col::kPointsDH,     col::kPointsDH + 1, col::kPointsDH + 2, col::kPointsDH + 3,
                                  col::kPointsDH + 4, col::kPointsSX,     col::kPointsKK};

std::string RecordText(std::string_view record, int offset, int width)
{
    if (static_cast<std::size_t>(offset) >= record.size())
        return {};
    std::string text(record.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(width)));
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 32)
            c = ' ';
    return Trim(text);
}

std::uint32_t RecordWord(std::string_view record, int offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        const auto at = static_cast<std::size_t>(offset + i);
        value = (value << 8) | (at < record.size() ? static_cast<unsigned char>(record[at]) : 0u);
    }
    return value;
}

std::string RecordPoints(std::string_view record, int offset)
{
    const std::uint32_t bits = RecordWord(record, offset);
    float points = 0;
    std::memcpy(&points, &bits, sizeof points);
    if (!std::isfinite(points) || points < 0)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(points));
    return text;
}

// A value must not hold the separator of the line it goes into, or the
// line would no longer have 18 fields: it becomes a blank.
std::string WithoutSeparator(const std::string& value, std::string_view separator)
{
    if (separator.empty() || value.find(separator) == std::string::npos)
        return value;
    std::string result;
    for (std::size_t i = 0; i < value.size();) {
        const bool atSeparator = value.compare(i, separator.size(), separator) == 0;
        const char c = atSeparator ? ' ' : value[i];
        if (!(c == ' ' && !result.empty() && result.back() == ' '))
            result += c;
        i += atSeparator ? separator.size() : 1;
    }
    return Trim(result);
}

// Most values need neither conversion nor separator removal.
bool IsPlainAscii(std::string_view value, std::string_view separator)
{
    const char first = separator.empty() ? '\0' : separator[0];
    for (char c : value)
        if (static_cast<unsigned char>(c) >= 0x80 || c == first)
            return false;
    return true;
}

}  // namespace

RacerColumns ColumnsFromFields(const std::vector<std::string>& fields, const ColumnMap& map,
                               bool zeroNeedsCompanion)
{
    RacerColumns racer;
    const auto fieldAt = [&fields](int field) -> std::string {
        if (field <= 0 || static_cast<std::size_t>(field) > fields.size())
            return {};
        std::string_view value = fields[static_cast<std::size_t>(field) - 1];
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
            value.remove_prefix(1);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.remove_suffix(1);
        return std::string(value);
    };
    for (int column = 0; column < kLogicalColumnCount; ++column)
        racer[column] = fieldAt(map[column].field);
    if (zeroNeedsCompanion)
        for (int column = col::kPointsDH; column < col::kPointsDH + 5; ++column)
            if (racer[column] == "0" && fieldAt(map[column].field + 2) != "1")
                racer[column].clear();
    return racer;
}

RacerColumns ColumnsFromFixedLine(std::string_view line, const ColumnMap& map)
{
    RacerColumns racer;
    for (int column = 0; column < kLogicalColumnCount; ++column)
        racer[column] = FixedColumn(line, map[column]);
    return racer;
}

RacerColumns ColumnsFromRecord(std::string_view record, const FixedRecordLayout& layout, bool skiCrossRace)
{
    RacerColumns racer;
    racer[col::kFullName] = RecordText(record, 0, layout.nameWidth);
    const std::int32_t code = RecordCode(record, layout);
    racer[skiCrossRace ? col::kOtherCode : col::kCode] = code == 0 ? std::string() : std::to_string(code);
    racer[col::kCategory] = RecordText(record, layout.categoryOffset, 2);
    racer[col::kDivision] = RecordText(record, layout.divisionOffset, layout.divisionWidth);
    for (int i = 0; i < 4; ++i)
        racer[col::kPointsDH + i] = RecordPoints(record, layout.pointsOffsets[i]);
    racer[col::kBirth] = RecordText(record, layout.birthOffset, 2);
    return racer;
}

std::int32_t RecordCode(std::string_view record, const FixedRecordLayout& layout)
{
    return static_cast<std::int32_t>(RecordWord(record, layout.codeOffset));
}

void MoveCodeToOtherCode(ColumnMap& map)
{
    map[col::kOtherCode] = map[col::kCode];
    map[col::kCode] = {};
}

bool NeedsListGender(const RacerColumns& racer, char listGender)
{
    return listGender == 'U' && racer[col::kGender].empty();
}

std::optional<LineProblem> NormaliseRacer(RacerColumns& racer, const NormaliseRules& rules)
{
    std::string& division = racer[col::kDivision];
    if (rules.splitDivision) {
        if (const auto slash = division.find('/'); slash != std::string::npos) {
            racer[col::kNation] = Trim(std::string_view(division).substr(slash + 1));
            division = Trim(std::string_view(division).substr(0, slash));
        }
    }
    if (division.size() > 5)
        division.clear();

    if (rules.hasFullName) {
        NameParts parts = SplitFullName(racer[col::kFullName]);
        racer[col::kLast] = std::move(parts.last);
        racer[col::kFirst] = std::move(parts.first);
    }
    racer[col::kLast] = UpperCp1252(Trim(racer[col::kLast]));
    racer[col::kFirst] = CapitaliseCp1252(Trim(racer[col::kFirst]));

    std::string& birth = racer[col::kBirth];
    birth = FourDigitListYear(birth, rules.year);
    if (rules.calculateCategory)
        racer[col::kCategory] =
            CategoryFromBirthYear(birth, racer[col::kCategory], rules.raceLevel, rules.year, rules.month);

    std::string& code = racer[col::kCode];
    if (rules.dropCodePrefixC && code.size() > 2 && (code[0] == 'C' || code[0] == 'c'))
        code.erase(0, 1);

    std::string& gender = racer[col::kGender];
    gender = UpperCp1252(gender);
    if (gender.empty()) {
        const bool listGiven = rules.listGender == 'M' || rules.listGender == 'F';
        gender.assign(1, listGiven ? rules.listGender : GenderFromCode(racer[rules.listCodeColumn]));
    }
    if (gender == "L" || gender == "W")
        gender = "F";

    for (int column : kPointsColumns)
        if (racer[column] == "---")
            racer[column].clear();

    if (code.empty())
        code = kNoCode;
    if (racer[col::kOtherCode].empty())
        racer[col::kOtherCode] = kNoCode;

    if (!IsNumericText(code))
        return LineProblem{text::kCardNumberInvalid, "XnnnX", code};
    if (!birth.empty() && !IsNumericText(birth))
        return LineProblem{text::kBirthYearInvalid, "XyyyX", birth};
    for (int column : kPointsColumns)
        if (!racer[column].empty() && !IsNumericText(racer[column]))
            return LineProblem{text::kRacerPointsInvalid, "XpppX", racer[column]};
    if (!racer[col::kRankSX].empty() && !IsNumericText(racer[col::kRankSX]))
        return LineProblem{text::kSxRankInvalid, "XrrrX", racer[col::kRankSX]};
    return std::nullopt;
}

std::string ComposeRacerLine(const RacerColumns& racer, std::string_view separator)
{
    std::string line;
    line.reserve(128);
    for (int column = col::kLast; column <= col::kOtherCode; ++column) {
        if (column > col::kLast)
            line += separator;
        const std::string& value = racer[column];
        if (IsPlainAscii(value, separator))
            line += value;
        else
            line += Cp1252ToUtf8(WithoutSeparator(value, separator));
    }
    return line;
}

}  // namespace skitally
