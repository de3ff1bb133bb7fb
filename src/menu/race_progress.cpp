#include "menu/race_progress.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <optional>

#include "app/operator.h"
#include "app/paths.h"
#include "app/text_table.h"
#include "racefile/calculation_marker.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/race_kinds.h"
#include "racefile/race_snapshots.h"
#include "racefile/race_status_file.h"
#include "racefile/racer_codes.h"
#include "racefile/racer_file.h"
#include "racefile/run_count.h"
#include "util/dates.h"
#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

// Texts 6500-6526, in this order.
enum : int {
    kHeaderLabel = 6500, kJuryLabel, kCourseLabel, kWeatherLabel, kRacersLabel, kDrawnLabel, kSeedDetail,
    kStartListLabel, kAtDetail, kRunTimesLabel, kOfficialTimesLabel, kOfCount, kCalculatedLabel, kRunsDetail,
    kSeriesDetail, kSkiCrossDetail, kResultsLabel, kOutputsLabel, kNoHeaderFile, kHeaderIncomplete, kNoJury,
    kNoCodex, kNoBib, kNoStart, kMissingOutputs, kNextWord, kWebWord,
};

std::string Filled(const AppContext& ctx, int id, const char* placeholder, const std::string& value)
{
    return FillPlaceholder(ctx.Text(id), placeholder, value);
}

std::string WithDetail(std::string label, const std::string& detail)
{
    return detail.empty() ? label : label + " (" + detail + ")";
}

StageLine Line(Stage stage, std::string label, bool done, std::string missing, const char* next)
{
    return {stage, std::move(label), done, done ? std::string() : std::move(missing), done ? "" : next};
}

bool HasContent(const std::string& path)
{
    return FileStatus(path) == 1;
}

// Blank or zero: the draw has not given it.
bool Unset(const std::string& field)
{
    const std::string value = Trim(field);
    return value.find_first_not_of('0') == std::string::npos;
}

struct RacerCounts {
    int live = 0;
    int noBib = 0;
    int noStart = 0;
    int run1 = 0;       // racers with a run-1 time or status
    int finished1 = 0;  // racers with a run-1 time and no status: they race run 2
    int run2 = 0;       // of those, with a run-2 time or status
};

RacerCounts CountRacers(const std::string& racerFile)
{
    RacerCounts counts;
    ForEachLiveRacer(racerFile, [&](int, const RacerRecord& racer) {
        ++counts.live;
        counts.noBib += Unset(racer.bib);
        counts.noStart += Unset(racer.start1);
        const bool status1 = !Trim(racer.status1).empty();
        counts.run1 += racer.time1 > 0 || status1;
        if (racer.time1 > 0 && !status1) {
            ++counts.finished1;
            counts.run2 += racer.time2 > 0 || !Trim(racer.status2).empty();
        }
    });
    return counts;
}

// The seed of the draw the racers hold: the automatic draw names it in the
// snapshot it takes; a later restore or typed draw makes it unknown.
std::string DrawSeed(const AppContext& ctx, const RaceState& race)
{
    const std::vector<RaceSnapshot> snapshots = ListRaceSnapshots(race);
    if (snapshots.empty())
        return {};
    // The snapshot names the caption in the language of its day.
    std::vector<std::string> retyped;
    for (const int language : {kEnglish, kFrench}) {
        TextTable texts = ctx.texts;
        texts.SetLanguage(language);
        for (const int id : {8606, 8607, 8608, 8652})  // typed draw, late entries, start change, restore
            retyped.push_back(StripAccelerator(texts.ResourceText(id)));
    }
    for (auto it = snapshots.rbegin(); it != snapshots.rend(); ++it) {
        const std::string& operation = it->operation;
        if (const std::size_t at = operation.rfind("(seed "); at != std::string::npos)
            return operation.substr(at + 6, operation.find(')', at) - at - 6);
        if (std::find(retyped.begin(), retyped.end(), operation) != retyped.end())
            return {};
    }
    return {};
}

// "hh:mm" of the file's last write, local time.
std::string FileTime(const std::string& path)
{
    std::error_code ec;
    const fs::file_time_type written = fs::last_write_time(path, ec);
    if (ec)
        return {};
    const LocalDateTime local = ToLocal(std::chrono::file_clock::to_sys(written));
    return TwoDigits(local.hour) + ":" + TwoDigits(local.minute);
}

