#include "pages/WWPage.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "app/base/VRMDlg.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "controls/small/FloatEdit.h"
#include "controls/small/PicStatic.h"
#include "core/db/Global.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/Solar.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/house/Haus2.h"
#include "model/source/KombiWQuelle2.h"
#include "model/source/WQuelle2.h"
#include "pages/WW2Page.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using W = CWWPage;

constexpr unsigned kTitel = 3186;             // "Hot water data"
constexpr unsigned kFrage = 3225;             // "Save changed hot water data?"
constexpr unsigned kNichtInitialisiert = 3092;// "Data page not initialized"
constexpr unsigned kKeinBedarf = 3816;        // "No total daily need given."
constexpr unsigned kKeinTyp = 3226;           // "You must select the type of hot water tank!"
constexpr unsigned kSollZuKlein = 3227;       // "Hot water tank target temperature must be greater ..."
constexpr unsigned kEintrittZuKlein = 3666;   // "Tank inlet temperature must be equal to or greater ..."
constexpr unsigned kNurMitWP = 5100;          // "Hot water tank heat pump is only allowed, when ..."
constexpr unsigned kPasstNicht = 5618;        // "Hot water production is not compatible with ..."
constexpr unsigned kMonovalent = 3004;        // "It is assumed, that the hot water tank heat pump ..."
constexpr unsigned kAbEintritt = 3229;        // "The heating of this type starts from tank inlet ..."
constexpr unsigned kSollGeaendert = 3575;     // "You have changed the hot water tank target ..."
constexpr unsigned kNachheizung = 3365;       // "Post heating necessary at %u °C"
constexpr unsigned kSchliessen = 3717;        // "Close"
constexpr unsigned kDienstTexte[4] = {4976, 4983, 4985, 5053};
constexpr unsigned kTypTexte[4] = {3508, 3509, 3510, 3017};
constexpr unsigned kSkizzenTitel[3] = {5055, 5056, 5057};
// Exchanger losses [K] that a tank type brings; the tank heat pump keeps the entry.
constexpr unsigned kTypVerluste[3] = {7, 3, 5};
// Operating modes of the second source that suit hot water from it (bivalent ones), and
// the monovalent mode.
constexpr int kBivalent[4] = {2, 4, 6, 8};
constexpr int kMonovalentModus = 1;
constexpr float kKeineHeizlast = 0.1f;

constexpr int kTxTyp = 2055, kTxBedarf = 2056, kTxSoll = 2057, kTxVolumen = 2058, kTxKalt = 1452,
              kTxVerluste = 1453, kGrTypen = 2059;

void RegistriereSkizzen() {
    for (int i = 0; i < 3; ++i) {
        if (ui::findDialogTemplate(W::kSkizzeVorlage[i])) continue;
        const unsigned bild = W::kSkizzeBild[i];
        ui::registerDialogTemplate(
            {W::kSkizzeVorlage[i], {260, 200}, 0, u"",
             {{1000, K::Custom, {7, 7, 253, 172}, 0, u"", 0,
               [bild](QWidget* p) {
                   auto* pic = new CPicStatic(p);
                   pic->LoadFromResource(bild, u"BMP");
                   return pic;
               }},
              {ui::kIdOk, K::DefButton, {203, 179, 253, 193}}}});
    }
}

