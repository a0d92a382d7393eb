#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridFontSpec.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QStyle>

#include "controls/grid/GridMenu.h"
#include "controls/grid/InPlaceEdit.h"

namespace {

grid::Colour Sys(ui::SysColour index) {
    return ui::sysColour(index).value;
}

unsigned Modifiers(ui::KeyMods mods) {
    return (mods.shift ? grid::kShift : 0u) | (mods.ctrl ? grid::kCtrl : 0u);
}

// A cell rectangle (right and bottom the cell's last pixels) as a fill rectangle.
ui::Rect AsRect(const grid::Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols, QWidget* parent)
    : ui::WindowOf<QWidget>(parent) {
    InitColours(Sys(ui::SysColour::WindowText), Sys(ui::SysColour::Window),
                Sys(ui::SysColour::ButtonFace), Sys(ui::SysColour::ButtonShadow));
    SetRowsPerWheelNotch(QApplication::wheelScrollLines());
    InitFont(grid::FromFontSpec(ui::messageFont()));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_pHorz = new QScrollBar(Qt::Horizontal, this);
    m_pVert = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {m_pHorz, m_pVert}) {
        bar->hide();
        bar->setFocusPolicy(Qt::NoFocus);
        const bool vertical = bar == m_pVert;
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this, vertical](int action) { OnScrollAction(vertical, action); });
    }
    InitCounts(nRows, nCols, nFixedRows, nFixedCols);
}

CGridCtrl::~CGridCtrl() {
    // The window goes first: clearing the focus below must not call an owner that may be
    // half destroyed itself.
    m_bHasWindow = false;
    // Editors are children and would go only with the QWidget part, after the grid's own.
    // Every one goes now, detached first, also one that has ended and only waits to be
    // deleted: none may call back into a grid that is half gone.
    m_pEditor = nullptr;
    const QObjectList childObjects = children();
    for (QObject* child : childObjects) {
        if (auto* editor = dynamic_cast<CInPlaceEdit*>(child)) {
            editor->Detach();
            delete editor;
        }
    }
    DeleteAllItems();
}

bool CGridCtrl::Create(const ui::Rect& rect, QWidget* parent, int id) {
    if (!parent) return false;
    setParent(parent);
    setControlId(id);
    setGeometry(ui::toQRect(rect));
    onAttached();
    ResetSizesToDefaults();
    ResetScrollBars();
    show();
    return true;
}

void CGridCtrl::onAttached() {
    // What creating the window does: the grid font is measured and applied.
    if (m_bHasWindow) return;
    m_bHasWindow = true;
    SetFont(grid::ToFontSpec(GetFont()));
    ResetScrollBars();
}

void CGridCtrl::SetFont(const ui::FontSpec& font) {
    const QFontMetrics metrics(ui::toQFont(font));
    const ui::TextMetrics tm = ui::textMetricsOf(font);
    ApplyFont(grid::FromFontSpec(font), metrics.horizontalAdvance(QLatin1Char(' ')), tm.height,
              tm.externalLeading, tm.aveCharWidth);
}

ui::FontSpec CGridCtrl::GetFontSpec() const {
    return grid::ToFontSpec(GetFont());
}

// ---- window services ---------------------------------------------------------------

grid::Rect CGridCtrl::ClientRect() const {
    const int right = width() - (m_pVert->isHidden() ? 0 : m_pVert->width());
    const int bottom = height() - (m_pHorz->isHidden() ? 0 : m_pHorz->height());
    return {0, 0, std::max(right, 0), std::max(bottom, 0)};
}

long CGridCtrl::NotifyOwner(int row, int col, int code) {
    return notifyOwner(code, CCellID{row, col});
}

void CGridCtrl::PostClickCommand() {
    if (ui::Window* target = owner()) ui::postCommand(*target, controlId(), 0, this);
}

void CGridCtrl::InvalidateRect(const grid::Rect& rect) {
    invalidate(AsRect(rect));
}

void CGridCtrl::InvalidateAll() {
    invalidate();
}

void CGridCtrl::ScrollContent(int dx, int dy, const grid::Rect& area) {
    scroll(dx, dy, ui::toQRect(AsRect(area)));
}

void CGridCtrl::TakeFocus() {
    if (!hasFocus()) setFocus(Qt::OtherFocusReason);
}

