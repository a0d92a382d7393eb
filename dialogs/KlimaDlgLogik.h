#pragma once
// The climate and soil-temperature dialog without its window. Mode 1 edits a climate
// location (twelve monthly air temperatures, the outdoor design temperature and the
// weather, ground-temperature and sunshine locations that belong to it), mode 2 the twelve
// monthly temperatures of a ground-temperature location. The window moves the members
// below to and from its controls and calls one operation per user action; every store
// goes through the data provider at once.
#include <array>
#include <functional>
#include <cstdint>

#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "dialogs/OrtsAuswahl.h"

class CKlimaDlgLogik {
  public:
    static constexpr unsigned short kKlimaorte = 1;
    static constexpr unsigned short kBodentemperaturen = 2;
    static constexpr int kMonate = 12;
    // The locations that belong to a climate location (mode 1), in the order of their boxes.
    enum Zuordnung { kWetterort, kBodenort, kSonnenort, kZuordnungen };

    // A mode other than 1 or 2 is reported (text 3162) by the first operation.
    CKlimaDlgLogik(unsigned short modus, bool tovrel);

    unsigned short Modus() const { return m_modus; }

    // The members the window exchanges with its controls.
    CVRMString m_name;
    std::array<float, kMonate> m_monate{};  // January to December, °C
    float m_normAussenTemp = 0.0f;          // mode 1, °C
    // The entry chosen in each assignment list; -1: none.
    std::array<int, kZuordnungen> m_zuordnung{-1, -1, -1};

    const COrtsAuswahl& Auswahl() const { return m_auswahl; }
    // The entries of the location box and of the assignment boxes, in list order.
    const CVRMStringArray& Orte() const { return m_orte; }
    const CVRMStringArray& ZuordnungsListe(Zuordnung z) const { return m_zuordnungsListen[z]; }

    bool IstGeaendert() const { return m_geaendert; }
    // An edit of a value or an assignment.
    void SetGeaendert() { m_geaendert = true; }

    struct SFreigabe {
        bool nurLesen = true;         // values and assignments cannot be changed
        bool werteSichtbar = true;    // the month values are shown (else the protection note)
        bool nurLesenHinweis = false;  // "(values read-only)"
        bool okAktiv = false;
    };
    SFreigabe Freigabe() const;

    // The countries of the options, the first location of the default country, its values.
    void Init();
    // A country chosen: the changes of the location shown so far are offered for saving,
    // then the locations of all regions of the country and the assignment lists are read
    // anew and the first location is shown. False when that save was refused: nothing
    // changed.
    bool LandGewaehlt(int index);
    // A region chosen: as a country, for the locations of the country in that region; the
    // assignment lists stay.
    bool PlzGewaehlt(int index);
    // Another location chosen in the box: the changes of the one shown so far are saved
    // under its name after a question, then `neu` is loaded. False when that save was
    // refused: the location shown so far stays with its entries.
    bool OrtGewaehlt(const CVRMString& neu);
    // Stores the members under the name when they were changed; from OK without a
    // question. False when the store was refused (nothing was written).
    bool Speichern(bool vonOk);
    // Cancel: a change is offered for saving; once the user wants it saved, `eingabenLesen`
    // takes the controls into the members (false: an entry was refused). False when the
    // dialog must stay open.
    bool Abbrechen(const std::function<bool()>& eingabenLesen);
    // Asks for the name of a new location, stores the values shown (zeros where the values
    // are hidden) under it and shows it. False when nothing was created.
    bool NeuerOrt();

  private:
    bool FrageSpeichern() const;
    TKelvoListID OrtsListe(const char16_t* ort) const;
    void FuelleOrtsListe(bool mitZuordnungen);
    void FuelleMonatsTemps();
    void WaehleZuordnungen();
    CVRMString ZuordnungsText(Zuordnung z) const;
    // The climate location that a ground-temperature record computed from the climate uses.
    CVRMString Bezugsklimaort() const;
    void SpeichereWerte(const CVRMString& name);

    unsigned short m_modus;
    bool m_tovrel;
    bool m_geaendert = false;
    bool m_unlesbar = false;  // the location's record could not be read: shown, never written
    COrtsAuswahl m_auswahl;
    CVRMStringArray m_orte;
    std::array<CVRMStringArray, kZuordnungen> m_zuordnungsListen;
};