void RegistriereVorlage() {
    RegistriereSkizzen();
    if (ui::findDialogTemplate(W::kIDD)) return;
    const std::vector<ui::ControlSpec> c = {
        {W::kIdDienst, K::DropList, {7, 5, 209, 17}},
        {kTxTyp, K::Static, {7, 24, 80, 42}},
        {W::kIdTyp, K::DropList, {82, 26, 209, 38}},
        {kTxBedarf, K::Static, {7, 47, 150, 65}},
        {W::kIdBedarf, K::Edit, {156, 49, 202, 61}},
        {kTxSoll, K::Static, {7, 70, 150, 80}},
        {W::kIdSoll, K::Edit, {156, 68, 202, 80}},
        {kTxVolumen, K::Static, {7, 86, 150, 96}},
        {W::kIdVolumen, K::Edit, {156, 84, 202, 96}},
        {kTxKalt, K::Static, {7, 102, 150, 112}},
        {W::kIdKalt, K::Edit, {156, 100, 202, 112}},
        {kTxVerluste, K::Static, {7, 118, 150, 128}},
        {W::kIdVerluste, K::Edit, {156, 116, 202, 128}},
        {W::kIdTxEintritt, K::Static, {7, 134, 150, 144}},
        {W::kIdEintritt, K::Edit, {156, 132, 202, 144}},
        {W::kIdTxBWW, K::Static, {7, 149, 150, 167}},
        {W::kIdBWW, K::Custom, {156, 151, 202, 163}, 0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 1); }},
        {W::kIdNachheiz, K::Static, {7, 172, 209, 182}},
        {W::kIdVerlusteDlg, K::Button, {7, 188, 209, 202}},
        {kGrTypen, K::Group, {215, 3, 413, 192}},
        {1466, K::Static, {222, 15, 406, 41}},
        {W::kIdSkizze[0], K::Button, {222, 44, 340, 56}},
        {1467, K::Static, {222, 62, 406, 88}},
        {W::kIdSkizze[1], K::Button, {222, 91, 340, 103}},
        {1468, K::Static, {222, 109, 406, 135}},
        {W::kIdSkizze[2], K::Button, {222, 138, 340, 150}},
        {1469, K::Static, {222, 158, 406, 184}},
        {CEingabeSeite::kIdSpeichern, K::DefButton, {257, 242, 307, 256}},
        {CEingabeSeite::kIdSchliessen, K::Button, {310, 242, 360, 256}},
        {CEingabeSeite::kIdHilfe, K::Button, {363, 242, 413, 256}},
    };
    ui::registerDialogTemplate({W::kIDD, {420, 262}, 0, u"", c});
}

QComboBox* Box(QWidget* seite, int id) { return qobject_cast<QComboBox*>(ui::child(seite, id)); }

bool EinerVon(int wert, std::initializer_list<int> werte) {
    for (int w : werte)
        if (w == wert) return true;
    return false;
}

}  // namespace

CWWPage::CWWPage(int eingebettet)
    : CEingabeSeite({kIDD, kTitel, kFrage, komponente::kWarmwasser, u"datenwawa"}, eingebettet),
      m_gruppe(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)) {
    RegistriereVorlage();
}

void RegistriereWWPage() {
    RegistriereDatenSeite(CKVSDatenSheetProtokoll::kWW, [](const SSeitenWunsch& w) {
        return std::unique_ptr<CKVSDatenPage>(std::make_unique<CWWPage>(w.wizard));
    });
}

bool CWWPage::Beschaeftigt() const { return Dokument().IstBeschaeftigt() != 0; }

std::optional<int> CWWPage::Betriebsweise() const {
    CKombiWQuelle2& kombi = Dokument().KombiWQuelle();
    if (!kombi.IstGueltig()) return std::nullopt;
    CWQuelle2* quelle = kombi.IstEinzelQuelle() ? kombi.GetErsteWQuelle() : kombi.GetZweiteWQuelle();
    if (!quelle) return std::nullopt;
    return quelle->GetWert(ID_BetrWeiseIdx).GetIntVal();
}

// ---- loading ---------------------------------------------------------------------------

void CWWPage::LoadKomponente(const CVRMString& key, const CVRMString&, const CVRMString&) {
    if (m_modified && key == m_name) return;
    try {
        // Shared with the store's record, as the house page's list is.
        m_liste = CVRMdatenProvider::get().getWerte(key);
        m_name = key;
        m_modified = 0;
        FillPageDaten(0);
    } catch (const platform::UserException&) {
        ShowFehler(kNichtInitialisiert, u"Warmwasser");
    } catch (const std::exception&) {
        ShowFehler(kNichtInitialisiert, u"Warmwasser");
    }
}

