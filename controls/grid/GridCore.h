#pragma once
// Everything the grid control knows and decides without a window system: the table of
// cells, fixed rows and columns, sizes, selection and focus, sorting, the geometry and
// scrolling arithmetic, and the reactions to mouse, keyboard, wheel and timer. The window
// class derives from it and supplies what needs a real window through the hooks at the end
// (invalidating, scrolling pixels, capture, timers, cursors, the owner, the editor).
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "controls/grid/GridCell.h"
#include "controls/grid/GridTypes.h"

class GridCore {
  public:
    GridCore() = default;
    GridCore(const GridCore&) = delete;
    GridCore& operator=(const GridCore&) = delete;
    virtual ~GridCore();

    // Counts. Each returns TRUE unless creating a row or column fails.
    bool SetRowCount(int rows);
    bool SetColumnCount(int cols);
    bool SetFixedRowCount(int fixedRows);
    bool SetFixedColumnCount(int fixedCols);
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetFixedRowCount() const { return m_nFixedRows; }
    int GetFixedColumnCount() const { return m_nFixedCols; }
    bool DeleteAllItems();

    // Cells. Rows and columns outside the grid: setters do nothing and return false.
    bool IsValid(int row, int col) const;
    bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    bool IsValid(const CCellRange& range) const;
    CGridCell* GetCell(int row, int col) const;
    bool SetItemText(int row, int col, std::u16string_view text);
    virtual CVRMString GetItemText(int row, int col) const;
    bool SetItemData(int row, int col, uint32_t data);
    uint32_t GetItemData(int row, int col) const;
    bool SetItemImage(int row, int col, int image);
    int GetItemImage(int row, int col) const;
    bool SetItemFormat(int row, int col, unsigned format);
    unsigned GetItemFormat(int row, int col) const;
    bool SetItemBkColour(int row, int col, grid::Colour colour);
    bool SetItemFgColour(int row, int col, grid::Colour colour);
    grid::Colour GetItemBkColour(int row, int col) const;
    grid::Colour GetItemFgColour(int row, int col) const;
    bool SetItemFont(int row, int col, const grid::Font& font);
    const grid::Font& GetItemFont(int row, int col) const;
    bool SetItemState(int row, int col, unsigned state);
    unsigned GetItemState(int row, int col) const;
    bool AddItemState(int row, int col, unsigned bits);
    bool GetItem(GV_ITEM* item) const;
    void SetAllItemsBkColour(grid::Colour colour);
    void SetModified(bool modified = true, int row = -1, int col = -1);
    bool GetModified() const { return m_bModified; }
    bool IsCellEditable(int row, int col) const;

    // Sizes.
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    void SetRowData(int row, unsigned lineFlag);
    void SetColumnData(int col, unsigned lineFlag);
    unsigned GetRowData(int row) const;
    unsigned GetColumnData(int col) const;
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    int GetVirtualHeight() const;
    int GetVirtualWidth() const;
    bool AutoSizeColumn(int col);
    bool AutoSizeRow(int row);
    void ExpandColumnsToFit();
    void ExpandRowsToFit();
    void ExpandToFit();
    void SetRedraw(bool allow, bool resetScrollBars = false);
    bool IsRedrawAllowed() const { return m_bAllowDraw; }
    int GetDefaultRowHeight() const { return m_nDefRowHeight; }
    int GetDefaultColumnWidth() const { return m_nDefColWidth; }
    int GetMargin() const { return m_nMargin; }

