#include "entries/hand_points.h"

#include <array>

#include "app/messages.h"
#include "entries/entry_screen.h"
#include "racefile/field_values.h"
#include "entries/entry_text_ids.h"
#include "racefile/racer_names.h"
#include "racefile/racer_text.h"
#include "util/tokens.h"

namespace skitally {

namespace {

struct PointsBox {
    const char* key;
    const char* code;
    int field;
};

constexpr std::array<PointsBox, 7> kBoxes = {{{"dh", "DH", kPointsDH},
                                              {"sl", "SL", kPointsSL},
                                              {"gs", "GS", kPointsGS},
                                              {"sg", "SG", kPointsSG},
                                              {"sc", "SC", kPointsSC},
                                              {"sx", "SX", kPointsSX},
                                              {"kk", "KK", kPointsKK}}};

constexpr double kPointsLimit = 999.99;

std::string BoxCode(const PointsBox& box, const std::string& discipline)
{
    // One field holds the points of both combined events.
    return box.field == kPointsSC && discipline == "AC" ? "AC" : box.code;
}

}  // namespace

HandPoints CheckHandPoints(std::string_view typed, std::string_view raceLevel)
{
    HandPoints points{Trim(typed), false, true};
    if (!points.text.empty() && points.text.front() == '-') {
        points.fits = false;
        return points;
    }
    std::string level = ToUpper(Trim(raceLevel));
    if (level.empty())
        level = "NAT";
    if (!points.text.empty() && (level == "FIS" || level == "NAT") && ReadNumber(points.text) >= kPointsLimit) {
        points.text = "999.00";
        points.reset = true;
    }
    return points;
}

bool TakeHandPoints(const AppContext& ctx, Operator& op, EntryScreen& screen, std::string_view key,
                    std::string_view raceLevel)
{
    const HandPoints points = CheckHandPoints(ScreenValue(screen, key), raceLevel);
    if (!points.fits) {
        ShowValueRefused(ctx, op, ScreenCaption(screen, key), points.text);
        return false;
    }
    if (points.reset) {
        op.Beep();
        op.Beep();
    }
    SetScreenValue(screen, key, points.text);
    return true;
}

bool SeedPointsEntryOn(std::string_view raceLevel)
{
    const std::string level = ToUpper(Trim(raceLevel));
    return level != "SRS" && level != "LGR";
}

bool HandPointsEntry(AppContext& ctx, Operator& op, LiveRacer& racer, const std::vector<std::string>& args)
{
    const std::string level = RaceLevel(ctx);
    if (!SeedPointsEntryOn(level)) {
        ShowMessage(ctx, op, ctx.Text(text::kSeedPointsEntryOff));
        return false;
    }
    const std::string discipline = RaceDiscipline(ctx);
    RacerRecord& record = racer.record;
    std::vector<ScreenField> fields;
    for (const PointsBox& box : kBoxes) {
        const std::string caption = FillPlaceholder(ctx.Text(text::kPointsCaption), "XdddX", BoxCode(box, discipline));
        fields.push_back({box.key, {"D", "####.##", 7, caption},
                          Trim(PointsText(*record.SingleField(box.field), record.formatVersion)), false, ""});
    }
    fields.push_back({"rank", {"A", "##########", 10, ctx.Text(text::kSeedRankCaption)}, Trim(record.seedRank), true, ""});
    EntryScreen screen = BuildEntryScreen(ctx, op, ctx.Text(text::kHandPointsTitle) + " - " + DisplayName(record.name),
                                          fields);
    const ScreenCheck check = [&](EntryScreen& typed) {
        for (const PointsBox& box : kBoxes)
            if (!TakeHandPoints(ctx, op, typed, box.key, level))
                return false;
        return true;
    };
    if (!RunEntryScreen(ctx, op, screen, args, check, true))
        return false;
    for (const PointsBox& box : kBoxes) {
        const std::string value = ScreenValue(screen, box.key);
        *record.SingleField(box.field) = value.empty() ? -1.0f : ReadSingle(value);
    }
    record.seedRank = ScreenValue(screen, "rank");
    // Points typed now are of this version's form, whatever the record had.
    record.formatVersion = kRacerFormatVersion;
    SetSeedPoints(record, discipline);
    return WriteRaceRacer(ctx, op, racer.number, record);
}

}  // namespace skitally
