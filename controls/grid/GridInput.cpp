// The grid's reactions to keys, characters, the mouse, the wheel, the auto-scroll timer
// and the context menu, and the start and end of in-place editing.
#include <algorithm>

#include "controls/grid/GridCore.h"

using grid::Cursor;
using grid::MouseMode;
using grid::Point;
using grid::Rect;
using grid::ScrollCode;
namespace key = grid::key;

// ---- keyboard ----------------------------------------------------------------------

bool GridCore::OnKeyDown(unsigned keyCode, unsigned modifiers) {
    if (!IsValid(m_idCurrentCell)) return false;
    const bool shift = modifiers & grid::kShift;
    const bool ctrl = modifiers & grid::kCtrl;
    if (ctrl && keyCode == key::kA) {
        SelectAllCells();
        return true;
    }
    CCellID next = m_idCurrentCell;
    bool lineChange = false;
    switch (keyCode) {
        case key::kTab:
            if (!shift) {
                if (next.col < m_nCols - 1) {
                    ++next.col;
                } else if (next.row < m_nRows - 1) {
                    ++next.row;
                    next.col = m_nFixedCols;
                    lineChange = true;
                } else {
                    return false;
                }
            } else {
                if (next.col > m_nFixedCols) {
                    --next.col;
                } else if (next.col == m_nFixedCols && next.row > m_nFixedRows) {
                    --next.row;
                    next.col = m_nCols - 1;
                    lineChange = true;
                } else {
                    return false;
                }
            }
            break;
        case key::kPageUp:
        case key::kPageDown: {
            const bool down = keyCode == key::kPageDown;
            const int before = GetTopleftNonFixedCell().row;
            OnVScroll(down ? ScrollCode::PageDown : ScrollCode::PageUp);
            const int moved = GetTopleftNonFixedCell().row - before;
            if (moved != 0)
                next.row = down ? std::min(next.row + moved, m_nRows - 1)
                                : std::max(next.row + moved, m_nFixedRows);
            else
                next.row = down ? m_nRows - 1 : m_nFixedRows;
            break;
        }
        case key::kHome:
            OnVScroll(ScrollCode::Top);
            next.row = m_nFixedRows;
            break;
        case key::kEnd:
            OnVScroll(ScrollCode::Bottom);
            next.row = m_nRows - 1;
            break;
        case key::kLeft:
            if (next.col > m_nFixedCols) --next.col;
            break;
        case key::kRight:
            if (next.col < m_nCols - 1) ++next.col;
            break;
        case key::kUp:
            if (next.row > m_nFixedRows) --next.row;
            break;
        case key::kDown:
            if (next.row < m_nRows - 1) ++next.row;
            break;
        case key::kDelete:
            if (IsCellEditable(next.row, next.col)) {
                SendMessageToParent(next.row, next.col, grid::kNotifyBeginEdit);
                SetItemText(next.row, next.col, u"");
                SetModified(true, next.row, next.col);
                SendMessageToParent(next.row, next.col, grid::kNotifyEndEdit);
                RedrawCell(next.row, next.col);
            }
            return true;
        default: return false;
    }
    if (next == m_idCurrentCell) return true;

    if (m_MouseMode == MouseMode::None) {
        m_PrevSelectedCellMap.clear();
        m_MouseMode = m_bListMode ? MouseMode::SelectRows : MouseMode::SelectCells;
        if (!shift || keyCode == key::kTab) m_SelectionStartCell = next;
        OnSelecting(next);
        m_MouseMode = MouseMode::None;
    }
    SetFocusCell(next);
    if (IsCellVisible(next.row, next.col)) return true;

    EnsureVisible(next.row, next.col);
    switch (keyCode) {
        case key::kTab:
            if (!shift) {
                if (lineChange) {
                    OnVScroll(ScrollCode::LineDown);
                    SetScrollPos32(false, 0);
                } else {
                    OnHScroll(ScrollCode::LineDown);
                }
            } else {
                if (lineChange) {
                    OnVScroll(ScrollCode::LineUp);
                    SetScrollPos32(false, m_hScroll.max);
                } else {
                    OnHScroll(ScrollCode::LineUp);
                }
            }
            break;
        case key::kLeft: OnHScroll(ScrollCode::LineUp); break;
        case key::kRight: OnHScroll(ScrollCode::LineDown); break;
        case key::kUp: OnVScroll(ScrollCode::LineUp); break;
        case key::kDown: OnVScroll(ScrollCode::LineDown); break;
        default: break;
    }
    InvalidateAll();
    return true;
}

