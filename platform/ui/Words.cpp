#include "platform/ui/Words.h"

#include <QCoreApplication>
#include <utility>

namespace ui {
namespace {

const WordSource*& installed() {
    static const WordSource* source = nullptr;
    return source;
}

struct ButtonWord {
    unsigned textId;     // the framework's string in the language table
    const char* scope;   // where the toolkit keeps its own word
    const char* toolkit;
};

ButtonWord wordOf(StandardButton b) {
    switch (b) {
        case StandardButton::Ok: return {61730, "QPlatformTheme", "OK"};
        case StandardButton::Cancel: return {61731, "QPlatformTheme", "Cancel"};
        case StandardButton::Abort: return {7264, "QPlatformTheme", "Abort"};
        case StandardButton::Retry: return {7265, "QPlatformTheme", "Retry"};
        case StandardButton::Ignore: return {7266, "QPlatformTheme", "Ignore"};
        case StandardButton::Yes: return {7267, "QPlatformTheme", "&Yes"};
        case StandardButton::No: return {7268, "QPlatformTheme", "&No"};
        case StandardButton::Apply: return {61732, "QPlatformTheme", "Apply"};
        case StandardButton::Help: return {61733, "QPlatformTheme", "Help"};
        case StandardButton::Back: return {61734, "QWizard", "< &Back"};
        case StandardButton::Next: return {61735, "QWizard", "&Next >"};
        case StandardButton::Finish: return {61736, "QWizard", "&Finish"};
    }
    return {61730, "QPlatformTheme", "OK"};
}

}  // namespace

const WordSource* setWordSource(const WordSource* source) {
    return std::exchange(installed(), source);
}

std::u16string languageText(unsigned id) {
    if (installed())
        if (auto text = installed()->text(id)) return *text;
    return u"Msg: " + QString::number(id).toStdU16String();
}

std::u16string boxCaption() {
    return installed() ? installed()->caption() : std::u16string();
}

QString buttonWord(StandardButton button) {
    const ButtonWord w = wordOf(button);
    if (installed())
        if (auto text = installed()->text(w.textId)) return QString::fromStdU16String(*text);
    return QCoreApplication::translate(w.scope, w.toolkit);
}

}  // namespace ui
