#include "output/xml_output.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/app_context.h"
#include "app/messages.h"
#include "app/operator.h"
#include "app/text_ids.h"
#include "output/xml_results.h"
#include "output/xml_text.h"
#include "output/output_text_ids.h"
#include "output/xml_text_ids.h"
#include "racefile/race_kinds.h"
#include "racefile/course_file.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/racer_file.h"
#include "racefile/weather_file.h"
#include "reports/start_list_blocks.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {

namespace {

// The Ski Data file `code`, read with `read`; false after telling the
// operator. A missing file means the official results were not printed.
template <typename Read, typename Into>
bool ReadSkiDataFile(AppContext& ctx, Operator& op, const std::string& code, Read read, Into& into,
                     bool required = true)
{
    const std::string path = ctx.race.File(code);
    std::string bytes;
    if (Status opened = ReadWholeFile(path, bytes); !opened) {
        if (!required && opened.failure() == Failure::CannotOpen)
            return true;
        ShowMessage(ctx, op, ctx.Text(xml_text::kPrintOfficialFirst) + "\n" + path);
        return false;
    }
    if (Status done = read(bytes, into); !done) {
        ShowMessage(ctx, op,
                    FillPlaceholder(FillPlaceholder(ctx.Text(xml_text::kSkiDataUnusable), "XnnnX", path), "XdddX",
                                    done.error()));
        return false;
    }
    return true;
}

bool ReadRaceRecords(AppContext& ctx, Operator& op, XmlRaceData& data)
{
    const RaceState& race = ctx.race;
    if (!ReadHeaderFile(race.File("HDR"), data.header)) {
        ShowNumberedError(ctx, op, 8);
        return false;
    }
    if (!ReadJuryFile(race.File("JRY"), data.jury)) {
        ShowNumberedError(ctx, op, 9);
        return false;
    }
    if (!ReadCourseFile(race.File("FOR"), data.course)) {
        ShowNumberedError(ctx, op, 11);
        return false;
    }
    if (!ReadWeatherFile(race.File("WTH"), data.header.values.discipline, data.weather)) {
        ShowNumberedError(ctx, op, 12);
        return false;
    }
    return ReadSkiDataFile(ctx, op, "SD2", ReadSkiDataRace, data.race) &&
           ReadSkiDataFile(ctx, op, "SD6", ReadSkiDataRacers, data.classified) &&
           ReadSkiDataFile(ctx, op, "SD7", ReadSkiDataRacers, data.notClassified) &&
           ReadSkiDataFile(ctx, op, "SD3", ReadSkiDataStarts, data.starts, false);
}

std::string Seconds(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return text;
}

// A para racer's times before the factor, as the racer file keeps them.
bool ReadAuditTimes(AppContext& ctx, Operator& op, XmlRaceData& data)
{
    const Status read = ForEachLiveRacer(ctx.race.File("RCR"), [&data](int, const RacerRecord& racer) {
        data.audit[Trim(racer.bib)] = {Seconds(racer.rawTime1), Seconds(racer.rawTime2),
                                       Seconds(racer.rawTime1 + racer.rawTime2)};
    });
    if (!read)
        ShowFileFailure(ctx, op, xml_text::kSkiDataUnusable, ctx.race.File("RCR"), read);
    return read.ok();
}

std::optional<std::string> Ask(AppContext& ctx, Operator& op, int promptId)
{
    std::optional<std::string> answer = op.AskText({ctx.Text(text::kQueryTitle), ctx.Text(promptId), {}, {}});
    if (answer)
        *answer = Trim(*answer);
    return answer;
}

// One of `shown`, written as the matching entry of `written`.
std::optional<std::string> Pick(AppContext& ctx, Operator& op, const std::string& prompt,
                                const std::vector<std::string>& shown, const std::vector<std::string>& written)
{
    const std::optional<int> chosen = op.Choose({ctx.Text(text::kQueryTitle), prompt, shown});
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(written.size()))
        return std::nullopt;
    return written[static_cast<std::size_t>(*chosen)];
}

bool AskSkiCrossFormats(AppContext& ctx, Operator& op, XmlAnswers& answers)
{
    const std::vector<std::string> formats = {"Qualification", "Seeding", "Qualification Heat", "Three Heat",
                                              "Round Robin"};
    const std::optional<int> format =
        op.Choose({ctx.Text(text::kQueryTitle), ctx.Text(xml_text::kQualificationFormat), formats});
    if (!format || *format < 0 || *format >= static_cast<int>(formats.size()))
        return false;
    const std::vector<std::string> written = {"qualification", "seeding", "qualification-heat", "three-heat",
                                              "round-robin"};
    answers.sxFormat = written[static_cast<std::size_t>(*format)];
    const std::string subPrompt =
        FillPlaceholder(ctx.Text(xml_text::kSubType), "XtttX", formats[static_cast<std::size_t>(*format)]);
    const std::optional<std::string> subType = Pick(
        ctx, op, subPrompt, {"Single Run", "Two Run", "Two Run Cutoff", "Jam Session", "Single Panel", "Double Panel"},
        {"single-run", "two-run", "two-run-cutoff", "jam-session", "single-panel", "double-panel"});
    const std::optional<std::string> phase =
        subType ? Pick(ctx, op, ctx.Text(xml_text::kLastPhase),
                       {"Final", "Small Final", "Semi Final", "Quarter Final", "Eight Final", "Sixteen Final",
                        "ThirtyTwo Final", "Qualification", "Preheat", "Seeding"},
                       {"final", "smallfinal", "semifinal", "quarterfinal", "eightfinal", "sixteenfinal",
                        "thirtytwofinal", "qualification", "preheat", "seeding"})
                : std::nullopt;
    if (!phase)
        return false;
    answers.sxSubType = *subType;
    answers.sxPhase = *phase;
    return true;
}

