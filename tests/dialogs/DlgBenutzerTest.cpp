// The user data dialog: the nine texts read when it opens and handed back on OK, kept in
// the user database; the logo from its file or the default logo; the file choice and its
// cancel question.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>

#include "controls/html/PPHtmlStatic.h"
#include "controls/small/PicStatic.h"
#include "dialogs/DlgBenutzer.h"
#include "platform/messagebox/MessageBox.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/DialogFixture.h"
#include "tests/support/ui/ScriptedDialogs.h"

namespace {

using dialogtest::Text;
using platform::id::NO;
using platform::id::YES;

class DlgBenutzerTest : public dialogtest::DialogFixture {
  protected:
    DlgBenutzerTest() {
        QImage bild(40, 20, QImage::Format_RGB32);
        bild.fill(Qt::darkGreen);
        bild.save(QString::fromStdString(logo.string()), "PNG");
        QImage anderes(30, 30, QImage::Format_RGB32);
        anderes.fill(Qt::red);
        anderes.save(QString::fromStdString(neuesLogo.string()), "PNG");
    }
    void Oeffne() {
        dlg.reset();
        daten = std::make_unique<CBenutzerDaten>();
        dlg = std::make_unique<CDlgBenutzer>(nullptr, *daten);
        dlg->createModeless(true);
        uitest::processEvents();
    }
    QLineEdit& Edit(int id) { return *qobject_cast<QLineEdit*>(ui::child(dlg.get(), id)); }
    void Klicke(int id) { uitest::click(*ui::child(dlg.get(), id), {5, 5}); }
    QSize LogoGroesse() { return dlg->Logo()->image().size(); }
    static QSize StandardGroesse() {
        CPicStatic probe;
        probe.LoadFromResource(IDB_STANDARD_LOGO, u"BMP");
        return probe.image().size();
    }

