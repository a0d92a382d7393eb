#pragma once
// The application object of the program and of the window tests: a QApplication whose
// event delivery is the exception barrier's last line (see ExceptionBarrier.h), for
// widgets that are not ui::WindowOf<> and for Qt signal handlers of ours. A widget whose
// painting failed is not painted again (see ui::stopPainting).
//
//   int main(int argc, char** argv) { ui::GuardedApplication app(argc, argv); ... }
#include <QApplication>

namespace ui {

class GuardedApplication : public QApplication {
  public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ui
