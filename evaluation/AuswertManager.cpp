// The evaluation's year: initialisation, the months from July to June, the year-end steps
// and the results.
#include "evaluation/AuswertManager.h"

#include <algorithm>
#include <cmath>

#include "core/records/SolareGewinne.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/HeizKontext.h"
#include "evaluation/binding/BindingState.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/errors/Fehler.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/project/Projekt2.h"
#include "model/source/KombiWQuelle2.h"
#include "model/source/WQuelle2.h"
#include "model/tariff/Tarif2.h"

namespace {

constexpr unsigned kAuswertungAbgebrochen = 3397;  // "Evaluation aborted"
constexpr int kMediumDirekt = 3;

}  // namespace

CAuswertManager::CAuswertManager() = default;
CAuswertManager::~CAuswertManager() = default;

void CAuswertManager::InitMonatsWerte(MonatsSpan werte) {
    std::fill(werte.begin(), werte.end(), 0.0f);
}

bool CAuswertManager::IstAusgewertet(uint16_t key) const {
    return m_ausgewertet != 0 && m_key == key;
}

void CAuswertManager::Reset() {
    m_wpumpe = nullptr;
    m_kombi = nullptr;
    m_quelle1 = m_quelle2 = nullptr;
    m_haus = nullptr;
    m_tarif = nullptr;
    m_projekt = nullptr;
    m_solarAnlage = CVRMString();
    m_wort = 0;
    m_wiederholung = 0;
    m_sommerFlags = {};
    m_anteil1 = m_anteil2 = 0.0f;
    for (Monatswerte& reihe : m_reihen) reihe.fill(0.0f);
    for (Monatswerte* reihe : {&m_wwQuellAnteil1, &m_wwQuellAnteil2, &m_heizQuellAnteil1,
                               &m_heizQuellAnteil2, &m_solarRestWW, &m_solarRestHeiz,
                               &m_gewinnTemp})
        reihe->fill(0.0f);
    m_jahr = SJahr();
    m_quellDaten = {};
    m_warmwasser = SWarmwasser();
    m_kontext.reset();
}

float CAuswertManager::GetQuellenAnteil(CKombiWQuelle2& kombi, CWQuelle2* quelle, CHaus2& haus,
                                        bool direkt) {
    if (kombi.GetAnzahlWQuellen() <= 1) return quelle ? 1.0f : 0.0f;
    if (!quelle) return 0.0f;
    const CVRMString ort = haus.GetWert(ID_Klimaort).GetStringVal();
    const float eigene = quelle->GetMSEGrenzLeistung(ort, direkt);
    const float summe = kombi.GetErsteWQuelle()->GetMSEGrenzLeistung(ort, direkt) +
                        kombi.GetZweiteWQuelle()->GetMSEGrenzLeistung(ort, direkt);
    return eigene / summe;
}

void CAuswertManager::InitAuswertung(uint16_t key, CProjekt2* projekt, CKombiWQuelle2* kombi,
                                     CWPumpe2* wpumpe, CHaus2* haus, CTarif2* tarif,
                                     const CVRMString& solarAnlage, uint32_t wort) {
    m_key = key;
    m_initialisiert = 0;
    // What was evaluated under an earlier key no longer stands for this one.
    m_ausgewertet = 0;
    Reset();
    m_projekt = projekt;
    m_kombi = kombi;
    m_wpumpe = wpumpe;
    m_haus = haus;
    m_tarif = tarif;
    m_solarAnlage = solarAnlage;
    m_wort = wort;
    if (kombi && kombi->GetAnzahlWQuellen() > 0) {
        m_quelle1 = kombi->GetErsteWQuelle();
        if (kombi->GetAnzahlWQuellen() > 1) m_quelle2 = kombi->GetZweiteWQuelle();
    }
    // Every month works on the first source: without it there is nothing to evaluate,
    // whatever the second holds.
    if (!wpumpe || !kombi || !haus || !tarif || !projekt || !m_quelle1) ThrowFehler(0, u"");

    const bool direkt = wpumpe->GetWert(ID_MedienTyp).GetIntVal() == kMediumDirekt;
    m_anteil1 = GetQuellenAnteil(*kombi, m_quelle1, *haus, direkt);
    if (!(m_anteil1 >= 0.0f && m_anteil1 <= 1.0f))
        ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::InitAuswertung1");
    m_anteil2 = GetQuellenAnteil(*kombi, m_quelle2, *haus, direkt);
    if (!(m_anteil2 >= 0.0f && m_anteil2 <= 1.0f))
        ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::InitAuswertung2");

    const float raumTemp = haus->GetWert(ID_MittlRaumTemp).GetFloatVal();
    const CVRMString klimaort = haus->GetWert(ID_Klimaort).GetStringVal();
    if (m_quelle1)
        m_quelle1->GetQuellenTempsU(Reihe(ER_UngestoertTemp1), raumTemp, -1, true, klimaort);
    if (m_quelle2)
        m_quelle2->GetQuellenTempsU(Reihe(ER_UngestoertTemp2), raumTemp, -1, true, klimaort);
    if (mitSolarenGewinnen()) LeseSolareGewinne();
    LeseJahr();
    m_initialisiert = 1;
}

