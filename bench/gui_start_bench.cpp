// A cold start of the desktop program to its first painted main window,
// offscreen: each start gets a fresh data folder whose settings already
// hold the language, the one question a first start asks, so start-up
// runs through (writing every default) without waiting on anyone. The
// program ends itself once the window has painted (--quit-when-shown).
// The program timed is the one built beside this benchmark, or the one
// named by SKITALLY_GUI (a Release build, say).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/settings_store.h"
#include "util/external_program.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

std::string Program()
{
    const char* chosen = std::getenv("SKITALLY_GUI");
    return chosen && *chosen ? chosen : SKITALLY_GUI_PATH;
}

// A data folder of a user who has chosen English and nothing else.
std::string FreshDataFolder(int n)
{
    const fs::path folder = fs::temp_directory_path() / ("skitally-start-bench-" + std::to_string(n));
    fs::remove_all(folder);
    fs::create_directories(folder);
    SettingsStore::Open((folder / "Skitally.sqlite").string())->Set("Settings", "Language", "0");
    return folder.string();
}

void BM_ColdStartToFirstPaint(benchmark::State& state)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string program = Program();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string data = FreshDataFolder(n++);
        state.ResumeTiming();
        if (RunProgram({program, "--data-dir", data, "--quit-when-shown"}) != 0) {
            state.SkipWithError("the program did not start and end by itself");
            break;
        }
        state.PauseTiming();
        fs::remove_all(data);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ColdStartToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace
}  // namespace skitally

BENCHMARK_MAIN();
