// The ground of a heat source: values weighted over the soil layers, the undisturbed
// monthly source temperatures and the mean ground temperature along a probe.
#include <algorithm>
#include <array>

#include "core/text/TextIdConstants.h"
#include "core/value/VRMwertFabrik.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/house/Haus2.h"
#include "model/source/WQuelle2.h"

namespace {

struct Schicht {
    TKelvoDatenID tiefe;
    TKelvoDatenID boden;
};
constexpr std::array<Schicht, 4> kSchichten = {{{ID_QTiefe1, ID_Boden1},
                                                {ID_QTiefe2, ID_Boden2},
                                                {ID_QTiefe3, ID_Boden3},
                                                {ID_QTiefe4, ID_Boden4}}};

}  // namespace

float CWQuelle2::BerechneAbgeleitetenWert(TKelvoDatenID id) {
    if (id != ID_Waermeleitzahl && id != ID_SpezWaerme && id != ID_Dichte) ThrowFehler(0, nullptr);
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
    const float tiefe1 = static_cast<float>(UInt(ID_QTiefe1));
    const CVRMString boden1 = Text(ID_Boden1);
    if (tiefe1 == 0.0f || boden1.IsEmpty()) return 0.0f;

    float summe = tiefe1 * daten.GetBodenDaten(id, boden1);
    float unten = tiefe1;  // lower depth of the last layer counted
    const int art = Int(ID_QuellMediumIdx);
    const float laenge = static_cast<float>(UInt(ID_WQuelleLaenge));
    // Only a probe reaches through the layers below the first.
    if ((art == 0 || art == 4) && laenge > tiefe1) {
        for (size_t i = 1; i < kSchichten.size(); ++i) {
            float tiefe = static_cast<float>(UInt(kSchichten[i].tiefe));
            const CVRMString boden = Text(kSchichten[i].boden);
            // A layer without soil, or one that does not lie below the layers counted,
            // adds nothing; the next layer then reaches up to the last counted one.
            if (tiefe <= unten || boden.IsEmpty()) continue;
            const bool letzte = tiefe >= laenge;
            tiefe = std::min(tiefe, laenge);
            summe += (tiefe - unten) * daten.GetBodenDaten(id, boden);
            unten = tiefe;
            if (letzte) break;
        }
    }
    return summe / unten;
}

unsigned CWQuelle2::GetBodenProfilTiefe() {
    PruefeInit(u"CWQuelle2::GetBodenProfilTiefe");
    for (size_t i = kSchichten.size(); i-- > 0;)
        if (!Text(kSchichten[i].boden).IsEmpty()) return UInt(kSchichten[i].tiefe);
    return 0;
}

bool CWQuelle2::HatVorgabeBoden() {
    PruefeInit(u"CWQuelle2::HatVorgabeBoden");
    for (size_t i = 1; i < kSchichten.size(); ++i)
        if (!Text(kSchichten[i].boden).IsEmpty()) return false;
    return Int(ID_QuellMediumIdx) == 0 && UInt(ID_QTiefe1) == UInt(ID_WQuelleLaenge) &&
           Text(ID_Boden1) == CVRMwertFabrik::getDefaultBodenart();
}

void CWQuelle2::LeseBodenTemps(const CVRMString& klimaort, MonatsWerte out) {
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
    daten.GetBodenMonatsTemps(daten.GetKlimaortName(klimaort), out, klimaort);
}

void CWQuelle2::GetQuellenTempsU(MonatsWerte out, float wertArt6, int art, bool userErlaubt,
                                 const CVRMString& klimaort) {
    if (!IstGueltig()) ThrowFehler(textid::kNichtInitialisiert, u"CWQuelle2::GetQuellenTempsU");
    if (Bool(ID_UserQuellTemp) && userErlaubt) {
        std::copy(m_userQuellTemps.begin(), m_userQuellTemps.end(), out.begin());
        return;
    }
    switch (Art(art)) {
        case 0:
            std::fill(out.begin(), out.end(), GetSondenTemp(UInt(ID_WQuelleLaenge), klimaort));
            return;
        case 1:
        case 5:
            if (!IstOrtGewaehlt(Text(ID_WQuelleOrt)))
                ThrowFehler(textid::kDatenFehlen, u"CWQuelle2::GetQuellenTempsU(2)");
            LeseBodenTemps(klimaort, out);
            return;
        case 2: {
            CHaus2* haus = GetKelvoApp().GetAktDokument(false)->GetHaus();
            if (!haus) ThrowFehler(textid::kDatenFehlen, u"CWQuelle2::GetQuellenTempsU(3)");
            haus->GetKlimaMonatsTemps(out);
            return;
        }
        case 3:
            std::fill(out.begin(), out.end(), static_cast<float>(UInt(ID_WasserTemp)));
            return;
        case 6:
            std::fill(out.begin(), out.end(), wertArt6);
            return;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CWQuelle2::GetQuellenTempsU");
    }
}

float CWQuelle2::GetSondenTemp(unsigned laenge, const CVRMString& klimaort) {
    if (!IstOrtGewaehlt(klimaort)) ThrowFehler(textid::kDatenFehlen, u"CWQuelle2::GetSondenTemp()");
    // The formula weighs the top 10 m against the rest of the probe.
    if (laenge == 0) ThrowFehler(textid::kDatenFehlen, u"CWQuelle2::GetSondenTemp(2)");
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
    std::array<float, 12> klima{};
    daten.GetMonatsWerte(klimaort, klima);
    float summe = 0.0f;
    for (float t : klima) summe += t;
    const float mittel = summe * 0.083333336f;
    const float l = static_cast<float>(laenge);
    const float tief = mittel + l * 0.01f * 3.0f;

    std::array<float, 12> boden{};
    LeseBodenTemps(klimaort, boden);
    float minimum = 100.0f;
    for (float t : boden) minimum = std::min(minimum, t);
    return (minimum + mittel) * 0.5f * (10.0f / l) + ((l - 10.0f) / l) * tief;
}
