#include "skicross/ladder_report.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "app/messages.h"
#include "app/text_table.h"
#include "racefile/header_file.h"
#include "util/dates.h"
#include "util/time_format.h"
#include "util/external_program.h"
#include "util/file_replace.h"
#include "util/tokens.h"
#include "util/write_steps.h"

namespace skitally {
namespace {

constexpr int kAppTitleId = 1000;
constexpr int kReportComplete = 6200;
constexpr int kTemplateMissing = 6201;
constexpr int kConverterMissing = 6202;
constexpr int kConversionFailed = 6203;
constexpr int kNotWritten = 6204;
constexpr int kReportTitle = 6205;
constexpr int kHeaderMissing = 8;  // numbered error "RACE HEADER INFORMATION MISSING"

constexpr const char* kConverter = "wkhtmltopdf";
constexpr const char* kTemplateFolder = "SXRpt";
constexpr const char* kRowColours[] = {"Red", "Green", "Blue", "Yellow"};
// The last round's heats carry the numbers a 32 ladder gives them in every
// ladder size, so that the right-hand side of the templates is the same.
constexpr int kFinalNumber = 15;
// Before the last round only the two who go on are shown under a heat.
constexpr int kGoingOn = 2;

std::string HtmlEscaped(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string NumberOrBlank(int value)
{
    return value > 0 ? std::to_string(value) : std::string();
}

// A file:// address that a browser and the converter both read: separators
// as "/", anything but letters, digits and "/-._~:" percent-encoded.
std::string FileUrl(const std::string& path)
{
    std::string url = "file://";
    if (path.empty() || (path[0] != '/' && path[0] != '\\'))
        url += '/';  // "C:/..." on Windows
    for (const char c : path) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '\\')
            url += '/';
        else if (std::isalnum(u) || std::string_view("/-._~:").find(c) != std::string_view::npos)
            url += c;
        else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", u);
            url += hex;
        }
    }
    return url;
}

// "2026/12/06 10:20": when the page was made.
std::string MadeAt(const AppContext& ctx)
{
    const LocalDateTime now = ToLocal(ctx.clock());
    return std::to_string(now.year) + "/" + TwoDigits(now.month) + "/" + TwoDigits(now.day) + " " +
           TwoDigits(now.hour) + ":" + TwoDigits(now.minute);
}

// The heats every ladder of `size` has, as (heats in the round, heat)
// pairs: the rounds halve from size / 4 heats down to 2, then the last
// round's two heats, labelled with 1.
std::vector<std::pair<int, int>> LadderHeats(int size)
{
    std::vector<std::pair<int, int>> heats;
    for (int roundHeats = size / 4; roundHeats >= 2; roundHeats /= 2)
        for (int heat = 1; heat <= roundHeats; ++heat)
            heats.emplace_back(roundHeats, heat);
    heats.emplace_back(1, 1);
    heats.emplace_back(1, 2);
    return heats;
}

std::string GoingOnKey(int place, int roundHeats, int heat)
{
    return "FinishBib" + std::to_string(place) + "_" + std::to_string(roundHeats) + "_" + TwoDigits(heat);
}

// "1_1_15" for the winner of the final, "4_1_16" for the last of the small final.
std::string LastRoundSuffix(int place, int heat)
{
    return std::to_string(place) + "_1_" + std::to_string(kFinalNumber + heat - 1);
}

// Every key of one heat, empty but for the row colours: a template names
// them all whether the heat is filled yet or not.
void BlankHeat(std::map<std::string, std::string>& values, int roundHeats, int heat)
{
    for (int row = 1; row <= 4; ++row) {
        const std::string label = LadderSlotLabel(roundHeats, heat, row);
        for (const char* key : {"Rank", "BIB", "Racer", "Nat", "Place", "HEAT"})
            values[key + label] = "";
        values["Colour" + label] = kRowColours[row - 1];
    }
    if (roundHeats > 1) {
        for (int place = 1; place <= kGoingOn; ++place)
            values[GoingOnKey(place, roundHeats, heat)] = "";
        return;
    }
    for (int place = 1; place <= 4; ++place)
        for (const char* key : {"FinishBIB", "FinishName", "FinishRank"})
            values[key + LastRoundSuffix(place, heat)] = "";
}

