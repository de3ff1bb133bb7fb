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
        std::vector<SortCell> line{kEmpty};
        line.insert(line.end(), row.begin(), row.end());
        table.push_back(line);
    }
    return table;
}

SortTable Transpose(const SortTable& table) {
    SortTable out;
    for (std::size_t r = 0; r < table.size(); ++r) {
        for (std::size_t c = 0; c < table[r].size(); ++c) {
            if (out.size() <= c) out.resize(c + 1);
            if (out[c].size() <= r) out[c].resize(r + 1);
            out[c][r] = table[r][c];
        }
    }
    return out;
}

// One letter per row from a text column, "_" for an empty or missing cell.
std::string Ids(const SortTable& table, std::size_t column) {
    std::string ids;
    for (std::size_t r = 1; r < table.size(); ++r) {
        const auto* text =
            column < table[r].size() ? std::get_if<std::string>(&table[r][column]) : nullptr;
        ids += text != nullptr ? *text : "_";
    }
    return ids;
}

// Keys 3 1 2 1 3 2 1 with ids a..g: three groups of ties.
SortTable SevenRows() {
    return Rows({{N(3), T("a")}, {N(1), T("b")}, {N(2), T("c")}, {N(1), T("d")},
                 {N(3), T("e")}, {N(2), T("f")}, {N(1), T("g")}});
}

// ---- Reading sort orders ----

TEST(ParseSortSpec, ReadsColumnsAndDirections) {
    const auto keys = ParseSortSpec(" 1 - d , 3-A,6-a");
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].column, 1);
    EXPECT_EQ(keys[0].direction, 'D');
    EXPECT_EQ(keys[1].column, 3);
    EXPECT_EQ(keys[1].direction, 'A');
    EXPECT_EQ(keys[2].direction, 'A');
}

TEST(ParseSortSpec, MissingOrEmptyDirectionIsAscending) {
    for (const char* order : {"5", "5-", "5 -  "}) {
        const auto keys = ParseSortSpec(order);
        ASSERT_EQ(keys.size(), 1u) << order;
        EXPECT_EQ(keys[0].column, 5) << order;
        EXPECT_EQ(keys[0].direction, 'A') << order;
    }
}

TEST(ParseSortSpec, StopsAtFirstEmptyKey) {
    const auto keys = ParseSortSpec("6-A, ,3-D");
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].column, 6);
    EXPECT_TRUE(ParseSortSpec("").empty());
    EXPECT_TRUE(ParseSortSpec(",1-A").empty());
    EXPECT_EQ(ParseSortSpec("1-A,2-D,").size(), 2u);
}

TEST(ParseSortSpec, RoundsColumnHalfToEven) {
    EXPECT_EQ(ParseSortSpec("2.5-A")[0].column, 2);
    EXPECT_EQ(ParseSortSpec("3.5-A")[0].column, 4);
    EXPECT_EQ(ParseSortSpec("2.4-A")[0].column, 2);
    EXPECT_EQ(ParseSortSpec("2.6-A")[0].column, 3);
}

TEST(ParseSortSpec, UnreadableColumnIsZeroAndBadDirectionMarked) {
    EXPECT_EQ(ParseSortSpec("x-A")[0].column, 0);
    EXPECT_EQ(ParseSortSpec("-D")[0].column, 0);
    EXPECT_EQ(ParseSortSpec("1-X")[0].direction, '?');
    EXPECT_EQ(ParseSortSpec("1-AD")[0].direction, '?');
}

// ---- Value comparison ----

TEST(CompareSortCells, TextsCompareByByteCode) {
    EXPECT_LT(CompareSortCells(T("10"), T("9")), 0);
    EXPECT_LT(CompareSortCells(T("Z"), T("a")), 0);
    // Bytes above 0x7F sort after ASCII (unsigned, not signed char).
    EXPECT_LT(CompareSortCells(T("z"), T("\xC3\xA9")), 0);
    EXPECT_EQ(CompareSortCells(T("ab"), T("ab")), 0);
}

TEST(CompareSortCells, NumberBeforeAnyText) {
    EXPECT_LT(CompareSortCells(N(1e9), T("")), 0);
    EXPECT_GT(CompareSortCells(T("0"), N(-5)), 0);
    EXPECT_LT(CompareSortCells(N(-1), N(0.5)), 0);
}

