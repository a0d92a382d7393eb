// The grid window, driven headless through real key, mouse and wheel events: drawing,
// notifications to its owner, scrolling and in-place editing.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridMenu.h"
#include "controls/grid/InPlaceEdit.h"
#include "platform/text/Text.h"
#include "platform/ui/Menu.h"
#include "tests/support/ui/ScreenReadback.h"
#include "tests/support/ui/UiTest.h"

namespace {

namespace key = grid::key;

// An owner that records what the grid tells it.
class Owner : public ui::WindowOf<QWidget> {
  public:
    struct Heard {
        int code;
        CCellID cell;
        bool operator==(const Heard&) const = default;
    };
    std::vector<Heard> heard;
    std::vector<int> commands;
    // What the cell held when the owner heard -176.
    std::vector<std::u16string> textsAtEnd;
    CGridCtrl* grid = nullptr;

  protected:
    long onNotify(const ui::Notification& n) override {
        const CCellID cell = std::any_cast<CCellID>(n.payload);
        heard.push_back({n.code, cell});
        if (n.code == grid::kNotifyEndEdit && grid) textsAtEnd.push_back(grid->GetItemText(cell.row, cell.col));
        return 0;
    }
    bool onCommand(int id, int, ui::Window*) override {
        commands.push_back(id);
        return true;
    }
};

// A monthly table as the pages show them: a header row and a header column, 12 months
// of values right-aligned.
class GridWindow : public uitest::Fixture {
  protected:
    void SetUp() override {
        owner.resize(420, 300);
        owner.show();
        // Focus moves only inside the active window.
        QApplication::setActiveWindow(&owner);
        grid = new CGridCtrl(13, 4, 1, 1);
        ASSERT_TRUE(grid->Create({10, 10, 410, 290}, &owner, 1001));
        owner.grid = grid;
        const char16_t* months[] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                    u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
        const char16_t* heads[] = {u"Month", u"Heat kWh", u"Hours", u"COP"};
        const unsigned centre = ui::dt::Center | ui::dt::VCenter | ui::dt::SingleLine;
        const unsigned right = ui::dt::Right | ui::dt::VCenter | ui::dt::SingleLine;
        for (int col = 0; col < 4; ++col) {
            grid->SetItemText(0, col, heads[col]);
            grid->SetItemFormat(0, col, centre);
        }
        for (int row = 1; row <= 12; ++row) {
            grid->SetItemText(row, 0, months[row - 1]);
            grid->SetItemFormat(row, 0, centre);
            for (int col = 1; col < 4; ++col) {
                const int value = (row * 37 + col * 11) % 97;
                grid->SetItemText(row, col, platform::u16(std::to_string(value * (col == 1 ? 31 : 1)) +
                                                          (col == 3 ? ",5" : "")));
                grid->SetItemFormat(row, col, right);
            }
        }
        for (int col = 0; col < 4; ++col) grid->SetColumnWidth(col, 90);
        grid->ResetScrollBars();
        grid->setFocus();
        uitest::processEvents();
    }
    // The centre of a cell on the window.
    QPoint Centre(int row, int col) const {
        grid::Rect r;
        EXPECT_TRUE(grid->GetCellRect(row, col, &r));
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    QWidget& Focused() { return *QApplication::focusWidget(); }

    Owner owner;
    CGridCtrl* grid = nullptr;
};

TEST_F(GridWindow, Screenshot) {
    uitest::click(*grid, Centre(3, 2));
    uitest::press(*grid, Centre(5, 1));
    uitest::move(*grid, Centre(7, 2), Qt::LeftButton);
    uitest::release(*grid, Centre(7, 2));
    EXPECT_EQ(grid->GetFocusCell(), (CCellID{7, 2}));
    EXPECT_EQ(grid->GetSelectedCellRange(), (CCellRange{5, 1, 7, 2}));
    const QImage image = uitest::render(owner);
    uitest::saveArtifact(image, "grid");

    // Fixed cells in the 3-D face colour, a selected cell in the highlight colour, the
    // focus cell in the window colour with a black frame.
    const QPoint offset(10, 10);
    grid::Rect fixed, selected, focus;
    ASSERT_TRUE(grid->GetCellRect(2, 0, &fixed));
    ASSERT_TRUE(grid->GetCellRect(6, 1, &selected));
    ASSERT_TRUE(grid->GetCellRect(7, 2, &focus));
    EXPECT_EQ(ui::fromQRgb(image.pixel(QPoint(fixed.left + 3, fixed.top + 3) + offset)),
              ui::sysColour(ui::SysColour::ButtonFace));
    EXPECT_EQ(ui::fromQRgb(image.pixel(QPoint(selected.left + 3, selected.top + 3) + offset)),
              ui::sysColour(ui::SysColour::Highlight));
    EXPECT_EQ(ui::fromQRgb(image.pixel(QPoint(focus.left + 3, focus.top + 3) + offset)),
              ui::sysColour(ui::SysColour::Window));
    EXPECT_EQ(ui::fromQRgb(image.pixel(QPoint(focus.left, focus.top + 5) + offset)), ui::ColourRef(0));
    // The grid line right of a normal cell.
    grid::Rect plain;
    ASSERT_TRUE(grid->GetCellRect(2, 3, &plain));
    EXPECT_EQ(ui::fromQRgb(image.pixel(QPoint(plain.right, plain.top + 5) + offset)), ui::ColourRef(0xC0C0C0));
}

TEST_F(GridWindow, FocusMovesTellTheOwner) {
    uitest::click(*grid, Centre(2, 2));
    uitest::key(*grid, Qt::Key_Down);
    EXPECT_EQ(owner.heard, (std::vector<Owner::Heard>{{grid::kNotifySelChanged, {2, 2}},
                                                      {grid::kNotifySelChanging, {2, 2}},
                                                      {grid::kNotifySelChanged, {3, 2}}}));
    uitest::processEvents();
    EXPECT_EQ(owner.commands, (std::vector<int>{1001}));  // the click
}

// "!" to "(" share their numbers with Page Up .. Down; typed, each opens the editor and
// shows.
TEST_F(GridWindow, TypedCharactersOpenTheEditorAndShow) {
    uitest::click(*grid, Centre(4, 2));
    for (const QString& text : {QStringLiteral("("), QStringLiteral("!"), QStringLiteral("x")}) {
        SCOPED_TRACE(text.toStdString());
        uitest::type(*grid, text);
        CInPlaceEdit* editor = grid->InPlaceEditor();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), text);
        uitest::key(*editor, Qt::Key_Escape);
        uitest::processEvents();
        EXPECT_EQ(grid->InPlaceEditor(), nullptr);
    }
    EXPECT_FALSE(grid->GetModified());
}

