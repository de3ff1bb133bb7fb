// Report names to file type codes, footer codes and print codes of files.

#include "reports/report_type.h"

#include <gtest/gtest.h>

#include "app/paths.h"
#include "app/settings_store.h"
#include "reports/print_settings.h"

#include "app/paths.h"
#include "app/settings_store.h"
#include "reports/print_settings.h"

namespace skitally {
namespace {

TEST(ReportTypeCode, TheTableOfReportNames)
{
    const struct {
        const char* name;
        const char* code;
    } table[] = {
        {"RACECALC", "CLC"}, {"RACESTR1(N,Y)", "RN1"}, {"RACESTR2", "RN2"}, {"RACERSLT(N)", "OFC"},
        {"RACERUFC", "UFC"}, {"RACERLST", "LST"},      {"RACERPTS", "PTS"}, {"RACERLBL", "LBL"},
        {"RACERSDW", "SDW"}, {"RACERSMF", "SMF"},      {"RACERCRD", "CRD"}, {"RACERSLT(T)", "TRN"},
        {"LEAGUE", "TMP"},   {"RACERSL", "TMP"},       {"", "TMP"},         {"RACESTR1", "RN1"},
    };
    for (const auto& row : table)
        EXPECT_EQ(ReportTypeCode(row.name), row.code) << row.name;
}

TEST(ReportTypeCode, TrainingTimesOnlyByTheFullName)
{
    EXPECT_EQ(ReportTypeCode("RACERSLT(T)"), "TRN");
    EXPECT_EQ(ReportTypeCode("RACERSLT(T)", true), "TRN");
    EXPECT_EQ(ReportTypeCode("RACERSLT(TX)"), "OFC");
}

TEST(ReportTypeCode, RecreationalUnofficialResultsAreOfficialUnlessAskedOtherwise)
{
    EXPECT_EQ(ReportTypeCode("RACERUFC(Y)", true), "OFC");
    EXPECT_EQ(ReportTypeCode("RACERUFC(Y)", true, true), "UFC");
    EXPECT_EQ(ReportTypeCode("RACERUFC(Y)", false), "UFC");
    EXPECT_EQ(ReportTypeCode("RACERSLT(N)", true), "OFC");
}

TEST(FooterCode, ByFullReportName)
{
    EXPECT_EQ(FooterCode("RACESTR1(N,Y)"), "3");
    EXPECT_EQ(FooterCode("RACESTR1(N,N)"), "3");
    EXPECT_EQ(FooterCode("RACESTR1(Y,N)"), "1");
    EXPECT_EQ(FooterCode("RACESTR1(Y,Y)"), "");
    EXPECT_EQ(FooterCode("RACESTR2"), "5");
    EXPECT_EQ(FooterCode("RACECALC"), "9");
    EXPECT_EQ(FooterCode("RACERLST"), "0");
    EXPECT_EQ(FooterCode("RACERPTS"), "0");
    EXPECT_EQ(FooterCode("RACERSLT(T)"), "2");
    EXPECT_EQ(FooterCode("RACERSLT(Y)"), "8");
    EXPECT_EQ(FooterCode("RACERUFC(N)"), "\b\b--");
    EXPECT_EQ(FooterCode("RACERSMF"), "");
}

TEST(PrintCodeOfFile, ExtensionsWithPrintSettingsKeepTheirCode)
{
    EXPECT_EQ(PrintCodeOfFile("/races/RACE.rn1"), "RN1");
    EXPECT_EQ(PrintCodeOfFile("/races/RACE.RC2"), "RC2");
    EXPECT_EQ(PrintCodeOfFile("/races/$TOP$.DAT"), "TMP");
    EXPECT_EQ(PrintCodeOfFile("/races/RACE"), "TMP");
    EXPECT_TRUE(IsHeadinglessCode("LBL"));
    EXPECT_TRUE(IsHeadinglessCode("SDW"));
    EXPECT_TRUE(IsHeadinglessCode("CRD"));
    EXPECT_FALSE(IsHeadinglessCode("DLB"));
}

TEST(PrintSettingsFor, FourKeysOfFiveGiveTheDefaultsOfTheCode)
{
    auto store = SettingsStore::InMemory();
    SavePrintSettings(*store, "RN1", {12, 1, 1, 2, 2});
    EXPECT_EQ(PrintSettingsFor(*store, "RN1").fontSize, 12);
    store->Set("Settings", "RN1LftMrg", "");
    const PrintSettings defaults = PrintSettingsFor(*store, "RN1");
    EXPECT_EQ(defaults.fontSize, 9);
    EXPECT_EQ(defaults.topLines, 3);
    EXPECT_EQ(defaults.orientation, 1);
    // The draw's information reports print with the settings of "TMP".
    EXPECT_EQ(PrintSettingsFor(*store, PrintCodeOfFile("/races/$MATCH$.DAT")).fontSize, 11);
}

TEST(ReportFileName, TheBaseNameStopsAtTheFirstDot)
{
    EXPECT_EQ(ChangeExtension("/races/" + FileBaseName("/races/RACE.2026.RCR"), ReportTypeCode("RACESTR1(N,Y)")),
              "/races/RACE.RN1");
}

}  // namespace
}  // namespace skitally
