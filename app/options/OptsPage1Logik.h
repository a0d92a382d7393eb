#pragma once
// What the "General" options page keeps and decides, without a window: the two outside
// programs, the currency, the warnings and their limits, the primary-energy factor, the
// pipe diameters offered for the design, and copies of the options it carries through.
#include <cstdint>

#include "app/options/OptionenUmgebung.h"
#include "core/value/VRMString.h"

class COptsPage1Logik {
  public:
    explicit COptsPage1Logik(IOptionenUmgebung& umgebung) : m_umgebung(umgebung) {}

    // Reads every option the page shows or carries.
    void Init();
    // Writes them in the order the readers expect, then tells the program.
    void Apply();
    // After the question "You cannot cancel this action!" answered Yes: the eight warning
    // options lose their stored entries (written to disk at once) and are read again, so
    // that the page shows what the program now uses. False when the user said No.
    bool SetzeWarnungenZurueck();
    // The factor is a German method: shown, checked and written only there.
    bool ZeigtPEFaktor() { return m_umgebung.GetLandCode() == 0; }

    // Language texts of the program choosers.
    static constexpr unsigned kTitelHausprogramm = 3431;   // "Select the calculation program"
    static constexpr unsigned kTitelSolarprogramm = 3523;  // "Select the Polysun© executable"

    // The full paths; the page shows them shortened.
    CVRMString m_vezivoVero;
    CVRMString m_polysunProg;
    // Check boxes, 0 or 1.
    int m_geldInEuro = 1;
    int m_warnQTemp1 = 0;
    int m_warnVorlauf1 = 0;
    int m_warnDVundSP = 0;
    int m_warnSTuSolar = 0;
    // Limits.
    int m_grenzErdT = 0;
    int m_grenzEinT = 0;
    int m_grenzBT = 0;
    int m_wpLaufzeit = 0;
    float m_peFaktor = 0.0f;
    // Pipe diameters in mm, as the design offers them.
    CVRMString m_rdv;
    CVRMString m_rdf;

  private:
    void LeseWarnungen();

    IOptionenUmgebung& m_umgebung;
    // Carried through unchanged.
    int32_t m_askDS = 0;
    int32_t m_exMode = 1;
    int32_t m_aqt = 0;
};
