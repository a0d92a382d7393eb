#pragma once
// The program options: created from the option table, loaded from and saved to section
// "Optionen" of the user database, and answered by id at the moment a reader needs them.
// Readers never keep a copy.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string_view>

#include "app/options/Option.h"
#include "core/value/VRMString.h"
#include "model/app/KelvoOptionen.h"

class COptionsManager : public IKelvoOptionen {
  public:
    COptionsManager() = default;
    ~COptionsManager() override;
    COptionsManager(const COptionsManager&) = delete;
    COptionsManager& operator=(const COptionsManager&) = delete;

    // What the application knows and the options need: the program folder (ending in its
    // separator) and the command registered for opening ".doc" files. Set before loading.
    void SetUmgebung(const CVRMString& programmOrdner, std::function<CVRMString()> docKommando);

    // Creates every option of the table with its default; an empty tariff list is error
    // 4282 and creates none.
    void ErzeugeOptionen();
    // Creates the options again and reads each from the databases; "Classic" is then 1.
    // An option whose stored number, or number list, is damaged is reported (4298, its
    // key and text) and takes its default, so the program still starts and the next save
    // mends the file. Any other failure ends as error 3437.
    void LoadOptions();
    // Writes every stored option to section "Optionen" and the user database to disk.
    // Any failure ends as error 3104.
    void SaveOptions();
    void DeleteOptions();

    // An unknown id is the error "Option %u not found !" (text 3440).
    void GetStringWert(uint32_t id, CVRMString& wert) const override;
    // The six additional-cost lists read as the sum of their numbers.
    int32_t GetLongWert(uint32_t id, int32_t& wert) const override;
    float GetFloatWert(uint32_t id, float& wert) const override;
    // In memory only, until the next SaveOptions; an unknown id is ignored; a null text
    // sets an empty text.
    void SetStringWert(uint32_t id, const CVRMString* wert) override;
    void SetLongWert(uint32_t id, int32_t wert) override;
    void SetFloatWert(uint32_t id, float wert) override;
    CVRMString GetKey(uint32_t id) const override;
    // Deletes the option's stored entry and reads it again: the library database's entry
    // when there is one, else the default the option was created with.
    void SetzeStandard(uint32_t id, int flush);

    COption* FindeOption(uint32_t id) const;
    void AddStringOption(uint32_t id, const CVRMString& key, const CVRMString& standard,
                         int32_t speichern);
    void AddLongOption(uint32_t id, const CVRMString& key, int32_t standard, int32_t speichern);
    void AddFloatOption(uint32_t id, const CVRMString& key, float standard, int32_t speichern);

  private:
    void LadeOption(COption& option);
    // The text options that hold number lists are checked as the lists are read.
    void PruefeZahlenListe(const COption& option) const;
    void Add(std::unique_ptr<COption> option);
    COption& GetOption(uint32_t id) const;
    CVRMString ErsetzePlatzhalter(uint32_t id, CVRMString wert) const;
    CVRMString DocKommando() const;

    std::map<uint16_t, std::unique_ptr<COption>> m_optionen;
    CVRMString m_programmOrdner;
    std::function<CVRMString()> m_docKommando;
};
