#pragma once
// The weather-location dialog without its window: the days of the year at each whole
// degree of outdoor temperature from -50 °C to +12 °C (63 classes) of one weather
// location, edited one class at a time and stored as a whole. The window moves the
// members below to and from its controls and calls one operation per user action.
#include <array>
#include <functional>

#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "dialogs/OrtsAuswahl.h"

class CWetterDlgLogik {
  public:
    static constexpr int kKlassen = 63;
    static constexpr int kKaltesteKlasse = -50;  // °C of class 0

    // `tovrel`: every climate country is offered; `conf`: library locations show their
    // values and may be changed.
    CWetterDlgLogik(bool tovrel, bool conf);

    // The members the window exchanges with its controls.
    CVRMString m_name;
    int m_klasse = -1;   // the class shown; -1: none
    float m_tage = 0.0f;  // days at the class shown, as entered
    std::array<float, kKlassen> m_haeufigkeiten{};

    const COrtsAuswahl& Auswahl() const { return m_auswahl; }
    const CVRMStringArray& Orte() const { return m_orte; }

    bool IstGeaendert() const { return m_geaendert; }
    // The days were edited.
    void SetGeaendert() { m_geaendert = true; }

    struct SFreigabe {
        bool werteSichtbar = true;  // class and days shown (else the protection note)
        bool nurLesen = false;      // the days cannot be changed (the record could not be read)
        bool okAktiv = false;
    };
    SFreigabe Freigabe() const;

    // The countries of the options and the first location of the default country.
    void Init();
    // Country, region and location changes: the changes of the location shown so far are
    // offered for saving first; false when that save was refused (nothing changed).
    bool LandGewaehlt(int index);
    bool PlzGewaehlt(int index);
    bool OrtGewaehlt(const CVRMString& neu);
    // The days entered go to the class shown (the days field was left).
    void TageUebernehmen();
    // Another class: the days entered go to the class shown so far first.
    void KlasseGewaehlt(int klasse);
    // Stores the whole record under the name when it was changed; from OK without a
    // question. False when refused.
    bool Speichern(bool vonOk);
    // Cancel: a change is offered for saving; once the user wants it saved, `eingabenLesen`
    // takes the controls into the members (false: an entry was refused). False when the
    // dialog must stay open.
    bool Abbrechen(const std::function<bool()>& eingabenLesen);
    // Asks for the name of a new weather location, stores the frequencies shown (zeros
    // where they are hidden) under it and shows it. False when nothing was created.
    bool NeuerOrt();

  private:
    bool FrageSpeichern() const;
    void FuelleOrtsListe();
    void Laden();
    void PruefeKlasse(int klasse) const;

    bool m_tovrel;
    bool m_conf;
    bool m_geaendert = false;
    bool m_unlesbar = false;  // the location's record could not be read: shown, never written
    COrtsAuswahl m_auswahl;
    CVRMStringArray m_orte;
};
