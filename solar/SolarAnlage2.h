#pragma once
// A solar plant as the solar library keeps it: its values, its monthly solar gains for
// three destinations (1 hot water, 2 heating, 3 feed-in into the ground) and its
// collector, named by the plant's value 38.
#include <array>

#include "core/records/SolareGewinne.h"
#include "core/value/DatenConsumer.h"
#include "core/value/VRMVariant.h"
#include "solar/Kollektor2.h"

class CSolarAnlage2 : public IDatenConsumer {
  public:
    // `stdKollektor`: the collector a plant without one takes; the caller keeps it alive.
    explicit CSolarAnlage2(const CVRMString& stdKollektor);

    void GetDatenIDs(CWordArray& ids) override;
    void init(const CVRMwerteListe& werte) override;

    // The month's gain text of table `art` (empty for an empty month).
    void GetSolarenGewinn(unsigned short art, unsigned short monat, CVRMString& text) const;
    // A text without "#" removes the month's gain.
    void SetSolarenGewinn(unsigned short art, unsigned short monat, const CVRMString& text);
    void SaveSolareGewinne(unsigned short art);

    float GetKollektorErtrag(unsigned short key, unsigned short monat) const;
    // The collector's own records again, without the standard collector's as fall-back.
    void ReloadKollektorErtraege();

    // The plant's value of any stored data id: its own list's, else the value store's.
    CVRMVariant GetWert(TKelvoDatenID id) const;
    void SetWert(TKelvoDatenID id, const CVRMVariant& wert, int flush);

    // Writes values and gains under `neuerName`; the plant stays the old one. False when
    // nothing or not everything was written (the user has been told).
    bool SaveAs(const CVRMString& neuerName);

    const CKollektor2& GetKollektor() const { return m_kollektor; }

  private:
    CSolareGewinne& Tabelle(unsigned short art, const char16_t* ort);
    const CSolareGewinne& Tabelle(unsigned short art, const char16_t* ort) const;
    void PruefeInit(const char16_t* ort) const;

    const CVRMString& m_stdKollektor;
    std::array<CSolareGewinne, 3> m_gewinne;
    CKollektor2 m_kollektor;
};
