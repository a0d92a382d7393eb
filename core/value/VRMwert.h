#pragma once
// One value of the value store: the current value (the base), the default that a missing
// database entry yields, and the value as loaded or last saved, which tells whether the
// value has been changed since.
#include "core/value/VRMString.h"
#include "core/value/VRMVariant.h"

class CVRMwert : public CVRMVariant {
  public:
    // Current, default and loaded value are empty values of that type.
    CVRMwert(TVRMDataType type);
    // Current, default and loaded value all hold the given value.
    CVRMwert(float value);
    CVRMwert(const char16_t* value);
    CVRMwert(const CVRMString& value);
    CVRMwert(unsigned int value);
    CVRMwert(int value);
    CVRMwert(bool value);
    CVRMwert(unsigned short value);
    // The 32-bit kinds by name, as CVRMVariant::Long and ULong.
    static CVRMwert Long(int64_t value);
    static CVRMwert ULong(uint64_t value);
    CVRMwert(long) = delete;
    CVRMwert(unsigned long) = delete;
    CVRMwert(long long) = delete;
    CVRMwert(unsigned long long) = delete;
    // A clone: same current, default and loaded value and stored flag.
    CVRMwert(const CVRMwert& other);
    ~CVRMwert() override;

    // Copies all three values and the stored flag.
    CVRMwert& operator=(const CVRMwert& other);
    // These set the current value only: default and loaded value stay, so the value counts
    // as changed when it now differs from the loaded one.
    CVRMwert& operator=(float value);
    CVRMwert& operator=(const char16_t* value);
    CVRMwert& operator=(const CVRMString& value);
    CVRMwert& operator=(unsigned int value);
    CVRMwert& operator=(int value);
    CVRMwert& operator=(bool value);
    CVRMwert& operator=(unsigned short value);
    CVRMwert& operator=(long) = delete;
    CVRMwert& operator=(unsigned long) = delete;
    CVRMwert& operator=(long long) = delete;
    CVRMwert& operator=(unsigned long long) = delete;
    CVRMwert& operator=(const CVRMVariant& value);

    // A value read from the database: current and loaded value take it.
    void init(CVRMVariant value);
    // A default of another type than a value already held reports 3105.
    void setDefault(const CVRMVariant& def);
    const CVRMVariant& getDefault() const { return m_default; }
    const CVRMVariant& getOriginal() const { return m_orig; }

    // The current value counts as saved.
    void change();
    // Back to the loaded value.
    void reset();
    // Current and loaded value take the default.
    void defval();
    // 1 while the current value differs from the loaded one.
    int changed() const;

    void setPersistent(bool persistent) { m_persistent = persistent; }
    bool isPersistent() const { return m_persistent; }

    // "prefix: value (Orig: loaded)\n", or without the prefix when it is null.
    CVRMString dump(const char16_t* prefix) const;

  private:
    // Current, default and loaded value all take `value`.
    explicit CVRMwert(const CVRMVariant& value);

    template <class T>
    CVRMwert& setzeWert(const T& value) {
        CVRMVariant::operator=(value);
        return *this;
    }

    bool m_persistent = true;
    CVRMVariant m_default;
    CVRMVariant m_orig;
};
