// A ski-cross result list shows the racer's ladder seed where other races
// show the bib, under "Ldr".

#include <gtest/gtest.h>

#include "reports/result_columns.h"
#include "support/test_support.h"

namespace skitally::test {
namespace {

TEST(LadderColumn, SkiCrossPrintsTheLadderSeedInPlaceOfTheBib)
{
    // clang-format off
    const struct { const char *discipline, *sxQual, *heading, *line; } rows[] = {
        {"S", "  7", "POS BIB COMPETITOR", "  1  12 ROY, Emma"},
        {"SX", "  7", "POS Ldr COMPETITOR", "  1   7 ROY, Emma"},
        {"SX", "", "POS Ldr COMPETITOR", "  1     ROY, Emma"},      // not in the ladder
        {"SX", "~~~~", "POS Ldr COMPETITOR", "  1     ROY, Emma"},  // the timer's filler
    };
    // clang-format on
    TempDir dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.discipline) + " [" + row.sxQual + "]");
        AppContext ctx{FoldersIn(dir), FixedClock()};
        ctx.race.open = true;
        ctx.race.header.values.discipline = row.discipline;
        const ResultColumns columns(ctx, ColumnsFromOptions(""), 3, {});
        ResultRow result;
        result.racer.name = "ROY, Emma";
        result.racer.bib = " 12";
        result.racer.sxQual = row.sxQual;
        result.position = 1;
        EXPECT_EQ(columns.Headings()[0].substr(0, 18), row.heading);
        EXPECT_EQ(columns.Classified(result, false).substr(0, 17), row.line);
    }
}

}  // namespace
}  // namespace skitally::test
