#include "core/value/VRMwert.h"

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"

CVRMwert::CVRMwert(TVRMDataType type) : CVRMVariant(type), m_default(type), m_orig(type) {}
CVRMwert::CVRMwert(float value) : CVRMVariant(value), m_default(value), m_orig(value) {}
CVRMwert::CVRMwert(const char16_t* value) : CVRMVariant(value), m_default(value), m_orig(value) {}
CVRMwert::CVRMwert(const CVRMString& value) : CVRMVariant(value), m_default(value), m_orig(value) {}
CVRMwert::CVRMwert(unsigned int value) : CVRMVariant(value), m_default(value), m_orig(value) {}
CVRMwert::CVRMwert(int value) : CVRMVariant(value), m_default(value), m_orig(value) {}
CVRMwert::CVRMwert(bool value) : CVRMVariant(value), m_default(value), m_orig(value) {}
CVRMwert::CVRMwert(unsigned short value) : CVRMVariant(value), m_default(value), m_orig(value) {}

CVRMwert CVRMwert::Long(int64_t value) {
    return CVRMwert(CVRMVariant::Long(value));
}
CVRMwert CVRMwert::ULong(uint64_t value) {
    return CVRMwert(CVRMVariant::ULong(value));
}

CVRMwert::CVRMwert(const CVRMVariant& value)
    : CVRMVariant(value), m_default(value), m_orig(value) {}

CVRMwert::CVRMwert(const CVRMwert& other)
    : CVRMVariant(other.GetVRMType()), m_default(other.GetVRMType()), m_orig(other.GetVRMType()) {
    *this = other;
}

CVRMwert::~CVRMwert() {
    Clear();
    m_default.Clear();
    m_orig.Clear();
}

// A clone must compare equal to its source, an empty value of a type included, so the
// variants are taken as they are rather than converted by their tags.
CVRMwert& CVRMwert::operator=(const CVRMwert& other) {
    if (this == &other) return *this;
    set(other);
    m_default.set(other.m_default);
    m_orig.set(other.m_orig);
    m_persistent = other.m_persistent;
    return *this;
}

CVRMwert& CVRMwert::operator=(float value) {
    return setzeWert(value);
}
CVRMwert& CVRMwert::operator=(const char16_t* value) {
    return setzeWert(value);
}
CVRMwert& CVRMwert::operator=(const CVRMString& value) {
    return setzeWert(value);
}
CVRMwert& CVRMwert::operator=(unsigned int value) {
    return setzeWert(value);
}
CVRMwert& CVRMwert::operator=(int value) {
    return setzeWert(value);
}
CVRMwert& CVRMwert::operator=(bool value) {
    return setzeWert(value);
}
CVRMwert& CVRMwert::operator=(unsigned short value) {
    return setzeWert(value);
}
CVRMwert& CVRMwert::operator=(const CVRMVariant& value) {
    return setzeWert(value);
}

void CVRMwert::init(CVRMVariant value) {
    CVRMVariant::operator=(value);
    m_orig = value;
}

void CVRMwert::setDefault(const CVRMVariant& def) {
    if (!IsEmpty() && def.GetVRMType() != GetVRMType())
        vrmcore::ReportError(textid::kDatenFehlen, u"CVRMwert::setDefault");
    m_default.set(def);
}

void CVRMwert::change() {
    m_orig.set(*this);
}

void CVRMwert::reset() {
    set(m_orig);
}

void CVRMwert::defval() {
    set(m_default);
    m_orig.set(m_default);
}

int CVRMwert::changed() const {
    return static_cast<const CVRMVariant&>(*this) == m_orig ? 0 : 1;
}

CVRMString CVRMwert::dump(const char16_t* prefix) const {
    CVRMString text;
    if (prefix)
        text.Format(u"%s: %s (Orig: %s)\n", prefix, toString(0), m_orig.toString(0));
    else
        text.Format(u"%s (Orig: %s)\n", toString(0), m_orig.toString(0));
    return text;
}
