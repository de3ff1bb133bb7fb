// Any bytes as a ladder result from the timer: the racers are read, their
// gender mark taken, and the final ranking formed from whatever slots and
// places they hold; the ranking gives each ladder racer one rank, and the
// ladder file is composed from it, without a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/race_data.h"
#include "skicross/final_ranking.h"
#include "skicross/kronex_ladder_file.h"
#include "skicross/ladder_result_load.h"
#include "skicross/sx_ladder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace skitally;
    std::vector<RacerRecord> racers = ReadLadderResult(std::string(reinterpret_cast<const char*>(data), size));
    LadderResultGender("RESULT.MdL", racers);
    HoldsLadderData(racers);
    if (!RankLadder(racers, size % 2 == 0))
        return 0;
    std::vector<int> records;
    for (std::size_t k = 0; k < racers.size(); ++k)
        records.push_back(static_cast<int>(k) + 1);
    HeaderFile header;
    const LadderView view = BuildLadderView(racers, header.values);
    if (ComposeLadderFile(view, racers, records, header).size() % kLadderRecordLength != 0)
        std::abort();
    return 0;
}
