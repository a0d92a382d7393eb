#include "app/doc/AuswertDlgLogik.h"

#include <algorithm>

#include "core/text/TextIdConstants.h"
#include "model/data/HeizungsNamen.h"
#include "model/errors/Fehler.h"

namespace {

constexpr unsigned kSolePumpe = 3212;     // "Brine circ. pump"
constexpr unsigned kLuefter = 3314;       // "Fan"
constexpr unsigned kWasserPumpe = 3213;   // "Water circ. pump"
constexpr unsigned kHeizstaebe = 3457;    // "Heating elements"
constexpr unsigned kHeizstab = 3520;      // "Hot water heating rod"
constexpr unsigned kWWElektrisch = 5619;  // "Hot water with electricity"
constexpr unsigned kZwkPumpe = 5713;      // "intermediate heat exch. pump"
constexpr unsigned kHeizPumpe = 3519;     // "Heat circulation pump"
constexpr unsigned kZirkPumpe = 5661;     // "circulation pump"
constexpr unsigned kAbtauEnergie = 5662;  // "defrosting energy"
constexpr unsigned kRegelung = 5616;      // "control unit"
constexpr unsigned kMitAllenLabel = 5586; // "with whole auxiliary power %s"
constexpr unsigned kTitel = 4023;         // "Evaluation - %s"
constexpr unsigned kMitAbtauung = 5615, kOhneAbtauung = 4067;
constexpr unsigned kLuefterInDaten = 6030;  // "Fan covered by heat pump data"
// Auxiliary energies of a tenth of a kWh or less are not worth naming.
constexpr float kNennenswert = 0.1f;
constexpr float kStundenSchwelle = 1.0f;

CVRMString LangText(unsigned id) {
    CVRMString t;
    t.LoadStringW(id);
    return t;
}

CVRMString Gepolstert(const CVRMString& text) { return u" " + text + u" "; }

void Anhaengen(CVRMString& liste, const CVRMString& eintrag) {
    if (eintrag.empty()) return;
    if (!liste.empty()) liste += u", ";
    liste += eintrag;
}

void Anhaengen(CVRMString& liste, unsigned textId) { Anhaengen(liste, LangText(textId)); }

// Operating modes whose additional heat comes from electric heating elements, and those
// with a fuel-fired or other second heat generator.
bool ElektrischerZusatz(int modus) {
    return modus == 0 || modus == 1 || modus == 3 || modus == 5 || modus == 7;
}
bool ZweiterErzeuger(int modus) {
    return modus == 2 || modus == 4 || modus == 6 || modus == 8;
}

float Energie(const CAuswertDaten& r, TAuswertFeld feld) { return std::max(r.Feld(feld), 0.0f); }

// The part a of a + b, 0 when both are 0 (a project without any heat-pump operation).
float Anteil(float a, float b) { return a + b > 0.0f ? a / (a + b) : 0.0f; }

// The record's figures the factors and costs read, each at least 0.
struct SEnergien {
    float th, tw;        // running hours heating, hot water
    float eh, ew, eq;    // heat-pump electricity heating, hot water; source pump or fan
    float qh, qw;        // heat delivered
    float z2h, z2w;      // second generator
    float ehup, eab, ezw, eump, ex;
    float sh, sw;
    explicit SEnergien(const CAuswertDaten& r)
        : th(Energie(r, AF_LaufzeitHeiz)), tw(Energie(r, AF_LaufzeitWW)),
          eh(Energie(r, AF_StromHeiz)), ew(Energie(r, AF_StromWW)),
          eq(Energie(r, AF_StromQuellpumpe)), qh(Energie(r, AF_WPWaermeHeiz)),
          qw(Energie(r, AF_WPWaermeWW)), z2h(Energie(r, AF_ZweiterWEHeiz)),
          z2w(Energie(r, AF_ZweiterWEWW)), ehup(Energie(r, AF_StromHeizpumpe)),
          eab(Energie(r, AF_StromAbtauen)), ezw(Energie(r, AF_StromZwkPumpe)),
          eump(Energie(r, AF_StromZirkPumpe)), ex(Energie(r, AF_Abluft)),
          sh(Energie(r, AF_SolarHeiz)), sw(Energie(r, AF_SolarWW)) {}
};

unsigned PumpenLabel(int medium) {
    switch (medium) {
        case 0:
            return kSolePumpe;
        case 1:
        case 4:
            return kLuefter;
        case 2:
            return kWasserPumpe;
        default:
            return 0;  // direct evaporation has no source pump
    }
}

float HilfsenergieSumme(const SEnergien& e, const SHilfsenergieAnfrage& a) {
    float summe = e.ezw + e.ehup + e.ex + e.eab;
    if (a.solarHeizung || a.solarWarmwasser || a.solarErdreich)
        summe += 2.0f * std::max(a.solarPumpenEnergie, 0.0f);
    return summe;
}

float HilfsenergieAnteilHeizung(const SEnergien& e, const SHilfsenergieAnfrage& a) {
    float anteil = HilfsenergieSumme(e, a);
    if (e.tw > kStundenSchwelle) {
        const float r = e.th / e.tw;
        anteil = anteil * r / (r + 1.0f);
    }
    if (ElektrischerZusatz(a.betriebsweise)) anteil += e.z2h;
    return anteil;
}

float HilfsenergieAnteilWarmwasser(const SEnergien& e, const SHilfsenergieAnfrage& a) {
    float anteil = HilfsenergieSumme(e, a);
    if (e.th > kStundenSchwelle) {
        const float r = e.tw / e.th;
        anteil = anteil * r / (r + 1.0f);
    }
    if (ElektrischerZusatz(a.betriebsweise) || (ZweiterErzeuger(a.betriebsweise) && a.wwModus == 2))
        anteil += e.z2w;
    return anteil;
}

void Umwaelzpumpen(const SEnergien& e, float& hilfs, CVRMString& liste) {
    hilfs += e.ehup + e.eump;
    if (e.ehup > kNennenswert) Anhaengen(liste, kHeizPumpe);
    if (e.eump > kNennenswert) Anhaengen(liste, kZirkPumpe);
}

}  // namespace

