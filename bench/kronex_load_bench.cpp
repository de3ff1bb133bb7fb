// Loading the run-1 Kronex file of a 500-racer race, measured against a
// plain read of the same bytes: the checks, the racer updates and the one
// change the load writes (with its snapshot and flushes) should cost a
// bounded multiple of reading the file, whatever the machine. The reader
// alone is reported beside them.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/app_context.h"
#include "app/scripted_operator.h"
#include "racefile/racer_record.h"
#include "times/kronex_file.h"
#include "times/kronex_load.h"
#include "util/file_replace.h"

namespace skitally {
namespace {

constexpr int kRacers = 500;

std::string KronexLine(std::string text)
{
    text.resize(kKronexLineLength - 2, ' ');
    return text + "\r\n";
}

struct BenchRace {
    BenchRace()
    {
        folder = (std::filesystem::temp_directory_path() / "skitally-kronex-bench").string();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        std::string lines = KronexLine("MG 1");
        for (int bib = 1; bib <= kRacers; ++bib) {
            RacerRecord racer;
            racer.name = "RACER " + std::to_string(bib);
            racer.bib = std::to_string(bib);
            racer.start1 = racer.bib;
            racer.gender = "M";
            racers += EncodeRacer(racer);
            char line[64];
            // Every 50th a disqualification would stop for its gate: DNF instead.
            if (bib % 50 == 0)
                std::snprintf(line, sizeof line, "%3d,%3d,       ,DNF, ,       ,   , ", bib, bib);
            else
                std::snprintf(line, sizeof line, "%3d,%3d,%7.2f,   , ,       ,   , ", bib, bib, 60.0 + bib * 0.037);
            lines += KronexLine(line);
        }
        kronex = folder + "/GS1-run1.txt";
        ReplaceFileContents(kronex, lines);
        ReplaceFileContents(folder + "/BENCH.RN1", "run 1 start list");
    }
    std::string folder, kronex, racers;
};

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void KronexLoadAgainstPlainRead(benchmark::State& state)
{
    static const BenchRace race;
    AppContext ctx({race.folder, race.folder, race.folder + "/"}, SystemClock());
    ctx.settings = SettingsStore::Open(race.folder + "/Skitally.sqlite");
    ctx.race.open = true;
    ctx.race.racePath = race.folder + "/";
    ctx.race.raceName = "BENCH";
    ctx.race.header.values.discipline = "G";
    ctx.race.header.values.gender = "M";
    ctx.race.header.values.raceLevel = "NAT";
    double read = 0, parse = 0, load = 0;
    for (auto _ : state) {
        ReplaceFileContents(ctx.race.File("RCR"), race.racers);
        ctx.race.flags = {};
        ScriptedOperator op({"RUN 1"});

        auto start = std::chrono::steady_clock::now();
        std::string bytes;
        ReadWholeFile(race.kronex, bytes);
        benchmark::DoNotOptimize(bytes.data());
        read += Seconds(start);

        start = std::chrono::steady_clock::now();
        const KronexFile file = ReadKronexFile(bytes);
        benchmark::DoNotOptimize(file.lines.data());
        parse += Seconds(start);

        start = std::chrono::steady_clock::now();
        const bool loaded = LoadKronexCommand(ctx, op, {race.kronex});
        const double took = Seconds(start);
        load += took;
        if (!loaded || file.lines.size() != kRacers) {
            state.SkipWithError(("the file did not load:\n" + op.transcript()).c_str());
            break;
        }
        state.SetIterationTime(took);
    }
    if (state.iterations() == 0 || read <= 0)
        return;
    const double runs = static_cast<double>(state.iterations());
    state.counters["read_us"] = 1e6 * read / runs;
    state.counters["parse_us"] = 1e6 * parse / runs;
    state.counters["load_us"] = 1e6 * load / runs;
    state.counters["load_to_read"] = load / read;
    state.counters["parse_to_read"] = parse / read;
    state.SetItemsProcessed(state.iterations() * kRacers);
}

BENCHMARK(KronexLoadAgainstPlainRead)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace skitally

BENCHMARK_MAIN();
