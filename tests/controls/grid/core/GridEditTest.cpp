// Starting and ending in-place edits: what opens the editor, how it opens, and what the
// grid does with the text and the key that ended the edit.
#include <gtest/gtest.h>

#include "TestGrid.h"
#include "controls/grid/InPlaceEditLogic.h"

namespace {

namespace key = grid::key;
using grid::EditTrigger;

struct EditGrid : TestGrid {
    EditGrid() : TestGrid(20, 6, 1, 1) {
        SetItemText(2, 2, u"4,5");
        SetFocusCell(2, 2);
        notes.clear();
    }
};

// A typed character is a character, whatever key code shares its number: "!" to "(" are
// Page Up to Down as key codes. Only the space is no text: it opens the editor.
TEST(GridEditStart, EveryTypedPrintableCharacterReplacesTheText) {
    for (char32_t ch : {U'!', U'"', U'#', U'$', U'%', U'&', U'\'', U'(', U'a', U'7', U'ä'}) {
        SCOPED_TRACE(static_cast<unsigned>(ch));
        EditGrid g;
        g.OnChar(ch, 0);
        ASSERT_EQ(g.editors.size(), 1u);
        EXPECT_EQ(g.editors[0].trigger, EditTrigger::Char(ch));
        const grid::EditOpening opening = grid::OpeningFor(g.editors[0].trigger);
        EXPECT_TRUE(opening.selectAll);
        ASSERT_TRUE(opening.feed);
        EXPECT_EQ(*opening.feed, ch);
        EXPECT_TRUE(opening.exitOnArrows);
    }
}

TEST(GridEditStart, HowEachTriggerOpensTheEditor) {
    struct Case {
        EditTrigger trigger;
        bool selectAll;
        std::optional<char32_t> feed;
        bool exitOnArrows;
    };
    const std::vector<Case> cases{
        {EditTrigger::Mouse(), false, std::nullopt, false},           // caret after the text
        {EditTrigger::Char(key::kReturn), false, std::nullopt, true},  // caret after the text
        {EditTrigger::Char(key::kBack), false, U'\b', true},           // caret after, then erases
        {EditTrigger::Char(key::kTab), true, std::nullopt, true},
        {EditTrigger::Char(U' '), true, std::nullopt, true},           // selects, types nothing
        {EditTrigger::Key(key::kTab), true, std::nullopt, true},
        {EditTrigger::Key(key::kPageUp), true, std::nullopt, true},
        {EditTrigger::Key(key::kDown), true, std::nullopt, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.trigger.kind) << " "
                                        << static_cast<unsigned>(c.trigger.code));
        const grid::EditOpening opening = grid::OpeningFor(c.trigger);
        EXPECT_EQ(opening.selectAll, c.selectAll);
        EXPECT_EQ(opening.feed, c.feed);
        EXPECT_EQ(opening.exitOnArrows, c.exitOnArrows);
    }
}

TEST(GridEditStart, NoEditorWhereEditingIsNotAllowed) {
    EditGrid g;
    g.OnChar(U'\t', 0);  // the grid takes Tab itself
    g.OnChar(U'x', grid::kCtrl);
    g.SetItemState(2, 2, grid::kStateReadOnly | grid::kStateFocused);
    g.OnChar(U'x', 0);
    EXPECT_TRUE(g.editors.empty());
    EXPECT_TRUE(g.notes.empty());
    g.SetItemState(2, 2, grid::kStateFocused);
    g.SetHandleTabKey(false);
    g.OnChar(U'\t', 0);
    ASSERT_EQ(g.editors.size(), 1u);
    EXPECT_EQ(g.notes, (std::vector<Note>{{2, 2, grid::kNotifyBeginEdit}}));
}

TEST(GridEditStart, TheEditorIsAlignedLikeTheCell) {
    EditGrid g;
    g.SetItemFormat(2, 2, grid::kFormatRight);
    g.OnChar(U'1', 0);
    g.SetItemFormat(2, 2, grid::kFormatCentre);
    g.OnChar(U'1', 0);
    g.SetItemFormat(2, 2, 0);
    g.OnChar(U'1', 0);
    ASSERT_EQ(g.editors.size(), 3u);
    EXPECT_EQ(g.editors[0].align, grid::EditAlign::Right);
    EXPECT_EQ(g.editors[1].align, grid::EditAlign::Centre);
    EXPECT_EQ(g.editors[2].align, grid::EditAlign::Left);
}

TEST(GridEditKeys, CommaBecomesAPointAndTabEnterEscapeEndTheEdit) {
    EXPECT_EQ(grid::OnEditChar(U','), (grid::EditChar{grid::EditChar::Action::Type, U'.', 0}));
    EXPECT_EQ(grid::OnEditChar(U'('), (grid::EditChar{grid::EditChar::Action::Type, U'(', 0}));
    EXPECT_EQ(grid::OnEditChar(U'\t').action, grid::EditChar::Action::End);
    EXPECT_EQ(grid::OnEditChar(U'\t').lastKey, key::kTab);
    EXPECT_EQ(grid::OnEditChar(U'\r').lastKey, key::kReturn);
    EXPECT_EQ(grid::OnEditChar(U'\x1b').action, grid::EditChar::Action::Restore);
}

