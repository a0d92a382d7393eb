// The yearly evaluation of a project and what the result windows take from it: the
// yearly record, the energy-coverage curves and the inputs of the expenditure factor.
#include <algorithm>
#include <exception>
#include <vector>

#include "app/doc/AuslegungsRegeln.h"
#include "app/doc/AuswertDlgLogik.h"
#include "app/doc/AuswertSummen.h"
#include "app/doc/KelvoDoc.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/binding/Kuehl.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr unsigned kKeineAuswertung = 3125;      // "No evaluation possible"
constexpr unsigned kKeineVerluste = 5641;        // "No stand-by or circulation losses ... enter"
constexpr unsigned kElektroAngenommen = 5642;    // "... Thatswhy an electric heater is assumed."
constexpr unsigned kNichtBivalent = 3670;        // "... annual energy factor for bivalent ..."
constexpr unsigned kOhneWarmwasser = 5640;       // "... primary energy factor without hot water"
constexpr unsigned kBezugsort = 3623;            // "Würzburg 97xxx (D)"
constexpr unsigned kBibKennung = 3621;           // "(bib)"
constexpr unsigned kSondenfeld = 3772;           // "Please note: ... NOT influencing each other."
constexpr unsigned kEnergiedeckung = 6017;       // "Energy coverage"
constexpr unsigned kOhneSolar = 6038;            // "Energy coverage (without solar gains)"
constexpr unsigned kSondenfeldAb = 25;
constexpr uint32_t kHinweis = platform::mb::OK | platform::mb::ICONINFORMATION;
constexpr int kWarmwasserBefehl = 32847;
// A day's share of a year's energy, as the reference run has always taken it.
constexpr float kJeTag = 0.0027777778f;

}  // namespace

void CKelvoDoc::RunAuswertung(CKelvoErgebnisse& ergebnisse, uint16_t key, float wwEnergie) {
    const CVRMString solar = ProjektText(ID_Solar);
    if (!m_auswertung.IstAusgewertet(key)) {
        m_auswertung.InitAuswertung(key, &m_projekt, &m_kombiQuelle, &m_wpumpe, &m_haus, &m_tarif,
                                    solar, platform::toUInt32(wwEnergie + 0.5f));
        m_auswertung.DoAuswertung();
    }
    m_auswertung.GetErgebnisse(ergebnisse);
    if (!m_rechnetProjekt) PruefeLaufzeit(ergebnisse);
}

SAuswertWerte CKelvoDoc::LeseAuswertWerte() {
    SAuswertWerte w;
    const bool wpGueltig = m_wpumpe.IstGueltig();
    const int medium = wpGueltig ? m_wpumpe.GetWert(ID_MedienTyp).GetIntVal() : -1;
    if (wpGueltig && !m_beschaeftigt) {
        w.mitFlags = true;
        w.abtauenInWPDaten = m_wpumpe.GetWert(ID_AVE).GetBoolVal();
        w.luefterInWPDaten = m_wpumpe.GetWert(ID_VSE).GetBoolVal();
    }
    w.quellPumpe = medium == 3 ? 0u : m_projekt.GetWert(ID_LeistungSP2).GetUIntVal();
    w.heizPumpe = m_projekt.GetWert(ID_LeistungHUP2).GetUIntVal();
    w.solarGewinnAnteil = m_haus.GetSolarGewinnAnteil(ProjektText(ID_Solar));
    w.laufzeitHeizPumpe = m_projekt.GetWert(ID_LaufzeitHUP).GetUIntVal();
    w.zirkulation = m_haus.GetWert(ID_WWmitWP).GetIntVal() != 0 && m_haus.GetWert(ID_SMZ).GetBoolVal();
    w.zirkPumpe = m_haus.GetWert(ID_LZP).GetUIntVal();
    w.zirkLaufzeit = m_haus.GetWert(ID_LAZ).GetFloatVal();
    CWQuelle2* erste = m_kombiQuelle.IstGueltig() && m_kombiQuelle.GetAnzahlWQuellen() > 0
                           ? GetWQuelle(1)
                           : nullptr;
    w.zwischenkreis = erste && erste->GetWert(ID_ZwkWt).GetBoolVal() && medium == 2;
    if (wpGueltig)
        w.zwkPumpe = m_wpumpe.GetWert(ID_ZKWTpumpe).GetFloatVal() *
                     static_cast<float>(m_projekt.GetWert(ID_AnzahlWP).GetUIntVal());
    w.luftWP = medium == 1;
    w.abtauenBerechnen = m_projekt.GetWert(ID_BerechAT).GetBoolVal();
    w.stromAbtauen = m_projekt.GetWert(ID_StromAbtauen).GetUIntVal();
    if (IKuehl::IstGeladen() && m_haus.HatKuehlAnlage())
        w.kuehlung = IKuehl::GetNullWert(static_cast<int>(w.quellPumpe), ProjektText(ID_Kuehl));
    return w;
}

