#pragma once
// Constants and small rules of one heat-pump maker: storage-tank kinds and their losses,
// the intermediate heat exchanger told by a heat pump's name, and the defaults of its
// ground-probe types (the values of the heat-source data ids named beside each).
#include "core/value/VRMString.h"

class CVaillantDaten {
  public:
    static constexpr unsigned kuiSpRohr = 0;    // tube coil
    static constexpr unsigned kuiSpMantel = 1;  // jacket
    static constexpr unsigned kuiSpMulti = 2;   // multi-purpose
    static constexpr unsigned kuiSpPuffer = 3;  // buffer

    static constexpr unsigned kuiSondentypAllgemein = 0;
    static constexpr unsigned kuiSondentypBSGera = 1;
    static constexpr unsigned kuiSondentyp1URohr = 2;

    // Jacket stays jacket; multi-purpose and buffer count as multi-purpose; else tube coil.
    static unsigned getSpTyp(unsigned art);
    // The temperature loss of a storage kind in K; 0 for an unknown kind.
    static unsigned getSpTverluste(unsigned art);
    // A name ending in "S" marks a heat pump with intermediate heat exchanger.
    static bool istWPmitZWT(const CVRMString& wpName);

    static CVRMString getSondentypFSM(unsigned typ);  // antifreeze record (id 274)
    static unsigned getSondentypFSK(unsigned typ);    // antifreeze concentration (id 276)
    static float getSondentypQRI(unsigned typ);       // pipe inner diameter (id 254)
    static float getSondentypQRA(unsigned typ);       // pipe outer diameter (id 253)
    static CVRMString getSondentypQAM(unsigned typ);  // absorber material record (id 257)
    static float getSondentypQWA(unsigned typ);       // pipe thermal conductivity (id 248)

    // This maker has no such data: each reports the internal error and throws.
    static unsigned getSpVolumen(unsigned art);
    static unsigned getSpIndex(unsigned art);
    static unsigned GetIdBitmapWw(unsigned art);

  private:
    CVaillantDaten() = default;
    virtual ~CVaillantDaten() = default;
};
