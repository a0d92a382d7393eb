#include "core/value/VRMVariant.h"

#include <algorithm>
#include <limits>

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"
#include "platform/numbers/Numbers.h"

using namespace platform;

namespace {

constexpr VARTYPE kPointerType = VT_BYREF | VT_UI1;

TVRMDataType tagOf(VARTYPE vt) {
    switch (vt) {
        case VT_I4:
            return vrmLong;
        case VT_R4:
            return vrmFloat;
        case VT_BSTR:
            return vrmString;
        case VT_UI1:
            return vrmBool;
        case VT_UI2:
            return vrmUShort;
        case VT_UI4:
            return vrmULong;
        case VT_INT:
            return vrmInt;
        case VT_UINT:
            return vrmUInt;
        case kPointerType:
            return vrmPtr;
        default:
            return vrmEmpty;
    }
}

VARIANT makeVariant(VARTYPE vt) {
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    return v;
}

// The numeric content of a variant: whole numbers exactly, a float as it is.
struct Numeric {
    bool ok = false;
    bool isFloat = false;
    int64_t whole = 0;
    float real = 0;
};

Numeric numericOf(const VARIANT& v) {
    Numeric n;
    n.ok = true;
    switch (v.vt) {
        case VT_R4:
            n.isFloat = true, n.real = v.fltVal;
            break;
        case VT_UINT:
            n.whole = v.uintVal;
            break;
        case VT_INT:
            n.whole = v.intVal;
            break;
        case VT_UI1:
            n.whole = v.bVal != 0 ? 1 : 0;
            break;
        case VT_I4:
            n.whole = v.lVal;
            break;
        case VT_UI2:
            n.whole = v.uiVal;
            break;
        case VT_UI4:
            n.whole = v.ulVal;
            break;
        default:
            n.ok = false;
    }
    return n;
}

}  // namespace

CVRMVariant::CVRMVariant() {
    VariantInit(&m_var);
}

CVRMVariant::CVRMVariant(TVRMDataType type) : m_type(type) {
    VariantInit(&m_var);
}

CVRMVariant::CVRMVariant(const CVRMVariant& other) : CVRMVariant() {
    set(other);
}

CVRMVariant::CVRMVariant(CVRMVariant&& other) noexcept : m_var(other.m_var), m_type(other.m_type) {
    VariantInit(&other.m_var);
    other.m_type = vrmEmpty;
}

CVRMVariant::CVRMVariant(const char16_t* text) : CVRMVariant() {
    *this = text;
}
CVRMVariant::CVRMVariant(const CVRMString& text) : CVRMVariant() {
    *this = text;
}
CVRMVariant::CVRMVariant(unsigned int value) : CVRMVariant() {
    *this = value;
}
CVRMVariant::CVRMVariant(int value) : CVRMVariant() {
    *this = value;
}
CVRMVariant::CVRMVariant(bool value) : CVRMVariant() {
    *this = value;
}
CVRMVariant::CVRMVariant(unsigned short value) : CVRMVariant() {
    *this = value;
}
CVRMVariant::CVRMVariant(unsigned long value) : CVRMVariant() {
    *this = value;
}
CVRMVariant::CVRMVariant(long value) : CVRMVariant() {
    *this = value;
}
CVRMVariant::CVRMVariant(float value) : CVRMVariant() {
    *this = value;
}
CVRMVariant::CVRMVariant(void* pointer) : CVRMVariant() {
    set(pointer);
}
CVRMVariant::CVRMVariant(const VARIANT& variant) : CVRMVariant() {
    *this = variant;
}

CVRMVariant::~CVRMVariant() {
    VariantClear(&m_var);
}

void CVRMVariant::setVariant(TVRMDataType type, const VARIANT& value) {
    if (VariantCopy(&m_var, &value) != S_OK) VariantClear(&m_var);
    m_type = type;
}