// The house's solar gains for hot water and heating, and the heat the plant feeds into
// the sources with its temperature less the exchanger's losses.
void CAuswertManager::LeseSolareGewinne() {
    Monatswerte erdreich{};
    m_haus->GetSolareGewinne(m_solarAnlage, 1, m_solarRestWW, false);
    m_haus->GetSolareGewinne(m_solarAnlage, 2, m_solarRestHeiz, false);
    m_haus->GetSolareGewinne(m_solarAnlage, 3, erdreich, false);
    const binding::SolarAufrufe& solar = binding::GetSolarAufrufe();
    CSolareGewinne gewinne(1);
    solar.GetSolareGewinne(m_solarAnlage, 3, gewinne);
    const float verluste =
        static_cast<float>(solar.get(m_solarAnlage, ID_SolTauschVerlustE).GetUIntVal());
    for (int m = 0; m < 12; ++m) {
        Reihe(ER_Einspeisung1)[m] += erdreich[m] * m_anteil1;
        Reihe(ER_Einspeisung2)[m] += erdreich[m] * m_anteil2;
        m_gewinnTemp[m] = gewinne.GetGewinnTemp(m) - verluste;
    }
}

// What every month asks again and again, read once: the bins and the tariff, the
// house's demand and flow temperature of each month.
void CAuswertManager::LeseJahr() {
    m_kontext = std::make_unique<CHeizKontext>(*m_kombi, *m_wpumpe, *m_haus, *m_tarif);
    m_jahr.spreizung = m_projekt->GetWert(ID_TempDiffVerdampf2).GetFloatVal();
    m_jahr.zwischenkreisVerlust = m_projekt->GetWert(ID_ZKWTV2).GetUIntVal();
    IKelvoDocServices* dokument = GetKelvoApp().GetAktDokument(true);
    if (dokument && dokument->GetWPumpe() == m_wpumpe) m_jahr.wwLeistungen = &*m_kontext->tabelle;
    m_haus->MomentanerHeizbedarfJahr(1, m_jahr.bedarf);
    m_haus->MomentaneVorlaufTempJahr(m_kontext->sperrFaktor, m_jahr.vorlaufMonat, true);
}

// The months do not change the sources: what they read of them is read once.
void CAuswertManager::LeseQuellen() {
    m_quellDaten = {};
    CWQuelle2* quellen[] = {m_quelle1, m_quelle2};
    for (size_t i = 0; i < 2; ++i) {
        CWQuelle2* quelle = quellen[i];
        if (!quelle) continue;
        SQuelle& d = m_quellDaten[i];
        d.temp = quelle->LeseQuellTempDaten();
        d.sole = quelle->LeseSoleDaten();
        d.erdreich = IstErdreich(quelle);
        d.zwischenkreis = quelle->GetWert(ID_ZwkWt).GetBoolVal();
        d.volStrom = quelle->GetWert(ID_VolStrom).GetFloatVal();
    }
}

