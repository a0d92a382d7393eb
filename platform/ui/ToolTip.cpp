#include "platform/ui/ToolTip.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace ui {
namespace {
// Qt's tip takes its look from the style sheet of the widget it is shown for.
constexpr char kBalloonSheet[] =
    "QToolTip { border: 1px solid palette(shadow); border-radius: 7px; padding: 4px 6px; }";
}  // namespace

ToolTip::ToolTip(QWidget& window, unsigned style) : QObject(&window), window_(window), style_(style) {
    if (balloon()) {
        styleHost_ = new QWidget(&window);
        styleHost_->setObjectName("ToolTipStyle");
        styleHost_->setGeometry(0, 0, 0, 0);
        styleHost_->setAttribute(Qt::WA_TransparentForMouseEvents);
        styleHost_->setStyleSheet(kBalloonSheet);
        styleHost_->hide();
    }
    window.installEventFilter(this);
}

ToolTip::~ToolTip() { window_.removeEventFilter(this); }

void ToolTip::addTool(std::u16string_view text) {
    hasTool_ = true;
    text_ = text;
}

void ToolTip::updateTipText(std::u16string_view text) { text_ = text; }

QString ToolTip::tipText() const {
    const QString plain = QString::fromStdU16String(text_);
    if (maxWidth_ <= 0 || QFontMetrics(QToolTip::font()).horizontalAdvance(plain) <= maxWidth_)
        return plain;
    return QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
        .arg(maxWidth_)
        .arg(plain.toHtmlEscaped());
}

bool ToolTip::showAt(const QPoint& globalPos) {
    if (!active_ || !hasTool_ || text_.empty()) {
        QToolTip::hideText();
        return false;
    }
    QWidget* host = styleHost_ ? styleHost_ : &window_;
    // The tool covers the client area: the tip goes when the mouse leaves it.
    const QRect area(host->mapFrom(&window_, QPoint(0, 0)), window_.size());
    QToolTip::showText(globalPos, tipText(), host, area);
    return true;
}

bool ToolTip::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || event->type() != QEvent::ToolTip) return false;
    showAt(static_cast<QHelpEvent*>(event)->globalPos());
    return true;
}

}  // namespace ui
