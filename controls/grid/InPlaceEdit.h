#pragma once
// The editor that opens exactly over a grid cell. It ends when it loses the focus (Tab,
// Enter, Escape, an arrow key, a click elsewhere), reports its text and the key that
// ended it to the grid, and deletes itself.
#include <QLineEdit>
#include <string>

#include "controls/grid/GridTypes.h"
#include "platform/ui/Window.h"

class CGridCtrl;

class CInPlaceEdit : public ui::WindowOf<QLineEdit> {
  public:
    CInPlaceEdit(CGridCtrl* parent, const grid::Rect& rect, grid::EditAlign align, int id, int row,
                 int col, std::u16string initialText, grid::EditTrigger firstChar);
    ~CInPlaceEdit() override;

    int Row() const { return m_nRow; }
    int Col() const { return m_nCol; }
    unsigned LastKey() const { return m_nLastChar; }
    // The grid goes away first: the editor reports nothing more.
    void Detach() { m_pGrid = nullptr; }

  protected:
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    bool onChar(char32_t ch) override;
    void onFocus(bool gained) override;
    bool focusNextPrevChild(bool) override { return false; }

  private:
    bool HandleChar(char32_t ch);
    void EndWith(unsigned lastKey);
    void EndEdit();
    void Widen();

    CGridCtrl* m_pGrid;
    int m_nRow;
    int m_nCol;
    std::u16string m_sInitText;
    unsigned m_nLastChar = 0;
    bool m_bExitOnArrows = true;
    grid::Rect m_Rect;
    bool m_bEnded = false;
};