float CAuswertDlgLogik::GetHilfsenergieText(const CAuswertDaten& r, const SHilfsenergieAnfrage& a,
                                            CVRMString& liste) {
    liste.clear();
    SEnergien e(r);
    // Heat-pump data that include defrosting have its electricity in Eh and Ew already;
    // adding the defrosting line as well would count it twice, as the costs never do.
    if (r.m_AbtauenInWPDaten) e.eab = 0.0f;
    const bool luefterInDaten = r.m_LuefterInWPDaten;
    const unsigned pumpenLabel = PumpenLabel(a.medium);
    const bool beide = a.heizung == a.warmwasser;
    const bool elektrisch = ElektrischerZusatz(a.betriebsweise);
    const bool zweiterMitWWStrom = ZweiterErzeuger(a.betriebsweise) && a.wwModus == 2;

    float ewp = 0.0f;
    if (beide) {
        ewp = e.eh + e.ew;
        if (a.mitAllen) {
            if (!luefterInDaten) ewp += e.eq;
            if (pumpenLabel != 0) Anhaengen(liste, pumpenLabel);
        }
    } else if (a.heizung) {
        ewp = e.eh;
        if (a.mitAllen && !luefterInDaten) ewp += e.eq * Anteil(e.th, e.tw);
    } else {
        ewp = e.ew;
        if (a.mitAllen && !luefterInDaten) ewp += e.eq * Anteil(e.tw, e.th);
    }
    ewp = std::max(ewp, 0.0f);

    float hilfs = 0.0f, waerme = 0.0f, solar = 0.0f;
    bool solarAbziehen = true;
    if (beide && a.heizung) {
        unsigned erzeuger = 0;
        if (elektrisch) {
            hilfs = e.z2h + e.z2w;
            erzeuger = kHeizstaebe;
        } else if (zweiterMitWWStrom) {
            hilfs += e.z2w;
            erzeuger = kHeizstaebe;
        }
        if (erzeuger != 0) Anhaengen(liste, erzeuger);
        hilfs += e.ezw;
        if (e.ezw > kNennenswert) Anhaengen(liste, kZwkPumpe);
        if (a.mitUmwaelzpumpen) Umwaelzpumpen(e, hilfs, liste);
        hilfs += e.eab;
        if (e.eab > kNennenswert) Anhaengen(liste, kAbtauEnergie);
        const float regel = std::max(a.regelEnergie, 0.0f);
        hilfs += regel;
        if (regel > kNennenswert) Anhaengen(liste, kRegelung);
        waerme = e.qh + e.qw;
        if (elektrisch) waerme += e.z2h + e.z2w;
        if (zweiterMitWWStrom) waerme += e.z2w;
        solar = e.sh + e.sw;
    } else if (a.heizung) {
        hilfs = HilfsenergieAnteilHeizung(e, a);
        waerme = e.qh + (elektrisch ? e.z2h : 0.0f);
        solar = e.sh;
        solarAbziehen = false;
    } else if (a.warmwasser) {
        hilfs = HilfsenergieAnteilWarmwasser(e, a);
        waerme = e.qw + (elektrisch || zweiterMitWWStrom ? e.z2w : 0.0f);
        solar = e.sw;
        solarAbziehen = false;
    } else {
        if (a.mitAllen) {
            hilfs = e.ezw;
            if (e.ezw > kNennenswert) Anhaengen(liste, kZwkPumpe);
        }
        if (a.mitUmwaelzpumpen) Umwaelzpumpen(e, hilfs, liste);
        waerme = e.qh + e.qw;
        solar = e.sh + e.sw;
    }
    const bool solarImProjekt = a.solarHeizung || a.solarWarmwasser;
    const float abzug = solarAbziehen && solarImProjekt && !a.regenerativ ? solar : 0.0f;
    return PositiveDifferenzDurch(waerme, hilfs + ewp, abzug);
}

