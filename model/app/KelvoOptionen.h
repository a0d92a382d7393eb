#pragma once
// The program options as the model reads them: by id, at the moment it needs them. The
// application's options manager implements this; the model never keeps a copy.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/db/GespeicherteZahl.h"
#include "core/value/VRMString.h"

class IKelvoOptionen {
  public:
    virtual ~IKelvoOptionen() = default;

    // An unknown id is the error "Option %u not found !" (text 3440).
    virtual void GetStringWert(uint32_t id, CVRMString& wert) const = 0;
    // The six additional-cost lists read as the sum of their numbers.
    virtual int32_t GetLongWert(uint32_t id, int32_t& wert) const = 0;
    virtual float GetFloatWert(uint32_t id, float& wert) const = 0;
    // In memory only, until the options are saved; an unknown id is ignored; a null text
    // sets an empty text.
    virtual void SetStringWert(uint32_t id, const CVRMString* wert) = 0;
    virtual void SetLongWert(uint32_t id, int32_t wert) = 0;
    virtual void SetFloatWert(uint32_t id, float wert) = 0;

    // The key under which an option is stored, named when its stored text is damaged;
    // empty where options are not stored.
    virtual CVRMString GetKey(uint32_t id) const;

    // Up to six numbers, each followed by "#"; a text without "#" is one number in the
    // sixth slot; slots not read, and blank ones, are 0. A number that is not wholly an
    // unsigned 32-bit number is reported as the record and key of `ort`, and thrown.
    static void ParseWerteListe(std::u16string_view text, std::array<uint32_t, 6>& werte,
                                const vrmcore::SZahlOrt& ort);
};
