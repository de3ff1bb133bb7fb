#include "entries/racer_form.h"

#include "app/messages.h"
#include "entries/entry_support.h"
#include "entries/entry_text_ids.h"
#include "entries/hand_points.h"
#include "racefile/field_values.h"
#include "racefile/racer_names.h"
#include "racefile/racer_codes.h"
#include "racefile/racer_text.h"
#include "util/tokens.h"

namespace skitally {

namespace {

FieldTableRow TextRow(int width, const std::string& prompt)
{
    return {"A", std::string(static_cast<std::size_t>(width), 'X'), width, prompt};
}

bool IsFourDigits(const std::string& text)
{
    return text.size() == 4 && text.find_first_not_of("0123456789") == std::string::npos;
}

// A record written before version numbers holds 0 for "no points": made
// explicit before the record is written with this version's number.
void UpgradePoints(RacerRecord& racer)
{
    if (racer.formatVersion == 0.0f)
        for (int field = kPointsDH; field <= kPointsKK; ++field)
            if (*racer.SingleField(field) == 0.0f)
                *racer.SingleField(field) = -1.0f;
    racer.formatVersion = kRacerFormatVersion;
}

}  // namespace

EntryScreen RacerScreen(const AppContext& ctx, Operator& op, const std::string& title, const RacerRecord& racer,
                        bool withName)
{
    const std::string discipline = RaceDiscipline(ctx);
    const int nationCaption = RaceLevel(ctx) == "NAT" ? text::kDivisionCaption : text::kNationCaption;
    std::vector<ScreenField> fields;
    if (withName) {
        const RacerName name = SplitStoredName(racer.name);
        fields.push_back({"last", TextRow(kNameWidth, ctx.Text(text::kLastNameCaption)), name.last, true, ""});
        fields.push_back({"first", TextRow(kNameWidth, ctx.Text(text::kFirstNameCaption)), name.first, false, ""});
    }
    fields.push_back({"card", {"I", "#######", 7, ctx.Text(text::kCardCaption)}, Trim(racer.card), false, ""});
    fields.push_back({"nation", TextRow(5, ctx.Text(nationCaption)), Trim(racer.nation), true, ""});
    fields.push_back({"club", TextRow(5, ctx.Text(text::kClubCaption)), Trim(racer.club), true, ""});
    fields.push_back({"category", TextRow(3, ctx.Text(text::kCategoryCaption)), Trim(racer.category), true, ""});
    fields.push_back({"gender", TextRow(1, ctx.Text(text::kGenderCaption)), Trim(racer.gender), true, "",
                      [&ctx](const std::string& value) {
                          const std::string gender = ToUpper(Trim(value));
                          return gender == "M" || gender == "F" ? std::string()
                                                                : ctx.texts.ErrorText(text::kErrorInvalidGender);
                      },
                      {{"M", ""}, {"F", ""}}});
    const std::string yearCaption = ctx.Text(text::kBirthYearCaption);
    fields.push_back({"birthyear", {"I", "####", 4, yearCaption}, Trim(racer.birthYear), false, "",
                      [&ctx, yearCaption](const std::string& value) {
                          const std::string year = Trim(value);
                          return year.empty() || IsFourDigits(year)
                                     ? std::string()
                                     : yearCaption + ": " + ctx.Text(text::kMustEnterFourDigits);
                      }});
    if (const int field = PointsFieldOf(discipline); field >= 0) {
        const std::string caption = FillPlaceholder(ctx.Text(text::kPointsCaption), "XdddX", discipline);
        // Below zero is refused here; too large for the race is reset to
        // "999.00" as the whole screen is taken.
        fields.push_back({"points", {"D", "####.##", 7, caption},
                          Trim(PointsText(*racer.SingleField(field), racer.formatVersion)), false, "",
                          [&ctx, caption](const std::string& value) {
                              const HandPoints points = CheckHandPoints(value, "");
                              return points.fits ? std::string() : ValueRefusedText(ctx, caption, points.text);
                          }});
    }
    fields.push_back({"group", TextRow(10, ctx.Text(text::kGroupCaption)), Trim(racer.group), true, ""});
    return BuildEntryScreen(ctx, op, title, fields);
}

bool CheckRacerScreen(const AppContext& ctx, Operator& op, EntryScreen& screen)
{
    const bool withName = HasScreenField(screen, "last");
    const std::string last = ScreenValue(screen, "last");
    const std::string first = ScreenValue(screen, "first");
    if (withName && (last.empty() || first.empty())) {
        ShowEntryRefusal(ctx, op, ctx.Text(text::kMustEnterBothNames));
        return false;
    }
    const std::string gender = ScreenValue(screen, "gender");
    if (gender != "M" && gender != "F") {
        ShowNumberedError(ctx, op, text::kErrorInvalidGender);
        return false;
    }
    const std::string birthYear = ScreenValue(screen, "birthyear");
    if (!birthYear.empty() && !IsFourDigits(birthYear)) {
        ShowEntryRefusal(ctx, op, ctx.Text(text::kMustEnterFourDigits));
        return false;
    }
    // An entered racer has a name, so a blank card is always "no card".
    SetScreenValue(screen, "card", NormaliseCard(ScreenValue(screen, "card"), withName ? last : "-").card);
    return !HasScreenField(screen, "points") || TakeHandPoints(ctx, op, screen, "points", RaceLevel(ctx));
}

void TakeRacerScreen(const AppContext& ctx, const EntryScreen& screen, RacerRecord& racer)
{
    if (HasScreenField(screen, "last"))
        racer.name = StoredName(ScreenValue(screen, "last"), ScreenValue(screen, "first"));
    racer.card = ScreenValue(screen, "card");
    racer.nation = ScreenValue(screen, "nation");
    racer.club = ScreenValue(screen, "club");
    racer.category = ScreenValue(screen, "category");
    racer.gender = ScreenValue(screen, "gender");
    racer.birthYear = ScreenValue(screen, "birthyear");
    racer.group = ScreenValue(screen, "group");
    UpgradePoints(racer);
    const std::string discipline = RaceDiscipline(ctx);
    if (const int field = PointsFieldOf(discipline); field >= 0) {
        const std::string points = ScreenValue(screen, "points");
        *racer.SingleField(field) = points.empty() ? -1.0f : ReadSingle(points);
        SetSeedPoints(racer, discipline);
    }
}

}  // namespace skitally
