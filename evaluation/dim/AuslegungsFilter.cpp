#include "evaluation/dim/AuslegungsFilter.h"

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "model/heatpump/WPumpe2.h"

namespace {

// Operating modes as the document numbers them.
constexpr int kMonoEnergetischParallel = 0;
constexpr int kBivalentParallel = 2;

int Ganz(float wert) {
    return static_cast<int>(wert);
}

}  // namespace

int MediumFuerQuellArt(int quellArt) {
    switch (quellArt) {
        case 0:
        case 1:
        case 4:
        case 5:
            return 0;  // brine
        case 2:
            return 1;  // air
        case 3:
            return 2;  // water
        case 6:
            return 4;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"MediumFuerQuellArt");
    }
}

bool PasstZurSeitenAuslegung(const CVRMString& name, const SSeitenAuslegung& a, float& leistung) {
    const bool parallel =
        a.dokModus == kMonoEnergetischParallel || a.dokModus == kBivalentParallel;
    const bool zweiterPunkt = parallel && !a.festerDimPunkt && a.minDimPunktTemp < a.dimPunktTemp;
    bool zwischenkreis = false;
    return CWPumpe2::PasstZurAuslegung(
        name, leistung, MediumFuerQuellArt(a.quellArt), Ganz(a.werte.quellTemp), a.keineHeizlast,
        zweiterPunkt ? 1 : 0, zweiterPunkt, a.minDimPunktTemp, a.werte.quellTemp, a.werte.vorlaufTemp1,
        a.werte.vorlaufTemp2, a.werte.ruecklaufTemp, a.werte.leistung, zwischenkreis);
}