void FillHeat(std::map<std::string, std::string>& values, const LadderHeat& heat)
{
    for (int row = 1; row <= 4; ++row) {
        const LadderRacer& racer = heat.rows[row - 1];
        const std::string label = LadderSlotLabel(heat.roundHeats, heat.heatInRound, row);
        values["HEAT" + label] = NumberOrBlank(heat.heatNumber);
        values["Colour" + label] = kRowColours[row - 1];
        if (racer.seed == 0)
            continue;
        values["Rank" + label] = std::to_string(racer.seed);
        values["BIB" + label] = HtmlEscaped(racer.bib);
        values["Racer" + label] = HtmlEscaped(racer.name);
        values["Nat" + label] = HtmlEscaped(racer.nation);
        values["Place" + label] = NumberOrBlank(racer.place);
    }
    const int shown = static_cast<int>(std::min<std::size_t>(heat.finish.size(), 4));
    for (int place = 1; place <= shown; ++place) {
        const LadderRacer& racer = heat.finish[static_cast<std::size_t>(place - 1)];
        if (heat.roundHeats > 1) {
            if (place <= kGoingOn)
                values[GoingOnKey(place, heat.roundHeats, heat.heatInRound)] = HtmlEscaped(racer.bib);
            continue;
        }
        // The final ranks 1-4 from the final and 5-8 from the small final.
        const std::string suffix = LastRoundSuffix(place, heat.heatInRound);
        values["FinishBIB" + suffix] = HtmlEscaped(racer.bib);
        values["FinishName" + suffix] = HtmlEscaped(racer.name);
        values["FinishRank" + suffix] = std::to_string(place + (heat.heatInRound == 2 ? 4 : 0));
    }
}

std::string TemplateFolder(const AppContext& ctx)
{
    return ctx.folders.programFolder + kTemplateFolder;
}

// The converter writes under a temporary name; only a whole PDF takes the
// report's name, so a failed run leaves the last good one.
bool ConvertToPdf(AppContext& ctx, Operator& op, const std::string& converter, const std::string& htmlPath,
                  const std::string& pdfPath)
{
    const std::string partial = TemporaryName(pdfPath);
    RemoveFile(partial);
    // The page may load its style sheet from the template folder and from
    // nowhere else.
    const int code = RunProgram(
        {converter, "-q", "--allow", TemplateFolder(ctx), "-O", "Landscape", "-B", "8", "-T", "8", htmlPath, partial});
    std::string made;
    if (code != 0 || !ReadWholeFile(partial, made) || made.rfind("%PDF", 0) != 0) {
        RemoveFile(partial);
        const std::string why = converter + (code < 0 ? " did not run" : " ended with code " + std::to_string(code));
        ctx.log.Write("Ladder report: " + why);
        ShowMessage(ctx, op,
                    FillPlaceholder(FillPlaceholder(ctx.Text(kConversionFailed), "XnnnX", pdfPath), "XdddX", why));
        return false;
    }
    const Status renamed = RenameOver(partial, pdfPath);
    if (!renamed) {
        RemoveFile(partial);
        ShowFileFailure(ctx, op, kNotWritten, pdfPath, renamed);
        return false;
    }
    return true;
}

}  // namespace

