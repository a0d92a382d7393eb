// The grid's data: counts, cell states and the selection map, the modified flag, sizes
// and sorting.
#include <gtest/gtest.h>

#include "TestGrid.h"

namespace {

TEST(GridCounts, ShrinkingBelowTheFixedCountLowersIt) {
    TestGrid g(10, 5, 3, 2);
    g.SetRowCount(2);
    EXPECT_EQ(g.GetRowCount(), 2);
    EXPECT_EQ(g.GetFixedRowCount(), 2);
    g.SetColumnCount(1);
    EXPECT_EQ(g.GetFixedColumnCount(), 1);
    // Every remaining row still has a cell per column.
    EXPECT_TRUE(g.SetItemText(1, 0, u"x"));
    EXPECT_FALSE(g.SetItemText(1, 1, u"x"));
}

TEST(GridCounts, ShrinkingBelowTheFocusRowClearsTheFocus) {
    TestGrid g(10, 5, 1, 1);
    g.SetFocusCell(7, 2);
    g.notes.clear();
    g.SetRowCount(8);  // row 7 survives
    EXPECT_EQ(g.GetFocusCell(), (CCellID{7, 2}));
    g.SetRowCount(7);
    EXPECT_EQ(g.GetFocusCell(), CCellID{});
    EXPECT_EQ(g.notes, (std::vector<Note>{{7, 2, grid::kNotifySelChanging}}));
    g.SetFocusCell(3, 4);
    g.SetColumnCount(4);
    EXPECT_EQ(g.GetFocusCell(), CCellID{});
}

TEST(GridCounts, RemovedCellsLeaveTheSelection) {
    TestGrid g(10, 5, 1, 1);
    g.SetSelectedRange(5, 1, 9, 3);
    g.SetRowCount(7);
    EXPECT_EQ(g.GetSelectedCount(), 2u * 3u);
    EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{5, 1, 6, 3}));
}

TEST(GridCounts, FixedCountAboveTheRowCountAddsRows) {
    TestGrid g(2, 2, 0, 0);
    g.SetFixedRowCount(4);
    EXPECT_EQ(g.GetRowCount(), 4);
    EXPECT_EQ(g.GetRowHeight(3), g.GetDefaultRowHeight());
    // A new cell below row 0 takes the format of the cell above.
    g.SetItemFormat(3, 1, grid::kFormatRight);
    g.SetRowCount(5);
    EXPECT_EQ(g.GetItemFormat(4, 1), grid::kFormatRight);
}

TEST(GridCounts, DeleteAllItemsEmptiesEverything) {
    TestGrid g(5, 5, 1, 1);
    g.SetFocusCell(2, 2);
    g.SetSelectedRange(1, 1, 3, 3);
    g.DeleteAllItems();
    EXPECT_EQ(g.GetRowCount() + g.GetColumnCount() + g.GetFixedRowCount() + g.GetFixedColumnCount(), 0);
    EXPECT_EQ(g.GetFocusCell(), CCellID{});
    EXPECT_EQ(g.GetSelectedCount(), 0u);
    EXPECT_EQ(g.GetFixedRowHeight(), 0);
}

TEST(GridCells, OutsideTheGridSettersRefuseAndGettersGiveTheirDefaults) {
    TestGrid g(3, 3, 1, 1);
    for (const auto& [row, col] : std::vector<std::pair<int, int>>{{-1, 0}, {0, -1}, {3, 0}, {0, 3}}) {
        SCOPED_TRACE(testing::Message() << row << "," << col);
        EXPECT_FALSE(g.SetItemText(row, col, u"x"));
        EXPECT_FALSE(g.SetItemState(row, col, 2));
        EXPECT_EQ(g.GetItemText(row, col), u"");
        EXPECT_EQ(g.GetItemData(row, col), 0u);
        EXPECT_EQ(g.GetItemImage(row, col), -1);
        EXPECT_EQ(g.GetItemState(row, col), 0u);
        EXPECT_EQ(g.GetRowHeight(row), row >= 0 && row < 3 ? 20 : -1);
    }
    GV_ITEM item;
    item.row = 5;
    EXPECT_FALSE(g.GetItem(&item));
    EXPECT_FALSE(g.GetItem(nullptr));
}

