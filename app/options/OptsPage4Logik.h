#pragma once
// What the "Running costs" options page keeps and decides, without a window: per heating
// system compared with the heat pump its price, yearly efficiency, additional and
// maintenance costs, the name of the further system, and the direction of the bars.
#include <array>
#include <cstdint>

#include "app/options/OptionenUmgebung.h"
#include "core/value/VRMString.h"
#include "model/project/Projekt2.h"

class COptsPage4Logik {
  public:
    // The rows of the page, top down: the heat pump, the compared systems, and the
    // electricity rate of the heating circulation pumps (a price only).
    enum Zeile { kWP, kOel, kGas, kNachtspeicher, kElektrisch, kWeiteres, kUmwaelzpumpe };
    static constexpr int kZeilenMitKosten = 6;  // every row but the circulation pumps'

    explicit COptsPage4Logik(IOptionenUmgebung& umgebung) : m_umgebung(umgebung) {}

    void Init();
    // Writes the options, then tells the program.
    void Apply();
    // After the question "You cannot cancel this action!" answered Yes: every option of the
    // page loses its stored entry (written to disk at once) and is read again. False when
    // the user said No.
    bool SetzeZurueck();
    // A name of blanks only, or none, is the default name.
    static CVRMString BereinigterName(const CVRMString& name);

    // The pair of the cost list that a row shows; -1 for the heat pump.
    static int PaarDerZeile(int zeile);

    // By pair of the cost list (pair 0 the circulation pumps, whose efficiency is 100).
    std::array<float, 6> m_preis{};
    std::array<unsigned, 6> m_wirkungsgrad{};
    // By row, heat pump to the further system.
    std::array<unsigned, kZeilenMitKosten> m_zusatzKosten{};
    std::array<unsigned, kZeilenMitKosten> m_wartung{};
    CVRMString m_name;
    // 0 vertical, 1 horizontal.
    int m_horizontal = 0;

  private:
    IOptionenUmgebung& m_umgebung;
};
