#include "racefile/header_entry.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "app/form_fields.h"
#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/run_count.h"
#include "racefile/discipline_change.h"
#include "racefile/field_values.h"
#include "racefile/race_change.h"
#include "racefile/race_open.h"
#include "racefile/racer_codes.h"
#include "racefile/racer_file.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kDateLocationCaption = 4003;
constexpr int kTitleLineCaption = 8300;
constexpr int kFooterLineCaption = 8301;
constexpr int kDisciplineCaption = 8302;
constexpr int kGenderCaption = 8303;
constexpr int kLevelCaption = 8304;
constexpr int kValidLevels = 8305;
constexpr int kNotAField = 8306;
constexpr int kMustBeNumber = 8307;
constexpr int kKinderKombiNotFis = 2033;
constexpr int kInvalidRaceType = 13;
constexpr int kInvalidGender = 14;

constexpr int kLineWidth = 65;
constexpr int kDateLocationWidth = 43;
constexpr std::array<const char*, 4> kRaceLevels = {"FIS", "NAT", "SRS", "LGR"};

std::string Numbered(const char* key, std::size_t n)
{
    return key + std::to_string(n + 1);
}

std::string NumberedCaption(const AppContext& ctx, int id, std::size_t n)
{
    return FillPlaceholder(ctx.Text(id), "XnnnX", std::to_string(n + 1));
}

// The discipline's name beside its code, as the screen shows it.
std::string DisciplineHelp(const AppContext& ctx, std::string_view code)
{
    const int id = DisciplineNameId(code);
    return id != 0 ? ctx.Text(id) : std::string();
}

std::string ChoiceRefusal(const std::vector<FieldChoice>& choices, const std::string& value, const std::string& refusal)
{
    const std::string typed = ToUpper(Trim(value));
    for (const FieldChoice& choice : choices)
        if (typed == choice.value)
            return {};
    return refusal;
}

std::vector<FieldChoice> DisciplineChoices(const AppContext& ctx)
{
    std::vector<FieldChoice> choices;
    for (const DisciplineInfo& discipline : Disciplines())
        choices.push_back({discipline.code, DisciplineHelp(ctx, discipline.code)});
    return choices;
}

std::vector<FieldChoice> Codes(std::initializer_list<const char*> codes)
{
    std::vector<FieldChoice> choices;
    for (const char* code : codes)
        choices.push_back({code, ""});
    return choices;
}

FieldForm HeaderForm(const AppContext& ctx, const HeaderFile& header)
{
    FieldForm form{StripAccelerator(ctx.Text(text::kHeaderCommand)), {}};
    for (std::size_t n = 0; n < header.titles.size(); ++n)
        form.fields.push_back({Numbered("title", n), NumberedCaption(ctx, kTitleLineCaption, n), header.titles[n],
                               kLineWidth, FieldKind::Text, ""});
    const RaceHeaderValues& values = header.values;
    FormField date{"date", ctx.Text(kDateLocationCaption), values.dateLocation, kDateLocationWidth,
                   FieldKind::DateLocation, ""};
    date.check = RefuseUnless(ctx, date.caption, [](const std::string& typed) {
        return IsDateLocation(typed, kDateLocationWidth);
    });
    form.fields.push_back(std::move(date));

    FormField discipline{"discipline", ctx.Text(kDisciplineCaption), values.discipline, 2, FieldKind::Upper,
                         DisciplineHelp(ctx, values.discipline)};
    discipline.choices = DisciplineChoices(ctx);
    discipline.check = [&ctx](const std::string& value) {
        return CanonicalDiscipline(value) ? std::string() : ctx.texts.ErrorText(kInvalidRaceType);
    };
    form.fields.push_back(std::move(discipline));

    // "B" is offered, the codex decides at the end whether it may stay.
    FormField gender{"gender", ctx.Text(kGenderCaption), values.gender, 1, FieldKind::Upper, ""};
    gender.choices = Codes({"M", "F", "B"});
    gender.check = [&ctx, choices = gender.choices](const std::string& value) {
        return ChoiceRefusal(choices, value, ctx.texts.ErrorText(kInvalidGender));
    };
    form.fields.push_back(std::move(gender));
    for (std::size_t n = 0; n < header.footers.size(); ++n)
        form.fields.push_back({Numbered("footer", n), NumberedCaption(ctx, kFooterLineCaption, n), header.footers[n],
                               kLineWidth, FieldKind::Text, ""});
    // A blank level reads as national: the drop-down says so.
    FormField level{"level", ctx.Text(kLevelCaption), Trim(values.raceLevel).empty() ? "NAT" : values.raceLevel, 3,
                    FieldKind::Upper, ""};
    level.choices = Codes({"FIS", "NAT", "SRS", "LGR"});
    level.check = [&ctx, choices = level.choices](const std::string& value) {
        // A blank level is national.
        return Trim(value).empty() ? std::string() : ChoiceRefusal(choices, value, ctx.Text(kValidLevels));
    };
    form.fields.push_back(std::move(level));
    return form;
}

