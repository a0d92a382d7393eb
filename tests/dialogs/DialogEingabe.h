#pragma once
// What a user does in the window tests of the dialogs: typing into a field over what it
// held, picking an entry of a list box with the arrow keys, pressing buttons.
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QString>

#include "platform/ui/Window.h"
#include "tests/support/ui/UiTest.h"

namespace dialogtest {

// Selects what the field holds and types `text` over it.
inline void Tippe(QDialog& dlg, int id, const QString& text) {
    QWidget* feld = ui::child(&dlg, id);
    ASSERT_NE(feld, nullptr) << id;
    feld->setFocus();
    uitest::key(*feld, Qt::Key_A, Qt::ControlModifier);
    uitest::type(*feld, text);
}

// Walks the list box to entry `index` with the arrow keys, each step a choice of the user.
inline void Waehle(QDialog& dlg, int id, int index) {
    auto* box = qobject_cast<QComboBox*>(ui::child(&dlg, id));
    ASSERT_NE(box, nullptr) << id;
    ASSERT_TRUE(box->isEnabled()) << id;
    box->setFocus();
    while (box->currentIndex() < index) uitest::key(*box, Qt::Key_Down);
    while (box->currentIndex() > index) uitest::key(*box, Qt::Key_Up);
}

// Opens the list box and clicks entry `index`: one choice, however far away it is.
inline void KlickeEintrag(QDialog& dlg, int id, int index) {
    auto* box = qobject_cast<QComboBox*>(ui::child(&dlg, id));
    ASSERT_NE(box, nullptr) << id;
    box->showPopup();
    uitest::processEvents();
    QAbstractItemView* liste = box->view();
    const QModelIndex eintrag = box->model()->index(index, box->modelColumn());
    liste->scrollTo(eintrag);
    const QPoint p = liste->visualRect(eintrag).center();
    uitest::press(*liste->viewport(), p);
    uitest::release(*liste->viewport(), p);
    uitest::processEvents();
}

inline void Druecke(QDialog& dlg, int id) {
    QWidget* knopf = ui::child(&dlg, id);
    ASSERT_NE(knopf, nullptr) << id;
    uitest::click(*knopf, {5, 5});
}

inline bool Aktiv(QDialog& dlg, int id) {
    QWidget* w = ui::child(&dlg, id);
    return w && w->isEnabled();
}

}  // namespace dialogtest
