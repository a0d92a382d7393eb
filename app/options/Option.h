#pragma once
// One program option: a value of fixed kind (text, long or float) stored under its key in
// section "Optionen". It remembers the default it was created with, so that resetting it
// can really return to that default when neither database holds the key.
#include <cstdint>

#include "core/db/SectionNames.h"
#include "core/value/VRMString.h"
#include "core/value/VRMVariant.h"

class COption {
  public:
    // An empty key is error 3105 with the place "COption::COption(s)", "(l)" or "(f)".
    COption(uint32_t id, const CVRMString& key, const CVRMString& standard, int32_t speichern);
    COption(uint32_t id, const CVRMString& key, int32_t standard, int32_t speichern);
    COption(uint32_t id, const CVRMString& key, float standard, int32_t speichern);
    virtual ~COption() = default;

    // A value of another kind is error 3439 with the place of the operation.
    CVRMString GetStringWert() const;
    int32_t GetLongWert() const;
    float GetFloatWert() const;
    // Writes keep the option's kind: a value of another kind is error 3439.
    void SetStringWert(const CVRMString& wert);
    void SetLongWert(int32_t wert);
    void SetFloatWert(float wert);

    // Reads the value from section "Optionen" (user database, then library database), the
    // current value as fallback. Texts then get their corrections: a location option that
    // reads as the no-location text takes its default, "NameZET" is trimmed and never
    // empty, a relative "ImgDir" gets `programmOrdner` in front.
    void load(const CVRMString& programmOrdner);
    // Back to the value the option was created with.
    void ZurueckAufStandard() { m_wert = m_standard; }

    uint32_t GetID() const { return m_id; }
    const CVRMString& GetKey() const { return m_key; }
    int32_t GetSpeichern() const { return m_speichern; }
    TVRMDataType GetArt() const { return m_wert.GetVRMType(); }
    const CVRMVariant& GetWert() const { return m_wert; }

  private:
    void KorrigiereText(const CVRMString& programmOrdner);

    CVRMVariant m_wert;
    uint32_t m_id;
    CVRMString m_key;
    int32_t m_speichern;
    CVRMVariant m_standard;
};

// The section of the user database that holds the options.
inline constexpr const char16_t* kOptionenSektion = vrmdb::kSektionOptionen;
