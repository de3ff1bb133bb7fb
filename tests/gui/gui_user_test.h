#pragma once
// A desktop user whose settings and races all live in a temporary folder.

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "app/app_folders.h"
#include "app/settings_store.h"
#include "gui_app.h"
#include "racefile/header_file.h"
#include "racefile/racer_file.h"

namespace skitally::testing {

// Saves what `widget` shows as a PNG in the screenshots folder, for a person to look at.
inline bool SaveScreenshot(QWidget& widget, const QString& file)
{
    return QDir().mkpath(SKITALLY_SCREENSHOT_DIR) && widget.grab().save(QDir(SKITALLY_SCREENSHOT_DIR).filePath(file));
}

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

    // The program started with the stored settings and its window up.
    std::unique_ptr<GuiSession> StartSession(const std::optional<std::string>& race = std::nullopt)
    {
        auto session = std::make_unique<GuiSession>(folders_);
        EXPECT_EQ(session->Start(race), StartupOutcome::Running);
        EXPECT_NE(session->window(), nullptr);
        return session;
    }

    // A men's race of the SPRING CUP at Banff with `racers` racers of club
    // MSA, each then shaped by `shape`; returns its racer file.
    std::string WriteRace(const QString& name, const std::string& discipline, const std::string& level, int racers,
                          const std::function<void(int n, RacerRecord&)>& shape = {}) const
    {
        HeaderFile header;
        header.titles = {"SPRING CUP", "MEN'S SLALOM", "", "", ""};
        header.values = {"06-12-2026/BANFF - NORQUAY", discipline, "M", level, "", "0", "00"};
        EXPECT_TRUE(WriteHeaderFile(Path(name + ".HDR"), header));
        RacerFile file;
        EXPECT_TRUE(file.Open(Path(name + ".RCR")));
        const char* const names[] = {"ROY, Paul", "COTE, Luc", "HALL, Tom", "MORIN, Eric"};
        for (int n = 1; n <= racers; ++n) {
            RacerRecord racer;
            racer.name = names[(n - 1) % 4];
            racer.club = "MSA";
            racer.gender = "M";
            if (shape)
                shape(n, racer);
            EXPECT_TRUE(file.AppendRacer(racer));
        }
        return Path(name + ".RCR");
    }

    QTemporaryDir dir_;
    AppFolders folders_;
};

}  // namespace skitally::testing
