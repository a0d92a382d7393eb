#pragma once
// The main window's background: the program's picture stretched over the MDI client,
// and, while no project window covers it, the explanatory text of each bar button beside
// that button in the colour of option "ColorHFtext". It takes over the painting of the
// client's viewport.
#include <QImage>
#include <QObject>
#include <QWidget>
#include <QRect>
#include <map>

class QMdiArea;

class CMainFrameBkgnd : public QObject {
  public:
    explicit CMainFrameBkgnd(QMdiArea& client);

    // Stores or replaces the place of an explanatory text (viewport coordinates).
    void SetTextRect(unsigned textId, const QRect& rect);
    const std::map<unsigned, QRect>& TextRects() const { return m_texte; }
    bool HatBild() const { return !m_bild.isNull(); }
    void Aktualisiere();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Zeichne();

    QMdiArea& m_client;
    QWidget* m_viewport;
    QImage m_bild;
    std::map<unsigned, QRect> m_texte;
};
