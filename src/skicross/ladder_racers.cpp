#include "skicross/ladder_racers.h"

#include "app/messages.h"
#include "racefile/header_file.h"
#include "racefile/race_change.h"
#include "racefile/racer_file.h"
#include "skicross/ladder_text_ids.h"
#include "util/file_replace.h"
#include "util/file_transaction.h"

namespace skitally {

bool ReadLadderRacers(const AppContext& ctx, Operator& op, LadderRacers& racers)
{
    const std::string path = ctx.race.File("RCR");
    const Status read = ReadLiveRacers(path, racers.bytes, [&racers](int number, RacerRecord&& racer) {
        racers.recordNumbers.push_back(number);
        racers.live.push_back(std::move(racer));
    });
    if (!read)
        ShowFileFailure(ctx, op, text::kLadderFileNotRead, path, read);
    return read.ok();
}

bool CommitLadderRacers(AppContext& ctx, Operator& op, const LadderRacers& racers, const HeaderFile* header)
{
    std::string bytes = racers.bytes;
    for (std::size_t k = 0; k < racers.live.size(); ++k)
        bytes.replace(static_cast<std::size_t>(racers.recordNumbers[k] - 1) * kRacerRecordLength, kRacerRecordLength,
                      EncodeRacer(racers.live[k]));
    FileTransaction change(RaceJournal(ctx.race));
    change.Replace(ctx.race.File("RCR"), std::move(bytes));
    if (header)
        change.Replace(ctx.race.File("HDR"), HeaderFileBytes(*header));
    return CommitRaceChange(ctx, op, change);
}

} // namespace skitally
