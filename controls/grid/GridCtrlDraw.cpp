// Painting the grid: the background, the fixed and the normal cells of the visible part,
// the grid lines, and the tracking line of a row or column being resized.
#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridFontSpec.h"

namespace {

ui::ColourRef Colour(grid::Colour c) {
    return ui::ColourRef(c);
}

constexpr ui::ColourRef kBlack{0x000000};

}  // namespace

void CGridCtrl::onPaint(ui::DrawContext& dc) {
    m_paintFont.reset();
    ui::DcState keep(dc);
    OnDraw(dc);
    m_paintFont.reset();
    // The square between the two scroll bars belongs to neither the bars nor the cells.
    if (!m_pHorz->isHidden() && !m_pVert->isHidden())
        dc.fillRect({m_pVert->x(), m_pHorz->y(), width(), height()}, ui::sysColour(ui::SysColour::ButtonFace));
}

void CGridCtrl::OnDraw(ui::DrawContext& dc) {
    const ui::Rect clip = dc.clipBox();
    if (clip.isEmpty()) return;
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    grid::Rect reached;
    const CCellRange visible = GetVisibleNonFixedCellRange(&reached);
    const ui::Rect cells{0, 0, reached.right, reached.bottom};

    // Background: the fixed strips, the cells, and the grid background beyond them.
    dc.fillRect({clip.left, clip.top, fixedWidth, cells.bottom}, Colour(GetFixedBkColor()));
    dc.fillRect({fixedWidth - 1, clip.top, cells.right, fixedHeight}, Colour(GetFixedBkColor()));
    dc.fillRect(clip.intersected({fixedWidth, fixedHeight, cells.right, cells.bottom}),
                Colour(GetTextBkColor()));
    dc.fillRect({cells.right, clip.top, clip.right, clip.bottom}, Colour(GetBkColor()));
    dc.fillRect({clip.left, cells.bottom, cells.right, clip.bottom}, Colour(GetBkColor()));

    const int rows = GetRowCount();
    const int cols = GetColumnCount();
    const int fixedRows = GetFixedRowCount();
    const int fixedCols = GetFixedColumnCount();

    // The fixed corner.
    int top = 0;
    for (int row = 0; row < fixedRows; ++row) {
        int left = 0;
        for (int col = 0; col < fixedCols; ++col) {
            const grid::Rect rect{left, top, left + GetColumnWidth(col) - 1, top + GetRowHeight(row) - 1};
            DrawFixedCell(dc, row, col, rect, false);
            left = rect.right + 1;
        }
        top += GetRowHeight(row);
    }

    // Walks the visible non-fixed rows (or columns) from the fixed size on: skips those that
    // end before the clip box and stops at the first that starts beyond it.
    const auto walk = [](int start, int first, int last, int clipLow, int clipHigh, auto sizeOf, auto body) {
        int edge = start;
        for (int i = first; i <= last; ++i) {
            const int low = edge;
            const int high = edge + sizeOf(i) - 1;
            edge = high + 1;
            if (low > clipHigh) break;
            if (high < clipLow) continue;
            body(i, low, high);
        }
    };
    const auto rowHeight = [this](int row) { return GetRowHeight(row); };
    const auto colWidth = [this](int col) { return GetColumnWidth(col); };

    if (rows > fixedRows && cols > 0) {
        // The fixed columns of the visible rows.
        walk(fixedHeight, visible.minRow, visible.maxRow, clip.top, clip.bottom, rowHeight,
             [&](int row, int y0, int y1) {
                 int left = 0;
                 for (int col = 0; col < fixedCols; ++col) {
                     const grid::Rect rect{left, y0, left + GetColumnWidth(col) - 1, y1};
                     DrawFixedCell(dc, row, col, rect, false);
                     left = rect.right + 1;
                 }
             });
    }
    if (cols > fixedCols && rows > 0) {
        // The fixed rows of the visible columns.
        walk(fixedWidth, visible.minCol, visible.maxCol, clip.left, clip.right, colWidth,
             [&](int col, int x0, int x1) {
                 int y = 0;
                 for (int row = 0; row < fixedRows; ++row) {
                     const grid::Rect rect{x0, y, x1, y + GetRowHeight(row) - 1};
                     DrawFixedCell(dc, row, col, rect, false);
                     y = rect.bottom + 1;
                 }
             });
    }
    if (rows > fixedRows && cols > fixedCols) {
        walk(fixedHeight, visible.minRow, visible.maxRow, clip.top, clip.bottom, rowHeight,
             [&](int row, int y0, int y1) {
                 walk(fixedWidth, visible.minCol, visible.maxCol, clip.left, clip.right, colWidth,
                      [&](int col, int x0, int x1) { DrawCell(dc, row, col, {x0, y0, x1, y1}, false); });
             });
        DrawGridLines(dc, visible, reached);
    }

    if (const auto& line = GetTrackingLine()) {
        const grid::Rect client = ClientRect();
        dc.invertRect(line->vertical ? ui::Rect{line->pos - 1, client.top, line->pos + 1, client.bottom}
                                     : ui::Rect{client.left, line->pos - 1, client.right, line->pos + 1});
    }
}

