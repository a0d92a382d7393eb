#include "core/value/VRMVariant.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/text/ResManager.h"
#include "core/value/VRMwert.h"
#include "platform/errors/UserException.h"
#include "tests/core/text/TextFixture.h"

namespace {

using namespace platform;

class VRMVariantTest : public testsupport::TextTest {
  protected:
    VRMVariantTest() {
        CResManager::setEntry(3162, u"Switch constant wrong");
        CResManager::setEntry(3168, u"Varmion");
    }

    // The text of the one error box the test expects.
    std::u16string onlyBoxText() const {
        EXPECT_EQ(boxes.shown.size(), 1u);
        return boxes.shown.empty() ? std::u16string() : boxes.shown.back().text;
    }
};

TEST_F(VRMVariantTest, EachValueTypeHasItsTagAndVariantType) {
    int target = 0;
    const struct {
        CVRMVariant value;
        TVRMDataType tag;
        VARTYPE vt;
    } cases[] = {
        {CVRMVariant(1.5f), vrmFloat, VT_R4},
        {CVRMVariant(u"abc"), vrmString, VT_BSTR},
        {CVRMVariant(CVRMString(u"abc")), vrmString, VT_BSTR},
        {CVRMVariant(3u), vrmUInt, VT_UINT},
        {CVRMVariant(-4), vrmInt, VT_INT},
        {CVRMVariant(true), vrmBool, VT_UI1},
        {CVRMVariant::Long(-6), vrmLong, VT_I4},
        {CVRMVariant(static_cast<unsigned short>(7)), vrmUShort, VT_UI2},
        {CVRMVariant::ULong(8), vrmULong, VT_UI4},
        {CVRMVariant(static_cast<void*>(&target)), vrmPtr, VT_BYREF | VT_UI1},
        {CVRMVariant(), vrmEmpty, VT_EMPTY},
        {CVRMVariant(vrmFloat), vrmFloat, VT_EMPTY},  // a tag alone holds no value
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.GetVRMType(), c.tag);
        EXPECT_EQ(c.value.variant().vt, c.vt) << c.tag;
        EXPECT_EQ(c.value.IsEmpty(), c.vt == VT_EMPTY) << c.tag;
        EXPECT_EQ(c.value.IsEmptyVal(), c.tag == vrmEmpty) << c.tag;
    }
}

TEST_F(VRMVariantTest, TagFollowsTheTypeOfARawVariant) {
    const struct {
        VARTYPE vt;
        TVRMDataType tag;
    } cases[] = {
        {VT_I4, vrmLong},    {VT_R4, vrmFloat},   {VT_UI1, vrmBool},    {VT_UI2, vrmUShort},
        {VT_UI4, vrmULong},  {VT_INT, vrmInt},    {VT_UINT, vrmUInt},   {VT_BYREF | VT_UI1, vrmPtr},
        {VT_BOOL, vrmEmpty}, {VT_NULL, vrmEmpty}, {VT_EMPTY, vrmEmpty},
    };
    for (const auto& c : cases) {
        VARIANT raw;
        VariantInit(&raw);
        raw.vt = c.vt;
        raw.ulVal = 1;
        const CVRMVariant value(raw);
        EXPECT_EQ(value.GetVRMType(), c.tag) << c.vt;
        if (c.tag == vrmEmpty) {
            EXPECT_TRUE(value.IsEmpty()) << c.vt;  // value not taken
        }
    }

    CVRMVariant text(5);
    VARIANT raw;
    VariantInit(&raw);
    raw.vt = VT_BSTR;
    raw.bstrVal = SysAllocString(u"Sole");
    text = raw;
    VariantClear(&raw);  // the variant keeps its own copy
    EXPECT_EQ(text.GetStringVal(), u"Sole");
}

TEST_F(VRMVariantTest, AssignmentFromAVariantDispatchesOnItsTag) {
    CVRMVariant target(2.5f);
    const CVRMVariant empty;
    target = empty;  // an empty source changes nothing
    EXPECT_EQ(target, CVRMVariant(2.5f));
    const CVRMVariant longTag(vrmLong);
    target = longTag;  // a tag alone: its value reads as 0
    EXPECT_EQ(target, CVRMVariant::Long(0));
    const CVRMVariant text(u"Haus");
    target = text;
    EXPECT_EQ(target, text);
    target = target;
    EXPECT_EQ(target.GetStringVal(), u"Haus");

    target.set(CVRMVariant());  // set copies an empty source as well
    EXPECT_TRUE(target.IsEmptyVal());
    target = 3u;
    target.Clear();
    EXPECT_TRUE(target.IsEmptyVal());
    EXPECT_TRUE(target.IsEmpty());
}

TEST_F(VRMVariantTest, AssignmentFromABadTagReports3162) {
    const CVRMVariant bad(static_cast<TVRMDataType>(42));
    CVRMVariant target(1);
    EXPECT_THROW(target = bad, UserException);
    EXPECT_EQ(onlyBoxText(),
              u"Switch constant wrong\n(CVRMVariant::operator=(const CVRMVariant& v))");
    EXPECT_EQ(target, CVRMVariant(1));
}

