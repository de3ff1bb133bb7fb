#include "pdf_command.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

#include <QGuiApplication>

#include "app/app_folders.h"
#include "app/settings_store.h"
#include "cli_app.h"
#include "report_pdf.h"

namespace skitally {
namespace {

// Fonts and painting need a GUI application; without a display the
// offscreen platform serves.
std::unique_ptr<QGuiApplication> GuiApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "skitally-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The user's settings when there are any; a first use leaves no database.
std::unique_ptr<SettingsStore> UserSettings(const std::string& dataDir, const std::string& programFolder)
{
    AppContext ctx(DefaultAppFolders(dataDir, programFolder), SystemClock());
    const std::string path = ctx.SettingsDatabasePath();
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        return SettingsStore::Open(path);
    return SettingsStore::InMemory();
}

}  // namespace

int ReportPdfCommand(const std::vector<std::string>& args, const std::string& dataDir, const std::string& programFolder,
                     std::ostream& out, std::ostream& err)
{
    if (args.size() != 2) {
        err << "skitally-cli: usage: pdf REPORTFILE OUT.pdf\n";
        return kCliUsage;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(args[0], ec)) {
        err << "skitally-cli: no report file " << args[0] << "\n";
        return kCliRefused;
    }
    const std::unique_ptr<SettingsStore> settings = UserSettings(dataDir, programFolder);
    const std::unique_ptr<QGuiApplication> application = GuiApplication();
    const Status written = WriteReportPdf(*settings, args[0], args[1]);
    if (!written) {
        err << "skitally-cli: " << written.error() << "\n";
        return kCliRefused;
    }
    out << args[1] << "\n";
    return kCliDone;
}

}  // namespace skitally