void CKelvoDoc::GetAuswertDaten(CKelvoErgebnisse& ergebnisse, CAuswertDaten& record,
                                std::array<float, 12>& monatsSummen, uint16_t key,
                                float wwEnergie) {
    record.Reset();
    monatsSummen.fill(0.0f);
    RunAuswertung(ergebnisse, key, wwEnergie);
    SummiereJahr(ergebnisse, LeseAuswertWerte(), record, monatsSummen);
}

int CKelvoDoc::GetJahresErgebnisse(CKelvoErgebnisse& ergebnisse, CAuswertDaten& record,
                                   std::array<float, 12>& monatsSummen, uint16_t key,
                                   float wwEnergie) {
    try {
        int ausreichend = 1;
        if (!BerechneProjekt(ausreichend, 1, 0)) return 0;
        GetAuswertDaten(ergebnisse, record, monatsSummen, key, wwEnergie);
        return 1;
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), u"CKelvoDoc::GetJahresErgebnisse");
    }
    ShowFehler(kKeineAuswertung, nullptr);
    return 0;
}

bool CKelvoDoc::CheckWarmwasserVerluste(unsigned& meldung) {
    meldung = 0;
    if (m_haus.GetWWbedarfProMonat() >= 0.1f) return true;
    switch (m_haus.GetWert(ID_WWmitWP).GetIntVal()) {
        case 1:
        case 3:
            meldung = kKeineVerluste;
            return false;
        case 2:
            meldung = kElektroAngenommen;
            return true;
        default:
            return true;
    }
}