    std::filesystem::path logo = ordner.file("logo.png");
    std::filesystem::path neuesLogo = ordner.file("neu.png");
    std::unique_ptr<CBenutzerDaten> daten;
    std::unique_ptr<CDlgBenutzer> dlg;
};

TEST_F(DlgBenutzerTest, ZeigtDieGespeichertenDatenUndGibtSieMitOkZurueck) {
    LadeDatenbanken({u"[Benutzerdaten]", u"Firma=Wärme & Co", u"BenOrt=34117 Kassel",
                     u"BenLogo=" + logo.u16string()});
    Oeffne();
    EXPECT_EQ(Edit(CDlgBenutzer::kIdcFirma).text(), QStringLiteral("Wärme & Co"));
    EXPECT_EQ(Edit(CDlgBenutzer::kIdcOrt).text(), QStringLiteral("34117 Kassel"));
    EXPECT_EQ(Edit(CDlgBenutzer::kIdcTel).text(), QString());
    EXPECT_FALSE(dlg->ZeigtStandardLogo());
    EXPECT_EQ(LogoGroesse(), QSize(40, 20));
    EXPECT_EQ(dlg->windowTitle().toStdU16String(), Text(4285));
    EXPECT_EQ(ui::childText(dlg.get(), 1770), u" " + Text(4305) + u" ");
    EXPECT_EQ(ui::childText(dlg.get(), 1772), Text(4397));

    const struct {
        int edit;
        const char* eingabe;
        const char16_t* zeile;
    } felder[] = {
        {CDlgBenutzer::kIdcBearbeiter, "Anna Schmidt", u"BenBearbeiter=Anna Schmidt"},
        {CDlgBenutzer::kIdcStrasse, "Ringstraße 5", u"BenStrasse=Ringstraße 5"},
        {CDlgBenutzer::kIdcTel, "0561 123", u"BenTel=0561 123"},
        {CDlgBenutzer::kIdcFax, "0561 124", u"BenFax=0561 124"},
        {CDlgBenutzer::kIdcEmail, "info@waerme.example", u"BenEmail=info@waerme.example"},
        {CDlgBenutzer::kIdcInternet, "www.waerme.example", u"BenInternet=www.waerme.example"},
    };
    for (const auto& f : felder) uitest::type(Edit(f.edit), QString::fromUtf8(f.eingabe));
    Klicke(1);
    EXPECT_FALSE(dlg->isVisible());
    for (const auto& f : felder) EXPECT_TRUE(UserHat(u"Benutzerdaten", f.zeile)) << f.eingabe;
    EXPECT_TRUE(UserHat(u"Benutzerdaten", u"Firma=Wärme & Co"));
    EXPECT_TRUE(UserHat(u"Benutzerdaten", u"BenLogo=" + logo.u16string()));
    EXPECT_EQ(daten->GetWert(ID_BenTel).GetStringVal(), u"0561 123");
}

TEST_F(DlgBenutzerTest, AbbrechenGibtNichtsZurueckAuchNichtDasGewaehlteLogo) {
    LadeDatenbanken({u"[Benutzerdaten]", u"Firma=Wärme & Co"});
    const std::string vorher = UserBytes();
    Oeffne();
    uitest::type(Edit(CDlgBenutzer::kIdcFirma), QStringLiteral(" GmbH"));
    uitest::dialogs().expectFile(neuesLogo.u16string());
    Klicke(CDlgBenutzer::kIdcLogoWaehlen);
    EXPECT_EQ(dlg->LogoDatei(), neuesLogo.u16string());
    Klicke(2);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(UserBytes(), vorher);
    EXPECT_EQ(daten->GetWert(ID_Firma).GetStringVal(), u"Wärme & Co");
    EXPECT_EQ(daten->GetWert(ID_BenLogo).GetStringVal(), u"");
}

TEST_F(DlgBenutzerTest, LogoAusDatei) {
    const std::u16string fehlt = ordner.file("weg.png").u16string();
    const struct {
        const char* fall;
        std::u16string gespeichert;
        std::optional<std::u16string> gewaehlt;  // nullopt: the file dialog is cancelled
        int antwort;                             // to the question after a cancel; 0: none asked
        std::u16string logoDanach;
        bool standard;
        QSize groesse;  // empty: the default logo's
    } faelle[] = {
        {"a stored logo whose file is gone", fehlt, neuesLogo.u16string(), 0, neuesLogo.u16string(),
         false, QSize(30, 30)},
        {"cancel and No keeps the logo", logo.u16string(), std::nullopt, NO, logo.u16string(),
         false, QSize(40, 20)},
        {"cancel and Yes removes it", logo.u16string(), std::nullopt, YES, u"", true, QSize()},
        {"cancel and No keeps a gone file's path", fehlt, std::nullopt, NO, fehlt, true, QSize()},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        uitest::dialogs().finishTest();
        LadeDatenbanken({u"[Benutzerdaten]", u"BenLogo=" + f.gespeichert});
        Oeffne();
        // A stored path whose file is gone shows the default logo and stays.
        EXPECT_EQ(dlg->LogoDatei(), f.gespeichert);
        uitest::dialogs().expectFile(f.gewaehlt);
        if (f.antwort) uitest::dialogs().expectMessageBox(f.antwort);
        Klicke(CDlgBenutzer::kIdcLogoWaehlen);
        EXPECT_EQ(dlg->LogoDatei(), f.logoDanach);
        EXPECT_EQ(dlg->ZeigtStandardLogo(), f.standard);
        EXPECT_EQ(LogoGroesse(), f.groesse.isEmpty() ? StandardGroesse() : f.groesse);
        if (f.antwort) {
            ASSERT_EQ(BoxTexte().size(), 1u);
            EXPECT_EQ(BoxTexte()[0], Text(5697));
            EXPECT_EQ(uitest::dialogs().boxes()[0].style & 0xFF, platform::mb::YESNO);
        }
        Klicke(1);
        EXPECT_TRUE(UserHat(u"Benutzerdaten", u"BenLogo=" + f.logoDanach));
    }
    // What the file dialog was asked for.
    const ui::FileDialogRequest& anfrage = uitest::dialogs().fileRequests().back();
    EXPECT_EQ(anfrage.title, Text(3773));
    EXPECT_EQ(anfrage.filter, Text(3173));
    EXPECT_EQ(anfrage.defaultExt, u"bmp");
    EXPECT_TRUE(anfrage.mustExist);
    EXPECT_FALSE(anfrage.save);
}

TEST_F(DlgBenutzerTest, OhneLogoDasStandardlogoUndDerHinweis) {
    LadeDatenbanken({});
    Oeffne();
    EXPECT_TRUE(dlg->ZeigtStandardLogo());
    EXPECT_FALSE(dlg->Logo()->image().isNull());
    auto* hinweis = dynamic_cast<CPPHtmlStatic*>(ui::child(dlg.get(), CDlgBenutzer::kIdcHinweis));
    ASSERT_NE(hinweis, nullptr);
    EXPECT_EQ(hinweis->GetWindowText(), Text(4408));
    uitest::key(*dlg, Qt::Key_F1);
    Klicke(CDlgBenutzer::kIdcHilfe);
    EXPECT_EQ(app.hilfeThemen, (std::vector<CVRMString>{u"datenben", u"datenben"}));
    uitest::type(Edit(CDlgBenutzer::kIdcFirma), QStringLiteral("Waerme & Co"));
    uitest::type(Edit(CDlgBenutzer::kIdcBearbeiter), QStringLiteral("Anna Schmidt"));
    uitest::saveArtifact(*dlg, "user-data");
}

}  // namespace
