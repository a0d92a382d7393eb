// The grid's data: counts, cells, sizes, the modified flag and sorting.
#include "controls/grid/GridCore.h"

#include <algorithm>

using grid::Colour;

GridCore::~GridCore() = default;

void GridCore::InitCounts(int rows, int cols, int fixedRows, int fixedCols) {
    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

void GridCore::InitColours(Colour windowText, Colour window, Colour face, Colour shadow) {
    m_crWindowText = windowText;
    m_crWindow = window;
    m_crFace = face;
    m_crShadow = shadow;
    m_crTextColour = windowText;
    m_crTextBkColour = window;
    m_crBkColour = shadow;
    m_crFixedTextColour = windowText;
    m_crFixedBkColour = face;
}

void GridCore::OnSysColourChange(Colour windowText, Colour window, Colour face, Colour shadow) {
    if (m_crTextColour == m_crWindowText) m_crTextColour = windowText;
    if (m_crTextBkColour == m_crWindow) m_crTextBkColour = window;
    if (m_crBkColour == m_crShadow) m_crBkColour = shadow;
    if (m_crFixedTextColour == m_crWindowText) m_crFixedTextColour = windowText;
    if (m_crFixedBkColour == m_crFace) m_crFixedBkColour = face;
    m_crWindowText = windowText;
    m_crWindow = window;
    m_crFace = face;
    m_crShadow = shadow;
}

std::unique_ptr<CGridCell> GridCore::CreateCell(int row, int col) {
    auto cell = std::make_unique<CGridCell>();
    if (row > 0 && IsValid(row - 1, col) && GetCell(row - 1, col))
        cell->nFormat = GetCell(row - 1, col)->nFormat;
    cell->crBkClr = m_crNewCellBkColour;
    cell->lfFont = m_Logfont;
    return cell;
}

// ---- counts ------------------------------------------------------------------------

bool GridCore::SetRowCount(int rows) {
    rows = std::max(rows, 0);
    if (rows == m_nRows) return true;
    if (rows < m_nFixedRows) m_nFixedRows = rows;
    if (m_idCurrentCell.row >= rows) SetFocusCell(-1, -1);
    const int oldRows = m_nRows;
    for (int row = rows; row < oldRows; ++row) {
        for (int col = 0; col < m_nCols; ++col) {
            DestroyCell(row, col);
            m_SelectedCellMap.erase(CellKey(row, col));
            m_PrevSelectedCellMap.erase(CellKey(row, col));
        }
    }
    m_RowData.resize(rows);
    m_arRowHeights.resize(rows, m_nDefRowHeight);
    m_arRowLines.resize(rows, 0);
    m_nRows = rows;
    for (int row = oldRows; row < rows; ++row) {
        Row& cells = m_RowData[row];
        cells.resize(m_nCols);
        for (int col = 0; col < m_nCols; ++col) cells[col] = CreateCell(row, col);
    }
    if (HasWindow() && m_bAllowDraw) {
        ResetScrollBars();
        InvalidateAll();
    }
    return true;
}

bool GridCore::SetColumnCount(int cols) {
    cols = std::max(cols, 0);
    if (cols == m_nCols) return true;
    if (cols < m_nFixedCols) m_nFixedCols = cols;
    if (m_idCurrentCell.col >= cols) SetFocusCell(-1, -1);
    const int oldCols = m_nCols;
    for (int row = 0; row < m_nRows; ++row) {
        for (int col = cols; col < oldCols; ++col) {
            DestroyCell(row, col);
            m_SelectedCellMap.erase(CellKey(row, col));
            m_PrevSelectedCellMap.erase(CellKey(row, col));
        }
    }
    m_arColWidths.resize(cols, m_nDefColWidth);
    m_arColLines.resize(cols, 0);
    m_nCols = cols;
    for (int row = 0; row < m_nRows; ++row) {
        Row& cells = m_RowData[row];
        cells.resize(cols);
        for (int col = oldCols; col < cols; ++col) cells[col] = CreateCell(row, col);
    }
    if (HasWindow() && m_bAllowDraw) {
        ResetScrollBars();
        InvalidateAll();
    }
    return true;
}

bool GridCore::SetFixedRowCount(int fixedRows) {
    fixedRows = std::max(fixedRows, 0);
    if (fixedRows > m_nRows && !SetRowCount(fixedRows)) return false;
    if (m_idCurrentCell.row >= 0 && m_idCurrentCell.row < fixedRows) SetFocusCell(-1, -1);
    m_nFixedRows = fixedRows;
    if (HasWindow() && m_bAllowDraw) InvalidateAll();
    return true;
}

bool GridCore::SetFixedColumnCount(int fixedCols) {
    fixedCols = std::max(fixedCols, 0);
    if (fixedCols > m_nCols && !SetColumnCount(fixedCols)) return false;
    if (m_idCurrentCell.col >= 0 && m_idCurrentCell.col < fixedCols) SetFocusCell(-1, -1);
    m_nFixedCols = fixedCols;
    if (HasWindow() && m_bAllowDraw) InvalidateAll();
    return true;
}

bool GridCore::DeleteAllItems() {
    ResetSelection();
    m_arColWidths.clear();
    m_arRowHeights.clear();
    m_arColLines.clear();
    m_arRowLines.clear();
    for (int row = 0; row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col) DestroyCell(row, col);
    m_RowData.clear();
    m_idCurrentCell = {};
    m_nRows = m_nFixedRows = m_nCols = m_nFixedCols = 0;
    ResetScrollBars();
    return true;
}

// ---- cells -------------------------------------------------------------------------

bool GridCore::IsValid(int row, int col) const {
    return row >= 0 && row < m_nRows && col >= 0 && col < m_nCols;
}

bool GridCore::IsValid(const CCellRange& r) const {
    return r.minRow >= 0 && r.minCol >= 0 && r.maxRow >= 0 && r.maxCol >= 0 && r.maxRow < m_nRows &&
           r.maxCol < m_nCols && r.minRow <= r.maxRow && r.minCol <= r.maxCol;
}

CGridCell* GridCore::GetCell(int row, int col) const {
    if (!IsValid(row, col)) return nullptr;
    return m_RowData[row][col].get();
}

bool GridCore::SetItemText(int row, int col, std::u16string_view text) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    cell->szText = text;
    return true;
}

