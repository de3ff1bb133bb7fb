#include "util/table_sort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skitally {
namespace {

SortCell N(double value) { return value; }
SortCell T(const char* text) { return std::string(text); }
const SortCell kEmpty{};

// Row-major table; each given row gets an unused cell 0 and row 0 is blank.
SortTable Rows(const std::vector<std::vector<SortCell>>& rows) {
    SortTable table(1);
    for (const auto& row : rows) {
        table.push_back({kEmpty});
        table.back().insert(table.back().end(), row.begin(), row.end());
    }
    return table;
}

SortTable Transpose(const SortTable& table) {
    SortTable out;
    for (std::size_t r = 0; r < table.size(); ++r)
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            if (out.size() <= c) out.resize(c + 1);
            if (out[c].size() <= r) out[c].resize(r + 1);
            out[c][r] = table[r][c];
        }
    return out;
}

// One letter per row from a text column, "_" for an empty or missing cell.
std::string Ids(const SortTable& table, std::size_t column) {
    std::string ids;
    for (std::size_t r = 1; r < table.size(); ++r) {
        const auto* text = column < table[r].size() ? std::get_if<std::string>(&table[r][column]) : nullptr;
        ids += text != nullptr ? *text : "_";
    }
    return ids;
}

// Keys 3 1 2 1 3 2 1 with ids a..g: three groups of ties.
SortTable SevenRows() {
    return Rows({{N(3), T("a")}, {N(1), T("b")}, {N(2), T("c")}, {N(1), T("d")},
                 {N(3), T("e")}, {N(2), T("f")}, {N(1), T("g")}});
}

TEST(ParseSortSpec, ColumnsAndDirections) {
    // clang-format off
    const struct { const char* order; const char* keys; } cases[] = {
        {" 1 - d , 3-A,6-a", "1D 3A 6A "},
        {"5", "5A "}, {"5-", "5A "}, {"5 -  ", "5A "},        // no direction is ascending
        {"6-A, ,3-D", "6A "}, {"", ""}, {",1-A", ""},        // stops at the first empty key
        {"1-A,2-D,", "1A 2D "},
        {"2.5-A", "2A "}, {"3.5-A", "4A "}, {"2.4-A", "2A "}, {"2.6-A", "3A "},  // half to even
        {"x-A", "0A "}, {"-D", "0D "}, {"1-X", "1? "}, {"1-AD", "1? "},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::string keys;
        for (const SortKey& key : ParseSortSpec(c.order))
            keys += std::to_string(key.column) + key.direction + ' ';
        EXPECT_EQ(keys, c.keys) << '"' << c.order << '"';
    }
}

TEST(CompareSortCells, NumbersTextsAndEmpty) {
    // clang-format off
    const struct { SortCell a, b; int sign; } cases[] = {
        {T("10"), T("9"), -1}, {T("Z"), T("a"), -1}, {T("ab"), T("ab"), 0},
        {T("z"), T("\xC3\xA9"), -1},  // bytes above 0x7F sort after ASCII
        {N(1e9), T(""), -1}, {T("0"), N(-5), 1}, {N(-1), N(0.5), -1},
        {kEmpty, N(0), 0}, {kEmpty, N(-1), 1}, {kEmpty, N(0.5), -1},
        {kEmpty, T(""), 0}, {kEmpty, T(" "), -1}, {kEmpty, kEmpty, 0},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const int got = CompareSortCells(cases[i].a, cases[i].b);
        EXPECT_EQ((got > 0) - (got < 0), cases[i].sign) << "case " << i;
    }
}

TEST(SortList, OrdersFromIndexOne) {
    std::vector<SortCell> list{T("zzz"), T("b"), N(3), kEmpty, T("10"), N(-1), T("9")};
    ASSERT_TRUE(SortList(list, 'A').ok());
    EXPECT_EQ(list, (std::vector<SortCell>{T("zzz"), N(-1), kEmpty, N(3), T("10"), T("9"), T("b")}));

    list = {kEmpty, N(2), N(5), N(1), N(5)};
    ASSERT_TRUE(SortList(list, 'd').ok());
    EXPECT_EQ(list, (std::vector<SortCell>{kEmpty, N(5), N(5), N(2), N(1)}));

    list = {kEmpty, N(2), N(1)};
    const Status status = SortList(list, 'X');
    EXPECT_NE(status.error().find("\"X\""), std::string::npos) << status.error();
    EXPECT_EQ(list, (std::vector<SortCell>{kEmpty, N(2), N(1)}));
}

