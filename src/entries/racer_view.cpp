#include "entries/racer_view.h"

#include "app/frontend_text_ids.h"
#include "entries/entry_text_ids.h"
#include "racefile/racer_file.h"
#include "racefile/racer_text.h"
#include "util/tokens.h"

namespace skitally {

RacerTable ViewRacers(const AppContext& ctx)
{
    RacerTable table;
    const std::string level = Trim(ctx.race.header.values.raceLevel);
    for (const int id : {frontend_text::kBibHeading, frontend_text::kStart1Heading, text::kColumnName,
                         text::kColumnCode, level == "NAT" ? text::kColumnDivision : text::kColumnNation,
                         text::kColumnClub, frontend_text::kCategoryHeading, text::kColumnBirthYear,
                         frontend_text::kGenderHeading, frontend_text::kSeedHeading})
        table.headings.push_back(ctx.Text(id));
    if (!ctx.race.open)
        return table;
    ForEachLiveRacer(ctx.race.File("RCR"), [&](int record, const RacerRecord& racer) {
        const RacerText text = RecordToText(racer);
        std::vector<std::string> row;
        for (int field : {kBib, kStart1, kName, kCard, kNation, kClub, kCategory, kBirthYear, kGender, kSeedPoints})
            row.push_back(Trim(text[field]));
        table.rows.push_back(std::move(row));
        table.records.push_back(record);
    });
    return table;
}

}  // namespace skitally
