// Calculating a two-run race of 500 racers, measured against a plain read
// of its racer file: the totals, the two sorts, the points walk, the
// penalty sheet and the one change the calculation writes (with its
// snapshot and flushes) should cost a bounded multiple of reading the
// file, whatever the machine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "app/app_context.h"
#include "app/scripted_operator.h"
#include "calc/race_calculation.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/racer_record.h"
#include "util/file_replace.h"

namespace skitally {
namespace {

constexpr int kRacers = 500;

struct BenchRace {
    BenchRace()
    {
        folder = (std::filesystem::temp_directory_path() / "skitally-calculation-bench").string();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        for (int n = 1; n <= kRacers; ++n) {
            RacerRecord racer;
            racer.name = "RACER " + std::to_string(n);
            racer.card = std::to_string(1000000 + n);
            racer.bib = std::to_string(n);
            racer.category = n % 9 == 0 ? "U14" : "U16";
            // Many equal totals, and every 40th without a second run.
            racer.time1 = 60.0f + static_cast<float>(n % 97) * 0.13f;
            racer.time2 = n % 40 == 0 ? 0.0f : 61.0f + static_cast<float>(n % 89) * 0.11f;
            racers += EncodeRacer(racer);
        }
        JuryData jury;
        jury.jury[kTechnicalDelegate] = "PETER HALL - CAN";
        WriteJuryFile(folder + "/BENCH.JRY", jury);
        HeaderFile header;  // the penalty sheet's heading
        header.titles[0] = "BENCH CUP";
        header.values = {"06-12-2026/BANFF", "G", "M", "NAT", "0000.00", "0", "00"};
        WriteHeaderFile(folder + "/BENCH.HDR", header);
    }
    std::string folder, racers;
};

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void CalculationAgainstPlainRead(benchmark::State& state)
{
    static const BenchRace race;
    AppContext ctx({race.folder, race.folder, race.folder + "/"}, SystemClock());
    ctx.settings = SettingsStore::Open(race.folder + "/Skitally.sqlite");
    ctx.race.open = true;
    ctx.race.racePath = race.folder + "/";
    ctx.race.raceName = "BENCH";
    ctx.race.header.values = {"06-12-2026/BANFF", "G", "M", "NAT", "0000.00", "0", "00"};
    ctx.race.weather.fValue = 1010;
    double read = 0, calculate = 0;
    for (auto _ : state) {
        ReplaceFileContents(ctx.race.File("RCR"), race.racers);
        ctx.race.flags = {};
        ScriptedOperator op({"1"});

        auto start = std::chrono::steady_clock::now();
        std::string bytes;
        ReadWholeFile(ctx.race.File("RCR"), bytes);
        benchmark::DoNotOptimize(bytes.data());
        read += Seconds(start);

        start = std::chrono::steady_clock::now();
        const bool calculated = CalculateRace(ctx, op, false);
        const double took = Seconds(start);
        calculate += took;
        if (!calculated) {
            state.SkipWithError(("the race was not calculated:\n" + op.transcript()).c_str());
            break;
        }
        state.SetIterationTime(took);
    }
    if (state.iterations() == 0 || read <= 0)
        return;
    const double runs = static_cast<double>(state.iterations());
    state.counters["read_us"] = 1e6 * read / runs;
    state.counters["calc_us"] = 1e6 * calculate / runs;
    state.counters["calc_to_read"] = calculate / read;
    state.SetItemsProcessed(state.iterations() * kRacers);
}

BENCHMARK(CalculationAgainstPlainRead)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skitally

BENCHMARK_MAIN();
