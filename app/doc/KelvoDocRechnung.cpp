// The project calculation: the plausibility checks in front of every result, the design
// test of the heat sources, and the small figures of the project the result windows ask.
#include <QWidget>
#include <algorithm>
#include <exception>

#include "app/doc/AuslegungsRegeln.h"
#include "app/doc/KelvoDoc.h"
#include "app/shell/WarteFenster.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/HeizKontext.h"
#include "evaluation/binding/Kuehl.h"
#include "evaluation/binding/Solar.h"
#include "evaluation/dim/DimWerte.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr unsigned kUngespeicherteSeiten = 3350;  // "There are unsaved inputs ... Continuing anyway?"
constexpr unsigned kUnvollstaendig = 3260;        // "Calculations are only possible if ..."
constexpr unsigned kNurErdkollektoren = 3400;     // "Each heat source of a combined one ..."
constexpr unsigned kGleicheBetriebsweise = 3398;  // "Combined heat sources must have the same mode"
constexpr unsigned kGleicheBivalenz = 3399;       // "... the same bivalent temperature."
constexpr unsigned kNichtKompatibel = 3126;       // "Type of heat pump and heat source ..."
constexpr unsigned kEinspeisungZuWarm = 3668;     // "... solar feed temperature ... (%u °C)."
constexpr unsigned kStroemungZuLangsam = 3288;    // "Flow velocity in ground collector is too slow."
constexpr unsigned kStroemungSchnell = 5685;      // "The flow velocity ... is rather high."
constexpr unsigned kVorlaufNichtErreicht = 3119;  // "The building is designed with ... %.0f°C ..."
constexpr unsigned kSolepumpeIgnoriert = 3409;    // "The given wattage of the brine circulation pump ..."
constexpr unsigned kLaufzeitZuLang = 5690;        // "The running time ... greater than the annual ..."
constexpr unsigned kLeistungZuKlein = 3261;       // "Heat output of heat pump (%.1f kW) ..."
constexpr unsigned kMaxVorlaufZuKlein = 3375;     // "Max. flow heating temperature ... (%.1f °C) ..."
constexpr unsigned kNurMitSolar = 3711;           // "Heat source is sufficient ... with solar facility!"
constexpr unsigned kQuelleZuKlein = 3154;         // "Heat source is designed to small"
constexpr unsigned kKuehlungZuGross = 3814;       // "Required cooling is oversized ..."
constexpr unsigned kMehrEinspeisung = 3815;       // "The solar facility feeds more energy ..."
constexpr unsigned kSeiteNichtGezeigt = 3257;     // "Error when showing data page"
constexpr uint32_t kHinweis = platform::mb::OK | platform::mb::ICONINFORMATION;
constexpr float kMonatsStunden = 720.0f;
constexpr int kMediumDirekt = 3;

bool IstMonoEnergetisch(int modus) { return modus == 0 || modus == 3 || modus == 5 || modus == 7; }
bool IstBivalent(int modus) { return modus == 2 || modus == 4 || modus == 6 || modus == 8; }
// Probes, collectors and the other ground sources.
bool IstErdreich(int art) { return art == 0 || art == 1 || art == 4 || art == 5; }

int Ganz(float wert) { return platform::toInt32(wert); }

}  // namespace

// The boxes of one calculation. A silent run keeps every box closed (each answers its
// default button); the boxes of an incomplete or inconsistent project still show while
// the wait window is up.
class CKelvoDoc::CMeldungen : public platform::MessageBoxPresenter {
  public:
    CMeldungen(bool still, bool warteSichtbar) : m_still(still), m_warteSichtbar(warteSichtbar) {
        if (m_still) m_vorher = platform::setMessageBoxPresenter(this);
    }
    ~CMeldungen() override {
        if (m_still) platform::setMessageBoxPresenter(m_vorher);
    }
    CMeldungen(const CMeldungen&) = delete;
    CMeldungen& operator=(const CMeldungen&) = delete;

