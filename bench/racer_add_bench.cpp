// Picking every racer of a FIS-sized points list into an empty race,
// measured against importing that list into the pick table: the adding
// should cost no more than a small multiple of the import the secretary
// has already waited for. Time and peak memory are reported as counters,
// each with its ratio to the import's.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_context.h"
#include "app/scripted_operator.h"
#include "entries/points_import.h"
#include "entries/racer_add.h"
#include "fis_list_generator.h"
#include "racefile/racer_record.h"

namespace skitally {
namespace {

constexpr int kRacers = 30000;

struct BenchRace {
    BenchRace()
    {
        folder = (std::filesystem::temp_directory_path() / "skitally-add-bench").string();
        std::filesystem::create_directories(folder);
        list = folder + "/fis_alpine.csv";
        std::ofstream(list, std::ios::binary) << bench::GenerateFisAlpineList(kRacers);
    }
    std::string folder;
    std::string list;
};

const BenchRace& Race()
{
    static const BenchRace race;
    return race;
}

// What a phase took; written by the child through a pipe.
struct Measured {
    bool ok = false;
    double seconds = 0;
    double peakMb = 0;
    int racers = 0;
};

// A line "Key:   1234 kB" of /proc/self/status, in kB; 0 when absent.
long StatusKb(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    return 0;
}

enum class Phase { Import, Add };

// Runs in a child: a FIS slalom of both genders (every row of the list is
// offered), the import through the reader into the pick table, or the
// adding of every row of that table to an empty racer file through the
// pick screen, answered as the command's operator is answered.
Measured RunPhase(Phase phase)
{
    const BenchRace& race = Race();
    AppContext ctx({race.folder, race.folder, race.folder + "/"}, SystemClock());
    ctx.settings = SettingsStore::Open(race.folder + "/Skitally.sqlite");
    ctx.race.open = true;
    ctx.race.racePath = race.folder + "/";
    ctx.race.raceName = "BENCH";
    ctx.race.header.values.discipline = std::string("S");
    ctx.race.header.values.raceLevel = std::string("FIS");
    ctx.race.header.values.gender = std::string("B");
    const std::string racerFile = ctx.race.File("RCR");
    std::ofstream(racerFile, std::ios::binary | std::ios::trunc).close();
    ScriptedOperator op({"all", "Continue"});

    Measured measured;
    const long startKb = StatusKb("VmRSS");
    std::ofstream("/proc/self/clear_refs") << "5";  // the high-water mark starts again from here
    const auto start = std::chrono::steady_clock::now();
    int imported = 0;
    measured.ok = phase == Phase::Import ? ImportPointsList(ctx, op, race.list, true, imported).ok()
                                         : AddFromPickTable(ctx, op);
    measured.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measured.peakMb = static_cast<double>(StatusKb("VmHWM") - startKb) / 1024.0;
    measured.racers = phase == Phase::Import
                          ? imported
                          : static_cast<int>(std::filesystem::file_size(racerFile) / kRacerRecordLength);
    return measured;
}

// Each phase runs in a child forked from the same parent, and its peak is
// the child's high-water mark of resident memory above what it started
// with. A delta of the parent's ru_maxrss would not do: the mark never goes
// down, so a phase needing less than an earlier one would show nothing,
// and memory the earlier phase freed would be reused unseen.
Measured InChild(Phase phase)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const Measured measured = RunPhase(phase);
        const ssize_t written = write(channel[1], &measured, sizeof measured);
        _exit(written == static_cast<ssize_t>(sizeof measured) ? 0 : 1);
    }
    close(channel[1]);
    Measured measured;
    if (child < 0 || read(channel[0], &measured, sizeof measured) != static_cast<ssize_t>(sizeof measured))
        measured = {};
    close(channel[0]);
    if (child > 0)
        waitpid(child, nullptr, 0);
    return measured;
}

void AddWholeListAgainstImport(benchmark::State& state)
{
    Race();
    Measured import, add;
    for (auto _ : state) {
        const Measured imported = InChild(Phase::Import);
        const Measured added = InChild(Phase::Add);
        if (!imported.ok || imported.racers != kRacers || !added.ok || added.racers != kRacers) {
            state.SkipWithError("the list was not imported, or not every racer was added");
            break;
        }
        state.SetIterationTime(added.seconds);
        import.seconds += imported.seconds;
        import.peakMb = std::max(import.peakMb, imported.peakMb);
        add.seconds += added.seconds;
        add.peakMb = std::max(add.peakMb, added.peakMb);
    }
    if (state.iterations() == 0 || import.seconds <= 0)
        return;
    const double runs = static_cast<double>(state.iterations());
    state.counters["import_ms"] = 1000.0 * import.seconds / runs;
    state.counters["add_ms"] = 1000.0 * add.seconds / runs;
    state.counters["time_ratio"] = add.seconds / import.seconds;
    state.counters["import_peak_MB"] = import.peakMb;
    state.counters["add_peak_MB"] = add.peakMb;
    state.counters["memory_ratio"] = import.peakMb > 0 ? add.peakMb / import.peakMb : 0;
    state.SetItemsProcessed(state.iterations() * kRacers);
}

BENCHMARK(AddWholeListAgainstImport)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skitally

BENCHMARK_MAIN();
