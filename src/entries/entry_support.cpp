#include "entries/entry_support.h"

#include "app/form_fields.h"

#include "app/messages.h"
#include "app/text_ids.h"
#include "racefile/jury_file.h"
#include "racefile/race_open.h"
#include "racefile/racer_codes.h"
#include "racefile/racer_file.h"
#include "racefile/racer_text.h"
#include "racefile/stage_check.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kNotAField = 8306;  // "XnnnX is not a field of this screen"

}  // namespace

bool EntryRaceReady(AppContext& ctx, Operator& op, std::string_view requirements)
{
    if (!ctx.race.open) {
        op.Message({ctx.Text(text::kMessageTitle), ctx.Text(text::kNoRaceOpen), {ctx.Text(text::kOkay)},
                    MessageIcon::Exclamation});
        return false;
    }
    if (!RaceFileExists(ctx, op, requirements))
        return false;
    ReadHeader(ctx);
    JuryData jury;
    if (ReadJuryFile(ctx.race.File("JRY"), jury))
        ctx.race.jury = jury;
    return true;
}

std::string RaceLevel(const AppContext& ctx)
{
    const std::string level = ToUpper(Trim(ctx.race.header.values.raceLevel));
    return level.empty() ? "NAT" : level;
}

std::string RaceDiscipline(const AppContext& ctx)
{
    return ToUpper(Trim(ctx.race.header.values.discipline));
}

std::string RaceGender(const AppContext& ctx)
{
    return ToUpper(Trim(ctx.race.header.values.gender));
}

std::vector<LiveRacer> ReadLiveRacers(const AppContext& ctx)
{
    std::vector<LiveRacer> racers;
    ForEachLiveRacer(ctx.race.File("RCR"),
                     [&](int number, const RacerRecord& record) { racers.push_back({number, record}); });
    return racers;
}

std::string RacerFileKey(std::string_view name, std::string_view card)
{
    // The name's length first, so that no name and card run into another's.
    const std::string upper = ToUpper(Trim(name));
    return std::to_string(upper.size()) + ":" + upper + Trim(card);
}

bool RacerOnFile(const std::vector<LiveRacer>& racers, std::string_view name, std::string_view card, int except)
{
    const std::string wanted = RacerFileKey(name, card);
    for (const LiveRacer& racer : racers)
        if (racer.number != except && RacerFileKey(racer.record.name, racer.record.card) == wanted)
            return true;
    return false;
}

void ShowEntryRefusal(const AppContext& ctx, Operator& op, const std::string& text)
{
    ShowErrorMessage(ctx, op, text);
}

std::string WithDetail(const AppContext& ctx, int textId, const std::string& detail)
{
    return ctx.Text(textId) + (detail.empty() ? "" : "\n" + detail);
}

void ShowNotSaved(const AppContext& ctx, Operator& op, const std::string& path, const Status& failed)
{
    ShowFileFailure(ctx, op, text::kRaceFileNotWritten, path, failed);
}

bool WriteRaceRacer(const AppContext& ctx, Operator& op, int number, const RacerRecord& racer)
{
    const std::string path = ctx.race.File("RCR");
    RacerFile file;
    Status written = file.Open(path, RacerFileMode::Update);
    if (written)
        written = file.WriteRacer(number, racer);
    if (!written)
        ShowNotSaved(ctx, op, path, written);
    return written.ok();
}

void SetSeedPoints(RacerRecord& racer, const std::string& discipline)
{
    const int field = PointsFieldOf(discipline);
    if (field >= 0)
        racer.seedPoints = PointsText(*racer.SingleField(field));
}

FormField* FormFieldByKey(FieldForm& form, std::string_view key)
{
    const std::string wanted = ToUpper(Trim(key));
    for (FormField& field : form.fields)
        if (ToUpper(field.key) == wanted)
            return &field;
    return nullptr;
}

bool FillFormFromArguments(const AppContext& ctx, Operator& op, FieldForm& form,
                           const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        const std::size_t equals = arg.find('=');
        FormField* field = equals == std::string::npos ? nullptr : FormFieldByKey(form, arg.substr(0, equals));
        if (!field) {
            ShowEntryRefusal(ctx, op, FillPlaceholder(ctx.Text(kNotAField), "XnnnX", Trim(arg.substr(0, equals))));
            return false;
        }
        field->value = arg.substr(equals + 1);
        // Each argument is checked as its field checks it on the form.
        if (const std::string refusal = FieldRefusal(*field); !refusal.empty()) {
            ShowEntryRefusal(ctx, op, refusal);
            return false;
        }
    }
    return true;
}

}  // namespace skitally
