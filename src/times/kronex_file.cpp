#include "times/kronex_file.h"

#include <algorithm>
#include <charconv>

#include "racefile/run_result.h"
#include "util/dates.h"
#include "util/tokens.h"

namespace skitally {
namespace {

// Field widths of the racer line, as the timer right-aligns them.
constexpr std::size_t kBibWidth = 3;
constexpr std::size_t kTimeWidth = 7;
constexpr std::size_t kStatusWidth = 3;
constexpr std::size_t kFlagWidth = 1;

bool IsText(std::string_view line)
{
    // Tabs pass; any other control byte means the file is not text.
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t') || b == 0x7F;
    });
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits with at most one point, at least one digit.
bool IsSeconds(std::string_view text)
{
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return AllDigits(text);
    const std::string_view whole = text.substr(0, point), fraction = text.substr(point + 1);
    return (whole.empty() || AllDigits(whole)) && (fraction.empty() || AllDigits(fraction)) &&
           whole.size() + fraction.size() > 0;
}

bool IsStatus(const std::string& text)
{
    return text.empty() ||
           std::find(std::begin(kRunStatusCodes), std::end(kRunStatusCodes), text) != std::end(kRunStatusCodes);
}

bool IsFileDate(std::string_view text)
{
    return text.size() == 10 && text[2] == '-' && text[5] == '-' && ParseMonthDayYear(text).has_value();
}

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        fields.push_back(line.substr(0, comma));
        if (comma == std::string_view::npos)
            return fields;
        line.remove_prefix(comma + 1);
    }
}

KronexProblem CheckRun(const KronexRun& run)
{
    if (run.time.size() > kTimeWidth || run.status.size() > kStatusWidth || run.flag.size() > kFlagWidth)
        return KronexProblem::FieldTooWide;
    if (!run.time.empty() && !IsSeconds(run.time))
        return KronexProblem::BadTime;
    if (!IsStatus(run.status))
        return KronexProblem::BadStatus;
    return KronexProblem::None;
}

KronexLine ReadRacerLine(std::string_view text, int number)
{
    KronexLine line;
    line.line = number;
    if (!IsText(text)) {
        line.problem = KronexProblem::NotText;
        return line;
    }
    const std::vector<std::string_view> fields = SplitFields(text);
    line.undated = fields.size() >= 2 && fields[1].size() == kBibWidth;
    // Field numbers from 1: the bib is field 3, or 2 in a file without dates.
    const std::size_t bibField = line.undated ? 2 : 3;
    if (fields.size() < bibField + 2) { // bib, run-1 time, run-1 status
        line.problem = KronexProblem::TooFewFields;
        return line;
    }
    const auto field = [&](std::size_t n) { return n <= fields.size() ? Trim(fields[n - 1]) : std::string(); };
    if (!line.undated && IsFileDate(Trim(fields[1])))
        line.date = Trim(fields[1]);
    line.bib = field(bibField);
    for (int run = 0; run < 2; ++run) {
        const std::size_t first = bibField + 1 + static_cast<std::size_t>(run) * 3;
        line.runs[run] = {field(first), ToUpper(field(first + 1)), field(first + 2)};
    }
    if (line.bib.size() > kBibWidth)
        line.problem = KronexProblem::FieldTooWide;
    else if (!AllDigits(line.bib))
        line.problem = KronexProblem::BadBib;
    for (const KronexRun& run : line.runs)
        if (line.problem == KronexProblem::None)
            line.problem = CheckRun(run);
    return line;
}

} // namespace

KronexFile ReadKronexFile(std::string_view bytes)
{
    KronexFile file;
    file.progressLines = static_cast<int>(bytes.size() / kKronexLineLength);
    int number = 0;
    while (!bytes.empty()) {
        ++number;
        const std::size_t end = bytes.find_first_of("\r\n");
        const std::string_view text = bytes.substr(0, end);
        const bool ended = end != std::string_view::npos;
        std::size_t next = ended ? end + 1 : bytes.size();
        if (ended && bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n')
            ++next;
        bytes.remove_prefix(next);
        if (text.size() < 4)
            continue;
        if (!file.header.found) {
            KronexHeader& header = file.header;
            header.found = true;
            header.line = number;
            header.notText = !IsText(text);
            header.gender = ToUpper(Trim(text.substr(0, 1)));
            header.discipline = ToUpper(Trim(text.substr(1, 2)));
            header.run = text[3];
            continue;
        }
        KronexLine line = ReadRacerLine(text, number);
        // Whatever else is wrong with it, a last line without its end was cut.
        if (!ended)
            line.problem = KronexProblem::CutShort;
        file.lines.push_back(std::move(line));
    }
    return file;
}

double KronexSeconds(const std::string& time)
{
    // "63." and ".5" are numbers of seconds too.
    const std::string text = "0" + time + "0";
    double seconds = 0;
    std::from_chars(text.data(), text.data() + text.size(), seconds);
    return time.find('.') == std::string::npos ? seconds / 10 : seconds;
}

} // namespace skitally