// Assigning an empty value changes nothing, yet containers and swaps move values
// around and must keep empty ones.
TEST_F(VRMVariantTest, ContainersKeepEmptyValues) {
    CVRMVariant a(1.5f);
    CVRMVariant b;
    std::swap(a, b);
    EXPECT_TRUE(a.IsEmptyVal());
    EXPECT_EQ(b, CVRMVariant(1.5f));
    std::swap(a, b);
    EXPECT_EQ(a, CVRMVariant(1.5f));
    EXPECT_TRUE(b.IsEmptyVal());

    std::vector<CVRMVariant> list;
    list.emplace_back(1);
    list.emplace_back();
    list.emplace_back(u"x");
    list.erase(list.begin());
    EXPECT_TRUE(list[0].IsEmptyVal());
    EXPECT_EQ(list[1].GetStringVal(), u"x");
}

TEST_F(VRMVariantTest, Equality) {
    int object = 0;
    // Two pointers that agree in their low 32 bits only.
    void* low = reinterpret_cast<void*>(uintptr_t{0x10});
    void* high = reinterpret_cast<void*>((uintptr_t{1} << 32) | 0x10);
    const struct {
        CVRMVariant a, b;
        bool equal;
    } cases[] = {
        {CVRMVariant(1.5f), CVRMVariant(1.5f), true},
        {CVRMVariant(1.5f), CVRMVariant(2.5f), false},
        {CVRMVariant(u"a"), CVRMVariant(u"a"), true},
        {CVRMVariant(u"a"), CVRMVariant(u"A"), false},
        {CVRMVariant(5), CVRMVariant::Long(5), false},  // same number, other type
        {CVRMVariant(5u), CVRMVariant::ULong(5), false},
        {CVRMVariant(static_cast<unsigned short>(9)), CVRMVariant(static_cast<unsigned short>(9)),
         true},
        {CVRMVariant(true), CVRMVariant(false), false},
        {CVRMVariant(vrmFloat), CVRMVariant(vrmFloat), true},
        {CVRMVariant(vrmFloat), CVRMVariant(0.0f), false},
        {CVRMVariant(vrmFloat), CVRMVariant(vrmInt), false},
        {CVRMVariant(static_cast<void*>(&object)), CVRMVariant(static_cast<void*>(&object)), true},
        {CVRMVariant(low), CVRMVariant(high), false},
    };
    for (size_t row = 0; row < std::size(cases); ++row) {
        EXPECT_EQ(cases[row].a == cases[row].b, cases[row].equal) << "row " << row;
        EXPECT_EQ(cases[row].a != cases[row].b, !cases[row].equal) << "row " << row;
    }
}

TEST_F(VRMVariantTest, EmptyStringAndNullPointerTests) {
    int object = 0;
    EXPECT_TRUE(CVRMVariant().IsEmptyStr());
    EXPECT_TRUE(CVRMVariant(vrmString).IsEmptyStr());
    EXPECT_TRUE(CVRMVariant(vrmInt).IsEmptyStr());  // the variant is empty
    EXPECT_TRUE(CVRMVariant(u"").IsEmptyStr());
    EXPECT_FALSE(CVRMVariant(u"x").IsEmptyStr());
    EXPECT_FALSE(CVRMVariant(0).IsEmptyStr());

    CVRMVariant pointer;
    pointer.set(nullptr);
    EXPECT_TRUE(pointer.IsNullPtr());
    pointer.set(&object);
    EXPECT_FALSE(pointer.IsNullPtr());
    EXPECT_EQ(pointer.GetPtrVal(), &object);
    EXPECT_FALSE(CVRMVariant(0).IsNullPtr());
}

