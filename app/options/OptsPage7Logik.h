#pragma once
// What the "Costs of investment" options page keeps and decides, without a window: price
// and service life of every part of the compared heating systems.
#include <array>
#include <cstdint>

#include "app/options/OptionenUmgebung.h"
#include "core/value/VRMString.h"

class COptsPage7Logik {
  public:
    // The parts in the order of the stored list; each has a price and a service life.
    enum Teil {
        kWPWaermeabgabe, kWPQuelle, kWPAggregat, kOelAggregat, kOeltank, kGasAggregat,
        kGasanschluss, kWeiteres, kNachtspeicher, kElektrisch, kPuffer, kWaermeabgabe,
        kWPPuffer, kTeile
    };

    explicit COptsPage7Logik(IOptionenUmgebung& umgebung) : m_umgebung(umgebung) {}

    void Init();
    // The currency and the further system's name, as another page may just have applied.
    void LeseNamen();
    void Apply();
    // After the question "You cannot cancel this action!" answered Yes: the list loses its
    // stored entry (written to disk at once) and is read again. False when the user said No.
    bool SetzeZurueck();

    // Price, then service life, of each part.
    std::array<unsigned, kTeile * 2> m_zahlen{};
    CVRMString m_name;
    unsigned m_waehrungText = 0;

  private:
    IOptionenUmgebung& m_umgebung;
};
