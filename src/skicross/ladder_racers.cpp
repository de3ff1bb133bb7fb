#include "skicross/ladder_racers.h"

#include "app/messages.h"
#include "racefile/header_file.h"
#include "racefile/race_change.h"
#include "skicross/ladder_text_ids.h"
#include "util/file_replace.h"
#include "util/file_transaction.h"

namespace skitally {

bool ReadLadderRacers(const AppContext& ctx, Operator& op, LadderRacers& racers)
{
    const std::string path = ctx.race.File("RCR");
    if (const Status read = ReadWholeFile(path, racers.bytes); !read) {
        ShowFileFailure(ctx, op, text::kLadderFileNotRead, path, read);
        return false;
    }
    // A trailing partial record is no racer; the opening check deals with it.
    racers.bytes.resize(racers.bytes.size() - racers.bytes.size() % kRacerRecordLength);
    const std::string_view bytes = racers.bytes;
    for (std::size_t at = 0; at < bytes.size(); at += kRacerRecordLength) {
        RacerRecord racer = DecodeRacer(bytes.substr(at, kRacerRecordLength));
        if (racer.IsDeleted())
            continue;
        racers.recordNumbers.push_back(static_cast<int>(at / kRacerRecordLength) + 1);
        racers.live.push_back(std::move(racer));
    }
    return true;
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
