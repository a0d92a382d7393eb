#pragma once
// CPPHtmlDrawer: the system's small HTML renderer behind the HTML static control and the
// HTML tooltip. Every text goes through two passes over one prepared copy: LayoutHtml
// measures it and records one record per output line (and per table), PaintHtml replays
// them while drawing. Lines end only where the text says so ("br" tags, line feeds);
// nothing wraps by width.
//
//   CPPHtmlDrawer drawer(html::systemColour);          // live system colours (Qt side)
//   html::DrawContextCanvas canvas(dc);                 // PPHtmlDrawerCanvas.h
//   html::Extent size = drawer.LayoutHtml(canvas, u"<b>Hello</b> <a href=\"x\">link</a>");
//   drawer.PaintHtml(canvas, {0, 0, size.cx, size.cy});
//   drawer.TrackMouse(x, y);  drawer.ClickLink(x, y);  // link areas of the last paint
//
// The drawer itself needs no window system: it measures and draws through html::HtmlCanvas.
// Markup is input: an image "handle" in the text is never used, and "srcdll" names only a
// resource module that is already loaded; the drawer never loads a library.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/html/HtmlCanvas.h"
#include "controls/html/HtmlStyle.h"
#include "controls/html/HtmlVocabulary.h"

class CPPHtmlDrawer {
  public:
    // Called with the index of the link under the mouse (-2: none) when it changes.
    using HoverCallback = std::function<void(int linkIndex)>;
    // Called with the target of a "msg" link that is clicked.
    using MessageLinkCallback = std::function<void(const std::u16string& target)>;
    // Opens an "href" target with the desktop's default program, the target as one
    // argument; answers whether it was opened.
    using LinkOpener = std::function<bool(std::u16string_view target)>;

    explicit CPPHtmlDrawer(html::SystemColourSource systemColours);
    ~CPPHtmlDrawer();
    CPPHtmlDrawer(const CPPHtmlDrawer&) = delete;
    CPPHtmlDrawer& operator=(const CPPHtmlDrawer&) = delete;

    // --- Entry ---------------------------------------------------------------------------
    // The size the text needs: 0 x 0 when nothing is left after preprocessing or nothing
    // measures; otherwise the measured size + 1 in each direction.
    html::Extent LayoutHtml(html::HtmlCanvas& dc, std::u16string_view text);
    // Draws the text of the last LayoutHtml into `rect`; repeatable.
    void PaintHtml(html::HtmlCanvas& dc, const html::Box& rect);
    // The text as LayoutHtml prepared it (entities replaced, breaks made tags).
    const std::u16string& PreparedText() const { return m_text; }
    std::u16string Preprocess(std::u16string_view text) const;

    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool IsEnabled() const { return m_enabled; }
    void SetDisabledColour(html::Colour c) { m_disabledColour = c; }
    html::Colour DisabledColour() const { return m_disabledColour; }
    // On: line feeds become "br" tags and tabs "t" tags; off: both are dropped.
    void SetTextLineBreaks(bool on) { m_lineBreaks = on; }
    int TabWidth() const { return m_tabWidth; }

    // --- Colours, links, animation, strings ----------------------------------------------
    html::Colour LookupColour(std::u16string_view name, html::Colour fallback) const;
    int HitTestLink(int x, int y) const;
    // True when the point is over a link with a target: the caller shows the hand cursor
    // (when one is set, SetHyperlinkCursor).
    bool TrackMouse(int x, int y);
    void ClickLink(int x, int y);
    bool AdvanceAnimation();
    const std::vector<HtmlLinkArea>& LinkAreas() const { return m_links; }
    int HoverLink() const { return m_hoverLink; }
    void SetRepaintCallback(HoverCallback onHover) { m_hover = std::move(onHover); }
    void SetMessageLinkCallback(MessageLinkCallback onMessage) { m_message = std::move(onMessage); }
    void SetLinkOpener(LinkOpener opener) { m_opener = std::move(opener); }
    bool OpenLinkTarget(std::u16string_view target);
    void SetHyperlinkCursor(bool on) { m_handCursor = on; }
    bool HasHyperlinkCursor() const { return m_handCursor; }
    // Strings come from the language table; id 0 is empty.
    std::u16string LoadResourceString(int id) const;
    std::u16string ResourceStringLine(int id, int n) const;
    // The resource module of "iddll" images without "srcdll" (not owned).
    void SetResourceModule(platform::ModuleHandle module) { m_resourceModule = module; }
    void ReleaseResourceModule() { m_resourceModule = nullptr; }
    // A resource module already loaded whose file name (with or without extension) is
    // `name`; null otherwise. Nothing is loaded.
    platform::ModuleHandle LoadedModuleNamed(std::u16string_view name) const;

