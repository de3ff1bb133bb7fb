// A whole 150-racer giant slalom played through the command-line program,
// as an organiser plays it: preferences, new race, its options, the racers
// from a points list, the draw, both runs from the timer's files, the
// calculation, the official results and the output files. Every change is
// flushed to the disk, so the flow is set against the time to write the
// same number of bytes, flushed, to one plain file: that ratio should stay
// a bounded multiple whatever the machine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fis_list_generator.h"
#include "util/file_replace.h"
#include "util/write_steps.h"

namespace skitally {
namespace {

namespace fs = std::filesystem;

constexpr int kRacers = 150;
constexpr int kDisqualified1 = 17, kOut1 = 23; // run 1: disqualified, did not finish
constexpr int kDisqualified2 = 8, kOut2 = 12;  // run 2

// The women of a made-up list, so every racer fits the women's race.
std::string WomenList()
{
    const std::string all = bench::GenerateFisAlpineList(4 * kRacers);
    std::string list = all.substr(0, all.find('\n') + 1);
    int women = 0;
    for (std::size_t at = list.size(); at < all.size() && women < kRacers;) {
        const std::size_t end = all.find('\n', at) + 1;
        if (all.compare(at, 2, "W,") == 0) {
            list += all.substr(at, end - at);
            ++women;
        }
        at = end;
    }
    return list;
}

// Fixed 80-byte Kronex lines without the date field; the bib stands twice.
std::string KronexLine(std::string text)
{
    text.resize(78, ' ');
    return text + "\r\n";
}

// One run's time and status fields: a time, or a blank time and the status.
std::string RunFields(int bib, int disqualified, int out, double seconds)
{
    char text[16];
    if (bib == disqualified || bib == out)
        std::snprintf(text, sizeof text, "       ,%s", bib == out ? "DNF" : "DSQ");
    else
        std::snprintf(text, sizeof text, "%7.2f,   ", seconds);
    return text;
}

// The run-2 file repeats run 1; who left run 1 has no run 2.
std::string KronexFile(int run)
{
    std::string file = KronexLine(run == 1 ? "FG 1" : "FG 2");
    for (int bib = 1; bib <= kRacers; ++bib) {
        const std::string run1 = RunFields(bib, kDisqualified1, kOut1, 68.0 + (bib * 37 % 150) / 20.0);
        const bool second = run == 2 && bib != kDisqualified1 && bib != kOut1;
        const std::string run2 =
            second ? RunFields(bib, kDisqualified2, kOut2, 69.0 + (bib * 53 % 150) / 25.0) : "       ,   ";
        char number[16];
        std::snprintf(number, sizeof number, "%3d,%3d,", bib, bib);
        file += KronexLine(number + run1 + ", ," + run2 + ", ");
    }
    return file;
}

struct Inputs {
    explicit Inputs(const fs::path& where) : folder(where)
    {
        fs::create_directories(folder);
        Put("FISALP-BENCH-W.csv", WomenList());
        Put("run1.txt", KronexFile(1));
        Put("run2.txt", KronexFile(2));
        // The answers of the sample race. The invented points tie, so the draw
        // also draws the racers with matching points (Yes, not printed: No)
        // before it prints its results (Yes).
        Put("first-start.answers", "English\nNo\n");
        Put("new-race.answers", "N\nNo\nBENCH LADIES CUP\nGIANT SLALOM\n\n\n\n06-12-2026/BENCH VALLEY\nG\nF\n"
                                "TIMING BY KRONEX\nResults are unofficial until signed by the jury\n\nFIS\n");
        Put("reopen-empty.answers", "N\nNo\n");
        Put("add.answers", "N\nNo\nNo\nall\nContinue\n");
        Put("draw.answers", "15\nYes\n1\nNo\nNo\nYes\nYes\nNo\nYes\nNo\nYes\n");
        Put("startlist.answers", "No\nNo\n");
        Put("load-run1.answers", "RUN 1\n7\n");
        Put("startlist-run2.answers", "30\nNo\nNo\nNo\n");
        Put("load-run2.answers", "RUN 2\n22\n");
        Put("calc.answers", "1\n");
        Put("xml.answers", "CAN\nFIS\nALGE TdC 8001\n1\n1\n123456\n");
    }
    void Put(const std::string& name, const std::string& bytes)
    {
        ReplaceFileContents((folder / name).string(), bytes);
    }
    std::string operator/(const std::string& name) const { return (folder / name).string(); }
    fs::path folder;
};

std::string Quote(const std::string& path)
{
    return "'" + path + "'";
}

// Runs one command; false with its output when it does not exit 0.
bool Run(const std::string& data, const std::string& answers, const std::string& args, std::string& output)
{
    std::string command = Quote(SKITALLY_CLI_PATH) + " --data-dir " + Quote(data) + " --lang en ";
    if (!answers.empty())
        command += "--answers " + Quote(answers) + " ";
    command += args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    output = "$ " + command + "\n";
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, got);
    return pclose(pipe) == 0;
}

std::uintmax_t BytesUnder(const fs::path& folder)
{
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            bytes += entry.file_size();
    return bytes;
}

void RaceFlowAgainstPlainWrite(benchmark::State& state)
{
    const fs::path root = fs::temp_directory_path() / "skitally-flow-bench";
    fs::remove_all(root);
    const Inputs in(root / "in");
    const std::string race = Quote((root / "data/Skitally/Events/GS1").string());
    const std::string out = (root / "data/GS1").string();
    const std::vector<std::pair<std::string, std::string>> flow = {
        {"first-start.answers", "preferences"},
        {"new-race.answers", "new-race " + race},
        {"reopen-empty.answers", "jury " + race +
                                     " 'td=Peter HALL - CAN' 'chiefofrace=Ann LEE - CAN' "
                                     "'referee=Tom MOE - NOR' 'chiefofcourse=Paul KING - CAN' "
                                     "'startreferee=Mia BROWN - CAN' 'finishreferee=Leo WHITE - CAN' length1=1250m "
                                     "codex=CAN1234.TD1 course1=VALLEY startelev1=1920m finishelev1=1650m drop1=270m "
                                     "homologation1=12345/01/17"},
        {"reopen-empty.answers", "course " + race +
                                     " 'setter1=Hans GRUBER - AUT' 'setter2=Lise ROY - CAN' "
                                     "'forerunner1_1=Anna SMITH' gates1=48 turns1=46 gates2=47 turns2=45 "
                                     "start1=10:00 start2=13:00"},
        {"reopen-empty.answers", "weather " + race +
                                     " weather=SUNNY snow=HARD temptop=-8 tempbottom=-4 "
                                     "minpenalty=15 maxpenalty=300"},
        {"add.answers", "add " + race + " " + Quote(in / "FISALP-BENCH-W.csv")},
        {"draw.answers", "draw " + race + " --seed 4242"},
        {"startlist.answers", "startlist " + race + " --run 1"},
        {"load-run1.answers", "load-kronex " + race + " " + Quote(in / "run1.txt")},
        {"startlist-run2.answers", "startlist-run2 " + race},
        {"load-run2.answers", "load-kronex " + race + " " + Quote(in / "run2.txt")},
        {"calc.answers", "calc-2run " + race},
        {"", "results-official " + race},
        {"xml.answers", "output-points " + race + " " + Quote(out + ".xml")},
        {"", "output-web " + race + " " + Quote(out + "-web.txt")},
        {"", "output-csv " + race + " " + Quote(out + "-results.csv")},
    };
    double flowSeconds = 0, plainSeconds = 0, bytes = 0;
    for (auto _ : state) {
        const fs::path data = root / "data";
        fs::remove_all(data);
        fs::create_directories(data);
        const auto start = std::chrono::steady_clock::now();
        for (const auto& [answers, args] : flow) {
            std::string output;
            if (!Run(data.string(), answers.empty() ? "" : in / answers, args, output)) {
                state.SkipWithError(output.c_str());
                return;
            }
        }
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(took);
        flowSeconds += took;

        // Every file as the flow left it (race, snapshots, settings, outputs);
        // a file written over counts once, so the flow wrote at least this.
        const std::uintmax_t written = BytesUnder(data);
        bytes = static_cast<double>(written);
        const std::string plain(written, 'x');
        const auto plainStart = std::chrono::steady_clock::now();
        WriteFlushedFile((data / "plain.bin").string(), plain);
        plainSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - plainStart).count();
    }
    if (state.iterations() == 0 || plainSeconds <= 0)
        return;
    const double runs = static_cast<double>(state.iterations());
    state.counters["flow_ms"] = 1e3 * flowSeconds / runs;
    state.counters["bytes_written"] = bytes;
    state.counters["plain_write_ms"] = 1e3 * plainSeconds / runs;
    state.counters["flow_to_plain"] = flowSeconds / plainSeconds;
}

BENCHMARK(RaceFlowAgainstPlainWrite)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace skitally

BENCHMARK_MAIN();
