#pragma once
// The desktop of the window tests (installed by the harness): nothing is opened or
// started; every request is recorded for the test to read. `oeffnet = false` makes it a
// desktop that can open nothing (no browser).
//
//   EXPECT_EQ(uitest::desktop().opened.back().toString(), "mailto:a@b.c");
#include <QImage>
#include <QStringList>
#include <QUrl>
#include <utility>
#include <vector>

#include "platform/ui/Desktop.h"

namespace uitest {

class RecordingDesktop : public ui::DesktopService {
  public:
    bool openUrl(const QUrl& url) override {
        opened.push_back(url);
        return oeffnet;
    }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        started.emplace_back(program, arguments);
        return true;
    }
    void setWaitCursor(bool on) override { waitCursor.push_back(on); }
    void beep() override { ++beeps; }
    bool setClipboardImage(const QImage& image) override {
        clipboard = image;
        return !image.isNull();
    }
    void reset() { *this = RecordingDesktop(); }

    std::vector<QUrl> opened;
    std::vector<std::pair<QString, QStringList>> started;
    std::vector<bool> waitCursor;
    int beeps = 0;
    QImage clipboard;
    bool oeffnet = true;  // false: a desktop without a program to open anything
};

RecordingDesktop& desktop();

}  // namespace uitest
