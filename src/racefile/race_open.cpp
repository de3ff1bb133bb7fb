#include "racefile/race_open.h"

#include <filesystem>

#include "app/messages.h"
#include "app/recent_races.h"
#include "app/text_ids.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/old_racer_layouts.h"
#include "racefile/race_change.h"
#include "racefile/race_copy.h"
#include "racefile/race_restore.h"
#include "racefile/race_status_file.h"
#include "racefile/racer_file.h"
#include "racefile/stage_check.h"
#include "racefile/weather_file.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

std::string RaceFilter(const AppContext& ctx)
{
    return ctx.Text(text::kRaceFiles) + " (*.rcr)|*.rcr";
}

std::string StartFolder(const AppContext& ctx)
{
    const std::string stored = ctx.settings->Get("Paths", "Race Path");
    return stored.empty() ? ctx.skitPath : stored;
}

void Fail(AppContext& ctx, Operator& op, int textId, const std::string& file, const Status& failed)
{
    ctx.log.Write("Open race failed: " + file + ": " + failed.error());
    ShowFileFailure(ctx, op, textId, file, failed);
}

// The racer file is current when record 1 ends in CR LF. A file too short
// for one record reads as zeros beyond its end, as it always has, and so
// counts as an older layout.
bool IsCurrentLayout(const std::string& racerFile)
{
    RacerFile file;
    if (!file.Open(racerFile, RacerFileMode::Read))
        return false;
    const std::string first = file.ReadRecordBytes(1);
    return first.size() == kRacerRecordLength && first.compare(241, 2, "\r\n") == 0;
}

// The backups and the converted racer file are written at once: the race
// is either still of the older layout or converted with its backups.
bool ConvertOldLayout(AppContext& ctx, Operator& op, const std::string& racerFile)
{
    if (!AskYesNo(ctx, op, ctx.Text(text::kConvertRacerFile)))
        return false;
    FileTransaction change(RaceJournal(ctx.race));
    Status done = BackUpAsOld(ctx.race.racePath, ctx.race.raceName, change);
    std::string converted;
    if (done)
        done = ConvertedRacerFile(racerFile, ctx.race.racePath, converted, &op, ctx.Text(text::kWritingFile));
    if (!done) {
        Fail(ctx, op, text::kRacerFileNotConverted, racerFile, done);
        return false;
    }
    change.Replace(racerFile, std::move(converted));
    return CommitRaceChange(ctx, op, change);
}

// Which parts of an older race to copy, and how much of them to blank.
struct CopyChoice {
    bool header = false;
    bool racers = false;
    CopyBlanking blanking;
};

// nullopt when the operator left the copy options.
std::optional<CopyChoice> AskCopyOptions(AppContext& ctx, Operator& op)
{
    CopyChoice choice;
    const std::string exit = ctx.Text(text::kCopyExit);
    if (AskYesNo(ctx, op, ctx.Text(text::kCopyHeader))) {
        const auto picked = op.Choose({ctx.Text(text::kCopyOptions), ctx.Text(text::kCopyHeader),
                                       {ctx.Text(text::kCopyHeaderAll), ctx.Text(text::kCopyHeaderNoWeather), exit}});
        if (!picked || *picked == 2)
            return std::nullopt;
        choice.header = true;
        choice.blanking.forerunnersAndWeather = *picked == 1;
    }
    if (AskYesNo(ctx, op, ctx.Text(text::kCopyRacers))) {
        const auto picked =
            op.Choose({ctx.Text(text::kCopyOptions), ctx.Text(text::kCopyRacers),
                       {ctx.Text(text::kCopyRacersAll), ctx.Text(text::kCopyRacersNoTimesNoBibs),
                        ctx.Text(text::kCopyRacersNoTimes), ctx.Text(text::kCopyRacersNoTimesNoStarts), exit}});
        if (!picked || *picked == 4)
            return std::nullopt;
        choice.racers = true;
        choice.blanking.runTimes = *picked >= 1;
        choice.blanking.bibs = *picked == 1;
        choice.blanking.startOrder = *picked == 3;
    }
    return choice;
}

