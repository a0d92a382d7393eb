#pragma once
// The animation control: plays the frames of an animation resource of the current
// resource module, centred in the control, in a loop on its own timer.
//
//   auto* film = new ui::AnimateCtrl(dialog);
//   film->open(5019);   // not a text id: the wait animation of the language modules
//   // it plays at once (auto-play); stop() and play() as the user of the control needs
//
// An animation resource (type "AVI") is a picture strip: frames of equal width laid side
// by side, each as wide as the strip is high.
#include <QImage>
#include <QWidget>

#include "platform/ui/Window.h"

namespace ui {

class AnimateCtrl : public WindowOf<QWidget> {
  public:
    static constexpr unsigned kFrameTimer = 1;
    static constexpr unsigned kFrameMs = 100;

    explicit AnimateCtrl(QWidget* parent = nullptr, bool autoPlay = true);

    // Loads the animation; false (and an empty control) when the module has none.
    bool open(unsigned resourceId);
    void play();
    void stop();

    bool isOpen() const { return frameCount_ > 0; }
    bool isPlaying() const { return playing_; }
    int frameCount() const { return frameCount_; }
    int currentFrame() const { return frame_; }

  protected:
    void onPaint(DrawContext& dc) override;
    void onTimer(unsigned id) override;

  private:
    QImage strip_;
    int frameCount_ = 0;
    int frame_ = 0;
    bool autoPlay_;
    bool playing_ = false;
};

}  // namespace ui
