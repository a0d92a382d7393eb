#pragma once
// What the design-test dialog of a heat source shows, without a window: the figures as
// text, the units by the kind of source, the verdict and whether it is drawn in red, and
// the notice box that comes first for a source the test does not cover.
#include <string>

// The results of the document's design test.
struct SWQTestWerte {
    int art = 0;              // kind of heat source (0 to 6)
    int ok = 0;               // sufficient on its own
    int okMitZusatz = 0;      // sufficient only with solar feed-in or cooling
    int mitEinspeisung = 0;   // the house has a solar, exhaust-air or cooling plant
    float leistung = 0.0f, leistungGrenze = 0.0f;  // specific withdrawal power
    float energie = 0.0f, energieMit = 0.0f, energieGrenze = 0.0f;  // yearly energy
};

struct SWQTestAnzeige {
    std::u16string leistung, leistungGrenze;
    std::u16string energie, energieGrenze;        // without feed-in
    std::u16string energieMit, energieGrenzeMit;  // with feed-in, "--" without a plant
    std::u16string einheitLeistung, einheitEnergie;  // "[??]" unless a ground source
    unsigned urteil = 0;   // text of the verdict
    unsigned hinweis = 0;  // notice box before the dialog (0: none)
    bool rot = false;      // the verdict is drawn in red
};

// A kind outside 0 to 6 is error 3162 (raised).
SWQTestAnzeige WQTestAnzeige(const SWQTestWerte& w);
