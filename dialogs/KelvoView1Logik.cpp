#include "dialogs/KelvoView1Logik.h"

#include "app/doc/KelvoDoc.h"

SProjektKnoepfe ProjektKnoepfe(const SProjektZustand& z) {
    SProjektKnoepfe k;
    k.tarif = z.tarifGueltig && !z.tarif.empty();
    k.wpumpe = z.wpumpeGueltig && !z.wpumpe.empty();
    k.haus = z.hausInitialisiert;
    k.projekt = k.haus && k.tarif;
    k.solar = !z.solar.empty() && k.haus && k.wpumpe;
    k.wquelle = z.wquelleGueltig;
    return k;
}

SProjektZustand LeseProjektZustand(CKelvoDoc& dokument, const CVRMString& tarif,
                                   const CVRMString& wpumpe) {
    SProjektZustand z;
    z.tarifGueltig = dokument.Tarif().IstGueltig();
    z.wpumpeGueltig = dokument.WPumpe().IstGueltig();
    z.hausInitialisiert = dokument.Haus().IstInitialisiert();
    z.wquelleGueltig = dokument.KombiWQuelle().IstGueltig();
    z.tarif = tarif;
    z.wpumpe = wpumpe;
    z.solar = dokument.ProjektText(ID_Solar);
    return z;
}

unsigned HintergrundBild(bool quelleGueltig, int quellArt) {
    constexpr unsigned kNeutral = 230;
    if (!quelleGueltig) return kNeutral;
    switch (quellArt) {
        case 0: return 300;
        case 1: return 298;
        case 2: return 299;
        case 3: return 301;
        case 4: return 345;
        case 6: return 299;
        default: return kNeutral;
    }
}
