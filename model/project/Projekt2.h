#pragma once
// The project: one named record of the user or library database that links its components
// by name (house, heat pump, heat source, tariff, solar plant, cooling plant) and holds the
// project-wide values: notes, tariff shares, the cost data of the economics comparison and
// the heating systems to compare. Filling it repairs its links; every setter writes through
// to the database at once.
#include <array>
#include <span>
#include <string_view>
#include <cstdint>

#include "core/db/GespeicherteZahl.h"
#include "core/value/DatenConsumer.h"
#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMwert.h"

// Heating kinds of the additional costs.
enum TZusatzKostenArt : int {
    kZKWaermepumpe = 0,
    kZKOel = 1,
    kZKGas = 2,
    kZKNachtspeicher = 3,
    kZKElektroDirekt = 4,
    kZKZweiterEnergietraeger = 5,
};

struct SInvestPaar {
    uint32_t erster = 0;
    uint32_t zweiter = 0;
};

// One link of the project to a component and how it is repaired (Projekt2Vorgaben.cpp).
struct SProjektVerknuepfung;

struct SBKostenPaar {
    float wert = 0.0f;
    uint32_t zahl = 0;
};

class CProjekt2 : public IDatenConsumer {
  public:
    static constexpr int kKostenArten = 6;
    static constexpr int kHeizsysteme = 6;
    using ZusatzKosten = std::array<uint32_t, 6>;
    using InvestKosten = std::array<SInvestPaar, 14>;
    using BKostenDaten = std::array<SBKostenPaar, 6>;
    using HeizsystemFlags = std::array<int, kHeizsysteme>;

    CProjekt2() = default;
    ~CProjekt2() override = default;

    void GetDatenIDs(CWordArray& ids) override;
    // Shares the list's values, then sets the defaults and repairs the links.
    void init(const CVRMwerteListe& werte) override;

    bool IstInitialisiert() const;
    CVRMwert& GetWert(TKelvoDatenID id, bool quiet = false);
    // Assigns and writes through the value store under the project's name.
    void SetWert(TKelvoDatenID id, const CVRMVariant& wert, bool flush);
    // Writes every value with flush.
    void Speichern();

    // Initialised and linked to a heat source, a house, a heat pump and a tariff.
    bool IstVollstaendig() const;
    // A library project may be changed only with the "conf" switch, and only where the
    // active database keeps it; with `meldung` a refusal is explained to the user.
    bool IstAenderbar(bool meldung) const;

    // The project's own additional costs of a kind, else those of the program options.
    void GetZusatzKosten(int art, ZusatzKosten& kosten);
    uint32_t GetZusatzKostenSumme(int art);
    void SetZusatzKosten(int art, const ZusatzKosten& kosten);
    bool HatDetaillierteZKosten(int art) const;

    void GetInvestKosten(InvestKosten& kosten) const;
    // Written at once unless `speichern` is false (then with the project's next save).
    void SetInvestKosten(const InvestKosten& kosten, bool speichern = true);
    void GetBKostenDaten(BKostenDaten& daten) const;
    void SetBKostenDaten(const BKostenDaten& daten);
    bool HatWert476() const;
    bool HatWert480() const;

    // The texts of the cost lists, also where the program options keep them: every number
    // followed by "#". Prices with one decimal and whole efficiencies; a list reads as
    // zeros where it is blank.
    // A damaged number is reported as the record and key of `ort` and thrown, leaving the
    // output as it was.
    static void ParseBKostenListe(std::u16string_view text, BKostenDaten& daten,
                                  const vrmcore::SZahlOrt& ort);
    static CVRMString FormatBKostenListe(const BKostenDaten& daten);
    // Unsigned whole numbers, as many as `zahlen` holds.
    static void ParseKostenListe(std::u16string_view text, std::span<uint32_t> zahlen,
                                 const vrmcore::SZahlOrt& ort);

    // Heating systems 0..5 to compare: 1 yes, 0 no.
    void GetHeizsystemJN(HeizsystemFlags& flags) const;
    void SetHeizsystemJN(const HeizsystemFlags& flags);

  private:
    void PruefeInit(const char16_t* ort) const;
    CVRMString Text(TKelvoDatenID id) const { return m_werte.get(id).GetStringVal(); }
    // Writes through when the project may be changed; otherwise only in memory, so that
    // nothing of a library project reaches the user database.
    void SetzeVorgabe(TKelvoDatenID id, const CVRMString& wert, bool aenderbar);

    // Defaults from the options and repair of the links (Projekt2Vorgaben.cpp).
    void SetzeVorgaben();
    void PruefeVerknuepfung(const SProjektVerknuepfung& link, bool aenderbar);
    void FuelleLeereVerknuepfung(const SProjektVerknuepfung& link, bool aenderbar);
};