CVRMString GridCore::GetItemText(int row, int col) const {
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->szText : CVRMString();
}

bool GridCore::SetItemData(int row, int col, uint32_t data) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    cell->lParam = data;
    return true;
}

uint32_t GridCore::GetItemData(int row, int col) const {
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->lParam : 0;
}

bool GridCore::SetItemImage(int row, int col, int image) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    cell->iImage = image;
    return true;
}

int GridCore::GetItemImage(int row, int col) const {
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->iImage : -1;
}

bool GridCore::SetItemFormat(int row, int col, unsigned format) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    cell->nFormat = format;
    return true;
}

unsigned GridCore::GetItemFormat(int row, int col) const {
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->nFormat : 0;
}

bool GridCore::SetItemBkColour(int row, int col, Colour colour) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    cell->crBkClr = colour;
    return true;
}

bool GridCore::SetItemFgColour(int row, int col, Colour colour) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    cell->crFgClr = colour;
    return true;
}

Colour GridCore::GetItemBkColour(int row, int col) const {
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->crBkClr : grid::kDefaultColour;
}

Colour GridCore::GetItemFgColour(int row, int col) const {
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->crFgClr : grid::kDefaultColour;
}

bool GridCore::SetItemFont(int row, int col, const grid::Font& font) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    cell->lfFont = font;
    return true;
}

const grid::Font& GridCore::GetItemFont(int row, int col) const {
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->lfFont : m_Logfont;
}

bool GridCore::SetItemState(int row, int col, unsigned state) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    const bool was = cell->state & grid::kStateSelected;
    const bool now = state & grid::kStateSelected;
    if (was && !now) m_SelectedCellMap.erase(CellKey(row, col));
    if (!was && now) m_SelectedCellMap[CellKey(row, col)] = CCellID{row, col};
    cell->state = state;
    return true;
}

unsigned GridCore::GetItemState(int row, int col) const {
    const CGridCell* cell = GetCell(row, col);
    return cell ? cell->state : 0;
}

bool GridCore::AddItemState(int row, int col, unsigned bits) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    cell->state |= bits;
    return true;
}

