#include "dialogs/KelvoView1Logik.h"

#include "app/base/KVSDatenSheetProtokoll.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/KelvoDoc.h"

SProjektKnoepfe ProjektKnoepfe(const SProjektZustand& z) {
    const bool tarif = z.tarifGueltig && !z.tarif.empty();
    const bool wpumpe = z.wpumpeGueltig && !z.wpumpe.empty();
    const bool haus = z.hausInitialisiert;
    const SSeiten& s = z.seiten;
    SProjektKnoepfe k;
    k.tarif = tarif && s.tarif;
    k.wpumpe = wpumpe && s.wpumpe;
    k.haus = haus && s.haus;
    k.wawa = haus && s.wawa;
    k.projekt = haus && tarif && s.projekt;
    k.solar = !z.solar.empty() && haus && wpumpe && s.solar;
    k.wquelle = z.wquelleGueltig && s.wquelle;
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
    const auto seite = [&dokument](int kind) { return dokument.GetSeite(kind) != nullptr; };
    z.seiten.haus = seite(CKelvoDoc::kHausSeite);
    z.seiten.wawa = seite(CKelvoDoc::kWWSeite);
    z.seiten.wquelle = seite(CKelvoDoc::kWQ1Seite);
    z.seiten.projekt = seite(CKelvoDoc::kProjektSeite);
    z.seiten.solar = seite(CKelvoDoc::kSolarSeite);
    // Tariff and heat pump open in the application's master-data sheet.
    z.seiten.tarif = HatDatenSeite(CKVSDatenSheetProtokoll::kTarif);
    z.seiten.wpumpe = HatDatenSeite(CKVSDatenSheetProtokoll::kWP2);
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
