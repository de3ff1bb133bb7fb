#include "racefile/racer_record.h"

#include <bit>
#include <cstddef>
#include <cstring>

#include "util/codepage.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kVersionOffset = 237;
constexpr int kRecordEndOffset = 241;
constexpr int kRecordEndWidth = 2;

using T = FieldType;

// Offsets and widths are the on-disk layout that every older race depends
// on; the static_asserts below keep the table gap-free.
constexpr std::array<RacerFieldInfo, kRacerFieldCount> kFields = {{
    {"Name", 0, 40, T::Text},        {"Card", 40, 7, T::Text},        {"Club", 47, 5, T::Text},
    {"SeedPoints", 52, 7, T::Text},  {"Bib", 59, 3, T::Text},         {"Start1", 62, 3, T::Text},
    {"Start2", 65, 3, T::Text},      {"Category", 68, 3, T::Text},    {"BirthYear2", 71, 2, T::Text},
    {"TotalTime", 73, 4, T::Single}, {"RacePoints", 77, 4, T::Single}, {"Status1", 81, 3, T::Text},
    {"Status2", 84, 3, T::Text},     {"Gate", 87, 3, T::Text},        {"Time1", 90, 4, T::Single},
    {"Time2", 94, 4, T::Single},     {"RawTime1", 98, 4, T::Single},  {"RawTime2", 102, 4, T::Single},
    {"BirthYear", 106, 4, T::Text},  {"Nation", 110, 5, T::Text},     {"Gender", 115, 1, T::Text},
    {"BestOf", 116, 4, T::Single},   {"SxQual", 120, 4, T::Text},     {"SxPos1", 124, 8, T::Text},
    {"SxPos2", 132, 8, T::Text},     {"SxPos3", 140, 8, T::Text},     {"PointsDH", 148, 4, T::Single},
    {"PointsSL", 152, 4, T::Single}, {"PointsGS", 156, 4, T::Single}, {"PointsSG", 160, 4, T::Single},
    {"PointsSC", 164, 4, T::Single}, {"PointsSX", 168, 4, T::Single}, {"PointsKK", 172, 4, T::Single},
    {"SeedRank", 176, 10, T::Text},  {"Group", 186, 10, T::Text},     {"Rank", 196, 3, T::Text},
    {"ParaFactor", 199, 4, T::Single}, {"CsvTotal", 203, 4, T::Single}, {"Position", 207, 4, T::Single},
    {"SxCard", 211, 7, T::Text},     {"AlpineCard", 218, 7, T::Text}, {"SxHeat1", 225, 3, T::Text},
    {"SxHeat2", 228, 3, T::Text},    {"SxHeat3", 231, 3, T::Text},    {"LeagueCode", 234, 3, T::Text},
}};

constexpr bool FieldsAreContiguous()
{
    int next = 0;
    for (const RacerFieldInfo& f : kFields) {
        if (f.offset != next || (f.type == T::Single && f.width != 4))
            return false;
        next = f.offset + f.width;
    }
    return next == kVersionOffset;
}
static_assert(FieldsAreContiguous());
static_assert(kRecordEndOffset + kRecordEndWidth == kRacerRecordLength);

// Each numbered field names exactly one member of the record.
struct FieldMember {
    std::string RacerRecord::* text;
    float RacerRecord::* single;
};

constexpr FieldMember Text(std::string RacerRecord::* m) { return {m, nullptr}; }
constexpr FieldMember Single(float RacerRecord::* m) { return {nullptr, m}; }

using R = RacerRecord;
constexpr std::array<FieldMember, kRacerFieldCount> kMembers = {{
    Text(&R::name),        Text(&R::card),       Text(&R::club),       Text(&R::seedPoints),
    Text(&R::bib),         Text(&R::start1),     Text(&R::start2),     Text(&R::category),
    Text(&R::birthYear2),  Single(&R::totalTime), Single(&R::racePoints), Text(&R::status1),
    Text(&R::status2),     Text(&R::gate),       Single(&R::time1),    Single(&R::time2),
    Single(&R::rawTime1),  Single(&R::rawTime2), Text(&R::birthYear),  Text(&R::nation),
    Text(&R::gender),      Single(&R::bestOf),   Text(&R::sxQual),     Text(&R::sxPos1),
    Text(&R::sxPos2),      Text(&R::sxPos3),     Single(&R::pointsDH), Single(&R::pointsSL),
    Single(&R::pointsGS),  Single(&R::pointsSG), Single(&R::pointsSC), Single(&R::pointsSX),
    Single(&R::pointsKK),  Text(&R::seedRank),   Text(&R::group),      Text(&R::rank),
    Single(&R::paraFactor), Single(&R::csvTotal), Single(&R::position), Text(&R::sxCard),
    Text(&R::alpineCard),  Text(&R::sxHeat1),    Text(&R::sxHeat2),    Text(&R::sxHeat3),
    Text(&R::leagueCode),
}};

