// The grid's focus cell and selection.
#include <algorithm>

#include "controls/grid/GridCore.h"

using grid::MouseMode;

bool GridCore::IsInSelectionMap(int row, int col) const {
    return m_SelectedCellMap.count(CellKey(row, col)) != 0;
}

CCellID GridCore::SetFocusCell(int row, int col) {
    const CCellID cell{row, col};
    if (!IsValid(cell) && cell != CCellID{}) return m_idCurrentCell;
    const CCellID previous = m_idCurrentCell;
    SetFocusCellInternal(cell);
    return previous;
}

void GridCore::SetFocusCellInternal(const CCellID& cell) {
    const CCellID previous = m_idCurrentCell;
    if (cell == previous) return;
    m_idCurrentCell = cell;
    if (IsValid(previous)) {
        SendMessageToParent(previous.row, previous.col, grid::kNotifySelChanging);
        if (CGridCell* old = GetCell(previous.row, previous.col)) old->state &= ~grid::kStateFocused;
        RedrawCell(previous.row, previous.col);
        RedrawHeaders(previous, cell);
    }
    if (IsValid(cell)) {
        GetCell(cell.row, cell.col)->state |= grid::kStateFocused;
        RedrawCell(cell.row, cell.col);
        RedrawHeaders(cell, previous);
        SendMessageToParent(cell.row, cell.col, grid::kNotifySelChanged);
    }
}

// The header cells of `cell`'s column and row show where the focus is; they change when
// the focus moves to another column or row than `other`'s.
void GridCore::RedrawHeaders(const CCellID& cell, const CCellID& other) {
    if (cell.col != other.col)
        for (int row = 0; row < m_nFixedRows; ++row) RedrawCell(row, cell.col);
    if (cell.row != other.row)
        for (int col = 0; col < m_nFixedCols; ++col) RedrawCell(cell.row, col);
}

void GridCore::SetSelectedBit(int row, int col, bool on) {
    CGridCell* cell = GetCell(row, col);
    if (!cell) return;
    if (on) {
        cell->state |= grid::kStateSelected;
        m_SelectedCellMap[CellKey(row, col)] = CCellID{row, col};
    } else {
        cell->state &= ~grid::kStateSelected;
        m_SelectedCellMap.erase(CellKey(row, col));
    }
}

void GridCore::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, bool /*forceRedraw*/) {
    // Drawing on the window at once and invalidating end in the same paint here, so the
    // force flag changes nothing.
    if (!m_bEnableSelection) return;
    const CCellRange range{minRow, minCol, maxRow, maxCol};
    const bool rangeValid = IsValid(range);
    const auto previouslySelected = m_SelectedCellMap;
    for (const auto& [key, cell] : previouslySelected) {
        SetSelectedBit(cell.row, cell.col, false);
        if (!rangeValid || !range.InRange(cell.row, cell.col)) RedrawCell(cell.row, cell.col);
    }
    if (!m_bSingleRowSelection) {
        for (const auto& [key, cell] : m_PrevSelectedCellMap) {
            SetSelectedBit(cell.row, cell.col, true);
            RedrawCell(cell.row, cell.col);
        }
    }
    if (!rangeValid) return;
    for (int row = minRow; row <= maxRow; ++row) {
        for (int col = minCol; col <= maxCol; ++col) {
            if (IsInSelectionMap(row, col)) continue;
            SetSelectedBit(row, col, true);
            if (!previouslySelected.count(CellKey(row, col))) RedrawCell(row, col);
        }
    }
}

void GridCore::SelectAllCells() {
    if (!m_bEnableSelection) return;
    SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1);
}

void GridCore::SelectColumns(const CCellID& cell) {
    if (!m_bEnableSelection || !IsValid(cell) || cell.col < m_nFixedCols) return;
    SetSelectedRange(m_nFixedRows, std::min(m_SelectionStartCell.col, cell.col), m_nRows - 1,
                     std::max(m_SelectionStartCell.col, cell.col));
}

void GridCore::SelectRows(const CCellID& cell) {
    if (!m_bEnableSelection || !IsValid(cell) || cell.row < m_nFixedRows) return;
    if (m_bListMode && m_bSingleRowSelection)
        SetSelectedRange(cell.row, m_nFixedCols, cell.row, m_nCols - 1);
    else
        SetSelectedRange(std::min(m_SelectionStartCell.row, cell.row), m_nFixedCols,
                         std::max(m_SelectionStartCell.row, cell.row), m_nCols - 1);
}

void GridCore::SelectCells(const CCellID& cell) {
    if (!m_bEnableSelection || !IsValid(cell) || cell.row < m_nFixedRows || cell.col < m_nFixedCols)
        return;
    SetSelectedRange(std::min(m_SelectionStartCell.row, cell.row),
                     std::min(m_SelectionStartCell.col, cell.col),
                     std::max(m_SelectionStartCell.row, cell.row),
                     std::max(m_SelectionStartCell.col, cell.col));
}

void GridCore::OnSelecting(const CCellID& cell) {
    if (!m_bEnableSelection) return;
    switch (m_MouseMode) {
        case MouseMode::SelectAll: SelectAllCells(); break;
        case MouseMode::SelectColumns: SelectColumns(cell); break;
        case MouseMode::SelectRows: SelectRows(cell); break;
        case MouseMode::SelectCells: SelectCells(cell); break;
        default: break;
    }
}

void GridCore::ResetSelection() {
    // Cells kept from an earlier Ctrl selection would otherwise come back selected.
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1);
    SetFocusCell(-1, -1);
}

CCellRange GridCore::GetSelectedCellRange() const {
    CCellRange range{m_nRows, m_nCols, -1, -1};
    for (const auto& [key, cell] : m_SelectedCellMap) {
        range.minRow = std::min(range.minRow, cell.row);
        range.minCol = std::min(range.minCol, cell.col);
        range.maxRow = std::max(range.maxRow, cell.row);
        range.maxCol = std::max(range.maxCol, cell.col);
    }
    return range;
}