CVRMString CAuswertDlgLogik::getNameZwErzeuger(int betriebsweise, int wwModus, int zweiterET,
                                               const CVRMString& eigeneHeizung) {
    switch (betriebsweise) {
        case 0:
        case 3:
        case 5:
        case 7:
            return LangText(wwModus == 2 ? kWWElektrisch : kHeizstaebe);
        case 1:
            return LangText(wwModus == 2 ? kWWElektrisch : kHeizstab);
        case 2:
        case 4:
        case 6:
        case 8: {
            const CVRMString eigene =
                eigeneHeizung.empty() ? LangText(textid::kHolzheizung) : eigeneHeizung;
            CVRMString name = GetVergleichsheizungName(zweiterET, eigene);
            if (wwModus == 2) name += u" + " + LangText(kWWElektrisch);
            return name;
        }
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CAuswertDlg::getNameZwErzeuger");
    }
}

SBetriebskosten CAuswertDlgLogik::BerechneBetriebskosten(const SAuswertDlgDaten& d,
                                                         float solarPumpenEnergie) {
    const SEnergien e(d.daten);
    const STarifPreise& p = d.preise;
    SStromPreise strom;
    strom.preis1 = p.preis1;
    strom.preis2 = p.preis2;
    strom.preis3 = p.preis3;
    strom.preis4 = p.preis4;
    strom.preis5 = p.preis5;
    strom.preis6 = p.preis6;
    strom.preis7 = p.preis7;
    strom.preis8 = p.preis8;
    strom.preis6b = p.preis6Kopie;
    strom.p3wieWP = p.p3wieWP;
    strom.p4wieWP = p.p4wieWP;
    strom.p5wieWP = p.p5wieWP;
    strom.p6wieWP = p.p6wieWP;
    const unsigned s1 = d.anteilTarif1, s2 = d.anteilTarif2;
    const auto energieKosten = [&](int wieWP, float menge, float einzelPreis) {
        return BerechneEnergieKosten(wieWP != 0, menge, p.preis1, s1, p.preis2, s2, einzelPreis);
    };
    const bool luefterInDaten = d.daten.m_LuefterInWPDaten;
    // The second copy of price 6 bills the solar pump.
    const int32_t kumw = energieKosten(p.p6wieWP, e.ehup + e.eump, p.preis6);
    const int32_t ksol =
        BerechneKostenAnteil(std::max(solarPumpenEnergie, 0.0f), p.preis6Kopie, 100);

    // The fan of medium kind 4 is never billed with the heat pump; any other source pump or
    // fan is, unless the heat-pump data cover it already. Nothing is taken off that was not
    // added, so the heating part can never exceed the heat pump's whole electricity.
    const bool mitQuellPumpe = !luefterInDaten && d.medium != 4;
    float ewp = e.eh + e.ew;
    if (mitQuellPumpe) ewp += e.eq;
    ewp = std::max(ewp, 0.0f);
    // The circulation pumps run on both tariffs: their share of tariff 1, rounded half up,
    // goes to tariff 1, the rest to tariff 2.
    const int32_t u = (kumw * static_cast<int32_t>(std::min(s1, 100u)) + 50) / 100;
    SBetriebskosten k;
    k.tarif1 = BerechneKostenAnteil(ewp, p.preis1, s1) + u + ksol;
    k.tarif2 = BerechneKostenAnteil(ewp, p.preis2, s2) + std::max(kumw - u, 0);
    // Heat-pump data that include defrosting have its electricity in the heat pump's
    // already: billing the defrosting line as well would count it twice.
    k.abtauen = d.daten.m_AbtauenInWPDaten ? 0 : energieKosten(p.p5wieWP, e.eab, p.preis5);

    int32_t kww = 0, kzet = 0;
    const auto zweiter = [&](float heiz, float ww) {
        return GetKostenZweiterET(d.betriebsweise, d.zweiterET, heiz, ww, strom, s1, s2,
                                  d.vergleichsPreise);
    };
    if (d.wwModus == 2) {
        kww = energieKosten(p.p4wieWP, e.z2w, p.preis4);
        kzet = zweiter(e.z2h, 0.0f);
    } else if (d.wwModus == 3) {
        kww = zweiter(0.0f, e.z2w);
        kzet = zweiter(e.z2h, 0.0f);
    } else {
        kzet = zweiter(e.z2h, e.z2w);
    }
    k.zweiterWE = kzet + kww;
    k.umwaelzpumpen = kumw;
    k.summe = k.tarif2 + k.tarif1 + kzet + kww + k.abtauen;

    float eheiz = e.eh;
    if (mitQuellPumpe) eheiz += e.eq * Anteil(e.th, e.tw);
    k.heizung = BerechneKostenAnteil(eheiz, p.preis1, s1) + BerechneKostenAnteil(eheiz, p.preis2, s2) +
                ksol;
    if (d.wwModus == 0 || d.wwModus == 2 || d.wwModus == 3) {
        k.heizung += kzet;
    } else if (!(d.wwModus == 1 && d.betriebsweise == 1)) {
        k.heizung += static_cast<int32_t>(static_cast<float>(kzet) * Anteil(e.th, e.tw));
    }
    // Hot water is what remains, so that the consumers add up to the total exactly.
    k.warmwasser = std::max(k.summe - k.umwaelzpumpen - k.heizung - k.abtauen, 0);
    // The heat pump's line leaves out the circulation pumps, which have their own line
    // below it, so that the producers add up to the total as the consumers do.
    k.waermepumpe = k.tarif1 + k.tarif2 - k.umwaelzpumpen + k.abtauen;
    return k;
}

