#pragma once
// What the reports print about the program's user (an installer or planning office):
// company, address, contact data, the person in charge and the logo file, nine texts by
// data id. They live in a record of the user database of their own, so that they stay
// from run to run.
#include "core/value/DatenConsumer.h"
#include "core/value/DatenId.h"
#include "core/value/VRMwert.h"

// The record of the user data in the user database.
inline constexpr char16_t kBenutzerDatenSektion[] = u"Benutzerdaten";

class CBenutzerDaten : public IDatenConsumer {
  public:
    static constexpr TKelvoDatenID kIds[] = {ID_Firma,       ID_BenStrasse, ID_BenOrt,
                                             ID_BenTel,      ID_BenFax,     ID_BenEmail,
                                             ID_BenInternet, ID_BenLogo,    ID_BenBearbeiter};

    // The value of an id as stored; the record is read on first use. An id that is not
    // one of the nine is error 3162.
    const CVRMwert& GetWert(TKelvoDatenID id);
    // Takes the value of an id; nothing is written before Speichern.
    void SetWert(TKelvoDatenID id, const CVRMwert& wert);
    // Writes the record to the user database at once.
    void Speichern();

    void GetDatenIDs(CWordArray& ids) override;
    void init(const CVRMwerteListe& werte) override { m_werte = werte; }

  private:
    CVRMwert& Wert(TKelvoDatenID id);
};
