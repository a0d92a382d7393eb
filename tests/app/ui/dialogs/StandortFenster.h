#pragma once
// What the location dialogs' window tests share: choosing an entry of a box as the user
// does (open the list, click the entry), typing into a field over what it shows, and
// pressing a button of a dialog.
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/ui/Window.h"
#include "tests/support/ui/UiTest.h"

namespace standortfenster {

template <class T = QWidget>
T* element(QWidget& dlg, int id) {
    T* w = qobject_cast<T*>(ui::child(&dlg, id));
    EXPECT_NE(w, nullptr) << "control " << id;
    return w;
}

// Opens the box's list and clicks the entry of that text.
inline void waehle(QDialog& dlg, int id, const QString& text) {
    QComboBox* box = element<QComboBox>(dlg, id);
    if (!box) return;
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << text.toStdString();
    box->showPopup();
    uitest::processEvents();
    QAbstractItemView* liste = box->view();
    const QModelIndex eintrag = liste->model()->index(index, 0);
    liste->scrollTo(eintrag);  // a long list shows only part of its entries
    const QRect feld = liste->visualRect(eintrag);
    ASSERT_TRUE(liste->viewport()->rect().contains(feld.center())) << text.toStdString();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, feld.center());
    uitest::processEvents();
}

// Clicks into the field, selects what it shows and types over it.
inline void tippe(QDialog& dlg, int id, const QString& text) {
    QLineEdit* feld = element<QLineEdit>(dlg, id);
    if (!feld) return;
    uitest::click(*feld, feld->rect().center());
    feld->setFocus();
    uitest::key(*feld, Qt::Key_A, Qt::ControlModifier);
    uitest::type(*feld, text);
}

inline void druecke(QDialog& dlg, int id) {
    QPushButton* knopf = element<QPushButton>(dlg, id);
    if (knopf) uitest::click(*knopf, knopf->rect().center());
}

inline QString text(QDialog& dlg, int id) {
    return QString::fromStdU16String(ui::childText(&dlg, id));
}

}  // namespace standortfenster
