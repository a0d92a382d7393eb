#pragma once
// The solar library's application object: the plants the program has initialised, the
// standard collector's name, and the dispatcher that answers the program's function codes
// as token lists. The library holds one such object; tests make their own.
#include <cstdint>
#include <map>
#include <memory>

#include "core/value/DatenId.h"
#include "core/value/VRMString.h"
#include "core/value/VRMVariant.h"
#include "solar/SolarAnlage2.h"

class CVRMsolarApp {
  public:
    // The function codes.
    static constexpr int32_t kInit = 11;
    static constexpr int32_t kAnlagenListe = 12;
    static constexpr int32_t kKollektorListe = 13;
    static constexpr int32_t kInitAnlage = 14;
    static constexpr int32_t kGetGewinne = 15;
    static constexpr int32_t kSetGewinne = 16;
    static constexpr int32_t kReloadErtraege = 17;
    static constexpr int32_t kGetKollektorErtraege = 32;
    static constexpr int32_t kStdMonatswerte = 36;
    static constexpr int32_t kGetErtragsDaten = 39;
    static constexpr int32_t kWriteErtraege = 40;
    static constexpr int32_t kSaveAnlageAs = 46;
    static constexpr int32_t kInitKollektor = 49;

    CVRMsolarApp() = default;
    CVRMsolarApp(const CVRMsolarApp&) = delete;
    CVRMsolarApp& operator=(const CVRMsolarApp&) = delete;
    ~CVRMsolarApp();

    // 1 with the answer in `result`; 0 with the message in `result` (empty when a box has
    // told the user already).
    int DoSolarFunktion(int32_t code, const CVRMString& param, CVRMString& result);
    // Token 1 of `text` names the plant, or the collector for ids 43 to 45. 1 on success;
    // 0 with `wert` cleared.
    int GetSolarenWert(const CVRMString& text, TKelvoDatenID id, CVRMVariant& wert);
    int SetSolarenWert(const CVRMString& text, TKelvoDatenID id, const CVRMVariant& wert,
                       int flush);

    // The plant of that name, or null; an empty name reports 3105.
    CSolarAnlage2* GetSolarAnlage(const CVRMString& name);
    bool IstInitialisiert() const { return m_initialisiert != 0; }
    const CVRMString& GetStdKollektorName() const { return m_stdKollektor; }

    // Library end: lets go of the provider of the gains and yields.
    void ExitInstance();

  private:
    void Dispatch(int32_t code, const CVRMString& param, CVRMString& result);
    CSolarAnlage2& Anlage(const CVRMString& param);

    void Init(const CVRMString& param);
    void InitSolarAnlage(const CVRMString& param);
    void GetSolareGewinne(const CVRMString& param, CVRMString& result);
    void SetSolareGewinne(const CVRMString& param);
    void GetKollektorErtraege(const CVRMString& param, CVRMString& result);
    void GetKollektorErtragsDaten(const CVRMString& param, CVRMString& result);
    void WriteKollektorErtraege(const CVRMString& param);
    bool SaveSolarAnlageAs(const CVRMString& param);
    void InitKollektor(const CVRMString& param);

    std::map<CVRMString, std::unique_ptr<CSolarAnlage2>> m_anlagen;
    int m_initialisiert = 0;
    // The resource module the program handed over. Language texts come from the one table
    // of the core library that program and library share, so it is kept, never used as an
    // address: it arrived as text from outside.
    uint64_t m_resourceHandle = 0;
    CVRMString m_stdKollektor;
};

namespace solar {

// A failure that is not the library's own: the framework's plain box.
void ZeigeBox(const CVRMString& text);

}  // namespace solar