bool GridCore::OnChar(char32_t ch, unsigned modifiers) {
    if (modifiers & grid::kCtrl) return false;
    if (m_MouseMode != MouseMode::None) return false;
    if (ch == U'\t' && m_bHandleTabKey) return false;
    OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, grid::EditTrigger::Char(ch));
    return true;
}

// ---- mouse -------------------------------------------------------------------------

bool GridCore::MouseOverColumnResizeArea(Point point) const {
    if (point.y >= GetFixedRowHeight()) return false;
    const CCellID cell = GetCellFromPt(point, true);
    Point start;
    if (!GetCellOrigin(cell.row, cell.col, &start)) return false;
    const int endX = start.x + GetColumnWidth(cell.col);
    return (point.x - start.x <= m_nResizeCaptureRange && cell.col != 0) ||
           endX - point.x <= m_nResizeCaptureRange;
}

bool GridCore::MouseOverRowResizeArea(Point point) const {
    if (point.x >= GetFixedColumnWidth()) return false;
    const CCellID cell = GetCellFromPt(point, true);
    Point start;
    if (!GetCellOrigin(cell.row, cell.col, &start)) return false;
    const int endY = start.y + GetRowHeight(cell.row);
    return (point.y - start.y <= m_nResizeCaptureRange && cell.row != 0) ||
           endY - point.y <= m_nResizeCaptureRange;
}

Cursor GridCore::CurrentCursor() const {
    switch (m_MouseMode) {
        case MouseMode::OverRowDivider: return Cursor::SizeNS;
        case MouseMode::OverColumnDivider: return Cursor::SizeWE;
        default: return Cursor::Arrow;
    }
}

void GridCore::SetMouseModeCursor(MouseMode mode, Cursor cursor) {
    if (m_MouseMode == mode) return;
    ApplyCursor(cursor);
    m_MouseMode = mode;
}

// Over a divider that may be dragged: the divider mode and its cursor.
bool GridCore::EnterDividerMode(Point point) {
    if (m_bAllowColumnResize && MouseOverColumnResizeArea(point))
        SetMouseModeCursor(MouseMode::OverColumnDivider, Cursor::SizeWE);
    else if (m_bAllowRowResize && MouseOverRowResizeArea(point))
        SetMouseModeCursor(MouseMode::OverRowDivider, Cursor::SizeNS);
    else
        return false;
    return true;
}

void GridCore::MoveTrackingLine(const std::optional<TrackingLine>& line) {
    const Rect client = ClientRect();
    const auto stripe = [&](const TrackingLine& l) {
        return l.vertical ? Rect{l.pos - 1, client.top, l.pos + 1, client.bottom}
                          : Rect{client.left, l.pos - 1, client.right, l.pos + 1};
    };
    if (m_trackingLine) InvalidateRect(stripe(*m_trackingLine));
    m_trackingLine = line;
    if (m_trackingLine) InvalidateRect(stripe(*m_trackingLine));
}

// The pointer cannot leave the area a divider drag confined it to, so a row or column is
// never dragged narrower than nothing.
Point GridCore::Confine(Point point) const {
    if (!m_confine) return point;
    return Point{std::clamp(point.x, m_confine->left, std::max(m_confine->left, m_confine->right)),
                 std::clamp(point.y, m_confine->top, std::max(m_confine->top, m_confine->bottom))};
}

