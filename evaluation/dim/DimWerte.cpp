#include "evaluation/dim/DimWerte.h"

#include <algorithm>
#include <array>

#include "core/text/TextIdConstants.h"
#include "evaluation/dim/Dimensionierung.h"
#include "model/errors/Fehler.h"
#include "model/house/Haus2.h"
#include "model/source/WQuelle2.h"
#include "model/tariff/Tarif2.h"

namespace {

// A day's share of the monthly hot-water demand, as the design has always taken it.
constexpr float kTagJeMonat = 0.0333333f;

unsigned Ganz(float wert) {
    return wert > 0.0f ? static_cast<unsigned>(wert) : 0u;
}

}  // namespace

bool IstParallelBetrieb(int modus) {
    return modus == 0 || modus == 2 || (modus >= 5 && modus <= 8);
}

bool IstAlternativBetrieb(int modus) {
    return modus == 3 || modus == 4;
}

SDimWerte BerechneDimWerte(const SDimWerteEingabe& e) {
    if (e.anzahlWP < 1) ThrowFehler(textid::kDatenFehlen, u"BerechneDimWerte");
    SDimWerte w;
    w.auslegTemp = CDimensionierung::GetDimTemperatur(e.heizLast, e.sperrStunden, e.vorlaufTemp,
                                                      e.wwTag, e.wwSollTemp, e.wwModus);
    if (e.ohneLeistung) return w;
    w.leistungProWP = CDimensionierung::GetDimLeistung(e.heizLast, e.sperrStunden, e.wwTag, 0.0f,
                                                       e.wwModus) /
                      static_cast<float>(e.anzahlWP);
    w.quellTemp = e.userQuellTempMin
                      ? *e.userQuellTempMin
                      : CDimensionierung::GetDimQuellenTemp(
                            e.quellArt, e.vorgabeNutzen, e.dimPunktTemp, e.normAussenTemp,
                            e.wasserTemp, e.erdluft, e.raumTemp, e.zwischenTauscher);
    return w;
}

SDimWerteEingabe LeseDimWerteEingabe(CHaus2& haus, CTarif2& tarif, CWQuelle2& quelle,
                                     int quellArt, int t, bool vorgabeNutzen, int anzahlWP,
                                     bool ohneLeistung) {
    SDimWerteEingabe e;
    // The design load is taken without gains, as the house's flow temperature is.
    haus.HeizbedarfMonat(static_cast<float>(t), 0, e.heizLast);
    haus.MomentaneVorlaufTempLast(1.0f, e.heizLast, e.vorlaufTemp, true);
    float wwMonat = 0.0f;
    haus.MonatlicherWWbedarf(0, wwMonat);
    e.wwTag = wwMonat * kTagJeMonat;
    e.wwSollTemp = Ganz(haus.GetWert(ID_WWSollTemp).GetFloatVal());
    e.wwModus = haus.GetWert(ID_WWmitWP).GetIntVal();
    e.sperrStunden = tarif.GetSperrzeitProTag();
    e.anzahlWP = anzahlWP;
    e.ohneLeistung = ohneLeistung;
    e.quellArt = quellArt;
    e.vorgabeNutzen = vorgabeNutzen;
    e.dimPunktTemp = t;
    e.normAussenTemp = haus.GetWert(ID_NAT).GetFloatVal();
    e.wasserTemp = Ganz(quelle.GetWert(ID_WasserTemp).GetFloatVal());
    e.erdluft = quelle.GetWert(ID_ErdluftAbs).GetBoolVal();
    e.zwischenTauscher = quelle.GetWert(ID_ZwkWt).GetBoolVal();
    e.raumTemp = Ganz(haus.GetWert(ID_MittlRaumTemp).GetFloatVal());
    if (quelle.GetWert(ID_UserQuellTemp).GetBoolVal()) {
        std::array<float, 12> temps{};
        quelle.GetUserQuellTemps(temps);
        e.userQuellTempMin = *std::min_element(temps.begin(), temps.end());
    }
    return e;
}