TEST(CompareSortCells, EmptyIsZeroOrEmptyText) {
    EXPECT_EQ(CompareSortCells(kEmpty, N(0)), 0);
    EXPECT_GT(CompareSortCells(kEmpty, N(-1)), 0);
    EXPECT_LT(CompareSortCells(kEmpty, N(0.5)), 0);
    EXPECT_EQ(CompareSortCells(kEmpty, T("")), 0);
    EXPECT_LT(CompareSortCells(kEmpty, T(" ")), 0);
    EXPECT_EQ(CompareSortCells(kEmpty, kEmpty), 0);
}

// ---- One-dimensional list ----

TEST(SortList, AscendingMixedValues) {
    std::vector<SortCell> list{T("zzz"), T("b"), N(3), kEmpty, T("10"), N(-1), T("9")};
    ASSERT_TRUE(SortList(list, 'A').ok());
    const std::vector<SortCell> expected{T("zzz"), N(-1), kEmpty, N(3), T("10"), T("9"), T("b")};
    EXPECT_EQ(list, expected);  // index 0 stays put
}

TEST(SortList, DescendingAndLowerCase) {
    std::vector<SortCell> list{kEmpty, N(2), N(5), N(1), N(5)};
    ASSERT_TRUE(SortList(list, 'd').ok());
    const std::vector<SortCell> expected{kEmpty, N(5), N(5), N(2), N(1)};
    EXPECT_EQ(list, expected);
}

TEST(SortList, RefusesUnknownDirection) {
    std::vector<SortCell> list{kEmpty, N(2), N(1)};
    const Status status = SortList(list, 'X');
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error().find("\"X\""), std::string::npos) << status.error();
    EXPECT_EQ(list, (std::vector<SortCell>{kEmpty, N(2), N(1)}));
}

// ---- Row-major tables: tie order ----

TEST(SortTableRows, ThreeRowTieComesOutThirdRowFirst) {
    // Gap 2 swaps rows 1 and 3 first; gap 1 then sees the two 1s as equal.
    SortTable table = Rows({{N(2), T("a")}, {N(1), T("b")}, {N(1), T("c")}});
    ASSERT_TRUE(SortTableRows(table, "1-A").ok());
    EXPECT_EQ(Ids(table, 2), "cba");
}

TEST(SortTableRows, SevenRowsWithTiesFollowGapPasses) {
    // n = 7, keys 3 1 2 1 3 2 1 (a..g):
    // gap 4: c(2) > g(1) swaps -> a b g d e f c; next pass makes no swap.
    // gap 2: a > g and e > c swap -> g b a d c f e; then a > c swaps
    //        -> g b c d a f e; next pass makes no swap.
    // gap 1: c > d and a > f swap -> g b d c f a e; next pass makes no swap.
    // A stable sort would give b d g c f a e.
    SortTable table = SevenRows();
    ASSERT_TRUE(SortTableRows(table, "1-A").ok());
    EXPECT_EQ(Ids(table, 2), "gbdcfae");
}

TEST(SortTableRows, DescendingTiesComeOutReversed) {
    // Gap 2 swaps a and c; gap 1 finds b and a equal.
    SortTable table = Rows({{N(1), T("a")}, {N(1), T("b")}, {N(2), T("c")}});
    ASSERT_TRUE(SortTableRows(table, "1-D").ok());
    EXPECT_EQ(Ids(table, 2), "cba");
}

TEST(SortTableRows, SecondKeyBreaksTies) {
    SortTable table = Rows({{N(1), T("a"), N(5)},
                            {N(2), T("b"), N(9)},
                            {N(2), T("c"), N(3)},
                            {N(1), T("d"), N(1)}});
    ASSERT_TRUE(SortTableRows(table, "1-D, 3-A").ok());
    EXPECT_EQ(Ids(table, 2), "cbda");
}

// ---- Row-major tables: specifications ----

TEST(SortTableRows, EmptyKeyEndsSpecification) {
    // Column 6 ties; only the dropped "3-D" would reorder the two rows.
    const SortTable input = Rows({{T("a"), kEmpty, N(1), kEmpty, kEmpty, N(7)},
                                  {T("b"), kEmpty, N(2), kEmpty, kEmpty, N(7)}});
    SortTable full = input;
    ASSERT_TRUE(SortTableRows(full, "6-A,3-D").ok());
    EXPECT_EQ(Ids(full, 1), "ba");

    SortTable cut = input;
    ASSERT_TRUE(SortTableRows(cut, "6-A, ,3-D").ok());
    EXPECT_EQ(Ids(cut, 1), "ab");
}

