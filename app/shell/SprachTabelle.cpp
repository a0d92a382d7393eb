#include "app/shell/SprachTabelle.h"

#include <iterator>

#include "resources/ResourceIds.h"

namespace {

// A module the Windows program calls "X.dll" is the shared object "X.so" here.
constexpr SSprachZeile kZeilen[] = {
    {7, u"Varmtext.so", u"varmionlng.deu", IDR_LNG_DEU, 0, 0,
     u"Resourcen-Datei (DEU) für Varmion nicht gefunden !", kStartFehlerText},
    {9, u"Varmtexteng.so", u"varmionlng.eng", IDR_LNG_ENG, 3, 0,
     u"Resource file (ENG) for Varmion not found !", u"Cannot initialize Varmion (ENG)"},
    {10, u"Varmtextesp.so", u"varmionlng.esp", IDR_LNG_ESP, 10, 0,
     u"Resource file (ESP) for Varmion not found !", u"Cannot initialize Varmion (ESP)"},
    {14, u"Varmtextung.so", u"varmionlng.ung", IDR_LNG_UNG, 15, 238,
     u"Resource file (UNG) for Varmion not found !", u"Cannot initialize Varmion (UNG)"},
    {16, u"Varmtextita.so", u"varmionlng.ita", IDR_LNG_ITA, 6, 0,
     u"Resource file (ITA) for Varmion not found !", u"Cannot initialize Varmion (ITA)"},
    {21, u"Varmtextpol.so", u"varmionlng.pol", IDR_LNG_POL, 13, 238,
     u"Resource file (POL) for Varmion not found !", u"Cannot initialize Varmion (POL)"},
    {25, u"Varmtextrus.so", u"varmionlng.rus", IDR_LNG_RUS, 17, 204,
     u"Resource file (RUS) for Varmion not found !", u"Cannot initialize Varmion (RUS)"},
    {27, u"Varmtextsvk.so", u"varmionlng.svk", IDR_LNG_SVK, 7, 238,
     u"Resource file (SVK) for Varmion not found !", u"Cannot initialize Varmion (SVK)"},
    {34, u"Varmtextukr.so", u"varmionlng.ukr", IDR_LNG_UKR, 16, 204,
     u"Resource file (UKR) for Varmion not found !", u"Cannot initialize Varmion (UKR)"},
    {36, u"Varmtextslv.so", u"varmionlng.slv", IDR_LNG_SLV, 18, 238,
     u"Resource file (SLV) for Varmion not found !", u"Cannot initialize Varmion (SLV)"},
    {-1, u"Varmtext.so", u"varmionlng.deu", IDR_LNG_DEU, 0, 0,
     u"Resource file for Varmion not found !", u"Cannot initialize Varmion"},
};

}  // namespace

const SSprachZeile& SucheSprachZeile(int primaer) {
    for (const auto& zeile : kZeilen)
        if (zeile.primaer == primaer) return zeile;
    return kZeilen[std::size(kZeilen) - 1];
}

int LandCodeFuer(const SSprachZeile& zeile, int subSprache) {
    if (zeile.primaer == 7 && subSprache == 3) return 1;  // Austria
    if (zeile.primaer == 7 && subSprache == 2) return 2;  // Switzerland
    if (zeile.primaer == 9 && subSprache == 6) return 4;  // Ireland
    return zeile.landCode;
}
