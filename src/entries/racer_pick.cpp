#include "entries/racer_pick.h"

#include "app/text_ids.h"
#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/points_import.h"
#include "racefile/racer_names.h"
#include "racefile/racer_codes.h"
#include "racefile/racer_text.h"
#include "util/tokens.h"

namespace skitally {

float PickRowPoints(const PickRacer& row, int field)
{
    switch (field) {
    case kPointsDH: return row.pDH;
    case kPointsSL: return row.pSL;
    case kPointsGS: return row.pGS;
    case kPointsSG: return row.pSG;
    case kPointsSC: return row.pSC;
    case kPointsSX: return row.pSX;
    case kPointsKK: return row.pKK;
    default: return -1.0f;
    }
}

namespace {

// The affiliation the race shows: nation, division or club.
std::string Affiliation(const PickRacer& row, const std::string& level)
{
    return level == "FIS" ? row.nat : row.clb;
}

}  // namespace

int AskSeedPointsField(const AppContext& ctx, Operator& op)
{
    const std::string discipline = RaceDiscipline(ctx);
    if (discipline != "SC")
        return PointsFieldOf(discipline);
    const MessageBox box{ctx.Text(text::kQueryTitle),
                         ctx.Text(text::kSuperCombinedSeedQuestion) + "\n" + ctx.Text(text::kSuperCombinedCancelHint),
                         {ctx.Text(text::kSuperGName), ctx.Text(text::kDownhillName), ctx.Text(text::kCancelButton)},
                         MessageIcon::Question, 0};
    switch (op.Message(box)) {
    case 0: return kPointsSG;
    case 1: return kPointsDH;
    default: return kPointsSC;
    }
}

std::vector<PickRacer> PickRowsForRace(const AppContext& ctx)
{
    std::vector<PickRacer> rows;
    std::vector<PickRacer> fitting;
    if (!ReadPickTable(ctx.settings->database(), rows))
        return fitting;
    const std::string gender = RaceGender(ctx);
    for (PickRacer& row : rows)
        if (FitsRaceGender(row, gender))
            fitting.push_back(std::move(row));
    return fitting;
}

RowPick PickScreen(const AppContext& ctx, const std::vector<PickRacer>& rows, int pointsField)
{
    const std::string level = RaceLevel(ctx);
    const int affiliation = level == "FIS"   ? text::kColumnNation
                            : level == "NAT" ? text::kColumnDivision
                                             : text::kColumnClub;
    RowPick pick{ctx.Text(text::kAddRacerTitle),
                 {ctx.Text(text::kColumnName), ctx.Text(text::kColumnCode), ctx.Text(affiliation),
                  ctx.Text(text::kColumnBirthYear), ctx.Text(text::kColumnPoints), ctx.Text(text::kColumnGroup)},
                 {},
                 {}};
    for (const PickRacer& row : rows)
        pick.rows.push_back({DisplayName(row.nam), row.crd, Affiliation(row, level), row.byr,
                             Trim(PointsText(PickRowPoints(row, pointsField))), row.grp});
    return pick;
}

RacerRecord RacerFromPick(const PickRacer& row, const std::string& raceLevel, const std::string& raceDiscipline,
                          int seedField)
{
    RacerRecord racer;
    const RacerName name = SplitStoredName(row.nam);
    racer.name = StoredName(name.last, name.first);
    racer.card = NormaliseCard(row.crd, racer.name).card;
    // The reader gives this race's family code first and the other family's second.
    const bool skiCross = IsSkiCross(raceDiscipline);
    racer.alpineCard = Trim(skiCross ? row.crd2 : row.crd);
    racer.sxCard = Trim(skiCross ? row.crd : row.crd2);
    const std::string level = ToUpper(Trim(raceLevel));
    racer.nation = level == "NAT" && !Trim(row.clb).empty() ? row.clb : row.nat;
    racer.club = row.clb;
    racer.category = row.cat;
    racer.gender = row.gdr;
    racer.birthYear = row.byr;
    racer.group = row.grp;
    racer.seedRank = row.rSX;
    for (int field = kPointsDH; field <= kPointsKK; ++field)
        *racer.SingleField(field) = PickRowPoints(row, field);
    if (seedField >= 0)
        racer.seedPoints = PointsText(PickRowPoints(row, seedField));
    return racer;
}

}  // namespace skitally
