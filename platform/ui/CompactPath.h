#pragma once
// A path shortened for a field too narrow to show it whole: the folders nearest the file
// give way to "...", the first folders and the file name stay ("/home/anna/.../report.htm").
#include <QFontMetrics>
#include <string>
#include <string_view>

class QWidget;

namespace ui {

// The path as it fits into `width` pixels of text in the font; unchanged when it fits.
std::u16string compactPath(std::u16string_view path, const QFontMetrics& metrics, int width);
// The path as it fits into the widget's text area (an edit's, without its frame and margins).
std::u16string compactPathForWidget(std::u16string_view path, const QWidget& widget);

}  // namespace ui
