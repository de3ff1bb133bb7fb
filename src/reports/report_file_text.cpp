#include "reports/report_file_text.h"

#include <algorithm>

namespace skitally {
namespace {

constexpr char kBackspace = '\b';
constexpr char kFormFeed = '\f';

// Control characters print nothing; a tab keeps its place as a blank.
std::string Printable(std::string_view text)
{
    std::string printable;
    printable.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\t')
            printable += ' ';
        else if (byte >= 0x20 && byte != 0x7F)
            printable += c;
    }
    return printable;
}

void Add(std::vector<TextRun>& runs, std::string_view text, bool struck)
{
    std::string printable = Printable(text);
    if (printable.empty())
        return;
    if (!runs.empty() && runs.back().struck == struck)
        runs.back().text += printable;
    else
        runs.push_back({std::move(printable), struck});
}

std::string_view TrimmedView(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<TextRun> SplitStrikeRuns(std::string_view line)
{
    std::vector<TextRun> runs;
    std::size_t start = 0;
    for (;;) {
        const std::size_t p = line.find(kBackspace, start);
        if (p == std::string_view::npos)
            break;
        std::size_t afterBackspaces = p;
        while (afterBackspaces < line.size() && line[afterBackspaces] == kBackspace)
            ++afterBackspaces;
        std::size_t afterDashes = afterBackspaces;
        while (afterDashes < line.size() && line[afterDashes] == '-')
            ++afterDashes;
        const std::size_t count = afterBackspaces - p;
        const std::size_t struckFrom = p - std::min(count, p - start);
        Add(runs, line.substr(start, struckFrom - start), false);
        Add(runs, line.substr(struckFrom, p - struckFrom), true);
        start = afterDashes;
    }
    Add(runs, line.substr(start), false);
    return runs;
}

int PrintedWidth(std::string_view line)
{
    std::size_t width = 0;
    for (const TextRun& run : SplitStrikeRuns(line))
        width += run.text.size();
    return static_cast<int>(width);
}

std::vector<ReportPage> SplitReportPages(std::string_view bytes)
{
    std::vector<ReportPage> pages(1);
    std::string line;
    bool lineOpen = false;
    const auto endLine = [&] {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        pages.back().push_back(line);
        line.clear();
        lineOpen = false;
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n') {
            endLine();
        } else if (c == kFormFeed) {
            if (lineOpen)
                endLine();
            if (i + 1 < bytes.size())
                pages.emplace_back();
        } else {
            line += c;
            lineOpen = true;
        }
    }
    if (lineOpen)
        endLine();
    return pages;
}

std::size_t FooterStart(const ReportPage& page)
{
    constexpr std::size_t kFooterLines = 5;
    if (page.size() < kFooterLines + 1)
        return page.size();
    const std::size_t start = page.size() - kFooterLines;
    const std::string_view dashes = TrimmedView(page[start + 1]);
    const bool allDashes = !dashes.empty() && dashes.find_first_not_of('-') == std::string_view::npos;
    return allDashes && TrimmedView(page[start - 1]).empty() ? start : page.size();
}

int WidestLine(const std::vector<ReportPage>& pages)
{
    int widest = 0;
    for (const ReportPage& page : pages)
        for (const std::string& line : page)
            widest = std::max(widest, PrintedWidth(line));
    return widest;
}

}  // namespace skitally
