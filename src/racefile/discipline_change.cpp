#include "racefile/discipline_change.h"

#include "app/messages.h"
#include "app/text_table.h"
#include "racefile/header_file.h"
#include "racefile/racer_codes.h"
#include "racefile/weather_file.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kInvalidRaceType = 13;  // "VALID RACE TYPES: ..."
constexpr int kRacersHaveTimes = 55;  // "CAN NOT CHANGE DISCIPLINE - RACERS HAVE RUN TIMES"
constexpr int kCopyWithoutTimes = 1256;
constexpr int kKinderKombiNotFis = 2033;
constexpr int kRemindFFactor = 4491;
constexpr int kSeedPointsChange = 4498;
constexpr int kIsThisRequired = 4499;
constexpr int kCombinedChange = 4533;
constexpr int kUnknownFFactor = 4331;
constexpr int kFFactorChangedDiscipline = 4332;

bool IsCombined(std::string_view code)
{
    return code == "SC" || code == "AC";
}

std::string DisciplineName(const AppContext& ctx, std::string_view code)
{
    const int id = DisciplineNameId(code);
    return id != 0 ? ctx.Text(id) : Trim(code);
}

}  // namespace

bool ChangesCardFamily(std::string_view from, std::string_view to)
{
    return IsSkiCross(from) != IsSkiCross(to);
}

bool AnyRacerHasRunTimes(const std::vector<RacerRecord>& racers)
{
    for (const RacerRecord& racer : racers)
        if (!racer.IsDeleted() && (racer.time1 != 0 || racer.time2 != 0))
            return true;
    return false;
}

int LiveRacerCount(const std::vector<RacerRecord>& racers)
{
    int count = 0;
    for (const RacerRecord& racer : racers)
        count += racer.IsDeleted() ? 0 : 1;
    return count;
}

std::optional<std::string> ChangeDiscipline(const AppContext& ctx, Operator& op, const DisciplineRequest& request,
                                            const std::vector<RacerRecord>& racers, const RefillRacers& refill)
{
    const std::optional<std::string> wanted = CanonicalDiscipline(request.typed);
    if (!wanted) {
        ShowNumberedError(ctx, op, kInvalidRaceType);
        return std::nullopt;
    }
    if (!DisciplineAllowedAtLevel(*wanted, request.raceLevel)) {
        ShowMessage(ctx, op, ctx.Text(kKinderKombiNotFis));
        return std::nullopt;
    }
    const std::string current = CanonicalDiscipline(request.current).value_or("");
    if (*wanted == current || current.empty() || LiveRacerCount(racers) == 0)
        return wanted;

    // Both combined events read the same points: times, bibs and seed
    // points stay, only finished results may need doing again.
    if (IsCombined(current) && IsCombined(*wanted)) {
        ShowMessage(ctx, op, ctx.Text(kCombinedChange));
        return wanted;
    }
    if (AnyRacerHasRunTimes(racers)) {
        ShowNumberedError(ctx, op, kRacersHaveTimes);
        ShowMessage(ctx, op, ctx.Text(kCopyWithoutTimes));
        return std::nullopt;
    }
    ShowMessage(ctx, op, ctx.Text(kSeedPointsChange));
    if (!AskYesNo(ctx, op, ctx.Text(kIsThisRequired)))
        return std::nullopt;
    if (refill && !refill(*wanted, ChangesCardFamily(current, *wanted)))
        return std::nullopt;
    ShowMessage(ctx, op, ctx.Text(kRemindFFactor));
    return wanted;
}

std::string DisciplineAfterFValue(const AppContext& ctx, Operator& op, std::string_view discipline, double f)
{
    const std::string current = Trim(discipline);
    if (f <= 0 || f == DisciplineFValue(current))
        return current;
    const std::string other = DisciplineOfFValue(f);
    if (other.empty()) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(kUnknownFFactor), "XdddX", DisciplineName(ctx, current)));
        return current;
    }
    ShowMessage(ctx, op, FillPlaceholder(ctx.Text(kFFactorChangedDiscipline), "XdddX", DisciplineName(ctx, other)));
    return other;
}

}  // namespace skitally
