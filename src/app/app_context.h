#pragma once
// Everything that lives between operations: the open race, the settings,
// the texts, the folders and the flags. It is passed to every operation;
// nothing of it is global.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/debug_log.h"
#include "app/ini_file.h"
#include "app/paths.h"
#include "app/race_data.h"
#include "app/settings_store.h"
#include "app/text_table.h"
#include "util/clock.h"

namespace skitally {

struct AppFolders {
    std::string home;           // holds the Skitally folder and the debug log
    std::string appData;        // holds the per-user settings database
    std::string programFolder;  // where the program file is, trailing separator
};

// The open race: where it is, its header values and its working flags. All
// of it is forgotten together when the race is closed.
struct RaceState {
    bool open = false;
    std::string racePath;  // folder with trailing separator
    std::string raceName;  // base name without extension
    HeaderFile header;     // titles, parameters and footers as last read
    WeatherData weather;   // the F value and the penalty values
    JuryData jury;
    RaceFlags flags;       // carried in the race status file
    // Filled on the first factor lookup; mutable as a cache of a file that
    // only the para-event switch and a change of discipline rewrite.
    mutable ParaFactorCache paraFactors;
    // Full name of one file of the race: the race name with `code` as extension.
    std::string File(const std::string& code) const { return ChangeExtension(racePath + raceName, code); }
};

class AppContext;
class Operator;

// Steps of the entries floor that the race file layer runs at its own
// points: the para factors belong to the entries, but switching the para
// event on the race options screen and changing the discipline must apply
// them in the same change. Set at start-up (InstallParaFactorHooks); left
// empty, the flag is only a flag and a discipline change keeps the factors.
struct RaceHooks {
    // Switches the para event to `on`, writing the racers, the factor file
    // and the race status file (naming `statusRacerFile`) in one change.
    // The flag changes only when that succeeded (true).
    std::function<bool(AppContext&, Operator&, bool on, const std::string& statusRacerFile)> switchParaEvent;
    // `racerBytes` (a whole racer file) with every racer's factor and
    // factored times for `discipline`; false, after telling the operator,
    // when a racer has no factor for it.
    std::function<bool(AppContext&, Operator&, const std::string& discipline, std::string& racerBytes)>
        refactorRacers;
};

class AppContext {
public:
    AppContext(AppFolders folders, Clock clock);

    const AppFolders folders;
    const FolderRoots roots;
    Clock clock;

    DebugLog log;
    std::unique_ptr<SettingsStore> settings;
    TextTable texts;

    std::string versionText;
    int today = 0;  // day serial, taken once at start-up
    std::string skitPath;
    std::string skitOutputs;
    bool fieldHelp = false;
    std::string menuLook = "Tab";
    PointsListTable pointsLists;

    RaceState race;
    RaceHooks hooks;
    std::string currentReportCode;
    // The caption of the command running, named in the race's snapshots.
    std::string operation;
    // Set when the operator chose to end the program (abort, cancelled
    // language question, confirmed exit); front ends check it after every command.
    bool exitRequested = false;

    std::string Text(int id) const { return texts.ResourceText(id); }
    std::string SettingsDatabasePath() const;
    static std::string VersionText();
};

}  // namespace skitally
