#pragma once
// The twelve monthly solar gains of one use of a solar plant (hot water, heating or
// feed-in into the ground), each with the temperature at which it is delivered, and
// their stored text form "temperature#gain#" per month. A month stays empty until set.
#include <array>
#include <cstdint>
#include <optional>

#include "core/db/GespeicherteZahl.h"
#include "core/value/VRMString.h"

struct TSolarerGewinn {
    float temperatur = 0.0f;
    float gewinn = 0.0f;
};

class CSolareGewinne {
  public:
    static constexpr unsigned short kMonate = 12;

    // `proQm` 1: gains per square metre of collector area; 0: totals.
    explicit CSolareGewinne(int proQm = 1);
    virtual ~CSolareGewinne();

    // The fourth argument is kept for callers and not used.
    void SetGewinn(unsigned short monat, float temperatur, float gewinn, int flag);
    // From the stored text "temperature#gain#"; a text without "#" empties the month. A
    // number that is not wholly a finite float is reported as the record and key of
    // `ort`, and thrown with the month unchanged.
    void SetGewinn(unsigned short monat, const CVRMString& text, int flag,
                   const vrmcore::SZahlOrt& ort);
    void DeleteGewinn(unsigned short monat);

    // 0 for an empty month.
    float GetGewinnTemp(unsigned short monat) const;
    float GetGewinnWert(unsigned short monat) const;
    // 1 when the month has a record.
    int IstTempEingetragen(unsigned short monat) const;
    // 1 when the month has a record whose gain is not negative.
    int IstGewinnEingetragen(unsigned short monat) const;
    // The stored text of the month; empty for an empty month.
    void GetDatenString(unsigned short monat, CVRMString& text) const;

    int SindGewinneProQm() const { return m_proQm; }
    // Turns gains per square metre into totals for the collector area; once only.
    void CalcTotalGewinne(float flaeche);

  private:
    const std::optional<TSolarerGewinn>& GetGewinn(unsigned short monat) const;
    static void CheckArgMonat(unsigned short monat, const char16_t* ort);
    static void CheckArgProQm(int proQm, const char16_t* ort);

    std::array<std::optional<TSolarerGewinn>, kMonate> m_gewinne;
    int m_proQm;
};
