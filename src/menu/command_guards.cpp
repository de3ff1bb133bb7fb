#include "menu/command_guards.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/race_kinds.h"
#include "racefile/stage_check.h"

namespace skitally {
namespace {

constexpr int kMustGenerateStartLists = 4470;
constexpr int kRecreationalNoPoints = 4516;
constexpr int kRecreationalSeeReports = 4517;
constexpr int kSkiCrossOnly = 8644;
constexpr int kLeagueOnly = 8645;

bool RaceKindFits(AppContext& ctx, Operator& op, RaceKind only)
{
    if (only == RaceKind::SkiCross && !IsSkiCrossRace(ctx)) {
        ShowMessage(ctx, op, ctx.Text(kSkiCrossOnly));
        return false;
    }
    if (only == RaceKind::League && !IsLeagueRace(ctx)) {
        ShowMessage(ctx, op, ctx.Text(kLeagueOnly));
        return false;
    }
    return true;
}

// Calculations: league races score teams instead, recreational races have
// no points to calculate.
bool CalculationAllowed(AppContext& ctx, Operator& op)
{
    if (IsLeagueRace(ctx)) {
        ShowMessage(ctx, op, ctx.Text(text::kNotForLeague));
        return false;
    }
    if (IsRecreationalRace(ctx)) {
        ShowMessage(ctx, op, ctx.Text(kRecreationalNoPoints));
        ShowMessage(ctx, op, ctx.Text(kRecreationalSeeReports));
        return false;
    }
    return true;
}

}  // namespace

CommandAction Guarded(const Command& command, CommandAction operation)
{
    return [stage = command.stage, requirements = command.requirements, only = command.only,
            lists = command.startListsNeeded, captionId = command.captionId, name = command.name,
            operation = std::move(operation)](AppContext& ctx, Operator& op, const std::vector<std::string>& args) {
        ctx.operation = captionId ? StripAccelerator(ctx.Text(captionId)) : name;
        if (stage != "Home" && !ctx.race.open) {
            op.Message({ctx.Text(text::kMessageTitle), ctx.Text(text::kNoRaceOpen), {ctx.Text(text::kOkay)},
                        MessageIcon::Exclamation});
            return false;
        }
        if (!RaceKindFits(ctx, op, only))
            return false;
        if (stage == "Calculations" && !CalculationAllowed(ctx, op))
            return false;
        if (!requirements.empty() && !RaceFileExists(ctx, op, requirements))
            return false;
        if ((lists >= 1 && !RaceReportExists(ctx, "RN1")) || (lists >= 2 && !RaceReportExists(ctx, "RN2"))) {
            ShowMessage(ctx, op, ctx.Text(kMustGenerateStartLists));
            return false;
        }
        return operation(ctx, op, args);
    };
}

}  // namespace skitally
