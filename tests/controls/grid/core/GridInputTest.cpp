// The grid's geometry and its reactions to keys, the mouse, the wheel, the timer and the
// context menu. The fixture grid is 20 rows × 6 columns of 20 × 50 px with one fixed row
// and column in a 200 × 100 client: scroll pages 150 × 80 px, so the positions stop at
// 250 - 150 = 100 across and 380 - 80 = 300 down.
#include <gtest/gtest.h>

#include "TestGrid.h"

namespace {

namespace key = grid::key;

struct Grid20x6 : TestGrid {
    Grid20x6() : TestGrid(20, 6, 1, 1) {}
};

TEST(GridGeometry, CellsFromPointsAndBackWhileScrolled) {
    Grid20x6 g;
    EXPECT_EQ(g.HorzScroll().Limit(), 100);
    EXPECT_EQ(g.VertScroll().Limit(), 300);
    g.SetScrollPos32(false, 50);  // one column across
    g.SetScrollPos32(true, 40);   // two rows down
    EXPECT_EQ(g.GetTopleftNonFixedCell(), (CCellID{3, 2}));
    grid::Rect rect;
    ASSERT_TRUE(g.GetCellRect(3, 2, &rect));
    EXPECT_EQ(rect, (grid::Rect{50, 20, 99, 39}));
    EXPECT_FALSE(g.GetCellRect(2, 2, &rect));  // scrolled out above
    ASSERT_TRUE(g.GetCellRect(0, 4, &rect));   // a header follows its column
    EXPECT_EQ(rect, (grid::Rect{150, 0, 199, 19}));
    EXPECT_EQ(g.GetCellFromPt({99, 39}), (CCellID{3, 2}));
    EXPECT_EQ(g.GetCellFromPt({100, 40}), (CCellID{4, 3}));
    EXPECT_EQ(g.GetCellFromPt({10, 10}), (CCellID{-1, -1}));
    EXPECT_EQ(g.GetCellFromPt({10, 10}, true), (CCellID{0, 0}));
    EXPECT_EQ(g.GetCellFromPt({-1, 30}, true), (CCellID{3, -1}));
    EXPECT_TRUE(g.IsCellVisible(6, 4));
    EXPECT_FALSE(g.IsCellVisible(7, 4));  // starts at the client's bottom edge
    EXPECT_EQ(g.GetVisibleNonFixedCellRange(), (CCellRange{3, 2, 6, 4}));
}

TEST(GridGeometry, EnsureVisibleScrollsByWholeRowsAndColumns) {
    Grid20x6 g;
    g.EnsureVisible(10, 5);
    // Row 10 at the bottom: rows 7..10 visible, 6 rows of 20 px scrolled.
    EXPECT_EQ(g.GetScrollPos32(true), 120);
    EXPECT_EQ(g.GetScrollPos32(false), 100);
    EXPECT_TRUE(g.IsCellVisible(10, 5));
    g.EnsureVisible(1, 1);
    EXPECT_EQ(g.GetScrollPos32(true), 0);
    EXPECT_EQ(g.GetScrollPos32(false), 0);
}

TEST(GridFocus, MovingTheFocusTellsTheOwnerBeforeAndAfter) {
    Grid20x6 g;
    g.SetFocusCell(2, 2);
    g.SetFocusCell(3, 2);
    g.SetFocusCell(3, 2);  // no change, no message
    g.SetFocusCell(99, 2);  // outside: ignored
    EXPECT_EQ(g.notes, (std::vector<Note>{{2, 2, grid::kNotifySelChanged},
                                          {2, 2, grid::kNotifySelChanging},
                                          {3, 2, grid::kNotifySelChanged}}));
    EXPECT_EQ(g.GetItemState(2, 2) & grid::kStateFocused, 0u);
    EXPECT_EQ(g.GetItemState(3, 2) & grid::kStateFocused, grid::kStateFocused);
}

TEST(GridKeys, ArrowsStopAtTheFixedCellsAndTheLastCell) {
    struct Case {
        CCellID from;
        unsigned key;
        CCellID to;
    };
    const std::vector<Case> cases{
        {{1, 1}, key::kLeft, {1, 1}},   {{1, 1}, key::kUp, {1, 1}},
        {{1, 1}, key::kRight, {1, 2}},  {{1, 1}, key::kDown, {2, 1}},
        {{19, 5}, key::kRight, {19, 5}}, {{19, 5}, key::kDown, {19, 5}},
        {{5, 3}, key::kHome, {1, 3}},   {{5, 3}, key::kEnd, {19, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.row << "," << c.from.col << " key " << c.key);
        Grid20x6 g;
        g.SetFocusCell(c.from);
        g.OnKeyDown(c.key, 0);
        EXPECT_EQ(g.GetFocusCell(), c.to);
        if (c.to != c.from) {
            EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{c.to.row, c.to.col, c.to.row, c.to.col}));
        }
    }
}

