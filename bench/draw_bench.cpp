// The automatic draw of a 500-racer field, answered by a script, and the
// draw permutation alone against std::shuffle: what the rejection sampling
// over (position, value) pairs costs as the group grows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/scripted_operator.h"
#include "draw/auto_draw.h"
#include "draw/draw_permutation.h"
#include "racefile/racer_record.h"

namespace skitally {
namespace {

constexpr int kField = 500;

// Shows nothing: only the draw is measured.
class SilentOperator : public ScriptedOperator {
public:
    using ScriptedOperator::ScriptedOperator;
    void ProgressStart(const std::string&, int) override {}
    void ProgressStep(int, const std::string&) override {}
    void ProgressEnd() override {}
    void ShowReport(const std::string&, const std::string&) override {}
};

// A field of 500: every tenth racer without points, the best 60 with points
// of their own (no tie at the top-seed boundary), the others in steps of
// 0.25 so that many tie.
std::string FieldBytes()
{
    std::string bytes;
    for (int i = 0; i < kField; ++i) {
        RacerRecord racer;
        racer.name = "RACER" + std::to_string(i) + " Bench";
        racer.card = std::to_string(1000000 + i);
        const int quarters = i < 60 ? i * 4 : (i * 7919) % 1600 + 240;
        if (i % 10 != 9)
            racer.seedPoints = std::to_string(quarters / 4) + "." + std::to_string(quarters % 4 * 25);
        bytes += EncodeRacer(racer);
    }
    return bytes;
}

void AutomaticDrawOf500(benchmark::State& state)
{
    const std::string folder = (std::filesystem::temp_directory_path() / "skitally-draw-bench").string();
    std::filesystem::create_directories(folder);
    AppContext ctx({folder, folder, folder + "/"}, SystemClock());
    ctx.race.open = true;
    ctx.race.racePath = folder + "/";
    ctx.race.raceName = "BENCH";
    ctx.race.header.values.discipline = std::string("GS");
    ctx.race.header.values.raceLevel = std::string("NAT");
    const std::string bytes = FieldBytes();
    // Top seed of 30 drawn, ties of the rest drawn, nothing printed.
    const std::vector<std::string> answers = {"30", "Yes", "1", "No", "No", "Yes",
                                              "Yes", "No", "Yes", "No", "No"};
    std::uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(ctx.race.File("RCR"), std::ios::binary) << bytes;
        SilentOperator op(answers);
        DrawRandom random(seed++);
        state.ResumeTiming();
        if (!AutomaticDraw(ctx, op, random).completed)
            state.SkipWithError("the draw did not complete");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(AutomaticDrawOf500)->Unit(benchmark::kMillisecond);

void DrawPermutationOf(benchmark::State& state)
{
    DrawRandom random(2026);
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawNumbers(n, random));
}
BENCHMARK(DrawPermutationOf)->Arg(15)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);

void StdShuffleOf(benchmark::State& state)
{
    std::mt19937 engine(2026);
    std::vector<int> values(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::iota(values.begin(), values.end(), 1);
        std::shuffle(values.begin(), values.end(), engine);
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(StdShuffleOf)->Arg(15)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skitally

BENCHMARK_MAIN();
