#include "reports/ski_data_files.h"

#include <algorithm>

#include "racefile/racer_names.h"
#include "racefile/racer_codes.h"
#include "racefile/racer_text.h"
#include "reports/report_options.h"
#include "reports/result_columns.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// The record keeps "LAST First" (a blank inside either name as "~"); a name
// typed as "LAST, First" is split at its comma.
RacerName NameParts(const std::string& stored)
{
    const std::size_t comma = stored.find(',');
    if (comma == std::string::npos)
        return SplitStoredName(Trim(stored));
    return {Trim(stored.substr(0, comma)), Trim(stored.substr(comma + 1))};
}

std::vector<std::string> RacerFields(const AppContext& ctx, const ResultRow& row, int runs)
{
    const RacerRecord& racer = row.racer;
    std::vector<std::string> fields(kSkiDataFieldCount);
    const RacerName name = NameParts(racer.name);
    const std::string gender = Trim(racer.gender);
    // The card is the FIS code where the race counts FIS points, the
    // national code elsewhere; the nation field likewise holds a nation or
    // a division.
    const bool nationBased = IsNationBasedRace(ctx);
    fields[0] = Trim(ctx.race.jury.Codex());
    fields[1] = Trim(ctx.race.header.values.discipline);
    fields[2] = gender.empty() ? Trim(ctx.race.header.values.gender) : gender;
    fields[5] = Trim(racer.bib);
    fields[6] = Trim(racer.category);
    fields[nationBased ? 7 : 17] = Trim(racer.card);
    fields[8] = name.last;
    fields[9] = name.first;
    fields[10] = FourDigitBirthYear(racer.birthYear2, racer.birthYear);
    fields[11] = Trim(racer.club);
    fields[12] = ctx.race.flags.paraFactors ? Trim(racer.group) : std::string();
    fields[15] = ResultNumber(racer.time1);
    fields[16] = runs == 2 ? ResultNumber(racer.time2) : std::string();
    fields[nationBased ? 19 : 18] = Trim(racer.nation);
    return fields;
}

int Number(const std::string& text)
{
    const std::string trimmed = Trim(text);
    return trimmed.empty() || trimmed.find_first_not_of("0123456789") != std::string::npos ? 0 : std::stoi(trimmed);
}

}  // namespace

std::vector<SkiDataRacer> SkiDataClassified(const AppContext& ctx, const ResultSections& sections, int runs,
                                            bool withPoints, bool capPoints)
{
    std::vector<SkiDataRacer> lines;
    for (const ResultRow& row : sections.classified) {
        SkiDataRacer line{RacerFields(ctx, row, runs)};
        line.fields[4] = std::to_string(row.position);
        line.fields[13] = ResultNumber(row.time);
        if (withPoints)
            line.fields[14] = ResultPoints(row.racer.racePoints, capPoints);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<SkiDataRacer> SkiDataUnplaced(const AppContext& ctx, const ResultSections& sections, int runs)
{
    std::vector<SkiDataRacer> lines;
    for (const auto& section : sections.unplaced)
        for (const ResultRow& row : section) {
            SkiDataRacer line{RacerFields(ctx, row, runs)};
            line.fields[3] = row.status + std::to_string(row.run);
            if (row.status == "DSQ")
                line.fields[4] = Trim(row.racer.gate);
            lines.push_back(std::move(line));
        }
    return lines;
}

std::vector<SkiDataStart> SkiDataStarts(const std::vector<RacerRecord>& field, int runs)
{
    std::vector<SkiDataStart> starts;
    for (const RacerRecord& racer : field) {
        const std::string status1 = ToUpper(Trim(racer.status1));
        const std::string status2 = ToUpper(Trim(racer.status2));
        if (Number(racer.start1) > 0 && status1 != "DNS" && status1 != "DNQ")
            starts.push_back({1, Number(racer.start1), Trim(racer.bib)});
        if (runs == 2 && status1.empty() && Number(racer.start2) > 0 && status2 != "DNS" && status2 != "DNQ")
            starts.push_back({2, Number(racer.start2), Trim(racer.bib)});
    }
    std::stable_sort(starts.begin(), starts.end(), [](const SkiDataStart& a, const SkiDataStart& b) {
        return a.run != b.run ? a.run < b.run : a.position < b.position;
    });
    return starts;
}

void AddSkiDataFiles(const AppContext& ctx, const SkiDataRace& race, const ResultSections& sections,
                     const std::vector<RacerRecord>& field, bool withPoints, bool capPoints,
                     FileTransaction& change)
{
    const int runs = race.runs == "2" ? 2 : 1;
    change.Replace(ctx.race.File("SD2"), ComposeSkiDataRace(race));
    change.Replace(ctx.race.File("SD3"), ComposeSkiDataStarts(SkiDataStarts(field, runs)));
    change.Replace(ctx.race.File("SD6"),
                   ComposeSkiDataRacers(SkiDataClassified(ctx, sections, runs, withPoints, capPoints)));
    change.Replace(ctx.race.File("SD7"), ComposeSkiDataRacers(SkiDataUnplaced(ctx, sections, runs)));
}

}  // namespace skitally