TEST(SortTableRows, BareColumnIsAscending) {
    SortTable table = Rows({{T("a"), kEmpty, kEmpty, kEmpty, N(3)},
                            {T("b"), kEmpty, kEmpty, kEmpty, N(1)},
                            {T("c"), kEmpty, kEmpty, kEmpty, N(2)}});
    ASSERT_TRUE(SortTableRows(table, "5").ok());
    EXPECT_EQ(Ids(table, 1), "bca");
}

TEST(SortTableRows, UnknownDirectionRefusedBeforeMoving) {
    // The valid first key alone would reorder the rows.
    SortTable table = SevenRows();
    const Status status = SortTableRows(table, "1-A,2-X");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error().find("\"X\""), std::string::npos) << status.error();
    EXPECT_EQ(table, SevenRows());
}

TEST(SortTableRows, UnreadableColumnKeyIsSkipped) {
    SortTable table = SevenRows();
    ASSERT_TRUE(SortTableRows(table, "x-D,1-A").ok());
    EXPECT_EQ(Ids(table, 2), "gbdcfae");
}

// ---- Row-major tables: shapes ----

TEST(SortTableRows, MissingCellsCountAsEmpty) {
    // Row b has no column 2: it sorts as 0 between -2 and 3.
    SortTable table = Rows({{T("a"), N(3)}, {T("b")}, {T("c"), N(-2)}});
    ASSERT_TRUE(SortTableRows(table, "2-A").ok());
    EXPECT_EQ(Ids(table, 1), "cba");
    EXPECT_EQ(table[1][2], N(-2));
    EXPECT_EQ(table[3][2], N(3));
}

TEST(SortTableRows, ColumnBeyondTableLeavesOrder) {
    SortTable table = SevenRows();
    ASSERT_TRUE(SortTableRows(table, "9-D").ok());
    EXPECT_EQ(table, SevenRows());
}

TEST(SortTableRows, IndexZeroTakesNoPart) {
    SortTable table = Rows({{N(2), T("a")}, {N(1), T("b")}});
    table[0] = {T("r0"), N(-100), T("row0")};
    table[1][0] = T("m1");
    table[2][0] = T("m2");
    ASSERT_TRUE(SortTableRows(table, "1-A").ok());
    EXPECT_EQ(table[0], (std::vector<SortCell>{T("r0"), N(-100), T("row0")}));
    EXPECT_EQ(table[1], (std::vector<SortCell>{T("m1"), N(1), T("b")}));
    EXPECT_EQ(table[2], (std::vector<SortCell>{T("m2"), N(2), T("a")}));
}

TEST(SortTableRows, NoRowOrOneRowUnchanged) {
    SortTable none;
    EXPECT_TRUE(SortTableRows(none, "1-A").ok());
    EXPECT_TRUE(none.empty());

    SortTable header_only = {{T("h"), N(1)}};
    EXPECT_TRUE(SortTableRows(header_only, "1-D").ok());
    EXPECT_EQ(header_only, (SortTable{{T("h"), N(1)}}));

    SortTable one = Rows({{N(5), T("a")}});
    EXPECT_TRUE(SortTableRows(one, "1-D").ok());
    EXPECT_EQ(one, Rows({{N(5), T("a")}}));
}

// ---- Column-major tables ----

TEST(SortTableCols, SameOrderAsRowLayout) {
    for (const char* order : {"1-A", "1-D", "2-D,1-A"}) {
        SortTable rows = SevenRows();
        SortTable cols = Transpose(SevenRows());
        ASSERT_TRUE(SortTableRows(rows, order).ok());
        ASSERT_TRUE(SortTableCols(cols, order).ok());
        EXPECT_EQ(cols, Transpose(rows)) << order;
    }
}

TEST(SortTableCols, ShortColumnIsPaddedWhenItsCellsMove) {
    // Column 2 stops at row 2: row 3 of it is empty and must travel too.
    SortTable table = {{}, {kEmpty, N(3), N(1), N(2)}, {kEmpty, T("a"), T("b")}};
    ASSERT_TRUE(SortTableCols(table, "1-A").ok());
    EXPECT_EQ(table[1], (std::vector<SortCell>{kEmpty, N(1), N(2), N(3)}));
    EXPECT_EQ(table[2], (std::vector<SortCell>{kEmpty, T("b"), kEmpty, T("a")}));
}

TEST(SortTableCols, UnknownDirectionRefusedBeforeMoving) {
    SortTable table = Transpose(SevenRows());
    EXPECT_FALSE(SortTableCols(table, "1-A, 2-up").ok());
    EXPECT_EQ(table, Transpose(SevenRows()));
}

}  // namespace
}  // namespace skitally
