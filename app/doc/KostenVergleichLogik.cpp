#include "app/doc/KostenVergleichLogik.h"

#include <algorithm>
#include <cmath>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"

namespace {

// Heating kind of the second generator: gas, oil, night storage, direct, own system.
constexpr std::array<int, 5> kArtVonZweitemWE = {2, 1, 3, 4, 5};

uint32_t Abgeschnitten(double wert) {
    if (!(wert > 0.0)) return 0;
    if (wert >= 4294967295.0) return UINT32_MAX;
    return static_cast<uint32_t>(wert);
}

uint32_t Abzueglich(uint32_t a, uint32_t b) { return a > b ? a - b : 0; }

}  // namespace

int ArtDesZweitenWE(uint32_t zweiterWE) {
    return zweiterWE < kArtVonZweitemWE.size() ? kArtVonZweitemWE[zweiterWE] : -1;
}

bool IstBivalent(uint32_t betriebsweise) {
    return betriebsweise == 2 || betriebsweise == 4 || betriebsweise == 6 || betriebsweise == 8;
}

uint32_t KonventionelleKosten(uint32_t waerme, uint32_t wirkungsgrad, double preis,
                              uint32_t zusatz, uint32_t extra) {
    // Percent and hundredth unit cancel: the product is in whole currency units. A missing
    // efficiency buys nothing rather than dividing by zero.
    const uint32_t energie =
        wirkungsgrad == 0 ? 0
                          : Abgeschnitten(static_cast<double>(waerme) / wirkungsgrad * preis);
    return energie + zusatz + extra;
}

bool CBKVergleichRechnung::ZweiterWEAktiv() const {
    return flags[0] != 0 && IstBivalent(daten.betriebsweise);
}

uint32_t CBKVergleichRechnung::ZweiterWEZusatz() const {
    const int art = ArtDesZweitenWE(daten.zweiterWE);
    return art < 0 ? 0 : zusatzSumme[static_cast<size_t>(art)];
}

bool CBKVergleichRechnung::Berechne() {
    std::array<double, kVergleichsSysteme> p{};
    std::copy(preise.begin(), preise.end(), p.begin());
    return Berechne(daten.wpKosten, daten.zweitKosten, p);
}

bool CBKVergleichRechnung::Berechne(uint32_t wpKosten, uint32_t zweitKosten,
                                    const std::array<double, kVergleichsSysteme>& p) {
    // kWh x hundredth unit / 100: whole currency units.
    const uint32_t a = Abgeschnitten(umwaelzEnergie * p[0] / 100.0);
    const uint32_t b = Abgeschnitten(daten.hilfsEnergie * p[0] / 100.0);
    summe.fill(0);
    if (flags[0]) summe[0] = zusatzSumme[0] + wpKosten;
    for (int pos = 1; pos < kVergleichsSysteme; ++pos) {
        if (!flags[pos]) continue;
        const auto i = static_cast<size_t>(pos);
        // The electric systems need no heat circulation pump of a boiler.
        const uint32_t extra = pos <= 3 ? a + b : b;
        summe[i] = KonventionelleKosten(daten.jahresWaerme, wirkungsgrad[i], p[i],
                                        zusatzSumme[static_cast<size_t>(kArtVonPosition[i])], extra);
    }
    abzug = zweitKosten;
    if (!ZweiterWEAktiv()) return false;
    const uint32_t zweiter = ZweiterWEZusatz();
    summe[0] += zweiter;
    abzug += zweiter;
    return zweiter == 0;
}

uint32_t CBKVergleichRechnung::BalkenMax() const {
    return *std::max_element(summe.begin(), summe.end());
}

std::array<float, kVergleichsSysteme> CBKVergleichRechnung::GrafikWerte() const {
    std::array<float, kVergleichsSysteme> werte{};
    werte[0] = static_cast<float>(Abzueglich(summe[0], abzug));
    for (size_t i = 1; i < werte.size(); ++i) werte[i] = static_cast<float>(summe[i]);
    return werte;
}

std::array<uint32_t, 7> CBKVergleichRechnung::ZusatzKostenAnteile(
    const std::array<CProjekt2::ZusatzKosten, kVergleichsSysteme>& eintraege) const {
    std::array<uint32_t, 7> anteile{};
    for (size_t pos = 0; pos < kVergleichsSysteme; ++pos)
        anteile[pos] = eintraege[static_cast<size_t>(kArtVonPosition[pos])][2];
    const int art = ArtDesZweitenWE(daten.zweiterWE);
    if (ZweiterWEAktiv() && art >= 0) anteile[6] = eintraege[static_cast<size_t>(art)][2];
    return anteile;
}

