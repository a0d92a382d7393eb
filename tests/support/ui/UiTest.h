#pragma once
// The headless harness of the window tests. Link a test executable with
// `varm_ui_test_support` (it brings its own main; do not add GTest::gtest_main). Then:
// - one ui::GuardedApplication on the offscreen platform for the whole executable;
// - fixed system colours (classic scheme, also as the application palette), the Fusion
//   style, "Liberation Sans" 12 px as the application font, the C numeric locale;
// - a manual clock for window timers: `uitest::clock().advance(500)`;
// - scripted dialogs and message boxes (ScriptedDialogs.h): an unscripted one fails the
//   test with its caption, and a script left unused at the end of a test fails it too;
// - errors caught by the exception barrier are recorded; a test that expects them takes
//   them with `takeWindowErrors()`; with uitest::Fixture any left over fail the test, as
//   do dialog scripts left unused;
// - a recording desktop (RecordingDesktop.h): nothing is opened, started or beeped;
// - `saveArtifact(widget, "name")` writes build/artifacts/name.png for a person to look at.
#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <exception>
#include <string>
#include <vector>

#include "platform/ui/Messages.h"
#include "platform/ui/Timers.h"

class QWidget;

namespace uitest {

ui::ManualClock& clock();

struct WindowError {
    ui::Msg message;
    std::string what;  // "user exception" for platform::UserException
};
std::vector<WindowError> takeWindowErrors();

// The folder of the artifacts (created on demand).
std::string artifactDir();
// Renders the widget (shown off screen if needed) and writes <artifactDir>/<name>.png.
// Answers the path written.
std::string saveArtifact(QWidget& widget, const std::string& name);
std::string saveArtifact(const QImage& image, const std::string& name);
// The widget rendered into an image, as the screen would show it.
QImage render(QWidget& widget);

// Input. Clicks and double clicks send the events in the desktop's order:
// press, release, double-click, release.
void click(QWidget& w, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
void doubleClick(QWidget& w, QPoint p, Qt::MouseButton b = Qt::LeftButton);
void press(QWidget& w, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
void release(QWidget& w, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {});
void move(QWidget& w, QPoint p, Qt::MouseButtons held = {});
void wheel(QWidget& w, QPoint p, int delta);
void key(QWidget& w, Qt::Key k, Qt::KeyboardModifiers m = {});
void type(QWidget& w, const QString& text);
// Runs queued events (posted commands, deferred deletes, idle updates).
void processEvents();

// The fixture of window tests: at the end of each test, unused dialog scripts and barrier
// reports the test did not take fail it.
class Fixture : public testing::Test {
  protected:
    void TearDown() override;
};

}  // namespace uitest
