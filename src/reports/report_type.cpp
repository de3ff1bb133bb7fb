#include "reports/report_type.h"

#include <array>
#include <utility>

#include "app/paths.h"
#include "reports/print_settings.h"
#include "util/tokens.h"

namespace skitally {

std::string ReportTypeCode(std::string_view reportName, bool recreationalCodex, bool unofficialOnly)
{
    if (reportName == "RACERSLT(T)")
        return "TRN";
    static const std::array<std::pair<std::string_view, std::string_view>, 11> codes = {{
        {"RACECALC", "CLC"},
        {"RACESTR1", "RN1"},
        {"RACESTR2", "RN2"},
        {"RACERSLT", "OFC"},
        {"RACERLST", "LST"},
        {"RACERPTS", "PTS"},
        {"RACERLBL", "LBL"},
        {"RACERSDW", "SDW"},
        {"RACERSMF", "SMF"},
        {"RACERCRD", "CRD"},
        {"RACERLGR", "RGR"},
    }};
    const std::string_view first8 = reportName.substr(0, 8);
    if (first8 == "RACERUFC")
        return recreationalCodex && !unofficialOnly ? "OFC" : "UFC";
    for (const auto& [name, code] : codes)
        if (first8 == name)
            return std::string(code);
    return "TMP";
}

bool IsHeadinglessCode(std::string_view typeCode)
{
    return typeCode == "LBL" || typeCode == "SDW" || typeCode == "CRD";
}

std::string FooterCode(std::string_view reportName)
{
    if (reportName == "RACESTR1(N,Y)" || reportName == "RACESTR1(N,N)")
        return "3";
    if (reportName == "RACESTR1(Y,N)")
        return "1";
    if (reportName == "RACESTR2")
        return "5";
    if (reportName == "RACECALC")
        return "9";
    if (reportName == "RACERLST" || reportName == "RACERPTS")
        return "0";
    if (reportName == "RACERSLT(T)")
        return "2";
    if (reportName == "RACERSLT(N)" || reportName == "RACERSLT(Y)")
        return "8";
    if (reportName.substr(0, 8) == "RACERUFC")
        return std::string(kStrikeOutMark);
    return {};
}

std::string PrintCodeOfFile(std::string_view path)
{
    const std::string extension = ToUpper(FileExtension(path));
    for (const DefaultPrintSettings& entry : DefaultPrintSettingsTable())
        if (entry.code == extension)
            return extension;
    return "TMP";
}

}  // namespace skitally
