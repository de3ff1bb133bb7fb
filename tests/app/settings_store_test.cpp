#include "app/settings_store.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace skitally {
namespace {

TEST(SettingsStore, KeepsValuesAcrossReopening)
{
    test::TempDir dir;
    const std::string path = dir.File("appdata/Skitally.sqlite");
    {
        auto store = SettingsStore::Open(path);
        ASSERT_TRUE(store->persistent());
        EXPECT_EQ(store->Get("Paths", "Race Path"), "");
        EXPECT_TRUE(store->Set("Paths", "Race Path", "/races/"));
        EXPECT_TRUE(store->Set("Paths", "Race Path", "/races/2026/"));
        EXPECT_TRUE(store->Set("Settings", "Language", "1"));
    }
    auto store = SettingsStore::Open(path);
    EXPECT_EQ(store->Get("Paths", "Race Path"), "/races/2026/");
    EXPECT_EQ(store->Get("Settings", "Language"), "1");
    // Sections keep keys apart.
    EXPECT_EQ(store->Get("Settings", "Race Path"), "");
    EXPECT_TRUE(store->Remove("Settings", "Language"));
    EXPECT_EQ(store->Get("Settings", "Language"), "");
}

TEST(SettingsStore, KeepsTextWithQuotesAndAccents)
{
    test::TempDir dir;
    auto store = SettingsStore::Open(dir.File("s.sqlite"));
    const std::string value = "C:\\Courses d'été\\\"Banff\"";
    store->Set("Paths", "Last Path", value);
    EXPECT_EQ(store->Get("Paths", "Last Path"), value);
}

TEST(SettingsStore, FallsBackToMemoryWhenTheFileIsNoDatabase)
{
    test::TempDir dir;
    const std::string path = dir.File("Skitally.sqlite");
    test::WriteFile(path, std::string(4096, 'x'));
    auto store = SettingsStore::Open(path);
    EXPECT_FALSE(store->persistent());
    EXPECT_FALSE(store->openError().empty());
    EXPECT_TRUE(store->Set("Settings", "Look", "Tab"));
    EXPECT_EQ(store->Get("Settings", "Look"), "Tab");
    // The broken file is left as it was for the user to look at.
    EXPECT_EQ(test::ReadFile(path), std::string(4096, 'x'));
}

TEST(SettingsStore, FallsBackToMemoryWhenTheFolderCannotBeMade)
{
    test::TempDir dir;
    test::WriteFile(dir.File("blocked"), "a file where the folder should be");
    auto store = SettingsStore::Open(dir.File("blocked/Skitally.sqlite"));
    EXPECT_FALSE(store->persistent());
    EXPECT_TRUE(store->Set("Settings", "Look", "Lst"));
    EXPECT_EQ(store->Get("Settings", "Look"), "Lst");
}

}  // namespace
}  // namespace skitally
