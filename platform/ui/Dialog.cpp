#include "platform/ui/Dialog.h"

#include <QAbstractButton>

#include "platform/errors/UserException.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ModalDriver.h"

namespace ui {

Dialog::Dialog(int templateId, QWidget* parent) : WindowOf<QDialog>(parent), templateId_(templateId) {}

void Dialog::create() {
    if (created_) return;
    created_ = true;
    if (const DialogTemplate* t = findDialogTemplate(templateId_)) {
        setWindowTitle(QString::fromStdU16String(t->captionTextId ? languageText(t->captionTextId)
                                                                  : t->caption));
        setFont(toQFont(t->font));
        const Size size = dialogUnitsToPixels(t->du, t->font);
        setFixedSize(size.cx, size.cy);
        for (QWidget* w : buildControls(*this, *t)) {
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (!button) continue;
            const int id = ui::controlId(w);
            QObject::connect(button, &QAbstractButton::clicked, this,
                             [this, id] { sendCommand(*this, id, 0, nullptr); });
        }
    }
    guarded(Msg::InitDialog, [&] { onInitDialog(); });
}

int Dialog::doModal() {
    create();
    return ModalDriver::runModal(*this);
}

bool Dialog::createModeless(bool visible) {
    create();
    if (visible) show();
    return true;
}

void Dialog::endDialog(int result) { QDialog::done(result); }

bool Dialog::updateData(bool save) {
    DataExchange dx(*this, save);
    try {
        doDataExchange(dx);
        return true;
    } catch (const platform::UserException&) {
        return false;
    }
}

bool Dialog::onInitDialog() {
    updateData(false);
    return true;
}

void Dialog::onOK() {
    if (updateData(true)) endDialog(kIdOk);
}

void Dialog::onCancel() { endDialog(kIdCancel); }

bool Dialog::onCommand(int id, int, Window*) {
    if (id == kIdOk) {
        onOK();
        return true;
    }
    if (id == kIdCancel) {
        onCancel();
        return true;
    }
    return false;
}

void Dialog::accept() {
    guarded(Msg::Command, [&] { onOK(); });
}

void Dialog::reject() {
    guarded(Msg::Command, [&] { onCancel(); });
}

}  // namespace ui
