#include "platform/ui/Desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QProcess>
#include <QRegularExpression>

namespace ui {
namespace {

DesktopService*& installed() {
    static DesktopService* s = nullptr;
    return s;
}

int& waitDepth() {
    static int depth = 0;
    return depth;
}

QString qs(std::u16string_view t) {
    return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
}

}  // namespace

bool QtDesktop::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool QtDesktop::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

void QtDesktop::setWaitCursor(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtDesktop::beep() { QApplication::beep(); }

bool QtDesktop::setClipboardImage(const QImage& image) {
    if (image.isNull() || !QApplication::clipboard()) return false;
    QApplication::clipboard()->setImage(image);
    return true;
}

DesktopService& desktop() {
    static QtDesktop qt;
    return installed() ? *installed() : qt;
}

DesktopService* installDesktop(DesktopService* s) { return std::exchange(installed(), s); }

QUrl Shell::targetUrl(std::u16string_view target) {
    const QString t = qs(target);
    // Two or more letters before ":" make a scheme; "c:" alone would be a drive letter.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(t).hasMatch()) return QUrl(t, QUrl::TolerantMode);
    return QUrl::fromLocalFile(t);
}

bool Shell::open(std::u16string_view target) {
    if (target.empty()) return false;
    return desktop().openUrl(targetUrl(target));
}

bool Shell::start(const std::filesystem::path& program, const std::vector<std::u16string>& args) {
    QStringList list;
    for (const auto& a : args) list << QString::fromStdU16String(a);
    return desktop().startProgram(QString::fromStdString(program.string()), list);
}

std::filesystem::path HelpViewer::topicPath(const std::filesystem::path& helpFile,
                                            std::u16string_view topic) {
    const std::filesystem::path folder = helpFile.parent_path() / helpFile.stem() / "html";
    const std::u16string name = std::u16string(topic) + u".htm";
    return folder / std::filesystem::path(name);
}

std::filesystem::path HelpViewer::pageOf(const std::filesystem::path& helpFile,
                                         std::u16string_view topic) {
    const std::filesystem::path page = topicPath(helpFile, topic);
    // A topic is a name, not a path: one that climbs out of the help folder is not opened.
    const bool plainName = topic.find(u'/') == std::u16string_view::npos && topic != u".." &&
                           !topic.empty();
    if (!plainName || !std::filesystem::exists(page)) return topicPath(helpFile, u"index");
    return page;
}

bool HelpViewer::showTopic(const std::filesystem::path& helpFile, std::u16string_view topic) {
    const std::filesystem::path page = pageOf(helpFile, topic);
    return desktop().openUrl(QUrl::fromLocalFile(QString::fromStdString(page.string())));
}

bool HelpViewer::showContents(const std::filesystem::path& helpFile) {
    return showTopic(helpFile, u"index");
}

WaitCursor::WaitCursor() {
    if (waitDepth()++ == 0) desktop().setWaitCursor(true);
}

WaitCursor::~WaitCursor() {
    if (--waitDepth() == 0) desktop().setWaitCursor(false);
}

}  // namespace ui
