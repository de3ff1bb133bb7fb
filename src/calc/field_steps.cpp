#include "calc/field_steps.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/text_ids.h"
#include "calc/calc_text_ids.h"
#include "racefile/race_kinds.h"
#include "racefile/racer_file.h"
#include "racefile/racer_text.h"
#include "times/fixed_field.h"
#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr float kNoRacePoints = 9999.99f;
constexpr float kPlacedBelow = 9999.98f;

// A value in hundredths written to a float field through its fixed text,
// saying so when it does not fit the field.
float Stored(const AppContext& ctx, Operator& op, long long hundredths, int integerDigits)
{
    return ReadSingle(FormatFixedField(ctx, op, static_cast<double>(hundredths) / 100.0, integerDigits, 2));
}

// F x Tx / To - F = F x (Tx - To) / To, in hundredths and rounded half up;
// Tx >= To >= 1 as the walk goes by time.
long long PointsHundredths(long long f, long long tx, long long to)
{
    return (2 * f * (tx - to) + to) / (2 * to);
}

std::vector<const RacerRecord*> Records(const CalculatedField& field)
{
    std::vector<const RacerRecord*> records;
    records.reserve(field.racers.size());
    for (const CalcRacer& racer : field.racers)
        records.push_back(&racer.racer);
    return records;
}

std::vector<std::size_t> Sorted(const AppContext& ctx, Operator& op, const CalculatedField& field, int by)
{
    op.ProgressStart(ctx.Text(calc_text::kSorting), static_cast<int>(field.racers.size()));
    RacerOrder sorted = SortRacers(Records(field), by, 'A');
    op.ProgressEnd();
    return std::move(sorted.order);  // field and direction are always valid here
}

}  // namespace

bool IsRecreationalCategory(std::string_view category, std::string_view raceLevel)
{
    const std::string level = ToUpper(Trim(raceLevel));
    if (level == "SRS" || level == "LGR")
        return false;
    const std::string code = ToUpper(Trim(category));
    static constexpr std::array<std::string_view, 10> kTwo = {"EL", "JA", "JB", "KA", "KB",
                                                              "SA", "R6", "R8", "U6", "U8"};
    static constexpr std::array<std::string_view, 7> kThree = {"U10", "R10", "R12", "R14", "R16", "R18", "R21"};
    if (code.size() == 2)
        return (code[0] == 'M' && code[1] >= 'A' && code[1] <= 'M') ||
               std::find(kTwo.begin(), kTwo.end(), code) != kTwo.end();
    return code.size() == 3 && std::find(kThree.begin(), kThree.end(), code) != kThree.end();
}

bool HasNoCard(std::string_view card)
{
    return Trim(card).find_first_not_of('0') == std::string::npos;
}

void TotalTimes(const AppContext& ctx, Operator& op, CalculatedField& field)
{
    const std::string& level = ctx.race.header.values.raceLevel;
    bool told = IsRecreationalRace(ctx);
    for (CalcRacer& entry : field.racers) {
        RacerRecord& racer = entry.racer;
        if (field.oneRun) {
            racer.totalTime = racer.time1;
        } else {
            const long long run1 = FixedUnits(racer.time1, 2);
            const long long run2 = FixedUnits(racer.time2, 2);
            racer.totalTime = run1 == 0 || run2 == 0 ? 0.0f : Stored(ctx, op, run1 + run2, 3);
        }
        if (!told && IsRecreationalCategory(racer.category, level)) {
            told = true;
            op.Message({ctx.Text(text::kQueryTitle), ctx.Text(calc_text::kRecreationalRemoved),
                        {ctx.Text(text::kOkay)}, MessageIcon::Information});
        }
    }
}

void OrderByTime(const AppContext& ctx, Operator& op, CalculatedField& field)
{
    field.timeOrder = Sorted(ctx, op, field, kTotalTime);
}

void RacePointsAndPositions(const AppContext& ctx, Operator& op, CalculatedField& field, double fValue)
{
    const std::string& level = ctx.race.header.values.raceLevel;
    const long long f = FixedUnits(fValue, 2);
    long long winner = 0;
    field.withPoints = 0;
    op.ProgressStart(ctx.Text(calc_text::kCalculatingPoints), static_cast<int>(field.timeOrder.size()));
    int step = 0;
    for (const std::size_t k : field.timeOrder) {
        RacerRecord& racer = field.racers[k].racer;
        const long long total = FixedUnits(racer.totalTime, 2);
        op.ProgressStep(++step, "");
        if (total <= 0 || HasNoCard(racer.card) || IsRecreationalCategory(racer.category, level)) {
            racer.racePoints = kNoRacePoints;
            continue;
        }
        if (winner == 0)
            winner = total;
        racer.racePoints = Stored(ctx, op, PointsHundredths(f, total, winner), 4);
        ++field.withPoints;
    }
    op.ProgressEnd();

    field.finishOrder = Sorted(ctx, op, field, kRacePoints);
    op.ProgressStart(ctx.Text(calc_text::kCalculatingFinishOrder), static_cast<int>(field.finishOrder.size()));
    int position = 0;
    step = 0;
    for (const std::size_t k : field.finishOrder) {
        RacerRecord& racer = field.racers[k].racer;
        op.ProgressStep(++step, "");
        // A racer who lost his result must not keep an old place.
        racer.position = racer.racePoints < kPlacedBelow ? static_cast<float>(++position) : 0.0f;
    }
    op.ProgressEnd();
}

}  // namespace skitally
