#include "platform/variant/Variant.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

using namespace platform;

// Variants travel between modules as plain data.
static_assert(std::is_standard_layout_v<VARIANT> && std::is_trivially_copyable_v<VARIANT>);

TEST(Bstr, KeepsLengthAndCharactersIncludingNul) {
    const char16_t chars[] = u"a\0b\u00e4";
    BSTR s = SysAllocStringLen(chars, 4);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(SysStringLen(s), 4u);
    EXPECT_EQ(SysStringView(s), std::u16string_view(chars, 4));
    EXPECT_EQ(s[4], u'\0');  // terminated for callers that read up to NUL
    SysFreeString(s);

    BSTR t = SysAllocString(u"Grüße");
    EXPECT_EQ(SysStringView(t), u"Grüße");
    SysFreeString(t);
}

TEST(Bstr, NullAndEmpty) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_TRUE(SysStringView(nullptr).empty());
    SysFreeString(nullptr);

    BSTR empty = SysAllocString(u"");
    ASSERT_NE(empty, nullptr);  // an empty string is a string, not null
    EXPECT_EQ(SysStringLen(empty), 0u);
    SysFreeString(empty);

    BSTR zeros = SysAllocStringLen(nullptr, 3);
    EXPECT_EQ(SysStringView(zeros), std::u16string_view(u"\0\0\0", 3));
    SysFreeString(zeros);
}

TEST(Bstr, UnrepresentableLengthGivesNull) {
    // The byte length must fit the 32-bit prefix.
    EXPECT_EQ(SysAllocStringLen(nullptr, 0xFFFFFFFFu), nullptr);
}

TEST(Variant, CopyOfStringIsDeepAndClearFreesIt) {
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocString(u"1§#§name§#§");

    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    EXPECT_NE(copy.bstrVal, source.bstrVal);
    EXPECT_EQ(VariantClear(&source), S_OK);
    EXPECT_EQ(source.vt, VT_EMPTY);
    EXPECT_EQ(SysStringView(copy.bstrVal), u"1§#§name§#§");  // still its own

    // Copying onto a variant that holds a string frees that string first (ASan checks).
    VARIANT other;
    VariantInit(&other);
    other.vt = VT_R4;
    other.fltVal = 2.5f;
    ASSERT_EQ(VariantCopy(&copy, &other), S_OK);
    EXPECT_EQ(copy.vt, VT_R4);
    EXPECT_EQ(copy.fltVal, 2.5f);
    VariantClear(&copy);
}

TEST(Variant, SelfCopyAndNullArguments) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(u"x");
    EXPECT_EQ(VariantCopy(&v, &v), S_OK);
    EXPECT_EQ(SysStringView(v.bstrVal), u"x");
    EXPECT_EQ(VariantCopy(nullptr, &v), E_INVALIDARG);
    EXPECT_EQ(VariantCopy(&v, nullptr), E_INVALIDARG);
    EXPECT_EQ(VariantClear(nullptr), E_INVALIDARG);
    VariantClear(&v);
}

TEST(Variant, StringVariantWithNullStringCopies) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;  // a null string is the empty text
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &v), S_OK);
    EXPECT_EQ(copy.vt, VT_BSTR);
    EXPECT_EQ(copy.bstrVal, nullptr);
    VariantClear(&copy);
}

}  // namespace
