#include "evaluation/vdi4650/VDI4650Optimierung.h"

#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "model/app/KelvoDocServices.h"
#include "model/house/Haus2.h"

using namespace VDI4650;

namespace {

bool IstMonoenergetisch(int betriebsweise) {
    return betriebsweise == kMonoenergetischParallel ||
           betriebsweise == kMonoenergetischAlternativ ||
           betriebsweise == kMonoenergetischTeilparallel || betriebsweise == 7;
}

// The load the heat pump must carry at the design temperature: heating plus, when it
// also makes the hot water, the hot-water demand spread over the unblocked hours. 0 when
// it cannot be told.
float AuslegungsLast(const SVDIoptProjekt& p, int warmwasser) {
    float last = p.heizlast;
    if (warmwasser == kWarmwasserMitWP) {
        const float freieStunden = 24.0f - p.sperrStunden;
        if (!(freieStunden > 0.0f)) return 0.0f;
        last += (p.wwBedarfMonat / 30.0f / 24.0f) * 24.0f / freieStunden;
    }
    return last;
}

}  // namespace

bool LeseOptProjekt(IKelvoDocServices& doc, SVDIoptProjekt& projekt) {
    auto* tarif = dynamic_cast<IVDI4650Tarifdaten*>(&doc);
    CHaus2* haus = doc.GetHaus();
    if (!tarif || !haus) return false;
    projekt.heizlast = haus->GetWert(ID_NormwaermeBedarf).GetFloatVal();
    doc.MonatlicherWWbedarf(projekt.wwBedarfMonat);
    projekt.sperrStunden = tarif->GetSperrzeitProTag();
    return true;
}

SVDIoptDaten BerechneOptDaten(const CVDI4650Rechner& r, const SVDIoptProjekt* projekt,
                              bool flachkollektor) {
    SVDIoptDaten d;
    d.art = r.art;
    d.tQuelle = r.tQuelle;
    d.tQuelleEmpfohlen = GetEmpfohleneQuellenTemp(r.art, flachkollektor);
    d.fp = r.fp;
    d.fpEmpfohlen = r.GetEmpfohlenerPumpenFaktor();
    d.fpBerechnet = r.GetBerechneterPumpenFaktor();
    d.vorplanung = r.vorplanung;
    d.betriebsweise = r.betriebsweise;
    d.bivalenzInUse = r.GetBivalenzTemp();
    if (projekt && IstMonoenergetisch(r.betriebsweise)) {
        const float last = AuslegungsLast(*projekt, r.warmwasser);
        if (last > 0.0f) {
            const float anteil = r.leistungAuslegung / last;
            d.anteilBekannt = true;
            d.anteilProzent = anteil * 100.0f;
            d.bivalenzAusTabelle = SucheBivalenzpunkt(anteil);
        }
    }
    return d;
}

unsigned GetPumpenHinweis(const SVDIoptDaten& d) {
    if (d.vorplanung) return d.fpEmpfohlen > d.fpBerechnet ? 5898 : 5897;
    return d.fpBerechnet > d.fpEmpfohlen ? 5892 : 5897;
}

std::vector<unsigned> GetBetriebsweiseHinweise(int betriebsweise) {
    switch (betriebsweise) {
        case kMonovalent:
        case kBivalentParallel:
            return {5877, 5890};
        case kMonoenergetischAlternativ:
            return {5900};
        case kMonoenergetischParallel:
            return {5888};
        case kMonoenergetischTeilparallel:
        case 7:
            return {5888, 5889};
        default:
            return {};
    }
}

bool ZeigeBivalenzHinweis(const SVDIoptDaten& d) {
    return d.anteilBekannt && d.bivalenzAusTabelle < d.bivalenzInUse;
}
