#include "controls/resizable/WidgetLimits.h"

#include <QWidget>
#include <algorithm>

namespace resizable {

MinMaxInfo viewAnswer(const QWidget& view, const MinMaxInfo& record) {
    MinMaxInfo answer = record;
    const QSize min = view.minimumSize();
    if (!min.isNull()) answer.minTrackSize = {min.width(), min.height()};
    const QSize max = view.maximumSize();
    if (max != QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) answer.maxTrackSize = {max.width(), max.height()};
    return answer;
}

Extent decorationOf(const QWidget& outer, const QWidget& inner) {
    return {std::max(0, outer.width() - inner.width()), std::max(0, outer.height() - inner.height())};
}

void applyTrackSizes(QWidget& window, const MinMaxInfo& info) {
    const auto limit = [](int v) { return std::clamp(v, 0, QWIDGETSIZE_MAX); };
    const QSize min(limit(info.minTrackSize.cx), limit(info.minTrackSize.cy));
    const QSize max(std::max(min.width(), limit(info.maxTrackSize.cx)),
                    std::max(min.height(), limit(info.maxTrackSize.cy)));
    if (window.minimumSize() != min) window.setMinimumSize(min);
    if (window.maximumSize() != max) window.setMaximumSize(max);
}

}  // namespace resizable
