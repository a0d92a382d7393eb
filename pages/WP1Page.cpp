#include "pages/WP1Page.h"

#include <QLineEdit>

#include "app/shell/KelvoApp.h"
#include "controls/small/FloatEdit.h"
#include "model/app/KelvoAppServices.h"
#include "platform/errors/UserException.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using P = CWP1Page;

constexpr unsigned kTitel = 3716;  // "Heat pump data (2)"
constexpr int kGrVerdampfer = 2035, kTxVerdampfer = 1462, kTxVerfluessiger = 1465,
              kErVerdampfer = 1569, kErVerfluessiger = 1571, kGrInterpol = 2036, kTxMinVorlauf = 1459,
              kTxMaxQuelle = 1460, kErMinVorlauf = 1570, kErMaxQuelle = 1572, kGrZweistufig = 1687,
              kTxWaWaSommer = 1688, kGrProdukt = 2202, kTxIdent = 2037, kTxDatei = 2039, kTxPreis = 2044,
              kTxPGS = 2439, kTxWaehlen = 2038;

// `punkt`: the field refuses the decimal separator (whole numbers only).
ui::ControlSpec Zahl(int id, ui::Rect du, bool ganz) {
    return {id, K::Custom, du, 0, u"", 0, [ganz](QWidget* p) { return new CFloatEdit(p, ganz ? 0 : 1); }};
}

void RegistriereVorlage() {
    if (ui::findDialogTemplate(P::kIDD)) return;
    const unsigned versteckt = ui::cs::Hidden;
    std::vector<ui::ControlSpec> c = {
        {kTxWaehlen, K::Static, {7, 6, 104, 16}},
        {P::kIdListe, K::DropList, {106, 4, 320, 16}},
        {kGrVerdampfer, K::Group, {7, 22, 413, 118}},
        {kTxVerdampfer, K::Static, {14, 40, 150, 50}},
        Zahl(P::kIdVerdampfer, {152, 38, 196, 50}, false),
        {kTxVerfluessiger, K::Static, {14, 84, 150, 94}},
        Zahl(P::kIdVerfluessiger, {152, 82, 196, 94}, true),
        {kErVerdampfer, K::Static, {204, 31, 406, 73}},
        {kErVerfluessiger, K::Static, {204, 76, 406, 113}},
        {kGrInterpol, K::Group, {7, 122, 413, 202}},
        {kTxMinVorlauf, K::Static, {14, 137, 150, 147}},
        {P::kIdMinVorlauf, K::Edit, {152, 135, 196, 147}},
        {kTxMaxQuelle, K::Static, {14, 170, 150, 180}},
        {P::kIdMaxQuelle, K::Edit, {152, 168, 196, 180}},
        {kErMinVorlauf, K::Static, {204, 131, 406, 155}},
        {kErMaxQuelle, K::Static, {204, 158, 406, 197}},
        {P::kIdAuslegungGruppe, K::Group, {7, 206, 413, 236}, 0, u"", versteckt},
        {P::kIdAuslegung, K::Check, {14, 217, 406, 233}, 0, u"", versteckt},
        {kGrZweistufig, K::Group, {7, 208, 200, 236}, 0, u"", versteckt},
        {kTxWaWaSommer, K::Static, {14, 220, 150, 230}, 0, u"", versteckt},
        {P::kIdWaWaSommer, K::Edit, {152, 218, 196, 230}, 0, u"", versteckt},
        {kGrProdukt, K::Group, {210, 208, 413, 236}},
        {kTxIdent, K::Static, {214, 214, 250, 222}},
        {P::kIdIdent, K::Edit, {252, 212, 330, 222}},
        {kTxDatei, K::Static, {214, 224, 250, 232}},
        {P::kIdDatei, K::Edit, {252, 224, 330, 234}},
        {kTxPreis, K::Static, {334, 214, 360, 222}},
        {P::kIdPreis, K::Edit, {362, 212, 410, 222}},
        {kTxPGS, K::Static, {334, 224, 360, 232}, 0, u"PGS"},
        {P::kIdPGS, K::Edit, {362, 224, 410, 234}, 0, u"", ui::cs::EditReadOnly},
        {CWPSeite::kIdSpeichern, K::DefButton, {257, 242, 307, 256}},
        {CWPSeite::kIdSchliessen, K::Button, {310, 242, 360, 256}},
        {CWPSeite::kIdHilfe, K::Button, {363, 242, 413, 256}},
    };
    ui::registerDialogTemplate({P::kIDD, {420, 262}, 0, u"", std::move(c)});
}

}  // namespace

CWP1Page::CWP1Page()
    : CWPSeite({kIDD, kTitel, CKVSDatenSheetProtokoll::kWP1, CKVSDatenSheetProtokoll::kWP2, u"datenwp2",
                u"WPumpe-Daten WPumpePage1"}) {
    RegistriereVorlage();
}

