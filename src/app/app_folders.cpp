#include "app/app_folders.h"

#include <cstdlib>

namespace skitally {

AppFolders DefaultAppFolders(const std::string& dataDir, const std::string& programFolder)
{
    AppFolders folders;
    folders.programFolder = WithTrailingSeparator(programFolder);
    if (!dataDir.empty()) {
        folders.home = dataDir;
        folders.appData = dataDir;
        return folders;
    }
    const FolderRoots roots;
    folders.home = roots.home();
#ifdef _WIN32
    const char* appData = std::getenv("APPDATA");
    folders.appData = std::string(appData ? appData : roots.home()) + "\\Skitally";
#else
    const char* xdg = std::getenv("XDG_DATA_HOME");
    folders.appData = (xdg && *xdg ? std::string(xdg) : roots.home() + "/.local/share") + "/Skitally";
#endif
    return folders;
}

}  // namespace skitally