// A space only opens the editor: the cell's text shows, all of it selected, and what is
// typed next replaces it.
TEST_F(GridWindow, ASpaceOpensTheEditorWithTheTextSelected) {
    uitest::click(*grid, Centre(4, 2));
    const QString before = QString::fromStdU16String(grid->GetItemText(4, 2));
    uitest::type(*grid, " ");
    CInPlaceEdit* editor = grid->InPlaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), before);
    EXPECT_EQ(editor->selectedText(), before);
    uitest::type(*editor, "42");
    EXPECT_EQ(editor->text(), QStringLiteral("42"));
}

TEST_F(GridWindow, EditingWithACommaAndEnter) {
    uitest::click(*grid, Centre(4, 3));
    owner.heard.clear();
    uitest::type(*grid, "7");
    CInPlaceEdit* editor = grid->InPlaceEditor();
    ASSERT_NE(editor, nullptr);
    uitest::type(*editor, ",25");
    EXPECT_EQ(editor->text(), QStringLiteral("7.25"));
    uitest::saveArtifact(owner, "grid-edit");
    uitest::key(*editor, Qt::Key_Return);
    uitest::processEvents();
    EXPECT_EQ(grid->GetItemText(4, 3), u"7.25");
    EXPECT_TRUE(grid->GetModified());
    EXPECT_EQ(grid->GetItemState(4, 3) & grid::kStateModified, grid::kStateModified);
    EXPECT_EQ(owner.heard, (std::vector<Owner::Heard>{{grid::kNotifyBeginEdit, {4, 3}},
                                                      {grid::kNotifyEndEdit, {4, 3}}}));
    EXPECT_EQ(owner.textsAtEnd, (std::vector<std::u16string>{u"7.25"}));
    EXPECT_EQ(grid->InPlaceEditor(), nullptr);
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(GridWindow, TheEditorWidensForLongTextUpToTheGridsEdge) {
    uitest::click(*grid, Centre(2, 2));
    uitest::type(*grid, "1");
    CInPlaceEdit* editor = grid->InPlaceEditor();
    ASSERT_NE(editor, nullptr);
    const int narrow = editor->width();
    uitest::type(*editor, "234567890123");
    EXPECT_GT(editor->width(), narrow);
    uitest::type(*editor, "4567890123456789012345678901234567890");
    EXPECT_EQ(editor->geometry().right() + 1, grid->width());  // no scroll bars: client = window
}

TEST_F(GridWindow, EscapeRestoresTheTextAndLeavesTheCellUnmodified) {
    const CVRMString before = grid->GetItemText(5, 1);
    uitest::click(*grid, Centre(5, 1));
    uitest::type(*grid, "1");
    ASSERT_NE(grid->InPlaceEditor(), nullptr);
    uitest::type(*grid->InPlaceEditor(), "23");
    EXPECT_EQ(grid->InPlaceEditor()->text(), QStringLiteral("123"));
    uitest::key(*grid->InPlaceEditor(), Qt::Key_Escape);
    uitest::processEvents();
    EXPECT_EQ(grid->GetItemText(5, 1), before);
    EXPECT_FALSE(grid->GetModified());
    EXPECT_EQ(grid->GetItemState(5, 1) & grid::kStateModified, 0u);
}

TEST_F(GridWindow, TabInTheEditorOpensTheNextCellWithItsTextSelected) {
    uitest::click(*grid, Centre(2, 1));
    uitest::type(*grid, "5");
    ASSERT_NE(grid->InPlaceEditor(), nullptr);
    uitest::key(*grid->InPlaceEditor(), Qt::Key_Tab);
    uitest::processEvents();
    EXPECT_EQ(grid->GetItemText(2, 1), u"5");
    EXPECT_EQ(grid->GetFocusCell(), (CCellID{2, 2}));
    CInPlaceEdit* next = grid->InPlaceEditor();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->Col(), 2);
    EXPECT_EQ(next->text().toStdU16String(), grid->GetItemText(2, 2));
    EXPECT_EQ(next->selectedText(), next->text());
    EXPECT_TRUE(next->hasFocus());
    // An arrow key goes on the same way from an editor opened by a key.
    uitest::key(*next, Qt::Key_Down);
    uitest::processEvents();
    EXPECT_EQ(grid->GetFocusCell(), (CCellID{3, 2}));
    ASSERT_NE(grid->InPlaceEditor(), nullptr);
    EXPECT_EQ(grid->InPlaceEditor()->Row(), 3);
    // Shift+Tab goes back a cell.
    uitest::key(*grid->InPlaceEditor(), Qt::Key_Backtab, Qt::ShiftModifier);
    uitest::processEvents();
    EXPECT_EQ(grid->GetFocusCell(), (CCellID{3, 1}));
    ASSERT_NE(grid->InPlaceEditor(), nullptr);
    EXPECT_EQ(grid->InPlaceEditor()->Col(), 1);
}