void GridCore::OnMouseMove(Point point, bool leftButtonHeld) {
    point = Confine(point);
    if (!leftButtonHeld || m_MouseMode == MouseMode::None) {
        if (!EnterDividerMode(point)) SetMouseModeCursor(MouseMode::None, Cursor::Arrow);
        m_LastMousePoint = point;
        return;
    }
    if (!IsValid(m_LeftClickDownCell)) {
        m_LastMousePoint = point;
        return;
    }
    switch (m_MouseMode) {
        case MouseMode::SelectColumns:
        case MouseMode::SelectRows:
        case MouseMode::SelectCells: {
            const CCellID cell = GetCellFromPt(point, true);
            if (!IsValid(cell) || cell == m_idCurrentCell) break;
            OnSelecting(cell);
            if (cell.row >= m_nFixedRows && cell.col >= m_nFixedCols) SetFocusCell(cell);
            break;
        }
        case MouseMode::SizingRow: MoveTrackingLine(TrackingLine{false, point.y}); break;
        case MouseMode::SizingColumn: MoveTrackingLine(TrackingLine{true, point.x}); break;
        default: break;
    }
    m_LastMousePoint = point;
}

void GridCore::OnLButtonDown(Point point, unsigned modifiers) {
    m_LeftClickDownPoint = point;
    m_LeftClickDownCell = GetCellFromPt(point, true);
    if (!IsValid(m_LeftClickDownCell)) return;
    m_SelectionStartCell = (modifiers & grid::kShift) ? m_idCurrentCell : m_LeftClickDownCell;
    TakeFocus();
    if (m_LeftClickDownCell == m_idCurrentCell) {
        m_MouseMode = MouseMode::PrepareEdit;
        return;
    }
    if (m_MouseMode != MouseMode::OverColumnDivider && m_MouseMode != MouseMode::OverRowDivider) {
        SetFocusCell(-1, -1);
        SetFocusCell(std::max(m_LeftClickDownCell.row, m_nFixedRows),
                     std::max(m_LeftClickDownCell.col, m_nFixedCols));
    }
    CaptureMouse();
    if (m_MouseMode == MouseMode::None) EnterDividerMode(point);
    const Rect client = ClientRect();
    if (m_MouseMode == MouseMode::OverColumnDivider) {
        m_MouseMode = MouseMode::SizingColumn;
        Point start;
        if (!GetCellOrigin(0, m_LeftClickDownCell.col, &start)) return;
        MoveTrackingLine(TrackingLine{true, point.x});
        if (point.x - start.x <= m_nResizeCaptureRange) {
            if (!GetCellOrigin(0, --m_LeftClickDownCell.col, &start)) return;
        }
        m_confine = Rect{start.x, client.top, client.right, client.bottom};
    } else if (m_MouseMode == MouseMode::OverRowDivider) {
        m_MouseMode = MouseMode::SizingRow;
        Point start;
        if (!GetCellOrigin(m_LeftClickDownCell.row, m_LeftClickDownCell.col, &start)) return;
        MoveTrackingLine(TrackingLine{false, point.y});
        if (point.y - start.y <= m_nResizeCaptureRange) {
            if (!GetCellOrigin(--m_LeftClickDownCell.row, m_LeftClickDownCell.col, &start)) return;
        }
        m_confine = Rect{client.left, start.y, client.right, client.bottom};
    } else {
        m_PrevSelectedCellMap.clear();
        if (modifiers & grid::kCtrl) m_PrevSelectedCellMap = m_SelectedCellMap;
        if (m_LeftClickDownCell.row < m_nFixedRows) {
            OnFixedRowClick(m_LeftClickDownCell);
        } else if (m_LeftClickDownCell.col < m_nFixedCols) {
            OnFixedColumnClick(m_LeftClickDownCell);
        } else {
            m_MouseMode = m_bListMode ? MouseMode::SelectRows : MouseMode::SelectCells;
            OnSelecting(m_LeftClickDownCell);
        }
        m_nTimerID = grid::kAutoScrollTimer;
        StartTimer(m_nTimerID, m_nTimerInterval);
    }
    m_LastMousePoint = point;
}