bool GenderAllowed(const std::string& gender, std::string_view codex)
{
    if (gender == "M" || gender == "F")
        return true;
    // Both genders race together only in recreational races.
    return gender == "B" && (Trim(codex).empty() || IsRecreationalCodex(codex));
}

// Checks the typed parameters, all before the discipline change, which is
// the only step that touches the racers. Fills `accepted` when they pass.
bool CheckHeaderForm(AppContext& ctx, Operator& op, FieldForm& form, const std::string& currentDiscipline,
                     RaceHeaderValues& accepted, FileTransaction& change)
{
    FormField& disciplineField = *FindFormField(form, "discipline");
    const std::optional<std::string> discipline = CanonicalDiscipline(disciplineField.value);
    if (!discipline) {
        ShowNumberedError(ctx, op, kInvalidRaceType);
        return false;
    }
    disciplineField.value = *discipline;
    disciplineField.help = DisciplineHelp(ctx, *discipline);

    FormField& levelField = *FindFormField(form, "level");
    std::string level = ToUpper(Trim(levelField.value));
    if (level.empty())
        level = "NAT";
    if (std::find(kRaceLevels.begin(), kRaceLevels.end(), level) == kRaceLevels.end()) {
        ShowEntryError(ctx, op, ctx.Text(kValidLevels));
        return false;
    }
    levelField.value = level;
    if (!DisciplineAllowedAtLevel(*discipline, level)) {
        ShowMessage(ctx, op, ctx.Text(kKinderKombiNotFis));
        return false;
    }

    FormField& genderField = *FindFormField(form, "gender");
    const std::string gender = ToUpper(Trim(genderField.value));
    if (!GenderAllowed(gender, ctx.race.jury.Codex())) {
        ShowNumberedError(ctx, op, kInvalidGender);
        return false;
    }
    genderField.value = gender;

    const std::optional<std::string> changed = ChangeRaceDiscipline(ctx, op, currentDiscipline, *discipline, level, change);
    if (!changed)
        return false;
    accepted.dateLocation = TrimRight(FindFormField(form, "date")->value);
    accepted.discipline = *changed;
    accepted.gender = gender;
    accepted.raceLevel = level;
    return true;
}

// The racer file with every live racer refilled: seed points always, the
// card only when it changes family.
Status RefilledRacerFile(const std::string& path, const std::string& to, bool cardFamily, std::string& bytes)
{
    std::string old;
    if (Status read = ReadWholeFile(path, old); !read)
        return read;
    bytes = RewriteLiveRacers(std::move(old), [&](RacerRecord& racer) {
        const std::string card = racer.card;
        DisciplineCard(racer, to);
        if (!cardFamily)
            racer.card = card;
    });
    return Status::Ok();
}

void ShowNotWritten(const AppContext& ctx, Operator& op, const std::string& path, const Status& failed)
{
    ShowFileFailure(ctx, op, text::kRaceFileNotWritten, path, failed);
}

bool IsNumberText(std::string_view text, bool whole)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.' && !point && !whole)
            point = true;
        else
            return false;
    }
    return digits > 0;
}

// Texts longer than their column would be cut on writing. Coded fields
// (discipline, level, units...) say what they take in their own checks.
bool TextsFit(const AppContext& ctx, Operator& op, const FieldForm& form)
{
    for (const FormField& field : form.fields) {
        if (field.kind == FieldKind::Text && !FitsWidth(TrimRight(field.value), field.width)) {
            ShowValueRefused(ctx, op, field.caption, Trim(field.value));
            return false;
        }
    }
    return true;
}

}  // namespace

bool HeaderEntry(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    HeaderFile header;
    // A new race has no header file yet: the screen starts blank.
    ReadHeaderFile(ctx.race.File("HDR"), header);
    FieldForm form = HeaderForm(ctx, header);
    RaceHeaderValues accepted = header.values;
    const std::string current = header.values.discipline;
    // The racers refilled for a new discipline are written with the header.
    FileTransaction change(RaceJournal(ctx.race));
    const FormCheck check = [&](FieldForm& typed) {
        return CheckHeaderForm(ctx, op, typed, current, accepted, change);
    };
    if (!RunHeaderForm(ctx, op, form, args, check))
        return false;
    for (std::size_t n = 0; n < header.titles.size(); ++n)
        header.titles[n] = TrimRight(FindFormField(form, Numbered("title", n))->value);
    for (std::size_t n = 0; n < header.footers.size(); ++n)
        header.footers[n] = TrimRight(FindFormField(form, Numbered("footer", n))->value);
    header.values = accepted;
    if (!WriteRaceHeader(ctx, op, header, change))
        return false;
    // A discipline raced in one run asks how many this race has, once, when
    // it is entered.
    if (accepted.discipline != current && NormallyOneRun(accepted.discipline))
        AskRunCount(ctx, op, accepted.discipline);
    return true;
}

