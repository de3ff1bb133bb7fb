#include "menu/home_commands.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "menu/startup.h"
#include "racefile/header_entry.h"
#include "racefile/race_open.h"
#include "racefile/race_restore.h"

namespace skitally {

bool OpenRaceCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    return OpenRace(ctx, op, args.empty() ? std::string() : args.front(), false);
}

bool NewRaceCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (!OpenRace(ctx, op, args.empty() ? std::string() : args.front(), true))
        return false;
    // A race is created to be entered: straight on to its header, unless one
    // was copied from an older race.
    if (FileStatus(ctx.race.File("HDR")) == 0)
        return HeaderEntry(ctx, op, {});
    return true;
}

bool RaceOptionsCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    if (!ctx.race.open) {
        op.Message({ctx.Text(text::kMessageTitle), ctx.Text(text::kNoRaceOpen), {ctx.Text(text::kOkay)},
                    MessageIcon::Exclamation});
        return false;
    }
    return RaceOptionsScreen(ctx, op, false);
}

bool RestoreCommand(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (!ctx.race.open) {
        op.Message({ctx.Text(text::kMessageTitle), ctx.Text(text::kNoRaceOpen), {ctx.Text(text::kOkay)},
                    MessageIcon::Exclamation});
        return false;
    }
    if (!RestoreRaceSnapshot(ctx, op, args.empty() ? std::string() : args.front()))
        return false;
    // Read again from the restored files; closing first would write the
    // status file of before the restore over the restored one.
    const std::string racerFile = ctx.race.File("RCR");
    ctx.race.open = false;
    return OpenRace(ctx, op, racerFile, false);
}

bool MainMenuCommand(AppContext& ctx, Operator&, const std::vector<std::string>&)
{
    if (ctx.race.open)
        ReadHeader(ctx);
    return true;
}

bool PreferencesCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    const std::string offered = ctx.settings->Get("Settings", "Languages");
    const OfferedLanguages languages = LanguagesOffered(ctx, offered);
    const std::string& digits = languages.digits;
    const auto language = op.Choose({ctx.Text(text::kPreferences), ctx.Text(text::kLanguage), languages.names});
    if (!language || *language >= static_cast<int>(digits.size()))
        return false;
    const bool fieldHelp = AskYesNo(ctx, op, ctx.Text(text::kFieldHelp), !ctx.fieldHelp);
    ctx.settings->Set("Settings", "Language", std::string(1, digits[*language]));
    ctx.texts.SetLanguage(digits[*language] - '0');
    ctx.settings->Set("Settings", "Field Help", fieldHelp ? "1" : "0");
    ctx.fieldHelp = fieldHelp;
    // The status bar's hint was shown in the language before.
    if (ctx.race.open)
        op.StatusText(ctx.Text(text::kViewRacersHint));
    return true;
}

bool ChangeLookCommand(AppContext& ctx, Operator&, const std::vector<std::string>&)
{
    ctx.menuLook = ctx.menuLook == "Tab" ? "Lst" : "Tab";
    ctx.settings->Set("Settings", "Look", ctx.menuLook);
    return true;
}

bool ExitCommand(AppContext& ctx, Operator& op, const std::vector<std::string>&)
{
    return ConfirmExit(ctx, op);
}

}  // namespace skitally
