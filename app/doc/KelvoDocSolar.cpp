// The solar plant's feed-in: month by month the collector yield goes to hot water, heating
// and the ground in the order the house's three destination tables give.
#include <cmath>
#include <exception>

#include "app/doc/KelvoDocSolar.h"

#include "app/doc/KelvoDoc.h"
#include "core/records/SolareGewinne.h"
#include "core/text/TextIdConstants.h"
#include "evaluation/SolarOpt.h"
#include "evaluation/binding/Solar.h"
#include "model/errors/Fehler.h"
#include "platform/errors/UserException.h"
#include "platform/ui/Desktop.h"

namespace {

constexpr float kMonatsStunden = 720.0f;

// Operating modes in which the solar heating takes the whole demand of the month, not
// only the heat pump's part.
bool GanzerHeizbedarf(int modus) {
    switch (modus) {
        case 0: case 2: case 5: case 6: case 7: case 8: return true;
        default: return false;
    }
}

struct SZiel {
    float energie = 0.0f;
    uint32_t temperatur = 0;
    CSolareGewinne* gewinne = nullptr;
    unsigned art = 0;
};

}  // namespace

namespace kelvodocsolar {

float WwSpeicherFaktorSolar(unsigned volumen, float jahresEnergie, float flaeche, int monat,
                            bool mitWP) {
    constexpr const char16_t* kOrt = u"CKelvoDoc::WwSpeicherFaktorSolar";
    if (flaeche <= 0.1f) ThrowFehler(textid::kDatenFehlen, kOrt);
    if (monat < 0 || monat > 11) ThrowFehler(textid::kFalscheKonstante, kOrt);
    if (!mitWP || jahresEnergie == 0.0f) return 1.0f;
    const float q = static_cast<float>(volumen) / jahresEnergie;
    const float f = q > 5.0f ? 0.5f : q > 4.0f ? 0.6f : q > 3.0f ? 0.7f : q > 2.0f ? 0.9f
                                   : q > 1.5f ? 1.0f : 1.1f;
    float x = static_cast<float>(volumen) / flaeche * 0.02f / f;
    switch (monat) {
        case 0: case 11: x *= 0.5f; break;
        case 1: case 10: break;
        case 2: case 9: x *= 2.0f; break;
        case 3: case 8: x *= 5.0f; break;
        case 4: x *= 5.5f; break;
        default: return 1.0f;  // June to August
    }
    return x > 1.0f ? 1.0f : x;
}

void DoSolarEinspeisung(CKelvoDoc& dok, const std::vector<unsigned>& wohin1,
                        const std::vector<unsigned>& wohin2, const std::vector<unsigned>& wohin3,
                        CSolareGewinne& heizung, CSolareGewinne& warmwasser, CSolareGewinne& erdreich) {
    CHaus2& haus = dok.Haus();
    const CVRMString anlage = dok.ProjektText(ID_Solar);
    if (!haus.IstSolarProjekt(anlage)) return;
    const std::vector<unsigned>* tabellen[3] = {&wohin1, &wohin2, &wohin3};
    const char16_t* parameterOrte[3] = {u"CKelvoDoc::DoSolarEinspeisung(P1)",
                                        u"CKelvoDoc::DoSolarEinspeisung(P2)",
                                        u"CKelvoDoc::DoSolarEinspeisung(P3)"};
    for (int t = 0; t < 3; ++t)
        if (tabellen[t]->size() < 12) ThrowFehler(textid::kDatenFehlen, parameterOrte[t]);
    const char16_t* zielOrte[3] = {u"CKelvoDoc::DoSolarEinspeisung1", u"CKelvoDoc::DoSolarEinspeisung2",
                                   u"CKelvoDoc::DoSolarEinspeisung3"};
    ui::WaitCursor warten;
    try {
        const unsigned verlustH = ISolar::get(anlage, ID_SolTauschVerlustH).GetUIntVal();
        const unsigned verlustW = ISolar::get(anlage, ID_SolTauschVerlust).GetUIntVal();
        const float flaeche = ISolar::get(anlage, ID_KFlaeche).GetFloatVal();
        const unsigned puffer = ISolar::get(anlage, ID_PufferVolumen).GetUIntVal();
        const unsigned pufferUe = ISolar::get(anlage, ID_PufferUeTemp).GetUIntVal();
        const bool wwMitWP = haus.GetWert(ID_WWmitWP).GetIntVal() == 1;
        const unsigned speicher = haus.GetWert(ID_WWSpeicherVolumen).GetUIntVal();
        const unsigned wwSoll = haus.GetWert(ID_WWSollTemp).GetUIntVal();
        const float wwJahr = static_cast<float>(haus.BerechneWWEnergie());
        const bool ganz = dok.KombiWQuelle().IstGueltig() && dok.KombiWQuelle().GetAnzahlWQuellen() > 0
                              ? GanzerHeizbedarf(dok.GetWQuelle(1)->GetWert(ID_BetrWeiseIdx).GetIntVal())
                              : true;
        const float quellTemp = dok.GetDimQuellTemp();
        const CSolarOpt opt;
        for (unsigned short m = 0; m < 12; ++m) {
            const float gesamt = dok.MomHeizbedarf(m, quellTemp, false);
            const float gedeckt = dok.MomHeizbedarf(m, quellTemp, true);
            const float r = gesamt > 0.0f ? gedeckt / gesamt : 1.0f;
            float ww = 0.0f;
            haus.MonatlicherWWbedarf(m, ww);
            SZiel ziele[4];
            ziele[1] = {ganz ? ww : ww * r, wwSoll + verlustW, &warmwasser, 1};
            const float vorlauf = dok.MomVorlaufTemp(m);
            ziele[2] = {(ganz ? gesamt : gedeckt) * kMonatsStunden,
                        10u * (static_cast<uint32_t>((static_cast<float>(verlustH) + vorlauf) / 10.0f) + 1u),
                        &heizung, 2};
            ziele[3] = {0.0f, ISolar::GetErdEinspeiseTemp(anlage, m), &erdreich, 3};
            std::array<SSolarVerbraucher, 3> verbraucher{};
            const SZiel* gewaehlt[3] = {};
            for (int t = 0; t < 3; ++t) {
                const unsigned wohin = (*tabellen[t])[m];
                if (wohin > 3) ThrowFehler(textid::kFalscheKonstante, zielOrte[t]);
                if (wohin == 0) continue;
                const SZiel& z = ziele[wohin];
                gewaehlt[t] = &z;
                SSolarVerbraucher& v = verbraucher[static_cast<size_t>(t)];
                v.art = wohin;
                v.bedarf = z.energie;
                v.ertragsKey = z.temperatur;
                v.laufStunden = kMonatsStunden;
                if (wohin == 1) v.wwFaktor = WwSpeicherFaktorSolar(speicher, wwJahr, flaeche, m, wwMitWP);
                if (wohin == 2) v.verlust = {puffer, pufferUe, 0u, 0u};
            }
            SSolarEinspeisung ergebnis;
            opt.BerechneEinspeisung(verbraucher, anlage, m, ergebnis);
            for (int t = 0; t < 3; ++t) {
                if (!gewaehlt[t] || ergebnis.bedient[static_cast<size_t>(t)] == 0) continue;
                gewaehlt[t]->gewinne->SetGewinn(m, static_cast<float>(gewaehlt[t]->temperatur),
                                                ergebnis.energie[static_cast<size_t>(t)], 1);
            }
        }
    } catch (const platform::UserException&) {
        ShowFehler(textid::kKeineErgebnisse, u"SolarEinspeisung");
    } catch (const std::exception&) {
        ShowFehler(textid::kKeineErgebnisse, u"SolarEinspeisung");
    }
}

void SetAuswertModus(CKelvoDoc& dok, int modus) { dok.AuswertManager().SetAnpassModus(modus); }

int GetAuswertStatus(CKelvoDoc& dok) { return dok.AuswertManager().GetWiederholung(); }

void GetGewinnTemps(CKelvoDoc& dok, std::array<float, 12>& temps) {
    dok.AuswertManager().GetGewinnTemps(temps);
}

}  // namespace kelvodocsolar
