#include "racefile/stage_check.h"

#include <cstdint>
#include <string>

#include "app/messages.h"
#include "racefile/header_file.h"
#include "racefile/racer_file.h"
#include "util/tokens.h"

namespace skitally {

namespace {

constexpr int kHeaderMissing = 8;
constexpr int kJuryMissing = 9;
constexpr int kCourseMissing = 11;
constexpr int kWeatherMissing = 12;
constexpr int kRacerFileEmpty = 3;

constexpr std::int16_t kNotEmpty = 1;
constexpr std::int16_t kEmpty = -1;

bool HasContent(const AppContext& ctx, const char* code)
{
    return ctx.race.open && FileStatus(ctx.race.File(code)) == kNotEmpty;
}

bool HeaderComplete(const AppContext& ctx)
{
    if (!HasContent(ctx, "HDR"))
        return false;
    HeaderFile header;
    if (!ReadHeaderFile(ctx.race.File("HDR"), header))
        return false;
    const RaceHeaderValues& values = header.values;
    return !values.raceLevel.empty() && !values.discipline.empty() && !values.gender.empty();
}

bool RacersReadThrough(const AppContext& ctx)
{
    if (!ctx.race.open)
        return false;
    const std::string path = ctx.race.File("RCR");
    const std::int16_t status = FileStatus(path);
    if (status != kNotEmpty && status != kEmpty)
        return false;
    return ForEachLiveRacer(path, [](int, const RacerRecord&) {}).ok();
}

}  // namespace

bool RaceFileExists(AppContext& ctx, Operator& op, std::string_view kinds, bool silent)
{
    const std::string wanted = ToUpper(kinds);
    auto asked = [&](char letter) { return wanted.find(letter) != std::string::npos; };
    auto fail = [&](int error) {
        ShowNumberedError(ctx, op, error);
        return false;
    };

    if (asked('H') && !HeaderComplete(ctx)) {
        if (!silent)
            ShowNumberedError(ctx, op, kHeaderMissing);
        return false;
    }
    if (asked('J') && !HasContent(ctx, "JRY"))
        return fail(kJuryMissing);
    if (asked('F') && !HasContent(ctx, "FOR"))
        return fail(kCourseMissing);
    if (asked('W') && !HasContent(ctx, "WTH"))
        return fail(kWeatherMissing);
    if (asked('R') && !HasContent(ctx, "RCR"))
        return fail(kRacerFileEmpty);
    if (asked('T') && !RacersReadThrough(ctx))
        return fail(kRacerFileEmpty);
    return true;
}

}  // namespace skitally