void CopyFromOlderRace(AppContext& ctx, Operator& op)
{
    if (!AskYesNo(ctx, op, ctx.Text(text::kCopyFromOldRace)))
        return;
    const auto source = op.PickFile({ctx.Text(text::kSelectRaceToCopy), RaceFilter(ctx), StartFolder(ctx), {}, false});
    if (!source)
        return;
    const auto choice = AskCopyOptions(ctx, op);
    if (!choice)
        return;
    const std::string target = ctx.race.File("RCR");
    std::vector<std::string> kinds;
    if (choice->header)
        kinds = {"HDR", "JRY", "FOR", "WTH", "DRW", "INC", "LGR"};
    if (choice->racers)
        kinds.insert(kinds.end(), {"RCR", "SNS"});
    // A file that cannot be read is named and left out; what was read is
    // written all at once or not at all, whatever the disk does.
    FileTransaction change(RaceJournal(ctx.race));
    for (const std::string& kind : kinds) {
        const Status copied =
            CopyRaceFile(kind, *source, target, choice->blanking, change, &op, ctx.Text(text::kWritingFile));
        if (!copied)
            Fail(ctx, op, text::kRaceFileNotWritten, ctx.race.File(kind), copied);
    }
    CommitRaceChange(ctx, op, change);
}

}  // namespace

bool ReadHeader(AppContext& ctx)
{
    RaceState& race = ctx.race;
    race.header = HeaderFile();
    const bool read = ReadHeaderFile(race.File("HDR"), race.header).ok();
    // The weather values come with the header; without a weather file the
    // F value is the discipline's.
    ReadWeatherFile(race.File("WTH"), race.header.values.discipline, race.weather);
    return read;
}

bool CloseRace(AppContext& ctx, Operator& op)
{
    Status written = Status::Ok();
    if (ctx.race.open) {
        const std::string statusFile = ctx.race.File("SKT");
        written = WriteRaceStatus(statusFile, ctx.race.File("RCR"), ctx.race.flags);
        ctx.log.Write("Race closed: " + ctx.race.File("RCR") + (written ? "" : " (" + written.error() + ")"));
        if (!written)
            ShowFileFailure(ctx, op, text::kStatusNotWritten, statusFile, written);
    }
    ctx.race = RaceState();
    ctx.currentReportCode.clear();
    return written.ok();
}

bool RaceOptionsScreen(AppContext& ctx, Operator& op, bool newRace)
{
    const std::string yes = StripAccelerator(ctx.Text(text::kYes)).substr(0, 1);
    const std::string no = StripAccelerator(ctx.Text(text::kNo)).substr(0, 1);
    FieldForm form{ctx.Text(text::kRaceOptionsTitle),
                   {{"para", ctx.Text(text::kParaEventField), ctx.race.flags.paraFactors ? yes : no, 1,
                     FieldKind::Check, ""}}};
    form.fields[0].checkedValue = yes;
    form.fields[0].uncheckedValue = no;
    form.fields[0].check = [&ctx, yes, no](const std::string& value) {
        const std::string answer = ToUpper(Trim(value));
        return answer == yes || answer == no || answer == "Y" || answer == "N"
                   ? std::string()
                   : ctx.Text(text::kResponseMustBe) + " " + yes + ", " + no;
    };
    bool switched = true;
    for (;;) {
        if (!op.EditForm(form))
            return false;
        const std::string answer = ToUpper(Trim(form.fields[0].value));
        if (answer == yes || answer == no || answer == "Y" || answer == "N") {
            const bool para = answer == yes || answer == "Y";
            // Switching the para event factors or un-factors every racer: the
            // entries floor does that (and sets the flag when it succeeded).
            if (para != ctx.race.flags.paraFactors && ctx.hooks.switchParaEvent)
                switched = ctx.hooks.switchParaEvent(ctx, op, para, newRace ? kNewRaceMarker : ctx.race.File("RCR"));
            else
                ctx.race.flags.paraFactors = para;
            break;
        }
        op.Beep();
        op.Message({ctx.Text(text::kErrorTitle), ctx.Text(text::kResponseMustBe) + " " + yes + ", " + no,
                    {ctx.Text(text::kOkay)}, MessageIcon::Exclamation});
    }
    const Status written = WriteRaceStatus(ctx.race.File("SKT"), newRace ? kNewRaceMarker : ctx.race.File("RCR"),
                                           ctx.race.flags);
    if (!written)
        Fail(ctx, op, text::kRaceFileNotWritten, ctx.race.File("SKT"), written);
    return switched;
}

