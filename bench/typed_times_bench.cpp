// Run-1 times of a whole field typed as BIB=VALUE pairs on the command
// line: 500 pairs on a 500-racer giant slalom, every third a status, each
// checked and written as its own whole record. Nothing here may make the
// secretary wait after the last finisher.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/scripted_operator.h"
#include "racefile/header_file.h"
#include "racefile/racer_record.h"
#include "times/run_time_entry.h"

namespace skitally {
namespace {

constexpr int kRacers = 500;

std::string BenchFolder()
{
    const std::string folder = (std::filesystem::temp_directory_path() / "skitally-times-bench").string();
    std::filesystem::create_directories(folder);
    return folder;
}

void TypeRun1Pairs(benchmark::State& state)
{
    const std::string folder = BenchFolder();
    AppContext ctx({folder, folder, folder + "/"}, SystemClock());
    ctx.race.open = true;
    ctx.race.racePath = folder + "/";
    ctx.race.raceName = "TIMES";
    HeaderFile header;
    header.titles[0] = "BENCH CUP";
    header.values = {"06-12-2026/BANFF", "G", "F", "NAT", "", "0", "00"};
    if (!WriteHeaderFile(ctx.race.File("HDR"), header)) {
        state.SkipWithError("no header written");
        return;
    }
    std::string racers;
    std::vector<std::string> pairs;
    for (int i = 1; i <= kRacers; ++i) {
        RacerRecord racer;
        racer.name = "RACER" + std::to_string(i) + " Anna";
        racer.card = std::to_string(1000000 + i);
        racer.gender = "F";
        racer.bib = std::to_string(i);
        racers += EncodeRacer(racer);
        const int hundredths = 6000 + i * 7;
        pairs.push_back(std::to_string(i) + "=" +
                        (i % 3 == 0 ? (i % 2 ? "DNF" : "DSQ:" + std::to_string(i % 40 + 1))
                                    : std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100 / 10) +
                                          std::to_string(hundredths % 10)));
    }
    std::ofstream(ctx.race.File("RCR"), std::ios::binary | std::ios::trunc) << racers;
    std::ofstream(ctx.race.File("RN1"), std::ios::binary | std::ios::trunc) << "start list\r\n";
    for (auto _ : state) {
        ScriptedOperator op;
        if (!TypedTimesCommand(ctx, op, TimesKind::Run1, pairs)) {
            state.SkipWithError(("a pair was refused: " + op.transcript()).c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kRacers);
}
BENCHMARK(TypeRun1Pairs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skitally

BENCHMARK_MAIN();