bool GridCore::GetItem(GV_ITEM* item) const {
    if (!item) return false;
    const CGridCell* cell = GetCell(item->row, item->col);
    if (!cell) return false;
    if (item->mask & grid::kMaskText) item->szText = GetItemText(item->row, item->col);
    if (item->mask & grid::kMaskData) item->lParam = cell->lParam;
    if (item->mask & grid::kMaskImage) item->iImage = cell->iImage;
    if (item->mask & grid::kMaskState) item->state = cell->state;
    if (item->mask & grid::kMaskFormat) item->nFormat = cell->nFormat;
    if (item->mask & grid::kMaskBkColour) item->crBkClr = cell->crBkClr;
    if (item->mask & grid::kMaskFgColour) item->crFgClr = cell->crFgClr;
    if (item->mask & grid::kMaskFont) item->lfFont = cell->lfFont;
    return true;
}

void GridCore::SetAllItemsBkColour(Colour colour) {
    for (int row = 0; row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col) SetItemBkColour(row, col, colour);
}

void GridCore::SetModified(bool modified, int row, int col) {
    if (row < 1 || col < 1) {
        m_bModified = modified;
    } else if (CGridCell* cell = GetCell(row, col)) {
        if (modified) {
            cell->state |= grid::kStateModified;
            m_bModified = true;
        } else {
            cell->state &= ~grid::kStateModified;
        }
    }
    if (!m_bModified)
        for (Row& cells : m_RowData)
            for (auto& cell : cells) cell->state &= ~grid::kStateModified;
}

bool GridCore::IsCellEditable(int row, int col) const {
    return m_bEditable && !(GetItemState(row, col) & grid::kStateReadOnly);
}

// ---- sizes -------------------------------------------------------------------------

int GridCore::GetRowHeight(int row) const {
    return row >= 0 && row < m_nRows ? m_arRowHeights[row] : -1;
}

int GridCore::GetColumnWidth(int col) const {
    return col >= 0 && col < m_nCols ? m_arColWidths[col] : -1;
}

bool GridCore::SetRowHeight(int row, int height) {
    if (row < 0 || row >= m_nRows || height < 0) return false;
    m_arRowHeights[row] = height;
    return true;
}

bool GridCore::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= m_nCols || width < 0) return false;
    m_arColWidths[col] = width;
    return true;
}

void GridCore::SetRowData(int row, unsigned lineFlag) {
    if (row >= 0 && row < m_nRows) m_arRowLines[row] = lineFlag;
}

void GridCore::SetColumnData(int col, unsigned lineFlag) {
    if (col >= 0 && col < m_nCols) m_arColLines[col] = lineFlag;
}

unsigned GridCore::GetRowData(int row) const {
    return row >= 0 && row < m_nRows ? m_arRowLines[row] : 0;
}

unsigned GridCore::GetColumnData(int col) const {
    return col >= 0 && col < m_nCols ? m_arColLines[col] : 0;
}

int GridCore::GetFixedRowHeight() const {
    int height = 0;
    for (int row = 0; row < m_nFixedRows; ++row) height += m_arRowHeights[row];
    return height;
}

int GridCore::GetFixedColumnWidth() const {
    int width = 0;
    for (int col = 0; col < m_nFixedCols; ++col) width += m_arColWidths[col];
    return width;
}

int GridCore::GetVirtualHeight() const {
    int height = 0;
    for (int h : m_arRowHeights) height += h;
    return height;
}

int GridCore::GetVirtualWidth() const {
    int width = 0;
    for (int w : m_arColWidths) width += w;
    return width;
}

bool GridCore::AutoSizeColumn(int col) {
    if (col < 0 || col >= m_nCols || !HasWindow()) return false;
    int width = 0;
    for (int row = 0; row < m_nRows; ++row) width = std::max(width, GetCellExtent(row, col).cx);
    m_arColWidths[col] = width;
    ResetScrollBars();
    return true;
}

bool GridCore::AutoSizeRow(int row) {
    if (row < 0 || row >= m_nRows || !HasWindow()) return false;
    int height = 0;
    for (int col = 0; col < m_nCols; ++col) height = std::max(height, GetCellExtent(row, col).cy);
    m_arRowHeights[row] = height;
    ResetScrollBars();
    return true;
}

