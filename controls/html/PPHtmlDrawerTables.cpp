// Tables: the pre-scan that sizes the cell grid, table and cell attributes, the column and
// row sizes of the layout pass and the cell rectangles of the paint pass.
#include <algorithm>

#include "controls/html/HtmlMath.h"
#include "controls/html/HtmlScan.h"
#include "controls/html/PPHtmlDrawer.h"

using html::Extent;

namespace {

constexpr auto npos = std::u16string_view::npos;
// Bounds on what markup can ask for: columns (also the largest span) and nesting depth.
// A grid is columns x rows cells and rows are bounded by the text, so memory stays in
// proportion to the text.
constexpr int kMaxColumns = 64;
constexpr int kMaxTableDepth = 16;

// The end of the element opened at `open`, or `limit` when it has none or runs past it.
std::size_t endWithin(std::u16string_view text, std::size_t open, std::u16string_view name,
                      std::size_t limit) {
    const std::size_t end = html::findElementEnd(text, open, name);
    return end == npos || end > limit ? limit : end;
}

// The attribute text of the tag that opens at pos (pos moves past it).
std::u16string openingAttributes(std::u16string_view text, std::size_t& pos) {
    const std::u16string body = html::tagBody(text, pos);
    return html::splitTag(body).second;
}

long long sumOf(const std::vector<int>& v, int from, int count) {
    long long sum = 0;
    for (int i = from; i < from + count && i < static_cast<int>(v.size()); ++i) sum += v[i];
    return sum;
}

}  // namespace

std::pair<int, int> CPPHtmlDrawer::ScanTable(std::u16string_view text) const {
    int columns = 0, rows = 0;
    std::size_t pos = 0;
    while (html::findTag(text, pos, u"tr")) {
        ++rows;
        int cells = 0;
        const std::size_t rowEnd = endWithin(text, pos, u"tr", text.size());
        std::size_t p = html::skipPastTagEnd(text, pos);
        while (true) {
            std::size_t cell = p;
            if (!html::findTag(text, cell, u"td") || cell >= rowEnd) break;
            std::size_t afterTag = cell;
            const std::u16string attributes = openingAttributes(text, afterTag);
            HtmlStyle scratch;
            cells = std::min(cells + ParseCellAttributes(attributes, scratch, false).first, kMaxColumns);
            const std::size_t cellEnd = endWithin(text, cell, u"td", rowEnd);
            p = cellEnd < rowEnd ? cellEnd + 1 : rowEnd;
        }
        columns = std::max(columns, cells);
        pos = rowEnd < text.size() ? rowEnd + 1 : text.size();
    }
    return {columns, rows};
}

std::pair<int, int> CPPHtmlDrawer::ParseCellAttributes(std::u16string_view attributes,
                                                       HtmlStyle& s, bool isTable) const {
    int colspan = 1, rowspan = 1;
    if (attributes.empty()) return {colspan, rowspan};
    auto colourOf = [&](const std::u16string& value, html::Colour current) {
        return m_enabled ? ParseColour(value, current) : m_disabledColour;
    };
    std::size_t pos = 0;
    std::u16string name, value;
    while (html::nextAttribute(attributes, pos, name, value)) {
        if (isTable && name == u"cellpadding") {
            s.margin = ParseLength(value, s.margin, false);
        } else if (isTable && name == u"cellspacing") {
            s.padding = ParseLength(value, s.padding, false);
        } else if (isTable && name == u"background") {
            s.bkImage = value;
        } else if (name == u"rowspan") {
            rowspan = ParseLength(value, 1, false);
        } else if (name == u"colspan") {
            colspan = ParseLength(value, 1, false);
        } else if (name == u"border") {
            s.borderWidth = ParseLength(value, s.borderWidth, false);
            if (s.borderWidth == 0)
                s.borderStyle = 0;
            else if (s.borderStyle == 0)
                s.borderStyle = 1;
        } else if (name == u"borderstyle") {
            s.borderStyle = ParseBorderStyle(value, s.borderStyle);
            if (s.borderStyle != 0 && s.borderWidth == 0) s.borderWidth = 1;
        } else if (name == u"bordercolor") {
            s.borderLight = s.borderDark = colourOf(value, s.borderLight);
        } else if (name == u"bordercolorlight") {
            s.borderLight = colourOf(value, s.borderLight);
        } else if (name == u"bordercolordark") {
            s.borderDark = colourOf(value, s.borderDark);
        } else if (name == u"bgcolor") {
            if (m_enabled) {
                s.bkColour = ParseColour(value, s.bkColour);
                if (s.bkEffect < 0) s.bkEffect = 0;
            }
        } else if (name == u"bgmidcolor") {
            if (m_enabled) s.bkMidColour = ParseColour(value, s.bkMidColour);
        } else if (name == u"bgendcolor") {
            if (m_enabled) s.bkEndColour = ParseColour(value, s.bkEndColour);
        } else if (name == u"bgeffect") {
            if (m_enabled) s.bkEffect = ParseBkEffect(value, s.bkEffect);
        } else if (name == u"align") {
            s.hAlign = ParseHAlign(value, s.hAlign);
        } else if (name == u"valign") {
            s.vAlign = ParseVAlign(value, s.vAlign);
        } else if (name == u"width") {
            s.width = ParseLength(value, s.width, false);
        } else if (name == u"height") {
            s.height = ParseLength(value, s.height, false);
        }
    }
    if (s.borderStyle == 0 || s.borderWidth == 0) s.borderStyle = s.borderWidth = 0;
    if (s.borderStyle != 0 && s.borderStyle != 1) s.borderWidth = 1;
    if (!isTable && s.borderWidth != 0) s.borderWidth = 1;
    return {std::clamp(colspan, 1, kMaxColumns), std::max(rowspan, 1)};
}