void CGridCtrl::ApplyCursor(grid::Cursor cursor) {
    switch (cursor) {
        case grid::Cursor::SizeNS: setCursor(Qt::SizeVerCursor); break;
        case grid::Cursor::SizeWE: setCursor(Qt::SizeHorCursor); break;
        case grid::Cursor::Arrow: setCursor(Qt::ArrowCursor); break;
    }
}

void CGridCtrl::ShowWaitCursor(bool on) {
    if (on)
        m_waitCursor.emplace();
    else
        m_waitCursor.reset();
}

grid::Point CGridCtrl::CursorPosition() const {
    const QPoint p = mapFromGlobal(QCursor::pos());
    return {p.x(), p.y()};
}

unsigned CGridCtrl::KeyModifiers() const {
    return Modifiers(ui::modsFromQt(QGuiApplication::keyboardModifiers()));
}

ui::CursorShape CGridCtrl::cursorAt(ui::Point) {
    // The cursor follows the mouse mode as the core sets it.
    return ui::CursorShape::Keep;
}

void CGridCtrl::TrackContextMenu(grid::Point clientPoint) {
    if (ui::Window* target = owner())
        ShowGridContextMenu(*this, *target, GetContextMenuId(), mapToGlobal(QPoint(clientPoint.x, clientPoint.y)));
}

// ---- scroll bars -------------------------------------------------------------------

void CGridCtrl::SyncScrollBar(QScrollBar& bar, const ScrollBar& state) {
    const QSignalBlocker block(&bar);
    bar.setRange(0, state.Limit());
    bar.setPageStep(std::max(state.page, 1));
    bar.setSingleStep(1);
    bar.setValue(state.pos);
    bar.setVisible(state.max > 0);
}

void CGridCtrl::ScrollBarsChanged() {
    if (m_bSyncingBars) return;
    m_bSyncingBars = true;
    const bool horzShown = !m_pHorz->isHidden();
    const bool vertShown = !m_pVert->isHidden();
    SyncScrollBar(*m_pHorz, HorzScroll());
    SyncScrollBar(*m_pVert, VertScroll());
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int vertWidth = m_pVert->isHidden() ? 0 : extent;
    const int horzHeight = m_pHorz->isHidden() ? 0 : extent;
    m_pVert->setGeometry(width() - extent, 0, extent, height() - horzHeight);
    m_pHorz->setGeometry(0, height() - extent, width() - vertWidth, extent);
    m_bSyncingBars = false;
    // Showing or hiding a bar changes the client area the ranges were made for.
    if (horzShown != !m_pHorz->isHidden() || vertShown != !m_pVert->isHidden()) {
        ResetScrollBars();
        invalidate();
    }
}

void CGridCtrl::OnScrollAction(bool vertical, int action) {
    QScrollBar& bar = vertical ? *m_pVert : *m_pHorz;
    std::optional<grid::ScrollCode> code;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: code = grid::ScrollCode::LineDown; break;
        case QAbstractSlider::SliderSingleStepSub: code = grid::ScrollCode::LineUp; break;
        case QAbstractSlider::SliderPageStepAdd: code = grid::ScrollCode::PageDown; break;
        case QAbstractSlider::SliderPageStepSub: code = grid::ScrollCode::PageUp; break;
        case QAbstractSlider::SliderToMinimum: code = grid::ScrollCode::Top; break;
        case QAbstractSlider::SliderToMaximum: code = grid::ScrollCode::Bottom; break;
        case QAbstractSlider::SliderMove: code = grid::ScrollCode::ThumbTrack; break;
        default: break;
    }
    if (code) {
        const int track = bar.sliderPosition();
        if (vertical)
            OnVScroll(*code, track);
        else
            OnHScroll(*code, track);
    }
    // The bar shows the grid's position, not the one the bar worked out itself.
    bar.setSliderPosition(GetScrollPos32(vertical));
}

// ---- input -------------------------------------------------------------------------