bool AskQuestions(AppContext& ctx, Operator& op, const XmlRaceData& data, bool fis, XmlAnswers& answers)
{
    std::optional<std::string> nation = Ask(ctx, op, xml_text::kHostNation);
    if (!nation)
        return false;
    answers.hostNation = ToUpper(*nation);
    if (!fis) {
        std::optional<std::string> club = Ask(ctx, op, xml_text::kHostClub);
        if (!club)
            return false;
        if (club->empty()) {
            ShowMessage(ctx, op, ctx.Text(xml_text::kClubMissing) + "\n" + ctx.Text(xml_text::kPleaseCheck));
            return false;
        }
        answers.hostClub = *club;
    } else {
        const std::vector<std::string> categories = {"EC", "WC", "NC", "FIS", "CHI", "TRA"};
        std::optional<std::string> category =
            Pick(ctx, op, ctx.Text(xml_text::kClassification), categories, categories);
        if (!category)
            return false;
        answers.category = *category;
    }
    std::optional<std::string> timer = Ask(ctx, op, xml_text::kTimer);
    std::optional<std::string> fisList = timer && fis ? Ask(ctx, op, xml_text::kFisList) : timer;
    std::optional<std::string> natList = fisList ? Ask(ctx, op, xml_text::kNationalList) : std::nullopt;
    if (!natList)
        return false;
    answers.timer = *timer;
    answers.fisList = fis ? *fisList : std::string();
    answers.natList = *natList;
    if (fis) {
        std::optional<std::string> td = Ask(ctx, op, xml_text::kTdNumber);
        std::optional<std::string> assistant = td && data.tdCandidate ? Ask(ctx, op, xml_text::kAssistantTdNumber) : td;
        if (!assistant)
            return false;
        answers.tdNumber = *td;
        answers.assistantTdNumber = data.tdCandidate ? *assistant : std::string();
        if (XmlSector(data.header.values.discipline, fis) == "FS" && !AskSkiCrossFormats(ctx, op, answers))
            return false;
    }
    return true;
}

// Ski Data written by a training report: refused outside recreational
// races, confirmed in them.
bool TrainingRunAccepted(AppContext& ctx, Operator& op, const XmlRaceData& data)
{
    if (data.race.kind != "TRAINING")
        return true;
    if (!IsRecreationalRace(ctx)) {
        ShowNumberedError(ctx, op, 42);
        return false;
    }
    return AskYesNo(ctx, op, ctx.Text(xml_text::kTrainingContinue));
}

// The file named on the command line, else the save dialog (default name
// the codex with "_" for ".") confirmed with the path shown; "No" asks again.
std::optional<std::string> DestinationPath(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (!args.empty())
        return Trim(args.front());
    std::string folder = ctx.skitOutputs.empty() ? ctx.race.racePath : EnsureFolder(ctx.roots, ctx.skitOutputs, "C");
    if (folder.empty())
        folder = ctx.race.racePath;
    std::string name = Trim(ctx.race.jury.Codex());
    std::replace(name.begin(), name.end(), '.', '_');
    const std::string kind = ctx.Text(xml_text::kXmlFileKind) + " (*.XML)|*.XML";
    for (;;) {
        std::optional<std::string> picked =
            op.PickFile({ctx.Text(text::kSaveTitle), kind, folder, (name.empty() ? ctx.race.raceName : name) + ".xml", true});
        if (!picked)
            return std::nullopt;
        const std::string path = Trim(*picked);
        if (!path.empty() && AskYesNo(ctx, op, ctx.Text(xml_text::kSaveLocationCorrect) + "\n< " + path + " >"))
            return path;
    }
}

} // namespace

bool XmlOutputCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    // The calculation marker falls back to "0" whenever a change drops the
    // calculation report: the Ski Data files may then be stale.
    if (Trim(ctx.race.flags.calculation) == "0") {
        ShowMessage(ctx, op, ctx.Text(xml_text::kRecalculate));
        return false;
    }
    XmlRaceData data;
    if (!ReadRaceRecords(ctx, op, data))
        return false;
    const bool fis = Trim(data.header.values.raceLevel) == "FIS";
    data.tdCandidate = TdCandidateOption(ctx); // as the results print the jury
    data.paraEvent = ctx.race.flags.paraFactors;
    data.version = ctx.versionText.empty() ? AppContext::VersionText() : ctx.versionText;
    if (data.paraEvent && !fis && !ReadAuditTimes(ctx, op, data))
        return false;

    if (!TrainingRunAccepted(ctx, op, data))
        return false;
    XmlAnswers answers;
    if (!AskQuestions(ctx, op, data, fis, answers))
        return false;
    const XmlBuilt built = BuildXmlResults(data, answers, fis);
    for (const std::string& bib : built.bibsNotInRace)
        ShowMessage(ctx, op,
                    FillPlaceholder(ctx.Text(xml_text::kBibNumber), "XnnnX", bib) + "\n" +
                        ctx.Text(xml_text::kRacerNotInRace));
    if (!built.missing.empty()) {
        ShowMessage(ctx, op, "<" + built.missing + "> - " + ctx.Text(xml_text::kInformationMissing));
        return false;
    }
    const std::optional<std::string> destination = DestinationPath(ctx, op, args);
    if (!destination)
        return false;
    const std::string& path = *destination;
    if (Status written = ReplaceFileContents(path, built.text); !written) {
        ShowFileFailure(ctx, op, xml_text::kXmlNotWritten, path, written);
        return false;
    }
    ShowMessage(ctx, op, ctx.Text(xml_text::kXmlDone) + "\n" + path);
    return true;
}

} // namespace skitally
