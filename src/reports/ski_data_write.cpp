#include "reports/ski_data.h"

#include <algorithm>
#include <utility>

#include "util/codepage.h"

namespace skitally {
namespace {

// A ";" inside a value would split it into two fields for the reader.
std::string FieldText(std::string_view utf8)
{
    std::string text = Utf8ToCp1252(utf8);
    std::replace(text.begin(), text.end(), ';', ',');
    return text;
}

}  // namespace

std::string ComposeSkiDataRacers(const std::vector<SkiDataRacer>& racers)
{
    std::string bytes;
    for (const SkiDataRacer& racer : racers) {
        for (int i = 0; i < kSkiDataFieldCount; ++i) {
            if (i > 0)
                bytes += ';';
            if (static_cast<std::size_t>(i) < racer.fields.size())
                bytes += FieldText(racer.fields[static_cast<std::size_t>(i)]);
        }
        bytes += "\r\n";
    }
    return bytes;
}

std::string ComposeSkiDataRace(const SkiDataRace& race)
{
    const std::pair<const char*, const std::string*> lines[] = {
        {"CODEX", &race.codex},     {"DISCIPLINE", &race.discipline}, {"GENDER", &race.gender},
        {"RUNS", &race.runs},       {"APPLIED", &race.applied},       {"CALCULATED", &race.calculated},
        {"FVALUE", &race.fValue},   {"KIND", &race.kind},
    };
    std::string bytes;
    for (const auto& [key, value] : lines)
        bytes += std::string(key) + "=" + FieldText(*value) + "\r\n";
    return bytes;
}

std::string ComposeSkiDataStarts(const std::vector<SkiDataStart>& starts)
{
    std::string bytes;
    for (const SkiDataStart& start : starts)
        bytes += std::to_string(start.run) + ";" + std::to_string(start.position) + ";" + FieldText(start.bib) + "\r\n";
    return bytes;
}

}  // namespace skitally