// The outputs are named by the operator; those named after the race (or its
// codex, as the XML file is offered) in the outputs or the race folder count.
struct OutputsFound {
    bool xml = false, web = false, csv = false;
};

// "GS1.xml", "GS1-web.txt", but not "GS10.xml".
bool NamedAfter(const std::string& name, const std::string& stem)
{
    return name.rfind(stem, 0) == 0 && (name.size() == stem.size() || !std::isalnum(static_cast<unsigned char>(name[stem.size()])));
}

OutputsFound FindOutputs(const AppContext& ctx, const RaceState& race, const std::string& codex)
{
    OutputsFound found;
    std::string codexName = ToUpper(Trim(codex));
    std::replace(codexName.begin(), codexName.end(), '.', '_');
    const std::string raceName = ToUpper(race.raceName);
    for (const std::string& folder : {ctx.skitOutputs, race.racePath}) {
        std::error_code ec;
        if (folder.empty() || !fs::is_directory(folder, ec))
            continue;
        const bool outputsFolder = folder == ctx.skitOutputs;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
            const std::string name = ToUpper(entry.path().filename().string());
            const bool ours = NamedAfter(name, raceName) || (!codexName.empty() && NamedAfter(name, codexName));
            if (!ours || !entry.is_regular_file(ec))
                continue;
            const std::string extension = FileExtension(name);
            found.xml |= extension == "XML";
            found.csv |= extension == "CSV";
            // Beside the race its own results report is not a web file.
            found.web |= name.find("WEB") != std::string::npos ||
                         (outputsFolder && (extension == "OFC" || extension == "UFC"));
        }
    }
    return found;
}

std::string HeaderDetail(const HeaderFile& header)
{
    std::string titles;
    for (const std::string& title : header.titles)
        if (!Trim(title).empty())
            titles += (titles.empty() ? "" : " / ") + Trim(title);
    const std::string& dateLocation = header.values.dateLocation;
    const std::size_t slash = dateLocation.find('/');
    std::string detail = titles;
    for (const std::string& part : {Trim(dateLocation.substr(0, slash)),
                                    slash == std::string::npos ? std::string() : Trim(dateLocation.substr(slash + 1))})
        if (!part.empty())
            detail += (detail.empty() ? "" : ", ") + part;
    return detail;
}

}  // namespace

