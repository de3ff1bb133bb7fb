#include "racefile/race_open.h"

#include <filesystem>

#include "app/messages.h"
#include "app/text_ids.h"

namespace skitally {

bool OpenRaceFile(AppContext& ctx, Operator& op, const std::string& racerFile)
{
    std::error_code ec;
    const std::string full = std::filesystem::absolute(ToNativeSeparators(racerFile), ec).string();
    if (FileStatus(full) == 0) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kRaceFileMissing), "XnnnX", full));
        return false;
    }
    CloseRace(ctx);
    ctx.race.open = true;
    ctx.race.racePath = FolderPart(full);
    ctx.race.raceName = FileBaseName(full);
    ctx.settings->Set("Paths", "Race Path", ctx.race.racePath);
    ctx.log.Write("Race opened: " + full);
    return true;
}

void CloseRace(AppContext& ctx)
{
    if (ctx.race.open)
        ctx.log.Write("Race closed: " + ctx.race.File("RCR"));
    ctx.race = RaceState();
    ctx.currentReportCode.clear();
}

}  // namespace skitally