CAuswertDlgLogik::CAuswertDlgLogik(SAuswertDlgDaten daten, SAuswertUmgebung umgebung)
    : m_daten(std::move(daten)), m_umgebung(std::move(umgebung)) {
    const CAuswertDaten& r = m_daten.daten;
    const float eab = r.Feld(AF_StromAbtauen);
    const bool abtauInDaten = r.m_AbtauenInWPDaten;
    bool abtauHinweis = false;
    switch (m_daten.medium) {
        case 0:
            m_quellLabel = kSolePumpe;
            break;
        case 1:
            m_quellLabel = kLuefter;
            abtauHinweis = !(abtauInDaten && eab < 1.0f);
            break;
        case 2:
            m_quellLabel = kWasserPumpe;
            break;
        case 3:
            // Direct evaporation has no source pump: its figure counts nowhere.
            m_quellLabel = kSolePumpe;
            m_daten.daten.Feld(AF_StromQuellpumpe) = 0.0f;
            break;
        case 4:
            m_quellLabel = kLuefter;
            break;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CAuswertDlg::OnInitDialog");
    }
    m_sichtbar[kIdAbtauHinweis] = abtauHinweis;
    Setze(kIdAbtauHinweis, LangText(abtauInDaten || eab > kNennenswert ? kMitAbtauung : kOhneAbtauung));
    m_nameZweiterET = getNameZwErzeuger(m_daten.betriebsweise, m_daten.wwModus,
                                        m_daten.zweiterET, m_umgebung.eigeneHeizung);
    SetzeFesteTexte();
    SetzeWerte();
    for (int id : {kIdRahmenReg, kIdLabelReg, kIdReg}) m_sichtbar[id] = m_daten.mitSolar;
    BerechneErgebnisse(false);
    const bool luefterInDaten =
        (m_daten.medium == 1 || m_daten.medium == 4) && m_daten.daten.m_LuefterInWPDaten;
    m_sichtbar[kIdLabelQuellPumpe] = !luefterInDaten;
    m_sichtbar[kIdQuellPumpe] = !luefterInDaten;
    m_sichtbar[kIdLuefterText] = luefterInDaten;
    m_sichtbar[kIdVDI4650] = m_umgebung.vdiSichtbar;
}