bool RunHeaderForm(AppContext& ctx, Operator& op, FieldForm& form, const std::vector<std::string>& args,
                   const FormCheck& check)
{
    if (!args.empty()) {
        for (const std::string& arg : args) {
            const std::size_t equals = arg.find('=');
            const std::string key = Trim(arg.substr(0, equals));
            FormField* field = equals == std::string::npos ? nullptr : FindFormField(form, key);
            if (!field) {
                ShowEntryError(ctx, op, FillPlaceholder(ctx.Text(kNotAField), "XnnnX", key));
                return false;
            }
            field->value = arg.substr(equals + 1);
            // Each argument is checked as its field checks it on the form.
            if (const std::string refusal = FieldRefusal(*field); !refusal.empty()) {
                ShowEntryError(ctx, op, refusal);
                return false;
            }
        }
        return TextsFit(ctx, op, form) && check(form);
    }
    for (;;) {
        if (!op.EditForm(form))
            return false;
        // The front ends keep a refused field open; this holds for any other.
        std::string refusal;
        if (FirstRefusedField(form, refusal)) {
            ShowEntryError(ctx, op, refusal);
            continue;
        }
        // A refusal of the whole form opens it again with what was typed.
        if (TextsFit(ctx, op, form) && check(form))
            return true;
    }
}

FormField* FindFormField(FieldForm& form, std::string_view key)
{
    const std::string wanted = ToUpper(key);
    for (FormField& field : form.fields)
        if (ToUpper(field.key) == wanted)
            return &field;
    return nullptr;
}

std::string FormValue(const FieldForm& form, std::string_view key)
{
    const std::string wanted = ToUpper(key);
    for (const FormField& field : form.fields)
        if (ToUpper(field.key) == wanted)
            return Trim(field.value);
    return {};
}

void ShowEntryError(const AppContext& ctx, Operator& op, const std::string& text)
{
    ShowErrorMessage(ctx, op, text);
}

std::string NumberFieldRefusal(const AppContext& ctx, const FormField& field)
{
    const std::string value = Trim(field.value);
    if (value.empty() || IsNumberText(value, field.kind == FieldKind::Integer))
        return {};
    return FillPlaceholder(ctx.Text(kMustBeNumber), "XnnnX", field.caption);
}

bool CheckNumberField(const AppContext& ctx, Operator& op, const FormField& field)
{
    const std::string refusal = NumberFieldRefusal(ctx, field);
    if (!refusal.empty())
        ShowEntryError(ctx, op, refusal);
    return refusal.empty();
}

bool RefusedForLeague(const AppContext& ctx, Operator& op)
{
    if (ToUpper(Trim(ctx.race.header.values.raceLevel)) != "LGR")
        return false;
    ShowMessage(ctx, op, ctx.Text(text::kNotForLeague));
    return true;
}

std::optional<std::string> ChangeRaceDiscipline(AppContext& ctx, Operator& op, const std::string& current,
                                                const std::string& typed, const std::string& raceLevel,
                                                FileTransaction& change)
{
    const std::string path = ctx.race.File("RCR");
    std::vector<RacerRecord> racers;
    // A race without a racer file has no racers to refill.
    ForEachLiveRacer(path, [&](int, const RacerRecord& racer) { racers.push_back(racer); });
    const RefillRacers refill = [&](const std::string& to, bool cardFamily) {
        std::string bytes;
        if (const Status refilled = RefilledRacerFile(path, to, cardFamily, bytes); !refilled) {
            ShowNotWritten(ctx, op, path, refilled);
            return false;
        }
        // A para event's racers take their factors for the new discipline
        // in the same change; the hook shows which racers have none.
        if (ctx.hooks.refactorRacers && !ctx.hooks.refactorRacers(ctx, op, to, bytes))
            return false;
        change.Replace(path, std::move(bytes));
        return true;
    };
    return ChangeDiscipline(ctx, op, {current, typed, raceLevel}, racers, refill);
}

bool WriteHeaderPart(AppContext& ctx, Operator& op, const std::string& path, const std::function<Status()>& write)
{
    op.ProgressStart(ctx.Text(text::kWritingFile), 1);
    const Status written = write();
    op.ProgressStep(1, {});
    op.ProgressEnd();
    if (!written) {
        ctx.log.Write("Not written: " + path + ": " + written.error());
        ShowNotWritten(ctx, op, path, written);
    }
    return written.ok();
}

bool WriteRaceHeader(AppContext& ctx, Operator& op, const HeaderFile& header, FileTransaction& change)
{
    change.Replace(ctx.race.File("HDR"), HeaderFileBytes(header));
    if (!CommitRaceChange(ctx, op, change))
        return false;
    ReadHeader(ctx);
    return true;
}

}  // namespace skitally
