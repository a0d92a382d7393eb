#include "pages/WirtschaftPage.h"

#include <QLineEdit>
#include <QProgressBar>
#include <algorithm>
#include <exception>

#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "controls/small/EnablerDisabler.h"
#include "controls/small/FloatEdit.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "dialogs/DlgInvKosten.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/DlgWiGrafik.h"
#include "dialogs/KostenGrafik.h"
#include "evaluation/binding/Report.h"
#include "model/data/HeizungsNamen.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "pages/BKVergleichPage.h"
#include "pages/KostenSeitenHilfen.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/DrawContext.h"

namespace {

using K = ui::ControlKind;
using W = CWirtschaftPage;

constexpr unsigned kTitel = 4919;              // "Comparison of investment costs"
constexpr unsigned kInvestAddiert = 3766;      // bivalent: the %s investment costs are added
constexpr unsigned kZweitInvestFehlt = 3767;   // bivalent, but investment missing for %s
constexpr unsigned kInvestUnvollstaendig = 3769;  // "Not all of the investment costs ... '%s'."
constexpr unsigned kAus = 3804;                // "--"
constexpr float kZinsMax = 25.0f, kSteigerungMax = 50.0f;

void RegistriereVorlage() {
    if (ui::findDialogTemplate(W::kIDD)) return;
    std::vector<ui::ControlSpec> c = {
        {2016, K::Group, {7, 4, 413, 66}},
        {2018, K::Static, {14, 17, 120, 27}},
        {W::kIdJahre, K::Edit, {124, 15, 160, 27}, 0, u"", ui::cs::EditNumber},
        {2019, K::Static, {164, 17, 200, 27}},
        {2020, K::Static, {14, 32, 120, 42}},
        {W::kIdZins, K::Custom, {124, 30, 160, 42}, 0, u"", 0,
         [](QWidget* p) { return new CFloatEdit(p, 2); }},
        {2022, K::Static, {164, 32, 200, 42}},
        {2033, K::Static, {14, 46, 120, 62}},
        {W::kIdSteigerung, K::Custom, {124, 47, 160, 59}, 0, u"", 0,
         [](QWidget* p) { return new CFloatEdit(p, 1); }},
        {W::kIdInvestDlg, K::Button, {220, 14, 330, 36}},
        {W::kIdErklaerung, K::Custom, {220, 40, 406, 60}, 0, u"", 0, kostenseiten::NeuerHinweis},
        {2021, K::Group, {7, 70, 413, 226}},
        {2023, K::Static, {112, 80, 170, 106}, 0, u"", ui::dt::Right},
        {2024, K::Static, {172, 80, 222, 106}, 0, u"", ui::dt::Right},
        {2025, K::Static, {224, 80, 274, 106}, 0, u"", ui::dt::Right},
        {2026, K::Static, {276, 80, 338, 106}, 0, u"", ui::dt::Right},
        {1576, K::Static, {344, 96, 406, 106}},
        {W::kIdHinweis, K::Custom, {14, 204, 406, 222}, 0, u"", 0, kostenseiten::NeuerHinweis},
        {W::kIdNeuRechnen, K::Button, {7, 230, 77, 244}},
        {W::kIdReport, K::Button, {81, 230, 151, 244}},
        {W::kIdGrafik, K::Button, {155, 230, 215, 244}},
        {W::kIdHilfe, K::Button, {353, 230, 413, 244}},
    };
    constexpr std::array<int, 6> zeilenKoepfe = {2027, 2028, 2029, 2168, 2030, 2031};
    for (size_t i = 0; i < zeilenKoepfe.size(); ++i) {
        const int y = 110 + static_cast<int>(i) * 15;
        c.push_back({zeilenKoepfe[i], K::Static, {14, y, 110, y + 10}});
        c.push_back({W::kIdBetrieb[i], K::Static, {112, y, 170, y + 10}, 0, u"", ui::dt::Right});
        c.push_back({W::kIdInvest[i], K::Static, {172, y, 222, y + 10}, 0, u"", ui::dt::Right});
        c.push_back({W::kIdWartung[i], K::Static, {224, y, 274, y + 10}, 0, u"", ui::dt::Right});
        c.push_back({W::kIdSumme[i], K::Static, {276, y, 338, y + 10}, 0, u"", ui::dt::Right});
        c.push_back({W::kIdBalken[i], K::Custom, {344, y, 406, y + 10}, 0, u"", 0, [](QWidget* p) {
                         auto* balken = new QProgressBar(p);
                         balken->setTextVisible(false);
                         return balken;
                     }});
    }
    ui::registerDialogTemplate({W::kIDD, {420, 250}, 0, u"Wirtschaftlichkeit", std::move(c)});
}

std::u16string Zahl(uint32_t wert) {
    CVRMString t;
    t.Format(textid::kFormatU, wert);
    return t;
}

}  // namespace

CWirtschaftPage::CWirtschaftPage(CBKVergleichPage* bk)
    : ui::PropertyPage(kIDD, CResManager::getLangText(kTitel)), m_bk(bk) {
    RegistriereVorlage();
}

