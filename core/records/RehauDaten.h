#pragma once
// Constants of one pipe maker: storage-tank kinds. Static members only.

class CRehauDaten {
  public:
    static constexpr unsigned kuiSpRohr = 0;    // tube coil
    static constexpr unsigned kuiSpMantel = 1;  // jacket
    static constexpr unsigned kuiSpMulti = 2;   // multi-purpose

    static unsigned getSpTyp(unsigned art) { return art; }

    // This maker has no such data: each reports the internal error and throws.
    static unsigned getSpTverluste(unsigned art);
    static unsigned getSpVolumen(unsigned art);
    static unsigned getSpIndex(unsigned art);

  private:
    CRehauDaten() = default;
    virtual ~CRehauDaten() = default;
};
