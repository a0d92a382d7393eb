// Where the grid's cells are on the window, and scrolling. The scroll positions are pixel
// offsets into the non-fixed part; the top-left non-fixed cell is the first one whose
// running size sum reaches the position.
#include <algorithm>

#include "controls/grid/GridCore.h"

using grid::Point;
using grid::Rect;
using grid::ScrollCode;

CCellID GridCore::GetTopleftNonFixedCell() const {
    CCellID cell{m_nFixedRows, m_nFixedCols};
    int right = 0;
    while (right < m_hScroll.pos && cell.col < m_nCols - 1) right += GetColumnWidth(cell.col++);
    int bottom = 0;
    while (bottom < m_vScroll.pos && cell.row < m_nRows - 1) bottom += GetRowHeight(cell.row++);
    return cell;
}

CCellRange GridCore::GetVisibleNonFixedCellRange(Rect* rect) const {
    const Rect client = ClientRect();
    const CCellID topLeft = GetTopleftNonFixedCell();
    int bottom = GetFixedRowHeight();
    int row = topLeft.row;
    for (; row < m_nRows; ++row) {
        bottom += GetRowHeight(row);
        if (bottom >= client.bottom) break;
    }
    int right = GetFixedColumnWidth();
    int col = topLeft.col;
    for (; col < m_nCols; ++col) {
        right += GetColumnWidth(col);
        if (right >= client.right) break;
    }
    if (rect) *rect = Rect{0, 0, right, bottom};
    return CCellRange{topLeft.row, topLeft.col, std::min(row, m_nRows - 1), std::min(col, m_nCols - 1)};
}

CCellRange GridCore::GetUnobstructedNonFixedCellRange() const {
    const Rect client = ClientRect();
    const CCellID topLeft = GetTopleftNonFixedCell();
    int bottom = GetFixedRowHeight();
    int row = topLeft.row;
    for (; row < m_nRows; ++row) {
        bottom += GetRowHeight(row);
        if (bottom >= client.bottom) break;
    }
    int maxRow = std::min(row, m_nRows - 1);
    if (row < m_nRows && bottom > client.bottom && row > topLeft.row) maxRow = row - 1;
    int right = GetFixedColumnWidth();
    int col = topLeft.col;
    for (; col < m_nCols; ++col) {
        right += GetColumnWidth(col);
        if (right >= client.right) break;
    }
    int maxCol = std::min(col, m_nCols - 1);
    if (col < m_nCols && right > client.right && col > topLeft.col) maxCol = col - 1;
    return CCellRange{topLeft.row, topLeft.col, maxRow, maxCol};
}

int GridCore::ColLeft(int col) const {
    int x = 0;
    if (col < m_nFixedCols) {
        for (int i = 0; i < col; ++i) x += GetColumnWidth(i);
        return x;
    }
    x = GetFixedColumnWidth();
    for (int i = GetTopleftNonFixedCell().col; i < col; ++i) x += GetColumnWidth(i);
    return x;
}

int GridCore::RowTop(int row) const {
    int y = 0;
    if (row < m_nFixedRows) {
        for (int i = 0; i < row; ++i) y += GetRowHeight(i);
        return y;
    }
    y = GetFixedRowHeight();
    for (int i = GetTopleftNonFixedCell().row; i < row; ++i) y += GetRowHeight(i);
    return y;
}

bool GridCore::GetCellOrigin(int row, int col, Point* origin) const {
    if (!IsValid(row, col)) return false;
    const CCellID topLeft = GetTopleftNonFixedCell();
    if ((col >= m_nFixedCols && col < topLeft.col) || (row >= m_nFixedRows && row < topLeft.row))
        return false;
    if (origin) *origin = Point{ColLeft(col), RowTop(row)};
    return true;
}

bool GridCore::GetCellRect(int row, int col, Rect* rect) const {
    Point origin;
    if (!GetCellOrigin(row, col, &origin)) return false;
    if (rect)
        *rect = Rect{origin.x, origin.y, origin.x + GetColumnWidth(col) - 1,
                     origin.y + GetRowHeight(row) - 1};
    return true;
}

namespace {

// One axis of a hit test: the fixed cells from the edge, then the scrolled ones from the
// first visible; -1 before the edge, in the fixed part when it is not allowed, or past the
// last cell.
template <class Size>
int IndexAt(int pos, bool allowFixed, int fixedSize, int fixedCount, int firstScrolled, int count,
            Size size) {
    if (pos < 0 || (!allowFixed && pos < fixedSize)) return -1;
    const bool inFixed = pos < fixedSize;
    int end = inFixed ? 0 : fixedSize;
    for (int i = inFixed ? 0 : firstScrolled; i < (inFixed ? fixedCount : count); ++i) {
        end += size(i);
        if (end > pos) return i;
    }
    return -1;
}

}  // namespace