TEST_F(GridWindow, ClickingTheFocusCellEditsWithTheCaretAfterTheText) {
    uitest::click(*grid, Centre(6, 2));
    EXPECT_EQ(grid->InPlaceEditor(), nullptr);
    uitest::click(*grid, Centre(6, 2));
    CInPlaceEdit* editor = grid->InPlaceEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->hasSelectedText());
    EXPECT_EQ(editor->cursorPosition(), editor->text().size());
    // Opened by the mouse, the arrows move the caret instead of ending the edit.
    uitest::key(*editor, Qt::Key_Left);
    EXPECT_EQ(grid->InPlaceEditor(), editor);
    EXPECT_EQ(editor->cursorPosition(), editor->text().size() - 1);
}

TEST_F(GridWindow, DeleteEmptiesAnEditableCellOnly) {
    grid->SetItemState(3, 1, grid->GetItemState(3, 1) | grid::kStateReadOnly);
    uitest::click(*grid, Centre(3, 1));
    owner.heard.clear();
    uitest::key(*grid, Qt::Key_Delete);
    EXPECT_TRUE(owner.heard.empty());
    uitest::key(*grid, Qt::Key_Right);
    owner.heard.clear();
    uitest::key(*grid, Qt::Key_Delete);
    EXPECT_EQ(grid->GetItemText(3, 2), u"");
    EXPECT_EQ(owner.heard, (std::vector<Owner::Heard>{{grid::kNotifyBeginEdit, {3, 2}},
                                                      {grid::kNotifyEndEdit, {3, 2}}}));
    EXPECT_EQ(owner.textsAtEnd, (std::vector<std::u16string>{u""}));
}

