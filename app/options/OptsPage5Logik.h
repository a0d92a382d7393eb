#pragma once
// What the "Colours" options page keeps and decides, without a window: the colours of the
// result charts, of the heat-pump data tables and of the main window's left bar.
#include <array>
#include <cstdint>
#include <span>

#include "app/options/OptionenUmgebung.h"
#include "model/app/OptionIds.h"

class COptsPage5Logik {
  public:
    // One colour of the page: its option and the texts of its group and label.
    struct SFarbe {
        TOptionID option;
        unsigned gruppeText;  // the group it opens, 0 within a group
        unsigned labelText;
    };
    static constexpr int kFarben = 17;
    // The colours in the order of the page.
    static std::span<const SFarbe, kFarben> Farben();

    explicit COptsPage5Logik(IOptionenUmgebung& umgebung) : m_umgebung(umgebung) {}

    void Init();
    // Writes every colour of the page (and the one it carries through), then tells the
    // program.
    void Apply();

    // 0x00bbggrr, in the order of Farben().
    std::array<uint32_t, kFarben> m_farbe{};

  private:
    IOptionenUmgebung& m_umgebung;
    // Carried through unchanged.
    int32_t m_farbeBKV2 = 0;
};
