#include "times/typed_run.h"

#include "app/text_ids.h"
#include "entries/field_parms.h"
#include "util/time_format.h"
#include "times/time_text_ids.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// "SSS.DD": the largest run time a record holds has three integer digits.
FieldParms SecondsParms()
{
    FieldParms parms;
    SetFldParms({"T", "###.##", 6, ""}, parms);
    return parms;
}

// Up to "HH:MM:SS.DD": a time read off a clock that ran past the hour is
// still taken, and then reported as too large for the record.
FieldParms ClockParms()
{
    FieldParms parms;
    SetFldParms({"T", "##:##:##.##", 11, ""}, parms);
    return parms;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool AllZero(std::string_view digits)
{
    return Trim(digits).find_first_of("123456789") == std::string::npos;
}

}  // namespace

bool TimeKeyAccepted(std::string_view current, char key)
{
    static const FieldParms seconds = SecondsParms();
    static const FieldParms clock = ClockParms();
    const bool clockForm = key == ':' || current.find(':') != std::string_view::npos;
    return AcceptsKey(clockForm ? clock : seconds, current, key);
}

bool StatusKeyAccepted(std::string_view current, char key)
{
    const bool letter = (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
    const bool shortcut = key == '-' || key == '*' || key == '/' || key == '+';
    return current.size() < 3 && (letter || (shortcut && current.empty()));
}

bool GateKeyAccepted(std::string_view current, char key)
{
    return current.size() < 3 && IsDigit(key);
}

TypedRunCheck CheckTypedRun(const AppContext& ctx, RunFields run, const TypedRun& typed)
{
    TypedRunCheck check;
    check.shown = {Trim(typed.time), Trim(typed.status), Trim(typed.gate)};
    TypedRun& shown = check.shown;
    RunResult result;
    if (!shown.time.empty()) {
        std::string accepted;
        for (char key : shown.time) {
            if (!TimeKeyAccepted(accepted, key)) {
                check.refusal = FillPlaceholder(ctx.Text(text::kNotARunTime), "XtttX", shown.time);
                return check;
            }
            accepted += key;
        }
        if (AllZero(accepted)) {
            check.refusal = ctx.Text(text::kRunTimeZero);
            return check;
        }
        result.seconds = TimeTextToSeconds(accepted);
        const FixedText fixed = FormatFixedValue(result.seconds, 3, 2);
        if (fixed.overflow) {
            check.notes.push_back(ctx.Text(text::kValueTooLarge) + fixed.text + ">");
            check.notes.push_back(FormatFixedMaximum(3, 2) + ctx.Text(text::kIsMaximum));
        }
        shown.time = fixed.text;
    }
    // A status stands beside a time only when typed with it (a disqualified
    // finisher); without a time one is required.
    const std::optional<std::string> status = RunStatusFromTyped(shown.status);
    if (!status || (status->empty() && shown.time.empty())) {
        check.refusal = ctx.Text(text::kMustEnterStatus);
        return check;
    }
    shown.status = *status;
    if (run == RunFields::Run1 && shown.status == "DNQ") {
        check.notes.push_back(ctx.Text(text::kNoDnqInRun1));
        shown.status = "DNS";
    }
    if (shown.status == "DSQ" && AllZero(shown.gate)) {
        shown.gate.clear();
        check.refusal = ctx.Text(text::kMustEnterGate);
        return check;
    }
    if (shown.status.empty() || shown.status == "DNS" || shown.status == "DNF")
        shown.gate.clear();
    result.status = shown.status;
    result.gate = shown.gate;
    check.result = result;
    return check;
}

}  // namespace skitally