TEST_F(VRMVariantTest, GettersReadAcrossNumericTagsByValue) {
    const struct {
        CVRMVariant value;
        int asInt;
        uint32_t asUInt;
        float asFloat;
        unsigned short asUShort;
        bool asBool;
    } cases[] = {
        // The float's bit pattern (0x4079999A for 3.9f) is no unsigned value: 3.9 truncates.
        {CVRMVariant(3.9f), 0, 3, 3.9f, 3, true},
        {CVRMVariant(-1.5f), 0, 0, -1.5f, 0, true},
        {CVRMVariant(1e20f), 0, 4294967295u, 1e20f, 65535, true},
        {CVRMVariant(-4), -4, 4294967292u, -4.0f, 65532, true},  // 2^32 - 4, 2^16 - 4
        {CVRMVariant(true), 1, 1, 1.0f, 1, true},
        {CVRMVariant(false), 0, 0, 0.0f, 0, false},
        {CVRMVariant::Long(-6), 0, 4294967290u, -6.0f, 65530, true},  // GetIntVal: int or bool only
        {CVRMVariant(70000u), 0, 70000, 70000.0f, 4464, true},        // 70000 - 65536
        {CVRMVariant(static_cast<unsigned short>(7)), 0, 7, 7.0f, 7, true},
        {CVRMVariant::ULong(4294967295), 0, 4294967295u, 4294967296.0f, 65535, true},
        {CVRMVariant(u"12"), 0, 0, 0.0f, 0, false},  // texts are not read as numbers
        {CVRMVariant(vrmInt), 0, 0, 0.0f, 0, false},
        {CVRMVariant(), 0, 0, 0.0f, 0, false},
    };
    for (size_t row = 0; row < std::size(cases); ++row) {
        const CVRMVariant& v = cases[row].value;
        EXPECT_EQ(v.GetIntVal(), cases[row].asInt) << "row " << row;
        EXPECT_EQ(v.GetUIntVal(), cases[row].asUInt) << "row " << row;
        EXPECT_EQ(v.GetFloatVal(), cases[row].asFloat) << "row " << row;
        EXPECT_EQ(v.GetUShortVal(), cases[row].asUShort) << "row " << row;
        EXPECT_EQ(v.GetBoolVal(), cases[row].asBool) << "row " << row;
    }
    EXPECT_EQ(CVRMVariant(u"12").GetStringVal(), u"12");
    EXPECT_EQ(CVRMVariant(12).GetStringVal(), u"");
    EXPECT_EQ(CVRMVariant(vrmString).GetStringVal(), u"");
}

TEST_F(VRMVariantTest, ConversionOperatorsAndClampedLongs) {
    const CVRMVariant text(u"Erdsonde");
    const CVRMString asText = text;
    EXPECT_EQ(asText, u"Erdsonde");
    const CVRMVariant number(7);
    const int asInt = number;
    const unsigned asUnsigned = number;
    const float asFloat = number;
    EXPECT_EQ(asInt, 7);
    EXPECT_EQ(asUnsigned, 7u);
    EXPECT_EQ(asFloat, 7.0f);

    // long and unsigned long hold 32 bits; wider C++ integers pick no kind by their type.
    static_assert(!std::is_constructible_v<CVRMVariant, size_t>);
    static_assert(!std::is_constructible_v<CVRMVariant, int64_t>);
    static_assert(!std::is_constructible_v<CVRMwert, size_t>);
    EXPECT_EQ(CVRMVariant::Long(int64_t{1} << 40).variant().lVal, INT32_MAX);
    EXPECT_EQ(CVRMVariant::Long(-(int64_t{1} << 40)).variant().lVal, INT32_MIN);
    EXPECT_EQ(CVRMVariant::ULong(uint64_t{1} << 40).variant().ulVal, UINT32_MAX);
}

TEST_F(VRMVariantTest, ToStringUsesTheLanguageFormats) {
    CResManager::setEntry(3357, u"%f");
    CResManager::setEntry(3364, u"(%s)");
    CResManager::setEntry(3359, u"%u");
    CResManager::setEntry(3358, u"%i");
    CResManager::setEntry(3598, u"yes");
    CResManager::setEntry(3599, u"no");
    CResManager::setEntry(3368, u"%li");
    CResManager::setEntry(3695, u"%hu");
    CResManager::setEntry(3367, u"%lu");
    CResManager::setEntry(4000, u"%.1f °C");
    const struct {
        CVRMVariant value;
        unsigned formatId;
        std::u16string_view want;
    } cases[] = {
        {CVRMVariant(1.5f), 0, u"1.500000"},
        {CVRMVariant(1.25f), 4000, u"1.2 °C"},  // 1.25 exactly: to even
        {CVRMVariant(u"Sole"), 0, u"(Sole)"},
        {CVRMVariant(4294967295u), 0, u"4294967295"},
        {CVRMVariant(-3), 0, u"-3"},
        {CVRMVariant(true), 0, u"yes"},
        {CVRMVariant(false), 0, u"no"},
        {CVRMVariant::Long(-7), 0, u"-7"},
        {CVRMVariant(static_cast<unsigned short>(65535)), 0, u"65535"},
        {CVRMVariant::ULong(4000000000), 0, u"4000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value.toString(c.formatId), c.want);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(VRMVariantTest, ToStringWithAFormatOfTheWrongKindDoesNotCrash) {
    CResManager::setEntry(3358, u"%s %f");
    EXPECT_EQ(CVRMVariant(5).toString(), u"%s %f");
}

TEST_F(VRMVariantTest, ToStringOfEmptyOrPointerReports3162) {
    int object = 0;
    CVRMVariant pointer;
    pointer.set(&object);
    for (const CVRMVariant& v :
         {CVRMVariant(), pointer, CVRMVariant(static_cast<TVRMDataType>(10))}) {
        boxes.shown.clear();
        EXPECT_THROW(v.toString(), UserException);
        EXPECT_EQ(onlyBoxText(), u"Switch constant wrong\n(CVRMVariant::toString)");
    }
}

}  // namespace
