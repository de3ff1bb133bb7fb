#pragma once
// Report names and the file type codes that name report files: the
// report "RACESTR1(N,Y)" of race BANFF.RCR is written to BANFF.RN1.

#include <string>
#include <string_view>

namespace skitally {

// The type code of a report by the first eight characters of its name; the
// full name "RACERSLT(T)" (training times) is "TRN". Unofficial results of
// a recreational race are its official results ("OFC") unless the results
// menu asked for unofficial ones only.
std::string ReportTypeCode(std::string_view reportName, bool recreationalCodex = false, bool unofficialOnly = false);

// Label reports are printed without page headings or footers.
bool IsHeadinglessCode(std::string_view typeCode);

// The code printed after the gender in the first footer line. Unofficial
// results strike out the two characters before it: two backspaces, then
// two dashes.
std::string FooterCode(std::string_view reportName);

// Two backspaces and two dashes: the printer strikes the two characters
// before them; the viewer shows them as they are.
inline constexpr std::string_view kStrikeOutMark = "\b\b--";

// The type code of a report file by its extension ("TMP" for an unknown
// one, such as the draw's information reports).
std::string PrintCodeOfFile(std::string_view path);

}  // namespace skitally
