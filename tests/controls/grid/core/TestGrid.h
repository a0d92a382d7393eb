#pragma once
// A grid core with a pretend window: a fixed client rectangle, and records of what the
// grid tells its owner, which editors it opens and what it asks of the window.
#include <string>
#include <vector>

#include "controls/grid/GridCore.h"

struct Note {
    int row;
    int col;
    int code;
    bool operator==(const Note&) const = default;
};

struct OpenedEditor {
    grid::Rect rect;
    grid::EditAlign align;
    int row;
    int col;
    std::u16string text;
    grid::EditTrigger trigger;
};

// Rows 20 px high, columns 50 px wide; the client is 200 x 100, so one fixed column and
// three non-fixed ones fit across, one fixed row and four non-fixed ones down.
class TestGrid : public GridCore {
  public:
    TestGrid(int rows, int cols, int fixedRows, int fixedCols, grid::Rect client = {0, 0, 200, 100})
        : client(client) {
        InitCounts(rows, cols, fixedRows, fixedCols);
        for (int row = 0; row < rows; ++row) SetRowHeight(row, 20);
        for (int col = 0; col < cols; ++col) SetColumnWidth(col, 50);
        ResetScrollBars();
    }

    std::vector<Note> notes;
    std::vector<OpenedEditor> editors;
    std::vector<grid::Rect> invalidated;
    grid::Rect client;
    grid::Point cursor;
    unsigned modifiers = 0;
    bool owner = true;
    bool capture = false;
    int clickCommands = 0;
    int menusShown = 0;
    std::vector<unsigned> timersStarted;
    std::vector<unsigned> timersKilled;

  protected:
    bool HasWindow() const override { return true; }
    grid::Rect ClientRect() const override { return client; }
    long NotifyOwner(int row, int col, int code) override {
        notes.push_back({row, col, code});
        return 0;
    }
    bool HasOwner() const override { return owner; }
    void PostClickCommand() override { ++clickCommands; }
    void InvalidateRect(const grid::Rect& rect) override { invalidated.push_back(rect); }
    void CaptureMouse() override { capture = true; }
    void ReleaseMouse() override { capture = false; }
    bool HasCapture() const override { return capture; }
    void StartTimer(unsigned id, unsigned) override { timersStarted.push_back(id); }
    void KillTimer(unsigned id) override { timersKilled.push_back(id); }
    grid::Point CursorPosition() const override { return cursor; }
    unsigned KeyModifiers() const override { return modifiers; }
    void TrackContextMenu(grid::Point) override { ++menusShown; }
    void CreateInPlaceEditControl(const grid::Rect& rect, grid::EditAlign align, int, int row, int col,
                                  std::u16string_view text, grid::EditTrigger trigger) override {
        editors.push_back({rect, align, row, col, std::u16string(text), trigger});
    }
    grid::Size GetCellExtent(int row, int col) override {
        return {static_cast<int>(GetItemText(row, col).size()) * 7 + 4, 18};
    }
};