    int present(const platform::MessageBoxRequest& request) override {
        return platform::defaultAnswer(request.style);
    }
    bool Still() const { return m_still; }

    // A box about the project's consistency, captioned with the project's name.
    void Konsistenz(unsigned textId, const CVRMString& projekt) {
        if (!m_still) {
            KVSMessageBoxTextID(textId, projekt, kHinweis);
        } else if (m_warteSichtbar) {
            platform::setMessageBoxPresenter(m_vorher);
            KVSMessageBoxTextID(textId, projekt, kHinweis);
            platform::setMessageBoxPresenter(this);
        }
    }

  private:
    bool m_still;
    bool m_warteSichtbar;
    platform::MessageBoxPresenter* m_vorher = nullptr;
};

bool CKelvoDoc::IstWarteFensterSichtbar() const {
    const auto* fenster = dynamic_cast<const QWidget*>(m_warten.get());
    return fenster && fenster->isVisible();
}

SProjektRechnung CKelvoDoc::BerechneProjekt(CKelvoErgebnisse* ergebnisse, bool frageSeiten,
                                            bool still) {
    SProjektRechnung rechnung;
    int ausreichend = 1;
    rechnung.berechnet = BerechneProjekt(ausreichend, frageSeiten ? 1 : 0, still ? 1 : 0) != 0;
    rechnung.ausreichend = ausreichend != 0;
    if (rechnung.berechnet && ergebnisse) {
        try {
            RunAuswertung(*ergebnisse, 0, 0.0f);
        } catch (const platform::UserException&) {
            rechnung.berechnet = false;
        }
    }
    return rechnung;
}

int CKelvoDoc::BerechneProjekt(int& ausreichend, int frageSeiten, int still) {
    ResetAuswertung();
    const bool warteSichtbar = IstWarteFensterSichtbar();
    ausreichend = 1;
    int ergebnis = 0;
    {
        struct SRechnet {
            bool& flag;
            const bool vorher = flag;
            ~SRechnet() { flag = vorher; }
        } rechnet{m_rechnetProjekt};
        m_rechnetProjekt = true;
        CMeldungen meldungen(still != 0 || warteSichtbar, warteSichtbar);
        try {
            ergebnis = PruefeUndRechne(ausreichend, frageSeiten, meldungen.Still(), meldungen);
        } catch (const platform::UserException&) {
        } catch (const std::exception& e) {
            ShowFehlerText(CVRMString::fromUtf8(e.what()), u"CKelvoDoc::BerechneProjekt");
        }
    }
    ResetAuswertung();
    return ergebnis;
}

