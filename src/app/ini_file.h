#pragma once
// "Skitally.ini" and its section "FIS POINTS LIST": which FIS points list is
// valid on which days.

#include <string>
#include <vector>

#include "app/paths.h"

namespace skitally {

struct PointsListPeriod {
    std::string name;
    int firstDay = 0;  // day serials, both days included
    int lastDay = 0;
};

struct IniProblem {
    int line = 0;  // 1-based line of the ini file
    std::string text;
};

struct PointsListTable {
    std::vector<PointsListPeriod> periods;  // in file order
    std::vector<IniProblem> skipped;        // malformed entries, left out
};

// The program folder's "Skitally.ini" when it is there and not empty,
// otherwise the one in the Skitally folder.
std::string IniFile(const FolderRoots& roots, const std::string& programFolder);

// The entries of one section as "key=value" or plain lines, with their line
// numbers; a section is read up to 4092 characters as it always was, and
// entries past that are not seen.
struct IniEntry {
    int line = 0;
    std::string text;
};
std::vector<IniEntry> ReadIniSection(const std::string& path, const std::string& section);
std::vector<IniEntry> IniSectionEntries(const std::string& content, const std::string& section);

// Each entry is "name,MM-DD-YYYY,MM-DD-YYYY".
PointsListTable ReadPointsListTable(const std::string& iniPath);
PointsListTable PointsListTableFrom(const std::vector<IniEntry>& entries);

}  // namespace skitally