void GridCore::OnLButtonUp(Point point) {
    point = Confine(point);
    m_confine.reset();
    if (HasCapture()) {
        ReleaseMouse();
        KillTimer(grid::kAutoScrollTimer);
        m_nTimerID = 0;
    }
    if (m_MouseMode == MouseMode::PrepareEdit) {
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, grid::EditTrigger::Mouse());
    } else if (m_MouseMode == MouseMode::SizingColumn || m_MouseMode == MouseMode::SizingRow) {
        const bool column = m_MouseMode == MouseMode::SizingColumn;
        MoveTrackingLine(std::nullopt);
        if (point != m_LeftClickDownPoint) {
            Point start;
            if (!GetCellOrigin(m_LeftClickDownCell.row, m_LeftClickDownCell.col, &start)) return;
            if (column)
                SetColumnWidth(m_LeftClickDownCell.col, point.x - start.x);
            else
                SetRowHeight(m_LeftClickDownCell.row, point.y - start.y);
            ResetScrollBars();
            InvalidateAll();
        }
    }
    m_MouseMode = MouseMode::None;
    ApplyCursor(Cursor::Arrow);
    if (IsValid(m_LeftClickDownCell) && HasOwner()) PostClickCommand();
}

void GridCore::OnLButtonDblClk(Point point) {
    // The first click's button-up ended the divider mode; the double click asks again.
    if (m_MouseMode == MouseMode::None) EnterDividerMode(point);
    if (m_MouseMode == MouseMode::OverColumnDivider) {
        CCellID cell = GetCellFromPt(point, true);
        Point start;
        if (!GetCellOrigin(0, cell.col, &start)) return;
        if (point.x - start.x <= m_nResizeCaptureRange) --cell.col;
        AutoSizeColumn(cell.col);
        InvalidateAll();
    } else if (m_MouseMode == MouseMode::OverRowDivider) {
        CCellID cell = GetCellFromPt(point, true);
        Point start;
        if (!GetCellOrigin(cell.row, 0, &start)) return;
        if (point.y - start.y <= m_nResizeCaptureRange) --cell.row;
        AutoSizeRow(cell.row);
        InvalidateAll();
    } else if (m_MouseMode == MouseMode::None) {
        const CCellID& down = m_LeftClickDownCell;
        if (IsValid(down) && down.row >= m_nFixedRows && down.col >= m_nFixedCols)
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, grid::EditTrigger::Mouse());
        else if (m_bListMode && IsValid(down) && down.row >= m_nFixedRows && down.col < m_nFixedCols)
            OnEditCell(down.row, down.col, grid::EditTrigger::Mouse());
    }
}

void GridCore::OnFixedRowClick(const CCellID& cell) {
    if (!IsValid(cell)) return;
    if (!m_bListMode) {
        m_MouseMode = cell.col < m_nFixedCols ? MouseMode::SelectAll : MouseMode::SelectColumns;
        OnSelecting(cell);
        return;
    }
    if (!m_bSortOnClick) return;
    ShowWaitCursor(true);
    if (cell.col != m_nSortColumn) {
        m_nSortColumn = cell.col;
        m_bAscending = true;
    } else {
        m_bAscending = !m_bAscending;
    }
    SortTextItems(m_nSortColumn, m_bAscending);
    InvalidateAll();
    ShowWaitCursor(false);
}

void GridCore::OnFixedColumnClick(const CCellID& cell) {
    if (!IsValid(cell)) return;
    m_MouseMode = cell.row < m_nFixedRows ? MouseMode::SelectAll : MouseMode::SelectRows;
    OnSelecting(cell);
}

// ---- timer, capture, wheel, context menu ---------------------------------------------

void GridCore::OnTimer(unsigned id) {
    if (id != grid::kAutoScrollTimer) return;
    AutoScrollStep();
}