bool CKelvoDoc::getEnergiedeckungDaten(SEnergiedeckung& d) {
    d = SEnergiedeckung{};
    try {
        const float normAussen = m_haus.GetWert(ID_NAT).GetFloatVal();
        d.tiefste = platform::toInt32(normAussen);
        d.hoechste = std::min(platform::toInt32(m_haus.GetWert(ID_HeizGrenzTemp).GetFloatVal()), 12);
        const float tv = m_haus.GetWert(ID_HeizVorlauf).GetFloatVal();
        const float tr = m_haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
        const unsigned anzahl = std::max(m_projekt.GetWert(ID_AnzahlWP).GetUIntVal(), 1u);
        std::array<float, SEnergiedeckung::kPunkte> quellTemp;
        quellTemp.fill(-100.0f);
        std::array<float, SEnergiedeckung::kPunkte> vorlauf{};

        CKelvoErgebnisse ergebnisse;
        CAuswertDaten jahr;
        std::array<float, 12> monate{};
        GetAuswertDaten(ergebnisse, jahr, monate, 0, 0.0f);

        const int von = std::max(d.tiefste, SEnergiedeckung::kTiefsteTemp);
        const auto index = [](int t) { return static_cast<size_t>(t - SEnergiedeckung::kTiefsteTemp); };
        const int medium = m_wpumpe.GetWert(ID_MedienTyp).GetIntVal();
        CWQuelle2& erste = *GetWQuelle(1);
        // The unit runs on the brine that reaches it, as the evaluation runs it, not on the
        // ground around the probes: that is warmer and would show more than the unit gives.
        float minimum = 100.0f, maximum = -100.0f;
        for (float temp : ergebnisse.Reihe(ER_SoleTemp)) {
            minimum = std::min(minimum, temp);
            maximum = std::max(maximum, temp);
        }
        const float steigung = auslegung::QuellTempSteigung(minimum, maximum, d.tiefste, d.hoechste);
        for (int t = von; t <= d.hoechste; ++t) {
            float& q = quellTemp[index(t)];
            switch (medium) {
                case 0:
                case 3:
                    q = minimum + steigung * (static_cast<float>(t) - normAussen);
                    break;
                case 1:
                    q = static_cast<float>(t);
                    break;
                case 2:
                    q = erste.GetWert(ID_WasserTemp).GetFloatVal();
                    break;
                default:
                    ThrowFehler(textid::kFalscheKonstante, u"getEnergiedeckungDaten");
            }
            m_haus.MomentaneVorlaufTempMonat(static_cast<float>(t), 1.0f, vorlauf[index(t)], true);
        }

        const int modus = erste.GetWert(ID_BetrWeiseIdx).GetIntVal();
        const int bivalenz = erste.GetWert(ID_DimPunktTemp).GetIntVal();
        for (int t = von; t <= d.hoechste; ++t) {
            const size_t i = index(t);
            d.bedarf[i] = static_cast<float>(anzahl) *
                          GetDimWerte(static_cast<float>(t), static_cast<int>(anzahl)).leistungProWP;
            // A heat pump working alone still gives only what it can: a monovalent plant
            // whose unit is too small shows the gap as additional energy, as the design
            // check warns of it, instead of the demand met by assumption.
            const auto wpLaeuft = [&] {
                m_wpumpe.GetLeistungGesamt(CWPumpe2::kHeizLeistung, quellTemp[i], vorlauf[i], tv, tr,
                                           d.leistung[i]);
                d.cop[i] = m_wpumpe.GetLeistungszahlKorr(quellTemp[i], vorlauf[i], tv, tr);
            };
            if (t >= bivalenz || modus == 0 || modus == 2) {
                wpLaeuft();
                continue;
            }
            switch (modus) {
                case 1:
                    wpLaeuft();
                    break;
                case 3:
                case 4:
                    break;
                case 5:
                case 6:
                case 7:
                case 8:
                    if (m_wpumpe.getMVT(quellTemp[i]) >= vorlauf[i]) wpLaeuft();
                    break;
                default:
                    ThrowFehler(textid::kFalscheKonstante, u"getEnergiedeckungDaten-2");
            }
        }
        d.wert = jahr.Feld(AF_ZweiterWEWW);
        return true;
    } catch (const platform::UserException&) {
        return false;
    }
}

bool CKelvoDoc::PruefeAufwandszahl() {
    if (m_kombiQuelle.IstGueltig() && m_kombiQuelle.IstBiValent()) {
        KVSMessageBoxID(kNichtBivalent, textid::kProduktCaption, kHinweis);
        return false;
    }
    if (m_haus.GetWert(ID_WWmitWP).GetIntVal() == 0) {
        KVSMessageBoxID(kOhneWarmwasser, textid::kProduktCaption, kHinweis);
        onCommand(kWarmwasserBefehl);
        return false;
    }
    unsigned meldung = 0;
    const bool verluste = CheckWarmwasserVerluste(meldung);
    if (meldung != 0) KVSMessageBoxID(meldung, textid::kProduktCaption, kHinweis);
    if (!verluste) {
        onCommand(kWarmwasserBefehl);
        return false;
    }
    int ausreichend = 1;
    return BerechneProjekt(ausreichend, 1, 0) != 0;
}

namespace {

// Puts the house values the reference run changes back as they were, on every way out,
// and leaves the evaluation stale.
class CBezugsWerte {
  public:
    CBezugsWerte(CHaus2& haus, CAuswertManager& auswertung) : m_haus(haus), m_auswertung(auswertung) {
        for (TKelvoDatenID id : kIds) m_alt.emplace_back(haus.GetWert(id));
    }
    ~CBezugsWerte() {
        for (size_t i = 0; i < m_alt.size(); ++i) m_haus.GetWert(kIds[i]) = m_alt[i];
        m_auswertung.ResetAusgewertet();
    }
    CBezugsWerte(const CBezugsWerte&) = delete;
    CBezugsWerte& operator=(const CBezugsWerte&) = delete;

