#pragma once
// Size limits between the min/max records and Qt's minimum and maximum sizes.
#include "controls/resizable/SizeLimits.h"

class QWidget;

namespace resizable {

// A view's answer to the min/max query on a copy of its frame's record: the record with
// the view's own minimum and maximum written where the view has them.
MinMaxInfo viewAnswer(const QWidget& view, const MinMaxInfo& record);
// What a window spends around an inner window (title, borders, bars).
Extent decorationOf(const QWidget& outer, const QWidget& inner);
// The record's tracking sizes become the window's minimum and maximum size.
void applyTrackSizes(QWidget& window, const MinMaxInfo& info);

}  // namespace resizable
