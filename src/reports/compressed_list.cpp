#include "reports/compressed_list.h"

#include "app/messages.h"
#include "app/text_table.h"
#include "racefile/header_file.h"
#include "racefile/race_kinds.h"
#include "reports/print_settings.h"
#include "reports/report_page.h"
#include "reports/report_text_ids.h"
#include "util/text_line.h"
#include "util/codepage.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr int kHalfWidth = kCompressedWidth / 2;
constexpr int kRowsPerPage = 2 * kCompressedRowsPerHalf;
constexpr int kNameWidth = kHalfWidth - 15;

std::string Fit(std::string text, int width)
{
    text.resize(static_cast<std::size_t>(width), ' ');
    return text;
}

// "POS Bib Nat   Racer" in 52 columns: position 3, bib 3, nation or club 5.
std::string Half(const std::string& pos, const std::string& bib, const std::string& affiliation,
                 const std::string& name)
{
    return RightAlignText("", pos, 3) + " " + RightAlignText("", bib, 3) + " " + Fit(affiliation, 5) + " " +
           Fit(name, kNameWidth) + " ";
}

}  // namespace

std::string CompressedListText(const AppContext& ctx, int run, const std::vector<ListRow>& rows)
{
    const bool fis = IsFisRace(ctx);
    const PrintSettings settings = PrintSettingsFor(*ctx.settings, run == 2 ? "RC2" : "RC1");
    const std::string title =
        TrimmedCp1252(ctx.Text(run == 2 ? report_text::kTitleCompressed2 : report_text::kTitleCompressed1));
    const std::string raceTitle = TrimmedCp1252(ctx.race.header.titles[0]);
    const std::string dateLocation = TrimmedCp1252(ctx.race.header.values.dateLocation);
    const int pages = std::max(1, static_cast<int>((rows.size() + kRowsPerPage - 1) / kRowsPerPage));

    std::string text;
    const auto line = [&text](const std::string& content) { text += TrimEnd(content) + "\r\n"; };
    for (int page = 0; page < pages; ++page) {
        for (int i = 0; i < settings.topLines; ++i)
            text += "\r\n";
        line(CenteredTitle(title, kCompressedWidth, false));
        line(CenteredTitle(raceTitle, kCompressedWidth, false));
        const std::string number = "PAGE " + std::to_string(page + 1) + " of " + std::to_string(pages);
        line(OverlayText(RightAlignText("", number, kCompressedWidth), dateLocation, 1,
                         static_cast<int>(dateLocation.size())));
        line(std::string(kCompressedWidth, '-'));
        const std::string heading = Half("POS", "Bib", fis ? "Nat" : "Clb", "Racer");
        line(heading + heading);
        line({});
        const std::size_t first = static_cast<std::size_t>(page) * kRowsPerPage;
        for (std::size_t r = 0; r < kCompressedRowsPerHalf; ++r) {
            std::string content;
            for (std::size_t half = 0; half < 2; ++half) {
                const std::size_t i = first + half * kCompressedRowsPerHalf + r;
                if (i >= rows.size())
                    break;
                const RacerRecord& racer = rows[i].racer;
                content += Half(TrimmedCp1252(rows[i].start), TrimmedCp1252(racer.bib),
                                TrimmedCp1252(fis ? racer.nation : racer.club), TrimmedCp1252(racer.name));
            }
            if (content.empty())
                break;
            line(content);
        }
        text += "\f";
    }
    return text;
}

Status WriteCompressedList(const AppContext& ctx, int run, const std::vector<ListRow>& rows)
{
    return ReplaceFileContents(ctx.race.File(run == 2 ? "RC2" : "RC1"), CompressedListText(ctx, run, rows));
}

bool WriteAndShowCompressed(AppContext& ctx, Operator& op, int run, const std::vector<ListRow>& rows)
{
    const Status written = WriteCompressedList(ctx, run, rows);
    if (!written) {
        ShowMessage(ctx, op,
                    FillPlaceholder(ctx.Text(report_text::kReportNotWritten), "XdddX", FailureText(ctx, written)));
        return false;
    }
    op.ShowReport(ctx.race.File(run == 2 ? "RC2" : "RC1"),
                  ctx.Text(run == 2 ? report_text::kTitleCompressed2 : report_text::kTitleCompressed1));
    return true;
}

}  // namespace skitally
