#pragma once
// What the document's design test of a heat source reads from the source's two input
// pages (medium and absorber): their entries as they stand now, saved or not. An id the
// page does not hold is error 3162.
#include "core/value/DatenId.h"

class CQuellenEingaben {
  public:
    virtual unsigned GetEingabeU(TKelvoDatenID id) = 0;
    virtual int GetEingabeI(TKelvoDatenID id) = 0;
    virtual float GetEingabeF(TKelvoDatenID id) = 0;

  protected:
    ~CQuellenEingaben() = default;
};