void CWWPage::FillPageDaten(int) {
    if (m_name.empty()) return;
    const auto u = [this](TKelvoDatenID id) { return m_liste.get(id).GetUIntVal(); };
    m_dienst = m_liste.get(ID_WWmitWP).GetIntVal();
    m_bedarf = u(ID_WWproTag);
    m_soll = u(ID_WWSollTemp);
    m_volumen = u(ID_WWSpeicherVolumen);
    m_kalt = u(ID_KaltWTemp);
    m_typ = m_liste.get(ID_WWSpTyp).GetIntVal();
    m_verluste = u(ID_WWTVerluste);
    m_eintritt = u(ID_EintrittsTemp);
    m_bww = m_liste.get(ID_BWW).GetFloatVal();
    m_sollGeladen = m_soll;
    if (!hasWindow()) return;
    ZeigeWerte();
    FreigabeNachDienst();
    TypFolgen(true);
    EnableControls();
}

void CWWPage::UpdatePageDaten(int) {
    if (!m_modified && !m_name.empty()) FillPageDaten(0);
}

// ---- opening and activation ------------------------------------------------------------

void CWWPage::InitSeite() {
    m_gruppe.SetParent(this);
    for (int id : {kIdSoll, kIdEintritt, kIdBedarf, kIdVerluste, kIdVolumen})
        m_gruppe.AddEnable(static_cast<unsigned>(id));
    if (QComboBox* dienst = Box(this, kIdDienst)) {
        for (unsigned t : kDienstTexte) dienst->addItem(DlgText(t));
        QObject::connect(dienst, &QComboBox::activated, this,
                         [this] { ui::guarded(ui::Msg::Command, [this] { OnDienst(); }); });
    }
    if (QComboBox* typ = Box(this, kIdTyp)) {
        for (unsigned t : kTypTexte) typ->addItem(DlgText(t));
        QObject::connect(typ, &QComboBox::activated, this,
                         [this] { ui::guarded(ui::Msg::Command, [this] { OnTyp(); }); });
    }
    if (QWidget* verluste = ui::child(this, kIdVerluste)) verluste->installEventFilter(this);
    FillPageDaten(0);
    Nachheizung();
}

bool CWWPage::onSetActive() {
    if (!CEingabeSeite::onSetActive()) return false;
    Nachheizung();
    ZeigeWerte();
    return true;
}

void CWWPage::OnSchliessen() {
    Nachheizung();
    CEingabeSeite::OnSchliessen();
}

// ---- controls --------------------------------------------------------------------------

std::vector<SDlgText> CWWPage::Texte() const {
    return {{kTxTyp, 4987}, {kTxBedarf, 4988}, {kTxSoll, 4989}, {kIdNachheiz, 4990},
            {kTxVolumen, 4991}, {kTxKalt, 4992}, {kTxVerluste, 4993}, {kIdTxEintritt, 4995},
            {kGrTypen, 4996, true}, {1466, 4997}, {kIdSkizze[0], 4998}, {1467, 4999},
            {kIdSkizze[1], 5000}, {1468, 5001}, {kIdSkizze[2], 5002}, {1469, 5003},
            {kIdTxBWW, 3005}, {kIdVerlusteDlg, 5004}};
}

std::vector<int> CWWPage::Aenderungen() const {
    return {kIdBedarf, kIdSoll, kIdVolumen, kIdKalt, kIdEintritt, kIdVerluste, kIdBWW};
}

void CWWPage::Austausch(ui::DataExchange& dx) {
    dx.listIndex(kIdDienst, m_dienst);
    dx.unsignedInt(kIdBedarf, m_bedarf);
    dx.unsignedInt(kIdSoll, m_soll, 5, 90);
    dx.unsignedInt(kIdVolumen, m_volumen);
    dx.unsignedInt(kIdKalt, m_kalt, 5, 50);
    dx.listIndex(kIdTyp, m_typ);
    dx.unsignedInt(kIdVerluste, m_verluste);
    dx.unsignedInt(kIdEintritt, m_eintritt, 5, 60);
    dx.floating(kIdBWW, m_bww, 1.0f, 6.0f);
}

void CWWPage::FreigabeNachDienst() {
    if (!hasWindow()) return;
    const bool mitWW = m_dienst != kKeinWW;
    m_gruppe.Enable(mitWW);
    for (int id : {kIdKalt, kIdNachheiz, kIdTyp}) ui::enableChild(this, id, mitWW);
    ui::enableChild(this, kIdVerlusteDlg, mitWW);
    ui::showChild(this, kIdTxBWW, m_typ == kTypWWWP);
    ui::showChild(this, kIdBWW, m_typ == kTypWWWP);
}

