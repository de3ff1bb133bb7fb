#include "app/settings_store.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace skitally {
namespace {

TEST(SettingsStore, KeepsValuesAcrossReopeningOrInMemoryWhenTheFileIsNoDatabaseOrHasNoFolder)
{
    test::TempDir dir;
    std::string path = dir.File("appdata/Skitally.sqlite");
    {
        auto store = SettingsStore::Open(path);
        ASSERT_TRUE(store->persistent());
        EXPECT_EQ(store->Get("Paths", "Race Path"), "");
        EXPECT_TRUE(store->Set("Paths", "Race Path", "/races/"));
        EXPECT_TRUE(store->Set("Paths", "Race Path", "/races/2026/"));
        EXPECT_TRUE(store->Set("Settings", "Language", "1"));
        EXPECT_TRUE(store->Set("Paths", "Last Path", "C:\\Courses d'été\\\"Banff\""));
    }
    auto store = SettingsStore::Open(path);
    EXPECT_EQ(store->Get("Paths", "Race Path"), "/races/2026/");
    EXPECT_EQ(store->Get("Settings", "Language"), "1");
    EXPECT_EQ(store->Get("Paths", "Last Path"), "C:\\Courses d'été\\\"Banff\"");
    // Sections keep keys apart.
    EXPECT_EQ(store->Get("Settings", "Race Path"), "");
    EXPECT_TRUE(store->Remove("Settings", "Language"));
    EXPECT_EQ(store->Get("Settings", "Language"), "");

    // A file that is no database, or no folder for one: kept in memory.
    path = dir.File("Skitally.sqlite");
    test::WriteFile(path, std::string(4096, 'x'));
    test::WriteFile(dir.File("blocked"), "a file where the folder should be");
    for (const std::string& where : {path, dir.File("blocked/Skitally.sqlite")}) {
        SCOPED_TRACE(where);
        store = SettingsStore::Open(where);
        EXPECT_FALSE(store->persistent());
        EXPECT_FALSE(store->openError().empty());
        const std::string value = "C:\\Courses d'été\\\"Banff\"";
        EXPECT_TRUE(store->Set("Paths", "Last Path", value));
        EXPECT_EQ(store->Get("Paths", "Last Path"), value);
    }
    // The broken file is left as it was for the user to look at.
    EXPECT_EQ(test::ReadFile(path), std::string(4096, 'x'));
}

}  // namespace
}  // namespace skitally
