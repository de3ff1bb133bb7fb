#include "menu/startup.h"

#include <algorithm>
#include <array>

#include "app/messages.h"
#include "app/text_ids.h"
#include "entries/para_event.h"
#include "racefile/race_open.h"
#include "reports/print_settings.h"
#include "reports/report_options.h"
#include "util/dates.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr std::array<const char*, 25> kRaceFileCodes = {
    "RCR", "WTH", "JRY", "FOR", "HDR", "LST", "PTS", "LBL", "CRD", "RN1", "RN2", "RC1", "RC2",
    "TRN", "CLC", "UFC", "OFC", "SD2", "SD3", "SD6", "SD7", "DRW", "INC", "SRT", "SKT"};

// A value read as empty is written back with its default.
std::string SettingOrDefault(SettingsStore& store, const char* section, const char* key, const char* fallback)
{
    std::string value = store.Get(section, key);
    if (value.empty()) {
        value = fallback;
        store.Set(section, key, value);
    }
    return value;
}

void OpenSettings(AppContext& ctx, Operator& op)
{
    ctx.settings = SettingsStore::Open(ctx.SettingsDatabasePath());
    if (ctx.settings->persistent())
        return;
    ctx.log.Write("Settings database unusable: " + ctx.settings->openError());
    ShowMessage(ctx, op, FillPlaceholder(ctx.Text(text::kSettingsUnreadable), "XnnnX", ctx.SettingsDatabasePath()));
}

void ChooseRaceFolder(AppContext& ctx)
{
    std::string folder = EnsureFolder(ctx.roots, "c:\\Skitally\\Events", "C");
    if (folder.empty()) {
        ctx.log.Write("The Events folder could not be created");
        folder = ctx.folders.programFolder;
        const std::string upper = ToUpper(ToNativeSeparators(folder));
        if (upper.find(ToNativeSeparators("FIS\\BASICVISUAL\\")) != std::string::npos ||
            upper.find("PROGRAM FILES") != std::string::npos)
            folder.clear();
        if (folder.empty())
            folder = ctx.roots.SkitallyFolder();
    } else {
        const std::string stored = ctx.settings->Get("Paths", "Race Path");
        if (!stored.empty())
            folder = stored;
    }
    folder = WithTrailingSeparator(ctx.roots.Native(folder));
    ctx.settings->Set("Paths", "Race Path", folder);
    ctx.settings->Set("Paths", "Skit Path", folder);
    ctx.settings->Set("Paths", "Skit Outputs", folder + "Outputs" + kPathSeparator);
    ctx.skitPath = folder;
    ctx.skitOutputs = folder + "Outputs" + kPathSeparator;
}

// Returns false when the operator cancelled the language question.
bool ChooseLanguage(AppContext& ctx, Operator& op, const StartupOptions& options)
{
    std::string offered = ctx.settings->Get("Settings", "Languages");
    if (offered.find('0') == std::string::npos) {
        offered = "01" + offered;
        ctx.settings->Set("Settings", "Languages", offered);
    }
    std::string language = ctx.settings->Get("Settings", "Language");
    if (language.empty() && options.language) {
        language = std::to_string(*options.language);
        ctx.settings->Set("Settings", "Language", language);
    }
    if (language.empty()) {
        const OfferedLanguages languages = LanguagesOffered(ctx, offered);
        const std::string& digits = languages.digits;
        const int chosen = op.Message({ctx.Text(text::kQueryTitle), ctx.Text(text::kLanguagePreference),
                                       languages.names, MessageIcon::Question});
        if (chosen < 0 || chosen >= static_cast<int>(digits.size())) {
            // Stored all the same, so the next start does not ask again.
            ctx.settings->Set("Settings", "Language", "0");
            return false;
        }
        language = std::string(1, digits[chosen]);
        ctx.settings->Set("Settings", "Language", language);
    }
    int value = options.language ? *options.language : std::atoi(language.c_str());
    if (value < kEnglish || value > kGerman)
        value = kEnglish;
    ctx.texts.SetLanguage(value);
    return true;
}

