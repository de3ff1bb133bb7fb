// The run-1 start list of a 500-racer race: written to its report file and
// drawn as a PDF, against one plain write of the same bytes.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/scripted_operator.h"
#include "racefile/course_file.h"
#include "racefile/header_file.h"
#include "racefile/jury_file.h"
#include "racefile/racer_file.h"
#include "report_pdf.h"
#include "reports/start_list.h"

namespace skitally {
namespace {

constexpr int kRacers = 500;

// Answers the start list's questions (not inverted, no snow-seed flags)
// and shows nothing.
class QuietOperator : public ScriptedOperator {
public:
    QuietOperator() : ScriptedOperator({"No", "No"}) {}
    void ProgressStart(const std::string&, int) override {}
    void ProgressStep(int, const std::string&) override {}
    void ProgressEnd() override {}
    void ShowReport(const std::string&, const std::string&) override {}
};

struct BenchRace {
    BenchRace() : ctx({Folder(), Folder(), Folder() + "/"}, SystemClock())
    {
        ctx.race.open = true;
        ctx.race.racePath = Folder() + "/";
        ctx.race.raceName = "BIGRACE";
        HeaderFile header;
        header.titles = {"BENCH CUP", "GIANT SLALOM", "", "", ""};
        header.values = {"06-12-2026/BENCH HILL", "G", "M", "FIS", "", "0", "00"};
        WriteHeaderFile(ctx.race.File("HDR"), header);
        JuryData jury;
        jury.jury[kTechnicalDelegate] = "ANNA TD - CAN";
        jury.technical[kCodexNumber].run1 = "CAN0500.TD1";
        WriteJuryFile(ctx.race.File("JRY"), jury);
        WriteCourseFile(ctx.race.File("FOR"), CourseData(), false,
                        {"COURSE SETTER", "FORERUNNERS", "NO. OF GATES", "START TIME"});
        std::filesystem::remove(ctx.race.File("RCR"));
        RacerFile racers;
        racers.Open(ctx.race.File("RCR"));
        for (int n = 1; n <= kRacers; ++n) {
            RacerRecord racer;
            racer.name = "RACER" + std::to_string(n) + " Bench";
            racer.card = std::to_string(100000 + n);
            racer.nation = "CAN";
            racer.bib = std::to_string(n);
            racer.start1 = std::to_string(n);
            racer.pointsGS = static_cast<float>(n) / 4;
            racers.AppendRacer(racer);
        }
        ctx.race.header = header;
    }
    static std::string Folder()
    {
        const auto folder = std::filesystem::temp_directory_path() / "skitally-report-bench";
        std::filesystem::create_directories(folder);
        return folder.string();
    }
    AppContext ctx;
};

BenchRace& Race()
{
    static BenchRace race;
    return race;
}

// A fresh start list: an existing one would first ask to be replaced.
bool WriteStartList(BenchRace& race)
{
    std::filesystem::remove(race.ctx.race.File("RN1"));
    QuietOperator op;
    return PrintRun1StartList(race.ctx, op, false);
}

void Run1StartListFile(benchmark::State& state)
{
    BenchRace& race = Race();
    for (auto _ : state) {
        if (!WriteStartList(race)) {
            state.SkipWithError("the start list was not written");
            break;
        }
    }
}

void Run1StartListPdf(benchmark::State& state)
{
    BenchRace& race = Race();
    WriteStartList(race);
    const std::string pdf = race.ctx.race.File("PDF");
    for (auto _ : state)
        if (!WriteReportPdf(*race.ctx.settings, race.ctx.race.File("RN1"), pdf)) {
            state.SkipWithError("the PDF was not written");
            break;
        }
}

void PlainWriteOfTheSameBytes(benchmark::State& state)
{
    BenchRace& race = Race();
    WriteStartList(race);
    std::ifstream in(race.ctx.race.File("RN1"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string copy = race.ctx.race.File("CPY");
    for (auto _ : state) {
        std::FILE* file = std::fopen(copy.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

BENCHMARK(Run1StartListFile)->Unit(benchmark::kMillisecond);
BENCHMARK(Run1StartListPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWriteOfTheSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skitally

int main(int argc, char** argv)
{
    // The PDF needs the font database of a GUI application, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
