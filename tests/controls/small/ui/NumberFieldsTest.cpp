#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QTest>

#include "controls/small/FloatEdit.h"
#include "controls/small/NumEdit.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/UiTest.h"

namespace {

class ZahlenFelder : public uitest::Fixture {
  protected:
    void SetUp() override { uitest::desktop().reset(); }
};

void verlassen(QWidget& w) {
    QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&w, &aus);
}

TEST_F(ZahlenFelder, FloatEditTipptWieVorgesehen) {
    CFloatEdit feld(nullptr, 1);
    uitest::type(feld, "1,25");
    EXPECT_EQ(feld.text(), "1.2");
    uitest::type(feld, ".");
    EXPECT_EQ(feld.text(), "1.2");
    // With the point selected, a new separator replaces it.
    feld.setSelection(1, 2);
    uitest::type(feld, ",");
    EXPECT_EQ(feld.text(), "1.");
    uitest::key(feld, Qt::Key_Backspace);
    EXPECT_EQ(feld.text(), "1");

    CFloatEdit ganz(nullptr, 0);
    uitest::type(ganz, "1,5.0");
    EXPECT_EQ(ganz.text(), "150");
}

TEST_F(ZahlenFelder, NumEditTipptUndPieptBeiAbgelehntenTasten) {
    CNumEdit feld;
    feld.Init(0.0, 2, true);
    feld.clear();
    uitest::type(feld, "-3,14");
    EXPECT_EQ(feld.text(), "-3.14");
    EXPECT_EQ(uitest::desktop().beeps, 0);
    uitest::type(feld, "9-");  // a third decimal, a second minus
    EXPECT_EQ(feld.text(), "-3.14");
    EXPECT_EQ(uitest::desktop().beeps, 2);
    uitest::key(feld, Qt::Key_Backspace);
    EXPECT_EQ(feld.text(), "-3.1");
    feld.setCursorPosition(0);
    uitest::type(feld, ".");
    EXPECT_EQ(feld.text(), "-3.1");
    EXPECT_EQ(uitest::desktop().beeps, 3);
}

TEST_F(ZahlenFelder, NumEditZeigtBeimVerlassenDieStellen) {
    CNumEdit feld;
    feld.Init(1.5, 2, true);
    EXPECT_EQ(feld.text(), "1.50");
    feld.setText("7");
    verlassen(feld);
    EXPECT_EQ(feld.text(), "7.00");
    EXPECT_DOUBLE_EQ(feld.GetWert(), 7.0);
    feld.setText("12.5kW");  // the leading number counts
    EXPECT_DOUBLE_EQ(feld.GetWert(), 12.5);
    feld.SetWert(3.14159);
    EXPECT_EQ(feld.text(), "3.14");
}

TEST_F(ZahlenFelder, KuerzelGehenAmZeichentestVorbei) {
    // Paste is not filtered, and copy/select all reach the edit, in both fields.
    CNumEdit num;
    num.Init(0.0, 2, true);
    CFloatEdit frei(nullptr, 1);
    for (QLineEdit* feld : {static_cast<QLineEdit*>(&num), static_cast<QLineEdit*>(&frei)}) {
        feld->setText("12.5");
        uitest::key(*feld, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(feld->selectedText(), "12.5");
        uitest::key(*feld, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), "12.5");
        QApplication::clipboard()->setText("ab,c.d.e");
        uitest::key(*feld, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(feld->text(), "ab,c.d.e");
        uitest::key(*feld, Qt::Key_A, Qt::ControlModifier);
        uitest::key(*feld, Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(feld->text(), "");
    }
    EXPECT_EQ(uitest::desktop().beeps, 0);
}

}  // namespace