bool OpenRace(AppContext& ctx, Operator& op, const std::string& fileName, bool create)
{
    std::string chosen = fileName;
    if (chosen.empty()) {
        const auto picked =
            create ? op.PickFile({ctx.Text(text::kNewRaceTitle), "Race Files(*.RCR)|*.RCR", StartFolder(ctx), {}, true})
                   : op.PickFile({ctx.Text(text::kOpenRaceTitle), RaceFilter(ctx), StartFolder(ctx), {}, false});
        if (!picked || Trim(*picked).empty())
            return false;
        chosen = *picked;
    }
    std::error_code ec;
    const std::string racerFile =
        std::filesystem::absolute(ChangeExtension(ToNativeSeparators(Trim(chosen)), "RCR"), ec).string();
    CloseRace(ctx, op);
    // What opening changes (a conversion, a copy) is named so in snapshots.
    ctx.operation = StripAccelerator(ctx.Text(create ? text::kNewRace : text::kOpenRace));
    // Opening never makes a file of a mistyped name: only creating does.
    if (!create && FileStatus(racerFile) == 0) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kRaceFileMissing), "XnnnX", racerFile));
        return false;
    }
    ctx.race.racePath = FolderPart(racerFile);
    ctx.race.raceName = FileBaseName(racerFile);
    ctx.settings->Set("Paths", "Last Path", ctx.race.racePath);
    ctx.settings->Set("Paths", "Race Path", ctx.race.racePath);
    // A change of several files cut short is finished or undone first.
    if (const Status recovered = RecoverRaceFiles(ctx.race); !recovered) {
        Fail(ctx, op, text::kRaceFileNotWritten, RaceJournal(ctx.race), recovered);
        ctx.race = RaceState();
        return false;
    }

    // Creating makes the empty racer file that marks a new race.
    if (FileStatus(racerFile) == 0) {
        std::filesystem::create_directories(ctx.race.racePath, ec);
        if (const Status made = ReplaceFileContents(racerFile, ""); !made) {
            Fail(ctx, op, text::kRaceFileNotWritten, racerFile, made);
            ctx.race = RaceState();
            return false;
        }
    }
    const bool newRace = FileStatus(racerFile) == -1;
    if (newRace) {
        ctx.race.open = true;
        ctx.log.Write("New race: " + racerFile);
        RaceOptionsScreen(ctx, op, true);
        CopyFromOlderRace(ctx, op);
    } else if (!IsCurrentLayout(racerFile) && !ConvertOldLayout(ctx, op, racerFile)) {
        ctx.race = RaceState();
        return false;
    }
    if (!AcceptRaceFiles(ctx, op)) {
        ctx.race = RaceState();
        return false;
    }

    ReadHeader(ctx);
    RaceFileExists(ctx, op, "H", true);
    ReadJuryFile(ctx.race.File("JRY"), ctx.race.jury);
    if (const auto status = ReadRaceStatus(ctx.race.File("SKT")); status && !newRace)
        ctx.race.flags = status->flags;
    ctx.race.open = true;
    ctx.log.Write("Race opened: " + racerFile);
    // Offered again by the desktop when no race is open.
    RecordRecentRace(*ctx.settings, racerFile);
    op.StatusText(ctx.Text(text::kViewRacersHint));
    return true;
}

}  // namespace skitally
