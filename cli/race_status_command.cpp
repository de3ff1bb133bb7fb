#include "race_status_command.h"

#include <filesystem>

#include "app/app_context.h"
#include "app/app_folders.h"
#include "cli_app.h"
#include "menu/race_progress.h"
#include "menu/startup.h"
#include "util/tokens.h"

namespace skitally {

int RaceStatusCommand(const std::vector<std::string>& args, const std::string& dataDir,
                      const std::string& programFolder, std::optional<int> language, std::ostream& out,
                      std::ostream& err)
{
    if (args.size() != 1) {
        err << "skitally-cli: usage: status RACE\n";
        return kCliUsage;
    }
    AppContext ctx(DefaultAppFolders(dataDir, programFolder), SystemClock());
    // Read only when there is something to read: a first use writes no database.
    std::error_code ec;
    ctx.settings = std::filesystem::exists(ctx.SettingsDatabasePath(), ec)
                       ? SettingsStore::Open(ctx.SettingsDatabasePath())
                       : SettingsStore::InMemory();
    const std::string stored = ctx.settings->Get("Settings", "Language");
    ctx.texts.SetLanguage(language ? *language : stored == "1" ? kFrench : kEnglish);
    ctx.skitPath = ctx.settings->Get("Paths", "Race Path");
    ctx.skitOutputs = ctx.settings->Get("Paths", "Skit Outputs");

    // As start-up finds it.
    const std::string racerFile = ChangeExtension(RaceArgumentPath(ctx, args[0]), "RCR");
    if (FileStatus(racerFile) == 0) {
        err << "skitally-cli: no race " << racerFile << "\n";
        return kCliRefused;
    }
    const std::filesystem::path absolute = std::filesystem::absolute(racerFile, ec);
    ctx.race.racePath = FolderPart(absolute.string());
    ctx.race.raceName = FileBaseName(absolute.string());
    for (const StageLine& line : RaceProgress(ctx))
        out << StageLineText(ctx, line) << "\n";
    return kCliDone;
}

}  // namespace skitally