TEST(GridKeys, ShiftArrowExtendsTheSelection) {
    Grid20x6 g;
    g.OnLButtonDown({60, 30}, 0);  // (1, 1)
    g.OnLButtonUp({60, 30});
    g.OnKeyDown(key::kDown, grid::kShift);
    g.OnKeyDown(key::kRight, grid::kShift);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{2, 2}));
    EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{1, 1, 2, 2}));
    g.OnKeyDown(grid::key::kA, grid::kCtrl);
    EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{1, 1, 19, 5}));
}

TEST(GridKeys, TabWrapsToTheNextRowAndScrollsBack) {
    Grid20x6 g;
    g.SetFocusCell(1, 1);
    for (int i = 0; i < 4; ++i) g.OnKeyDown(key::kTab, 0);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{1, 5}));
    // Column 4 lay beyond the right edge: made visible, then one column further.
    EXPECT_EQ(g.GetScrollPos32(false), 100);
    g.OnKeyDown(key::kTab, 0);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{2, 1}));
    EXPECT_EQ(g.GetScrollPos32(false), 0);
    EXPECT_EQ(g.GetScrollPos32(true), 20);  // a line change scrolls one row down
    EXPECT_EQ(g.GetTopleftNonFixedCell(), (CCellID{2, 1}));
    g.OnKeyDown(key::kTab, grid::kShift);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{1, 5}));
    EXPECT_EQ(g.GetScrollPos32(false), 100);  // set to the end across
    EXPECT_EQ(g.GetScrollPos32(true), 0);
}

TEST(GridKeys, TabAtTheEndsIsLeftToTheDialog) {
    Grid20x6 g;
    g.SetFocusCell(19, 5);
    g.OnKeyDown(key::kTab, 0);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{19, 5}));
    g.SetFocusCell(1, 1);
    g.OnKeyDown(key::kTab, grid::kShift);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{1, 1}));
}

TEST(GridKeys, PageDownMovesByTheRowsScrolled) {
    Grid20x6 g;
    g.SetFocusCell(2, 1);
    g.OnKeyDown(key::kPageDown, 0);  // 80 px: the top-left row moves 1 -> 5
    EXPECT_EQ(g.GetFocusCell(), (CCellID{6, 1}));
    g.SetScrollPos32(true, 300);
    g.SetFocusCell(17, 1);
    g.OnKeyDown(key::kPageDown, 0);  // nothing left to scroll: to the last row
    EXPECT_EQ(g.GetFocusCell(), (CCellID{19, 1}));
    g.OnKeyDown(key::kPageUp, 0);
    EXPECT_EQ(g.GetScrollPos32(true), 220);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{15, 1}));
}

TEST(GridKeys, DeleteEmptiesOnlyEditableCellsAndTellsTheOwner) {
    Grid20x6 g;
    g.SetItemText(2, 2, u"12,5");
    g.SetItemText(3, 2, u"fixed");
    g.SetItemState(3, 2, grid::kStateReadOnly);
    g.SetFocusCell(3, 2);
    g.notes.clear();
    g.OnKeyDown(key::kDelete, 0);
    EXPECT_TRUE(g.notes.empty());
    EXPECT_EQ(g.GetItemText(3, 2), u"fixed");
    EXPECT_FALSE(g.GetModified());

    g.SetFocusCell(2, 2);
    g.notes.clear();
    g.OnKeyDown(key::kDelete, 0);
    EXPECT_EQ(g.notes, (std::vector<Note>{{2, 2, grid::kNotifyBeginEdit}, {2, 2, grid::kNotifyEndEdit}}));
    EXPECT_EQ(g.GetItemText(2, 2), u"");
    EXPECT_TRUE(g.GetModified());
    EXPECT_EQ(g.GetItemState(2, 2) & grid::kStateModified, grid::kStateModified);

    g.SetEditable(false);
    g.SetItemText(2, 2, u"x");
    g.notes.clear();
    g.OnKeyDown(key::kDelete, 0);
    EXPECT_TRUE(g.notes.empty());
}

