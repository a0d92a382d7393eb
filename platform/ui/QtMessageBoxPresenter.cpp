#include "platform/ui/QtMessageBoxPresenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <map>

#include "platform/ui/ModalDriver.h"
#include "platform/ui/Words.h"

namespace ui {
namespace {

QMessageBox::StandardButton standardOf(int id) {
    switch (id) {
        case platform::id::OK: return QMessageBox::Ok;
        case platform::id::CANCEL: return QMessageBox::Cancel;
        case platform::id::ABORT: return QMessageBox::Abort;
        case platform::id::RETRY: return QMessageBox::Retry;
        case platform::id::IGNORE: return QMessageBox::Ignore;
        case platform::id::YES: return QMessageBox::Yes;
        case platform::id::NO: return QMessageBox::No;
        default: return QMessageBox::NoButton;
    }
}

// The buttons speak the program's language, not Qt's.
StandardButton wordOf(int id) {
    switch (id) {
        case platform::id::CANCEL: return StandardButton::Cancel;
        case platform::id::ABORT: return StandardButton::Abort;
        case platform::id::RETRY: return StandardButton::Retry;
        case platform::id::IGNORE: return StandardButton::Ignore;
        case platform::id::YES: return StandardButton::Yes;
        case platform::id::NO: return StandardButton::No;
        default: return StandardButton::Ok;
    }
}

QMessageBox::Icon iconOf(std::uint32_t style) {
    switch (style & platform::mb::ICONMASK) {
        case platform::mb::ICONERROR: return QMessageBox::Critical;
        case platform::mb::ICONQUESTION: return QMessageBox::Question;
        case platform::mb::ICONEXCLAMATION: return QMessageBox::Warning;
        case platform::mb::ICONINFORMATION: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

// What Escape or closing the box answers: Cancel, else No (a Yes/No question such as "Really
// exit?" must not be confirmed by Escape), else the default button.
int escapeAnswer(const std::vector<int>& ids, uint32_t style) {
    for (int id : {platform::id::CANCEL, platform::id::NO})
        if (std::find(ids.begin(), ids.end(), id) != ids.end()) return id;
    return platform::defaultAnswer(style);
}

// The window the box belongs to: the active one while it is on screen. One already hidden
// (a wizard just finished) is on its way out; the box then stands on its own.
QWidget* ownerWindow() {
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : nullptr;
}

// The box stays above its owner and starts over its middle, but it is not the owner's
// child: the owner may close or be deleted while the box waits, and the box must wait on
// for its answer rather than go with it.
class OwnedBox : public QMessageBox {
  public:
    OwnedBox(Icon icon, const QString& caption, const QString& text, QWidget* owner)
        : QMessageBox(icon, caption, text, QMessageBox::NoButton), owner_(owner) {
        if (!owner) return;
        winId();
        if (QWindow* handle = windowHandle()) handle->setTransientParent(owner->windowHandle());
    }

  protected:
    // The box has its final size only once it is shown.
    void showEvent(QShowEvent* e) override {
        QMessageBox::showEvent(e);
        if (owner_) move(pos() + owner_->frameGeometry().center() - frameGeometry().center());
    }

  private:
    QPointer<QWidget> owner_;
};

}  // namespace

int QtMessageBoxPresenter::present(const platform::MessageBoxRequest& r) {
    const std::vector<int> ids = platform::buttonsOf(r.style);
    OwnedBox box(iconOf(r.style), QString::fromStdU16String(r.caption),
                 QString::fromStdU16String(r.text), ownerWindow());
    for (int id : ids) {
        QAbstractButton* button = box.addButton(standardOf(id));
        button->setText(buttonWord(wordOf(id)));
    }
    box.setDefaultButton(standardOf(platform::defaultAnswer(r.style)));
    const int escape = escapeAnswer(ids, r.style);
    box.setEscapeButton(box.button(standardOf(escape)));
    ModalDriver::runModal(box);
    for (int id : ids)
        if (box.clickedButton() == box.button(standardOf(id))) return id;
    return escape;
}

}  // namespace ui
