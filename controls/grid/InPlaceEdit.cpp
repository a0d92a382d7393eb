#include "controls/grid/InPlaceEdit.h"

#include <QFontMetrics>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/GridFontSpec.h"
#include "controls/grid/InPlaceEditLogic.h"

namespace {

Qt::Alignment ToAlignment(grid::EditAlign align) {
    switch (align) {
        case grid::EditAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
        case grid::EditAlign::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
        case grid::EditAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QString FromChar(char32_t ch) {
    return QString::fromUcs4(&ch, 1);
}

}  // namespace

CInPlaceEdit::CInPlaceEdit(CGridCtrl* parent, const grid::Rect& rect, grid::EditAlign align, int id,
                           int row, int col, std::u16string initialText, grid::EditTrigger firstChar)
    : ui::WindowOf<QLineEdit>(parent),
      m_pGrid(parent),
      m_nRow(row),
      m_nCol(col),
      m_sInitText(std::move(initialText)),
      m_Rect(rect) {
    const grid::EditOpening opening = grid::OpeningFor(firstChar);
    m_bExitOnArrows = opening.exitOnArrows;
    setControlId(id);
    // A plain bordered edit, as thin as the cell it covers.
    setFrame(false);
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid black; padding: 0px; margin: 0px; }"));
    setAlignment(ToAlignment(align));
    setFont(ui::toQFont(grid::ToFontSpec(parent->GetFont())));
    setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    setText(QString::fromStdU16String(m_sInitText));
    show();
    setFocus(Qt::OtherFocusReason);
    if (opening.selectAll)
        selectAll();
    else
        end(false);
    if (opening.feed) HandleChar(*opening.feed);
}

CInPlaceEdit::~CInPlaceEdit() {
    m_bEnded = true;
    if (m_pGrid) m_pGrid->EditorGone(this);
}

bool CInPlaceEdit::onKeyDown(ui::Key key, ui::KeyMods mods) {
    const unsigned code = static_cast<unsigned>(key);
    // Alt combinations are the window system's; the editor swallows them.
    if (mods.alt && !grid::key::IsNavigation(code)) return true;
    // Shift+Tab comes without a character: the key itself ends the edit, as Tab's does.
    if (key == ui::Key::Tab) return HandleChar(grid::key::kTab);
    if (const auto ending = grid::EndingKeyDown(code, m_bExitOnArrows, mods.ctrl)) {
        EndWith(*ending);
        return true;
    }
    return false;
}

bool CInPlaceEdit::onChar(char32_t ch) {
    return HandleChar(ch);
}

bool CInPlaceEdit::HandleChar(char32_t ch) {
    const grid::EditChar action = grid::OnEditChar(ch);
    switch (action.action) {
        case grid::EditChar::Action::End: EndWith(action.lastKey); return true;
        case grid::EditChar::Action::Restore:
            setText(QString::fromStdU16String(m_sInitText));
            EndWith(action.lastKey);
            return true;
        case grid::EditChar::Action::Type: break;
    }
    if (action.typed == grid::key::kBack) {
        backspace();
        return true;
    }
    // Other control characters (copy, paste, ...) are the edit's own business.
    if (action.typed < 0x20 || action.typed == 0x7F) return false;
    insert(FromChar(action.typed));
    Widen();
    return true;
}

void CInPlaceEdit::Widen() {
    if (!m_pGrid) return;
    const int width = QFontMetrics(font()).horizontalAdvance(text() + QStringLiteral("  "));
    const int right = grid::WidenedRight(m_Rect.left, m_Rect.right, width, m_pGrid->ClientRect().right);
    if (right == m_Rect.right) return;
    m_Rect.right = right;
    setGeometry(m_Rect.left, m_Rect.top, m_Rect.right - m_Rect.left, m_Rect.bottom - m_Rect.top);
}

void CInPlaceEdit::EndWith(unsigned lastKey) {
    m_nLastChar = lastKey;
    if (m_pGrid)
        m_pGrid->setFocus(Qt::OtherFocusReason);
    else
        clearFocus();
}

void CInPlaceEdit::onFocus(bool gained) {
    if (!gained) EndEdit();
}

void CInPlaceEdit::EndEdit() {
    if (m_bEnded) return;
    m_bEnded = true;
    if (m_pGrid) {
        // From here on the grid has no open editor, whatever it opens next.
        m_pGrid->EditorGone(this);
        GV_ITEM item;
        item.mask = grid::kMaskText | grid::kMaskData;
        item.row = m_nRow;
        item.col = m_nCol;
        item.szText = text().toStdU16String();
        item.lParam = m_nLastChar;
        notifyOwner(grid::kNotifyEndEdit, item);
    }
    hide();
    deleteLater();
}
