// Any bytes as a Kronex result file: the reader takes the header and the
// racer lines it can and names the problem of each other line, never crashes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "times/kronex_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace skitally;
    const KronexFile file = ReadKronexFile(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const KronexLine& line : file.lines)
        if (line.problem == KronexProblem::None)
            for (const KronexRun& run : line.runs)
                KronexSeconds(run.time);
    return 0;
}
