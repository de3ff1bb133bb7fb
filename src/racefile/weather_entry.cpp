#include "racefile/weather_entry.h"

#include "racefile/discipline_change.h"
#include "racefile/field_values.h"
#include "racefile/header_entry.h"
#include "racefile/race_change.h"
#include "racefile/race_open.h"
#include "racefile/racer_text.h" // ReadNumber
#include "racefile/weather_file.h"
#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kWeatherTitle = 4300;
constexpr int kWeatherCaption = 4307;
constexpr int kSnowCaption = 4308;
constexpr int kTopCaption = 4309;
constexpr int kBottomCaption = 4310;
constexpr int kFCaption = 4311;
constexpr int kZCaption = 4312;
constexpr int kAdderCaption = 4313;
constexpr int kMinPenaltyCaption = 4325;
constexpr int kMaxPenaltyCaption = 4326;

FieldForm WeatherForm(const AppContext& ctx, const WeatherData& weather)
{
    // No F (ski cross) shows as a blank field, not as 0.
    const std::string f = weather.fValue > 0 ? FormatFixed(weather.fValue, 1, 0) : std::string();
    return {
        ctx.Text(kWeatherTitle),
        {{"weather", ctx.Text(kWeatherCaption), weather.weather, 30, FieldKind::Text, ""},
         {"snow", ctx.Text(kSnowCaption), weather.snow, 19, FieldKind::Text, ""},
         {"temptop", ctx.Text(kTopCaption), weather.tempTop, 5, FieldKind::Decimal, ""},
         {"tempbottom", ctx.Text(kBottomCaption), weather.tempBottom, 5, FieldKind::Decimal, ""},
         {"f", ctx.Text(kFCaption), f, 4, FieldKind::Integer, ""},
         {"z", ctx.Text(kZCaption), FormatFixed(weather.zValue, 1, 2), 6, FieldKind::Decimal, ""},
         {"adder", ctx.Text(kAdderCaption), FormatFixed(weather.categoryAdder, 1, 0), 2, FieldKind::Integer, ""},
         {"minpenalty", ctx.Text(kMinPenaltyCaption), FormatFixed(weather.minPenalty, 1, 2), 7, FieldKind::Decimal, ""},
         {"maxpenalty", ctx.Text(kMaxPenaltyCaption), FormatFixed(weather.maxPenalty, 1, 2), 7, FieldKind::Decimal,
          ""}}};
}

WeatherData WeatherFromForm(const FieldForm& form)
{
    WeatherData weather;
    weather.weather = FormValue(form, "weather");
    weather.snow = FormValue(form, "snow");
    weather.tempTop = FormValue(form, "temptop");
    weather.tempBottom = FormValue(form, "tempbottom");
    weather.fValue = ReadNumber(FormValue(form, "f"));
    weather.zValue = ReadNumber(FormValue(form, "z"));
    weather.categoryAdder = ReadNumber(FormValue(form, "adder"));
    weather.minPenalty = ReadNumber(FormValue(form, "minpenalty"));
    weather.maxPenalty = ReadNumber(FormValue(form, "maxpenalty"));
    return weather;
}

// Each number as the weather file writes it: the temperatures as typed,
// the adder whole, Z and the penalties with two decimals. (Texts are
// checked with every header screen's.)
bool WeatherValueFits(const FormField& field)
{
    const std::string value = Trim(field.value);
    if (value.empty() || field.kind == FieldKind::Text)
        return true;
    if (field.key == "f")
        return IsWholeNumberIn(value, kLowestFValue, kHighestFValue);
    if (field.key == "temptop" || field.key == "tempbottom")
        return FitsWidth(value, field.width);
    const int decimals = field.kind == FieldKind::Integer ? 0 : 2;
    return FitsWidth(FormatFixed(ReadNumber(value), 1, decimals), field.width);
}

// Each number is checked as it is left: a number at all, then what its
// column holds. F steps through its range in a spin box, as does the adder.
void AddFieldChecks(const AppContext& ctx, FieldForm& form)
{
    for (FormField& field : form.fields) {
        if (field.kind == FieldKind::Text)
            continue;
        if (field.key == "f")
            field.range = FieldRange{kLowestFValue, kHighestFValue};
        else if (field.key == "adder")
            field.range = FieldRange{0, 99};
        field.check = [&ctx, field](const std::string& value) {
            FormField typed = field;
            typed.value = value;
            if (std::string refusal = NumberFieldRefusal(ctx, typed); !refusal.empty())
                return refusal;
            return WeatherValueFits(typed) ? std::string() : ValueRefusedText(ctx, field.caption, Trim(value));
        };
    }
}

// The numbers first, then the F value, which may change the discipline
// (and the racers) and so comes last. `discipline` is the race's
// discipline after the F value.
bool CheckWeatherForm(AppContext& ctx, Operator& op, const FieldForm& form, std::string& discipline,
                      FileTransaction& change)
{
    for (const FormField& field : form.fields) {
        if (field.kind != FieldKind::Text && !CheckNumberField(ctx, op, field))
            return false;
        if (!WeatherValueFits(field)) {
            ShowValueRefused(ctx, op, field.caption, Trim(field.value));
            return false;
        }
    }
    const RaceHeaderValues& values = ctx.race.header.values;
    const std::string wanted = DisciplineAfterFValue(ctx, op, values.discipline, ReadNumber(FormValue(form, "f")));
    if (wanted == Trim(values.discipline)) {
        discipline = wanted;
        return true;
    }
    const std::optional<std::string> changed =
        ChangeRaceDiscipline(ctx, op, values.discipline, wanted, values.raceLevel, change);
    if (!changed)
        return false;
    discipline = *changed;
    return true;
}

}  // namespace

bool WeatherEntry(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (RefusedForLeague(ctx, op))
        return false;
    const std::string path = ctx.race.File("WTH");
    WeatherData weather;
    ReadWeatherFile(path, ctx.race.header.values.discipline, weather); // none yet: the discipline's F
    FieldForm form = WeatherForm(ctx, weather);
    AddFieldChecks(ctx, form);
    std::string discipline = ctx.race.header.values.discipline;
    // A new discipline's racers and header are written with the weather.
    FileTransaction change(RaceJournal(ctx.race));
    const FormCheck check = [&](FieldForm& typed) { return CheckWeatherForm(ctx, op, typed, discipline, change); };
    if (!RunHeaderForm(ctx, op, form, args, check))
        return false;

    if (discipline != ctx.race.header.values.discipline) {
        HeaderFile header;
        if (Status read = ReadHeaderFile(ctx.race.File("HDR"), header); !read)
            header = ctx.race.header;
        header.values.discipline = discipline;
        change.Replace(ctx.race.File("HDR"), HeaderFileBytes(header));
    }
    change.Replace(path, WeatherFileBytes(WeatherFromForm(form)));
    if (!CommitRaceChange(ctx, op, change))
        return false;
    ReadHeader(ctx);
    return true;
}

}  // namespace skitally