int CKelvoDoc::PruefeUndRechne(int& ausreichend, int frageSeiten, bool still,
                               CMeldungen& meldungen) {
    if (!still && IsEditOpen(frageSeiten != 0) &&
        KVSMessageBoxTextID(kUngespeicherteSeiten, m_name, platform::mb::YESNO) != platform::id::YES)
        return 0;
    // A link to a component that could not be loaded counts as a missing component.
    if (!m_projekt.IstVollstaendig() || !m_haus.IstInitialisiert() || !m_wpumpe.IstGueltig() ||
        !m_kombiQuelle.IstGueltig() || m_kombiQuelle.GetAnzahlWQuellen() < 1 ||
        !m_tarif.IstGueltig()) {
        meldungen.Konsistenz(kUnvollstaendig, m_name);
        return 0;
    }
    CWQuelle2& erste = *GetWQuelle(1);
    const int modus = erste.GetWert(ID_BetrWeiseIdx).GetIntVal();
    const bool zusatz = IstMonoEnergetisch(modus) || IstBivalent(modus);
    const CVRMString solar = ProjektText(ID_Solar);
    const int medium = m_wpumpe.GetWert(ID_MedienTyp).GetIntVal();
    if (!m_haus.DatenOK(zusatz, solar)) return 0;
    if (!m_haus.PruefeSolarWohin(solar, medium != 0)) return 0;

    const bool direkt = IstDirektverdampfer();
    const CVRMString ort = m_haus.GetWert(ID_Klimaort).GetStringVal();
    const bool zweiQuellen = m_kombiQuelle.GetAnzahlWQuellen() > 1;
    erste.DatenOK(direkt, ort, !still);
    if (zweiQuellen) GetWQuelle(0)->DatenOK(direkt, ort, !still);

    const int t = zusatz ? erste.GetWert(ID_DimPunktTemp).GetIntVal()
                         : Ganz(m_haus.GetNormAussenTemp().GetFloatVal());
    if (zweiQuellen && !PruefeQuellenKombination(t, still, meldungen)) return 0;
    if (!PruefeWPundWQ()) return 0;

    if (!still) {
        PruefeSolarEinspeiseTemp();
        if (!CheckReynoldsZahl(1)) return 0;
        if (zweiQuellen && !CheckReynoldsZahl(0)) return 0;
    }
    CheckVorlaufTempWP();
    CheckSolepumpenLstg(!still);
    if (still) return 1;

    SDimAnfrage anfrage;
    anfrage.quellenArt = erste.GetWert(ID_QuellMediumIdx).GetIntVal();
    anfrage.dimTemp = static_cast<float>(t);
    anfrage.parallelBetrieb = IstParallelBetrieb(modus);
    anfrage.alternativBetrieb = IstAlternativBetrieb(modus);
    anfrage.quelle = &erste;
    PruefeAuslegung(ausreichend, GetDimWerte(anfrage));
    PruefeKuehlung();
    return 1;
}

bool CKelvoDoc::PruefeQuellenKombination(int t, bool still, CMeldungen& meldungen) {
    CWQuelle2& erste = *GetWQuelle(1);
    CWQuelle2& zweite = *GetWQuelle(0);
    if (!IstErdreich(erste.GetWert(ID_QuellMediumIdx).GetIntVal()) ||
        !IstErdreich(zweite.GetWert(ID_QuellMediumIdx).GetIntVal())) {
        meldungen.Konsistenz(kNurErdkollektoren, m_name);
        return false;
    }
    const int modus1 = erste.GetWert(ID_BetrWeiseIdx).GetIntVal();
    const int modus2 = zweite.GetWert(ID_BetrWeiseIdx).GetIntVal();
    if (IstMonoEnergetisch(modus1) != IstMonoEnergetisch(modus2) ||
        IstBivalent(modus1) != IstBivalent(modus2)) {
        meldungen.Konsistenz(kGleicheBetriebsweise, m_name);
        return false;
    }
    if ((IstMonoEnergetisch(modus1) || IstBivalent(modus1)) &&
        zweite.GetWert(ID_DimPunktTemp).GetIntVal() != t) {
        // A report prepared in the background goes on with the first source's point.
        if (still && !IstWarteFensterSichtbar()) return true;
        meldungen.Konsistenz(kGleicheBivalenz, m_name);
        return false;
    }
    return true;
}

void CKelvoDoc::PruefeSolarEinspeiseTemp() {
    const CVRMString solar = ProjektText(ID_Solar);
    if (!m_haus.IstSolarProjekt(solar)) return;
    int32_t grenze = 0;
    GetKelvoApp().GetOptionsManager().GetLongWert(OPT_GRENZ_EIN_T, grenze);
    for (unsigned short monat = 0; monat < 12; ++monat) {
        if (!auslegung::EinspeisungZuWarm(ISolar::GetErdEinspeiseTemp(solar, monat), grenze))
            continue;
        CVRMString text;
        text.Format(kEinspeisungZuWarm, static_cast<unsigned>(std::max(grenze, 0)));
        KVSMessageBoxCaptionID(text, textid::kProduktCaption, kHinweis);
        return;
    }
}

