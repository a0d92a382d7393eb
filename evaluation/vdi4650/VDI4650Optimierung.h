#pragma once
// What the improvement dialog (`CDlgVDIopt`) shows: the values in use beside those the
// guideline recommends, the heat pump's power share at the design temperature with the
// bivalence temperature table 8 gives for it, and which advice texts apply.
#include <vector>

class CVDI4650Rechner;
class IKelvoDocServices;

// What the power share needs of the project document beyond IKelvoDocServices: the
// tariff's blocked hours per day. The application's document implements it beside
// IKelvoDocServices; a document without it leaves the power share unknown.
class IVDI4650Tarifdaten {
  public:
    virtual ~IVDI4650Tarifdaten() = default;
    virtual float GetSperrzeitProTag() = 0;
};

// The project's figures behind the power share.
struct SVDIoptProjekt {
    float heizlast = 0.0f;       // kW, the house's design heat load
    float wwBedarfMonat = 0.0f;  // kWh a month
    float sperrStunden = 0.0f;   // blocked hours a day
};

struct SVDIoptDaten {
    int art = 0;
    float tQuelle = 0.0f;
    int tQuelleEmpfohlen = 0;
    float fp = 0.0f;
    float fpEmpfohlen = 0.0f;
    float fpBerechnet = 0.0f;
    bool vorplanung = true;
    int betriebsweise = 0;
    bool anteilBekannt = false;
    float anteilProzent = 0.0f;  // power share at the design temperature, per cent
    int bivalenzAusTabelle = 0;  // the bivalence temperature table 8 gives for it
    float bivalenzInUse = 0.0f;
};

// The figures of the calculator's document; false when it has no document, no house or
// cannot tell its blocked hours.
bool LeseOptProjekt(IKelvoDocServices& doc, SVDIoptProjekt& projekt);
// The dialog's values; the power share only for a project in monoenergetic operation
// (`projekt` none: unknown). `flachkollektor` chooses the brine recommendation.
SVDIoptDaten BerechneOptDaten(const CVDI4650Rechner& rechner, const SVDIoptProjekt* projekt,
                              bool flachkollektor);
// The advice after text 5869 on the source-pump factor: 5892, 5897 or 5898.
unsigned GetPumpenHinweis(const SVDIoptDaten& daten);
// The advice texts on the operating mode, in order; empty: no advice.
std::vector<unsigned> GetBetriebsweiseHinweise(int betriebsweise);
// Whether to prompt for the bivalence temperature table 8 gives (text 5899).
bool ZeigeBivalenzHinweis(const SVDIoptDaten& daten);
