#include "platform/ui/CommonDialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace ui {
namespace {

CommonDialogPresenter*& installed() {
    static CommonDialogPresenter* p = nullptr;
    return p;
}

CommonDialogPresenter& presenter() {
    static QtCommonDialogPresenter qt;
    return installed() ? *installed() : qt;
}

QString qs(std::u16string_view t) {
    return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size()));
}

}  // namespace

QString qtFilter(std::u16string_view filter) {
    const QStringList parts = qs(filter).split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        out << parts[i].trimmed() + QStringLiteral(" (") + patterns.trimmed() + u')';
    }
    return out.join(QStringLiteral(";;"));
}

std::u16string withDefaultExtension(std::u16string path, std::u16string_view ext) {
    if (ext.empty()) return path;
    const QFileInfo info(QString::fromStdU16String(path));
    if (!info.suffix().isEmpty()) return path;
    return path + u"." + qs(ext).toLower().toStdU16String();
}

std::optional<std::u16string> QtCommonDialogPresenter::file(const FileDialogRequest& r) {
    QString start = qs(r.startDir);
    if (start.isEmpty()) start = QDir::homePath();
    if (!r.fileName.empty()) start = QDir(start).filePath(qs(r.fileName));
    QFileDialog::Options options;
    if (!r.overwritePrompt) options |= QFileDialog::DontConfirmOverwrite;
    const QString filter = qtFilter(r.filter);
    QString chosen = r.save ? QFileDialog::getSaveFileName(r.parent, qs(r.title), start, filter,
                                                           nullptr, options)
                            : QFileDialog::getOpenFileName(r.parent, qs(r.title), start, filter,
                                                           nullptr, options);
    if (chosen.isEmpty()) return std::nullopt;
    return withDefaultExtension(chosen.toStdU16String(), r.defaultExt);
}

std::optional<std::u16string> QtCommonDialogPresenter::folder(std::u16string_view title,
                                                              std::u16string_view start) {
    const QString chosen = QFileDialog::getExistingDirectory(nullptr, qs(title), qs(start));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdU16String();
}

std::optional<ColourRef> QtCommonDialogPresenter::colour(ColourRef initial) {
    const QColor c = QColorDialog::getColor(toQColor(initial));
    if (!c.isValid()) return std::nullopt;
    return fromQColor(c);
}

std::optional<std::u16string> CommonDialogs::file(const FileDialogRequest& r) {
    return presenter().file(r);
}
std::optional<std::u16string> CommonDialogs::folder(std::u16string_view title,
                                                    std::u16string_view start) {
    return presenter().folder(title, start);
}
std::optional<ColourRef> CommonDialogs::colour(ColourRef initial) {
    return presenter().colour(initial);
}
CommonDialogPresenter* CommonDialogs::install(CommonDialogPresenter* p) {
    return std::exchange(installed(), p);
}

}  // namespace ui
