// Reading the Ski Data files back. The result upload trusts every field it
// takes from them, so a file that is not exactly what the results reports
// write is refused whole, with the line that broke it.
#include <algorithm>
#include <array>
#include <map>

#include "reports/ski_data.h"
#include "util/codepage.h"

namespace skitally {

namespace {

Status LineFault(int line, const std::string& why)
{
    return Status::Fail(Failure::UnknownLayout, "line " + std::to_string(line) + ": " + why);
}

// The file's lines without their CR LF (a lone LF is taken too); the empty
// piece after the last line end is no line.
std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    return lines;
}

// Control bytes (a stray CR included) mean the file is no text.
bool IsText(std::string_view line)
{
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

bool IsDigits(std::string_view text)
{
    return !text.empty() && text.size() <= 9 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> SplitFields(std::string_view line)
{
    std::vector<std::string> fields;
    for (;;) {
        const std::size_t end = line.find(';');
        fields.push_back(Cp1252ToUtf8(line.substr(0, end)));
        if (end == std::string_view::npos)
            return fields;
        line.remove_prefix(end + 1);
    }
}

bool IsRacerStatus(const std::string& status)
{
    static const std::array<const char*, 10> kStatuses = {"",     "DNS1", "DNF1", "DSQ1", "NPS1",
                                                          "DNQ2", "DNS2", "DNF2", "DSQ2", "NPS2"};
    return std::find(kStatuses.begin(), kStatuses.end(), status) != kStatuses.end();
}

} // namespace

Status ReadSkiDataRacers(std::string_view bytes, std::vector<SkiDataRacer>& racers)
{
    std::vector<SkiDataRacer> read;
    int number = 0;
    for (std::string_view line : SplitLines(bytes)) {
        ++number;
        if (!IsText(line))
            return LineFault(number, "bytes that are no text");
        SkiDataRacer racer{SplitFields(line), number};
        if (racer.fields.size() != kSkiDataFieldCount)
            return LineFault(number, std::to_string(racer.fields.size()) + " fields, " +
                                         std::to_string(kSkiDataFieldCount) + " expected");
        if (!IsRacerStatus(racer.fields[3]))
            return LineFault(number, "unknown status \"" + racer.fields[3] + "\"");
        if (!IsDigits(racer.fields[5]))
            return LineFault(number, "bib \"" + racer.fields[5] + "\" is no number");
        read.push_back(std::move(racer));
    }
    racers = std::move(read);
    return Status::Ok();
}

Status ReadSkiDataRace(std::string_view bytes, SkiDataRace& race)
{
    SkiDataRace read;
    const std::map<std::string, std::string SkiDataRace::*> keys = {
        {"CODEX", &SkiDataRace::codex},     {"DISCIPLINE", &SkiDataRace::discipline},
        {"GENDER", &SkiDataRace::gender},   {"RUNS", &SkiDataRace::runs},
        {"APPLIED", &SkiDataRace::applied}, {"CALCULATED", &SkiDataRace::calculated},
        {"FVALUE", &SkiDataRace::fValue},   {"KIND", &SkiDataRace::kind}};
    std::map<std::string, int> seen;
    int number = 0;
    for (std::string_view line : SplitLines(bytes)) {
        ++number;
        if (!IsText(line))
            return LineFault(number, "bytes that are no text");
        const std::size_t equals = line.find('=');
        const std::string key(line.substr(0, equals));
        const auto field = keys.find(key);
        if (equals == std::string_view::npos || field == keys.end())
            return LineFault(number, "no known KEY=VALUE");
        if (!seen.emplace(key, number).second)
            return LineFault(number, key + " given twice");
        read.*(field->second) = Cp1252ToUtf8(line.substr(equals + 1));
    }
    for (const auto& [key, member] : keys)
        if (!seen.count(key) && key != "KIND")
            return Status::Fail(Failure::UnknownLayout,
                                "after line " + std::to_string(number) + ": " + key + " missing");
    if (read.runs != "1" && read.runs != "2")
        return LineFault(seen["RUNS"], "RUNS must be 1 or 2");
    if (read.kind != "RACE" && read.kind != "TRAINING")
        return LineFault(seen["KIND"], "KIND must be RACE or TRAINING");
    race = std::move(read);
    return Status::Ok();
}

Status ReadSkiDataStarts(std::string_view bytes, std::vector<SkiDataStart>& starts)
{
    std::vector<SkiDataStart> read;
    int number = 0;
    for (std::string_view line : SplitLines(bytes)) {
        ++number;
        if (!IsText(line))
            return LineFault(number, "bytes that are no text");
        const std::vector<std::string> fields = SplitFields(line);
        if (fields.size() != 3)
            return LineFault(number, std::to_string(fields.size()) + " fields, 3 expected");
        if ((fields[0] != "1" && fields[0] != "2") || !IsDigits(fields[1]) || !IsDigits(fields[2]))
            return LineFault(number, "not run;start position;bib");
        read.push_back({fields[0][0] - '0', std::stoi(fields[1]), fields[2]});
    }
    starts = std::move(read);
    return Status::Ok();
}

} // namespace skitally
