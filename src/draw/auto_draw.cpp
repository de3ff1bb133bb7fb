#include "draw/auto_draw.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "draw/auto_draw_session.h"
#include "draw/draw_dialogs.h"
#include "draw/draw_text_ids.h"
#include "draw/draw_work_files.h"
#include "racefile/race_change.h"
#include "racefile/race_kinds.h"
#include "racefile/stale_reports.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kRacerFileEmpty = 3;

std::string Filled(const AppContext& ctx, int id, const std::vector<std::pair<const char*, std::string>>& values)
{
    std::string text = ctx.Text(id);
    for (const auto& [placeholder, value] : values)
        text = FillPlaceholder(text, placeholder, value);
    return text;
}

std::string WorkFile(const AppContext& ctx, const char* name)
{
    return ctx.race.racePath + name;
}

bool ChooseDirection(DrawSession& s)
{
    const bool series = ToUpper(Trim(s.ctx.race.header.values.raceLevel)) == "SRS";
    s.direction = series || IsSkiCrossRace(s.ctx) ? 'D' : 'A';
    if (s.method == 1 && !s.allAtRandom()) {
        const Answer reverse = AskDraw(s.ctx, s.op, s.ctx.Text(text::kReverseOrder));
        if (reverse == Answer::Cancel)
            return false;
        if (reverse == Answer::Yes)
            s.direction = s.direction == 'A' ? 'D' : 'A';
    }
    s.order = SortBySeedPoints(s.field, s.direction);
    return true;
}

// Offered one after the other until one is taken.
std::optional<TopPlacement> AskTopPlacement(DrawSession& s, int count)
{
    const std::string heading = s.ctx.Text(text::kTopSeedEquals) + " " + Angled(count) + "\n\n";
    const std::pair<int, TopPlacement> offers[] = {{text::kComputerDrawTop, TopPlacement::ComputerDraw},
                                                   {text::kTopByPoints, TopPlacement::ByPoints},
                                                   {text::kTopInverted, TopPlacement::Inverted}};
    for (;;)
        for (const auto& [id, placement] : offers) {
            const Answer answer = AskDraw(s.ctx, s.op, heading + s.ctx.Text(id));
            if (answer == Answer::Cancel)
                return std::nullopt;
            if (answer == Answer::Yes)
                return placement;
        }
}

// The top seed. A No to drawing the top racers again keeps their present start
// positions; the tie question and the placement choices are then not asked.
bool PlaceTop(DrawSession& s, TopSeed& top, std::vector<int>& starts)
{
    int count = s.method;
    const Answer again =
        AskDraw(s.ctx, s.op, Filled(s.ctx, text::kDrawTopAgain, {{"XnnnX", Angled(count)}}));
    if (again == Answer::Cancel)
        return false;
    TopPlacement placement = TopPlacement::Keep;
    if (again == Answer::Yes) {
        // The count offered takes in the whole tie rather than stopping before it.
        TieRun tie;
        if (FindTopTie(s.field, s.order, count, tie)) {
            const Answer widen = AskDraw(s.ctx, s.op,
                                         Filled(s.ctx, text::kTopTie,
                                                {{"XfffX", std::to_string(tie.first)},
                                                 {"XlllX", std::to_string(tie.last)},
                                                 {"XnnnX", Angled(tie.last)}}));
            if (widen == Answer::Cancel)
                return false;
            if (widen == Answer::Yes)
                count = tie.last;
        }
        const std::optional<TopPlacement> chosen = AskTopPlacement(s, count);
        if (!chosen)
            return false;
        placement = *chosen;
    }
    top = TakeTopSeed(s.field, s.order, count, s.random, s.log);
    starts = PlaceTopSeed(s.field, top, placement, s.random, s.log);

    const std::string path = WorkFile(s.ctx, kTopFile);
    Status status = WriteReportLines(path, TopRacersLines(s.ctx, s.field, starts, top.special));
    if (status && top.special)
        status = ReplaceFileContents(WorkFile(s.ctx, kSpecialDrawFile),
                                     SpecialDrawRecords(s.ctx, s.field, top.specialDraw));
    if (!status)
        Refuse(s.ctx, s.op, status.error());
    const Answer print = AskDraw(s.ctx, s.op, s.ctx.Text(text::kPrintTop));
    if (print == Answer::Cancel)
        return false;
    if (print == Answer::Yes && status)
        s.op.ShowReport(path, s.ctx.Text(text::kTopTitle));
    return true;
}

void ApplyStartOrder(DrawSession& s, const std::vector<int>& starts)
{
    const std::vector<int> bibs = s.bibs ? s.bibs->Bibs() : std::vector<int>();
    for (std::size_t k = 0; k < starts.size(); ++k) {
        RacerRecord& racer = s.field.racers[static_cast<std::size_t>(starts[k])].racer;
        racer.start1 = NumberField(static_cast<int>(k) + 1);
        if (!s.keepBibs)
            racer.bib = NumberField(bibs[k]);
    }
}