CCellID GridCore::GetCellFromPt(Point point, bool allowFixed) const {
    const CCellID topLeft = GetTopleftNonFixedCell();
    CCellID cell;
    cell.col = IndexAt(point.x, allowFixed, GetFixedColumnWidth(), m_nFixedCols, topLeft.col, m_nCols,
                       [this](int col) { return GetColumnWidth(col); });
    cell.row = IndexAt(point.y, allowFixed, GetFixedRowHeight(), m_nFixedRows, topLeft.row, m_nRows,
                       [this](int row) { return GetRowHeight(row); });
    return cell;
}

bool GridCore::IsCellVisible(int row, int col) const {
    if (!HasWindow() || !IsValid(row, col)) return false;
    const CCellID topLeft = GetTopleftNonFixedCell();
    if ((col >= m_nFixedCols && col < topLeft.col) || (row >= m_nFixedRows && row < topLeft.row))
        return false;
    const Rect client = ClientRect();
    return ColLeft(col) < client.right && RowTop(row) < client.bottom;
}

void GridCore::EnsureVisible(int row, int col) {
    const CCellRange visible = GetVisibleNonFixedCellRange();
    for (int n = col - visible.maxCol; n > 0; --n) OnHScroll(ScrollCode::LineDown);
    for (int n = visible.minCol - col; n > 0; --n) OnHScroll(ScrollCode::LineUp);
    for (int n = row - visible.maxRow; n > 0; --n) OnVScroll(ScrollCode::LineDown);
    for (int n = visible.minRow - row; n > 0; --n) OnVScroll(ScrollCode::LineUp);
    Rect rect;
    const Rect client = ClientRect();
    if (GetCellRect(row, col, &rect)) {
        if (rect.right > client.right) OnHScroll(ScrollCode::LineDown);
        if (rect.bottom > client.bottom) OnVScroll(ScrollCode::LineDown);
    }
}

void GridCore::InvalidateCellRect(const CCellID& cell) {
    if (!HasWindow() || !m_bAllowDraw || !IsCellVisible(cell.row, cell.col)) return;
    Rect rect;
    if (!GetCellRect(cell.row, cell.col, &rect)) return;
    InvalidateRect(Rect{rect.left, rect.top, rect.right + 1, rect.bottom + 1});
}

bool GridCore::RedrawCell(int row, int col) {
    // Cells are only ever drawn by a paint, so redrawing one is invalidating it.
    if (!m_bAllowDraw || !IsCellVisible(row, col)) return false;
    Rect rect;
    if (!GetCellRect(row, col, &rect)) return false;
    InvalidateRect(Rect{rect.left, rect.top, rect.right + 1, rect.bottom + 1});
    return true;
}

long GridCore::SendMessageToParent(int row, int col, int code) {
    if (!HasWindow()) return 0;
    return NotifyOwner(row, col, code);
}

// ---- scroll bars -------------------------------------------------------------------

int GridCore::ScrollBar::Limit() const {
    return std::max(0, page > 0 ? max - page + 1 : max);
}

void GridCore::SetScrollPos32(bool vertical, int pos) {
    ScrollBar& bar = vertical ? m_vScroll : m_hScroll;
    bar.pos = std::clamp(pos, 0, bar.Limit());
    ScrollBarsChanged();
}

void GridCore::ResetScrollBars() {
    if (!m_bAllowDraw || !HasWindow()) return;
    const Rect client = ClientRect();
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    const int pageWidth = client.right - fixedWidth;
    const int pageHeight = client.bottom - fixedHeight;
    if (pageWidth <= 0 || pageHeight <= 0) return;
    if (IsValid(GetUnobstructedNonFixedCellRange())) {
        m_hScroll.page = pageWidth;
        m_vScroll.page = pageHeight;
    }
    const int scrollHeight = GetVirtualHeight() - fixedHeight;
    const int scrollWidth = GetVirtualWidth() - fixedWidth;
    m_vScroll.max = scrollHeight > pageHeight ? scrollHeight - 1 : 0;
    m_hScroll.max = scrollWidth > pageWidth ? scrollWidth - 1 : 0;
    m_vScroll.pos = std::clamp(m_vScroll.pos, 0, m_vScroll.Limit());
    m_hScroll.pos = std::clamp(m_hScroll.pos, 0, m_hScroll.Limit());
    ScrollBarsChanged();
}