    static constexpr TKelvoDatenID kIds[] = {ID_Klimaort, ID_WWSollTemp, ID_HeizGrenzTemp,
                                             ID_MittlRaumTemp};

  private:
    CHaus2& m_haus;
    CAuswertManager& m_auswertung;
    std::vector<CVRMwert> m_alt;
};

}  // namespace

int CKelvoDoc::BerechneAufwandszahl(SAufwandszahlDaten& d, int medium) {
    if (m_kombiQuelle.IstGueltig() && m_kombiQuelle.IstBiValent()) return 0;
    d = SAufwandszahlDaten{};
    d.medium = medium;
    CKelvoErgebnisse ergebnisse;
    CAuswertDaten jahr;
    std::array<float, 12> monate{};
    GetAuswertDaten(ergebnisse, jahr, monate, 0, 0.0f);
    d.zirkKosten = jahr.Feld(AF_StromZirkPumpe);

    SHilfsenergieAnfrage a;
    a.mitAllen = true;
    a.mitUmwaelzpumpen = true;
    a.betriebsweise = GetWQuelle(1)->GetWert(ID_BetrWeiseIdx).GetIntVal();
    if (m_haus.HatSolarAnlage()) {
        a.solarHeizung = m_haus.HatSolarWohin(CHaus2::kHeizung);
        a.solarWarmwasser = m_haus.HatSolarWohin(CHaus2::kWarmwasser);
        a.solarErdreich = m_haus.HatSolarWohin(CHaus2::kErdreich);
    }
    d.wwModus = m_haus.GetWert(ID_WWmitWP).GetIntVal();
    a.wwModus = d.wwModus;
    a.solarPumpenEnergie = static_cast<float>(m_projekt.GetWert(ID_SolarPumpe).GetUIntVal());
    a.medium = medium;
    CVRMString liste;
    a.heizung = true;
    a.warmwasser = false;
    d.heizZahl = CAuswertDlgLogik::GetHilfsenergieText(jahr, a, liste);
    a.heizung = false;
    a.warmwasser = true;
    d.wwZahl = CAuswertDlgLogik::GetHilfsenergieText(jahr, a, liste);

    d.jahresWW = m_haus.GetWWbedarfProMonat() * 12.0f;
    d.verlust1 = static_cast<float>(m_haus.GetWert(ID_GewinnIntern).GetUIntVal()) * 0.04f;
    d.verlust2 = d.verlust1 * 12.5f;
    if (d.wwModus != 2 && d.jahresWW < 0.1f) d.jahresWW = d.verlust2 * 0.1f;

    CKelvoErgebnisse bezugErgebnisse;
    CAuswertDaten bezug;
    {
        CBezugsWerte zurueck(m_haus, m_auswertung);
        CVRMString ort(kBezugsort, u"W\u00fcrzburg 97xxx (D)");
        ort += u" ";
        ort += kBibKennung;
        WeiseTypgerechtZu(m_haus.GetWert(ID_Klimaort), CVRMVariant(ort));
        WeiseTypgerechtZu(m_haus.GetWert(ID_WWSollTemp), CVRMVariant(50u));
        WeiseTypgerechtZu(m_haus.GetWert(ID_HeizGrenzTemp), CVRMVariant(10u));
        WeiseTypgerechtZu(m_haus.GetWert(ID_MittlRaumTemp), CVRMVariant(19u));
        m_auswertung.ResetAusgewertet();
        const float ww = d.wwModus == 0 ? 0.0f : d.jahresWW * kJeTag + d.verlust2 * kJeTag;
        GetAuswertDaten(bezugErgebnisse, bezug, monate, 0, ww);
    }
    d.bezugsEnergie = bezug.Feld(AF_ZweiterWEHeiz) + bezug.Feld(AF_WPWaermeHeiz);
    d.bezugsVerbrauch = bezug.Feld(AF_SolarWW) + bezug.Feld(AF_SolarHeiz);
    return 1;
}

