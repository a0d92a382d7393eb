#pragma once
// What the "Climate / Tariff" options page keeps and decides, without a window: the
// location and tariff a new project starts with, the country the location dialogs choose
// first, and the countries they list.
#include <cstdint>
#include <vector>

#include "app/options/OptionenUmgebung.h"
#include "core/value/VRMString.h"
#include "core/value/VRMStringArray.h"

class COptsPage2Logik {
  public:
    explicit COptsPage2Logik(IOptionenUmgebung& umgebung) : m_umgebung(umgebung) {}

    // The lists the page offers and the stored choices.
    void Init();
    // The choices made: `land` an index of the country list (-1 none: the stored country
    // stays), `gewaehlt` one flag per country of the list.
    void Apply(const CVRMString& klimaort, const CVRMString& tarif, int land,
               const std::vector<bool>& gewaehlt);

    // The countries' codes, each in brackets, for every chosen country. Codes already
    // stored keep their order; newly chosen ones follow in list order.
    CVRMString LaenderText(const std::vector<bool>& gewaehlt) const;

    // Offered.
    CVRMStringArray m_klimaorte;
    CVRMStringArray m_tarife;
    CVRMStringArray m_laenderNamen;
    std::vector<uint32_t> m_laenderNummern;
    CVRMStringArray m_laenderKuerzel;
    // Stored.
    CVRMString m_klimaort;
    CVRMString m_tarif;
    // Index of the stored default country in the list; -1 when it is not listed.
    int m_land = -1;
    // Which countries are listed, as stored.
    std::vector<bool> m_angezeigt;

  private:
    IOptionenUmgebung& m_umgebung;
    CVRMString m_laenderAnzeige;
};
