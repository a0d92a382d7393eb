#pragma once
// The working record of the heat-source calculator. One record serves every calculator of
// the program: QuellenTemperatur and SoleEintrittsTemp fill it at their start, and their
// inner steps read what the last of them wrote. Only the user-interface thread calculates,
// so it needs no lock.

struct SWQKontext {
    int art = 0;              // heat-source kind 0..6
    float r = 0.0f;           // tube radius, mm (outer diameter / 2)
    float lambda = 0.0f;      // ground conductivity; in the brine step: of the tube material
    float laenge = 0.0f;      // probe or collector tube length L, m
    float flaeche = 0.0f;     // collector area A, m²
    int kreise = 0;           // probes or brine circuits n
    int reihe = 0;            // probes in series s
    float spezWaerme = 0.0f;  // volumetric heat capacity of the ground C
    float abstand = 0.0f;     // distance between probes or tubes B, m
    float latentWaerme = 0.0f;
    float spreizung = 0.0f;  // brine spread ΔT, K
    float stunden = 720.0f;  // hours of a month
    bool gefroren = false;   // frozen ground with its latent heat used up
    float laengeGesamt = 0.0f;
    float laengePfad = 0.0f;

    // Brine step only.
    float innen = 0.0f;  // inner tube diameter, mm
    float aussen = 0.0f;
    float dichte = 0.0f;
    float spezW = 0.0f;
    float waermeLF = 0.0f;
    float viskos = 0.0f;
    float volStrom = 0.0f;  // m³/h
    int sondenart = 0;      // 0 double-U, else single-U
    bool einfacheSpreizung = false;

    // The brine's path through one circuit and the tube length of all circuits, from the
    // length, circuits and probes in series: a probe (kind 0) runs down and up, s probes in
    // series make one path; a collector (kind 1) shares its length among the circuits. Other
    // kinds keep both lengths.
    void SetzeRohrLaengen();
};

SWQKontext& WQKontext();
