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
        const Size size = buildFromTemplate(*this, *this, *t);
        setFixedSize(size.cx, size.cy);
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
