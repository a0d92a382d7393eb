#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QTest>

#include "controls/small/FloatEdit.h"
#include "controls/small/NumEdit.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/ScriptedDialogs.h"
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

// Pasted, "nan" and "inf" are read by the C rules but are no number: the field takes 0.
TEST_F(ZahlenFelder, NumEditNimmtNanUndInfNichtAn) {
    for (const char* text : {"nan", "inf", "-inf", "Infinity", "NAN(1)"}) {
        SCOPED_TRACE(text);
        CNumEdit feld;
        feld.Init(1.5, 2, true);
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        uitest::key(feld, Qt::Key_A, Qt::ControlModifier);
        uitest::key(feld, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(feld.text(), QString::fromLatin1(text));
        verlassen(feld);
        EXPECT_EQ(feld.text(), "0.00");
        EXPECT_EQ(feld.GetWert(), 0.0);
    }
}

// A dialog with a name field, a number field, OK as the default button and Cancel.
constexpr int kZahlDialog = 90310;
constexpr int kNameFeld = 1000;
constexpr int kZahlFeld = 1001;

class ZahlDialog : public ui::Dialog {
  public:
    ZahlDialog() : Dialog(kZahlDialog) {
        ui::registerDialogTemplate(
            {kZahlDialog, {160, 70}, 0, u"Flow temperature",
             {{kNameFeld, ui::ControlKind::Edit, {10, 10, 150, 24}},
              {kZahlFeld, ui::ControlKind::Custom, {10, 30, 60, 44}, 0, u"", 0,
               [](QWidget* eltern) { return new CNumEdit(eltern); }},
              {ui::kIdOk, ui::ControlKind::DefButton, {50, 50, 100, 64}, 0, u"OK"},
              {ui::kIdCancel, ui::ControlKind::Button, {105, 50, 155, 64}, 0, u"Cancel"}}});
    }
    double wert = 7.0;

  protected:
    bool onInitDialog() override {
        Dialog::onInitDialog();
        Feld().Init(wert, 2, true);
        return true;
    }
    void doDataExchange(ui::DataExchange& dx) override {
        if (dx.saving()) wert = Feld().GetWert();
    }

  private:
    CNumEdit& Feld() { return *static_cast<CNumEdit*>(ui::child(this, kZahlFeld)); }
};

// Tab into the number field selects its value; what is typed replaces it; Enter is the
// default button's and Escape Cancel's.
TEST_F(ZahlenFelder, ImDialogTabTippenUndEnter) {
    struct Fall {
        const char* getippt;
        Qt::Key ende;
        int ergebnis;
        double wert;
    } faelle[] = {{"12,5", Qt::Key_Return, ui::kIdOk, 12.5}, {"3", Qt::Key_Escape, ui::kIdCancel, 7.0}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.getippt);
        ZahlDialog dlg;
        uitest::dialogs().expectDialog(u"Flow temperature", [&](QDialog& d) {
            QApplication::setActiveWindow(&d);
            // The user starts in the name field (a click of the desktop's own: it gives focus).
            QTest::mouseClick(ui::child(&d, kNameFeld), Qt::LeftButton);
            ASSERT_EQ(QApplication::focusWidget(), ui::child(&d, kNameFeld));
            uitest::key(*QApplication::focusWidget(), Qt::Key_Tab);
            auto* feld = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            ASSERT_EQ(feld, ui::child(&d, kZahlFeld));
            EXPECT_EQ(feld->selectedText(), "7.00");
            uitest::type(*feld, f.getippt);
            uitest::key(*feld, f.ende);
        });
        EXPECT_EQ(dlg.doModal(), f.ergebnis);
        EXPECT_DOUBLE_EQ(dlg.wert, f.wert);
        EXPECT_EQ(uitest::desktop().beeps, 0);
    }
}

}  // namespace