bool ValidField(int field)
{
    return field >= 0 && field < kRacerFieldCount;
}

// Assembled byte by byte so the file stays little-endian on any host; the
// bits travel untouched, so even NaN payloads read and write back the same.
void PutSingle(std::string& out, int offset, float value)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        out[static_cast<std::size_t>(offset + i)] = static_cast<char>((bits >> (8 * i)) & 0xFFu);
}

float GetSingle(std::string_view bytes, int offset)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= std::uint32_t{static_cast<unsigned char>(bytes[static_cast<std::size_t>(offset + i)])} << (8 * i);
    return std::bit_cast<float>(bits);
}

void PutText(std::string& out, int offset, int width, const std::string& utf8)
{
    const std::string fitted = FitField(Utf8ToCp1252(utf8), width);
    out.replace(static_cast<std::size_t>(offset), static_cast<std::size_t>(width), fitted);
}

std::string GetText(std::string_view bytes, int offset, int width)
{
    return Cp1252ToUtf8(bytes.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(width)));
}

}  // namespace

const std::array<RacerFieldInfo, kRacerFieldCount>& RacerFields()
{
    return kFields;
}

int RacerFieldByName(std::string_view name)
{
    const std::string wanted = ToUpper(name);
    for (int k = 0; k < kRacerFieldCount; ++k)
        if (ToUpper(kFields[static_cast<std::size_t>(k)].name) == wanted)
            return k;
    return -1;
}

std::string* RacerRecord::TextField(int field)
{
    if (!ValidField(field))
        return nullptr;
    auto member = kMembers[static_cast<std::size_t>(field)].text;
    return member ? &(this->*member) : nullptr;
}

const std::string* RacerRecord::TextField(int field) const
{
    return const_cast<RacerRecord*>(this)->TextField(field);
}

float* RacerRecord::SingleField(int field)
{
    if (!ValidField(field))
        return nullptr;
    auto member = kMembers[static_cast<std::size_t>(field)].single;
    return member ? &(this->*member) : nullptr;
}

const float* RacerRecord::SingleField(int field) const
{
    return const_cast<RacerRecord*>(this)->SingleField(field);
}

bool RacerRecord::IsDeleted() const
{
    return Trim(name) == "DELETED RECORD";
}

void RacerRecord::BlankResults()
{
    time1 = time2 = rawTime1 = rawTime2 = 0;
    totalTime = racePoints = csvTotal = position = 0;
    status1.clear();
    status2.clear();
    gate.clear();
    rank.clear();
}

std::string FitField(std::string_view cp1252, int width)
{
    const auto size = static_cast<std::size_t>(width < 0 ? 0 : width);
    std::string out(cp1252.substr(0, size));
    out.resize(size, ' ');
    return out;
}

std::string EncodeRacer(const RacerRecord& racer)
{
    std::string out(static_cast<std::size_t>(kRacerRecordLength), ' ');
    for (int k = 0; k < kRacerFieldCount; ++k) {
        const RacerFieldInfo& f = kFields[static_cast<std::size_t>(k)];
        if (f.type == FieldType::Text)
            PutText(out, f.offset, f.width, *racer.TextField(k));
        else
            PutSingle(out, f.offset, *racer.SingleField(k));
    }
    PutSingle(out, kVersionOffset, racer.formatVersion);
    PutText(out, kRecordEndOffset, kRecordEndWidth, racer.recordEnd);
    return out;
}

RacerRecord DecodeRacer(std::string_view bytes)
{
    // A short buffer reads as if padded with zero bytes rather than running
    // off its end.
    std::string whole(bytes.substr(0, static_cast<std::size_t>(kRacerRecordLength)));
    whole.resize(static_cast<std::size_t>(kRacerRecordLength), '\0');

    RacerRecord racer;
    for (int k = 0; k < kRacerFieldCount; ++k) {
        const RacerFieldInfo& f = kFields[static_cast<std::size_t>(k)];
        if (f.type == FieldType::Text)
            *racer.TextField(k) = GetText(whole, f.offset, f.width);
        else
            *racer.SingleField(k) = GetSingle(whole, f.offset);
    }
    racer.formatVersion = GetSingle(whole, kVersionOffset);
    racer.recordEnd = GetText(whole, kRecordEndOffset, kRecordEndWidth);
    return racer;
}

}  // namespace skitally
