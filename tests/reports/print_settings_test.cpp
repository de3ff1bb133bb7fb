#include "reports/print_settings.h"

#include <gtest/gtest.h>

#include "reports/report_type.h"

namespace skitally {
namespace {

TEST(PrintSettings, StartUpWritesTheDefaultsOfEveryCodeInOrder)
{
    auto store = SettingsStore::InMemory();
    PreparePrintSettings(*store);
    std::string codes;
    for (const DefaultPrintSettings& entry : DefaultPrintSettingsTable())
        codes += entry.code + " ";
    EXPECT_EQ(codes, "LST PTS LBL DLB CRD BRD RN1 RC1 RN2 RC2 SDW SMF TRN CLC UFC OFC RGR TMP ");
    EXPECT_EQ(store->Get("Settings", "BRDSzeFnt"), "40");
    EXPECT_EQ(store->Get("Settings", "BRDPgeOrn"), "2");
    EXPECT_EQ(store->Get("Settings", "BRDFntBld"), "2");
    EXPECT_EQ(store->Get("Settings", "PTSLftMrg"), "0.5");
    EXPECT_EQ(store->Get("Settings", "CLCSzeFnt"), "9.5");
    EXPECT_EQ(store->Get("Settings", "CRDTopPge"), "0");
}

TEST(PrintSettings, FourKeysOfFiveGiveTheDefaultsOfTheCode)
{
    auto store = SettingsStore::InMemory();
    SavePrintSettings(*store, "RN1", {10, 2, 0.25f, 2, 2});
    const auto loaded = LoadPrintSettings(*store, "RN1");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->fontSize, 10);
    EXPECT_EQ(loaded->topLines, 2);
    EXPECT_EQ(loaded->leftMargin, 0.25f);
    EXPECT_EQ(loaded->orientation, 2);
    EXPECT_EQ(loaded->bold, 2);
    EXPECT_EQ(PrintSettingsFor(*store, "RN1").fontSize, 10);
    store->Set("Settings", "RN1FntBld", "bold");
    EXPECT_FALSE(LoadPrintSettings(*store, "RN1"));
    store->Set("Settings", "RN1FntBld", "");
    EXPECT_FALSE(LoadPrintSettings(*store, "RN1"));
    const PrintSettings defaults = PrintSettingsFor(*store, "RN1");
    EXPECT_EQ(defaults.fontSize, 9);
    EXPECT_EQ(defaults.topLines, 3);
    EXPECT_EQ(defaults.orientation, 1);
    // The draw's information reports print with the settings of "TMP".
    EXPECT_EQ(PrintSettingsFor(*store, PrintCodeOfFile("/races/$MATCH$.DAT")).fontSize, 11);
}

TEST(PrintSettings, ARestartResetsAChangedFontSizeButTheCalculationSheetsOnlyWhenItGrew)
{
    auto store = SettingsStore::InMemory();
    SavePrintSettings(*store, "OFC", {12, 5, 1, 2, 2});
    SavePrintSettings(*store, "RN1", {9, 5, 1, 2, 2});  // default size: kept as it is
    SavePrintSettings(*store, "CLC", {8, 3, 0.75f, 1, 0});
    PreparePrintSettings(*store);
    EXPECT_EQ(store->Get("Settings", "OFCSzeFnt"), "9");
    EXPECT_EQ(store->Get("Settings", "OFCTopPge"), "3");
    EXPECT_EQ(store->Get("Settings", "RN1TopPge"), "5");
    EXPECT_EQ(store->Get("Settings", "RN1LftMrg"), "1");
    EXPECT_EQ(store->Get("Settings", "CLCSzeFnt"), "8");
    EXPECT_EQ(store->Get("Settings", "CLCLftMrg"), "0.75");
    SavePrintSettings(*store, "CLC", {10, 3, 0, 1, 0});
    PreparePrintSettings(*store);
    EXPECT_EQ(store->Get("Settings", "CLCSzeFnt"), "9.5");
    EXPECT_EQ(store->Get("Settings", "CLCLftMrg"), "0.5");
}

}  // namespace
}  // namespace skitally
