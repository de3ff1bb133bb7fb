#pragma once
// A desktop user whose settings and races all live in a temporary folder.

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "app/app_folders.h"
#include "app/settings_store.h"

namespace skitally::testing {

class GuiUserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath("data"));
        ASSERT_TRUE(QDir(dir_.path()).mkpath("program"));
        folders_ = DefaultAppFolders(Path("data"), Path("program"));
    }

    std::string Path(const QString& name) const { return QDir(dir_.path()).filePath(name).toStdString(); }

    // What the settings database holds, read as the next start would read it.
    std::string Stored(const std::string& section, const std::string& key) const
    {
        AppContext probe(folders_, SystemClock());
        return SettingsStore::Open(probe.SettingsDatabasePath())->Get(section, key);
    }

    void Store(const std::string& section, const std::string& key, const std::string& value)
    {
        AppContext probe(folders_, SystemClock());
        SettingsStore::Open(probe.SettingsDatabasePath())->Set(section, key, value);
    }

    QTemporaryDir dir_;
    AppFolders folders_;
};

}  // namespace skitally::testing