void CWP1Page::InitSeite() {
    FillPageDaten(0);
    ui::showChild(this, kIdAuslegungGruppe, true);
    ui::showChild(this, kIdAuslegung, true);
    for (int id : kProduktIds) ui::showChild(this, id, false);
    if (auto* pgs = qobject_cast<QLineEdit*>(ui::child(this, kIdPGS))) pgs->setReadOnly(true);
}

void CWP1Page::FillPageDaten(int) {
    m_verdampfer = Wert(ID_TempDiffVerdampf).GetFloatVal();
    m_verfluessiger = Wert(ID_TempDiffVerfluess).GetFloatVal();
    m_minVorlauf = Wert(ID_MinInterpolTempVL).GetUIntVal();
    m_maxQuelle = Wert(ID_MaxInterpolTempSO).GetUIntVal();
    m_waWaSommer = Wert(ID_WaWaSommer).GetUIntVal();
    m_preis = Wert(ID_WPpreis).GetUIntVal();
    m_auslegung = Wert(ID_Auslegung).GetIntVal();
    m_ident = Wert(ID_WPident).GetStringVal();
    m_datei = Wert(ID_WPdatei).GetStringVal();
    m_pgs = Wert(ID_PGS).GetStringVal();
    ZeigeWerte();
}

std::vector<SDlgText> CWP1Page::Texte() const {
    return {{kGrVerdampfer, 4941, true}, {kTxVerdampfer, 4942},       {kTxVerfluessiger, 4943},
            {kErVerdampfer, 4945},       {kErVerfluessiger, 4946},    {kGrInterpol, 4947, true},
            {kTxMinVorlauf, 4948},       {kTxMaxQuelle, 4949},        {kErMinVorlauf, 4951},
            {kErMaxQuelle, 4952},        {kIdAuslegungGruppe, 4953, true}, {kIdAuslegung, 4954},
            {kGrZweistufig, 4955, true}, {kTxWaWaSommer, 4956},       {kTxIdent, 4957},
            {kTxDatei, 5229},            {kTxPreis, 5230},            {kTxWaehlen, 4959}};
}

std::vector<int> CWP1Page::Aenderungen() const {
    return {kIdVerdampfer, kIdVerfluessiger, kIdMaxQuelle, kIdMinVorlauf, kIdWaWaSommer,
            kIdIdent,      kIdDatei,         kIdPreis,     kIdPGS,        kIdAuslegung};
}

void CWP1Page::Austausch(ui::DataExchange& dx) {
    if (PruefeBereiche()) {
        dx.floating(kIdVerdampfer, m_verdampfer, 0.0f, 20.0f);
        dx.floating(kIdVerfluessiger, m_verfluessiger, 0.0f, 20.0f);
        dx.unsignedInt(kIdMinVorlauf, m_minVorlauf, 10, 50);
        dx.unsignedInt(kIdMaxQuelle, m_maxQuelle, 0, 50);
    } else {
        dx.floating(kIdVerdampfer, m_verdampfer);
        dx.floating(kIdVerfluessiger, m_verfluessiger);
        dx.unsignedInt(kIdMinVorlauf, m_minVorlauf);
        dx.unsignedInt(kIdMaxQuelle, m_maxQuelle);
    }
    dx.check(kIdAuslegung, m_auslegung);
    dx.unsignedInt(kIdWaWaSommer, m_waWaSommer);
    dx.unsignedInt(kIdPreis, m_preis);
    dx.text(kIdIdent, m_ident);
    dx.text(kIdDatei, m_datei);
    dx.text(kIdPGS, m_pgs);
}

int CWP1Page::SaveModifiedData() {
    if (!m_modified) return 1;
    try {
        if (!DarfAendern()) {
            FillPageDaten(0);
            m_modified = 0;
            EnableControls();
            return 1;
        }
        if (hasWindow() && !LeseWerte()) return 0;
        GetKelvoApp().ResetAuswertungen();
        Wert(ID_TempDiffVerdampf) = m_verdampfer;
        Wert(ID_TempDiffVerfluess) = m_verfluessiger;
        Wert(ID_MinInterpolTempVL) = m_minVorlauf;
        Wert(ID_MaxInterpolTempSO) = m_maxQuelle;
        Wert(ID_WaWaSommer) = m_waWaSommer;
        Wert(ID_Auslegung) = m_auslegung == 1;
        Wert(ID_WPident) = CVRMString(m_ident);
        Wert(ID_WPdatei) = CVRMString(m_datei);
        Wert(ID_WPpreis) = m_preis;
        Wert(ID_PGS) = CVRMString(m_pgs);
        return SchreibeUndMelde() ? 1 : 0;
    } catch (const platform::UserException&) {
        return 0;
    }
}