    // --- Styles --------------------------------------------------------------------------
    void LoadDefaultStyleSheet();
    // nullopt installs the built-in sheet.
    void SetCssStyles(std::optional<std::u16string_view> text);
    const std::u16string& CssText() const { return m_cssText; }
    std::optional<std::u16string> LookUpTagStyle(std::u16string_view name) const;
    void StoreTagStyle(std::u16string_view name, std::u16string_view declarations);
    void ApplyTagStyle(std::u16string_view name, HtmlStyle& style);
    void ApplyCssDeclarations(std::u16string_view text, HtmlStyle& style);
    // The reset values; a table's or cell's width and height are kept.
    void ResetStyle();
    bool PushPopStyle(bool pop);
    const HtmlStyle& CurrentStyle() const { return m_style; }
    HtmlStyle& CurrentStyle() { return m_style; }

    // Value parsers: the value text and the current value give the new value. Lengths
    // that need the font or the resolution ("ex", "em", "pt", ...) read the canvas of the
    // current pass; without one they count 0.
    int ParseLength(std::u16string_view value, int base, bool htmlSizes) const;
    html::Colour ParseColour(std::u16string_view value, html::Colour current) const;
    static int ParseFontStyle(std::u16string_view value, int current);
    static int ParseFontWeight(std::u16string_view value, int current);
    static int ParseHAlign(std::u16string_view value, int current);
    static int ParseVAlign(std::u16string_view value, int current);
    static int ParseTextTransform(std::u16string_view value, int current);
    int ParseBorderWidth(std::u16string_view value, int current) const;
    static int ParseBorderStyle(std::u16string_view value, int current);
    static void ApplyTextDecoration(std::u16string_view value, HtmlStyle& style);

    // --- Tables, images, backgrounds -----------------------------------------------------
    // (columns, rows) of the text between a table's tags.
    std::pair<int, int> ScanTable(std::u16string_view tableText) const;
    // (colspan, rowspan); the other attributes go into `style`.
    std::pair<int, int> ParseCellAttributes(std::u16string_view attributes, HtmlStyle& style,
                                            bool isTable) const;
    void ParseImageAttributes(std::u16string_view attributes, HtmlImageParams& params) const;
    int ParseBkEffect(std::u16string_view value, int current) const;
    int ParseImageStyle(std::u16string_view letters) const;
    static bool HasImageShadow(const HtmlImageParams& params);
    void SetImageShadow(int offsetX, int offsetY, int darkness, bool gradient, int blurX,
                        int blurY);
    html::Colour ShadowColour() const { return m_shadowColour; }
    void ApplyFontLetters(std::u16string_view letters);
    void DrawBackgroundImage(html::HtmlCanvas& dc, const html::Box& r, std::u16string_view spec);
    static int CountChar(std::u16string_view text, char16_t c);

  private:
    struct Cell {
        int colSpan = 0;  // 0 free slot, -1 covered by a spanning cell
        int rowSpan = 0;
        int contentWidth = 0, contentHeight = 0, fullWidth = 0, fullHeight = 0;
        bool fixed = false;
    };
    struct TableLayout {
        int columns = 0, rows = 0;
        std::vector<std::vector<Cell>> grid;
        std::vector<int> columnWidths, rowHeights;
        std::vector<bool> fixedColumns;
    };
    // Where a table's cells go while it is painted.
    struct TablePaint {
        int contentLeft = 0, contentTop = 0;
        int spacing = 0;
        std::vector<int> columnWidths;
    };

