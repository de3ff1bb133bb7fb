#include "report_printing.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdio>
#include <fstream>

#include "app/app_folders.h"
#include "app/scripted_operator.h"

namespace skitally {
namespace {

std::string PageCount(const std::string& pdf)
{
    std::string out;
    if (std::FILE* pipe = popen(("pdfinfo '" + pdf + "' 2>/dev/null").c_str(), "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, pipe))
            if (std::string(line).rfind("Pages:", 0) == 0)
                out = std::string(line).substr(6);
        pclose(pipe);
    }
    return out.substr(out.find_first_not_of(' ') == std::string::npos ? 0 : out.find_first_not_of(' '));
}

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
    EXPECT_EQ(head, "%PDF-");
    if (std::system("command -v pdfinfo >/dev/null 2>&1") == 0) {
        EXPECT_EQ(PageCount(pdf), "2\n");
    }

    ScriptedOperator cancelled({ScriptedOperator::kCancel});
    EXPECT_FALSE(SaveReportAsPdf(ctx, cancelled, report));
}

}  // namespace
}  // namespace skitally