std::vector<StageLine> RaceProgress(const AppContext& ctx)
{
    const RaceState& race = ctx.race;
    std::vector<StageLine> lines;

    HeaderFile header;
    const bool headerRead = HasContent(race.File("HDR")) && ReadHeaderFile(race.File("HDR"), header).ok();
    const RaceHeaderValues& values = header.values;
    const bool headerDone =
        headerRead && !values.raceLevel.empty() && !values.discipline.empty() && !values.gender.empty();
    lines.push_back(Line(Stage::Header, WithDetail(ctx.Text(kHeaderLabel), HeaderDetail(header)), headerDone,
                         ctx.Text(headerRead ? kHeaderIncomplete : kNoHeaderFile), "header"));

    JuryData jury;
    const bool juryRead = HasContent(race.File("JRY")) && ReadJuryFile(race.File("JRY"), jury).ok();
    const std::string codex = Trim(jury.Codex());
    lines.push_back(Line(Stage::Jury, WithDetail(ctx.Text(kJuryLabel), codex), juryRead && !codex.empty(),
                         ctx.Text(juryRead ? kNoCodex : kNoJury), "jury"));
    lines.push_back(Line(Stage::Course, ctx.Text(kCourseLabel), HasContent(race.File("FOR")), "", "course"));
    lines.push_back(Line(Stage::Weather, ctx.Text(kWeatherLabel), HasContent(race.File("WTH")), "",
                         "weather"));

    const RacerCounts racers = CountRacers(race.File("RCR"));
    lines.push_back(Line(Stage::Racers, Filled(ctx, kRacersLabel, "XnnnX", std::to_string(racers.live)),
                         racers.live > 0, "", "add"));

    const bool drawn = racers.live > 0 && racers.noBib == 0 && racers.noStart == 0;
    std::string undrawn;
    if (racers.noBib > 0)
        undrawn = Filled(ctx, kNoBib, "XnnnX", std::to_string(racers.noBib));
    else if (racers.noStart > 0)
        undrawn = Filled(ctx, kNoStart, "XnnnX", std::to_string(racers.noStart));
    const std::string seed = drawn ? DrawSeed(ctx, race) : std::string();
    lines.push_back(Line(Stage::Drawn,
                         WithDetail(ctx.Text(kDrawnLabel), seed.empty() ? "" : Filled(ctx, kSeedDetail, "XnnnX", seed)),
                         drawn, undrawn, "draw"));

    const bool printed = HasContent(race.File("RN1"));
    lines.push_back(Line(Stage::StartList1,
                         WithDetail(ctx.Text(kStartListLabel),
                                    printed ? Filled(ctx, kAtDetail, "XtttX", FileTime(race.File("RN1"))) : ""),
                         printed, "", "startlist-run1"));

    // Technical races type two runs (one when the operator chose so for a
    // downhill); the others their official times, in the run-1 fields.
    std::optional<RaceStatusFile> status;
    if (!race.open)
        status = ReadRaceStatus(race.File("SKT"));
    const RaceFlags flags = race.open ? race.flags : status ? status->flags : RaceFlags();
    const bool technical = IsTechnicalEvent(values.discipline);
    const int runs = !NormallyOneRun(values.discipline) || Trim(flags.state8) == "2" ? 2 : 1;
    for (int run = 1; run <= (technical ? runs : 1); ++run) {
        const int have = run == 1 ? racers.run1 : racers.run2;
        const int of = run == 1 ? racers.live : racers.finished1;
        const std::string label = technical ? Filled(ctx, kRunTimesLabel, "XnnnX", std::to_string(run))
                                            : ctx.Text(kOfficialTimesLabel);
        const std::string count =
            FillPlaceholder(Filled(ctx, kOfCount, "XnnnX", std::to_string(have)), "XtttX", std::to_string(of));
        lines.push_back(Line(Stage::Times, label + ": " + count, of > 0 && have == of, "",
                             !technical ? "official-times" : run == 1 ? "run1-times" : "run2-times"));
    }

    // League races score teams and recreational races take no points:
    // neither is calculated.
    const bool skiCross = IsSkiCross(Trim(values.discipline));
    if (Trim(values.raceLevel) != "LGR" && !IsRecreationalCodex(codex)) {
        const CalculationMarker marker = DecodeCalculationMarker(flags.calculation);
        std::string detail;
        if (marker.kind == CalculationMarker::Kind::Race)
            detail = FillPlaceholder(Filled(ctx, kRunsDetail, "XnnnX", std::to_string(marker.runs)), "XpppX",
                                     FormatFixed(marker.applied, 1, 2));
        else if (marker.kind == CalculationMarker::Kind::Series)
            detail = ctx.Text(kSeriesDetail);
        else if (marker.kind == CalculationMarker::Kind::SkiCross)
            detail = ctx.Text(kSkiCrossDetail);
        lines.push_back(Line(Stage::Calculated, WithDetail(ctx.Text(kCalculatedLabel), detail),
                             marker.kind != CalculationMarker::Kind::None, "",
                             skiCross ? "calc-skicross" : runs == 1 ? "calc-1run" : "calc-2run"));
    }
    lines.push_back(Line(Stage::Results, ctx.Text(kResultsLabel), HasContent(race.File("OFC")), "",
                         "results-official"));

    const OutputsFound outputs = FindOutputs(ctx, race, codex);
    std::string present, absent;
    const char* next = "";
    const std::pair<bool, std::string> kinds[] = {
        {outputs.xml, "XML"}, {outputs.web, ctx.Text(kWebWord)}, {outputs.csv, "CSV"}};
    const char* commands[] = {"output-points", "output-web", "output-csv"};
    for (int i = 0; i < 3; ++i) {
        std::string& list = kinds[i].first ? present : absent;
        list += (list.empty() ? "" : ", ") + kinds[i].second;
        if (!kinds[i].first && !*next)
            next = commands[i];
    }
    lines.push_back(Line(Stage::Outputs, WithDetail(ctx.Text(kOutputsLabel), present), absent.empty(),
                         Filled(ctx, kMissingOutputs, "XnnnX", absent), next));
    return lines;
}

std::string StageLineText(const AppContext& ctx, const StageLine& line)
{
    std::string text = (line.done ? "[x] " : "[ ] ") + line.label;
    if (!line.missing.empty())
        text += ": " + line.missing;
    if (!line.next.empty())
        text += " - " + ctx.Text(kNextWord) + ": " + line.next;
    return text;
}

}  // namespace skitally
