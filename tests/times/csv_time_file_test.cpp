#include "times/csv_time_file.h"

#include <gtest/gtest.h>

namespace skitally {
namespace {

using O = CsvOutcome;

TEST(CsvTimeFile, LinesByTheirColumns)
{
    // clang-format off
    const struct { const char* line; CsvColumns columns; O outcome; const char* bib; double seconds;
                   const char* status; } cases[] = {
        {"12,Moreau,1:03.45,", {1, 3, 4}, O::Times, "12", 63.45, ""},
        {"12,Moreau,63.456,DSQ", {1, 3, 4}, O::Times, "12", 63.456, "DSQ"},
        {"12,Moreau,dnf", {1, 3, 3}, O::Times, "12", 0, "DNF"}, // the status in the time column
        {"12,Moreau,1:02:03.45", {1, 3, 3}, O::Times, "12", 3723.45, ""},
        {"\"12\",\"Moreau, Anna\",63.45,OK", {1, 3, 4}, O::Times, "12", 63.45, ""}, // a quoted comma; "OK" no status
        {"12,Moreau,,", {1, 3, 4}, O::NoTimeOrStatus, "12", 0, ""},
        {"12,Moreau,0:00.00,", {1, 3, 4}, O::NoTimeOrStatus, "12", 0, ""},
        {"Bib,Name,Time,Status", {1, 3, 4}, O::BibNotNumeric, "Bib", 0, ""},
        {"-5,Moreau,63.45,", {1, 3, 4}, O::BibNotNumeric, "-5", 0, ""},
        {"12,Moreau,63.45", {1, 3, 4}, O::FieldBeyond, "", 0, ""},
        {"12,Moreau\x01,63.45,", {1, 3, 4}, O::NotText, "", 0, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        const std::vector<CsvTimeLine> lines = ReadCsvTimes(std::string("\r\n   \n") + c.line + "\r\n", c.columns);
        ASSERT_EQ(lines.size(), 1u) << c.line; // blank lines are passed over
        EXPECT_EQ(lines[0].line, 3);
        EXPECT_EQ(lines[0].outcome, c.outcome) << c.line;
        EXPECT_EQ(lines[0].bib, c.bib) << c.line;
        EXPECT_DOUBLE_EQ(lines[0].seconds, c.seconds) << c.line;
        EXPECT_EQ(lines[0].status, c.status) << c.line;
    }
}

} // namespace
} // namespace skitally
