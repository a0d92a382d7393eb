#include "platform/ui/Words.h"

#include <QCoreApplication>
#include <iterator>
#include <utility>

namespace ui {
namespace {

const WordSource*& installed() {
    static const WordSource* source = nullptr;
    return source;
}

struct ButtonWord {
    unsigned textId;    // the framework's string in the language table
    const char* scope;  // where the toolkit keeps its own word
    const char* toolkit;
};

// In the order of StandardButton.
constexpr ButtonWord kButtonWords[] = {
    {61730, "QPlatformTheme", "OK"},    {61731, "QPlatformTheme", "Cancel"},
    {7264, "QPlatformTheme", "Abort"},  {7265, "QPlatformTheme", "Retry"},
    {7266, "QPlatformTheme", "Ignore"}, {7267, "QPlatformTheme", "&Yes"},
    {7268, "QPlatformTheme", "&No"},    {61732, "QPlatformTheme", "Apply"},
    {61733, "QPlatformTheme", "Help"},  {61734, "QWizard", "< &Back"},
    {61735, "QWizard", "&Next >"},      {61736, "QWizard", "&Finish"},
};
static_assert(std::size(kButtonWords) == static_cast<std::size_t>(StandardButton::Finish) + 1);

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
    const ButtonWord& w = kButtonWords[static_cast<std::size_t>(button)];
    if (installed())
        if (auto text = installed()->text(w.textId)) return QString::fromStdU16String(*text);
    return QCoreApplication::translate(w.scope, w.toolkit);
}

}  // namespace ui