void CWWPage::TypFolgen(bool leise) {
    if (m_typ == kTypWWWP && m_dienst != kMitWP) {
        if (!leise) KVSMessageBoxID(kNurMitWP, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        m_dienst = kMitWP;
    }
    if (!leise && !Beschaeftigt() && m_typ == kTypWWWP) {
        const std::optional<int> modus = Betriebsweise();
        if (modus && *modus != kMonovalentModus)
            KVSMessageBoxID(kMonovalent, kTitel, platform::mb::ICONINFORMATION);
    }
    ui::showChild(this, kIdTxEintritt, m_typ == kTypEintritt);
    ui::showChild(this, kIdEintritt, m_typ == kTypEintritt);
    if (!leise && m_typ == kTypEintritt) {
        CVRMString text;
        text.Format(kAbEintritt, m_eintritt);
        KVSMessageBoxCaptionID(text, kTitel, platform::mb::ICONINFORMATION);
    }
    ui::showChild(this, kIdTxBWW, m_typ == kTypWWWP);
    ui::showChild(this, kIdBWW, m_typ == kTypWWWP);
    if (!leise && m_typ >= 0 && m_typ < kTypWWWP) m_verluste = kTypVerluste[m_typ];
}

void CWWPage::Nachheizung(int alt, int neu) {
    if (!hasWindow()) return;
    CKelvoDoc& dokument = Dokument();
    const bool zeigen = !Beschaeftigt() && dokument.WPumpe().IstGueltig() && m_dienst == kMitWP;
    bool gezeigt = false;
    if (zeigen) {
        try {
            const int temp = dokument.GetWawaNachheizTemp() + alt - neu;
            CVRMString text;
            text.Format(kNachheizung, static_cast<unsigned>(std::max(temp, 0)));
            ui::setChildText(this, kIdNachheiz, std::u16string(text));
            gezeigt = true;
        } catch (const platform::UserException&) {
            // Reported where it failed; the line stays hidden.
        }
    }
    ui::showChild(this, kIdNachheiz, gezeigt);
}

bool CWWPage::Befehl(int id) {
    switch (id) {
        case kIdVerlusteDlg: OnVerluste(); return true;
        case 1458: OnSkizze(0); return true;
        case 1478: OnSkizze(1); return true;
        case 1479: OnSkizze(2); return true;
        default: return false;
    }
}

bool CWWPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == ui::child(this, kIdVerluste))
        ui::guarded(ui::Msg::Command, [this] {
            const unsigned alt = m_verluste;
            if (LeseWerte()) Nachheizung(static_cast<int>(alt), static_cast<int>(m_verluste));
        });
    return CEingabeSeite::eventFilter(watched, event);
}

void CWWPage::OnDienst() {
    const int alt = m_dienst;
    if (!LeseWerte()) {
        m_dienst = alt;
        ZeigeWerte();
        return;
    }
    if (!Beschaeftigt()) {
        bool erlaubt = true;
        const std::optional<int> modus = Betriebsweise();
        if (m_dienst == kZweiteQuelle && !(modus && EinerVon(*modus, {kBivalent[0], kBivalent[1], kBivalent[2], kBivalent[3]})))
            erlaubt = false;
        if (Dokument().Haus().IstInitialisiert() &&
            Dokument().Haus().GetWert(ID_NormwaermeBedarf).GetFloatVal() < kKeineHeizlast) {
            // A house without heating: only a heat pump that makes hot water alone.
            if (m_dienst != kMitWP || !(modus && *modus == kMonovalentModus)) erlaubt = false;
        }
        if (!erlaubt) {
            KVSMessageBoxID(kPasstNicht, kTitel, platform::mb::ICONINFORMATION);
            m_dienst = alt;
        } else {
            if (m_dienst == kKeinWW) m_bedarf = 0;
            if (m_dienst != kMitWP && m_typ == kTypWWWP) m_typ = m_liste.get(ID_WWSpTyp).GetIntVal();
            if (m_dienst != kMitWP && m_typ == kTypWWWP) m_typ = -1;
        }
    }
    FreigabeNachDienst();
    ZeigeWerte();
    Nachheizung();
    Geaendert();
}