std::map<std::string, std::string> LadderPlaceholders(const AppContext& ctx, const HeaderFile& header,
                                                      const LadderView& ladder)
{
    std::map<std::string, std::string> values;
    values["CSSFILELOCATION"] = FileUrl(TemplateFolder(ctx) + "/CSS/SkierCross.css");
    values["VERSION"] = HtmlEscaped(ctx.Text(kAppTitleId) + " " + ctx.versionText);
    values["VERSION2"] = MadeAt(ctx);
    for (std::size_t i = 0; i < header.titles.size(); ++i)
        values["HDR" + std::to_string(i + 1)] = HtmlEscaped(Trim(header.titles[i]));
    const std::string& dateLocation = header.values.dateLocation;
    const std::size_t slash = dateLocation.find('/');
    values["HDR6"] = HtmlEscaped(slash == std::string::npos ? Trim(dateLocation)
                                                            : Trim(dateLocation.substr(0, slash)) + "  " +
                                                                  Trim(dateLocation.substr(slash + 1)));
    values["HDR7"] = HtmlEscaped(ctx.Text(kReportTitle) + " " + ladder.name);
    values["HDR8"] = HtmlEscaped(Trim(ctx.race.jury.Codex()));
    for (std::size_t i = 0; i < header.footers.size(); ++i)
        values["FT" + std::to_string(i + 1)] = HtmlEscaped(Trim(header.footers[i]));
    values["FT4"] = HtmlEscaped(ctx.race.raceName);

    for (const auto& [roundHeats, heat] : LadderHeats(ladder.size))
        BlankHeat(values, roundHeats, heat);
    for (const LadderHeat& heat : ladder.heats)
        FillHeat(values, heat);
    return values;
}

std::string FillLadderTemplate(const std::string& page, const std::map<std::string, std::string>& values)
{
    std::string filled;
    filled.reserve(page.size());
    std::size_t from = 0;
    while (from < page.size()) {
        const std::size_t open = page.find('{', from);
        const std::size_t close = open == std::string::npos ? open : page.find('}', open + 1);
        if (close == std::string::npos) {
            filled.append(page, from, std::string::npos);
            break;
        }
        const auto value = values.find(page.substr(open + 1, close - open - 1));
        if (value == values.end()) {
            // Not ours: keep the brace and look again just after it.
            filled.append(page, from, open + 1 - from);
            from = open + 1;
            continue;
        }
        filled.append(page, from, open - from);
        filled += value->second;
        from = close + 1;
    }
    return filled;
}

bool PrintLadderReport(AppContext& ctx, Operator& op, const LadderView& ladder)
{
    const std::string templatePath = TemplateFolder(ctx) + "/" + std::to_string(ladder.size) + "-4.html";
    std::string page;
    if ((ladder.size != 8 && ladder.size != 16 && ladder.size != 32) || !ReadWholeFile(templatePath, page)) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(kTemplateMissing), "XnnnX", templatePath));
        return false;
    }
    HeaderFile header;
    if (!ReadHeaderFile(ctx.race.File("HDR"), header)) {
        ShowNumberedError(ctx, op, kHeaderMissing);
        return false;
    }
    const std::optional<std::string> converter = FindProgram(kConverter, ctx.folders.programFolder);
    if (!converter) {
        ShowMessage(ctx, op, FillPlaceholder(ctx.Text(kConverterMissing), "XnnnX", kConverter));
        return false;
    }

    // Both files take the race's base name, so each race keeps its own.
    const std::string base = ctx.race.racePath + ctx.race.raceName;
    const std::string htmlPath = base + "-TMPLDRRPT.html";
    const std::string pdfPath = base + "-LDRRPT.pdf";
    const Status written =
        ReplaceFileContents(htmlPath, FillLadderTemplate(page, LadderPlaceholders(ctx, header, ladder)));
    if (!written) {
        ShowFileFailure(ctx, op, kNotWritten, htmlPath, written);
        return false;
    }

    if (!ConvertToPdf(ctx, op, *converter, htmlPath, pdfPath))
        return false;
    ShowMessage(ctx, op, ctx.Text(kReportComplete));
    op.OpenDocument(pdfPath);
    return true;
}

}  // namespace skitally
