// Report names to file type codes, footer codes and print codes of files.

#include "reports/report_type.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

TEST(ReportTypeCode, TheTableOfReportNames)
{
    // clang-format off
    const struct { const char* name; bool recreational, unofficialAsked; const char* code; } table[] = {
        {"RACECALC", false, false, "CLC"}, {"RACESTR1(N,Y)", false, false, "RN1"}, {"RACESTR1", false, false, "RN1"},
        {"RACESTR2", false, false, "RN2"}, {"RACERSLT(N)", false, false, "OFC"},   {"RACERUFC", false, false, "UFC"},
        {"RACERLST", false, false, "LST"}, {"RACERPTS", false, false, "PTS"},      {"RACERLBL", false, false, "LBL"},
        {"RACERSDW", false, false, "SDW"}, {"RACERSMF", false, false, "SMF"},      {"RACERCRD", false, false, "CRD"},
        {"LEAGUE", false, false, "TMP"},   {"RACERSL", false, false, "TMP"},       {"", false, false, "TMP"},
        // Training times only by the full name.
        {"RACERSLT(T)", false, false, "TRN"}, {"RACERSLT(T)", true, false, "TRN"}, {"RACERSLT(TX)", false, false, "OFC"},
        // Recreational unofficial results are official unless asked otherwise.
        {"RACERUFC(Y)", true, false, "OFC"},  {"RACERUFC(Y)", true, true, "UFC"},  {"RACERUFC(Y)", false, false, "UFC"},
        {"RACERSLT(N)", true, false, "OFC"},
    };
    // clang-format on
    for (const auto& row : table)
        EXPECT_EQ(ReportTypeCode(row.name, row.recreational, row.unofficialAsked), row.code)
            << row.name << (row.recreational ? " recreational" : "") << (row.unofficialAsked ? " unofficial" : "");
}

TEST(FooterCode, ByFullReportName)
{
    const struct {
        const char *name, *code;
    } table[] = {
        {"RACESTR1(N,Y)", "3"}, {"RACESTR1(N,N)", "3"}, {"RACESTR1(Y,N)", "1"},    {"RACESTR1(Y,Y)", ""},
        {"RACESTR2", "5"},      {"RACECALC", "9"},      {"RACERLST", "0"},         {"RACERPTS", "0"},
        {"RACERSLT(T)", "2"},   {"RACERSLT(Y)", "8"},   {"RACERUFC(N)", "\b\b--"}, {"RACERSMF", ""},
    };
    for (const auto& row : table)
        EXPECT_EQ(FooterCode(row.name), row.code) << row.name;
}

TEST(PrintCodeOfFile, ExtensionsWithPrintSettingsKeepTheirCode)
{
    EXPECT_EQ(PrintCodeOfFile("/races/RACE.rn1"), "RN1");
    EXPECT_EQ(PrintCodeOfFile("/races/RACE.RC2"), "RC2");
    EXPECT_EQ(PrintCodeOfFile("/races/$TOP$.DAT"), "TMP");
    EXPECT_EQ(PrintCodeOfFile("/races/RACE"), "TMP");
    for (const char* code : {"LBL", "SDW", "CRD"})
        EXPECT_TRUE(IsHeadinglessCode(code)) << code;
    EXPECT_FALSE(IsHeadinglessCode("DLB"));
}

}  // namespace
}  // namespace skitally