CKelvoDoc* CWirtschaftPage::Dokument() {
    CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true);
    if (!doc || doc->GetPathName() != m_name) ThrowFehler(0, u"");
    return doc;
}

void CWirtschaftPage::SetDaten(const CVRMString& name, uint32_t betriebsweise, uint32_t zweiterWE,
                               bool mitSpeicher) {
    m_name = name;
    m_e.betriebsweise = betriebsweise;
    m_e.zweiterWE = zweiterWE;
    m_e.mitSpeicher = mitSpeicher;
    CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true);
    if (!doc || doc->GetPathName() != name) {
        ShowFehler(0, u"");
        return;
    }
    try {
        CProjekt2& projekt = doc->Projekt();
        projekt.GetInvestKosten(m_e.invest.paare);
        // A period of no years would leave nothing to spread the costs over.
        m_e.invest.jahre = std::max(projekt.GetWert(ID_VergleichJahre).GetUIntVal(), kJahreMin);
        m_e.invest.zins = projekt.GetWert(ID_Zinssatz).GetFloatVal();
        m_steigerung = projekt.GetWert(ID_Steigerung).GetFloatVal();
        m_e.medium = doc->WPumpe().GetWert(ID_MedienTyp, true).GetIntVal();
        m_eigenerName = kostengrafik::EigenerName();
    } catch (const std::exception&) {
    }
}


bool CWirtschaftPage::IstInvestKomplett(int kategorie) {
    return ::IstInvestKomplett(m_e.invest.paare, kategorie, m_e.medium);
}

void CWirtschaftPage::doDataExchange(ui::DataExchange& dx) {
    try {
        dx.unsignedInt(kIdJahre, m_e.invest.jahre, kJahreMin, kJahreMax);
        dx.floating(kIdZins, m_e.invest.zins, 0.0f, kZinsMax);
        dx.floating(kIdSteigerung, m_steigerung, 0.0f, kSteigerungMax);
        m_austauschFehler = false;
    } catch (const platform::UserException&) {
        m_austauschFehler = true;
    }
}

bool CWirtschaftPage::LiesFelder() {
    updateData(true);
    if (!m_austauschFehler) return true;
    m_austauschFehler = false;
    return false;
}

void CWirtschaftPage::onInitPage() {
    if (m_name.empty()) {
        ShowFehler(0, u"");
        return;
    }
    SetzeDlgTexte(*this, {{2016, 4920, true}, {2018, 4921}, {2019, 4922}, {2020, 4923},
                          {2022, 4924}, {2033, 5582}, {kIdInvestDlg, 4925}, {2021, 4927, true},
                          {2023, 4928}, {2024, 4929}, {2025, 4930}, {2026, 4931}, {2027, 4932},
                          {2028, 4933}, {2029, 4934}, {2030, 4936}, {2031, 4937},
                          {kIdNeuRechnen, 4938}, {kIdReport, 4939}, {kIdGrafik, 4940},
                          {kIdHilfe, 5178}});
    kostenseiten::ZeigeHinweis(this, kIdErklaerung, DlgText(4926).toStdU16String());
    ui::setChildText(this, 2168, m_eigenerName);
    ui::setChildText(this, 1576,
                     DlgText(GetKelvoAppObjekt().GetWaehrungText()).toStdU16String());
    EnableDlgItem(this, kIdReport, IReport::IstGeladen());
    for (int id : {kIdJahre, kIdZins, kIdSteigerung})
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(feld, &QLineEdit::textEdited, this,
                             [this] { EnableDlgItem(this, kIdNeuRechnen, true); });
    updateData(false);
}

void CWirtschaftPage::Rechne() {
    CKelvoDoc* doc = Dokument();
    CProjekt2::HeizsystemFlags flags{};
    doc->Projekt().GetHeizsystemJN(flags);
    m_e.flags = flags;
    m_e.betrieb = {};
    m_e.anteile = {};
    if (m_bk) {
        if (!m_bk->hasWindow()) ThrowFehler(0, u"");
        m_e.betrieb = m_bk->GetMittlereJahreskosten(m_steigerung, m_e.invest.jahre, false);
        m_e.anteile = m_bk->GetZusatzKostenAnteile();
    }
    m_ergebnis = BerechneWirtschaft(m_e);
    const bool warten = doc->IstWarteFensterSichtbar();
    const CVRMString zweiterName =
        GetVergleichsheizungName(static_cast<int>(m_e.zweiterWE), m_eigenerName);
    CVRMString hinweis;
    if (m_ergebnis.bivalent) hinweis.Format(kInvestAddiert, zweiterName);
    kostenseiten::ZeigeHinweis(this, kIdHinweis, hinweis);
    const auto melde = [](const CVRMString& text) {
        KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                               platform::mb::OK | platform::mb::ICONINFORMATION);
    };
    if (m_ergebnis.zweitInvestFehlt && !warten) {
        CVRMString text;
        text.Format(kZweitInvestFehlt, zweiterName);
        melde(text);
    }
    if (!m_ergebnis.unvollstaendig.empty() && !warten) {
        CVRMString liste;
        for (int art : m_ergebnis.unvollstaendig) {
            if (!liste.empty()) liste += u", ";
            liste += GetHeizungsartName(art, m_eigenerName);
        }
        CVRMString text;
        text.Format(kInvestUnvollstaendig, liste);
        melde(text);
    }
    EnableDlgItem(this, kIdNeuRechnen, false);
}