TEST_F(GridWindow, TheWheelScrollsThreeRowsPerNotch) {
    ASSERT_EQ(grid->GetRowsPerWheelNotch(), 3);
    grid->resize(400, 120);  // a few rows only, so there is something to scroll
    uitest::processEvents();
    const int row = grid->GetRowHeight(1);
    const QPoint inside = Centre(1, 1);
    uitest::wheel(*grid, inside, -120);
    EXPECT_EQ(grid->GetScrollPos32(true), 3 * row);
    EXPECT_EQ(grid->GetTopleftNonFixedCell().row, 4);
    uitest::wheel(*grid, inside, 120);
    EXPECT_EQ(grid->GetScrollPos32(true), 0);
}

TEST_F(GridWindow, ColumnsResizeByTheirDividerInTheHeaderOnly) {
    grid::Rect head;
    ASSERT_TRUE(grid->GetCellRect(0, 1, &head));
    const QPoint divider(head.right, head.top + 5);
    // On the same divider line in a normal row nothing happens.
    uitest::move(*grid, QPoint(head.right, Centre(3, 1).y()));
    uitest::press(*grid, QPoint(head.right, Centre(3, 1).y()));
    uitest::move(*grid, QPoint(head.right + 40, Centre(3, 1).y()), Qt::LeftButton);
    uitest::release(*grid, QPoint(head.right + 40, Centre(3, 1).y()));
    EXPECT_EQ(grid->GetColumnWidth(1), 90);

    uitest::move(*grid, divider);
    uitest::press(*grid, divider);
    uitest::move(*grid, divider + QPoint(30, 0), Qt::LeftButton);
    ASSERT_TRUE(grid->GetTrackingLine());
    uitest::saveArtifact(*grid, "grid-resize");
    uitest::release(*grid, divider + QPoint(30, 0));
    // Column 1 runs from x 90 to 179; released at 179 + 30 = 209: width 209 - 90 = 119.
    EXPECT_EQ(grid->GetColumnWidth(1), 119);

    // Dragged far to the left the column ends at nothing, never below.
    ASSERT_TRUE(grid->GetCellRect(0, 1, &head));
    uitest::move(*grid, QPoint(head.right, 5));
    uitest::press(*grid, QPoint(head.right, 5));
    uitest::move(*grid, QPoint(2, 5), Qt::LeftButton);
    uitest::release(*grid, QPoint(2, 5));
    EXPECT_EQ(grid->GetColumnWidth(1), 0);
}

