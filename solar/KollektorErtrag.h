#pragma once
// One yield record of a solar collector: the collector's monthly output per square metre
// (kWh/m², January to December) at one mean collector temperature, the record's key.
#include <array>
#include <cstdint>

class CKollektorErtrag {
  public:
    static constexpr unsigned short kMonate = 12;
    using Ertraege = std::array<float, kMonate>;

    // A record is valid only with a key other than 0 and no yield below 0 or not a number;
    // an invalid one reports 3101 and throws.
    CKollektorErtrag(unsigned short key, const Ertraege& ertraege);
    virtual ~CKollektorErtrag() = default;

    unsigned short GetKey() const { return m_key; }
    // A month above 11 reports 3105.
    float GetKollektorErtrag(unsigned short monat) const;

    static bool IstGueltig(unsigned short key, const Ertraege& ertraege);

  private:
    unsigned short m_key;
    Ertraege m_ertraege;
};