void CAuswertDlgLogik::SetzeFesteTexte() {
    CVRMString t;
    t.Format(4024u, LangText(m_umgebung.waehrungProJahr));  // "Energy costs [%s]"
    Setze(kIdGruppeKosten, Gepolstert(t));
    CVRMString pumpen;
    GetPumpenZusatztext(m_daten.medium, m_daten.betriebsweise, m_daten.zweiterET,
                        m_umgebung.eigeneHeizung, pumpen);
    Setze(kIdPumpenText, pumpen);
    t.Format(4027u, m_nameZweiterET);  // "+ %s"
    Setze(kIdLabelZweiter, t);
    t.Format(4058u, m_nameZweiterET);  // "Power consumption of %s [kWh/year]"
    Setze(kIdGruppeZweiter, Gepolstert(t));
    Setze(kIdLabelQuellPumpe, LangText(m_quellLabel));
    Setze(kIdLuefterText, LangText(kLuefterInDaten));

    struct SLabel {
        int id;
        unsigned textId;
        bool rand;
    };
    static constexpr SLabel kLabels[] = {
        {kIdGruppeErzeuger, 4025, true},   {kIdLabelWP, 4026, false},
        {kIdLabelUmw, 4032, false},        {kIdGruppeVerbraucher, 4028, true},
        {kIdLabelHeiz, 4029, false},       {kIdLabelWW, 4030, false},
        {kIdLabelAbtau, 4031, false},      {kIdLabelSumme, 4103, false},
        {kIdGruppeLaufzeit, 4033, true},   {kIdLabelLaufHeiz, 4034, false},
        {kIdLabelLaufWW, 4035, false},     {kIdGruppeQuelle, 4036, true},
        {kIdLabelQuelleHeiz, 4037, false}, {kIdLabelQuelleWW, 4038, false},
        {kIdGruppeStrom, 4039, true},      {kIdLabelStromHeiz, 4040, false},
        {kIdLabelStromWW, 4055, false},    {kIdLabelUmwStrom, 4056, false},
        {kIdLabelAbtauStrom, 4057, false}, {kIdLabelZweiterHeiz, 4059, false},
        {kIdLabelZweiterWW, 4060, false},  {kIdGruppeSolar, 4061, true},
        {kIdLabelSolarHeiz, 4062, false},  {kIdLabelSolarWW, 4063, false},
        {kIdLabelSolarErde, 4064, false},  {kIdLabelJaz, 4223, false},
        {kIdLabelReg, 4204, false},        {kIdReport, 4240, false},
        {kIdVDI4650, 5663, false},         {kIdHilfe, 5178, false},
        {1, 5177, false},
    };
    for (const SLabel& l : kLabels) Setze(l.id, l.rand ? Gepolstert(LangText(l.textId)) : LangText(l.textId));
}