// Restores the style saved at stack depth `depth` (the level before a table, row or cell
// began), whatever tags its content left open.
void CPPHtmlDrawer::PopTo(std::size_t depth) {
    if (m_stack.size() > depth) {
        m_style = std::move(m_stack[depth]);
        m_stack.resize(depth);
    }
    m_style.tag.clear();
    SelectStyle();
}

Extent CPPHtmlDrawer::RenderTable(std::u16string_view text, const html::Box& rect) {
    if (m_tableDepth >= kMaxTableDepth) return {};
    ++m_tableDepth;
    std::size_t pos = 0;
    const std::u16string attributes = openingAttributes(text, pos);
    const std::u16string_view inner = text.substr(std::min(pos, text.size()));

    const std::size_t depth = m_stack.size();
    m_style.tag = u"table";
    PushPopStyle(false);
    ApplyTagStyle(u"table", m_style);
    m_style.width = m_style.height = 0;
    ParseCellAttributes(attributes, m_style, true);
    SelectStyle();

    const auto index = static_cast<std::size_t>(++m_tableCounter);
    if (layoutPass()) {
        TableLayout& t = m_tables.emplace_back();
        const auto [columns, rows] = ScanTable(inner);
        t.columns = columns;
        t.rows = rows;
        t.grid.assign(rows, std::vector<Cell>(columns));
        t.columnWidths.assign(columns, 0);
        t.rowHeights.assign(rows, 0);
        t.fixedColumns.assign(columns, false);
    }
    Extent size;
    if (index < m_tables.size()) {
        TableLayout& t = m_tables[index];
        const HtmlStyle tableStyle = m_style;
        if (layoutPass()) {
            RenderTableRows(inner, index, nullptr);
            SizeTableColumns(t);
            size = TableSize(t, tableStyle);
        } else {
            TablePaint where;
            where.columnWidths = t.columnWidths;
            where.spacing = tableStyle.padding;
            size = TableSize(t, tableStyle);
            // Free width goes to the columns that are not fixed, in column order.
            int free = rect.width() - size.cx;
            int shares = static_cast<int>(std::count(t.fixedColumns.begin(), t.fixedColumns.end(), false));
            for (int c = 0; c < t.columns && free > 0 && shares > 0; ++c) {
                if (t.fixedColumns[c]) continue;
                const int add = free / shares--;
                where.columnWidths[c] += add;
                size.cx += add;
                free -= add;
            }
            int left = rect.left;
            if (free > 0 && tableStyle.hAlign == 1) left += free / 2;
            if (free > 0 && tableStyle.hAlign == 2) left = rect.right - size.cx;
            const html::Box box{left, rect.top, left + size.cx, rect.top + size.cy};
            if (tableStyle.bkEffect >= 0)
                m_dc->fillEffect(tableStyle.bkEffect, box, tableStyle.bkColour,
                                 tableStyle.bkMidColour, tableStyle.bkEndColour, 5);
            else if (!tableStyle.bkImage.empty())
                DrawBackgroundImage(*m_dc, box, tableStyle.bkImage);
            if (tableStyle.borderWidth > 0) {
                const html::Colour light = m_enabled ? tableStyle.borderLight : m_disabledColour;
                const html::Colour dark = m_enabled ? tableStyle.borderDark : m_disabledColour;
                m_dc->drawBorder(box, light, dark, tableStyle.borderStyle, tableStyle.borderWidth);
            }
            const int inset = BorderInset(tableStyle);
            where.contentLeft = box.left + inset;
            where.contentTop = box.top + inset;
            RenderTableRows(inner, index, &where);
        }
    }
    PopTo(depth);
    --m_tableDepth;
    return size;
}

