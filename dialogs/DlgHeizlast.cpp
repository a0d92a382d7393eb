#include "dialogs/DlgHeizlast.h"

#include <QLineEdit>

#include "app/doc/KelvoDoc.h"
#include "controls/html/PPHtmlStatic.h"
#include "controls/small/EnablerDisabler.h"
#include "core/value/VRMString.h"
#include "dialogs/DlgTexte.h"
#include "model/app/KelvoAppServices.h"
#include "model/house/Haus2.h"
#include "platform/format/Format.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kCaption = 4646;  // "Calculation of standard heating requirement"
constexpr unsigned kTabelle = 3808;  // typical specific heat loads (markup)
constexpr unsigned kHinweis = 4475;  // average over several years; an estimate only
constexpr unsigned kErgebnis = 3811; // "-> standard heating requirement got by estimation [kW]"
constexpr int kGruppe = 1844;
constexpr ui::ColourRef kErklaerText = ui::rgb(21, 59, 99);
constexpr ui::ColourRef kErklaerGrund = ui::rgb(223, 233, 244);

ui::ControlSpec Html(int id, ui::Rect du) {
    return {id, K::Custom, du, 0, u"", 0, [](QWidget* p) { return new CPPHtmlStatic(p); }};
}

CPPHtmlStatic* HtmlText(QWidget* dlg, int id) { return dynamic_cast<CPPHtmlStatic*>(ui::child(dlg, id)); }

// A number field read while the user types: what is no whole number yet keeps the value
// it had; OK asks for a correct entry.
void LeiseLesen(QWidget* dlg, int id, unsigned& wert) {
    auto* feld = qobject_cast<QLineEdit*>(ui::child(dlg, id));
    if (!feld) return;
    bool gelesen = false;
    const unsigned zahl = feld->text().trimmed().toUInt(&gelesen);
    if (gelesen) wert = zahl;
}

}  // namespace

void RegistriereDlgHeizlastVorlage() {
    if (ui::findDialogTemplate(CDlgHeizlast::kIDD)) return;
    using D = CDlgHeizlast;
    // The radio buttons of one choice stand together: each pair is a group.
    const std::vector<ui::ControlSpec> c = {
        {kGruppe, K::Group, {7, 4, 323, 250}},
        {D::kIdMethode1, K::Radio, {14, 16, 316, 27}, 0, u"", ui::cs::RadioGroupStart},
        {D::kIdMethode2, K::Radio, {14, 156, 316, 167}},
        {D::kIdMitOel, K::Radio, {26, 172, 206, 182}, 0, u"", ui::cs::RadioGroupStart},
        {D::kIdMitGas, K::Radio, {26, 186, 206, 196}},
        {1845, K::Static, {26, 32, 196, 42}},
        {D::kIdFlaeche, K::Edit, {210, 30, 256, 42}},
        {1846, K::Static, {26, 46, 196, 56}},
        {D::kIdSpezLast, K::Edit, {210, 44, 256, 56}},
        Html(D::kIdTabelle, {26, 60, 316, 150}),
        {D::kIdOel, K::Edit, {210, 170, 256, 182}},
        {D::kIdGas, K::Edit, {210, 184, 256, 196}},
        {1847, K::Static, {26, 200, 206, 220}},
        {D::kIdPersonen, K::Edit, {210, 202, 256, 214}},
        Html(D::kIdHinweis, {26, 224, 316, 244}),
        Html(D::kIdErgebnisText, {10, 258, 226, 268}),
        {D::kIdErgebnis, K::Edit, {230, 256, 276, 268}, 0, u"", ui::cs::EditReadOnly},
        {ui::kIdOk, K::DefButton, {165, 276, 215, 290}},
        {ui::kIdCancel, K::Button, {219, 276, 269, 290}},
        {D::kIdHilfe, K::Button, {273, 276, 323, 290}},
    };
    ui::registerDialogTemplate({CDlgHeizlast::kIDD, {330, 296}, kCaption, u"", c});
}

CDlgHeizlast::CDlgHeizlast(int /*unbenutzt*/, CKelvoDoc& dokument, QWidget* parent, CHaus2* haus)
    : ui::Dialog(kIDD, parent), m_dokument(dokument), m_haus(haus) {
    RegistriereDlgHeizlastVorlage();
}

