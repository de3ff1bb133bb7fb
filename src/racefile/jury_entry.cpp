#include "racefile/jury_entry.h"

#include <optional>

#include "app/text_ids.h"
#include "racefile/header_entry.h"
#include "racefile/jury_file.h"
#include "racefile/jury_unit.h"
#include "racefile/race_codex.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kRun1Caption = 4431;
constexpr int kRun2Caption = 4432;
constexpr int kUnitCaption = 8308;  // "UNITS (M = METRES, F = FEET)"
constexpr int kValidUnits = 8309;   // "VALID UNITS: M = METRES, F = FEET"
constexpr const char* kUnitKey = "unit";
// "NAME - NATION": the two jury columns and the dash between them.
constexpr int kJuryEntryWidth = 19 + 3 + 19;
constexpr int kTechnicalWidth = 16;

constexpr const char* kSlotKeys[kJurySlotCount] = {
    "td",           "tdcandidate",   "chiefofrace",   "referee",    "asstreferee", "chiefofcourse",
    "startreferee", "finishreferee", "administrator", "chieftiming"};
constexpr const char* kRowKeys[kTechnicalRowCount] = {"course", "startelev",    "finishelev", "drop",
                                                      "length", "homologation", "codex"};

bool TdCandidateOption(const AppContext& ctx)
{
    const std::string option = ToUpper(Trim(ctx.settings->Get("OptJry", "OptTD")));
    return option == "1" || option == "YES";
}

// The combined events run two courses, each with its own technical data.
bool TwoCourses(std::string_view discipline)
{
    const std::string code = Trim(discipline);
    return code == "SC" || code == "AC";
}

// The codex is the race's, never per course.
bool HasRun2(TechnicalRow row, bool twoCourses)
{
    return twoCourses && row != kCodexNumber;
}

// The letter the screen shows for a unit, and the unit of a typed letter
// (or of the sign itself).
std::string UnitLetter(LengthUnit unit)
{
    return unit == LengthUnit::Feet ? "F" : "M";
}

std::optional<LengthUnit> UnitOfLetter(std::string_view typed)
{
    const std::string letter = ToUpper(Trim(typed));
    if (letter == "M")
        return LengthUnit::Metres;
    if (letter == "F" || letter == UnitSign(LengthUnit::Feet))
        return LengthUnit::Feet;
    return std::nullopt;
}

std::string RowKey(TechnicalRow row, int run)
{
    if (row == kCodexNumber)
        return kRowKeys[row];
    return kRowKeys[row] + std::to_string(run);
}

// The values of the rows with a unit are shown without their sign, which
// the unit field stands for.
FieldForm JuryForm(const AppContext& ctx, const JuryData& jury, bool tdCandidate, const std::string& discipline,
                   const std::string& raceLevel, LengthUnit unit)
{
    FieldForm form{StripAccelerator(ctx.Text(text::kJuryCommand)), {}};
    for (int n = 0; n < kJurySlotCount; ++n) {
        const auto slot = static_cast<JurySlot>(n);
        if (JurySlotShown(slot, tdCandidate, discipline))
            form.fields.push_back(
                {kSlotKeys[n], ctx.Text(JurySlotTextId(slot)), jury.jury[n], kJuryEntryWidth, FieldKind::Text, ""});
    }
    const bool twoCourses = TwoCourses(discipline);
    for (int n = 0; n < kTechnicalRowCount; ++n) {
        const auto row = static_cast<TechnicalRow>(n);
        const FieldKind kind = row == kCodexNumber ? FieldKind::Upper : FieldKind::Text;
        const std::string label = ctx.Text(TechnicalRowTextId(row));
        const bool withSign = CarriesUnitSign(row);
        // Room is left for the sign in the file's column.
        const int width = withSign ? kTechnicalWidth - 1 : kTechnicalWidth;
        const std::string run1 = withSign ? WithoutUnitSign(jury.technical[n].run1) : jury.technical[n].run1;
        const std::string run2 = withSign ? WithoutUnitSign(jury.technical[n].run2) : jury.technical[n].run2;
        if (!HasRun2(row, twoCourses)) {
            form.fields.push_back({RowKey(row, 1), label, run1, width, kind, ""});
            // The codex is checked as it is left, so one wrong codex does
            // not send the operator through the whole form again.
            if (row == kCodexNumber)
                form.fields.back().check = [&ctx, raceLevel](const std::string& value) {
                    const int error = CodexErrorNumber(ToUpper(Trim(value)), raceLevel);
                    return error == 0 ? std::string() : ctx.texts.ErrorText(error);
                };
            continue;
        }
        form.fields.push_back({RowKey(row, 1), label + " " + ctx.Text(kRun1Caption), run1, width, kind, ""});
        form.fields.push_back({RowKey(row, 2), label + " " + ctx.Text(kRun2Caption), run2, width, kind, ""});
    }
    FormField unitField{kUnitKey, ctx.Text(kUnitCaption), UnitLetter(unit), 1, FieldKind::Upper, ""};
    unitField.choices = {{"M", ""}, {"F", ""}};
    unitField.check = [&ctx](const std::string& value) {
        return UnitOfLetter(value) ? std::string() : ctx.Text(kValidUnits);
    };
    form.fields.push_back(std::move(unitField));
    return form;
}

