#include "platform/ui/AnimateCtrl.h"

#include <QPainter>

#include "platform/resources/Resources.h"

namespace ui {

AnimateCtrl::AnimateCtrl(QWidget* parent, bool autoPlay)
    : WindowOf<QWidget>(parent), autoPlay_(autoPlay) {}

bool AnimateCtrl::open(unsigned resourceId) {
    stop();
    strip_ = QImage();
    frameCount_ = 0;
    frame_ = 0;
    const auto bytes =
        platform::findResource(platform::currentResourceModule(), u"AVI", resourceId);
    if (bytes) {
        strip_.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                            static_cast<int>(bytes->size()));
    }
    if (!strip_.isNull() && strip_.height() > 0) frameCount_ = strip_.width() / strip_.height();
    update();
    if (frameCount_ == 0) return false;
    if (autoPlay_) play();
    return true;
}

void AnimateCtrl::play() {
    if (frameCount_ == 0) return;
    playing_ = true;
    setTimer(kFrameTimer, kFrameMs);
}

void AnimateCtrl::stop() {
    playing_ = false;
    killTimer(kFrameTimer);
}

void AnimateCtrl::onTimer(unsigned id) {
    if (id != kFrameTimer || frameCount_ == 0) return;
    frame_ = (frame_ + 1) % frameCount_;
    update();
}

void AnimateCtrl::onPaint(DrawContext& dc) {
    QPainter& p = dc.painter();
    p.fillRect(rect(), palette().window());
    if (frameCount_ == 0) return;
    const int seite = strip_.height();
    const QRect quelle(frame_ * seite, 0, seite, seite);
    const QRect ziel((width() - seite) / 2, (height() - seite) / 2, seite, seite);
    p.drawImage(ziel, strip_, quelle);
}

}  // namespace ui
