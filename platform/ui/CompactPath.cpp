#include "platform/ui/CompactPath.h"

#include <QLineEdit>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace ui {
namespace {

QString qs(std::u16string_view t) {
    return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
}

bool istTrenner(char16_t c) { return c == u'/' || c == u'\\'; }

// The room for text in the widget: an edit loses its frame and the margins around its text.
int textBreite(const QWidget& w) {
    int breite = w.contentsRect().width();
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) {
        const QMargins rand = edit->textMargins();
        breite -= rand.left() + rand.right();
        if (edit->hasFrame()) breite -= 2 * w.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &w);
        breite -= 4;  // the edit keeps 2 pixels free on each side of its text
    }
    return std::max(0, breite);
}

}  // namespace

std::u16string compactPath(std::u16string_view path, const QFontMetrics& metrics, int width) {
    const QString ganz = qs(path);
    if (metrics.horizontalAdvance(ganz) <= width) return std::u16string(path);
    const auto letzter = std::find_if(path.rbegin(), path.rend(), istTrenner);
    if (letzter == path.rend())
        return metrics.elidedText(ganz, Qt::ElideRight, width).toStdU16String();
    const size_t nameStart = static_cast<size_t>(path.rend() - letzter);
    const char16_t trenner = path[nameStart - 1];
    const std::u16string name(path.substr(nameStart));
    // The folders before the file, each with the separator behind it.
    std::vector<size_t> ordnerEnden;
    for (size_t i = 0; i + 1 < nameStart; ++i)
        if (istTrenner(path[i])) ordnerEnden.push_back(i + 1);
    const std::u16string rest = std::u16string(u"...") + trenner + name;
    for (auto it = ordnerEnden.rbegin(); it != ordnerEnden.rend(); ++it) {
        const std::u16string versuch = std::u16string(path.substr(0, *it)) + rest;
        if (metrics.horizontalAdvance(qs(versuch)) <= width) return versuch;
    }
    if (metrics.horizontalAdvance(qs(rest)) <= width) return rest;
    const QString vorne = QStringLiteral("...") + QChar(trenner);
    const int nameBreite = width - metrics.horizontalAdvance(vorne);
    if (nameBreite > metrics.horizontalAdvance(QStringLiteral("...")))
        return (vorne + metrics.elidedText(qs(name), Qt::ElideRight, nameBreite)).toStdU16String();
    return metrics.elidedText(ganz, Qt::ElideLeft, width).toStdU16String();
}

std::u16string compactPathForWidget(std::u16string_view path, const QWidget& widget) {
    return compactPath(path, QFontMetrics(widget.font()), textBreite(widget));
}

}  // namespace ui