namespace {

// Shares the difference between the client size and the total size out over all sizes:
// each gets the truncated share, the first ones one pixel of the remainder. A size never
// drops below zero, however small the window.
void SpreadDifference(std::vector<int>& sizes, int difference) {
    const int count = static_cast<int>(sizes.size());
    const int share = difference / count;
    const int remainder = difference < 1 ? (-difference) % count : difference % count;
    const int extra = difference < 1 ? -1 : 1;
    for (int i = 0; i < count; ++i) {
        sizes[i] += share + (i < remainder ? extra : 0);
        sizes[i] = std::max(sizes[i], 0);
    }
}

}  // namespace

void GridCore::ExpandColumnsToFit() {
    if (m_nCols <= 0) return;
    SpreadDifference(m_arColWidths, ClientRect().Width() - GetVirtualWidth());
    if (m_bAllowDraw) InvalidateAll();
}

void GridCore::ExpandRowsToFit() {
    if (m_nRows <= 0) return;
    SpreadDifference(m_arRowHeights, ClientRect().Height() - GetVirtualHeight());
    if (m_bAllowDraw) InvalidateAll();
}

void GridCore::ExpandToFit() {
    ExpandColumnsToFit();
    ExpandRowsToFit();
    ExpandColumnsToFit();
}

void GridCore::ResetSizesToDefaults() {
    std::fill(m_arRowHeights.begin(), m_arRowHeights.end(), m_nDefRowHeight);
    std::fill(m_arColWidths.begin(), m_arColWidths.end(), m_nDefColWidth);
    std::fill(m_arRowLines.begin(), m_arRowLines.end(), 0u);
    std::fill(m_arColLines.begin(), m_arColLines.end(), 0u);
}

void GridCore::SetRedraw(bool allow, bool resetScrollBars) {
    if (allow && !m_bAllowDraw) InvalidateAll();
    m_bAllowDraw = allow;
    if (resetScrollBars) ResetScrollBars();
}

void GridCore::ApplyFont(const grid::Font& font, int spaceWidth, int height, int externalLeading,
                         int aveCharWidth) {
    m_Logfont = font;
    for (int row = 0; row < m_nRows; ++row)
        for (int col = 0; col < m_nCols; ++col) SetItemFont(row, col, font);
    m_nMargin = spaceWidth;
    m_nDefRowHeight = height + externalLeading + 2 * m_nMargin;
    m_nDefColWidth = 2 * m_nMargin + 12 * aveCharWidth;
    if (HasWindow()) InvalidateAll();
}

// ---- sorting -----------------------------------------------------------------------

bool GridCore::SortTextItems(int col, bool ascending) {
    ResetSelection();
    return SortTextItems(col, ascending, m_nFixedRows, -1);
}

void GridCore::SwapRows(int a, int b) {
    std::swap(m_RowData[a], m_RowData[b]);
    std::swap(m_arRowHeights[a], m_arRowHeights[b]);
}

bool GridCore::SortTextItems(int col, bool ascending, int low, int high) {
    if (col < 0 || col >= m_nCols) return false;
    if (high == -1) high = m_nRows - 1;
    if (low < 0 || high >= m_nRows || high <= low) return false;
    int lo = low;
    int hi = high;
    const CVRMString pivot = GetItemText((low + high) / 2, col);
    // Ordinal comparison of the UTF-16 code units, case-sensitive.
    const auto before = [&](int row) {
        const CVRMString text = GetItemText(row, col);
        return ascending ? text < pivot : text > pivot;
    };
    const auto after = [&](int row) {
        const CVRMString text = GetItemText(row, col);
        return ascending ? text > pivot : text < pivot;
    };
    while (lo <= hi) {
        while (lo < high && before(lo)) ++lo;
        while (hi > low && after(hi)) --hi;
        if (lo <= hi) {
            if (GetItemText(lo, col) != GetItemText(hi, col)) SwapRows(lo, hi);
            ++lo;
            --hi;
        }
    }
    if (low < hi) SortTextItems(col, ascending, low, hi);
    if (lo < high) SortTextItems(col, ascending, lo, high);
    return true;
}