int CKelvoDoc::CheckReynoldsZahl(int ersteQuelle) {
    constexpr const char16_t* kOrt = u"CKelvoDoc::CheckReynoldsZahl";
    const bool gueltig = m_kombiQuelle.IstGueltig();
    if (!gueltig || m_kombiQuelle.GetAnzahlWQuellen() < (ersteQuelle ? 1 : 2)) {
        ShowFehler(textid::kDatenFehlen, kOrt);
        return 0;
    }
    CWQuelle2& quelle = *GetWQuelle(ersteQuelle);
    const int art = quelle.GetWert(ID_QuellMediumIdx).GetIntVal();
    if (art != 0 && art != 1 && art != 4) return 1;
    if (!m_wpumpe.IstGueltig()) return 0;
    if (IstDirektverdampfer()) return 1;
    switch (auslegung::BeurteileReynolds(quelle.GetReynoldsZahl())) {
        case auslegung::TStroemung::zuLangsam:
            ShowFehler(kStroemungZuLangsam, nullptr);
            try {
                OnEditDatenPage(ersteQuelle ? kWQ2Seite : kWQ2Seite2);
            } catch (const std::exception&) {
                ShowFehler2(kSeiteNichtGezeigt, ersteQuelle ? 3185u : 3465u);
            }
            return 0;
        case auslegung::TStroemung::schnell:
            KVSMessageBoxID(kStroemungSchnell, textid::kProduktCaption, kHinweis);
            return 1;
        case auslegung::TStroemung::gut:
            break;
    }
    return 1;
}

void CKelvoDoc::CheckVorlaufTempWP() {
    if (m_kombiQuelle.IstGueltig() &&
        (m_kombiQuelle.IstMonoEnergetisch() || m_kombiQuelle.IstBiValent()))
        return;
    if (!m_haus.IstInitialisiert()) return;
    float hausVorlauf = 0.0f;
    int vorlauf = 0, maxVorlauf = 0;
    try {
        hausVorlauf = m_haus.GetWert(ID_HeizVorlauf).GetFloatVal();
        vorlauf = Ganz(hausVorlauf);
        maxVorlauf = Ganz(m_wpumpe.getMVT(GetDimQuellTemp()));
    } catch (const std::exception&) {
        ThrowFehler(textid::kTestNichtMoeglich, u"CKelvoDoc::CheckVorlaufTempWP");
    }
    if (!auslegung::VorlaufNichtErreichbar(vorlauf, maxVorlauf)) return;
    CVRMString text;
    text.Format(kVorlaufNichtErreicht, static_cast<double>(hausVorlauf), vorlauf);
    ThrowFehlerText(text, nullptr);
}

void CKelvoDoc::CheckSolepumpenLstg(int meldungen) {
    if (!meldungen) return;
    int32_t warnen = 0;
    GetKelvoApp().GetOptionsManager().GetLongWert(OPT_WARN_DV_UND_SP, warnen);
    if (!warnen || !m_wpumpe.IstGueltig() || !m_kombiQuelle.IstGueltig()) return;
    bool anzeigen = false;
    try {
        const auto kollektor = [](CWQuelle2* q) {
            return q && q->GetWert(ID_QuellMediumIdx).GetIntVal() == 1;
        };
        anzeigen = kollektor(GetWQuelle(1)) &&
                   (m_kombiQuelle.GetAnzahlWQuellen() < 2 || kollektor(GetWQuelle(0))) &&
                   IstDirektverdampfer() && m_projekt.GetWert(ID_LeistungSP2).GetUIntVal() > 0;
    } catch (const std::exception&) {
        ThrowFehler(textid::kTestNichtMoeglich, u"CKelvoDoc::CheckSolepumpenLstg");
    }
    if (anzeigen) KVSMessageBoxID(kSolepumpeIgnoriert, textid::kProduktCaption, kHinweis);
}