    // Selection and focus.
    CCellID SetFocusCell(int row, int col);
    CCellID SetFocusCell(const CCellID& cell) { return SetFocusCell(cell.row, cell.col); }
    CCellID GetFocusCell() const { return m_idCurrentCell; }
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, bool forceRedraw = false);
    void SetSelectedRange(const CCellRange& r, bool forceRedraw = false) {
        SetSelectedRange(r.minRow, r.minCol, r.maxRow, r.maxCol, forceRedraw);
    }
    virtual void SelectAllCells();
    void SelectColumns(const CCellID& cell);
    void SelectRows(const CCellID& cell);
    void SelectCells(const CCellID& cell);
    void OnSelecting(const CCellID& cell);
    void ResetSelection();
    CCellRange GetSelectedCellRange() const;
    size_t GetSelectedCount() const { return m_SelectedCellMap.size(); }
    static uint32_t CellKey(int row, int col) {
        return (static_cast<uint32_t>(col) << 16) | (static_cast<uint32_t>(row) & 0xFFFF);
    }
    bool IsInSelectionMap(int row, int col) const;

    // Geometry and scrolling.
    CCellID GetTopleftNonFixedCell() const;
    CCellRange GetVisibleNonFixedCellRange(grid::Rect* rect = nullptr) const;
    CCellRange GetUnobstructedNonFixedCellRange() const;
    bool GetCellOrigin(int row, int col, grid::Point* origin) const;
    bool GetCellRect(int row, int col, grid::Rect* rect) const;
    CCellID GetCellFromPt(grid::Point point, bool allowFixed = false) const;
    bool IsCellVisible(int row, int col) const;
    void EnsureVisible(int row, int col);
    void InvalidateCellRect(const CCellID& cell);
    bool RedrawCell(int row, int col);
    void ResetScrollBars();
    long SendMessageToParent(int row, int col, int code);

    // One scroll bar: the range is 0 to max, and with a page the position stops at
    // max - page + 1, as the window system's scroll bars do.
    struct ScrollBar {
        int max = 0;
        int page = 0;
        int pos = 0;
        int Limit() const;
    };
    const ScrollBar& HorzScroll() const { return m_hScroll; }
    const ScrollBar& VertScroll() const { return m_vScroll; }
    int GetScrollPos32(bool vertical) const { return vertical ? m_vScroll.pos : m_hScroll.pos; }
    void SetScrollPos32(bool vertical, int pos);
    void OnHScroll(grid::ScrollCode code, int trackPos = 0);
    void OnVScroll(grid::ScrollCode code, int trackPos = 0);

    // Sorting by the texts of a column.
    bool SortTextItems(int col, bool ascending);
    bool SortTextItems(int col, bool ascending, int low, int high);
    int GetSortColumn() const { return m_nSortColumn; }
    bool GetSortAscending() const { return m_bAscending; }

    // Input. Keys are key codes, characters are characters. Both answer false where the
    // window's default handling is left to act.
    bool OnKeyDown(unsigned keyCode, unsigned modifiers);
    bool OnChar(char32_t ch, unsigned modifiers);
    void OnLButtonDown(grid::Point point, unsigned modifiers);
    void OnLButtonUp(grid::Point point);
    void OnLButtonDblClk(grid::Point point);
    void OnMouseMove(grid::Point point, bool leftButtonHeld);
    void OnTimer(unsigned id);
    void OnCaptureChanged();
    void OnMouseWheel(int distance);
    void OnContextMenu(grid::Point clientPoint);
    virtual void OnFixedRowClick(const CCellID& cell);
    virtual void OnFixedColumnClick(const CCellID& cell);
    grid::MouseMode GetMouseMode() const { return m_MouseMode; }
    grid::Cursor CurrentCursor() const;

    // In-place editing.
    virtual void OnEditCell(int row, int col, grid::EditTrigger trigger);
    virtual void OnEndEditCell(int row, int col, std::u16string_view text);
    // The end-of-edit message of the editor: stores the text, tells the owner and, after a
    // Tab or a navigation key, moves on and opens the editor on the next cell.
    long OnEndInPlaceEdit(int row, int col, std::u16string_view text, unsigned lastKey);

    // The tracking line of a row or column resize, drawn inverted over the cells.
    struct TrackingLine {
        bool vertical = false;
        int pos = 0;
    };
    const std::optional<TrackingLine>& GetTrackingLine() const { return m_trackingLine; }

    // Font metrics measured by the window: the grid font, the width of " ", and the text
    // metrics height, external leading and average character width.
    void ApplyFont(const grid::Font& font, int spaceWidth, int height, int externalLeading,
                   int aveCharWidth);
    const grid::Font& GetFont() const { return m_Logfont; }

    // Attributes.
    grid::Colour GetTextColor() const { return m_crTextColour; }
    void SetTextColor(grid::Colour c) { m_crTextColour = c; }
    grid::Colour GetTextBkColor() const { return m_crTextBkColour; }
    void SetTextBkColor(grid::Colour c) { m_crTextBkColour = c; }
    grid::Colour GetBkColor() const { return m_crBkColour; }
    void SetBkColor(grid::Colour c) { m_crBkColour = c; }
    grid::Colour GetFixedTextColor() const { return m_crFixedTextColour; }
    void SetFixedTextColor(grid::Colour c) { m_crFixedTextColour = c; }
    grid::Colour GetFixedBkColor() const { return m_crFixedBkColour; }
    void SetFixedBkColor(grid::Colour c) { m_crFixedBkColour = c; }
    grid::Colour GetGridColor() const { return m_crGridColour; }
    void SetGridColor(grid::Colour c) { m_crGridColour = c; }
    void SetNewCellBkColour(grid::Colour c) { m_crNewCellBkColour = c; }
    int GetGridLines() const { return m_nGridLines; }
    void SetGridLines(int mode) { m_nGridLines = mode; }
    bool IsEditable() const { return m_bEditable; }
    void SetEditable(bool on) { m_bEditable = on; }
    bool GetListMode() const { return m_bListMode; }
    void SetListMode(bool on) { m_bListMode = on; }
    bool GetSingleRowSelection() const { return m_bSingleRowSelection; }
    void SetSingleRowSelection(bool on) { m_bSingleRowSelection = on; }
    bool IsSelectable() const { return m_bEnableSelection; }
    void EnableSelection(bool on) { m_bEnableSelection = on; }
    bool GetHeaderSort() const { return m_bSortOnClick; }
    void SetHeaderSort(bool on) { m_bSortOnClick = on; }
    bool GetHandleTabKey() const { return m_bHandleTabKey; }
    void SetHandleTabKey(bool on) { m_bHandleTabKey = on; }
    void SetContextMenuId(unsigned id) { m_nContextMenuId = id; }
    unsigned GetContextMenuId() const { return m_nContextMenuId; }
    void SetRowResize(bool on) { m_bAllowRowResize = on; }
    void SetColumnResize(bool on) { m_bAllowColumnResize = on; }
    int GetRowsPerWheelNotch() const { return m_nRowsPerWheelNotch; }
    void SetRowsPerWheelNotch(int rows) { m_nRowsPerWheelNotch = rows; }
    bool HasImages() const { return m_bHasImages; }
    void SetHasImages(bool on) { m_bHasImages = on; }

  protected:
    // Counts and fixed counts given at construction; the most derived class calls this
    // once it is complete, so that `CreateCell` and the hooks are its own.
    void InitCounts(int rows, int cols, int fixedRows, int fixedCols);
    // The grid font before the window can measure it.
    void InitFont(const grid::Font& font) { m_Logfont = font; }
    // Every row and column to the current default size, as a newly created window has them.
    void ResetSizesToDefaults();

    virtual std::unique_ptr<CGridCell> CreateCell(int row, int col);
    virtual void DestroyCell(int /*row*/, int /*col*/) {}
    virtual grid::Size GetCellExtent(int /*row*/, int /*col*/) { return {}; }
    virtual void CreateInPlaceEditControl(const grid::Rect& /*rect*/, grid::EditAlign /*align*/,
                                          int /*id*/, int /*row*/, int /*col*/,
                                          std::u16string_view /*text*/,
                                          grid::EditTrigger /*trigger*/) {}

    // What needs a window. Without one: nothing is drawn, nobody is told.
    virtual bool HasWindow() const { return false; }
    virtual grid::Rect ClientRect() const { return {}; }
    virtual long NotifyOwner(int /*row*/, int /*col*/, int /*code*/) { return 0; }
    virtual bool HasOwner() const { return false; }
    virtual void PostClickCommand() {}
    virtual void InvalidateRect(const grid::Rect& /*rect*/) {}
    virtual void InvalidateAll() {}
    virtual void ScrollContent(int /*dx*/, int /*dy*/, const grid::Rect& /*area*/) {}
    virtual void ScrollBarsChanged() {}
    virtual void TakeFocus() {}
    virtual void CaptureMouse() {}
    virtual void ReleaseMouse() {}
    virtual bool HasCapture() const { return false; }
    virtual void StartTimer(unsigned /*id*/, unsigned /*ms*/) {}
    virtual void KillTimer(unsigned /*id*/) {}
    virtual void ApplyCursor(grid::Cursor /*cursor*/) {}
    virtual void ShowWaitCursor(bool /*on*/) {}
    virtual grid::Point CursorPosition() const { return {}; }
    virtual unsigned KeyModifiers() const { return 0; }
    virtual void TrackContextMenu(grid::Point /*clientPoint*/) {}

  private:
    using Row = std::vector<std::unique_ptr<CGridCell>>;

    void SetFocusCellInternal(const CCellID& cell);
    void RedrawHeaders(const CCellID& cell, const CCellID& other);
    void SetSelectedBit(int row, int col, bool on);
    void DropSelectionOutside();
    void SwapRows(int a, int b);
    int RowTop(int row) const;   // top edge in client coordinates, for visible rows
    int ColLeft(int col) const;  // left edge in client coordinates, for visible columns
    void ScrollLine(bool vertical, bool forward);
    grid::Rect ScrolledArea(bool vertical) const;
    void OnScroll(bool vertical, grid::ScrollCode code, int trackPos);
    bool MouseOverColumnResizeArea(grid::Point point) const;
    bool MouseOverRowResizeArea(grid::Point point) const;
    void SetMouseModeCursor(grid::MouseMode mode, grid::Cursor cursor);
    bool EnterDividerMode(grid::Point point);
    void MoveTrackingLine(const std::optional<TrackingLine>& line);
    grid::Point Confine(grid::Point point) const;
    void AutoScrollStep();

    // Colours (0x00bbggrr).
    grid::Colour m_crTextColour = 0x000000;
    grid::Colour m_crTextBkColour = 0xFFFFFF;
    grid::Colour m_crBkColour = 0x808080;
    grid::Colour m_crFixedTextColour = 0x000000;
    grid::Colour m_crFixedBkColour = 0xC0C0C0;
    grid::Colour m_crGridColour = 0xC0C0C0;
    grid::Colour m_crNewCellBkColour = grid::kDefaultColour;

  protected:
    // The system colours the grid colours came from, so that a colour scheme change
    // replaces only those the owner did not set.
    grid::Colour m_crWindowText = 0x000000;
    grid::Colour m_crWindow = 0xFFFFFF;
    grid::Colour m_crFace = 0xC0C0C0;
    grid::Colour m_crShadow = 0x808080;
    void OnSysColourChange(grid::Colour windowText, grid::Colour window, grid::Colour face,
                           grid::Colour shadow);
    void InitColours(grid::Colour windowText, grid::Colour window, grid::Colour face,
                     grid::Colour shadow);

  private:
    int m_nGridLines = grid::kLinesBoth;
    bool m_bEditable = true;
    bool m_bModified = false;
    bool m_bListMode = false;
    bool m_bSingleRowSelection = false;
    bool m_bAllowDraw = true;
    bool m_bEnableSelection = true;
    bool m_bSortOnClick = true;
    bool m_bHandleTabKey = true;
    unsigned m_nContextMenuId = 0;

    int m_nRows = 0;
    int m_nFixedRows = 0;
    int m_nCols = 0;
    int m_nFixedCols = 0;
    std::vector<int> m_arRowHeights;
    std::vector<int> m_arColWidths;
    std::vector<unsigned> m_arRowLines;
    std::vector<unsigned> m_arColLines;
    int m_nMargin = 0;
    int m_nDefColWidth = 30;
    int m_nDefRowHeight = 10;
    ScrollBar m_hScroll;
    ScrollBar m_vScroll;
    grid::Font m_Logfont;
    bool m_bHasImages = false;
    std::vector<Row> m_RowData;

    grid::MouseMode m_MouseMode = grid::MouseMode::None;
    grid::Point m_LeftClickDownPoint;
    grid::Point m_LastMousePoint;
    grid::Point m_ContextMenuPoint;
    CCellID m_LeftClickDownCell;
    CCellID m_SelectionStartCell;
    CCellID m_idCurrentCell;
    unsigned m_nTimerID = 0;
    unsigned m_nTimerInterval = 25;
    int m_nResizeCaptureRange = 3;
    bool m_bAllowRowResize = true;
    bool m_bAllowColumnResize = true;
    int m_nRowsPerWheelNotch = 3;
    int m_nWheelRest = 0;  // the part of the wheel distance (times rows per notch) not yet scrolled
    std::map<uint32_t, CCellID> m_SelectedCellMap;
    std::map<uint32_t, CCellID> m_PrevSelectedCellMap;
    bool m_bAscending = true;
    int m_nSortColumn = -1;

    std::optional<TrackingLine> m_trackingLine;
    // The area the pointer is held in while a divider is dragged (the cursor confinement).
    std::optional<grid::Rect> m_confine;
};
