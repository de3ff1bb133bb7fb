#include "app/app_context.h"

namespace skitally {

AppContext::AppContext(AppFolders f, Clock c)
    : folders(std::move(f)), roots(folders.home), clock(std::move(c)), settings(SettingsStore::InMemory())
{
}

std::string AppContext::SettingsDatabasePath() const
{
    return WithTrailingSeparator(folders.appData) + "Skitally.sqlite";
}

std::string AppContext::VersionText()
{
    return std::to_string(SKITALLY_VERSION_MAJOR) + "." + std::to_string(SKITALLY_VERSION_MINOR) + "." +
           std::to_string(SKITALLY_VERSION_PATCH);
}

}  // namespace skitally
