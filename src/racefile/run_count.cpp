#include "racefile/run_count.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/racer_codes.h"
#include "racefile/race_status_file.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kNormallyOneRun = 8518;
constexpr int kIndicateRunCount = 8519;
constexpr int kOneRun = 8520;
constexpr int kTwoRuns = 8521;

}  // namespace

bool NormallyOneRun(std::string_view discipline)
{
    const std::optional<std::string> code = CanonicalDiscipline(discipline);
    return code && (*code == "D" || *code == "SG");
}

std::optional<int> AskRunCount(AppContext& ctx, Operator& op, std::string_view discipline)
{
    if (!NormallyOneRun(discipline))
        return std::nullopt;
    ShowMessage(ctx, op, ctx.Text(kNormallyOneRun));
    const int chosen = op.Message({ctx.Text(text::kQueryTitle), ctx.Text(kIndicateRunCount),
                                   {ctx.Text(kOneRun), ctx.Text(kTwoRuns)}, MessageIcon::Question, 0});
    if (chosen != 0 && chosen != 1)
        return std::nullopt;
    const int runs = chosen + 1;
    ctx.race.flags.state8 = std::to_string(runs);
    if (ctx.race.open) {
        const Status written = WriteRaceStatus(ctx.race.File("SKT"), ctx.race.File("RCR"), ctx.race.flags);
        if (!written) {
            ctx.log.Write("Race status not written: " + written.error());
            ShowFileFailure(ctx, op, text::kRaceFileNotWritten, ctx.race.File("SKT"), written);
        }
    }
    return runs;
}

int RaceRunCount(const AppContext& ctx)
{
    // An answer given for a downhill does not make a later slalom one run.
    if (!NormallyOneRun(ctx.race.header.values.discipline))
        return 2;
    return Trim(ctx.race.flags.state8) == "2" ? 2 : 1;
}

}  // namespace skitally
