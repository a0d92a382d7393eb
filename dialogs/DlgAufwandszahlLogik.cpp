#include "dialogs/DlgAufwandszahlLogik.h"

#include <cmath>

#include "core/value/VRMVariant.h"
#include "model/project/Projekt2.h"

namespace {

constexpr float kMindest = 0.1f;
// kWh of hot water per m² of floor area and year.
constexpr float kWWJeFlaeche = 12.5f;
constexpr int kOhneWP = 2;  // hot-water mode: hot water without the heat pump
constexpr int kSpeicher = 0, kDurchlauf = 1;
// kWh per m² and year the heating control loses, by its kind (0..3).
constexpr float kRegelung[] = {3.3f, 1.1f, 0.7f, 0.4f};
// Heating hours of the year of the distribution's losses.
constexpr float kHeizStunden = 4440.0f;
constexpr float kTageFaktor = 4.9333334f;

bool Aussen(const SAnlagenDetails& d) { return d.aufstellung == 0; }

}  // namespace

float CDlgAufwandszahlLogik::Aufwandszahl(const SAufwandszahlEingabe& e, const SAnlagenDetails& d,
                                          float peFaktor) {
    const float a = e.flaeche;
    const float qw = kWWJeFlaeche * a;
    const bool mitWPZahl = e.heizZahl > kMindest;
    const bool mitWWZahl = e.wwZahl > kMindest;
    const float heizung = mitWPZahl ? e.heizWaerme / e.heizZahl : 0.0f;
    float warmwasser = 0.0f;
    if (e.wwModus == kOhneWP)
        warmwasser = qw;
    else if (mitWWZahl)
        warmwasser = qw / e.wwZahl;

    float verluste = 0.0f;
    if (e.wwModus == kOhneWP) {
        if (d.wwBereitung == kSpeicher)
            verluste = e.wwVerluste >= kMindest ? e.wwVerluste : qw * 0.1f;
        else if (d.wwBereitung == kDurchlauf)
            verluste = e.wwVerluste;
    } else if (mitWWZahl) {
        verluste = e.wwVerluste / e.wwZahl;
    }
    const float y = verluste + e.weitere;

    float z = 0.0f;
    if (mitWPZahl) {
        const bool aussen = Aussen(d);
        const float r1 =
            a * (d.regelung >= 0 && d.regelung <= 3 ? kRegelung[d.regelung] : kRegelung[0]);
        const float tv = e.vorlauf;
        const float p = aussen ? 0.05f * a + 28.5f : 0.025f * a + 27.5f;
        const float q = (tv - 13.0f) * (aussen ? 0.225f : 0.03375f);
        const float r2 = (p * q + (tv - 20.0f) * a * 0.0043875f) * kHeizStunden * 0.001f;
        const float mitte = (e.vorlauf + e.ruecklauf) * 0.5f;
        const float r3 = (mitte - (aussen ? 5.0f : 20.0f)) * (aussen ? 1.0f : 0.15f) *
                         d.bereitschaft * kTageFaktor;
        z = (r1 + r2 + r3) / e.heizZahl;
    }
    const float energie = z + y + warmwasser + heizung;
    if (energie < kMindest) return 0.0f;
    const float nutzen = e.wwModus != 0 ? e.heizWaerme + qw : e.heizWaerme;
    return peFaktor * energie / nutzen;
}

CVRMString CDlgAufwandszahlLogik::AufwandszahlText(const SAufwandszahlEingabe& e,
                                                   const SAnlagenDetails& d, float peFaktor) {
    const float f = Aufwandszahl(e, d, peFaktor);
    // Energy without any useful heat has no factor.
    if (!std::isfinite(f)) return u"-";
    CVRMString text;
    text.Format(u"%.2f", static_cast<double>(f));
    return text;
}

float CDlgAufwandszahlLogik::Bereitschaftsverlust(unsigned volumen) {
    return std::trunc(0.25f * std::pow(static_cast<float>(volumen), 0.4f) + 0.5f);
}

SAnlagenDetails CDlgAufwandszahlLogik::Lese(CProjekt2& projekt) {
    SAnlagenDetails d;
    d.aufstellung = projekt.GetWert(ID_GerAufstellung).GetIntVal();
    d.verteilung = d.aufstellung;
    d.wwBereitung = projekt.GetWert(ID_WawaBereitung).GetIntVal();
    d.solarPumpe = projekt.GetWert(ID_SolarPumpe).GetUIntVal();
    d.pufferVolumen = projekt.GetWert(ID_PSV).GetUIntVal();
    d.bereitschaft = projekt.GetWert(ID_PBV).GetFloatVal();
    d.regelung = projekt.GetWert(ID_TDR).GetIntVal();
    return d;
}

void CDlgAufwandszahlLogik::Speichere(CProjekt2& projekt, const SAnlagenDetails& d) {
    projekt.SetWert(ID_GerAufstellung, CVRMVariant(d.aufstellung), false);
    projekt.SetWert(ID_WaeVerteilung, CVRMVariant(d.aufstellung), false);
    projekt.SetWert(ID_WawaBereitung, CVRMVariant(d.wwBereitung), false);
    projekt.SetWert(ID_PSV, CVRMVariant(d.pufferVolumen), false);
    projekt.SetWert(ID_PBV, CVRMVariant(d.bereitschaft), false);
    projekt.SetWert(ID_TDR, CVRMVariant(d.regelung), false);
    projekt.SetWert(ID_SolarPumpe, CVRMVariant(d.solarPumpe), true);
}

int CDlgAufwandszahlLogik::WWBereitungAnfang(const SAufwandszahlEingabe& e, int gespeichert) {
    return e.wwModus == kOhneWP && e.wwVerluste < kMindest ? kDurchlauf : gespeichert;
}