// A double border takes three times its width on each side in both passes.
int CPPHtmlDrawer::BorderInset(const HtmlStyle& s) {
    return s.borderStyle == 6 ? 3 * s.borderWidth : s.borderWidth;
}

void CPPHtmlDrawer::RenderTableRows(std::u16string_view inner, std::size_t table,
                                    const TablePaint* where) {
    std::size_t pos = 0;
    int row = 0;
    while (html::findTag(inner, pos, u"tr")) {
        const std::size_t rowEnd = endWithin(inner, pos, u"tr", inner.size());
        if (row < m_tables[table].rows) {
            std::size_t p = pos;
            const std::u16string attributes = openingAttributes(inner, p);
            const std::size_t depth = m_stack.size();
            m_style.tag = u"tr";
            PushPopStyle(false);
            ApplyTagStyle(u"tr", m_style);
            m_style.width = m_style.height = 0;
            ParseCellAttributes(attributes, m_style, false);
            SelectStyle();
            int column = 0;
            while (true) {
                std::size_t cell = p;
                if (!html::findTag(inner, cell, u"td") || cell >= rowEnd) break;
                const std::size_t cellEnd = endWithin(inner, cell, u"td", rowEnd);
                column = RenderTableCell(inner.substr(cell, cellEnd - cell), table, row, column, where) + 1;
                p = cellEnd < rowEnd ? cellEnd + 1 : rowEnd;
            }
            PopTo(depth);
        }
        ++row;
        pos = rowEnd < inner.size() ? rowEnd + 1 : inner.size();
    }
}