// The start order of the whole field: all at random, or the top seed, the
// racers by points with their ties, and those without points.
bool PlaceField(DrawSession& s, std::vector<int>& starts)
{
    if (s.allAtRandom()) {
        std::vector<int> all;
        for (int place = 1; place <= s.order.size(); ++place)
            all.push_back(s.order.AtPlace(place));
        starts = DrawAmong(all, DrawKind::AllRandom, 1, s.random, s.log);
        ApplyStartOrder(s, starts);
        return true;
    }
    TopSeed top;
    if (s.topSeed() && !PlaceTop(s, top, starts))
        return false;
    const int firstPlace = static_cast<int>(top.members.size()) + 1;
    const int lastPlace = static_cast<int>(s.order.withPoints.size());
    const std::vector<TieRun> ties = TieRuns(s.field, s.order, firstPlace, lastPlace);
    bool drawTies = false;
    if (!ties.empty()) {
        const Answer answer = AskDraw(s.ctx, s.op, s.ctx.Text(text::kDrawMatching));
        if (answer == Answer::Cancel)
            return false;
        drawTies = answer == Answer::Yes;
    }
    const std::vector<int> rest =
        PlaceByPoints(s.field, s.order, firstPlace, lastPlace, drawTies, firstPlace, s.random, s.log);
    starts.insert(starts.end(), rest.begin(), rest.end());
    const std::vector<int> unseeded =
        PlaceWithoutPoints(s.order, top, static_cast<int>(starts.size()) + 1, s.random, s.log);
    starts.insert(starts.end(), unseeded.begin(), unseeded.end());
    ApplyStartOrder(s, starts);

    if (!ties.empty()) {
        const std::string path = WorkFile(s.ctx, kMatchFile);
        const Status status = WriteReportLines(path, MatchingLines(s.ctx, s.field, s.order, ties));
        if (!status)
            Refuse(s.ctx, s.op, status.error());
        const Answer print = AskDraw(s.ctx, s.op, s.ctx.Text(text::kPrintMatching));
        if (print == Answer::Cancel)
            return false;
        if (print == Answer::Yes && status)
            s.op.ShowReport(path, s.ctx.Text(text::kMatchingTitle));
    }
    return true;
}

}  // namespace

DrawOutcome AutomaticDraw(AppContext& ctx, Operator& op, DrawRandom& random)
{
    DrawOutcome outcome;
    outcome.seed = random.seed();
    DrawSession s{ctx, op, random, {}, 0, false, false, false, {}, 'A', {}, {}};
    if (Status status = LoadDrawField(ctx.race.File("RCR"), s.field); !status) {
        Refuse(ctx, op, status.error());
        return outcome;
    }
    if (s.field.size() == 0) {
        ShowNumberedError(ctx, op, kRacerFileEmpty);
        return outcome;
    }
    std::vector<int> starts;
    if (!ShowDrawIntroduction(s) || !AskDrawMethod(s) || !CheckPreviousResults(s) ||
        !CheckPreviousAssignments(s) || !AskBibNumbering(s) || !ChooseDirection(s))
        return outcome;
    // The work files now written are this draw's; if it ends before the
    // race changes, they describe no draw and go too.
    RemoveDrawWorkFiles(ctx);
    if (!PlaceField(s, starts)) {
        RemoveDrawWorkFiles(ctx);
        return outcome;
    }

    // Everything is decided; only now does the race change: the drawn racers
    // and the deletion of the files the draw makes wrong, all or nothing.
    const std::string racerFile = ctx.race.File("RCR");
    std::string bytes;
    if (Status read = ReadWholeFile(racerFile, bytes); !read) {
        RemoveDrawWorkFiles(ctx);
        Refuse(ctx, op, read.error());
        return outcome;
    }
    const RaceFlags flagsBefore = ctx.race.flags;
    FileTransaction change(RaceJournal(ctx.race));
    change.Replace(racerFile, DrawnRacerFile(std::move(bytes), s.field));
    AddReportDeletions(ctx, kDrawDependentCodes, change);
    if (s.reassign)
        AddReportDeletions(ctx, kAssignmentFileCodes, change);
    if (s.blankResults)
        AddReportDeletions(ctx, kResultFileCodes, change);
    if (!CommitRaceChange(ctx, op, change)) {
        ctx.race.flags = flagsBefore;
        RemoveDrawWorkFiles(ctx);
        return outcome;
    }
    outcome.completed = true;
    const std::string drawPath = WorkFile(ctx, kComputerDrawFile);
    const Status written = WriteReportLines(drawPath, ComputerDrawLines(ctx, s.field, s.log));
    ctx.log.Write("Automatic draw: method " + std::to_string(s.method) + ", " + std::to_string(s.field.size()) +
                  " racers, seed " + std::to_string(random.seed()));
    ShowMessage(ctx, op,
                ctx.Text(text::kAssignmentComplete) + "\n\n" +
                    Filled(ctx, text::kDrawSeed, {{"XnnnX", std::to_string(random.seed())}}));
    if (!written)
        Refuse(ctx, op, written.error());
    else if (!s.log.empty() && AskDraw(ctx, op, ctx.Text(text::kPrintComputerDraw)) == Answer::Yes)
        op.ShowReport(drawPath, ctx.Text(text::kComputerDrawTitle));
    return outcome;
}

}  // namespace skitally
