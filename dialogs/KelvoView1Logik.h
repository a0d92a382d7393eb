#pragma once
// What the project window decides without a window: which of its buttons a project
// enables and which picture stands behind it for the kind of its heat source. A button
// whose input page the program does not have yet stays off.
#include "core/value/VRMString.h"

class CKelvoDoc;

// The buttons the project's state enables.
struct SProjektKnoepfe {
    bool tarif = false;      // 2193
    bool wpumpe = false;     // 2196
    bool haus = false;       // 32846
    bool projekt = false;    // 32845
    bool solar = false;      // 32848
    bool wquelle = false;    // 32849
    bool wawa = false;       // 32847
};

// The input pages there are to show, by button.
struct SSeiten {
    bool tarif = true, wpumpe = true, haus = true, projekt = true, solar = true, wquelle = true,
         wawa = true;
};

struct SProjektZustand {
    bool tarifGueltig = false;
    bool wpumpeGueltig = false;
    bool hausInitialisiert = false;
    bool wquelleGueltig = false;
    CVRMString tarif;   // the name the window shows
    CVRMString wpumpe;
    CVRMString solar;   // the project's solar plant (451)
    SSeiten seiten{};
};

SProjektKnoepfe ProjektKnoepfe(const SProjektZustand& z);
SProjektZustand LeseProjektZustand(CKelvoDoc& dokument, const CVRMString& tarif,
                                   const CVRMString& wpumpe);

// The picture behind the project window: 230 without a valid heat source, else by the
// kind of its first source.
unsigned HintergrundBild(bool quelleGueltig, int quellArt);