void OpenCommandLineRace(AppContext& ctx, Operator& op, const std::string& given)
{
    const std::string argument = RaceArgumentPath(ctx, given);
    for (;;) {
        const std::int16_t status = FileStatus(argument);
        bool recognised = true;
        if (status == 1) {
            const std::string rcr = ChangeExtension(argument, "RCR");
            if (IsRaceFileCode(FileExtension(argument)) && FileStatus(rcr) == 1)
                OpenRace(ctx, op, rcr, false);
            else
                recognised = false;
        } else if (status != 0) {
            recognised = false;
        } else {
            OpenRace(ctx, op, ChangeExtension(argument, "RCR"), false);
        }
        if (recognised)
            return;
        const ErrorChoice choice =
            ReportError(ctx, op, text::kErrorFileFormat, ctx.texts.ErrorText(text::kErrorFileFormat), "Main");
        if (choice != ErrorChoice::Retry)
            return;
    }
}

}  // namespace

// A bare race name ("GS1") that is not in the current folder is a race of
// the race folder, where races are kept.
std::string RaceArgumentPath(const AppContext& ctx, const std::string& argument)
{
    const bool bare = argument.find_first_of("\\/") == std::string::npos;
    if (!bare || FileStatus(argument) != 0 || FileStatus(ChangeExtension(argument, "RCR")) != 0)
        return argument;
    return WithTrailingSeparator(ctx.skitPath) + argument;
}

OfferedLanguages LanguagesOffered(const AppContext& ctx, const std::string& offered)
{
    OfferedLanguages languages;
    const int names[] = {text::kEnglishName, text::kFrenchName, text::kGermanName};
    for (char digit : {'0', '1', '2'})
        if (offered.find(digit) != std::string::npos) {
            languages.names.push_back(ctx.Text(names[digit - '0']));
            languages.digits += digit;
        }
    return languages;
}

bool IsRaceFileCode(const std::string& code)
{
    const std::string upper = ToUpper(code);
    return std::any_of(kRaceFileCodes.begin(), kRaceFileCodes.end(),
                       [&](const char* known) { return upper == known; });
}

StartupOutcome Main(AppContext& ctx, Operator& op, const StartupOptions& options)
{
    ctx.log.Start(ctx.folders.home, ctx.clock);
    OpenSettings(ctx, op);
    InstallParaFactorHooks(ctx);

    CloseRace(ctx, op);
    ctx.exitRequested = false;
    ctx.versionText = AppContext::VersionText();
    const LocalDateTime now = ToLocal(ctx.clock());
    ctx.today = DaySerial(now.year, now.month, now.day);

    ChooseRaceFolder(ctx);
    if (!ChooseLanguage(ctx, op, options)) {
        ctx.log.Write("Language question cancelled");
        ctx.exitRequested = true;
        return StartupOutcome::Ended;
    }
    ctx.fieldHelp = SettingOrDefault(*ctx.settings, "Settings", "Field Help", "0") != "0";
    PreparePrintSettings(*ctx.settings);
    PrepareReportOptions(*ctx.settings);
    ctx.menuLook = SettingOrDefault(*ctx.settings, "Settings", "Look", "Tab");

    if (options.showMainWindow)
        options.showMainWindow();

    if (options.raceArgument && !options.raceArgument->empty())
        OpenCommandLineRace(ctx, op, *options.raceArgument);
    if (ctx.exitRequested)
        return StartupOutcome::Ended;
    if (ctx.race.open)
        op.StatusText(ctx.Text(text::kViewRacersHint));

    const std::string ini = IniFile(ctx.roots, ctx.folders.programFolder);
    ctx.pointsLists = ReadPointsListTable(ini);
    if (FileStatus(ini) < 1)
        ctx.log.Write("No ini file " + ini);
    for (const IniProblem& problem : ctx.pointsLists.skipped)
        ctx.log.Write(FillPlaceholder(FillPlaceholder(ctx.Text(text::kBadIniLine), "XnnnX", ini), "XlllX",
                                      std::to_string(problem.line)));
    return StartupOutcome::Running;
}

bool ConfirmExit(AppContext& ctx, Operator& op)
{
    const int chosen = op.Message({ctx.Text(text::kQueryTitle), ctx.Text(text::kSureToExit),
                                   {ctx.Text(text::kYes), ctx.Text(text::kNo)}, MessageIcon::Question, 1});
    if (chosen == 0)
        ctx.exitRequested = true;
    return chosen == 0;
}

bool Shutdown(AppContext& ctx, Operator& op)
{
    const bool closed = CloseRace(ctx, op);
    ctx.log.Close();
    return closed;
}

}  // namespace skitally
