#include "app/text_ids.h"
#include "draw/auto_draw_session.h"
#include "draw/draw_dialogs.h"
#include "draw/draw_text_ids.h"
#include "draw/draw_work_files.h"
#include "racefile/race_kinds.h"
#include "util/dates.h"
#include "util/time_format.h"

namespace skitally {
namespace {

std::string MethodLine(const DrawSession& s, int value)
{
    if (value == s.racerCount())
        return s.ctx.Text(text::kMethodAllRandom);
    if (value == 1)
        return s.ctx.Text(text::kMethodByPoints);
    return s.ctx.Text(text::kMethodTopSeed);
}

// The software-changed warning. The box has one button; closed another way, the
// program reads V + 1 as the top seed (the top-seed method only, and only
// while V + 1 does not pass NR).
void SoftwareChangedWarning(DrawSession& s)
{
    if (!WarnsSoftwareChanged(s.method, IsSkiCrossRace(s.ctx)))
        return;
    for (int beep = 0; beep < 4; ++beep)
        s.op.Beep();
    const int chosen = s.op.Message({s.ctx.Text(text::kMessageTitle),
                                     s.ctx.Text(text::kSoftwareChanged) + "\n" + Angled(s.method),
                                     {s.ctx.Text(text::kYes)}, MessageIcon::Exclamation});
    if (chosen < 0 && s.topSeed() && s.method + 1 <= s.racerCount())
        ++s.method;
}

}  // namespace

bool WarnsSoftwareChanged(int value, bool skiCross)
{
    if (skiCross)
        return value == 17 || value == 33;
    return value == 16 || value == 31 || value == 33;
}

bool ShowDrawIntroduction(DrawSession& s)
{
    const LocalDateTime now = ToLocal(s.ctx.clock());
    const std::string stamp = s.ctx.Text(text::kDrawDate) + "  " + TwoDigits(now.day) + "-" + TwoDigits(now.month) +
                              "-" + std::to_string(now.year) + "     " + s.ctx.Text(text::kDrawTime) + "  " +
                              TwoDigits(now.hour) + ":" + TwoDigits(now.minute) + ":" + TwoDigits(now.second);
    return ContinueBox(s.ctx, s.op, stamp + "\n\n" + s.ctx.Text(text::kDrawIntro));
}

bool AskDrawMethod(DrawSession& s)
{
    const AppContext& ctx = s.ctx;
    // NR counts the live racers: with deleted slots counted, "NR" would no
    // longer draw the whole field at random.
    const int count = s.racerCount();
    const std::string prompt = ctx.Text(text::kMethodIntro) + "\n" + ctx.Text(text::kMethodTopSeed) + "\n" +
                               ctx.Text(text::kMethodAllRandom) + " " + std::to_string(count) + "\n" +
                               ctx.Text(text::kMethodByPoints) + "\n\n" + ctx.Text(text::kMethodPrompt);
    for (;;) {
        const std::optional<int> value =
            AskWholeNumber(ctx, s.op, ctx.Text(text::kQueryTitle), prompt, "", 1, count);
        if (!value)
            return false;
        s.method = *value;
        SoftwareChangedWarning(s);
        const Answer answer =
            AskDraw(ctx, s.op,
                    ctx.Text(text::kSelectedMethod) + "\n" + MethodLine(s, s.method) + "  " + Angled(s.method) +
                        "\n\n" + ctx.Text(text::kMethodCorrect));
        if (answer == Answer::Cancel)
            return false;
        if (answer == Answer::Yes)
            return true;
    }
}

bool CheckPreviousResults(DrawSession& s)
{
    s.op.ProgressStart(s.ctx.Text(text::kCheckingResults), s.racerCount());
    bool found = false;
    for (const DrawRacer& entry : s.field.racers)
        found = found || HasResults(entry.racer);
    s.op.ProgressEnd();
    if (!found)
        return true;
    if (!ContinueBox(s.ctx, s.op, s.ctx.Text(text::kRaceHasResults)))
        return false;
    const Answer answer = AskDraw(s.ctx, s.op, s.ctx.Text(text::kBlankTimes));
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::Yes) {
        s.op.ProgressStart(s.ctx.Text(text::kBlankingResults), s.racerCount());
        for (DrawRacer& entry : s.field.racers)
            BlankResults(entry.racer);
        s.op.ProgressEnd();
        s.blankResults = true;
    }
    return true;
}