CVRMVariant& CVRMVariant::operator=(const CVRMVariant& other) {
    switch (other.m_type) {
        case vrmEmpty:
            break;
        case vrmFloat:
            *this = other.GetFloatVal();
            break;
        case vrmString:
            *this = other.GetStringVal();
            break;
        case vrmUInt:
            *this = static_cast<unsigned int>(other.GetUIntVal());
            break;
        case vrmInt:
            *this = other.GetIntVal();
            break;
        case vrmBool:
            *this = other.GetBoolVal();
            break;
        case vrmLong:
            *this = static_cast<long>(static_cast<int32_t>(other.GetUIntVal()));
            break;
        case vrmUShort:
            *this = other.GetUShortVal();
            break;
        case vrmULong:
            *this = static_cast<unsigned long>(other.GetUIntVal());
            break;
        case vrmPtr:
            set(other.GetPtrVal());
            break;
        default:
            vrmcore::ReportError(textid::kFalscheKonstante,
                                 u"CVRMVariant::operator=(const CVRMVariant& v)");
    }
    return *this;
}

CVRMVariant& CVRMVariant::operator=(CVRMVariant&& other) noexcept {
    if (this != &other) {
        VariantClear(&m_var);
        m_var = other.m_var;
        m_type = other.m_type;
        VariantInit(&other.m_var);
        other.m_type = vrmEmpty;
    }
    return *this;
}

CVRMVariant& CVRMVariant::operator=(const char16_t* text) {
    return *this = CVRMString(text);
}

CVRMVariant& CVRMVariant::operator=(const CVRMString& text) {
    VARIANT v = makeVariant(VT_BSTR);
    v.bstrVal = SysAllocStringLen(text.data(), static_cast<uint32_t>(text.size()));
    if (!v.bstrVal) throw std::bad_alloc();
    VariantClear(&m_var);
    m_var = v;  // takes over the new string
    m_type = vrmString;
    return *this;
}

CVRMVariant& CVRMVariant::operator=(unsigned int value) {
    VARIANT v = makeVariant(VT_UINT);
    v.uintVal = value;
    setVariant(vrmUInt, v);
    return *this;
}

CVRMVariant& CVRMVariant::operator=(int value) {
    VARIANT v = makeVariant(VT_INT);
    v.intVal = value;
    setVariant(vrmInt, v);
    return *this;
}

CVRMVariant& CVRMVariant::operator=(bool value) {
    VARIANT v = makeVariant(VT_UI1);
    v.bVal = value ? 1 : 0;
    setVariant(vrmBool, v);
    return *this;
}

CVRMVariant& CVRMVariant::operator=(unsigned short value) {
    VARIANT v = makeVariant(VT_UI2);
    v.uiVal = value;
    setVariant(vrmUShort, v);
    return *this;
}

CVRMVariant& CVRMVariant::operator=(unsigned long value) {
    VARIANT v = makeVariant(VT_UI4);
    v.ulVal = static_cast<uint32_t>(std::min<unsigned long>(value, UINT32_MAX));
    setVariant(vrmULong, v);
    return *this;
}

CVRMVariant& CVRMVariant::operator=(long value) {
    VARIANT v = makeVariant(VT_I4);
    v.lVal = static_cast<int32_t>(std::clamp<long>(value, INT32_MIN, INT32_MAX));
    setVariant(vrmLong, v);
    return *this;
}

CVRMVariant& CVRMVariant::operator=(float value) {
    VARIANT v = makeVariant(VT_R4);
    v.fltVal = value;
    setVariant(vrmFloat, v);
    return *this;
}

CVRMVariant& CVRMVariant::operator=(const VARIANT& variant) {
    const TVRMDataType type = tagOf(variant.vt);
    if (type == vrmEmpty) {
        Clear();
        return *this;
    }
    setVariant(type, variant);
    if (type == vrmBool) m_var.bVal = m_var.bVal != 0 ? 1 : 0;
    return *this;
}

void CVRMVariant::set(void* pointer) {
    VARIANT v = makeVariant(kPointerType);
    v.byref = pointer;
    setVariant(vrmPtr, v);
}

void CVRMVariant::set(const CVRMVariant& other) {
    if (this != &other) setVariant(other.m_type, other.m_var);
}

void CVRMVariant::Clear() {
    VariantClear(&m_var);
    m_type = vrmEmpty;
}