TEST(GridWheel, ThreeLinesPerNotch) {
    struct Case {
        int rowsPerNotch;
        int distance;
        int expectedPos;  // from 100 (top-left row 6), rows of 20 px
    };
    const std::vector<Case> cases{
        {3, 120, 40},   // 3 lines up
        {3, -120, 160},  // 3 lines down
        {3, 240, 0},    // 6 lines up, stopped at the top after 5
        {3, 40, 80},    // a third of a notch: 40 × 3 / 120 = 1 line
        {3, 39, 100},   // 39 × 3 / 120 truncates to 0
        {1, 120, 80},
        {-1, -120, 180},  // a page (80 px) per notch
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rowsPerNotch << " rows, distance " << c.distance);
        Grid20x6 g;
        g.SetRowsPerWheelNotch(c.rowsPerNotch);
        g.SetScrollPos32(true, 100);
        g.OnMouseWheel(c.distance);
        EXPECT_EQ(g.GetScrollPos32(true), c.expectedPos);
    }
}

TEST(GridResize, OnlyInsideTheFixedRowsAndNeverNegative) {
    Grid20x6 g;
    // Column 1 runs from x 50 to 99; its right divider is within 3 px of x 100.
    g.OnMouseMove({98, 30}, false);
    EXPECT_EQ(g.GetMouseMode(), grid::MouseMode::None);  // below the fixed row
    g.OnMouseMove({98, 5}, false);
    EXPECT_EQ(g.GetMouseMode(), grid::MouseMode::OverColumnDivider);
    EXPECT_EQ(g.CurrentCursor(), grid::Cursor::SizeWE);
    g.OnMouseMove({75, 5}, false);
    EXPECT_EQ(g.GetMouseMode(), grid::MouseMode::None);

    g.OnMouseMove({98, 5}, false);
    g.OnLButtonDown({98, 5}, 0);
    EXPECT_EQ(g.GetMouseMode(), grid::MouseMode::SizingColumn);
    ASSERT_TRUE(g.GetTrackingLine());
    g.OnMouseMove({130, 5}, true);
    EXPECT_EQ(g.GetTrackingLine()->pos, 130);
    g.OnLButtonUp({130, 5});
    EXPECT_EQ(g.GetColumnWidth(1), 80);
    EXPECT_FALSE(g.GetTrackingLine());

    // Dragged far past its left edge, the column ends at nothing.
    g.OnMouseMove({128, 5}, false);
    g.OnLButtonDown({128, 5}, 0);
    g.OnMouseMove({10, 5}, true);
    g.OnLButtonUp({10, 5});
    EXPECT_EQ(g.GetColumnWidth(1), 0);
}

TEST(GridResize, NearALeftEdgeTheColumnToTheLeftIsResized) {
    Grid20x6 g;
    g.OnMouseMove({102, 5}, false);  // 2 px right of column 2's left edge
    ASSERT_EQ(g.GetMouseMode(), grid::MouseMode::OverColumnDivider);
    g.OnLButtonDown({102, 5}, 0);
    g.OnLButtonUp({120, 5});
    EXPECT_EQ(g.GetColumnWidth(1), 70);  // 120 - 50
    EXPECT_EQ(g.GetColumnWidth(2), 50);
    // Column 0's left edge is no divider.
    g.OnMouseMove({1, 5}, false);
    EXPECT_EQ(g.GetMouseMode(), grid::MouseMode::None);
}

TEST(GridResize, RowsInsideTheFixedColumns) {
    Grid20x6 g;
    g.OnMouseMove({10, 38}, false);  // row 1 ends at y 39
    ASSERT_EQ(g.GetMouseMode(), grid::MouseMode::OverRowDivider);
    g.OnLButtonDown({10, 38}, 0);
    g.OnLButtonUp({10, 60});
    EXPECT_EQ(g.GetRowHeight(1), 40);
    g.SetRowResize(false);
    g.OnMouseMove({10, 58}, false);
    EXPECT_EQ(g.GetMouseMode(), grid::MouseMode::None);
}

