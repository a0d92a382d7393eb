#pragma once
// What the screen shows of a widget, read back from its window's backing store (the
// offscreen platform keeps the pixels of each window), beside a fresh render of the same
// widget. A part the widget forgot to move or repaint differs between the two.
//
//   uitest::wheel(*grid, p, -120);
//   uitest::processEvents();
//   EXPECT_EQ(screentest::DifferingPixels(screentest::ScreenOf(*grid), screentest::FreshRender(*grid)), 0);
#include <QImage>
#include <QScreen>
#include <QWidget>

#include "tests/support/ui/UiTest.h"

namespace screentest {

inline QImage ScreenOf(QWidget& widget) {
    uitest::processEvents();  // pending repaints reach the backing store first
    QWidget* top = widget.window();
    const QImage window = top->screen()->grabWindow(top->winId()).toImage();
    return window.copy(QRect(widget.mapTo(top, QPoint(0, 0)), widget.size()))
        .convertToFormat(QImage::Format_RGB32);
}

inline QImage FreshRender(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + b.width() * b.height();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    return differing;
}

// The screen against a fresh render: the number of stale pixels.
inline int StalePixels(QWidget& widget) {
    return DifferingPixels(ScreenOf(widget), FreshRender(widget));
}

}  // namespace screentest
