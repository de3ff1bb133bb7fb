#include "draw/run2_questions.h"

#include <filesystem>

#include "app/text_ids.h"
#include "draw/draw_dialogs.h"
#include "draw/draw_text_ids.h"
#include "racefile/race_kinds.h"

namespace skitally {
namespace {

// The count, then the tie that count would split; "The Correct Number of
// Racers to Reverse is" confirms the count after a tie, No asks it again.
std::optional<int> AskReversal(AppContext& ctx, Operator& op, const DrawField& field, const Run2Race& race)
{
    std::string prompt = ctx.Text(text::kReversalCount);
    if (race.groupField >= 0)
        prompt += "\n" + ctx.Text(text::kReversalsPerGroup) + " " + race.groupCaption;
    for (;;) {
        std::optional<int> count =
            AskWholeNumber(ctx, op, ctx.Text(text::kQueryTitle), prompt, "0", 0, field.size());
        if (!count)
            return std::nullopt;
        TieRun tie;
        if (!FindReversalTie(field, race.groupField, *count, tie))
            return count;
        std::string question = FillPlaceholder(ctx.Text(text::kRun1Ties), "XfffX", std::to_string(tie.first));
        question = FillPlaceholder(question, "XlllX", std::to_string(tie.last));
        const Answer change = AskDraw(ctx, op, FillPlaceholder(question, "XnnnX", Angled(tie.last)));
        if (change == Answer::Cancel)
            return std::nullopt;
        if (change == Answer::Yes)
            count = tie.last;
        const Answer correct = AskDraw(ctx, op, ctx.Text(text::kCorrectReversal) + " " + Angled(*count));
        if (correct == Answer::Cancel)
            return std::nullopt;
        if (correct == Answer::Yes)
            return count;
    }
}

}  // namespace

Run2Race Run2RaceOf(const AppContext& ctx)
{
    Run2Race race;
    race.fis = IsFisRace(ctx);
    race.leagueOrSkiCross = IsLeagueRace(ctx) || IsSkiCrossRace(ctx);
    return race;
}

std::optional<Run2Answers> AskRun2Order(AppContext& ctx, Operator& op, const DrawField& field, const Run2Race& race)
{
    Run2Answers answers;
    answers.groupField = race.groupField;
    answers.groupDescending = race.groupDescending;
    if (!race.fis) {
        const std::optional<int> chosen =
            op.Choose({ctx.Text(text::kRun2OrderTitle),
                       ctx.Text(text::kRun2OrderTitle),
                       {ctx.Text(text::kRun2Normal), ctx.Text(text::kRun2Same), ctx.Text(text::kRun2Invert)}});
        if (!chosen) {
            std::error_code ec;
            std::filesystem::remove(ctx.race.File("RN2"), ec);
            return std::nullopt;
        }
        answers.option = *chosen == 0 ? Run2Option::Normal : *chosen == 1 ? Run2Option::Same : Run2Option::Invert;
    }
    if (race.leagueOrSkiCross) {
        answers.addNonFinishers = answers.addDidNotStart = answers.keepInPlace = true;
        return answers;
    }
    if (answers.option != Run2Option::Normal) {
        const Answer inPlace = AskDraw(ctx, op, ctx.Text(text::kIncludeInPlace));
        if (inPlace == Answer::Cancel)
            return std::nullopt;
        answers.keepInPlace = inPlace == Answer::Yes;
        return answers;
    }
    const std::optional<int> count = AskReversal(ctx, op, field, race);
    if (!count)
        return std::nullopt;
    answers.reverse = *count;
    const Answer add = AskDraw(ctx, op, ctx.Text(text::kAddNonFinishers));
    if (add == Answer::Cancel)
        return std::nullopt;
    if (add == Answer::Yes) {
        const Answer dns = AskDraw(ctx, op, ctx.Text(text::kIncludeDns));
        if (dns == Answer::Cancel)
            return std::nullopt;
        answers.addNonFinishers = true;
        answers.addDidNotStart = dns == Answer::Yes;
    }
    return answers;
}

}  // namespace skitally