void CAuswertDlgLogik::SetzeWerte() {
    const CAuswertDaten& r = m_daten.daten;
    const auto zahl = [](float wert) {
        CVRMString t;
        t.Format(u"%.0f", static_cast<double>(wert));
        return t;
    };
    const std::pair<int, TAuswertFeld> felder[] = {
        {kIdLaufHeiz, AF_LaufzeitHeiz},       {kIdLaufWW, AF_LaufzeitWW},
        {kIdQuelleHeiz, AF_QuellEnergieHeiz}, {kIdQuelleWW, AF_QuellEnergieWW},
        {kIdStromHeiz, AF_StromHeiz},         {kIdStromWW, AF_StromWW},
        {kIdQuellPumpe, AF_StromQuellpumpe},  {kIdAbtauStrom, AF_StromAbtauen},
        {kIdZweiterHeiz, AF_ZweiterWEHeiz},   {kIdZweiterWW, AF_ZweiterWEWW},
        {kIdSolarHeiz, AF_SolarHeiz},         {kIdSolarWW, AF_SolarWW},
        {kIdSolarErde, AF_SolarErdreich},
    };
    for (const auto& [id, feld] : felder) Setze(id, zahl(r.Feld(feld)));
    Setze(kIdUmwStrom, zahl(r.Feld(AF_StromHeizpumpe) + r.Feld(AF_StromZwkPumpe) +
                           r.Feld(AF_StromZirkPumpe)));
}

void CAuswertDlgLogik::BerechneErgebnisse(bool mitAllenHilfsenergien) {
    m_mitAllen = mitAllenHilfsenergien;
    SHilfsenergieAnfrage a;
    a.mitAllen = m_mitAllen;
    a.mitUmwaelzpumpen = false;  // shown and costed apart, never in the dialog's factors
    a.betriebsweise = m_daten.betriebsweise;
    a.solarHeizung = m_umgebung.solarHeizung;
    a.solarWarmwasser = m_umgebung.solarWarmwasser;
    a.solarErdreich = m_umgebung.solarErdreich;
    a.regelEnergie = m_umgebung.regelEnergie;
    a.wwModus = m_daten.wwModus;
    a.solarPumpenEnergie = 0.0f;
    a.medium = m_daten.medium;
    a.heizung = m_mitAllen;
    a.warmwasser = m_mitAllen;
    CVRMString liste;
    m_jaz = GetHilfsenergieText(m_daten.daten, a, liste);
    if (liste.empty() && (m_daten.medium == 1 || m_daten.medium == 4) &&
        m_daten.daten.m_LuefterInWPDaten)
        liste = LangText(kLuefter);
    CVRMString klammer;
    if (!liste.empty()) klammer.Format(u"(%s)", liste);
    CVRMString label;
    label.Format(kMitAllenLabel, klammer);
    Setze(kIdMitAllen, label);

    a.regenerativ = true;
    CVRMString unbenutzt;
    m_regFaktor = GetHilfsenergieText(m_daten.daten, a, unbenutzt);

    const auto faktor = [](float f) {
        CVRMString t;
        t.Format(u"%.2f", static_cast<double>(f));
        return t;
    };
    Setze(kIdJaz, faktor(m_jaz));
    Setze(kIdReg, faktor(m_regFaktor));

    // A solar pump runs about 2000 hours a year: its watts times 2 are its kWh.
    const float solarPumpe = m_daten.mitSolar ? 2.0f * static_cast<float>(m_daten.solarPumpe) : 0.0f;
    m_kosten = BerechneBetriebskosten(m_daten, solarPumpe);
    SetzeKosten();
}

void CAuswertDlgLogik::SetzeKosten() {
    const auto zahl = [](int32_t wert) {
        CVRMString t;
        t.Format(u"%u", static_cast<unsigned>(std::max(wert, 0)));
        return t;
    };
    Setze(kIdKostenWP, zahl(m_kosten.waermepumpe));
    Setze(kIdKostenZweiter, zahl(m_kosten.zweiterWE));
    Setze(kIdKostenUmw, zahl(m_kosten.umwaelzpumpen));
    Setze(kIdKostenHeiz, zahl(m_kosten.heizung));
    Setze(kIdKostenWW, zahl(m_kosten.warmwasser));
    Setze(kIdKostenAbtau, zahl(m_kosten.abtauen));
    Setze(kIdKostenSumme, zahl(m_kosten.summe));
}

CVRMString CAuswertDlgLogik::Titel() const {
    CVRMString t;
    t.Format(kTitel, m_daten.projektName);
    return t;
}

bool CAuswertDlgLogik::IstSichtbar(int id) const {
    const auto it = m_sichtbar.find(id);
    return it == m_sichtbar.end() || it->second;
}
