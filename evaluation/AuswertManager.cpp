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
#include "model/errors/Fehler.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/project/Projekt2.h"
#include "model/source/KombiWQuelle2.h"
#include "model/source/WQuelle2.h"
#include "model/tariff/Tarif2.h"
#include "platform/errors/UserException.h"

namespace {

constexpr unsigned kAuswertungAbgebrochen = 3397;  // "Evaluation aborted"
constexpr int kMediumDirekt = 3;
constexpr int kArtErdluft = 4;  // earth-air tubes: evaluated by the outside module only

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
    Reset();
    m_projekt = projekt;
    m_kombi = kombi;
    m_wpumpe = wpumpe;
    m_haus = haus;
    m_tarif = tarif;
    m_solarAnlage = solarAnlage;
    m_wort = wort;
    if (kombi) {
        m_quelle1 = kombi->GetErsteWQuelle();
        if (kombi->GetAnzahlWQuellen() > 1) m_quelle2 = kombi->GetZweiteWQuelle();
    }
    if (!wpumpe || !kombi || !haus || !tarif || !projekt || (!m_quelle1 && !m_quelle2))
        ThrowFehler(0, u"");
    for (CWQuelle2* quelle : {m_quelle1, m_quelle2}) {
        if (quelle && quelle->GetWert(ID_QuellMediumIdx).GetIntVal() == kArtErdluft)
            ThrowFehler(textid::kFalscheKonstante, u"CAuswertManager::InitAuswertung3");
    }

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
    for (unsigned short m = 0; m < 12; ++m) {
        m_haus->MomentanerHeizbedarf(m, 1, m_jahr.bedarf[m]);
        m_haus->MomentaneVorlaufTemp(m, m_kontext->sperrFaktor, m_jahr.vorlaufMonat[m], true);
    }
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
        for (int i = 6; i <= 17; ++i) DoBerechnungen(i % 12, (i - 1) % 12);
        m_ausgewertet = 1;
        BerechneQuelle(m_quelle1, Reihe(ER_QuellTemp1));
        if (m_quelle2) BerechneQuelle(m_quelle2, Reihe(ER_QuellTemp2));
        PruefeErdGrenze(m_quelle1, Reihe(ER_QuellTemp1));
        if (m_quelle2) PruefeErdGrenze(m_quelle2, Reihe(ER_QuellTemp2));
        SetzeWPReihenAmJahresende();
    } catch (const platform::UserException&) {
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