    bool layoutPass() const { return m_layoutPass; }

    // Rendering (PPHtmlDrawer.cpp).
    html::Extent RenderBlock(const html::Box& rect);
    html::Extent RenderPieces(std::u16string_view text, const html::Box& rect);
    html::Extent RenderRun(std::u16string_view text, const html::Box& rect);
    void OutputText(std::u16string piece, int& x, int y);
    void HandleTag(std::u16string_view body, int& x, int& y, int& maxWidth);
    void OpenStyleTag(html::Tag tag, std::u16string_view attributes);
    void ApplyFontAttributes(std::u16string_view attributes);
    void ApplyLinkAttributes(std::u16string_view attributes);
    void DrawRule(std::u16string_view attributes, int& x, int y);
    void DrawString(std::u16string_view attributes, int& x, int y);
    void SelectStyle();
    html::FontDesc FontOf(const HtmlStyle& style) const;
    std::u16string Transformed(std::u16string text) const;

    // Line routines (PPHtmlDrawerStyles.cpp).
    int AlignTextRun(int y, int height);
    int AlignObject(int y, int height);
    void NewLine(int& x, int& y, int count, int& maxWidth);
    int BeginLine(int x);
    int AdvanceTab(int x, int count) const;
    void StoreLinkArea(int left, int top, int right, int bottom);

    // Tables (PPHtmlDrawerTables.cpp).
    html::Extent RenderTable(std::u16string_view text, const html::Box& rect);
    // Layout pass: `where` is null; paint pass: where the table's content lies.
    void RenderTableRows(std::u16string_view inner, std::size_t table, const TablePaint* where);
    // Answers the column the cell took (the column count when it found no place).
    int RenderTableCell(std::u16string_view cellText, std::size_t table, int row, int from,
                        const TablePaint* where);
    static int BorderInset(const HtmlStyle& s);
    void SizeTableColumns(TableLayout& t) const;
    html::Extent TableSize(const TableLayout& t, const HtmlStyle& s) const;
    void PopTo(std::size_t depth);

    // Images (PPHtmlDrawerImages.cpp).
    void DrawImageTag(html::Tag tag, std::u16string_view attributes, int& x, int y);
    std::optional<html::ImageSource> ImageSourceOf(html::Tag tag,
                                                   const HtmlImageParams& params) const;

    // Vocabulary and styles.
    std::map<std::u16string, html::Colour> m_colours;
    std::map<std::u16string, std::u16string> m_styleSheet;
    std::u16string m_cssText;

    // The pass.
    std::u16string m_text;
    html::HtmlCanvas* m_dc = nullptr;
    bool m_layoutPass = true;
    HtmlStyle m_style;
    std::vector<HtmlStyle> m_stack;
    html::FontMetrics m_metrics;
    html::FontDesc m_selectedFont;

    // Lines.
    HtmlLine m_line;
    std::vector<HtmlLine> m_lines;
    std::size_t m_lineIndex = 0;
    int m_left = 0, m_right = 0;
    int m_notDrawn = 0;  // width of the current painted line not drawn yet
    int m_tabWidth = 32;
    bool m_lineBreaks = true;

    // Links and animation.
    std::vector<HtmlLinkArea> m_links;
    int m_linkCounter = -1;
    int m_hoverLink = -2;
    HoverCallback m_hover;
    MessageLinkCallback m_message;
    LinkOpener m_opener;
    bool m_handCursor = true;
    std::vector<HtmlAnimation> m_animations;
    int m_animationCounter = -1;

    // Enabled look, image shadow, resources.
    bool m_enabled = true;
    html::Colour m_disabledColour = 0x808080;
    int m_shadowX = 4, m_shadowY = 4, m_shadowDarkness = 50, m_blurX = 7, m_blurY = 7;
    bool m_shadowGradient = true;
    html::Colour m_shadowColour = 0x808080;
    platform::ModuleHandle m_resourceModule = nullptr;

    // Tables of the last layout, in text order; nesting is bounded.
    std::deque<TableLayout> m_tables;
    int m_tableCounter = -1;
    int m_tableDepth = 0;
};