// What the screen holds; whatever it does not show is blank.
JuryData JuryFromForm(const FieldForm& form, bool twoCourses, LengthUnit unit)
{
    JuryData jury;
    for (int n = 0; n < kJurySlotCount; ++n)
        jury.jury[n] = FormValue(form, kSlotKeys[n]);
    for (int n = 0; n < kTechnicalRowCount; ++n) {
        const auto row = static_cast<TechnicalRow>(n);
        TechnicalValues& values = jury.technical[n];
        values.run1 = FormValue(form, RowKey(row, 1));
        if (HasRun2(row, twoCourses))
            values.run2 = FormValue(form, RowKey(row, 2));
        if (CarriesUnitSign(row)) {
            values.run1 = WithUnitSign(values.run1, unit);
            values.run2 = WithUnitSign(values.run2, unit);
        }
    }
    jury.technical[kCodexNumber].run1 = ToUpper(jury.technical[kCodexNumber].run1);
    return jury;
}

}  // namespace

bool JuryEntry(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (RefusedForLeague(ctx, op))
        return false;
    const RaceHeaderValues& values = ctx.race.header.values;
    const std::string path = ctx.race.File("JRY");
    JuryData jury;
    ReadJuryFile(path, jury); // none yet: a blank screen
    const bool twoCourses = TwoCourses(values.discipline);
    LengthUnit unit = UnitOfJury(jury).value_or(JuryUnitOption(*ctx.settings));
    FieldForm form = JuryForm(ctx, jury, TdCandidateOption(ctx), values.discipline, values.raceLevel, unit);

    const FormCheck check = [&](FieldForm& typed) {
        const std::optional<LengthUnit> typedUnit = UnitOfLetter(FormValue(typed, kUnitKey));
        if (!typedUnit) {
            ShowEntryError(ctx, op, ctx.Text(kValidUnits));
            return false;
        }
        unit = *typedUnit;
        FormField& codex = *FindFormField(typed, "codex");
        codex.value = ToUpper(Trim(codex.value));
        return CheckRaceCodex(ctx, op, codex.value, values.raceLevel);
    };
    if (!RunHeaderForm(ctx, op, form, args, check))
        return false;
    jury = JuryFromForm(form, twoCourses, unit);
    const bool changeGender = AskGenderChangeForCodex(ctx, op, jury.Codex(), values.gender);
    if (!WriteHeaderPart(ctx, op, path, [&] { return WriteJuryFile(path, jury); }))
        return false;
    SetJuryUnitOption(*ctx.settings, unit);
    ReadJuryFile(path, ctx.race.jury);
    // The gender check of the header screen reads the codex just written.
    if (changeGender)
        HeaderEntry(ctx, op, {});
    return true;
}

}  // namespace skitally