TEST(GridEditKeys, ArrowsEndAnEditorOpenedByAKeyButNotOneOpenedByTheMouse) {
    EXPECT_EQ(grid::EndingKeyDown(key::kPageDown, true, false), key::kPageDown);
    EXPECT_EQ(grid::EndingKeyDown(key::kLeft, true, false), key::kLeft);
    EXPECT_EQ(grid::EndingKeyDown(key::kLeft, false, false), std::nullopt);
    EXPECT_EQ(grid::EndingKeyDown(key::kLeft, false, true), key::kLeft);
    EXPECT_EQ(grid::EndingKeyDown(key::kHome, true, false), std::nullopt);
    EXPECT_EQ(grid::EndingKeyDown(key::kDelete, true, true), std::nullopt);
}

TEST(GridEditKeys, TheEditorWidensForItsTextUpToTheGridEdge) {
    EXPECT_EQ(grid::WidenedRight(100, 149, 40, 400), 149);
    EXPECT_EQ(grid::WidenedRight(100, 149, 80, 400), 180);
    EXPECT_EQ(grid::WidenedRight(100, 149, 500, 400), 400);
}

TEST(GridEditEnd, EscapeLeavesTheCellUnmodified) {
    EditGrid g;
    g.OnEndInPlaceEdit(2, 2, u"4,5", key::kEscape);  // the editor restored the old text
    EXPECT_FALSE(g.GetModified());
    EXPECT_EQ(g.GetItemState(2, 2) & grid::kStateModified, 0u);
    EXPECT_EQ(g.notes, (std::vector<Note>{{2, 2, grid::kNotifyEndEdit}}));
    EXPECT_TRUE(g.editors.empty());
    EXPECT_EQ(g.GetFocusCell(), (CCellID{2, 2}));
}

TEST(GridEditEnd, EnterKeepsTheTextAndMarksTheCellModified) {
    EditGrid g;
    g.OnEndInPlaceEdit(2, 2, u"4.75", key::kReturn);
    EXPECT_EQ(g.GetItemText(2, 2), u"4.75");
    EXPECT_TRUE(g.GetModified());
    EXPECT_EQ(g.GetItemState(2, 2) & grid::kStateModified, grid::kStateModified);
    EXPECT_TRUE(g.editors.empty());
    // A case change is a change.
    EditGrid h;
    h.SetItemText(2, 2, u"abc");
    h.OnEndInPlaceEdit(2, 2, u"ABC", key::kReturn);
    EXPECT_TRUE(h.GetModified());
}

TEST(GridEditEnd, TabOpensTheNextCellWithItsTextSelected) {
    EditGrid g;
    g.SetItemText(2, 3, u"next");
    g.OnEndInPlaceEdit(2, 2, u"5", key::kTab);
    EXPECT_EQ(g.GetItemText(2, 2), u"5");
    EXPECT_EQ(g.GetFocusCell(), (CCellID{2, 3}));
    ASSERT_EQ(g.editors.size(), 1u);
    EXPECT_EQ(g.editors[0].row, 2);
    EXPECT_EQ(g.editors[0].col, 3);
    EXPECT_EQ(g.editors[0].text, u"next");
    EXPECT_TRUE(grid::OpeningFor(g.editors[0].trigger).selectAll);
    EXPECT_FALSE(grid::OpeningFor(g.editors[0].trigger).feed);
    // Shift held with the Tab goes back.
    g.modifiers = grid::kShift;
    g.OnEndInPlaceEdit(2, 3, u"next", key::kTab);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{2, 2}));
}

TEST(GridEditEnd, PageDownMovesAPageAndOpensTheEditorThere) {
    EditGrid g;
    g.OnEndInPlaceEdit(2, 2, u"4,5", key::kPageDown);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{6, 2}));  // 80 px page = 4 rows
    ASSERT_EQ(g.editors.size(), 1u);
    EXPECT_EQ(g.editors[0].row, 6);
    EXPECT_EQ(g.editors[0].trigger, EditTrigger::Key(key::kPageDown));
}

TEST(GridEditEnd, AtTheLastCellTabReopensTheSameCell) {
    EditGrid g;
    g.SetFocusCell(19, 5);
    g.OnEndInPlaceEdit(19, 5, u"", key::kTab);
    EXPECT_EQ(g.GetFocusCell(), (CCellID{19, 5}));
    // The editor reopens on the same cell, as the key moved nothing.
    ASSERT_EQ(g.editors.size(), 1u);
    EXPECT_EQ(g.editors[0].row, 19);
}

}  // namespace