void CAuswertManager::LeseWarmwasser() {
    m_warmwasser.service = m_haus->GetWert(ID_WWmitWP).GetIntVal();
    m_warmwasser.speicherTyp = m_haus->GetWert(ID_WWSpTyp).GetIntVal();
    m_warmwasser.monate.fill(CWawaDaten());
    m_warmwasser.mitWW =
        m_haus->WarmwasserVorbereiten(m_warmwasser.monate, static_cast<float>(m_wort));
}

bool CAuswertManager::mitSolarenGewinnen() const {
    if (!m_haus) ThrowFehler(textid::kNichtInitialisiert, u"CAuswertManager::mitSolarenGewinnen");
    return m_haus->HatSolarAnlage() && (m_key & kOhneSolar) == 0;
}

bool CAuswertManager::mitAbluftGewinnen() const {
    if (!m_haus) ThrowFehler(textid::kNichtInitialisiert, u"CAuswertManager::mitAbluftGewinnen");
    return m_haus->HatAbluftAnlage() && (m_key & kOhneAbluft) == 0;
}

bool CAuswertManager::mitKuehlGewinnen() const {
    if (!m_haus) ThrowFehler(textid::kNichtInitialisiert, u"CAuswertManager::mitKuehlGewinnen");
    return m_haus->HatKuehlAnlage() && (m_key & kOhneKuehlung) == 0;
}

void CAuswertManager::DoAuswertung() {
    if (!m_initialisiert) ThrowFehler(textid::kNichtInitialisiert, u"CAuswertManager::DoAuswertung");
    try {
        LeseQuellen();
        LeseWarmwasser();
        for (int i = 6; i <= 17; ++i) DoBerechnungen(i % 12, (i - 1) % 12);
        m_ausgewertet = 1;
        BerechneQuelle(m_quelle1, Reihe(ER_QuellTemp1));
        if (m_quelle2) BerechneQuelle(m_quelle2, Reihe(ER_QuellTemp2));
        PruefeErdGrenze(m_quelle1, Reihe(ER_QuellTemp1));
        if (m_quelle2) PruefeErdGrenze(m_quelle2, Reihe(ER_QuellTemp2));
        SetzeWPReihenAmJahresende();
    } catch (...) {
        // Whatever went wrong, the year is not evaluated: the user hears so, and the caller
        // gets the error layer's exception.
        m_ausgewertet = 0;
        ThrowFehler(kAuswertungAbgebrochen, nullptr);
    }
}

// At year end the heat-pump series show the total capacities at the month's brine and
// flow temperature.
void CAuswertManager::SetzeWPReihenAmJahresende() {
    for (int m = 0; m < 12; ++m) {
        const SWPLeistung p = MomentaneLeistung(m, Reihe(ER_SoleTemp)[m], m_jahr.vorlaufMonat[m]);
        Reihe(ER_WPQuellLeistung)[m] = p.quelle;
        Reihe(ER_WPHeizLeistung)[m] = p.heiz;
        Reihe(ER_WPElLeistung)[m] = p.elektrisch;
    }
}

void CAuswertManager::GetErgebnisse(CKelvoErgebnisse& ergebnisse) const {
    for (int r = 1; r <= CKelvoErgebnisse::kReihen; ++r) {
        const auto reihe = static_cast<TErgebnisReihe>(r);
        ergebnisse.Reihe(reihe) = Reihe(reihe);
    }
}

void CAuswertManager::GetGewinnTemps(MonatsSpan out) const {
    std::copy(m_gewinnTemp.begin(), m_gewinnTemp.end(), out.begin());
}

bool CAuswertManager::HatErdreichEinspeisung(unsigned erster, unsigned letzter) const {
    if (erster >= 12 || letzter >= 12)
        ThrowFehler(textid::kDatenFehlen, u"CAuswertManager::HatErdreichEinspeisung");
    for (unsigned m = erster; m <= letzter; ++m) {
        if (Reihe(ER_Einspeisung1)[m] + Reihe(ER_Einspeisung2)[m] > 0.1f) return true;
    }
    return false;
}

void ResetAlleBerechnungen() {
    GetKelvoApp().ResetAuswertungen();
}
