#include "racefile/course_entry.h"

#include "app/text_ids.h"
#include "racefile/course_file.h"
#include "racefile/field_values.h"
#include "racefile/header_entry.h"
#include "racefile/racer_codes.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kFirstRunCaption = 4202;
constexpr int kSecondRunCaption = 4203;
constexpr int kCourseSetterCaption = 4204;
constexpr int kForerunnersCaption = 4205;
constexpr int kGatesCaption = 4206;
constexpr int kStartTimeCaption = 4207;
constexpr int kTurnsCaption = 4208;

constexpr int kValueWidth = 19;
constexpr int kGatesWidth = 3;
constexpr int kMostGates = 999;  // what kGatesWidth digits hold; "gates/turns" then fits its column

std::string RunKey(const std::string& name, int run)
{
    return name + std::to_string(run + 1);
}

std::string ForerunnerKey(int n, int run)
{
    return "forerunner" + std::to_string(n + 1) + "_" + std::to_string(run + 1);
}

std::string RunCaption(const AppContext& ctx, const std::string& label, int run)
{
    return label + " (" + ctx.Text(run == 0 ? kFirstRunCaption : kSecondRunCaption) + ")";
}

FieldForm CourseForm(const AppContext& ctx, const CourseData& course, bool skiCross)
{
    FieldForm form{StripAccelerator(ctx.Text(text::kCourseCommand)), {}};
    auto add = [&](std::string key, const std::string& label, int run, const std::string& value, int width,
                   FieldKind kind) {
        form.fields.push_back({std::move(key), RunCaption(ctx, label, run), value, width, kind, ""});
    };
    for (int run = 0; run < 2; ++run)
        add(RunKey("setter", run), ctx.Text(kCourseSetterCaption), run, course.runs[run].courseSetter, kValueWidth,
            FieldKind::Text);
    for (int n = 0; n < kForerunnerCount; ++n)
        for (int run = 0; run < 2; ++run)
            add(ForerunnerKey(n, run), ctx.Text(kForerunnersCaption) + " " + std::to_string(n + 1), run,
                course.runs[run].forerunners[n], kValueWidth, FieldKind::Text);
    for (int run = 0; run < 2; ++run) {
        add(RunKey("gates", run), ctx.Text(kGatesCaption), run, course.runs[run].gates, kGatesWidth,
            FieldKind::Integer);
        if (!skiCross)
            add(RunKey("turns", run), ctx.Text(kTurnsCaption), run, course.runs[run].turns, kGatesWidth,
                FieldKind::Integer);
    }
    for (int run = 0; run < 2; ++run)
        add(RunKey("start", run), ctx.Text(kStartTimeCaption), run, course.runs[run].startTime, kValueWidth,
            FieldKind::Text);
    return form;
}

CourseData CourseFromForm(const FieldForm& form)
{
    CourseData course;
    for (int run = 0; run < 2; ++run) {
        RunCourse& values = course.runs[run];
        values.courseSetter = FormValue(form, RunKey("setter", run));
        for (int n = 0; n < kForerunnerCount; ++n)
            values.forerunners[n] = FormValue(form, ForerunnerKey(n, run));
        values.gates = FormValue(form, RunKey("gates", run));
        values.turns = FormValue(form, RunKey("turns", run));
        values.startTime = FormValue(form, RunKey("start", run));
    }
    return course;
}

// Gates and turns are whole numbers of their width, a start time is a time
// of day.
bool CourseValueFits(const FormField& field)
{
    const std::string value = Trim(field.value);
    if (value.empty())
        return true;
    if (field.kind == FieldKind::Integer)
        return IsWholeNumberIn(value, 0, kMostGates);
    if (field.key.rfind("start", 0) == 0)
        return IsTimeOfDay(value);
    return true;
}

// Each number and time is checked as it is left; gates and turns step in
// a spin box.
void AddFieldChecks(const AppContext& ctx, FieldForm& form)
{
    for (FormField& field : form.fields) {
        if (field.kind == FieldKind::Integer)
            field.range = FieldRange{0, kMostGates};
        field.check = [&ctx, field](const std::string& value) {
            FormField typed = field;
            typed.value = value;
            if (field.kind == FieldKind::Integer)
                if (std::string refusal = NumberFieldRefusal(ctx, typed); !refusal.empty())
                    return refusal;
            return CourseValueFits(typed) ? std::string() : ValueRefusedText(ctx, field.caption, Trim(value));
        };
    }
}

}  // namespace

bool CourseEntry(AppContext& ctx, Operator& op, const std::vector<std::string>& args)
{
    if (RefusedForLeague(ctx, op))
        return false;
    const bool skiCross = IsSkiCross(ctx.race.header.values.discipline);
    const std::string path = ctx.race.File("FOR");
    CourseData course;
    ReadCourseFile(path, course); // none yet: a blank screen
    FieldForm form = CourseForm(ctx, course, skiCross);
    AddFieldChecks(ctx, form);
    const FormCheck check = [&](FieldForm& typed) {
        for (const FormField& field : typed.fields) {
            if (field.kind == FieldKind::Integer && !CheckNumberField(ctx, op, field))
                return false;
            if (!CourseValueFits(field)) {
                ShowValueRefused(ctx, op, field.caption, Trim(field.value));
                return false;
            }
        }
        return true;
    };
    if (!RunHeaderForm(ctx, op, form, args, check))
        return false;
    course = CourseFromForm(form);
    const CourseLabels labels{ctx.Text(kCourseSetterCaption), ctx.Text(kForerunnersCaption), ctx.Text(kGatesCaption),
                              ctx.Text(kStartTimeCaption)};
    return WriteHeaderPart(ctx, op, path, [&] { return WriteCourseFile(path, course, skiCross, labels); });
}

}  // namespace skitally
