#pragma once
// A field of an options page that the user picks: it takes the focus, and a click (or Space
// or Enter while it has the focus) tells the page with the field's control id. What it
// shows is the deriving field's own.
#include "platform/ui/Window.h"

class CKlickFeld : public ui::WindowOf<QWidget> {
  public:
    explicit CKlickFeld(QWidget* parent);

  protected:
    bool onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods mods, int wheel) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;
    void onFocus(bool) override { invalidate(); }

  private:
    void Melde();
};
