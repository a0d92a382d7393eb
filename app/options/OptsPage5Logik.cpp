#include "app/options/OptsPage5Logik.h"

#include "app/options/OptsZugriff.h"

std::span<const COptsPage5Logik::SFarbe, COptsPage5Logik::kFarben> COptsPage5Logik::Farben() {
    static constexpr SFarbe kTabelle[kFarben] = {
        {OPT_COLOR_QTEMP_U, 5117, 5118},       // chart for heat source results
        {OPT_COLOR_QTEMP_G, 0, 5119},
        {OPT_COLOR_STEMP, 0, 5120},
        {OPT_COLOR_BKGND_QUELLE, 0, 5121},
        {OPT_COLOR_HEIZ_BEDARF, 5122, 5123},   // chart for house results
        {OPT_COLOR_WAWA_BEDARF, 0, 5124},
        {OPT_COLOR_SOLAR_GEWINN, 0, 5125},
        {OPT_COLOR_BKGND_HAUS, 0, 5126},
        {OPT_COLOR_BKV, 5127, 5128},           // comparison of running costs
        {OPT_COLOR_BKGND_BKV, 0, 5129},
        {OPT_COLOR_WIV, 5130, 5131},           // comparison of investment costs
        {OPT_COLOR_WK, 0, 5132},
        {OPT_COLOR_BKGND_WIV, 0, 5133},
        {OPT_COLOR_STD_WWPD, 5134, 5135},      // table with heat pump data
        {OPT_COLOR_BKGND_WPD, 0, 5136},
        {OPT_COLOR_HFTEXT, 4716, 5138},        // main window
        {OPT_COLOR_BKGND_HF, 0, 5139},
    };
    return std::span<const SFarbe, kFarben>(kTabelle);
}

void COptsPage5Logik::Init() {
    const COptionsManager& o = m_umgebung.GetOptionsManager();
    for (int i = 0; i < kFarben; ++i)
        m_farbe[i] = static_cast<uint32_t>(opts::Zahl(o, Farben()[i].option));
    m_farbeBKV2 = opts::Zahl(o, OPT_COLOR_BKV2);
}

void COptsPage5Logik::Apply() {
    COptionsManager& o = m_umgebung.GetOptionsManager();
    for (int i = 0; i < kFarben; ++i)
        o.SetLongWert(Farben()[i].option, static_cast<int32_t>(m_farbe[i]));
    o.SetLongWert(OPT_COLOR_BKV2, m_farbeBKV2);
    m_umgebung.OptionenGeaendert(kHintOptionenGeaendert);
}