TEST_F(GridWindow, DraggingBelowTheGridScrollsOnTheTimer) {
    grid->resize(400, 120);
    uitest::processEvents();
    const QPoint start = Centre(1, 1);
    uitest::press(*grid, start);
    uitest::move(*grid, QPoint(start.x(), 200), Qt::LeftButton);
    const int top = grid->GetTopleftNonFixedCell().row;
    uitest::clock().advance(25 * 3);
    EXPECT_GT(grid->GetTopleftNonFixedCell().row, top);
    EXPECT_GT(grid->GetSelectedCellRange().maxRow, 3);
    uitest::release(*grid, QPoint(start.x(), 200));
    const CCellID after = grid->GetFocusCell();
    uitest::clock().advance(100);  // the timer ended with the button
    EXPECT_EQ(grid->GetFocusCell(), after);
}

TEST_F(GridWindow, SelectAllIsACommandWhileSelectionIsEnabled) {
    ui::CommandRouter router;
    router.setChain([&] { return std::vector<ui::CommandTarget*>{grid}; });
    EXPECT_TRUE(router.state(CGridCtrl::kSelectAllCommand).enabled);
    EXPECT_TRUE(router.execute(CGridCtrl::kSelectAllCommand));
    EXPECT_EQ(grid->GetSelectedCellRange(), (CCellRange{1, 1, 12, 3}));
    grid->EnableSelection(false);
    EXPECT_FALSE(router.state(CGridCtrl::kSelectAllCommand).enabled);
}

TEST_F(GridWindow, AGridGoneWithAnOpenEditorTellsNobody) {
    uitest::click(*grid, Centre(2, 2));
    uitest::type(*grid, "9");
    ASSERT_NE(grid->InPlaceEditor(), nullptr);
    owner.heard.clear();
    owner.grid = nullptr;
    delete grid;
    grid = nullptr;
    uitest::processEvents();
    EXPECT_TRUE(owner.heard.empty());
}

TEST_F(GridWindow, HeaderClicksSortInListMode) {
    grid->SetListMode(true);
    uitest::click(*grid, Centre(0, 0));
    EXPECT_EQ(grid->GetItemText(1, 0), u"Apr");
    EXPECT_EQ(grid->GetItemText(12, 0), u"Sep");
    uitest::click(*grid, Centre(0, 0));
    EXPECT_EQ(grid->GetItemText(1, 0), u"Sep");
}

}  // namespace

namespace {

TEST_F(GridWindow, TheContextMenuNamesTheSolarDestinationsAndTellsTheOwner) {
    // The owner's menu resource, with texts the grid replaces and one it keeps.
    ui::registerMenu({200, {{0, 0, u"", {{32805, 0, u"1"}, {32806, 0, u"2"}, {0, 0, u"", {}, true},
                                         {32807, 0, u"3"}, {32808, 0, u"4"}, {32809, 0, u"Other"}}}}});
    std::vector<QString> shown;
    SetGridMenuTracker([&](QMenu& menu, QPoint) {
        for (const QAction* action : menu.actions()) shown.push_back(action->text());
        return ui::findAction(&menu, 32806);
    });
    grid->SetContextMenuId(200);
    uitest::click(*grid, Centre(3, 2), Qt::RightButton);
    SetGridMenuTracker({});
    EXPECT_EQ(shown, (std::vector<QString>{"into hot water tank", "into house heating", "",
                                           "into heat pump and ground resp.", "no solar input", "Other"}));
    // The right click first selected the cell under it.
    EXPECT_EQ(grid->GetFocusCell(), (CCellID{3, 2}));
    EXPECT_EQ(grid->GetSelectedCellRange(), (CCellRange{3, 2, 3, 2}));
    uitest::processEvents();
    EXPECT_NE(std::find(owner.commands.begin(), owner.commands.end(), 32806), owner.commands.end());
}

}  // namespace

