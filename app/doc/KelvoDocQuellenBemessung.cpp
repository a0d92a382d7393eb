// The size of a project's first heat source for the heat pump the design chose.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "app/doc/KelvoDoc.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/AuswertManager.h"
#include "model/errors/Fehler.h"
#include "model/heatpump/WPumpe2.h"
#include "model/source/WQuelle2.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr int kSonde = 0;
constexpr int kKollektor = 1;
constexpr int kMediumDirekt = 3;

// The operating modes whose design point is the bivalence temperature.
bool MitBivalenzPunkt(int modus) { return modus == 0 || (modus >= 2 && modus <= 8); }

unsigned Aufgerundet(float wert) { return wert > 0.0f ? static_cast<unsigned>(std::ceil(wert)) : 0u; }

// The design's mode, point and probe form stand in the source while it is sized, and what it
// held before comes back afterwards: the design writes its values only when it is taken over.
class EntwurfInQuelle {
  public:
    EntwurfInQuelle(CWQuelle2& quelle, const SQuellBemessung& b) : m_quelle(quelle) {
        for (const auto& [id, wert] : {std::pair{ID_BetrWeiseIdx, b.betrWeise},
                                       std::pair{ID_DimPunktTemp, b.dimPunktTemp},
                                       std::pair{ID_Sondenart, b.sondenart}}) {
            m_vorher.push_back({id, quelle.GetWert(id)});
            quelle.GetWert(id) = wert;
        }
    }
    ~EntwurfInQuelle() {
        for (const auto& [id, wert] : m_vorher) m_quelle.GetWert(id) = wert;
    }
    EntwurfInQuelle(const EntwurfInQuelle&) = delete;
    EntwurfInQuelle& operator=(const EntwurfInQuelle&) = delete;

  private:
    CWQuelle2& m_quelle;
    std::vector<std::pair<TKelvoDatenID, CVRMwert>> m_vorher;
};

}  // namespace

SDimQuellWerte CKelvoDoc::BemesseErsteQuelle(const SQuellBemessung& b) {
    CWQuelle2* erste = m_kombiQuelle.IstGueltig() ? GetWQuelle(1) : nullptr;
    if (!erste || !m_haus.IstInitialisiert())
        ThrowFehler(textid::kDatenFehlen, u"CKelvoDoc::BemesseErsteQuelle");
    CWQuelle2& quelle = *erste;
    const auto wert = [&quelle](TKelvoDatenID id) { return quelle.GetWert(id).GetFloatVal(); };
    SDimQuellWerte w;
    w.sondenLaenge = quelle.GetWert(ID_WQuelleLaenge).GetUIntVal();
    w.anzahl = static_cast<int>(quelle.GetWert(ID_SoleKreise).GetUIntVal());
    w.aussen = wert(ID_RohrAussen);
    w.flaeche = wert(ID_WQuelleFlaeche);
    w.rohrLaenge = wert(ID_WQuelleLaenge);
    w.betrWeise = b.betrWeise;
    w.dimPunktTemp = b.dimPunktTemp;
    w.sondenart = b.sondenart;
    const int art = quelle.GetWert(ID_QuellMediumIdx).GetIntVal();
    if (art != kSonde && art != kKollektor) return w;

    CWPumpe2 wp;
    CVRMdatenProvider::get().fill(wp, b.wpName);
    wp.SetAnzahl(static_cast<unsigned>(std::max(b.anzahl, 1)));
    const EntwurfInQuelle entwurf(quelle, b);
    // The same figures the design test of the source takes: the extraction at the design
    // source temperature and the year's energy drawn from the ground.
    const int t = MitBivalenzPunkt(b.betrWeise)
                      ? b.dimPunktTemp
                      : platform::toInt32(std::trunc(m_haus.GetNormAussenTemp().GetFloatVal()));
    const SDimWerte dim = GetDimWerte(static_cast<float>(t));
    const float vorlauf = m_haus.GetWert(ID_HeizVorlauf).GetFloatVal();
    const float ruecklauf = m_haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
    const CVRMString ort = m_haus.GetWert(ID_Klimaort).GetStringVal();
    const bool direkt = wp.GetWert(ID_MedienTyp).GetIntVal() == kMediumDirekt;
    float leistung = 0.0f, energie = 0.0f;
    KaelteLeistungen(leistung, energie, &wp, vorlauf, ruecklauf, vorlauf, dim.quellTemp, quelle, false, ort);
    const float anteil = CAuswertManager::GetQuellenAnteil(m_kombiQuelle, &quelle, m_haus, direkt);
    float aus1 = 0.0f, aus2 = 0.0f;
    quelle.Dimensioniere(art, leistung * anteil, energie * anteil, w.aussen, direkt, ort, aus1, aus2);
    if (art == kSonde) {
        // The field keeps its number of probes; each takes its share, in whole metres.
        w.anzahl = std::max(w.anzahl, 1);
        w.sondenLaenge = Aufgerundet(aus2 / static_cast<float>(w.anzahl));
    } else {
        w.flaeche = static_cast<float>(Aufgerundet(aus1));
        w.rohrLaenge = static_cast<float>(Aufgerundet(aus2));
    }
    return w;
}
