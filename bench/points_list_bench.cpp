// The points-list reader on a FIS-sized alpine list, against merely
// reading the same bytes and counting the lines: what the normalising costs.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/app_context.h"
#include "app/scripted_operator.h"
#include "entries/points_import.h"
#include "entries/points_list_reader.h"
#include "fis_list_generator.h"

namespace skitally {
namespace {

constexpr int kRacers = 30000;

// Answers nothing and shows nothing: only the reading is measured.
class SilentOperator : public ScriptedOperator {
public:
    void ProgressStart(const std::string&, int) override {}
    void ProgressStep(int, const std::string&) override {}
    void ProgressEnd() override {}
};

// The generated list, written once into a folder of its own.
struct BenchList {
    BenchList()
    {
        folder = (std::filesystem::temp_directory_path() / "skitally-bench").string();
        std::filesystem::create_directories(folder);
        path = folder + "/fis_alpine.csv";
        const std::string bytes = bench::GenerateFisAlpineList(kRacers);
        std::ofstream(path, std::ios::binary) << bytes;
        size = bytes.size();
    }
    std::string folder;
    std::string path;
    std::size_t size = 0;
};

const BenchList& List()
{
    static const BenchList list;
    return list;
}

void ReaderWholeList(benchmark::State& state)
{
    const BenchList& list = List();
    AppContext ctx({list.folder, list.folder, list.folder + "/"}, SystemClock());
    // A slalom of FIS level (assigned as strings: GCC 12 -O3 warns falsely about a literal here).
    ctx.race.header.values.discipline = std::string("S");
    ctx.race.header.values.raceLevel = std::string("FIS");
    SilentOperator op;
    for (auto _ : state) {
        PointsListReader reader;
        int racers = 0;
        if (ReadRacerRec(reader, ctx, op, list.path, "OPEN", 1229, ",", true) != "*OPN*") {
            state.SkipWithError("the generated list was refused");
            break;
        }
        for (;;) {
            const std::string line = ReadRacerRec(reader, ctx, op, list.path, "READ", 1229, ",", true);
            if (line == "*EOF*" || line == "*ERR*")
                break;
            ++racers;
        }
        ReadRacerRec(reader, ctx, op, list.path, "CLOSE", 1229, ",", true);
        if (racers != kRacers)
            state.SkipWithError("not every racer was read");
        benchmark::DoNotOptimize(racers);
    }
    state.SetItemsProcessed(state.iterations() * kRacers);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(list.size));
}

// The whole import a secretary waits for: the list read, normalised and
// stored in the pick table of a settings database on disk. Peak memory is
// the process's high-water mark, reported as a counter.
void ImportIntoPickTable(benchmark::State& state)
{
    const BenchList& list = List();
    AppContext ctx({list.folder, list.folder, list.folder + "/"}, SystemClock());
    ctx.settings = SettingsStore::Open(list.folder + "/Skitally.sqlite");
    ctx.race.header.values.discipline = std::string("S");
    ctx.race.header.values.raceLevel = std::string("FIS");
    ctx.race.header.values.gender = std::string("F");
    SilentOperator op;
    for (auto _ : state) {
        int imported = 0;
        if (!ImportPointsList(ctx, op, list.path, true, imported) || imported != kRacers) {
            state.SkipWithError("the generated list was not imported whole");
            break;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.SetItemsProcessed(state.iterations() * kRacers);
}

void PlainReadCountingLines(benchmark::State& state)
{
    const BenchList& list = List();
    for (auto _ : state) {
        std::ifstream in(list.path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::size_t lines = 0;
        for (char c : bytes)
            lines += c == '\n' ? 1 : 0;
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * kRacers);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(list.size));
}

BENCHMARK(ReaderWholeList)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportIntoPickTable)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainReadCountingLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skitally

BENCHMARK_MAIN();
