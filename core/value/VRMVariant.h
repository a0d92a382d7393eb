#pragma once
// A tagged value of one of the system's data types: an automation variant plus the
// tag that says which of our types it holds. Values of the value store derive from it.
#include <cstdint>

#include "core/value/VRMString.h"
#include "platform/variant/Variant.h"

// The type tag; the stored variant type of each is in the comment.
enum TVRMDataType : int {
    vrmEmpty = 0,   // none
    vrmFloat = 1,   // VT_R4
    vrmString = 2,  // VT_BSTR
    vrmUInt = 3,    // VT_UINT
    vrmInt = 4,     // VT_INT
    vrmBool = 5,    // VT_UI1, 0 or 1
    vrmLong = 6,    // VT_I4
    vrmUShort = 7,  // VT_UI2
    vrmULong = 8,   // VT_UI4
    vrmPtr = 9,     // VT_BYREF | VT_UI1
};

class CVRMVariant {
  public:
    CVRMVariant();
    // That tag with an empty variant.
    CVRMVariant(TVRMDataType type);
    CVRMVariant(const CVRMVariant& other);
    // Moves take tag and value as they are and leave `other` empty.
    CVRMVariant(CVRMVariant&& other) noexcept;
    CVRMVariant(const char16_t* text);
    CVRMVariant(const CVRMString& text);
    CVRMVariant(unsigned int value);
    CVRMVariant(int value);
    CVRMVariant(bool value);
    CVRMVariant(unsigned short value);
    CVRMVariant(float value);
    // The 32-bit kinds "long" and "unsigned long" are made by name: the C++ long is 64-bit
    // here, and so are int64_t, size_t and container sizes, which must not pick a kind by
    // their type. Values beyond 32 bits are clamped into the kind's range.
    static CVRMVariant Long(int64_t value);
    static CVRMVariant ULong(uint64_t value);
    CVRMVariant(long) = delete;
    CVRMVariant(unsigned long) = delete;
    CVRMVariant(long long) = delete;
    CVRMVariant(unsigned long long) = delete;
    CVRMVariant(void* pointer);
    // The tag follows the variant type; an unknown type gives tag 0 and takes no value.
    CVRMVariant(const platform::VARIANT& variant);
    virtual ~CVRMVariant();

    // By the source tag: 0 leaves this value unchanged; a tag outside 0..9 reports 3162.
    // set() copies an empty value as well.
    CVRMVariant& operator=(const CVRMVariant& other);
    // Moving takes everything, an empty value too: swaps, sorts and erasures in
    // containers move values around and must not leave stale ones behind.
    CVRMVariant& operator=(CVRMVariant&& other) noexcept;
    CVRMVariant& operator=(const char16_t* text);
    CVRMVariant& operator=(const CVRMString& text);
    CVRMVariant& operator=(unsigned int value);
    CVRMVariant& operator=(int value);
    CVRMVariant& operator=(bool value);
    CVRMVariant& operator=(unsigned short value);
    CVRMVariant& operator=(float value);
    // As Long and ULong.
    void SetLong(int64_t value);
    void SetULong(uint64_t value);
    CVRMVariant& operator=(long) = delete;
    CVRMVariant& operator=(unsigned long) = delete;
    CVRMVariant& operator=(long long) = delete;
    CVRMVariant& operator=(unsigned long long) = delete;
    CVRMVariant& operator=(const platform::VARIANT& variant);

    void set(void* pointer);
    // Copies tag and value as they are, an empty source included.
    void set(const CVRMVariant& other);
    // Clears the variant and sets tag 0.
    void Clear();

    bool operator==(const CVRMVariant& other) const;
    bool operator!=(const CVRMVariant& other) const { return !(*this == other); }

    bool IsFloat() const { return m_type == vrmFloat; }
    bool IsString() const { return m_type == vrmString; }
    bool IsUInt() const { return m_type == vrmUInt; }
    bool IsInt() const { return m_type == vrmInt; }
    bool IsBool() const { return m_type == vrmBool; }
    bool IsLong() const { return m_type == vrmLong; }
    bool IsUShort() const { return m_type == vrmUShort; }
    bool IsULong() const { return m_type == vrmULong; }
    bool IsPtr() const { return m_type == vrmPtr; }
    // The variant holds nothing (whatever the tag).
    bool IsEmpty() const { return m_var.vt == platform::VT_EMPTY; }
    bool IsEmptyVal() const { return m_type == vrmEmpty; }
    // A pointer value that is null.
    bool IsNullPtr() const;
    // An empty variant, or a string tag with an empty text; false for other tags.
    bool IsEmptyStr() const;
    TVRMDataType GetVRMType() const { return m_type; }

    // The text for the string tag, else empty.
    CVRMString GetStringVal() const;
    // The int for the int tag, the bool as 0 or 1, else 0.
    int GetIntVal() const;
    // The numeric getters below read any numeric tag by value: integers convert as C
    // converts them, a float is truncated towards zero into the target's range, a bool
    // is 0 or 1. Text, pointer and empty values give 0.
    float GetFloatVal() const;
    bool GetBoolVal() const;
    unsigned short GetUShortVal() const;
    uint32_t GetUIntVal() const;
    // The pointer for the pointer tag, else null.
    void* GetPtrVal() const;

    operator CVRMString() const { return GetStringVal(); }
    operator unsigned int() const { return GetUIntVal(); }
    operator int() const { return GetIntVal(); }
    operator float() const { return GetFloatVal(); }

    // The value in its language-text format (`formatId` applies to floats; 0 is "%f").
    virtual CVRMString toString(unsigned formatId = 0) const;

    const platform::VARIANT& variant() const { return m_var; }

  private:
    // Takes tag and a copy of the value.
    void setVariant(TVRMDataType type, const platform::VARIANT& value);

    platform::VARIANT m_var;
    TVRMDataType m_type = vrmEmpty;
};