void CWWPage::OnTyp() {
    try {
        const unsigned alt = m_verluste;
        if (!LeseWerte()) return;
        TypFolgen(false);
        FreigabeNachDienst();
        ZeigeWerte();
        Geaendert();
        Nachheizung(static_cast<int>(alt), static_cast<int>(m_verluste));
    } catch (const platform::UserException&) {
    }
}

void CWWPage::OnSkizze(int typ) {
    CVRMDlg dlg(static_cast<unsigned>(kSkizzeVorlage[typ]), CResManager::getLangText(static_cast<uint16_t>(kSkizzenTitel[typ])),
                CResManager::getLangText(kSchliessen), this);
    dlg.doModal();
}

void CWWPage::OnVerluste() {
    if (!LeseWerte()) return;
    // The dialog writes into the record that the store shares: what it wrote goes back
    // unless the save that follows succeeds.
    std::vector<std::pair<TKelvoDatenID, CVRMVariant>> vorher;
    for (TKelvoDatenID id : CWW2Page::VerlustIds()) {
        std::shared_ptr<CVRMwert> wert;
        if (m_liste.Lookup(id, wert) && wert) vorher.emplace_back(id, static_cast<const CVRMVariant&>(*wert));
    }
    CWW2Page dlg(m_liste, m_volumen, m_soll, this);
    if (dlg.doModal() != ui::kIdOk) return;
    Geaendert();
    if (SaveModifiedData()) return;
    for (const auto& [id, wert] : vorher) m_liste.get(id) = wert;
}

// ---- saving ----------------------------------------------------------------------------

bool CWWPage::PruefeEingaben() {
    if (m_dienst != kKeinWW) {
        if (m_bedarf == 0) {
            KVSMessageBoxID(kKeinBedarf, kTitel, platform::mb::ICONINFORMATION);
            return false;
        }
        if (m_typ < 0) {
            KVSMessageBoxID(kKeinTyp, kTitel, platform::mb::ICONINFORMATION);
            return false;
        }
    }
    if (m_soll <= m_kalt || (m_typ == kTypEintritt && m_soll <= m_eintritt)) {
        KVSMessageBoxID(kSollZuKlein, kTitel, platform::mb::ICONINFORMATION);
        return false;
    }
    if (m_typ == kTypEintritt && m_eintritt < m_kalt) {
        KVSMessageBoxID(kEintrittZuKlein, kTitel, platform::mb::ICONINFORMATION);
        return false;
    }
    return true;
}

bool CWWPage::DarfSpeichern() { return DarfKomponenteAendern(0, m_name); }

void CWWPage::UebernimmWerte() {
    m_liste.get(ID_WWmitWP) = m_dienst;
    m_liste.get(ID_WWproTag) = m_bedarf;
    m_liste.get(ID_WWSollTemp) = m_soll;
    m_liste.get(ID_KaltWTemp) = m_kalt;
    m_liste.get(ID_EintrittsTemp) = m_eintritt;
    m_liste.get(ID_WWTVerluste) = m_verluste;
    m_liste.get(ID_WWSpeicherVolumen) = m_volumen;
    m_liste.get(ID_WWSpTyp) = m_typ;
    m_liste.get(ID_BWW) = m_bww;
    SchreibeSolaranlage();
}

void CWWPage::SchreibeSolaranlage() {
    if (!ISolar::IstGeladen()) return;
    // A project without a solar plant has nothing to tell one; a library plant is not
    // written (with the "conf" switch only where the database keeps it).
    const CVRMString anlage = Dokument().ProjektText(ID_Solar);
    if (anlage.empty() || (IGlobal::IstBiboName(anlage) &&
                           !(GetKelvoApp().GetConfSchalter() && IGlobal::NimmtSatzAuf(anlage))))
        return;
    SetzeSolarWert(anlage, ID_SolSollTemp, CVRMVariant(m_soll));
    if (m_liste.get(ID_ProjMitSolar).GetBoolVal() && m_soll != m_sollGeladen && !Beschaeftigt())
        KVSMessageBoxID(kSollGeaendert, kTitel, platform::mb::ICONINFORMATION);
}

void CWWPage::NachSpeichern() {
    GetDatenSheet().UpdatePageDaten(1);
    m_sollGeladen = m_soll;
    Nachheizung();
}
