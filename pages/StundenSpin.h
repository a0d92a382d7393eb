#pragma once
// The up and down arrows beside an hour field: each click moves the hour in its field by
// one within the range, as if the user had typed it.
#include <QWidget>

class CStundenSpin : public QWidget {
  public:
    CStundenSpin(QWidget* parent, int feldId, unsigned min, unsigned max);

    // One step up (+1) or down (-1).
    void Schritt(int richtung);

  private:
    int m_feldId;
    unsigned m_min, m_max;
};