bool CVRMVariant::operator==(const CVRMVariant& other) const {
    if (m_var.vt != other.m_var.vt || m_type != other.m_type) return false;
    const VARIANT& a = m_var;
    const VARIANT& b = other.m_var;
    switch (a.vt) {
        case VT_EMPTY:
            return true;
        case VT_R4:
            return a.fltVal == b.fltVal;
        case VT_BSTR:
            return SysStringView(a.bstrVal) == SysStringView(b.bstrVal);
        case VT_UI1:
            return a.bVal == b.bVal;
        case VT_UI2:
            return a.uiVal == b.uiVal;
        case VT_I4:
            return a.lVal == b.lVal;
        case VT_INT:
            return a.intVal == b.intVal;
        case VT_UINT:
            return a.uintVal == b.uintVal;
        case VT_UI4:
            return a.ulVal == b.ulVal;
        // The whole pointer: its low 32 bits alone could make two pointers equal.
        case kPointerType:
            return a.byref == b.byref;
        default:
            return false;
    }
}

bool CVRMVariant::IsNullPtr() const {
    return IsPtr() && GetPtrVal() == nullptr;
}

bool CVRMVariant::IsEmptyStr() const {
    if (IsEmpty()) return true;
    if (!IsString()) return false;
    return GetStringVal().empty();
}

CVRMString CVRMVariant::GetStringVal() const {
    if (!IsString() || m_var.vt != VT_BSTR) return {};
    return CVRMString(SysStringView(m_var.bstrVal));
}

int CVRMVariant::GetIntVal() const {
    if (IsInt() && m_var.vt == VT_INT) return m_var.intVal;
    if (IsBool() && m_var.vt == VT_UI1) return m_var.bVal != 0 ? 1 : 0;
    return 0;
}

float CVRMVariant::GetFloatVal() const {
    const Numeric n = numericOf(m_var);
    if (!n.ok) return 0.0f;
    return n.isFloat ? n.real : static_cast<float>(n.whole);
}

bool CVRMVariant::GetBoolVal() const {
    const Numeric n = numericOf(m_var);
    return n.ok && (n.isFloat ? n.real != 0.0f : n.whole != 0);
}

unsigned short CVRMVariant::GetUShortVal() const {
    const Numeric n = numericOf(m_var);
    if (!n.ok) return 0;
    if (n.isFloat) return static_cast<unsigned short>(std::min<uint32_t>(toUInt32(n.real), 0xFFFF));
    return static_cast<unsigned short>(n.whole);
}

uint32_t CVRMVariant::GetUIntVal() const {
    const Numeric n = numericOf(m_var);
    if (!n.ok) return 0;
    // A float is converted by value; its bit pattern is no unsigned number.
    return n.isFloat ? toUInt32(n.real) : static_cast<uint32_t>(n.whole);
}

void* CVRMVariant::GetPtrVal() const {
    return IsPtr() && m_var.vt == kPointerType ? m_var.byref : nullptr;
}

CVRMString CVRMVariant::toString(unsigned formatId) const {
    CVRMString text;
    switch (m_type) {
        case vrmFloat:
            text.Format(formatId != 0 ? formatId : textid::kFormatF,
                        static_cast<double>(GetFloatVal()));
            break;
        case vrmString:
            text.Format(3364u, GetStringVal());  // "(%s)"
            break;
        case vrmUInt:
            text.Format(textid::kFormatU, GetUIntVal());
            break;
        case vrmInt:
            text.Format(textid::kFormatI, GetIntVal());
            break;
        case vrmBool:
            // "yes", "no"
            text.LoadStringW(GetBoolVal() ? 3598u : 3599u);
            break;
        case vrmLong:
            text.Format(textid::kFormatLi, static_cast<int32_t>(GetUIntVal()));
            break;
        case vrmUShort:
            text.Format(3695u, GetUShortVal());  // "%hu"
            break;
        case vrmULong:
            text.Format(textid::kFormatLu, GetUIntVal());
            break;
        default:
            vrmcore::ReportError(textid::kFalscheKonstante, u"CVRMVariant::toString");
    }
    return text;
}
