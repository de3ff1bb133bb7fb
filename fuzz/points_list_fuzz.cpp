// Any bytes as a points list: OPEN, READ to the end and CLOSE must finish
// without crashing, and every racer line must have its 18 fields.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/scripted_operator.h"
#include "entries/points_list_reader.h"

namespace {

// The file name takes part in recognising a list, so the input's length
// picks one of the names that mean something.
const char* const kNames[] = {"LIST.CSV", "NATLIST.CSV", "SRS_F.CSV", "LIST.PTS", "FIS_W.CSV", "SRS.TXT"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("skitally-fuzz-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const std::string path = (folder / kNames[size % std::size(kNames)]).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    skitally::AppContext ctx({folder.string(), folder.string(), folder.string() + "/"}, skitally::SystemClock());
    ctx.race.header.values.discipline = size % 2 ? "SX" : "S";
    ctx.race.header.values.raceLevel = "FIS";
    const bool quiet = size % 3 != 0;
    // The category question takes "Yes"; the gender question at most one
    // of the rest. A script that no longer fits throws; that is no crash.
    std::vector<std::string> answers;
    if (!quiet)
        answers.push_back("Yes");
    answers.push_back(size % 5 == 0 ? "Abort" : "Male");
    skitally::ScriptedOperator op(answers);
    skitally::PointsListReader reader;
    try {
        if (skitally::ReadRacerRec(reader, ctx, op, path, "OPEN", 1229, ",", quiet) == "*OPN*") {
            for (int racers = 0; racers < 100000; ++racers) {
                const std::string line = skitally::ReadRacerRec(reader, ctx, op, path, "READ", 1229, ",", quiet);
                if (line == "*EOF*" || line == "*ERR*")
                    break;
                std::size_t separators = 0;
                for (char c : line)
                    separators += c == ',' ? 1 : 0;
                if (separators != 17)
                    __builtin_trap();
            }
        }
        skitally::ReadRacerRec(reader, ctx, op, path, "CLOSE", 1229, ",", quiet);
    } catch (const skitally::ScriptError&) {
    }
    fs::remove(path);
    return 0;
}