// Equal keys come out in the order the gap-halving exchange passes leave
// them, worked out pass by pass.
TEST(SortTableRows, TieOrdersAndSpecifications) {
    // Column 6 ties; only "3-D" reorders the two rows.
    const SortTable sixth = Rows({{T("a"), kEmpty, N(1), kEmpty, kEmpty, N(7)},
                                  {T("b"), kEmpty, N(2), kEmpty, kEmpty, N(7)}});
    // clang-format off
    const struct { SortTable table; const char* order; std::size_t idColumn; const char* ids; } cases[] = {
        // Gap 2 swaps rows 1 and 3; gap 1 then sees the two 1s as equal.
        {Rows({{N(2), T("a")}, {N(1), T("b")}, {N(1), T("c")}}), "1-A", 2, "cba"},
        // gap 4: c > g swaps; gap 2: a > g, e > c, then a > c; gap 1: c > d,
        // a > f. A stable sort would give bdgcfae.
        {SevenRows(), "1-A", 2, "gbdcfae"},
        {SevenRows(), "x-D,1-A", 2, "gbdcfae"},  // an unreadable column is skipped
        {SevenRows(), "9-D", 2, "abcdefg"},      // a column beyond the table moves nothing
        {Rows({{N(1), T("a")}, {N(1), T("b")}, {N(2), T("c")}}), "1-D", 2, "cba"},
        {Rows({{N(1), T("a"), N(5)}, {N(2), T("b"), N(9)}, {N(2), T("c"), N(3)}, {N(1), T("d"), N(1)}}),
         "1-D, 3-A", 2, "cbda"},
        {sixth, "6-A,3-D", 1, "ba"},
        {sixth, "6-A, ,3-D", 1, "ab"},
        {Rows({{T("a"), kEmpty, kEmpty, kEmpty, N(3)}, {T("b"), kEmpty, kEmpty, kEmpty, N(1)},
               {T("c"), kEmpty, kEmpty, kEmpty, N(2)}}),
         "5", 1, "bca"},
        // Row b has no column 2: it sorts as 0 between -2 and 3.
        {Rows({{T("a"), N(3)}, {T("b")}, {T("c"), N(-2)}}), "2-A", 1, "cba"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order);
        SortTable rows = c.table;
        ASSERT_TRUE(SortTableRows(rows, c.order).ok());
        EXPECT_EQ(Ids(rows, c.idColumn), c.ids);
        // The column layout of ladders and league tables gives the same order.
        SortTable cols = Transpose(c.table);
        ASSERT_TRUE(SortTableCols(cols, c.order).ok());
        EXPECT_EQ(Ids(Transpose(cols), c.idColumn), c.ids);
    }
}

TEST(SortTableRows, UnknownDirectionRefusedBeforeMoving) {
    // The valid first key alone would reorder the rows.
    SortTable table = SevenRows();
    const Status status = SortTableRows(table, "1-A,2-X");
    EXPECT_NE(status.error().find("\"X\""), std::string::npos) << status.error();
    EXPECT_EQ(table, SevenRows());

    table = Transpose(SevenRows());
    EXPECT_FALSE(SortTableCols(table, "1-A, 2-up").ok());
    EXPECT_EQ(table, Transpose(SevenRows()));
}

TEST(SortTableRows, IndexZeroAndShortTables) {
    SortTable table = Rows({{N(2), T("a")}, {N(1), T("b")}});
    table[0] = {T("r0"), N(-100), T("row0")};
    table[1][0] = T("m1");
    table[2][0] = T("m2");
    ASSERT_TRUE(SortTableRows(table, "1-A").ok());
    EXPECT_EQ(table[0], (std::vector<SortCell>{T("r0"), N(-100), T("row0")}));
    EXPECT_EQ(table[1], (std::vector<SortCell>{T("m1"), N(1), T("b")}));
    EXPECT_EQ(table[2], (std::vector<SortCell>{T("m2"), N(2), T("a")}));

    for (const SortTable& unchanged : {SortTable{}, SortTable{{T("h"), N(1)}}, Rows({{N(5), T("a")}})}) {
        SortTable copy = unchanged;
        EXPECT_TRUE(SortTableRows(copy, "1-D").ok());
        EXPECT_EQ(copy, unchanged);
    }
}

TEST(SortTableCols, ShortColumnIsPaddedWhenItsCellsMove) {
    // Column 2 stops at row 2: row 3 of it is empty and must travel too.
    SortTable table = {{}, {kEmpty, N(3), N(1), N(2)}, {kEmpty, T("a"), T("b")}};
    ASSERT_TRUE(SortTableCols(table, "1-A").ok());
    EXPECT_EQ(table[1], (std::vector<SortCell>{kEmpty, N(1), N(2), N(3)}));
    EXPECT_EQ(table[2], (std::vector<SortCell>{kEmpty, T("b"), kEmpty, T("a")}));
}

}  // namespace
}  // namespace skitally
