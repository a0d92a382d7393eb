#include "tests/support/ui/UiTest.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "platform/errors/UserException.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace uitest {
namespace {

std::vector<WindowError>& errors() {
    static std::vector<WindowError> e;
    return e;
}

QPoint global(QWidget& w, QPoint p) { return w.mapToGlobal(p); }

void sendMouse(QWidget& w, QEvent::Type type, QPoint p, Qt::MouseButton b,
               Qt::MouseButtons held, Qt::KeyboardModifiers m) {
    QMouseEvent e(type, QPointF(p), QPointF(global(w, p)), b, held, m);
    QApplication::sendEvent(&w, &e);
}

}  // namespace

RecordingDesktop& desktop() {
    static RecordingDesktop d;
    return d;
}

ui::ManualClock& clock() {
    static ui::ManualClock c;
    return c;
}

void recordWindowError(std::exception_ptr error, ui::Msg message) {
    std::string what;
    try {
        std::rethrow_exception(error);
    } catch (const platform::UserException&) {
        what = "user exception";
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
        what = "unknown exception";
    }
    errors().push_back({message, what});
}

std::vector<WindowError> takeWindowErrors() { return std::exchange(errors(), {}); }

std::string artifactDir() {
    const QString dir = QStringLiteral(VARM_ARTIFACT_DIR);
    QDir().mkpath(dir);
    return dir.toStdString();
}

QImage render(QWidget& widget) {
    if (!widget.isVisible()) widget.show();
    QCoreApplication::processEvents();
    return widget.grab().toImage();
}

std::string saveArtifact(const QImage& image, const std::string& name) {
    const std::string path = artifactDir() + "/" + name + ".png";
    image.save(QString::fromStdString(path), "PNG");
    return path;
}

std::string saveArtifact(QWidget& widget, const std::string& name) {
    return saveArtifact(render(widget), name);
}

void press(QWidget& w, QPoint p, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    sendMouse(w, QEvent::MouseButtonPress, p, b, b, m);
}

void release(QWidget& w, QPoint p, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    sendMouse(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton, m);
}

void click(QWidget& w, QPoint p, Qt::MouseButton b, Qt::KeyboardModifiers m) {
    press(w, p, b, m);
    release(w, p, b, m);
}

void doubleClick(QWidget& w, QPoint p, Qt::MouseButton b) {
    press(w, p, b, {});
    release(w, p, b, {});
    sendMouse(w, QEvent::MouseButtonDblClick, p, b, b, {});
    release(w, p, b, {});
}

void move(QWidget& w, QPoint p, Qt::MouseButtons held) {
    QCursor::setPos(global(w, p));
    sendMouse(w, QEvent::MouseMove, p, Qt::NoButton, held, {});
}

void wheel(QWidget& w, QPoint p, int delta) {
    QWheelEvent e(QPointF(p), QPointF(global(w, p)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
}

void key(QWidget& w, Qt::Key k, Qt::KeyboardModifiers m) { QTest::keyClick(&w, k, m); }

void type(QWidget& w, const QString& text) { QTest::keyClicks(&w, text); }

void resetForTest() {
    clock().reset();
    desktop().reset();
    errors().clear();
}

void Fixture::TearDown() {
    processEvents();
    dialogs().finishTest();
    for (const WindowError& e : takeWindowErrors())
        ADD_FAILURE() << "Unexpected error in window message " << static_cast<unsigned>(e.message)
                      << ": " << e.what;
    clock().reset();
}

void processEvents() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace uitest
