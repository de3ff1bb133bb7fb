#include "app/paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"

namespace skitally {
namespace {

TEST(FileNames, ExtensionsFoldersAndBaseNames)
{
    // clang-format off
    const struct { const char* path; const char* extension; const char* changed; } cases[] = {
        {"c:\\RACES\\SL1.RN1", "RCR", "c:\\RACES\\SL1.RCR"}, {"SL1", "HDR", "SL1.HDR"},
        {"A.B.RCR", "HDR", "A.HDR"},  // from the first dot
        {"SL1", ".HDR", "SL1.HDR"},   {"/races/SL1.RN1", "rcr", "/races/SL1.rcr"},
        {"c:\\RACES\\", "RCR", "c:\\RACES\\"}, {"/races/", "RCR", "/races/"}, {"c:", "RCR", "c:"}, {"", "RCR", ""},
        {"SL1.RCR", "", "SL1."},      {"SL1", "", "SL1."},
        // Only the file's own name has an extension: dated folders keep their dots.
        {"Races/2026.12.06/SL1", "RN1", "Races/2026.12.06/SL1.RN1"},
        {"c:\\R.1\\RACE.2026.RCR", "RN1", "c:\\R.1\\RACE.RN1"}, {"R.1/SL1", "", "R.1/SL1."},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ChangeExtension(c.path, c.extension), c.changed) << c.path << " + " << c.extension;

    EXPECT_EQ(FileExtension("c:\\races\\sl1.rn2"), "RN2");
    EXPECT_EQ(FileExtension("A.B.rcr"), "RCR");  // after the last dot
    EXPECT_EQ(FileExtension("SL1"), "");
    EXPECT_EQ(FileExtension("/old.races/SL1"), "");
    EXPECT_EQ(FolderPart("c:\\races\\SL1.RCR"), "c:\\races\\");
    EXPECT_EQ(FolderPart("SL1.RCR"), "");
    EXPECT_EQ(FileBaseName("/races/SL1.RN1"), "SL1");
    EXPECT_EQ(FileBaseName("/races/A.B.RCR"), "A");
}

TEST(FileStatus, TellsMissingEmptyFullAndUnreadable)
{
    test::TempDir dir;
    EXPECT_EQ(FileStatus(""), 0);
    EXPECT_EQ(FileStatus(dir.File("none.RCR")), 0);
    test::WriteFile(dir.File("empty.RCR"), "");
    EXPECT_EQ(FileStatus(dir.File("empty.RCR")), -1);
    test::WriteFile(dir.File("full.RCR"), "x");
    EXPECT_EQ(FileStatus(dir.File("full.RCR")), 1);
    EXPECT_EQ(FileStatus(dir.path()), -2);
}

TEST(FolderRoots, MapTheOldSkitallyFolderUnderHome)
{
    const FolderRoots roots("/home/secretary");
    EXPECT_EQ(roots.SkitallyFolder(), "/home/secretary/Skitally/");
    EXPECT_EQ(roots.Native("c:\\Skitally\\Events"), "/home/secretary/Skitally/Events");
    EXPECT_EQ(roots.Native("C:\\SKITALLY\\Skitally.ini"), "/home/secretary/Skitally/Skitally.ini");
    EXPECT_EQ(roots.Native("c:/Skitally"), "/home/secretary/Skitally/");
    // Only the folder itself, not one that merely starts with its name.
    EXPECT_EQ(roots.Native("c:\\SkitallyOld\\x"), "c:/SkitallyOld/x");
    EXPECT_EQ(roots.Native("races\\BANFF.RCR"), "races/BANFF.RCR");
}

// Every missing level is made unless a file blocks the way; a folder is
// given with its trailing separator.
TEST(FolderRoots, FoldersAreMadeAndNormalisedUnderThem)
{
    test::TempDir dir;
    const FolderRoots roots(dir.path());
    const std::string made = EnsureFolder(roots, "c:\\Skitally\\Events\\2026", "C");
    EXPECT_EQ(made, dir.path() + "/Skitally/Events/2026/");
    EXPECT_TRUE(std::filesystem::is_directory(made));
    EXPECT_EQ(EnsureFolder(roots, made, "C"), made);  // already there
    EXPECT_EQ(EnsureFolder(roots, "   ", "C"), "");

    test::TempDir other;
    test::WriteFile(other.File("Skitally"), "not a folder");
    EXPECT_EQ(EnsureFolder(FolderRoots(other.path()), "c:\\Skitally\\Events", "C"), "");

    EXPECT_EQ(NormaliseFolder(roots, ""), dir.path() + "/Skitally/");
    EXPECT_EQ(NormaliseFolder(roots, "/races/BANFF.RCR"), "/races/");
    EXPECT_EQ(NormaliseFolder(roots, "c:\\races\\"), "c:/races/");
    EXPECT_EQ(NormaliseFolder(roots, dir.path()), dir.path() + "/");
}

}  // namespace
}  // namespace skitally