CBKVergleichRechnung::SMittel CBKVergleichRechnung::MittlereJahreskosten(
    float steigerung, uint32_t jahre, const std::array<uint32_t, 7>& anteile) {
    // A period of no years would divide by zero: it is one year.
    jahre = std::max(jahre, 1u);
    const PositionsWerte alteSummen = summe;
    const uint32_t alterAbzug = abzug;
    std::array<double, kVergleichsSysteme> p{};
    std::copy(preise.begin(), preise.end(), p.begin());
    uint32_t wp = daten.wpKosten, zweit = daten.zweitKosten;
    SMittel m;
    // In double: 1.05 as a float is 1.0499999..., which would cut 400 x 1.05 to 419 and
    // 4.0 ct x 1.05 to 4.1999998 ct.
    const double faktor = 1.0 + static_cast<double>(steigerung) * 0.01;
    for (uint32_t jahr = 0; jahr < jahre; ++jahr) {
        Berechne(wp, zweit, p);
        m.zweiterAnteil += Abzueglich(abzug, anteile[6]);
        for (size_t pos = 0; pos < kVergleichsSysteme; ++pos) {
            if (!flags[pos]) continue;
            const uint32_t gesamt = pos == 0 ? Abzueglich(summe[0], abzug) : summe[pos];
            m.kosten[pos] += Abzueglich(gesamt, anteile[pos]);
        }
        for (double& preis : p) preis *= faktor;
        const uint32_t neuZweit = Abgeschnitten(zweit * faktor);
        const uint32_t neuWp = Abgeschnitten(Abzueglich(wp, zweit) * faktor + zweit * faktor);
        zweit = neuZweit;
        wp = neuWp;
    }
    for (uint32_t& k : m.kosten) k /= jahre;
    m.zweiterAnteil /= jahre;
    summe = alteSummen;
    abzug = alterAbzug;
    return m;
}

uint32_t Annuitaet(const SInvestEingabe& e, int kategorie, bool mitVerteilung, bool mitSpeicher) {
    std::vector<int> paare;
    switch (kategorie) {
        case 0:
            paare = {1, 2};
            if (mitVerteilung) paare.push_back(0);
            if (mitSpeicher) paare.push_back(12);
            break;
        case 1: paare = {3, 4}; break;
        case 2: paare = {5, 6}; break;
        case 5: paare = {7}; break;
        case 3: paare = {8}; break;
        case 4: paare = {9}; break;
        default: ThrowFehler(textid::kFalscheKonstante, u"CWirtschaftPage::GetInvestKosten");
    }
    if (kategorie == 1 || kategorie == 2 || kategorie == 5) {
        if (mitVerteilung) paare.push_back(11);
        if (mitSpeicher) paare.push_back(10);
    }
    double s = 0.0;
    for (int i : paare) {
        const SInvestPaar& paar = e.paare[static_cast<size_t>(i)];
        if (paar.zweiter > 0) s += static_cast<double>(paar.erster) / paar.zweiter;
    }
    const double n = std::max(e.jahre, 1u);
    const float q = e.zins * 0.01f;
    const double f = std::pow(q + 1.0, n);
    const double a = e.zins >= 0.01f ? q * f / (f - 1.0) : 1.0 / n;
    return Abgeschnitten(n * a * s);
}

bool IstInvestKomplett(const CProjekt2::InvestKosten& paare, int kategorie, int medium) {
    const auto da = [&](int i) {
        const SInvestPaar& p = paare[static_cast<size_t>(i)];
        return p.zweiter > 0 && static_cast<double>(p.erster) / p.zweiter > 0.0;
    };
    switch (kategorie) {
        case 0: return da(2) && (medium == 1 || da(1));
        case 1: return da(3) && da(4);
        case 2: return da(5) && da(6);
        case 3: return da(8);
        case 4: return da(9);
        case 5: return da(7);
        default: return false;
    }
}

uint32_t SWirtschaftErgebnis::BalkenMax() const {
    return *std::max_element(summe.begin(), summe.end());
}

SWirtschaftErgebnis BerechneWirtschaft(const SWirtschaftEingabe& e) {
    SWirtschaftErgebnis r;
    r.betrieb = e.betrieb.kosten;
    r.betrieb[0] += e.betrieb.zweiterAnteil;
    for (size_t i = 0; i < kVergleichsSysteme; ++i) r.wartung[i] = e.anteile[i];
    r.wartung[0] += e.anteile[6];
    r.bivalent = e.flags[0] != 0 && IstBivalent(e.betriebsweise);
    const int zweiteArt = ArtDesZweitenWE(e.zweiterWE);
    if (r.bivalent && zweiteArt >= 0) {
        r.zweitInvest = Annuitaet(e.invest, zweiteArt, false, false);
        r.zweitInvestFehlt = r.zweitInvest == 0;
    } else if (r.bivalent) {
        r.zweitInvestFehlt = true;
    }
    for (size_t pos = 0; pos < kVergleichsSysteme; ++pos) {
        const int art = kArtVonPosition[pos];
        if (!e.flags[pos]) {
            r.betrieb[pos] = r.wartung[pos] = 0;
            continue;
        }
        if (!IstInvestKomplett(e.invest.paare, art, e.medium)) r.unvollstaendig.push_back(art);
        r.invest[pos] = Annuitaet(e.invest, art, true, e.mitSpeicher);
        if (pos == 0) r.invest[0] += r.zweitInvest;
        r.summe[pos] = r.betrieb[pos] + r.wartung[pos] + r.invest[pos];
    }
    return r;
}
