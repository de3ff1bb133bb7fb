#include "league/league_file.h"

#include "app/messages.h"
#include "app/paths.h"
#include "app/text_ids.h"
#include "league/league_state.h"
#include "league/league_text_ids.h"
#include "util/file_replace.h"

namespace skitally {

std::optional<LGR> LoadLeague(const AppContext& ctx, Operator& op)
{
    const std::string path = ctx.race.File("LGR");
    if (FileStatus(path) < 1)
        return LGR{};
    std::string text;
    Status status = ReadWholeFile(path, text);
    LGR league;
    if (status)
        status = Unserialize(text, league);
    if (!status) {
        std::string message = FillPlaceholder(ctx.Text(league_text::kLeagueFileDamaged), "XnnnX", path);
        ShowMessage(ctx, op, FillPlaceholder(message, "XdddX", status.error()));
        return std::nullopt;
    }
    return league;
}

void ShowLeagueCheck(const AppContext& ctx, Operator& op, const LeagueCheck& check)
{
    int id = league_text::kInvalidCompetition;
    if (check.fault == LeagueFault::TeamNotInRace)
        id = league_text::kTeamNotInRace;
    else if (check.fault == LeagueFault::TooManyTeams)
        id = league_text::kTooManyTeams;
    ShowErrorMessage(ctx, op, FillPlaceholder(ctx.Text(id), "XtttX", check.name));
}

} // namespace skitally