// Bibs given by hand count as an assignment too, so that keeping them is
// offered before they are numbered anew.
bool CheckPreviousAssignments(DrawSession& s)
{
    s.op.ProgressStart(s.ctx.Text(text::kCheckingAssignments), s.racerCount());
    bool found = false;
    for (const DrawRacer& entry : s.field.racers)
        found = found || HasAssignment(entry.racer);
    s.op.ProgressEnd();
    if (!found)
        return true;
    if (AskDraw(s.ctx, s.op, s.ctx.Text(text::kReassign)) != Answer::Yes)
        return false;
    s.reassign = true;
    const Answer keep = AskDraw(s.ctx, s.op, s.ctx.Text(text::kKeepBibs));
    if (keep == Answer::Cancel)
        return false;
    s.keepBibs = keep == Answer::Yes;
    return true;
}

bool AskBibNumbering(DrawSession& s)
{
    if (s.keepBibs)
        return true;
    const AppContext& ctx = s.ctx;
    // The last bib must still fit the three-digit field.
    const std::optional<int> first = AskWholeNumber(ctx, s.op, ctx.Text(text::kQueryTitle),
                                                    ctx.Text(text::kFirstBib), "1", 1,
                                                    kHighestBib - s.racerCount() + 1);
    if (!first)
        return false;
    s.bibs.emplace(*first, s.racerCount());
    const Answer skip = AskDraw(ctx, s.op, ctx.Text(text::kSkipBibs), true);
    if (skip == Answer::Cancel)
        return false;
    while (skip == Answer::Yes) {
        BibNumbering& bibs = *s.bibs;
        const std::string prompt = ctx.Text(text::kFirstBibIs) + " " + std::to_string(bibs.first()) + "\n" +
                                   ctx.Text(text::kLastBibIs) + " " + std::to_string(bibs.last()) + "\n" +
                                   ctx.Text(text::kSkippingBib) + " " + SkipListText(bibs.skipped()) + "\n\n" +
                                   ctx.Text(text::kCancelWhenDone);
        const std::optional<std::string> typed = s.op.AskText({ctx.Text(text::kSkipBibsTitle), prompt, "", {}});
        if (!typed)
            break;  // cancel ends the list, not the draw
        const std::optional<int> bib = ParseWholeNumber(*typed);
        const BibNumbering::SkipResult result = bib ? bibs.Skip(*bib) : BibNumbering::SkipResult::OutOfRange;
        if (result == BibNumbering::SkipResult::AlreadySkipped)
            Refuse(ctx, s.op, ctx.Text(text::kBibSkipped));
        else if (result == BibNumbering::SkipResult::OutOfRange)
            Refuse(ctx, s.op,
                   ctx.Text(text::kBibRange) + " " + std::to_string(bibs.first()) + " - " +
                       std::to_string(bibs.last()));
    }
    const Answer print = AskDraw(ctx, s.op, ctx.Text(text::kPrintCrossReference));
    if (print == Answer::Cancel)
        return false;
    if (print == Answer::Yes) {
        const std::string path = ctx.race.File("TMP");
        if (Status status = WriteReportLines(path, CrossReferenceLines(ctx, s.bibs->Bibs())); !status)
            Refuse(ctx, s.op, status.error());
        else
            s.op.ShowReport(path, ctx.Text(text::kCrossReferenceTitle));
    }
    return true;
}

}  // namespace skitally