void GridCore::AutoScrollStep() {
    const Point pt = CursorPosition();
    const Rect client = ClientRect();
    const int x = std::clamp(pt.x, 0, std::max(0, client.right));
    const int y = std::clamp(pt.y, 0, std::max(0, client.bottom));
    if (pt.y > client.bottom) {
        OnKeyDown(key::kDown, 0);
        OnSelecting(GetCellFromPt(Point{x, client.bottom}, true));
    } else if (pt.y < GetFixedRowHeight()) {
        OnKeyDown(key::kUp, 0);
        OnSelecting(GetCellFromPt(Point{x, GetFixedRowHeight() + 1}, true));
    }
    if (pt.x > client.right) {
        OnKeyDown(key::kRight, 0);
        OnSelecting(GetCellFromPt(Point{client.right, y}, true));
    } else if (pt.x < GetFixedColumnWidth()) {
        OnKeyDown(key::kLeft, 0);
        OnSelecting(GetCellFromPt(Point{GetFixedColumnWidth() + 1, y}, true));
    }
}

void GridCore::OnCaptureChanged() {
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
}

void GridCore::OnMouseWheel(int distance) {
    // A fine wheel or a touch pad sends parts of a notch: what does not make a whole row
    // (or page) is kept for the next event, until the wheel turns the other way.
    if ((m_nWheelRest < 0 && distance > 0) || (m_nWheelRest > 0 && distance < 0)) m_nWheelRest = 0;
    // The number of rows per notch; all bits set asks for a page per notch.
    const bool pages = m_nRowsPerWheelNotch == -1;
    const int total = m_nWheelRest + distance * (pages ? 1 : m_nRowsPerWheelNotch);
    const int steps = total / 120;
    m_nWheelRest = total - steps * 120;
    for (int n = steps; n > 0; --n) OnVScroll(pages ? ScrollCode::PageUp : ScrollCode::LineUp);
    for (int n = steps; n < 0; ++n) OnVScroll(pages ? ScrollCode::PageDown : ScrollCode::LineDown);
}

void GridCore::OnContextMenu(Point clientPoint) {
    m_ContextMenuPoint = clientPoint;
    const CCellRange selected = GetSelectedCellRange();
    const bool single = selected.minRow == selected.maxRow && selected.minCol == selected.maxCol;
    if (!IsValid(selected) || single) {
        OnLButtonDown(clientPoint, 0);
        OnLButtonUp(clientPoint);
    }
    if (m_nContextMenuId != 0 && HasOwner()) TrackContextMenu(clientPoint);
}

// ---- in-place editing ----------------------------------------------------------------

void GridCore::OnEditCell(int row, int col, grid::EditTrigger trigger) {
    EnsureVisible(row, col);
    if (!IsValid(row, col) || !IsCellEditable(row, col) || !IsCellVisible(row, col)) return;
    Rect rect;
    if (!GetCellRect(row, col, &rect)) return;
    SendMessageToParent(row, col, grid::kNotifyBeginEdit);
    const CVRMString text = GetItemText(row, col);
    const unsigned format = GetItemFormat(row, col);
    const grid::EditAlign align = (format & grid::kFormatRight)    ? grid::EditAlign::Right
                                  : (format & grid::kFormatCentre) ? grid::EditAlign::Centre
                                                                   : grid::EditAlign::Left;
    CreateInPlaceEditControl(rect, align, grid::kInPlaceEditId, row, col, text, trigger);
}

void GridCore::OnEndEditCell(int row, int col, std::u16string_view text) {
    if (!IsValid(row, col)) return;
    if (GetItemText(row, col) != text) {
        SetModified(true, row, col);
        SetItemText(row, col, text);
    }
}

long GridCore::OnEndInPlaceEdit(int row, int col, std::u16string_view text, unsigned lastKey) {
    if (!HasWindow()) return 0;
    OnEndEditCell(row, col, text);
    InvalidateCellRect(CCellID{row, col});
    SendMessageToParent(row, col, grid::kNotifyEndEdit);
    if (lastKey == key::kTab || key::IsNavigation(lastKey)) {
        OnKeyDown(lastKey, KeyModifiers());
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, grid::EditTrigger::Key(lastKey));
    }
    return 0;
}
