#pragma once
// The grid control: a spreadsheet-like window of text cells with fixed header rows and
// columns. What it knows and decides lives in GridCore; this class paints it, feeds it the
// window's input and gives it the window services it asks for.
//
//   auto* grid = new CGridCtrl(13, 4, 1, 1);
//   grid->Create({10, 10, 410, 260}, dialog, 1001);
//   grid->SetItemText(0, 1, u"Jan");
//   // the owner hears -100/-101 (focus), -175/-176 (edits) with a CCellID payload
#include <QScrollBar>
#include <memory>
#include <optional>
#include <vector>

#include "controls/grid/GridCore.h"
#include "platform/ui/Commands.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Window.h"

class CInPlaceEdit;

class CGridCtrl : public ui::WindowOf<QWidget>, public GridCore, public ui::CommandTarget {
  public:
    CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0,
              QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // Places the grid in `parent` with control id `id`; answers false without a parent.
    bool Create(const ui::Rect& rect, QWidget* parent, int id);

    // The font of the grid and of every cell (what setting a window's font does).
    void SetFont(const ui::FontSpec& font);
    ui::FontSpec GetFontSpec() const;

    // Optional images the cells show by their image index; the owner keeps them.
    void SetImageList(const std::vector<QImage>* images) { m_pImageList = images; SetHasImages(images); }

    // The edit menu's Select All: enabled while selection is enabled, it selects all cells.
    static constexpr int kSelectAllCommand = 57642;
    using ui::Window::onCommand;
    bool onCommand(int id) override;
    bool onUpdateCommand(int id, ui::CommandState& state) override;

    // Drawing (virtual, as owners may draw cells their own way).
    virtual void OnDraw(ui::DrawContext& dc);
    virtual bool DrawFixedCell(ui::DrawContext& dc, int row, int col, grid::Rect rect, bool erase);
    virtual bool DrawCell(ui::DrawContext& dc, int row, int col, grid::Rect rect, bool erase);

    // The open in-place editor, or nullptr.
    CInPlaceEdit* InPlaceEditor() const { return m_pEditor; }

    // The texts of the context menu's four solar destinations.
    static constexpr int kMenuItemIds[4] = {32805, 32806, 32807, 32808};
    static constexpr unsigned kMenuTextIds[4] = {3420, 3421, 3422, 3423};

  protected:
    // ui::Window hooks.
    void onAttached() override;
    void onPaint(ui::DrawContext& dc) override;
    bool onEraseBackground(ui::DrawContext&) override { return true; }
    bool onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods mods, int wheelDelta) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    bool onChar(char32_t ch) override;
    void onTimer(unsigned id) override;
    void onSize(ui::Size size) override;
    void onCaptureLost() override;
    void onSysColourChange() override;
    long onNotify(const ui::Notification& n) override;
    ui::CursorShape cursorAt(ui::Point) override;
    bool focusNextPrevChild(bool next) override;

    // GridCore hooks.
    grid::Size GetCellExtent(int row, int col) override;
    void CreateInPlaceEditControl(const grid::Rect& rect, grid::EditAlign align, int id, int row,
                                  int col, std::u16string_view text,
                                  grid::EditTrigger trigger) override;
    bool HasWindow() const override { return m_bHasWindow; }
    grid::Rect ClientRect() const override;
    long NotifyOwner(int row, int col, int code) override;
    bool HasOwner() const override { return owner() != nullptr; }
    void PostClickCommand() override;
    void InvalidateRect(const grid::Rect& rect) override;
    void InvalidateAll() override;
    void ScrollContent(int dx, int dy, const grid::Rect& area) override;
    void ScrollBarsChanged() override;
    void TakeFocus() override;
    void CaptureMouse() override { captureMouse(); }
    void ReleaseMouse() override { releaseCapture(); }
    bool HasCapture() const override { return hasCapture(); }
    void StartTimer(unsigned id, unsigned ms) override { setTimer(id, ms); }
    void KillTimer(unsigned id) override { ui::Window::killTimer(id); }
    void ApplyCursor(grid::Cursor cursor) override;
    void ShowWaitCursor(bool on) override;
    grid::Point CursorPosition() const override;
    unsigned KeyModifiers() const override;
    void TrackContextMenu(grid::Point clientPoint) override;

  private:
    friend class CInPlaceEdit;
    void EditorGone(CInPlaceEdit* editor);
    void SyncScrollBar(QScrollBar& bar, const ScrollBar& state);
    void OnScrollAction(bool vertical, int action);
    void DrawCellText(ui::DrawContext& dc, int row, int col, ui::Rect rect);
    void SelectCellFont(ui::DrawContext& dc, const grid::Font& font);
    void DrawGridLines(ui::DrawContext& dc, const CCellRange& visible, const grid::Rect& cellsRect);

    bool m_bHasWindow = false;
    bool m_bLeftButtonHeld = false;
    bool m_bSyncingBars = false;
    QScrollBar* m_pHorz = nullptr;
    QScrollBar* m_pVert = nullptr;
    CInPlaceEdit* m_pEditor = nullptr;
    const std::vector<QImage>* m_pImageList = nullptr;
    std::optional<grid::Font> m_paintFont;  // the font selected while painting
    std::optional<ui::WaitCursor> m_waitCursor;  // while a header click sorts
};