int CPPHtmlDrawer::RenderTableCell(std::u16string_view text, std::size_t table, int row,
                                   int from, const TablePaint* where) {
    TableLayout& t = m_tables[table];
    // Layout: the next free slot of the row; paint: the next slot a cell took.
    int column = from;
    while (column < t.columns) {
        const int span = t.grid[row][column].colSpan;
        if (where ? span > 0 : span == 0) break;
        ++column;
    }
    if (column >= t.columns) return t.columns;  // no place in the grid: dropped

    std::size_t pos = 0;
    const std::u16string attributes = openingAttributes(text, pos);
    const std::u16string_view content = text.substr(std::min(pos, text.size()));
    const std::size_t depth = m_stack.size();
    m_style.tag = u"td";
    PushPopStyle(false);
    ApplyTagStyle(u"td", m_style);
    m_style.width = m_style.height = 0;
    auto [colspan, rowspan] = ParseCellAttributes(attributes, m_style, false);
    SelectStyle();
    const int frame = html::clampCoord(2LL * (m_style.margin + m_style.borderWidth));

    if (!where) {
        Cell& cell = t.grid[row][column];
        cell.colSpan = std::min(colspan, t.columns - column);
        cell.rowSpan = std::min(rowspan, t.rows - row);
        for (int r = row; r < row + cell.rowSpan; ++r)
            for (int c = column; c < column + cell.colSpan; ++c)
                if (r != row || c != column) t.grid[r][c].colSpan = t.grid[r][c].rowSpan = -1;
        const int declaredWidth = std::max(m_style.width, 0);
        const int declaredHeight = std::max(m_style.height, 0);
        cell.fixed = declaredWidth > 0;
        const Extent e = RenderPieces(content, {0, 0, declaredWidth, 0});
        // RenderPieces may have added tables: the grid is re-read through the deque.
        Cell& done = m_tables[table].grid[row][column];
        done.contentWidth = std::max(e.cx, declaredWidth);
        done.contentHeight = e.cy;
        done.fullWidth = html::clampCoord(static_cast<long long>(done.contentWidth) + frame);
        done.fullHeight = html::clampCoord(static_cast<long long>(std::max(e.cy, declaredHeight)) + frame);
    } else {
        const Cell cell = t.grid[row][column];
        const int spacing = where->spacing;
        const long long left = where->contentLeft + spacing +
                               sumOf(where->columnWidths, 0, column) + static_cast<long long>(column) * (1 + spacing);
        const long long top = where->contentTop + spacing + sumOf(t.rowHeights, 0, row) +
                              static_cast<long long>(row) * (1 + spacing);
        const long long width = sumOf(where->columnWidths, column, cell.colSpan) +
                                static_cast<long long>(cell.colSpan - 1) * (spacing + 1);
        const long long height = sumOf(t.rowHeights, row, cell.rowSpan) +
                                 static_cast<long long>(cell.rowSpan - 1) * (spacing + 1);
        const html::Box box{html::clampCoord(left), html::clampCoord(top),
                            html::clampCoord(left + width), html::clampCoord(top + height)};
        if (m_style.bkEffect >= 0)
            m_dc->fillEffect(m_style.bkEffect, box, m_style.bkColour, m_style.bkMidColour,
                             m_style.bkEndColour, 5);
        if (m_style.borderStyle != 0) {
            const html::Colour light = m_enabled ? m_style.borderLight : m_disabledColour;
            const html::Colour dark = m_enabled ? m_style.borderDark : m_disabledColour;
            m_dc->drawBorder(box, light, dark, m_style.borderStyle, 1);
        }
        const int inset = m_style.margin + m_style.borderWidth;
        html::Box area{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
        const int free = area.height() - cell.contentHeight;
        if (free > 0 && m_style.vAlign == 1) area.top += free / 2;
        if (free > 0 && m_style.vAlign == 2) area.top += free;
        RenderPieces(content, area);
    }
    PopTo(depth);
    return column;
}

void CPPHtmlDrawer::SizeTableColumns(TableLayout& t) const {
    struct Placed {
        int row, column;
        const Cell* cell;
    };
    std::vector<Placed> cells;
    for (int r = 0; r < t.rows; ++r)
        for (int c = 0; c < t.columns; ++c)
            if (t.grid[r][c].colSpan > 0) cells.push_back({r, c, &t.grid[r][c]});
    // Narrow spans first; spanning cells share what their columns (rows) lack: every one
    // gets an equal part, the remainder goes to the last column and to the first row.
    auto byColumnSpan = cells;
    std::ranges::stable_sort(byColumnSpan, {}, [](const Placed& p) { return p.cell->colSpan; });
    for (const Placed& p : byColumnSpan) {
        const int span = p.cell->colSpan;
        const long long lack = p.cell->fullWidth - sumOf(t.columnWidths, p.column, span);
        if (lack > 0) {
            for (int k = p.column; k < p.column + span; ++k)
                t.columnWidths[k] = html::clampCoord(t.columnWidths[k] + lack / span);
            t.columnWidths[p.column + span - 1] =
                html::clampCoord(t.columnWidths[p.column + span - 1] + lack % span);
        }
        if (p.cell->fixed)
            for (int k = p.column; k < p.column + span; ++k) t.fixedColumns[k] = true;
    }
    auto byRowSpan = cells;
    std::ranges::stable_sort(byRowSpan, {}, [](const Placed& p) { return p.cell->rowSpan; });
    for (const Placed& p : byRowSpan) {
        const int span = p.cell->rowSpan;
        const long long lack = p.cell->fullHeight - sumOf(t.rowHeights, p.row, span);
        if (lack > 0) {
            for (int k = p.row; k < p.row + span; ++k)
                t.rowHeights[k] = html::clampCoord(t.rowHeights[k] + lack / span);
            t.rowHeights[p.row] = html::clampCoord(t.rowHeights[p.row] + lack % span);
        }
    }
}

Extent CPPHtmlDrawer::TableSize(const TableLayout& t, const HtmlStyle& s) const {
    const long long border = 2LL * BorderInset(s);
    const long long width = sumOf(t.columnWidths, 0, t.columns) +
                            static_cast<long long>(t.columns + 1) * s.padding + (t.columns - 1) + border;
    const long long height = sumOf(t.rowHeights, 0, t.rows) +
                             static_cast<long long>(t.rows + 1) * s.padding + (t.rows - 1) + border;
    return {std::max(html::clampCoord(width), 0), std::max(html::clampCoord(height), 0)};
}
