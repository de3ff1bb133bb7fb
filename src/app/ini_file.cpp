#include "app/ini_file.h"

#include <sstream>

#include "util/dates.h"
#include "util/file_replace.h"
#include "util/tokens.h"

namespace skitally {
namespace {

constexpr std::size_t kSectionBufferSize = 4092;

}  // namespace

std::string IniFile(const FolderRoots& roots, const std::string& programFolder)
{
    const std::string beside = WithTrailingSeparator(programFolder) + "Skitally.ini";
    if (FileStatus(beside) >= 1)
        return beside;
    return roots.Native("C:\\Skitally\\Skitally.ini");
}

std::vector<IniEntry> ReadIniSection(const std::string& path, const std::string& section)
{
    std::string content;
    if (!ReadWholeFile(path, content))
        return {};
    return IniSectionEntries(content, section);
}

std::vector<IniEntry> IniSectionEntries(const std::string& content, const std::string& section)
{
    std::vector<IniEntry> entries;
    std::istringstream in(content);
    const std::string wanted = ToUpper(Trim(section));
    bool inSection = false;
    std::size_t used = 0;  // characters of the section buffer taken, with one terminator each
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string text = Trim(line.substr(0, line.find_last_not_of("\r\n") + 1));
        if (text.empty() || text.front() == ';')
            continue;
        if (text.front() == '[') {
            const std::size_t close = text.find(']');
            inSection = close != std::string::npos && ToUpper(Trim(text.substr(1, close - 1))) == wanted;
            continue;
        }
        if (!inSection)
            continue;
        if (used + text.size() + 1 > kSectionBufferSize - 1)
            break;
        used += text.size() + 1;
        entries.push_back({number, text});
    }
    return entries;
}

PointsListTable ReadPointsListTable(const std::string& iniPath)
{
    return PointsListTableFrom(ReadIniSection(iniPath, "FIS POINTS LIST"));
}

PointsListTable PointsListTableFrom(const std::vector<IniEntry>& entries)
{
    PointsListTable table;
    for (const IniEntry& entry : entries) {
        std::string rest = entry.text;
        PointsListPeriod period;
        period.name = Trim(PopToken(rest, ","));
        const auto first = ParseMonthDayYear(Trim(PopToken(rest, ",")));
        const auto last = ParseMonthDayYear(Trim(PopToken(rest, ",")));
        if (period.name.empty() || !first || !last) {
            table.skipped.push_back({entry.line, entry.text});
            continue;
        }
        period.firstDay = *first;
        period.lastDay = *last;
        table.periods.push_back(period);
    }
    return table;
}

}  // namespace skitally
