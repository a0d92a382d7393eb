// Checks of a heat source: whether a heat pump can use it, and whether its input is
// complete and consistent.
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/data/Flachkollektor.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/source/WQuelle2.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr int kMaxBivalenzTemp = 12;

bool IstBivalent(int betrWeise) {
    return betrWeise == 2 || betrWeise == 4 || betrWeise == 6 || betrWeise == 8;
}

bool IstMonoEnergetisch(int betrWeise) {
    return betrWeise == 0 || betrWeise == 3 || betrWeise == 5 || betrWeise == 7;
}

bool PasstZusammen(int pumpenMedium, int art) {
    switch (pumpenMedium) {
        case 0:
            return art == 0 || art == 1 || art == 4 || art == 5;
        case 1:
            return art == 2;
        case 2:
            return art == 3;
        case 3:
            return art == 0 || art == 1;
        case 4:
            return art == 6;
        default:
            return false;
    }
}

}  // namespace

void CWQuelle2::PruefeKompatibilitaet(int pumpenMedium, int art, int, bool verzicht) {
    if (verzicht || pumpenMedium < 0) return;
    // "This heat source is not compatible with type of heat pump!"
    // "This heat source is not compatible with type of heat pump!"
    if (!PasstZusammen(pumpenMedium, art)) ThrowFehler(3124, u"");
}

bool CWQuelle2::DatenOK(bool direkt, int art, int betrWeise, float volStrom, float innen,
                        float aussen, const CVRMString& material, const CVRMString& umhuellung,
                        const CVRMString& frostschutz, bool bivalent, bool monoEnergetisch,
                        int dimPunktTemp) {
    if (betrWeise < 0) ThrowFehler(3221, nullptr);  // "You must select a mode of operation!"
    if ((bivalent || monoEnergetisch) && dimPunktTemp > kMaxBivalenzTemp) {
        CVRMString text;
        text.Format(3374u, kMaxBivalenzTemp);  // "The maximum bivalent temperature is %i °C."
        ThrowFehlerText(text, nullptr);
    }
    switch (art) {
        case 0:
        case 1:
        case 4:
            // "No flow-through for ground collector provided by user!"
            if (!direkt && volStrom < 0.1f) ThrowFehler(3530, nullptr);
            // "Inner or outer tube diameter too small"
            if (innen < 1.0f || aussen < 1.0f) ThrowFehler(3348, nullptr);
            // "Inner tube diameter is larger than or equal to outer one"
            if (innen >= aussen) ThrowFehler(3050, nullptr);
            // "You must select a collector material!"
            if (material.IsEmpty()) ThrowFehler(3222, nullptr);
            // "You must select a collector coverage!"
            if (umhuellung.IsEmpty()) ThrowFehler(3223, nullptr);
            // "You must select an antifreeze!"
            if (!direkt && frostschutz.IsEmpty()) ThrowFehler(3224, nullptr);
            return true;
        case 2:
        case 3:
        case 5:
        case 6:
            return true;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CWQuelle2::DatenOK(...)");
    }
}

bool CWQuelle2::DatenOK(bool direkt, const CVRMString& ort, bool verlegeHinweis) {
    if (!IstGueltig()) ThrowFehler(textid::kNichtInitialisiert, u"CWQuelle2::DatenOK");
    const int art = Int(ID_QuellMediumIdx);
    const int betrWeise = Int(ID_BetrWeiseIdx);
    DatenOK(direkt, art, betrWeise, Float(ID_VolStrom), Float(ID_RohrInnen), Float(ID_RohrAussen),
            Text(ID_AbsMaterial), Text(ID_AbsUmhuell), Text(ID_FSMittel), IstBivalent(betrWeise),
            IstMonoEnergetisch(betrWeise), Int(ID_DimPunktTemp));

    const float laenge = static_cast<float>(UInt(ID_WQuelleLaenge));
    // Without a tube length there is no laying distance to judge.
    if (art != 1 || !verlegeHinweis || laenge < 1.0f) return true;
    const float aussen = Float(ID_RohrAussen);
    const CVRMString land = CVRMdatenProvider::get().getLandKuerzel(ort);
    if (!IstVerlegeFaktorOK(static_cast<float>(UInt(ID_WQuelleFlaeche)), laenge, aussen, direkt,
                            land)) {
        CVRMString text;
        // "The laying distance (= area / length) is too large."
        text.Format(3531u, GetVerlegeFaktor(aussen, direkt, land));
        KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                               platform::mb::OK | platform::mb::ICONINFORMATION);
    }
    return true;
}