bool CDlgHeizlast::onInitDialog() {
    m_eingabe.oel = m_dokument.Projekt().GetWert(ID_VOV).GetUIntVal();
    for (int id : {kIdTabelle, kIdHinweis}) {
        if (CPPHtmlStatic* text = HtmlText(this, id)) {
            text->SetBkMode(CPPHtmlStatic::Opaque);
            text->SetBkColor(kErklaerGrund);
            text->SetTextColor(kErklaerText.value);
        }
    }
    if (CPPHtmlStatic* text = HtmlText(this, kIdErgebnisText)) {
        text->SetBkMode(CPPHtmlStatic::Transparent);
        text->SetTextColor(0);
    }
    m_eingabe.methode = 0;
    m_eingabe.brennstoff = 0;
    updateData(false);
    Berechne();
    Freigabe();
    setWindowTitle(DlgText(4646));
    SetzeDlgTexte(*this, {{kGruppe, 4647, true}, {kIdMethode1, 4648}, {kIdMethode2, 4651},
                          {1845, 4649}, {1846, 4650}, {kIdMitOel, 4652}, {kIdMitGas, 4653},
                          {1847, 4654}, {ui::kIdOk, 5177}, {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    const auto html = [this](int id, unsigned textId, bool fett) {
        if (CPPHtmlStatic* text = HtmlText(this, id)) {
            const std::u16string inhalt = DlgText(textId).toStdU16String();
            text->SetWindowText(fett ? u"<b>" + inhalt + u"</b>" : inhalt);
        }
    };
    html(kIdTabelle, kTabelle, false);
    html(kIdHinweis, kHinweis, false);
    html(kIdErgebnisText, kErgebnis, true);
    for (int id : {kIdFlaeche, kIdSpezLast, kIdOel, kIdGas, kIdPersonen})
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(feld, &QLineEdit::textEdited, this,
                             [this] { ui::guarded(ui::Msg::Command, [this] { Berechne(); }); });
    return true;
}

void CDlgHeizlast::doDataExchange(ui::DataExchange& dx) {
    dx.unsignedInt(kIdFlaeche, m_eingabe.flaeche);
    dx.unsignedInt(kIdSpezLast, m_eingabe.spezLast);
    dx.unsignedInt(kIdOel, m_eingabe.oel);
    dx.unsignedInt(kIdGas, m_eingabe.gas);
    dx.unsignedInt(kIdPersonen, m_eingabe.personen);
    dx.radio(kIdMethode1, m_eingabe.methode);
    dx.radio(kIdMitOel, m_eingabe.brennstoff);
}

void CDlgHeizlast::Berechne() {
    for (auto [id, wert] : {std::pair{kIdFlaeche, &m_eingabe.flaeche}, {kIdSpezLast, &m_eingabe.spezLast},
                            {kIdOel, &m_eingabe.oel}, {kIdGas, &m_eingabe.gas},
                            {kIdPersonen, &m_eingabe.personen}})
        LeiseLesen(this, id, *wert);
    CProjekt2::BKostenDaten kosten{};
    if (m_eingabe.methode == 1) m_dokument.Projekt().GetBKostenDaten(kosten);
    m_ergebnis = BerechneHeizlast(m_eingabe, kosten, [this](float waerme) {
        return m_haus ? m_haus->BerechneNormHeizlast(waerme) : 0.0f;
    });
    // Only what the estimate changes: the fields the user types in stay as typed.
    if (m_eingabe.methode == 1)
        ui::setChildText(this, kIdSpezLast, platform::format(u"%u", m_eingabe.spezLast));
    ui::setChildText(this, kIdErgebnis, platform::format(u"%.1f", m_ergebnis));
}

void CDlgHeizlast::Freigabe() {
    const bool methode1 = m_eingabe.methode != 1;
    for (int id : {kIdFlaeche, kIdSpezLast, 1845, 1846}) EnableDlgItem(this, id, methode1);
    for (int id : {kIdMitOel, kIdMitGas, kIdPersonen, 1847}) EnableDlgItem(this, id, !methode1);
    EnableDlgItem(this, kIdOel, !methode1 && m_eingabe.brennstoff == 0);
    EnableDlgItem(this, kIdGas, !methode1 && m_eingabe.brennstoff == 1);
}

bool CDlgHeizlast::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdMethode1:
        case kIdMethode2:
        case kIdMitOel:
        case kIdMitGas: {
            ui::DataExchange dx(*this, true);
            dx.radio(kIdMethode1, m_eingabe.methode);
            dx.radio(kIdMitOel, m_eingabe.brennstoff);
            Freigabe();
            Berechne();
            return true;
        }
        case kIdHilfe:
            ZeigeHilfe();
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CDlgHeizlast::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}

void CDlgHeizlast::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"datenhlast"); }

void CDlgHeizlast::onOK() {
    if (!updateData(true)) return;
    Berechne();
    // The former consumption belongs to the project: kept for a project the user may change.
    if (m_dokument.Projekt().IstAenderbar(false)) m_dokument.SetProjektDaten2(ID_VOV, m_eingabe.oel, 1);
    endDialog(ui::kIdOk);
}