TEST(GridMouse, DraggingSelectsAndTheTimerScrollsPastTheEdge) {
    Grid20x6 g;
    g.OnLButtonDown({60, 30}, 0);  // (1, 1)
    EXPECT_EQ(g.timersStarted, (std::vector<unsigned>{grid::kAutoScrollTimer}));
    EXPECT_TRUE(g.capture);
    g.OnMouseMove({160, 70}, true);  // (3, 3)
    EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{1, 1, 3, 3}));
    EXPECT_EQ(g.GetFocusCell(), (CCellID{3, 3}));
    g.cursor = {160, 130};  // below the client
    g.OnTimer(grid::kAutoScrollTimer);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{4, 3}));
    EXPECT_GT(g.GetSelectedCellRange().maxRow, 3);
    g.OnLButtonUp({160, 130});
    EXPECT_EQ(g.timersKilled, (std::vector<unsigned>{grid::kAutoScrollTimer}));
    EXPECT_EQ(g.clickCommands, 1);
    EXPECT_FALSE(g.capture);
}

TEST(GridMouse, ClickingTheFocusCellOpensTheEditorClickingAnotherMovesTheFocus) {
    Grid20x6 g;
    g.SetItemText(2, 2, u"7,5");
    g.OnLButtonDown({110, 50}, 0);  // (2, 2)
    g.OnLButtonUp({110, 50});
    EXPECT_TRUE(g.editors.empty());
    EXPECT_EQ(g.GetFocusCell(), (CCellID{2, 2}));
    g.OnLButtonDown({110, 50}, 0);
    EXPECT_EQ(g.GetMouseMode(), grid::MouseMode::PrepareEdit);
    g.OnLButtonUp({110, 50});
    ASSERT_EQ(g.editors.size(), 1u);
    EXPECT_EQ(g.editors[0].trigger, grid::EditTrigger::Mouse());
    EXPECT_EQ(g.editors[0].text, u"7,5");
    EXPECT_EQ(g.editors[0].rect, (grid::Rect{100, 40, 149, 59}));
}

TEST(GridMouse, ContextMenuKeepsAMultiCellSelection) {
    Grid20x6 g;
    g.SetContextMenuId(200);
    g.SetSelectedRange(1, 1, 2, 2);
    g.OnContextMenu({160, 70});  // outside the selection, but it spans cells: kept
    EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{1, 1, 2, 2}));
    EXPECT_EQ(g.menusShown, 1);
    g.SetSelectedRange(1, 1, 1, 1);
    g.OnContextMenu({160, 70});  // a single cell: the clicked one is selected first
    EXPECT_EQ(g.GetSelectedCellRange(), (CCellRange{3, 3, 3, 3}));
    EXPECT_EQ(g.GetFocusCell(), (CCellID{3, 3}));
    g.SetContextMenuId(0);
    g.OnContextMenu({160, 70});
    EXPECT_EQ(g.menusShown, 2);
}

}  // namespace

namespace {

TEST(GridResize, DoubleClickOnADividerFitsTheColumnToItsWidestText) {
    Grid20x6 g;
    g.SetItemText(7, 1, u"a long text");  // 11 × 7 + 4 = 81 in the test's measure
    g.OnMouseMove({98, 5}, false);
    ASSERT_EQ(g.GetMouseMode(), grid::MouseMode::OverColumnDivider);
    g.OnLButtonDblClk({98, 5});
    EXPECT_EQ(g.GetColumnWidth(1), 81);
    // Near the left edge of column 2 it is column 1 again.
    g.SetItemText(7, 1, u"ab");
    g.OnMouseMove({133, 5}, false);  // column 2 starts at 50 + 81 = 131
    ASSERT_EQ(g.GetMouseMode(), grid::MouseMode::OverColumnDivider);
    g.OnLButtonDblClk({133, 5});
    EXPECT_EQ(g.GetColumnWidth(1), 18);  // "ab": 2 × 7 + 4
}

}  // namespace