void CWirtschaftPage::Zeige() {
    const std::u16string aus = CResManager::getLangText(kAus);
    const uint32_t max = m_ergebnis.BalkenMax();
    for (size_t pos = 0; pos < kVergleichsSysteme; ++pos) {
        const bool an = m_e.flags[pos] != 0;
        const auto zelle = [&](int id, uint32_t wert) {
            ui::setChildText(this, id, an ? Zahl(wert) : aus);
        };
        zelle(kIdBetrieb[pos], m_ergebnis.betrieb[pos]);
        zelle(kIdWartung[pos], m_ergebnis.wartung[pos]);
        zelle(kIdInvest[pos], m_ergebnis.invest[pos]);
        zelle(kIdSumme[pos], m_ergebnis.summe[pos]);
        if (auto* balken = qobject_cast<QProgressBar*>(ui::child(this, kIdBalken[pos]))) {
            // A range of 0..0 would make the bar an endless busy indicator.
            balken->setRange(0, static_cast<int>(std::max<uint32_t>(max, 1)));
            balken->setValue(static_cast<int>(m_ergebnis.summe[pos]));
        }
    }
}

bool CWirtschaftPage::onSetActive() {
    try {
        if (LiesFelder()) {
            Rechne();
            Zeige();
        }
    } catch (const platform::UserException&) {
    }
    return true;
}

void CWirtschaftPage::NeuRechnenUndSpeichern() {
    if (!LiesFelder()) return;
    try {
        CKelvoDoc* doc = Dokument();
        if (doc->Projekt().IstAenderbar(true)) {
            // The three go into the project record together: a save of the last value
            // alone would leave the period and the interest in memory only.
            if (doc->SetProjektDaten2(ID_VergleichJahre, m_e.invest.jahre, 0) &&
                doc->SetzeProjektDaten4(ID_Zinssatz, m_e.invest.zins, 0) &&
                doc->SetzeProjektDaten4(ID_Steigerung, m_steigerung, 0))
                doc->Projekt().Speichern();
        }
    } catch (const platform::UserException&) {
    }
    try {
        Rechne();
        Zeige();
    } catch (const platform::UserException&) {
    }
}

void CWirtschaftPage::OnInvestDlg() {
    CKelvoDoc* doc = Dokument();
    CDlgInvKosten dlg(m_e.invest.paare, doc->KombiWQuelle().IstMonoValent(), this);
    if (dlg.doModal() != ui::kIdOk) return;
    dlg.GetWerte(m_e.invest.paare);
    Dokument()->Projekt().SetInvestKosten(m_e.invest.paare);
    onSetActive();
}

void CWirtschaftPage::GrafikWerte(Werte& betrieb, Werte& invest, Werte& wartung) const {
    for (size_t i = 0; i < kVergleichsSysteme; ++i) {
        betrieb[i] = static_cast<float>(m_ergebnis.betrieb[i]);
        invest[i] = static_cast<float>(m_ergebnis.invest[i]);
        wartung[i] = static_cast<float>(m_ergebnis.wartung[i]);
    }
}

void CWirtschaftPage::OnGrafik() {
    Werte b{}, i{}, w{};
    GrafikWerte(b, i, w);
    CDlgWiGrafik dlg(b, i, w, m_e.flags, GetKelvoAppObjekt().GetWaehrungProJahrText(),
                     CDlgWiGrafik::kTitelInvest, this);
    dlg.doModal();
}

bool CWirtschaftPage::SaveGrafik(const CVRMString& basis, CVRMString& ziel) {
    Werte b{}, i{}, w{};
    GrafikWerte(b, i, w);
    CDlgWiGrafik dlg(b, i, w, m_e.flags, GetKelvoAppObjekt().GetWaehrungProJahrText(),
                     CDlgWiGrafik::kTitelInvest);
    dlg.hide();
    return dlg.SaveChart(basis, ziel);
}

bool CWirtschaftPage::onCommand(int id, int notifyCode, ui::Window* from) {
    try {
        switch (id) {
            case kIdNeuRechnen: NeuRechnenUndSpeichern(); return true;
            case kIdInvestDlg: OnInvestDlg(); return true;
            case kIdGrafik: OnGrafik(); return true;
            case kIdHilfe: return onHelp();
            case kIdReport:
                if (CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true))
                    doc->onCommand(kIdReport);
                return true;
            default: break;
        }
    } catch (const platform::UserException&) {
        return true;
    }
    return ui::PropertyPage::onCommand(id, notifyCode, from);
}

bool CWirtschaftPage::onHelp() {
    GetKelvoApp().ShowHilfeThema(u"wivergleich");
    return true;
}