int CKelvoDoc::PruefeWPundWQ() {
    if (m_beschaeftigt || !m_kombiQuelle.IstGueltig() || !m_wpumpe.IstGueltig()) return 1;
    try {
        const int art1 = GetWQuelle(1)->GetWert(ID_QuellMediumIdx).GetIntVal();
        const int art2 = m_kombiQuelle.GetAnzahlWQuellen() > 1
                             ? GetWQuelle(0)->GetWert(ID_QuellMediumIdx).GetIntVal()
                             : -2;
        if (!m_wpumpe.PasstZuQuellenMedium(art1, art2))
            ThrowFehler(kNichtKompatibel, u"CKelvoDoc::PruefeWPundWQ");
        return 1;
    } catch (const platform::UserException&) {
        return 0;
    }
}

bool CKelvoDoc::PruefeLaufzeit(const CKelvoErgebnisse& ergebnisse) {
    const float stunden = ergebnisse.Summe(ER_HeizLaufzeit) + ergebnisse.Summe(ER_WWLaufzeit);
    const float moeglich = (24.0f - m_tarif.GetSperrzeitProTag()) * 365.0f;
    if (stunden <= moeglich) return true;
    KVSMessageBoxID(kLaufzeitZuLang, textid::kProduktCaption, kHinweis);
    return false;
}

void CKelvoDoc::PruefeAuslegung(int& ausreichend, const SDimWerte& dim) {
    float leistung = 0.0f;
    const float ruecklauf = m_haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
    m_wpumpe.GetLeistungGesamt(CWPumpe2::kHeizLeistung, dim.quellTemp, dim.auslegTemp,
                               dim.auslegTemp, ruecklauf, leistung);
    if (auslegung::WPLeistungZuKlein(leistung, dim.leistungProWP)) {
        CVRMString text;
        text.Format(kLeistungZuKlein, static_cast<double>(leistung),
                    static_cast<double>(dim.leistungProWP));
        KVSMessageBoxText(text, m_name, kHinweis);
    }

    CWQuelle2& erste = *GetWQuelle(1);
    const int modus = erste.GetWert(ID_BetrWeiseIdx).GetIntVal();
    const int maxVorlauf = Ganz(m_wpumpe.getMVT(GetDimQuellTemp()));
    if (m_haus.GetWert(ID_NormwaermeBedarf).GetFloatVal() > 0.0f) {
        const float benoetigt = modus == 0 || modus == 2
                                    ? m_haus.GetWert(ID_HeizVorlauf).GetFloatVal()
                                    : dim.auslegTemp;
        if (auslegung::MaxVorlaufZuKlein(maxVorlauf, benoetigt)) {
            CVRMString text;
            text.Format(kMaxVorlaufZuKlein, static_cast<double>(maxVorlauf),
                        static_cast<double>(benoetigt));
            KVSMessageBoxText(text, m_name, kHinweis);
        }
    }

    const float v = m_haus.GetWert(ID_HeizVorlauf).GetFloatVal();
    const bool mitZusatz = m_haus.HatSolarAnlage() || m_haus.HatAbluftAnlage() ||
                           m_haus.HatKuehlAnlage();
    const CVRMString ort = m_haus.GetWert(ID_Klimaort).GetStringVal();
    const auto teste = [&](CWQuelle2& quelle, bool mitGewinnenNachErfolg) {
        if (!IstErdreich(quelle.GetWert(ID_QuellMediumIdx).GetIntVal())) return;
        if (TesteQuelle(quelle, dim.quellTemp, v, false)) {
            if (mitGewinnenNachErfolg && mitZusatz) {
                float e1 = 0.0f, e2 = 0.0f;
                KaelteLeistungen(e1, e2, &m_wpumpe, dim.auslegTemp, ruecklauf, dim.auslegTemp,
                                 dim.quellTemp, quelle, true, ort);
            }
            return;
        }
        ausreichend = 0;
        const bool mitSolar = mitZusatz && TesteQuelle(quelle, dim.quellTemp, v, true);
        CVRMString titel = m_kombiQuelle.getConsumerName();
        const size_t wqx = titel.find(u"_WQX");
        if (wqx != CVRMString::npos && wqx > 0) titel = titel.substr(0, wqx);
        KVSMessageBoxTextID(mitSolar ? kNurMitSolar : kQuelleZuKlein, titel, kHinweis);
    };
    teste(erste, true);
    if (m_kombiQuelle.GetAnzahlWQuellen() > 1) teste(*GetWQuelle(0), false);
}