bool CGridCtrl::onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods mods, int wheelDelta) {
    const grid::Point point{p.x, p.y};
    switch (kind) {
        case ui::MouseKind::Move: OnMouseMove(point, m_bLeftButtonHeld); return true;
        case ui::MouseKind::LeftDown:
            m_bLeftButtonHeld = true;
            OnLButtonDown(point, Modifiers(mods));
            return true;
        case ui::MouseKind::LeftUp:
            m_bLeftButtonHeld = false;
            OnLButtonUp(point);
            return true;
        case ui::MouseKind::LeftDouble:
            m_bLeftButtonHeld = true;
            OnLButtonDblClk(point);
            return true;
        case ui::MouseKind::Wheel: OnMouseWheel(wheelDelta); return true;
        case ui::MouseKind::RightUp: OnContextMenu(point); return true;
        default: return false;
    }
}

bool CGridCtrl::focusNextPrevChild(bool next) {
    // The grid keeps Tab for moving between its cells.
    if (GetHandleTabKey() && !(QGuiApplication::keyboardModifiers() & Qt::ControlModifier)) return false;
    return QWidget::focusNextPrevChild(next);
}

bool CGridCtrl::onKeyDown(ui::Key key, ui::KeyMods mods) {
    // The grid wants Tab only while Ctrl is not held. Ctrl+Tab is the dialog's, but Qt's
    // focus chain passes it by: the grid moves on to the next control (the previous one
    // with Shift) as a dialog does on Tab.
    if (key == ui::Key::Tab && mods.ctrl) return QWidget::focusNextPrevChild(!mods.shift);
    return OnKeyDown(static_cast<unsigned>(key), Modifiers(mods));
}

bool CGridCtrl::onChar(char32_t ch) {
    // In a dialog, Enter and Escape belong to its default and cancel buttons.
    if ((ch == U'\r' || ch == U'\x1b') && qobject_cast<QDialog*>(window())) return false;
    return OnChar(ch, KeyModifiers());
}

void CGridCtrl::onTimer(unsigned id) {
    OnTimer(id);
}

void CGridCtrl::onSize(ui::Size) {
    // A size change ends an edit in progress.
    if (m_pEditor) TakeFocus();
    ResetScrollBars();
    ScrollBarsChanged();
}

void CGridCtrl::onCaptureLost() {
    OnCaptureChanged();
}

void CGridCtrl::onSysColourChange() {
    OnSysColourChange(Sys(ui::SysColour::WindowText), Sys(ui::SysColour::Window),
                      Sys(ui::SysColour::ButtonFace), Sys(ui::SysColour::ButtonShadow));
    invalidate();
}

long CGridCtrl::onNotify(const ui::Notification& n) {
    if (n.code != grid::kNotifyEndEdit || n.id != grid::kInPlaceEditId) return 0;
    const GV_ITEM* item = std::any_cast<GV_ITEM>(&n.payload);
    if (!item) return 0;
    return OnEndInPlaceEdit(item->row, item->col, item->szText, item->lParam);
}

bool CGridCtrl::onCommand(int id) {
    if (id != kSelectAllCommand) return false;
    SelectAllCells();
    return true;
}

bool CGridCtrl::onUpdateCommand(int id, ui::CommandState& state) {
    if (id != kSelectAllCommand) return false;
    state.enabled = IsSelectable();
    return true;
}

// ---- editing -----------------------------------------------------------------------

void CGridCtrl::CreateInPlaceEditControl(const grid::Rect& rect, grid::EditAlign align, int id, int row,
                                         int col, std::u16string_view text, grid::EditTrigger trigger) {
    m_pEditor = new CInPlaceEdit(this, rect, align, id, row, col, std::u16string(text), trigger);
}

void CGridCtrl::EditorGone(CInPlaceEdit* editor) {
    if (m_pEditor == editor) m_pEditor = nullptr;
}

grid::Size CGridCtrl::GetCellExtent(int row, int col) {
    grid::Font font = GetItemFont(row, col);
    if (row < GetFixedRowCount() || col < GetFixedColumnCount()) font.weight = 600;
    const QFontMetrics metrics(ui::toQFont(grid::ToFontSpec(font)));
    const CVRMString text = GetItemText(row, col);
    const int margin = GetMargin();
    int width = metrics.horizontalAdvance(QString::fromStdU16String(text)) + 4 * margin;
    int height = metrics.height() + 2 * margin;
    const int image = GetItemImage(row, col);
    if (m_pImageList && image >= 0 && image < static_cast<int>(m_pImageList->size())) {
        const QImage& picture = (*m_pImageList)[image];
        width += picture.width();
        height = std::max(height, picture.height());
    }
    return {width, height};
}