TEST(GridCells, GetItemFillsOnlyTheMaskedFields) {
    TestGrid g(3, 3, 1, 1);
    g.SetItemText(1, 1, u"abc");
    g.SetItemData(1, 1, 77);
    g.SetItemState(1, 1, grid::kStateReadOnly);
    GV_ITEM item;
    item.row = 1;
    item.col = 1;
    item.mask = grid::kMaskText | grid::kMaskData;
    ASSERT_TRUE(g.GetItem(&item));
    EXPECT_EQ(item.szText, u"abc");
    EXPECT_EQ(item.lParam, 77u);
    EXPECT_EQ(item.state, 0u);  // not asked for
}

TEST(GridSelectionMap, StateBitTwoKeepsTheMapInStepOnlyThroughSetItemState) {
    TestGrid g(5, 5, 1, 1);
    g.SetItemState(2, 3, grid::kStateSelected | grid::kStateMarked);
    EXPECT_TRUE(g.IsInSelectionMap(2, 3));
    g.AddItemState(3, 3, grid::kStateSelected);
    EXPECT_FALSE(g.IsInSelectionMap(3, 3));
    EXPECT_EQ(g.GetItemState(3, 3), grid::kStateSelected);
    g.SetItemState(2, 3, grid::kStateMarked);
    EXPECT_FALSE(g.IsInSelectionMap(2, 3));
    EXPECT_EQ(g.GetItemState(2, 3), grid::kStateMarked);
    // The key: column in the high word, row in the low word.
    EXPECT_EQ(GridCore::CellKey(2, 3), 0x00030002u);
}

TEST(GridSelectionMap, ARangeReplacesTheSelectionAndAnInvalidOneClearsIt) {
    TestGrid g(6, 6, 1, 1);
    EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{6, 6, -1, -1}));
    g.SetSelectedRange(1, 1, 2, 3);
    EXPECT_EQ(g.GetSelectedCount(), 6u);
    EXPECT_EQ(g.GetItemState(2, 3), grid::kStateSelected);
    g.SetSelectedRange(2, 2, 4, 2);
    EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{2, 2, 4, 2}));
    EXPECT_EQ(g.GetItemState(1, 1), 0u);
    g.SetSelectedRange(-1, -1, -1, -1);
    EXPECT_EQ(g.GetSelectedCount(), 0u);
    EXPECT_EQ(g.GetItemState(3, 2), 0u);
    g.EnableSelection(false);
    g.SelectAllCells();
    EXPECT_EQ(g.GetSelectedCount(), 0u);
}

TEST(GridSelectionMap, ControlClickKeepsThePreviousSelection) {
    TestGrid g(6, 6, 1, 1);
    g.OnLButtonDown({60, 30}, 0);  // cell (1, 1)
    g.OnLButtonUp({60, 30});
    g.OnLButtonDown({160, 70}, grid::kCtrl);  // cell (3, 3)
    g.OnLButtonUp({160, 70});
    EXPECT_TRUE(g.IsInSelectionMap(1, 1));
    EXPECT_TRUE(g.IsInSelectionMap(3, 3));
    EXPECT_FALSE(g.IsInSelectionMap(2, 2));
    g.OnLButtonDown({110, 50}, 0);  // (2, 2) without Ctrl drops both
    EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{2, 2, 2, 2}));
}