bool CKelvoDoc::TesteQuelle(CWQuelle2& quelle, float tq, float v, bool mitGewinnen) {
    const CVRMString ort = m_haus.GetWert(ID_Klimaort).GetStringVal();
    const float ruecklauf = m_haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
    const bool direkt = IstDirektverdampfer();
    float e1 = 0.0f, e2 = 0.0f;
    KaelteLeistungen(e1, e2, &m_wpumpe, v, ruecklauf, v, tq, quelle, mitGewinnen, ort);
    const float anteil = CAuswertManager::GetQuellenAnteil(m_kombiQuelle, &quelle, m_haus, direkt);
    return quelle.TesteAuslegung(-1, e1 * anteil, e2 * anteil, direkt, ort, 0, 0, -1.0f, -1, -1,
                                 -1);
}

void CKelvoDoc::PruefeKuehlung() {
    if (!m_haus.HatKuehlAnlage()) return;
    const CVRMString kuehl = ProjektText(ID_Kuehl);
    float kuehlung = 0.0f;
    for (int figur = 1; figur <= 4; ++figur) kuehlung += IKuehl::GetNullWert(figur, kuehl);
    CWQuelle2& erste = *GetWQuelle(1);
    const int art = erste.GetWert(ID_QuellMediumIdx).GetIntVal();
    if (!IstErdreich(art)) ThrowFehler(0, nullptr);
    const float grenze =
        erste.GetMSEGrenzLeistung(m_haus.GetWert(ID_Klimaort).GetStringVal(), IstDirektverdampfer());
    if (art != 0 && art != 1) ThrowFehler(0, nullptr);
    if (kuehlung > 0.7f * 0.001f * grenze)
        KVSMessageBoxID(kKuehlungZuGross, textid::kProduktCaption, kHinweis);
}

SDimWerte CKelvoDoc::GetDimWerte(float t, int anzahlWP, bool ohneLeistung) {
    CWQuelle2* erste = m_kombiQuelle.IstGueltig() ? GetWQuelle(1) : nullptr;
    if (!erste) ThrowFehler(textid::kDatenFehlen, u"CKelvoDoc::GetDimWerte");
    const int modus = erste->GetWert(ID_BetrWeiseIdx).GetIntVal();
    SDimAnfrage anfrage;
    anfrage.quellenArt = erste->GetWert(ID_QuellMediumIdx).GetIntVal();
    anfrage.dimTemp = t;
    anfrage.parallelBetrieb = IstParallelBetrieb(modus);
    anfrage.alternativBetrieb = IstAlternativBetrieb(modus);
    anfrage.anzahlWP = anzahlWP;
    anfrage.ohneLeistung = ohneLeistung;
    anfrage.quelle = erste;
    return GetDimWerte(anfrage);
}

float CKelvoDoc::GetDimQuellTemp() {
    if (!m_wpumpe.IstGueltig() || !m_haus.IstInitialisiert() || !m_kombiQuelle.IstGueltig() ||
        m_kombiQuelle.GetAnzahlWQuellen() < 1)
        return 0.0f;
    CWQuelle2& erste = *GetWQuelle(1);
    const int modus = erste.GetWert(ID_BetrWeiseIdx).GetIntVal();
    const bool amBivalenzpunkt = modus == 0 || (modus >= 2 && modus <= 8);
    const int t = amBivalenzpunkt ? erste.GetWert(ID_DimPunktTemp).GetIntVal()
                                  : Ganz(m_haus.GetNormAussenTemp().GetFloatVal());
    SDimAnfrage anfrage;
    anfrage.quellenArt = erste.GetWert(ID_QuellMediumIdx).GetIntVal();
    anfrage.dimTemp = static_cast<float>(t);
    anfrage.parallelBetrieb = amBivalenzpunkt;
    anfrage.quelle = &erste;
    return GetDimWerte(anfrage).quellTemp;
}

