// The size of a project's first heat source for the heat pump the design chose.
#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
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
        // The probe length moves while a probe field is sized at the ground down to it.
        m_vorher.push_back({ID_WQuelleLaenge, quelle.GetWert(ID_WQuelleLaenge)});
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

// What one round of a probe field's sizing found at a probe length: the length the ground
// down to it asks for, and whether a field of that length passes the design test.
struct SSondenRunde {
    unsigned bedarf;
    bool besteht;
};

constexpr int kHoechstRunden = 50;

// The ground's conductivity and temperature follow the probe's length, and with them the
// limits the length was sized for: each length asked for is tried at its own ground until
// that ground asks for no other. Of the lengths tried the shortest that passes is kept, so
// a length flipping between two steps of the ground ends on the passing one.
template <class Runde>
unsigned SondenLaengeImEigenenBoden(CWQuelle2& quelle, unsigned laenge, Runde runde) {
    std::set<unsigned> versucht;
    std::optional<unsigned> beste;
    for (int i = 0; i < kHoechstRunden && laenge > 0 && versucht.insert(laenge).second; ++i) {
        quelle.GetWert(ID_WQuelleLaenge) = laenge;
        const SSondenRunde r = runde(laenge);
        if (r.besteht && (!beste || laenge < *beste)) beste = laenge;
        // A length sized to the metre that fails by a rounding takes one metre more.
        const unsigned naechste = r.besteht || r.bedarf > laenge ? r.bedarf : laenge + 1;
        if (naechste == laenge) break;
        laenge = naechste;
    }
    return beste.value_or(laenge);
}

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
    const float vorlauf = m_haus.GetWert(ID_HeizVorlauf).GetFloatVal();
    const float ruecklauf = m_haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
    const CVRMString ort = m_haus.GetWert(ID_Klimaort).GetStringVal();
    const bool direkt = wp.GetWert(ID_MedienTyp).GetIntVal() == kMediumDirekt;
    // Sizes the source as it stands; with a total probe length, also tests a field of it.
    float aus1 = 0.0f, aus2 = 0.0f;
    const auto bemesse = [&](unsigned gesamt) {
        const SDimWerte dim = GetDimWerte(static_cast<float>(t));
        float leistung = 0.0f, energie = 0.0f;
        KaelteLeistungen(leistung, energie, &wp, vorlauf, ruecklauf, vorlauf, dim.quellTemp, quelle,
                         false, ort);
        const float anteil =
            CAuswertManager::GetQuellenAnteil(m_kombiQuelle, &quelle, m_haus, direkt);
        quelle.Dimensioniere(art, leistung * anteil, energie * anteil, w.aussen, direkt, ort, aus1,
                             aus2);
        return gesamt > 0 && quelle.TesteAuslegung(art, leistung * anteil, energie * anteil, direkt,
                                                   ort, gesamt, 0, -1.0f, -1, -1, -1);
    };
    bemesse(0);
    if (art == kSonde) {
        // The field keeps its number of probes; each takes its share, in whole metres.
        w.anzahl = std::max(w.anzahl, 1);
        const auto anzahl = static_cast<unsigned>(w.anzahl);
        const auto jeSonde = [&] { return Aufgerundet(aus2 / static_cast<float>(anzahl)); };
        w.sondenLaenge = SondenLaengeImEigenenBoden(quelle, jeSonde(), [&](unsigned laenge) {
            const bool besteht = bemesse(laenge * anzahl);
            return SSondenRunde{jeSonde(), besteht};
        });
    } else {
        w.flaeche = static_cast<float>(Aufgerundet(aus1));
        w.rohrLaenge = static_cast<float>(Aufgerundet(aus2));
    }
    return w;
}
