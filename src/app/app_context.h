#pragma once
// Everything that lives between operations: the open race, the settings,
// the texts, the folders and the flags. It is passed to every operation;
// nothing of it is global.

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
    // Full name of one file of the race: the race name with `code` as extension.
    std::string File(const std::string& code) const { return ChangeExtension(racePath + raceName, code); }
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