void CKelvoDoc::KaelteLeistungen(float& e1, float& e2, CWPumpe2* wpumpe, float vorlauf,
                                 float ruecklauf, float vorlaufDim, float tq, CWQuelle2& quelle,
                                 bool mitGewinnen, const CVRMString& ort) {
    e1 = e2 = 0.0f;
    CWPumpe2& wp = wpumpe ? *wpumpe : m_wpumpe;
    try {
        wp.GetLeistungGesamt(CWPumpe2::kQuellLeistung, tq, vorlaufDim, vorlauf, ruecklauf, e1);
        const float cop = wp.GetLeistungszahlKorr(tq, vorlaufDim, vorlauf, ruecklauf);
        std::array<float, 12> wasser{};
        if (m_haus.GetWert(ID_WWmitWP).GetIntVal() == 1) m_haus.MonatlicherWWbedarf(wasser);
        std::array<float, 12> quellTemps{};
        quelle.GetQuellenTempsU(quellTemps, static_cast<float>(Ganz(tq)), -1, true, ort);
        if (wp.GetWert(ID_MedienTyp).GetIntVal() == 0)
            for (float& temp : quellTemps) temp -= 4.0f;
        CHeizKontext kontext(m_kombiQuelle, wp, m_haus, m_tarif);
        float energie = 0.0f;
        for (int m = 0; m < 12; ++m) {
            const float temp = quellTemps[static_cast<size_t>(m)];
            float vorlaufMonat = 0.0f;
            m_haus.MomentaneVorlaufTemp(static_cast<unsigned short>(m), kontext.sperrFaktor,
                                        vorlaufMonat, true);
            float quellLeistung = 0.0f, heizLeistung = 0.0f;
            wp.GetLeistungGesamt(CWPumpe2::kQuellLeistung, temp, vorlaufMonat, vorlauf, ruecklauf,
                                 quellLeistung);
            wp.GetLeistungGesamt(CWPumpe2::kHeizLeistung, temp, vorlaufMonat, vorlauf, ruecklauf,
                                 heizLeistung);
            float bedarf = 0.0f;
            m_haus.MomentanerHeizbedarf(static_cast<unsigned short>(m), 1, bedarf);
            const float durchWP =
                CAuswertManager::MomHeizbedarfDurchWP(m, bedarf, temp, 0.0f, kontext).wpAnteil;
            if (heizLeistung > 0.0f) energie += durchWP / heizLeistung * quellLeistung;
            energie += cop * wasser[static_cast<size_t>(m)] / (cop + 1.0f) / kMonatsStunden;
        }
        e2 = energie * kMonatsStunden;
        if (mitGewinnen) {
            CKelvoErgebnisse ergebnisse;
            CAuswertDaten jahr;
            std::array<float, 12> monate{};
            GetAuswertDaten(ergebnisse, jahr, monate, 0, 0.0f);
            e2 = jahr.Feld(AF_QuellEnergieHeiz) + jahr.Feld(AF_QuellEnergieWW) -
                 jahr.Feld(AF_SolarErdreich) - jahr.Feld(AF_Summe23) - jahr.Feld(AF_Summe24);
        }
    } catch (const std::exception&) {
        ThrowFehler(textid::kKeineErgebnisse, u"KelvoDoc::KaelteLeistungen");
    }
    if (e2 < 0.0f) KVSMessageBoxID(kMehrEinspeisung, textid::kProduktCaption, kHinweis);
}

