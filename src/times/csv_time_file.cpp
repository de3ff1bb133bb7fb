#include "times/csv_time_file.h"

#include <algorithm>

#include "racefile/run_result.h"
#include "util/time_format.h"
#include "util/tokens.h"

namespace skitally {
namespace {

std::vector<std::string> SplitCsv(std::string_view line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
            fields.back() += '"', ++i;
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

bool IsText(std::string_view line)
{
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t') || b == 0x7F;
    });
}

std::string StatusCode(const std::string& text)
{
    const std::string code = ToUpper(Trim(text));
    const bool known =
        std::find(std::begin(kRunStatusCodes), std::end(kRunStatusCodes), code) != std::end(kRunStatusCodes);
    return known ? code : std::string();
}

CsvTimeLine ReadLine(std::string_view text, int number, const CsvColumns& columns)
{
    CsvTimeLine line;
    line.line = number;
    if (!IsText(text)) {
        line.outcome = CsvOutcome::NotText;
        return line;
    }
    if (Trim(text).empty())
        return line;
    const std::vector<std::string> fields = SplitCsv(text);
    const int needed = std::max({columns.bib, columns.time, columns.status});
    if (needed > static_cast<int>(fields.size()) || std::min({columns.bib, columns.time, columns.status}) < 1) {
        line.outcome = CsvOutcome::FieldBeyond;
        return line;
    }
    const auto field = [&](int n) { return Trim(fields[static_cast<std::size_t>(n - 1)]); };
    line.bib = field(columns.bib);
    const bool numeric = !line.bib.empty() && line.bib.size() <= 9 &&
                         std::all_of(line.bib.begin(), line.bib.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!numeric) {
        line.outcome = CsvOutcome::BibNotNumeric;
        return line;
    }
    line.status = StatusCode(field(columns.status));
    // A status in the time column is no time.
    const std::string time = field(columns.time);
    if (StatusCode(time).empty())
        line.seconds = std::max(TimeTextToSeconds(time), 0.0);
    line.outcome = line.seconds > 0 || !line.status.empty() ? CsvOutcome::Times : CsvOutcome::NoTimeOrStatus;
    return line;
}

} // namespace

std::vector<CsvTimeLine> ReadCsvTimes(std::string_view bytes, const CsvColumns& columns)
{
    std::vector<CsvTimeLine> lines;
    int number = 0;
    while (!bytes.empty()) {
        ++number;
        const std::size_t end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        CsvTimeLine line = ReadLine(text, number, columns);
        if (line.outcome != CsvOutcome::Blank)
            lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace skitally