void GridCore::OnHScroll(ScrollCode code, int trackPos) {
    OnScroll(false, code, trackPos);
}

void GridCore::OnVScroll(ScrollCode code, int trackPos) {
    OnScroll(true, code, trackPos);
}

// One line is the size of the column or row that scrolls out of or into view. The pixels
// that stay visible move by the distance the top-left cell's edge moved.
void GridCore::ScrollLine(bool vertical, bool forward) {
    ScrollBar& bar = vertical ? m_vScroll : m_hScroll;
    const CCellID topLeft = GetTopleftNonFixedCell();
    const int topLeftIndex = vertical ? topLeft.row : topLeft.col;
    const int firstNonFixed = vertical ? m_nFixedRows : m_nFixedCols;
    const auto size = [&](int i) { return vertical ? GetRowHeight(i) : GetColumnWidth(i); };
    if (!forward) {
        if (bar.pos <= 0 || topLeftIndex == firstNonFixed) return;
        SetScrollPos32(vertical, std::max(0, bar.pos - size(topLeftIndex - 1)));
    } else {
        if (bar.pos >= bar.max) return;
        const int old = bar.pos;
        SetScrollPos32(vertical, bar.pos + size(topLeftIndex));
        if (bar.pos == old) return;
    }
    const CCellID newTopLeft = GetTopleftNonFixedCell();
    const int newIndex = vertical ? newTopLeft.row : newTopLeft.col;
    // The sum of the sizes between the old and the new top-left cell.
    int shift = 0;
    for (int i = std::min(topLeftIndex, newIndex); i < std::max(topLeftIndex, newIndex); ++i) shift += size(i);
    if (shift == 0) return;
    if (newIndex > topLeftIndex) shift = -shift;
    const Rect area = ScrolledArea(vertical);
    if (vertical) {
        ScrollContent(0, shift, area);
        InvalidateRect(shift > 0 ? Rect{area.left, area.top, area.right, area.top + shift}
                                 : Rect{area.left, area.bottom + shift, area.right, area.bottom});
    } else {
        ScrollContent(shift, 0, area);
        InvalidateRect(shift > 0 ? Rect{area.left, area.top, area.left + shift, area.bottom}
                                 : Rect{area.right + shift, area.top, area.right, area.bottom});
    }
}

// The headers of the scrolled direction move with the cells: a vertical scroll moves the
// full width below the header rows, a horizontal one the full height right of the header
// columns.
Rect GridCore::ScrolledArea(bool vertical) const {
    const Rect client = ClientRect();
    return vertical ? Rect{0, GetFixedRowHeight(), client.right, client.bottom}
                    : Rect{GetFixedColumnWidth(), 0, client.right, client.bottom};
}

void GridCore::OnScroll(bool vertical, ScrollCode code, int trackPos) {
    // Scrolling ends an edit in progress.
    TakeFocus();
    ScrollBar& bar = vertical ? m_vScroll : m_hScroll;
    const Rect client = ClientRect();
    const Rect scrolled = ScrolledArea(vertical);
    const int page = vertical ? client.bottom - GetFixedRowHeight() : client.right - GetFixedColumnWidth();
    switch (code) {
        case ScrollCode::LineUp: ScrollLine(vertical, false); break;
        case ScrollCode::LineDown: ScrollLine(vertical, true); break;
        case ScrollCode::PageUp:
            SetScrollPos32(vertical, std::max(0, bar.pos - page));
            InvalidateRect(scrolled);
            break;
        case ScrollCode::PageDown:
            SetScrollPos32(vertical, std::min(bar.max, bar.pos + page));
            InvalidateRect(scrolled);
            break;
        case ScrollCode::ThumbPosition:
        case ScrollCode::ThumbTrack: {
            const CCellID before = GetTopleftNonFixedCell();
            SetScrollPos32(vertical, trackPos);
            if (GetTopleftNonFixedCell() != before) InvalidateRect(scrolled);
            break;
        }
        case ScrollCode::Top:
            if (bar.pos > 0) {
                SetScrollPos32(vertical, 0);
                InvalidateAll();
            }
            break;
        case ScrollCode::Bottom:
            if (bar.pos < bar.Limit()) {
                SetScrollPos32(vertical, bar.max);
                InvalidateAll();
            }
            break;
    }
}