float CKelvoDoc::MomHeizbedarf(int monat, float quellTemp, bool durchWP) {
    float bedarf = 0.0f;
    m_haus.MomentanerHeizbedarf(static_cast<unsigned short>(monat), 1, bedarf);
    if (!durchWP) return bedarf;
    return CAuswertManager::MomHeizbedarfDurchWP(monat, bedarf, quellTemp, 0.0f, m_kombiQuelle,
                                                 m_wpumpe, m_haus, m_tarif)
        .wpAnteil;
}

float CKelvoDoc::MomVorlaufTemp(int monat) {
    float vorlauf = 0.0f;
    m_haus.MomentaneVorlaufTemp(static_cast<unsigned short>(monat), CHeizKontext::SperrFaktor(m_tarif),
                                vorlauf, true);
    return vorlauf;
}

float CKelvoDoc::SolarenHeizanteil() {
    if (!m_haus.IstInitialisiert()) return 0.0f;
    try {
        const float solar = static_cast<float>(m_haus.GetWert(ID_GewinnSolar).GetUIntVal());
        float bedarf = 0.0f;
        for (int m = 0; m < 12; ++m) bedarf += MomHeizbedarf(m, 0.0f, false) * kMonatsStunden;
        const float summe = solar + bedarf;
        return summe > 0.0f ? solar / summe * 100.0f : 0.0f;
    } catch (const std::exception&) {
        ShowFehler(textid::kKeineErgebnisse, u"KelvoDoc::SolarenHeizanteil");
        return 0.0f;
    }
}

unsigned CKelvoDoc::GetAuswertKennzahl() {
    int ausreichend = 1;
    if (!BerechneProjekt(ausreichend, 0, 0)) return 0;
    try {
        CKelvoErgebnisse ergebnisse;
        CAuswertDaten jahr;
        std::array<float, 12> monate{};
        GetAuswertDaten(ergebnisse, jahr, monate, 0, 0.0f);
        return platform::toUInt32(jahr.Feld(AF_AbtauEnergie) + 0.5f);
    } catch (const platform::UserException&) {
        return 0;
    }
}

bool CKelvoDoc::IstKonstanteVorlaufTemp() {
    return m_haus.IstInitialisiert() && m_haus.GetWert(ID_HOK).GetIntVal() == 1;
}

float CKelvoDoc::GetRleistEnergie() {
    const float leistung = m_projekt.GetWert(ID_Rleist).GetFloatVal();
    const bool nurFreigegeben = m_projekt.GetWert(ID_Rlauf).GetBoolVal();
    const float stunden =
        nurFreigegeben && m_tarif.IstGueltig() ? 24.0f - m_tarif.GetSperrzeitProTag() : 24.0f;
    return leistung * 360.0f * stunden * 0.001f;
}

int CKelvoDoc::GetWawaNachheizTemp() {
    if (!m_haus.IstInitialisiert() || !m_wpumpe.IstGueltig()) return 0;
    float quellTemp = 0.0f;
    switch (m_wpumpe.GetWert(ID_MedienTyp).GetIntVal()) {
        case 0:
        case 2:
        case 3:
        case 4:
            quellTemp = GetDimQuellTemp();
            break;
        case 1: {
            std::array<float, 12> klima{};
            m_haus.GetKlimaMonatsTemps(klima);
            quellTemp = *std::min_element(klima.begin(), klima.end());
            break;
        }
        default:
            ThrowFehler(textid::kFalscheKonstante, u"GetWawaNachheizTemp");
    }
    return Ganz(static_cast<float>(Ganz(m_wpumpe.getMVT(quellTemp))) -
                m_haus.GetWert(ID_WWTVerluste).GetFloatVal() + 1.0f);
}

bool CKelvoDoc::IstDirektverdampfer() {
    return m_wpumpe.IstGueltig() && m_wpumpe.GetWert(ID_MedienTyp).GetIntVal() == kMediumDirekt;
}