TEST(GridModified, FlagAndCellBits) {
    TestGrid g(4, 4, 1, 1);
    g.SetModified(true, 2, 2);
    g.SetModified(true, 3, 1);
    EXPECT_TRUE(g.GetModified());
    EXPECT_EQ(g.GetItemState(2, 2), grid::kStateModified);
    g.SetModified(false, 2, 2);  // only that cell
    EXPECT_EQ(g.GetItemState(2, 2), 0u);
    EXPECT_EQ(g.GetItemState(3, 1), grid::kStateModified);
    g.SetModified(false, -1, -1);
    EXPECT_FALSE(g.GetModified());
    EXPECT_EQ(g.GetItemState(3, 1), 0u);
    // Row or column below 1 touches only the grid-wide flag.
    g.SetModified(true, 0, 2);
    EXPECT_TRUE(g.GetModified());
    EXPECT_EQ(g.GetItemState(0, 2), 0u);
}

TEST(GridSizes, NegativeOrOutsideSizesAreRefused) {
    TestGrid g(3, 3, 1, 1);
    EXPECT_FALSE(g.SetColumnWidth(1, -1));
    EXPECT_FALSE(g.SetColumnWidth(3, 10));
    EXPECT_FALSE(g.SetRowHeight(-1, 10));
    EXPECT_TRUE(g.SetColumnWidth(1, 0));
    EXPECT_EQ(g.GetVirtualWidth(), 100);
    EXPECT_EQ(g.GetFixedColumnWidth(), 50);
    EXPECT_EQ(g.GetFixedRowHeight(), 20);
}

// d = client width - total width is shared out: d / n each (truncated), and the first
// |d| mod n columns one pixel more in the direction of d.
TEST(GridSizes, ExpandColumnsToFitSharesTheDifference) {
    struct Case {
        int clientWidth;
        std::vector<int> widths;
    };
    // 3 columns of 50 = 150 px.
    const std::vector<Case> cases{
        {143, {47, 48, 48}},  // 7 missing: 3, 2, 2 taken
        {157, {53, 52, 52}},  // 7 over: 3, 2, 2 given
        {150, {50, 50, 50}},
        {149, {49, 50, 50}},  // d = -1: 0 each, the first loses one
        {0, {0, 0, 0}},       // never below zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clientWidth);
        TestGrid g(2, 3, 0, 0, {0, 0, c.clientWidth, 100});
        g.ExpandColumnsToFit();
        EXPECT_EQ((std::vector<int>{g.GetColumnWidth(0), g.GetColumnWidth(1), g.GetColumnWidth(2)}),
                  c.widths);
    }
}

TEST(GridSizes, ExpandRowsToFitWithoutRowsDoesNothing) {
    TestGrid g(0, 3, 0, 0);
    g.ExpandRowsToFit();
    EXPECT_EQ(g.GetRowCount(), 0);
    EXPECT_EQ(g.GetFixedRowHeight(), 0);
    TestGrid h(4, 1, 0, 0, {0, 0, 50, 100});  // 80 px of rows, 20 px over
    h.ExpandToFit();
    EXPECT_EQ(h.GetVirtualHeight(), 100);
    EXPECT_EQ(h.GetColumnWidth(0), 50);
}

TEST(GridSizes, AutoSizeTakesTheWidestExtent) {
    TestGrid g(3, 2, 1, 0);
    g.SetItemText(2, 1, u"abcdefghij");  // 10 × 7 + 4 = 74 in the test's measure
    EXPECT_TRUE(g.AutoSizeColumn(1));
    EXPECT_EQ(g.GetColumnWidth(1), 74);
    EXPECT_FALSE(g.AutoSizeColumn(2));
    EXPECT_TRUE(g.AutoSizeRow(2));
    EXPECT_EQ(g.GetRowHeight(2), 18);
}

TEST(GridFont, MeasuredFontSetsMarginAndDefaults) {
    TestGrid g(2, 2, 0, 0);
    grid::Font font;
    font.height = -12;
    font.faceName = u"Sans";
    g.ApplyFont(font, 4, 15, 1, 7);
    EXPECT_EQ(g.GetMargin(), 4);
    EXPECT_EQ(g.GetDefaultRowHeight(), 15 + 1 + 2 * 4);
    EXPECT_EQ(g.GetDefaultColumnWidth(), 2 * 4 + 12 * 7);
    EXPECT_EQ(g.GetItemFont(1, 1), font);
    EXPECT_EQ(g.GetRowHeight(1), 20);  // existing sizes stay
}

