#pragma once
// Constants and small rules of one heat-pump maker: storage-tank kinds and the refrigerant
// of a heat pump told by its name. Static members only; no object is ever made.
#include "core/value/VRMString.h"

class CHautecDaten {
  public:
    static constexpr unsigned kuiSpRohr = 0;    // tube coil
    static constexpr unsigned kuiSpMantel = 1;  // jacket
    static constexpr unsigned kuiSpMulti = 2;   // multi-purpose

    static unsigned getSpTyp(unsigned art) { return art; }
    // "134a" in the lower-cased name after its first character.
    static bool istWPmit134A(const CVRMString& wpName);
    static bool istWPmit404A_407C(const CVRMString& wpName) { return !istWPmit134A(wpName); }

    // This maker has no such data: each reports the internal error and throws.
    static unsigned getSpTverluste(unsigned art);
    static unsigned getSpVolumen(unsigned art);
    static unsigned getSpIndex(unsigned art);
    static unsigned GetIdBitmapWw(unsigned art);

  private:
    CHautecDaten() = default;
    virtual ~CHautecDaten() = default;
};
