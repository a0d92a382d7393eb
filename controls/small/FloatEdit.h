#pragma once
// The ordinary number field: free typing, but at most one decimal separator (a comma
// typed becomes a point) and the fraction cut to a fixed number of digits.
#include <QLineEdit>

#include "platform/ui/Window.h"

class CFloatEdit : public ui::WindowOf<QLineEdit> {
  public:
    explicit CFloatEdit(QWidget* parent = nullptr, unsigned short nachkommastellen = 1);

    unsigned short nachkommastellen() const { return m_nNachkomma; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool onChar(char32_t c) override;

  private:
    unsigned short m_nNachkomma;
};
