#include "dialogs/DlgTexte.h"

#include <QLineEdit>
#include <QWidget>

#include "core/value/VRMString.h"
#include "platform/ui/Window.h"

QString DlgText(unsigned textId, bool rand) {
    CVRMString text;
    text.LoadStringW(textId);
    text.Replace(u"\r\n", u"\n");
    if (rand) text = u" " + text + u" ";
    return QString::fromStdU16String(text);
}

void SetzeDlgTexte(QWidget& dialog, std::initializer_list<SDlgText> texte) {
    for (const SDlgText& t : texte)
        ui::setChildText(&dialog, t.id, DlgText(t.textId, t.rand).toStdU16String());
}

void FaerbeNurLesendeFelder(QWidget& dialog) {
    for (QLineEdit* feld : dialog.findChildren<QLineEdit*>()) {
        QPalette farben = dialog.palette();
        if (feld->isReadOnly()) farben.setColor(QPalette::Base, farben.color(QPalette::Window));
        feld->setPalette(farben);
    }
}