void CKelvoDoc::OnAufwandszahl(const std::function<void(const SAufwandszahlDaten&)>& zeige) {
    try {
        if (!PruefeAufwandszahl()) return;
        SAufwandszahlDaten daten;
        if (BerechneAufwandszahl(daten, m_wpumpe.GetWert(ID_MedienTyp).GetIntVal()) && zeige)
            zeige(daten);
    } catch (const platform::UserException&) {
        ShowFehler(kKeineAuswertung, nullptr);
    }
}

void CKelvoDoc::OnEnergiedeckung(
    const std::function<void(const SEnergiedeckung&, unsigned titel)>& zeige) {
    try {
        int ausreichend = 1;
        if (!BerechneProjekt(ausreichend, 1, 0)) return;
        SEnergiedeckung daten;
        if (!getEnergiedeckungDaten(daten)) return;
        const unsigned titel =
            m_haus.GetWert(ID_ProjMitSolar).GetBoolVal() ? kOhneSolar : kEnergiedeckung;
        if (zeige) zeige(daten, titel);
    } catch (const platform::UserException&) {
        ShowFehler(kKeineAuswertung, nullptr);
    }
}

bool CKelvoDoc::PruefeQuellErgebnisse() {
    int ausreichend = 1;
    if (!BerechneProjekt(ausreichend, 1, 0)) return false;
    CWQuelle2& erste = *GetWQuelle(1);
    if (erste.GetWert(ID_QuellMediumIdx).GetIntVal() == 0 &&
        erste.GetWert(ID_SoleKreise).GetUIntVal() >= kSondenfeldAb)
        KVSMessageBoxID(kSondenfeld, textid::kProduktCaption, kHinweis);
    return true;
}

float CKelvoDoc::GetMittlereQuellTemp(bool mitZuschlag, int von, int bis) {
    if (bis < von) bis += 12;
    std::array<float, 12> temps{};
    if (HatUserQuellTemps()) {
        GetWQuelle(1)->GetUserQuellTemps(temps);
    } else {
        if (!m_auswertung.IstAusgewertet(0)) ThrowFehler(0, nullptr);
        CKelvoErgebnisse ergebnisse;
        m_auswertung.GetErgebnisse(ergebnisse);
        const bool direkt = IstDirektverdampfer();
        temps = ergebnisse.Reihe(direkt ? ER_QuellTemp1 : ER_SoleTemp);
    }
    const float zuschlag =
        mitZuschlag ? m_projekt.GetWert(ID_TempDiffVerdampf2).GetFloatVal() * 0.5f : 0.0f;
    float summe = 0.0f;
    int anzahl = 0;
    for (int m = von; m <= bis; ++m) {
        const int monat = m % 12;
        summe += temps[static_cast<size_t>(monat)] + zuschlag;
        ++anzahl;
    }
    return anzahl > 0 ? summe / static_cast<float>(anzahl) : 0.0f;
}

bool CKelvoDoc::HatUserQuellTemps() {
    return m_kombiQuelle.IstGueltig() && m_kombiQuelle.GetAnzahlWQuellen() > 0 &&
           GetWQuelle(1)->GetWert(ID_UserQuellTemp).GetBoolVal();
}

bool CKelvoDoc::IstVDI4650Moeglich() {
    if (!m_wpumpe.IstGueltig() || !m_haus.IstInitialisiert() || !m_kombiQuelle.IstGueltig() ||
        m_kombiQuelle.GetAnzahlWQuellen() < 1)
        return false;
    const int medium = m_wpumpe.GetWert(ID_MedienTyp).GetIntVal();
    const int art = GetWQuelle(1)->GetWert(ID_QuellMediumIdx).GetIntVal();
    return medium >= 0 && medium <= 3 && art >= 0 && art <= 3 && !HatUserQuellTemps() &&
           m_haus.GetWert(ID_NormwaermeBedarf).GetFloatVal() >= 0.1f;
}
