#pragma once
// Points, sizes and rectangles with the desktop's conventions: a rectangle's right and
// bottom edges lie outside it (a fill of {0,0,10,10} covers pixels 0..9). Convert to Qt
// only at the border: `toQRect` gives the same pixels, `fromQRect` the inverse.
//
//   ui::Rect r{10, 10, 110, 40};
//   if (r.contains(p)) ...;  QRect q = ui::toQRect(r);
#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>

namespace ui {

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0, cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Rect inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect intersected(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.isEmpty() ? Rect{} : r;
    }
    Rect united(const Rect& o) const {
        if (isEmpty()) return o;
        if (o.isEmpty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline QPoint toQPoint(Point p) { return {p.x, p.y}; }
inline Point fromQPoint(const QPoint& p) { return {p.x(), p.y()}; }
inline QSize toQSize(Size s) { return {s.cx, s.cy}; }
inline Size fromQSize(const QSize& s) { return {s.width(), s.height()}; }
inline QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
inline Rect fromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace ui