void CGridCtrl::DrawGridLines(ui::DrawContext& dc, const CCellRange& visible, const grid::Rect& reached) {
    const int mode = GetGridLines();
    if (mode == grid::kLinesNone) return;
    // A line of the 1-pixel pen is the column of pixels it covers; the 2-pixel pen adds the
    // pixel column after it.
    const ui::ColourRef colour = Colour(GetGridColor());
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    if (mode == grid::kLinesVertical || mode == grid::kLinesBoth) {
        int x = fixedWidth;
        for (int col = visible.minCol; col <= visible.maxCol; ++col) {
            x += GetColumnWidth(col);
            const int thickness = GetColumnData(col) == 1 ? 2 : 1;
            dc.fillRect({x - 1, fixedHeight, x - 1 + thickness, reached.bottom}, colour);
        }
    }
    if (mode == grid::kLinesHorizontal || mode == grid::kLinesBoth) {
        int y = fixedHeight;
        for (int row = visible.minRow; row <= visible.maxRow; ++row) {
            y += GetRowHeight(row);
            const int thickness = GetRowData(row) == 1 ? 2 : 1;
            dc.fillRect({fixedWidth, y - 1, reached.right, y - 1 + thickness}, colour);
        }
    }
}

bool CGridCtrl::DrawFixedCell(ui::DrawContext& dc, int row, int col, grid::Rect rect, bool /*erase*/) {
    if (!IsRedrawAllowed()) return false;
    const CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    const grid::Colour background =
        cell->crBkClr == grid::kDefaultColour ? GetFixedBkColor() : cell->crBkClr;
    dc.fillRect({rect.left, rect.top, rect.right, rect.bottom}, Colour(background));
    dc.setTextColour(Colour(cell->crFgClr == grid::kDefaultColour ? GetFixedTextColor() : cell->crFgClr));

    const CCellID focus = GetFocusCell();
    const bool focusHere = IsValid(focus) && (focus.row == row || focus.col == col);
    grid::Font font = cell->lfFont;
    if (focusHere) font.weight = 600;
    SelectCellFont(dc, font);

    if (focusHere) {
        dc.drawEdge({rect.left, rect.top, rect.right + 1, rect.bottom + 1}, ui::edge::SunkenInner);
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    } else {
        // Lines left and top in the 3-D highlight, right and bottom in the dark shadow.
        const ui::ColourRef light = ui::sysColour(ui::SysColour::ButtonHighlight);
        const ui::ColourRef dark = ui::sysColour(ui::SysColour::DarkShadow3D);
        dc.fillRect({rect.left, rect.top + 1, rect.left + 1, rect.bottom + 1}, light);
        dc.fillRect({rect.left, rect.top, rect.right, rect.top + 1}, light);
        dc.fillRect({rect.right, rect.top, rect.right + 1, rect.bottom + 1}, dark);
        dc.fillRect({rect.left, rect.bottom, rect.right, rect.bottom + 1}, dark);
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
    DrawCellText(dc, row, col, {rect.left, rect.top, rect.right, rect.bottom});
    return true;
}

bool CGridCtrl::DrawCell(ui::DrawContext& dc, int row, int col, grid::Rect rect, bool /*erase*/) {
    if (!IsRedrawAllowed()) return false;
    const CGridCell* cell = GetCell(row, col);
    if (!cell) return false;
    const grid::Colour background = cell->crBkClr == grid::kDefaultColour ? GetTextBkColor() : cell->crBkClr;
    const grid::Colour text = cell->crFgClr == grid::kDefaultColour ? GetTextColor() : cell->crFgClr;
    const ui::Rect grown{rect.left, rect.top, rect.right + 1, rect.bottom + 1};
    if (cell->state & grid::kStateFocused) {
        dc.fillRect(grown, Colour(background));
        dc.frameRect({rect.left, rect.top, rect.right, rect.bottom}, kBlack);
        dc.setTextColour(Colour(text));
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    } else if (cell->state & grid::kStateSelected) {
        dc.fillRect(grown, ui::sysColour(ui::SysColour::Highlight));
        dc.setTextColour(ui::sysColour(ui::SysColour::HighlightText));
    } else {
        dc.fillRect(grown, Colour(background));
        dc.setTextColour(Colour(text));
    }
    if (cell->state & grid::kStateMarked) dc.frameRect({rect.left, rect.top, rect.right, rect.bottom}, kBlack);
    SelectCellFont(dc, cell->lfFont);
    DrawCellText(dc, row, col, {rect.left, rect.top, rect.right, rect.bottom});
    return true;
}

// Cells mostly share one font: it is only made anew where it changes.
void CGridCtrl::SelectCellFont(ui::DrawContext& dc, const grid::Font& font) {
    if (m_paintFont && *m_paintFont == font) return;
    m_paintFont = font;
    dc.selectFont(grid::ToFontSpec(font));
}

// The tail both kinds of cells share: inside the margins, the image, then the text.
void CGridCtrl::DrawCellText(ui::DrawContext& dc, int row, int col, ui::Rect rect) {
    const CGridCell* cell = GetCell(row, col);
    dc.setBackMode(ui::BkMode::Transparent);
    rect.left += GetMargin();
    rect.right -= GetMargin();
    if (m_pImageList && cell->iImage >= 0 && cell->iImage < static_cast<int>(m_pImageList->size())) {
        const QImage& image = (*m_pImageList)[cell->iImage];
        dc.blit({rect.left, rect.top}, image, {0, 0, image.width(), image.height()});
        rect.left += image.width() + GetMargin();
    }
    const CVRMString text = GetItemText(row, col);
    if (!text.empty()) dc.drawText(text, rect, cell->nFormat);
}
