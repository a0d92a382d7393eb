#include "platform/ui/CommonDialogs.h"

#include <QApplication>
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

// An existing folder to start in: the one asked for, else the home folder.
QString startFolder(std::u16string_view asked) {
    const QString folder = qs(asked);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

}  // namespace

QString qtFilter(std::u16string_view filter) {
    const QStringList parts = qs(filter).split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) break;
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
        }
        out << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(u' ') + u')';
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
    QString start = startFolder(r.startDir);
    if (!r.fileName.empty()) start = QDir(start).filePath(qs(r.fileName));
    QFileDialog dialog(r.parent, qs(r.title), start, qtFilter(r.filter));
    dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!r.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (r.programs) {
        // Programs carry no extension here: the first filter lists the executable files.
        const QDir::Filters alle = QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot;
        auto zeige = [&dialog, alle](const QString& filter) {
            const bool programme = dialog.nameFilters().value(0) == filter;
            dialog.setFilter(programme ? alle | QDir::Executable : alle);
        };
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, zeige);
        zeige(dialog.selectedNameFilter());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return withDefaultExtension(dialog.selectedFiles().front().toStdU16String(), r.defaultExt);
}

std::optional<std::u16string> QtCommonDialogPresenter::folder(std::u16string_view title,
                                                              std::u16string_view start) {
    const QString chosen = QFileDialog::getExistingDirectory(QApplication::activeModalWidget(),
                                                             qs(title), startFolder(start));
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdU16String();
}

std::optional<ColourRef> QtCommonDialogPresenter::colour(ColourRef initial) {
    const QColor c = QColorDialog::getColor(toQColor(initial), QApplication::activeModalWidget());
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