namespace {

// A grid smaller than its table, so that both scroll bars show.
class ScrolledGridWindow : public GridWindow {
  protected:
    void SetUp() override {
        GridWindow::SetUp();
        grid->resize(250, 140);
        uitest::processEvents();
        ASSERT_TRUE(Bar(Qt::Vertical).isVisible());
        ASSERT_TRUE(Bar(Qt::Horizontal).isVisible());
    }
    QScrollBar& Bar(Qt::Orientation orientation) {
        for (QScrollBar* bar : grid->findChildren<QScrollBar*>())
            if (bar->orientation() == orientation) return *bar;
        throw std::logic_error("no scroll bar");
    }
    // The centre of a part of a scroll bar: an arrow, the trough beside the thumb, the thumb.
    static QPoint Part(QScrollBar& bar, QStyle::SubControl part) {
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.subControls = QStyle::SC_All;
        option.orientation = bar.orientation();
        if (bar.orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
        option.minimum = bar.minimum();
        option.maximum = bar.maximum();
        option.sliderPosition = bar.sliderPosition();
        option.sliderValue = bar.value();
        option.singleStep = bar.singleStep();
        option.pageStep = bar.pageStep();
        return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar).center();
    }
};

// Every way of scrolling moves the header strip of its direction with the cells: the row
// headers beside the rows, the column headers above the columns. The screen is read back
// and compared with a fresh render of the grid.
TEST_F(ScrolledGridWindow, ScrollingKeepsTheHeadersBesideTheirCells) {
    const auto clickOn = [this](Qt::Orientation o, QStyle::SubControl part) {
        return [this, o, part] { uitest::click(Bar(o), Part(Bar(o), part)); };
    };
    const auto dragThumb = [this](Qt::Orientation o) {
        return [this, o] {
            QScrollBar& bar = Bar(o);
            const QPoint from = Part(bar, QStyle::SC_ScrollBarSlider);
            const QPoint to = from + (o == Qt::Vertical ? QPoint(0, 40) : QPoint(40, 0));
            uitest::press(bar, from);
            uitest::move(bar, to, Qt::LeftButton);
            uitest::release(bar, to);
        };
    };
    struct Case {
        const char* how;
        std::function<void()> scroll;
        bool vertical;
    };
    const Case cases[] = {
        {"wheel notch", [this] { uitest::wheel(*grid, Centre(2, 2), -120); }, true},
        {"line down", clickOn(Qt::Vertical, QStyle::SC_ScrollBarAddLine), true},
        {"page down", clickOn(Qt::Vertical, QStyle::SC_ScrollBarAddPage), true},
        {"thumb down", dragThumb(Qt::Vertical), true},
        {"line right", clickOn(Qt::Horizontal, QStyle::SC_ScrollBarAddLine), false},
        {"page right", clickOn(Qt::Horizontal, QStyle::SC_ScrollBarAddPage), false},
        {"thumb right", dragThumb(Qt::Horizontal), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        const CCellID before = grid->GetTopleftNonFixedCell();
        c.scroll();
        const CCellID after = grid->GetTopleftNonFixedCell();
        EXPECT_NE(c.vertical ? after.row : after.col, c.vertical ? before.row : before.col);
        EXPECT_EQ(screentest::StalePixels(*grid), 0);
        // Back to the top left, all repainted, for the next case.
        grid->SetScrollPos32(true, 0);
        grid->SetScrollPos32(false, 0);
        grid->invalidate();
        uitest::processEvents();
    }
}

TEST_F(ScrolledGridWindow, TheCornerBetweenTheScrollBarsShowsTheFaceColour) {
    uitest::wheel(*grid, Centre(2, 2), -120);
    const QImage screen = screentest::ScreenOf(*grid);
    uitest::saveArtifact(screen, "grid-scrolled");
    const QPoint corner(Bar(Qt::Vertical).x() + 3, Bar(Qt::Horizontal).y() + 3);
    EXPECT_EQ(ui::fromQRgb(screen.pixel(corner)), ui::sysColour(ui::SysColour::ButtonFace));
    EXPECT_EQ(ui::fromQRgb(screentest::FreshRender(*grid).pixel(corner)),
              ui::sysColour(ui::SysColour::ButtonFace));
}

// A fine wheel or a touch pad turns one notch in eight events of -15; with three rows per
// notch they scroll three rows, as one event of -120 does.
TEST_F(ScrolledGridWindow, SmallWheelStepsAddUpToWholeRows) {
    const QPoint inside = Centre(2, 2);
    uitest::wheel(*grid, inside, -15);
    EXPECT_EQ(grid->GetTopleftNonFixedCell().row, 1);
    for (int i = 1; i < 8; ++i) uitest::wheel(*grid, inside, -15);
    EXPECT_EQ(grid->GetTopleftNonFixedCell().row, 4);
    for (int i = 0; i < 8; ++i) uitest::wheel(*grid, inside, 15);
    EXPECT_EQ(grid->GetTopleftNonFixedCell().row, 1);
}

// The first click's button-up ends the divider mode; the double click finds the divider
// again and fits the column (the row) to its texts, as AutoSizeColumn (AutoSizeRow) does.
TEST_F(GridWindow, ADoubleClickOnADividerFitsTheColumnOrTheRow) {
    grid->SetColumnWidth(1, 30);
    grid->SetRowHeight(3, 45);
    grid->invalidate();
    struct Case {
        const char* what;
        std::function<QPoint()> divider;
        std::function<int()> size;
        std::function<void()> autoSize;
        int before;
    };
    const Case cases[] = {
        {"column",
         [this] {
             grid::Rect head;
             EXPECT_TRUE(grid->GetCellRect(0, 1, &head));
             return QPoint(head.right, head.top + 5);
         },
         [this] { return grid->GetColumnWidth(1); }, [this] { grid->AutoSizeColumn(1); }, 30},
        {"row",
         [this] {
             grid::Rect head;
             EXPECT_TRUE(grid->GetCellRect(3, 0, &head));
             return QPoint(head.left + 5, head.bottom);
         },
         [this] { return grid->GetRowHeight(3); }, [this] { grid->AutoSizeRow(3); }, 45},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QPoint divider = c.divider();
        uitest::move(*grid, divider);
        uitest::doubleClick(*grid, divider);
        const int fitted = c.size();
        EXPECT_NE(fitted, c.before);
        c.autoSize();
        EXPECT_EQ(c.size(), fitted);
    }
}

// Ctrl+Tab is not the grid's: it leaves the grid for the next control (Ctrl+Shift+Tab for
// the previous one), and the focus cell stays where it was. Tab alone moves a cell.
TEST_F(GridWindow, CtrlTabLeavesTheGrid) {
    QLineEdit next(&owner);
    next.setGeometry(10, 292, 100, 8);
    next.show();
    uitest::click(*grid, Centre(2, 1));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
    } cases[] = {{Qt::Key_Tab, Qt::ControlModifier}, {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier}};
    for (const auto& c : cases) {
        grid->setFocus();
        uitest::key(*grid, c.key, c.mods);
        EXPECT_TRUE(next.hasFocus()) << c.key;
        EXPECT_EQ(grid->GetFocusCell(), (CCellID{2, 1}));
    }
    grid->setFocus();
    uitest::key(*grid, Qt::Key_Tab);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->GetFocusCell(), (CCellID{2, 2}));
}

// An editor that has ended waits for its deletion. A grid that goes before that takes it
// along while the grid is still whole, so that it cannot call back into a half-gone grid.
TEST_F(GridWindow, AnEndedEditorGoesWhileTheGridIsStillWhole) {
    uitest::click(*grid, Centre(2, 2));
    uitest::type(*grid, "9");
    QPointer<CInPlaceEdit> editor = grid->InPlaceEditor();
    ASSERT_TRUE(editor);
    uitest::key(*editor, Qt::Key_Return);
    ASSERT_TRUE(editor);  // ended, its deletion posted
    ASSERT_EQ(grid->InPlaceEditor(), nullptr);
    QWidget* gridWidget = grid;
    bool gridWhole = false;
    QObject::connect(editor.data(), &QObject::destroyed,
                     [&] { gridWhole = dynamic_cast<CGridCtrl*>(gridWidget) != nullptr; });
    owner.grid = nullptr;
    delete grid;
    grid = nullptr;
    EXPECT_FALSE(editor);
    EXPECT_TRUE(gridWhole);
}

}  // namespace
