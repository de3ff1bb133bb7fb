#include "report_printing.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

#include "app/app_folders.h"
#include "app/scripted_operator.h"

namespace skitally {
namespace {

TEST(ReportPrinting, TheViewerSavesTheReportAsAPdfOfItsPages)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    AppContext ctx(DefaultAppFolders(folder, folder), SystemClock());
    const std::string report = folder + "/SL1.RN1";
    // Two pages; the first ends in a struck-out footer code.
    std::ofstream(report, std::ios::binary) << "START LIST\r\nPAGE ONE 3\b\b--\r\n\f"
                                            << "PAGE TWO\r\n\f";
    const std::string pdf = folder + "/SL1 start list.pdf";
    ScriptedOperator op({pdf});
    ASSERT_TRUE(SaveReportAsPdf(ctx, op, report)) << op.transcript();
    std::ifstream written(pdf, std::ios::binary);
    std::string head(5, '\0');
    written.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");  // its pages are read back in the command-line PDF test

    ScriptedOperator cancelled({ScriptedOperator::kCancel});
    EXPECT_FALSE(SaveReportAsPdf(ctx, cancelled, report));
}

}  // namespace
}  // namespace skitally
