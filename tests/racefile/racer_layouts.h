#pragma once
// Racer-file layouts written out as the fields were appended, "f" for a
// single: offsets in the tests come from adding up these widths, never from
// the tables under test. Records are built from them byte by byte.

#include <bit>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace skitally::test {

struct Layout {
    int length;
    float version;
    std::string fields;
};

inline const std::string k138Fields =
    "Name 32 Card 7 Club 5 SeedPoints 7 Bib 3 Start1 3 Start2 3 Category 3 BirthYear2 2 TotalTime f "
    "RacePoints f Status1 3 Status2 3 Gate 3 Time1 f Time2 f BirthYear 4 Nation 5 Gender 1 PointsDH f "
    "PointsSL f PointsGS f PointsSG f PointsSC f Group 10 RawTime1 f RawTime2 f";
inline const std::string k165Fields = k138Fields + " ParaFactor f Position f Rank 3 PointsSX f PointsKK f BestOf f CsvTotal f";
inline const std::string k236Fields =
    "Name 40 Card 7 Club 5 SeedPoints 7 Bib 3 Start1 3 Start2 3 Category 3 BirthYear2 2 TotalTime f "
    "RacePoints f Status1 3 Status2 3 Gate 3 Time1 f Time2 f RawTime1 f RawTime2 f BirthYear 4 Nation 5 "
    "Gender 1 BestOf f SxQual 4 SxPos1 8 SxPos2 8 SxPos3 8 PointsDH f PointsSL f PointsGS f PointsSG f "
    "PointsSC f PointsSX f PointsKK f SeedRank 10 Group 10 Rank 3 ParaFactor f CsvTotal f Position f "
    "SxCard 7 AlpineCard 7 SxHeat1 3 SxHeat2 3";

// The older layouts, oldest first, and today's record.
inline const std::vector<Layout> kOldLayouts = {
    {138, 0, k138Fields},
    {149, 0, k138Fields + " ParaFactor f Position f Rank 3"},
    {157, 0, k138Fields + " ParaFactor f Position f Rank 3 PointsSX f PointsKK f"},
    {165, 0, k165Fields},
    {179, 6.0f, k165Fields + " SeedRank 10 Version f"},
    {236, 6.6f, k236Fields + " Version f CR 1"},
    {242, 6.7f, k236Fields + " SxHeat3 3 LeagueCode 3 Version f CR 1"},
};
inline const Layout kCurrentLayout{243, 7.1f, k236Fields + " SxHeat3 3 LeagueCode 3 Version f CR 1 LF 1"};

struct Field {
    std::string name;
    int width;  // 4 for a single
    bool single;
};

inline std::vector<Field> FieldsOf(const Layout& layout)
{
    std::vector<Field> fields;
    std::istringstream in(layout.fields);
    std::string name, width;
    while (in >> name >> width)
        fields.push_back({name, width == "f" ? 4 : std::stoi(width), width == "f"});
    return fields;
}

// The value field `f`, the i-th of its layout, holds unless given: distinct
// per field, so a field landing in its neighbour's place shows.
inline std::string TextValue(const Field& f, int i)
{
    return (std::string(1, static_cast<char>('A' + i % 26)) + std::to_string(i) + f.name).substr(0, f.width);
}
inline float SingleValue(const Field& f, int i)
{
    return f.name == "PointsSL" ? 0.0f : 100.25f + static_cast<float>(i);
}

using Values = std::map<std::string, std::string>;  // Windows-1252 text, or a number for singles

inline std::string MakeRecord(const Layout& layout, const Values& given)
{
    std::string bytes;
    const std::vector<Field> fields = FieldsOf(layout);
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const Field& f = fields[static_cast<std::size_t>(i)];
        const auto value = given.find(f.name);
        if (f.name == "CR" || f.name == "LF") {
            bytes += f.name == "CR" ? '\r' : '\n';
        } else if (f.single) {
            const float v = f.name == "Version"      ? layout.version
                            : value != given.end() ? std::stof(value->second)
                                                   : SingleValue(f, i);
            const auto bits = std::bit_cast<std::uint32_t>(v);
            for (int b = 0; b < 4; ++b)  // little-endian whatever the host
                bytes += static_cast<char>((bits >> (8 * b)) & 0xFFu);
        } else {
            std::string text = value != given.end() ? value->second : TextValue(f, i);
            text.resize(static_cast<std::size_t>(f.width), ' ');
            bytes += text;
        }
    }
    return bytes;
}

}  // namespace skitally::test
