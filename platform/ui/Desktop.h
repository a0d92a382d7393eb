#pragma once
// What the program asks of the desktop, behind one replaceable service: open a file or an
// address with its default program, start a program, the wait cursor, the system beep and
// the clipboard. QtDesktop is the default; tests install a recording one.
//
//   ui::Shell::open(u"https://example.org");       // or a file path, or "mailto:..."
//   ui::Shell::start("/usr/bin/prog", {u"/path/with spaces.doc"});
//   ui::HelpViewer::showTopic(u"/opt/varmion/Varmion.chm", u"options");
//   { ui::WaitCursor wait; longWork(); }
//   ui::Clipboard::setImage(chart);
//
// The target of open/start is always one argument handed to the program as it is, never
// a command line for a shell, so spaces, quotes or ";" in a name cannot run anything.
#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class DesktopService {
  public:
    virtual ~DesktopService() = default;
    virtual bool openUrl(const QUrl& url) = 0;
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    virtual void setWaitCursor(bool on) = 0;
    virtual void beep() = 0;
    virtual bool setClipboardImage(const QImage& image) = 0;
};

class QtDesktop : public DesktopService {
  public:
    bool openUrl(const QUrl& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    void setWaitCursor(bool on) override;
    void beep() override;
    bool setClipboardImage(const QImage& image) override;
};

DesktopService& desktop();
// Not owned; nullptr restores QtDesktop. Returns the previous service.
DesktopService* installDesktop(DesktopService* service);

namespace Shell {
// A URL with a scheme ("http:", "mailto:", "file:") as it is, anything else as a local path.
QUrl targetUrl(std::u16string_view target);
bool open(std::u16string_view target);
bool start(const std::filesystem::path& program, const std::vector<std::u16string>& arguments);
}  // namespace Shell

// Help: one HTML page per topic in the folder named after the help file without its
// extension: "<dir>/<name>/html/<topic>.htm"; a missing page falls back to the contents
// page "<dir>/<name>/html/index.htm".
class HelpViewer {
  public:
    static std::filesystem::path topicPath(const std::filesystem::path& helpFile,
                                           std::u16string_view topic);
    // The page showTopic opens: the topic's, else the contents page.
    static std::filesystem::path pageOf(const std::filesystem::path& helpFile,
                                        std::u16string_view topic);
    // False when the desktop could not open the page (no browser).
    static bool showTopic(const std::filesystem::path& helpFile, std::u16string_view topic);
    static bool showContents(const std::filesystem::path& helpFile);
};

// The wait cursor while it lives; nests.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

class Clipboard {
  public:
    static bool setImage(const QImage& image) { return desktop().setClipboardImage(image); }
};

inline void beep() { desktop().beep(); }

}  // namespace ui
