#pragma once
// The choice of a climate location by country and postcode region, without a window: the
// countries the options offer, the locations of the chosen country and region, and the
// chosen location. A changed country or region clears the choice; the first location of
// the new list is then proposed.
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"
#include "dialogs/OrtsAuswahl.h"

class CKlimaDlg2Logik {
  public:
    // The only kind: climate locations.
    static constexpr unsigned short kKlimaorte = 1;

    explicit CKlimaDlg2Logik(unsigned short art) : m_art(art) {}

    unsigned short Art() const { return m_art; }
    void SetOrtName(const CVRMString& ort) { m_ort = ort; }
    const CVRMString& Ort() const { return m_ort; }

    // The countries of the options (every climate country with `alleLaender`) with the
    // chosen location's country selected ("Other locations" when its country is not
    // offered), every region, and the locations. A kind other than 1 is a program error.
    void Init(bool alleLaender);
    void LandGewaehlt(int index);
    void PlzGewaehlt(int index);
    void OrtGewaehlt(const CVRMString& ort) { m_ort = ort; }

    const COrtsAuswahl& Auswahl() const { return m_auswahl; }
    const CVRMStringArray& Orte() const { return m_orte; }
    // OK needs a location.
    bool OkMoeglich() const;

  private:
    void AlleRegionen();
    void FuelleOrte();

    unsigned short m_art;
    CVRMString m_ort;
    COrtsAuswahl m_auswahl;
    CVRMStringArray m_orte;
};
