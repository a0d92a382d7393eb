#pragma once
// The country and postcode-region choice that the location dialogs share, without a
// window: the countries the options offer (each with its number and code), the chosen
// country and region, and the entries of a location list that match them.
#include <cstdint>
#include <vector>

#include "core/db/Lists.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"

struct SLandEintrag {
    CVRMString name;
    uint32_t nummer = 0;  // 0: the closing entry "Other locations"
    CVRMString kuerzel;   // the code the location names carry in parentheses
};

class COrtsAuswahl {
  public:
    // The region entries "0..." to "9..." are indices 0 to 9; "all" follows them.
    static constexpr int kAllePlz = 10;

    // The countries of the country list (all climate countries with `alleLaender`) whose
    // code in parentheses occurs in `angeboten`, in list order, then "Other locations".
    // The country numbered `vorgabe` is chosen, else the first; the region is "all".
    void FuelleLaender(const CVRMString& angeboten, int32_t vorgabe, bool alleLaender);
    // The same with the options "KLandAnz" and "DefKLand" of the program.
    void FuelleLaender(bool alleLaender);

    const std::vector<SLandEintrag>& Laender() const { return m_laender; }
    int Land() const { return m_land; }
    int Plz() const { return m_plz; }
    // -1 clears the choice; an index outside the entries counts as -1.
    void SetLand(int index);
    void SetPlz(int index);

    // The names of `liste` (library and user entries that are marked usable) of the chosen
    // country and region, in list order. No country chosen: none.
    CVRMStringArray Orte(TKelvoListID liste) const;
    // The same for the chosen country with every region.
    CVRMStringArray OrteAllerRegionen(TKelvoListID liste) const;

    // Chooses the country whose code the location's name carries, or "Other locations" for
    // a name of no known country; an offered country is kept when the name's country is not
    // offered. The region becomes "all". True when the country changed.
    bool WaehleLandVon(const CVRMString& ort);

  private:
    CVRMStringArray Liste(TKelvoListID liste, int plz) const;

    std::vector<SLandEintrag> m_laender;
    int m_land = -1;
    int m_plz = -1;
};
