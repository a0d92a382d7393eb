#pragma once
// The strict number field: digits, an optional leading minus and one separator with a
// limited fraction; rejected keys beep. It shows its value formatted whenever it gets or
// loses the focus, so after leaving it shows exactly the configured decimals.
#include <QLineEdit>
#include <string>

#include "platform/ui/Window.h"

class CNumEdit : public ui::WindowOf<QLineEdit> {
  public:
    explicit CNumEdit(QWidget* parent = nullptr);

    void Init(double wert, int nachkommastellen, bool vorzeichen);
    void SetWert(double wert);
    // Parses the window text (its leading number), stores and answers it.
    double GetWert();
    std::u16string FormatWert(double wert) const;
    bool PruefeZeichen(char32_t c) const;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    bool onChar(char32_t c) override;
    void onFocus(bool gained) override;
    bool onMouse(ui::MouseKind kind, ui::Point p, ui::KeyMods mods, int wheel) override;

  private:
    void zeige();

    double m_dWert = 0.0;
    int m_nNachkomma = 2;
    bool m_bVorzeichen = true;
    std::u16string m_strText;
};