// Rows 1..n of column 1 get `texts`, their original row number as user data and each a
// height of its own, so that a row moving without its height shows.
struct SortFixture : TestGrid {
    explicit SortFixture(const std::vector<std::u16string>& texts)
        : TestGrid(static_cast<int>(texts.size()) + 1, 3, 1, 1) {
        for (size_t i = 0; i < texts.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            SetItemText(row, 1, texts[i]);
            SetItemData(row, 1, static_cast<uint32_t>(row));
            SetRowHeight(row, 10 + row);
        }
    }
};

TEST(GridSort, AllEqualTextsNeverSwap) {
    SortFixture g({u"a", u"a", u"a", u"a", u"a", u"a", u"a"});
    ASSERT_TRUE(g.SortTextItems(1, true));
    ASSERT_TRUE(g.SortTextItems(1, false));
    for (int row = 1; row <= 7; ++row) {
        EXPECT_EQ(g.GetItemData(row, 1), static_cast<uint32_t>(row));
        EXPECT_EQ(g.GetRowHeight(row), 10 + row);
    }
}

TEST(GridSort, RowsAndTheirHeightsMoveTogether) {
    SortFixture g({u"d", u"B", u"a", u"c", u"b", u"A"});
    g.SetFocusCell(2, 2);
    g.SetSelectedRange(1, 1, 2, 2);
    ASSERT_TRUE(g.SortTextItems(1, true));
    // Ordinal: upper case before lower case.
    const std::vector<std::u16string> expected{u"A", u"B", u"a", u"b", u"c", u"d"};
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(g.GetItemText(row, 1), expected[row - 1]);
        const int original = static_cast<int>(g.GetItemData(row, 1));
        EXPECT_EQ(g.GetRowHeight(row), 10 + original) << "row " << row;
    }
    EXPECT_EQ(g.GetFocusCell(), CCellID{});
    EXPECT_EQ(g.GetSelectedCount(), 0u);
    ASSERT_TRUE(g.SortTextItems(1, false));
    EXPECT_EQ(g.GetItemText(1, 1), u"d");
    EXPECT_EQ(g.GetItemText(6, 1), u"A");
    EXPECT_EQ(g.GetItemText(0, 1), u"");  // the fixed row stays on top
}

TEST(GridSort, RefusesAColumnOutsideOrAnEmptySpan) {
    SortFixture g({u"b", u"a"});
    EXPECT_FALSE(g.SortTextItems(3, true));
    EXPECT_FALSE(g.SortTextItems(1, true, 2, 2));
    SortFixture one({u"x"});
    EXPECT_FALSE(one.SortTextItems(1, true));
}

TEST(GridSort, HeaderClicksInListModeSortAscendingThenDescending) {
    SortFixture g({u"b", u"c", u"a"});
    g.SetListMode(true);
    g.OnLButtonDown({60, 5}, 0);  // header of column 1
    g.OnLButtonUp({60, 5});
    EXPECT_EQ(g.GetSortColumn(), 1);
    EXPECT_TRUE(g.GetSortAscending());
    EXPECT_EQ(g.GetItemText(1, 1), u"a");
    g.OnLButtonDown({60, 5}, 0);
    g.OnLButtonUp({60, 5});
    EXPECT_FALSE(g.GetSortAscending());
    EXPECT_EQ(g.GetItemText(1, 1), u"c");
    // Outside list mode a header click selects the column instead.
    SortFixture h({u"b", u"c", u"a"});
    h.OnLButtonDown({60, 5}, 0);
    EXPECT_EQ(h.GetItemText(1, 1), u"b");
    EXPECT_EQ(h.GetSelectedCellRange(), (CCellRange{1, 1, 3, 1}));
}

}  // namespace
