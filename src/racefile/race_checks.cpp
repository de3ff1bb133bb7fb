#include "racefile/race_checks.h"

#include <cmath>
#include <cstdio>

#include "app/text_ids.h"
#include "app/text_table.h"
#include "racefile/header_file.h"
#include "racefile/racer_record.h"
#include "util/file_replace.h"

namespace skitally {
namespace {

// No time, points or factor of a racer comes near this; a larger value is
// a record read from the wrong place.
constexpr float kLargestPlausible = 1.0e6f;

// Control bytes shown as "?": the operator sees where they are, not what
// a terminal makes of them.
std::string Printable(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    return text;
}

std::string NumberText(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

bool IsBlankOrNumber(const std::string& field)
{
    bool digits = false;
    for (char c : field) {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c != ' ')
            return false;
    }
    return digits || field.find_first_not_of(' ') == std::string::npos;
}

void CheckRecord(const std::string& file, int number, std::string_view bytes, std::vector<RaceFileDamage>& found)
{
    if (bytes.substr(kRacerRecordLength - 2) != "\r\n") {
        found.push_back({DamageKind::RecordNotEnded, file, number, {}, {}});
        return;  // its fields are read from the wrong places
    }
    const RacerFieldInfo& name = RacerFields()[kName];
    if (bytes.substr(static_cast<std::size_t>(name.offset), static_cast<std::size_t>(name.width)).find('\0') !=
        std::string_view::npos)
        found.push_back({DamageKind::NulName, file, number, name.name, {}});
    const RacerRecord racer = DecodeRacer(bytes);
    for (int field : {kBib, kStart1, kStart2})
        if (const std::string& text = *racer.TextField(field); !IsBlankOrNumber(text))
            found.push_back({DamageKind::NotANumber, file, number, RacerFields()[field].name, Printable(text)});
    for (int field = 0; field < kRacerFieldCount; ++field)
        if (const float* value = racer.SingleField(field);
            value && !(std::isfinite(*value) && std::fabs(*value) < kLargestPlausible))
            found.push_back({DamageKind::ImpossibleNumber, file, number, RacerFields()[field].name,
                             NumberText(*value)});
}

void CheckRacerFile(const std::string& path, std::vector<RaceFileDamage>& found)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return;  // a missing or unreadable file is told where it is used
    const std::size_t whole = bytes.size() / kRacerRecordLength;
    for (std::size_t k = 0; k < whole; ++k)
        CheckRecord(path, static_cast<int>(k + 1),
                    std::string_view(bytes).substr(k * kRacerRecordLength, kRacerRecordLength), found);
    if (const std::size_t tail = bytes.size() % kRacerRecordLength; tail != 0)
        found.push_back({DamageKind::PartialRecord, path, static_cast<int>(whole + 1), {}, std::to_string(tail)});
}

// Header records are Windows-1252 text: no control characters.
void CheckHeader(const std::string& path, std::vector<RaceFileDamage>& found)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const unsigned char c = static_cast<unsigned char>(bytes[k]);
        if (c < 0x20 || c == 0x7F) {
            found.push_back(
                {DamageKind::HeaderNotText, path, static_cast<int>(k / kHeaderRecordLength + 1), {}, {}});
            return;
        }
    }
}

}  // namespace

std::vector<RaceFileDamage> CheckRaceFiles(const RaceState& race)
{
    std::vector<RaceFileDamage> found;
    CheckRacerFile(race.File("RCR"), found);
    CheckHeader(race.File("HDR"), found);
    return found;
}

std::string DamageText(const AppContext& ctx, const RaceFileDamage& damage)
{
    static constexpr int kTextOf[] = {text::kDamagePartialRecord, text::kDamageRecordNotEnded,
                                      text::kDamageNotANumber,     text::kDamageNulName,
                                      text::kDamageImpossibleNumber, text::kDamageHeaderNotText};
    std::string line = ctx.Text(kTextOf[static_cast<int>(damage.kind)]);
    line = FillPlaceholder(line, "XnnnX", damage.file);
    line = FillPlaceholder(line, "XrrrX", std::to_string(damage.record));
    line = FillPlaceholder(line, "XfffX", damage.field);
    return FillPlaceholder(line, "XdddX", damage.value);
}

}  // namespace skitally
