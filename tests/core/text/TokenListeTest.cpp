// The token protocol: lists written and split back, token n of a list, numbers read from
// tokens as the C library reads them, and the variant hand-over on both sides.
#include "core/text/TokenListe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vrmtoken::GetToken;
using vrmtoken::SplitWert;

std::vector<std::u16string> AlleTokens(CVRMString liste) {
    std::vector<std::u16string> tokens;
    CVRMString token;
    while (SplitWert(liste, token)) tokens.push_back(token);
    return tokens;
}

TEST(TokenListe, SplitsEveryTokenThatHasASeparatorAndDropsTheRest) {
    const struct {
        const char16_t* liste;
        std::vector<std::u16string> tokens;
    } faelle[] = {
        {u"a§#§b§#§c", {u"a", u"b"}},
        {u"§#§§#§", {u"", u""}},
        {u"", {}},
        {u"ohne Trenner", {}},
        {u"§#", {}},  // a separator cut short is none
        {u"x§#§§#§y§#§", {u"x", u"", u"y"}},
        {u"1#Germany#D§#§", {u"1#Germany#D"}},  // the single "#" belongs to the token
    };
    for (const auto& f : faelle) EXPECT_EQ(AlleTokens(f.liste), f.tokens) << CVRMString(f.liste).toUtf8();
}

TEST(TokenListe, AFailedSplitLeavesListAndTokenAsTheyWere) {
    CVRMString liste = u"rest";
    CVRMString token = u"alt";
    EXPECT_FALSE(SplitWert(liste, token));
    EXPECT_EQ(liste, u"rest");
    EXPECT_EQ(token, u"alt");
}

TEST(TokenListe, AppendedListsReadBackInOrder) {
    CVRMString liste;
    vrmtoken::AppendZahl(liste, 4294967295u);
    vrmtoken::AppendText(liste, u"Süd 1");
    vrmtoken::AppendFloat(liste, u"%.1f", -2.25);  // C rounding of the binary value: -2.2
    vrmtoken::AppendText(liste, u"");
    EXPECT_EQ(liste, u"4294967295§#§Süd 1§#§-2.2§#§§#§");
    EXPECT_EQ(AlleTokens(liste),
              (std::vector<std::u16string>{u"4294967295", u"Süd 1", u"-2.2", u""}));
}

TEST(TokenListe, TokenNCountsFromOneAndNeedsItsSeparator) {
    const std::u16string_view liste = u"a§#§b§#§c";
    EXPECT_EQ(GetToken(liste, 1), CVRMString(u"a"));
    EXPECT_EQ(GetToken(liste, 2), CVRMString(u"b"));
    EXPECT_EQ(GetToken(liste, 3), std::nullopt);  // c has no separator
    EXPECT_EQ(GetToken(liste, 0), std::nullopt);
    EXPECT_EQ(GetToken(liste, -5), std::nullopt);
    EXPECT_EQ(GetToken(u"", 1), std::nullopt);
    EXPECT_EQ(vrmtoken::RestNach(liste, 3), u"c");
    EXPECT_EQ(vrmtoken::RestNach(liste, 1), liste);
    EXPECT_EQ(vrmtoken::RestNach(u"", 4), u"");
}

TEST(TokenListe, NumbersReadTheLongestPrefixAndAnEmptyTokenAsZero) {
    const struct {
        const char16_t* token;
        uint32_t zahl;
        double wert;
    } faelle[] = {
        {u"", 0, 0.0},
        {u"42", 42, 42.0},
        {u"  7kWh", 7, 7.0},
        {u"abc", 0, 0.0},
        {u"12.75", 12, 12.75},
        {u"-1", 4294967295u, -1.0},  // as strtoul: the negated value, modulo 2^32
        {u"99999999999", 4294967295u, 99999999999.0},
        {u"1e999", 1, 1.7976931348623157e308},  // out of range: the largest double
        {u"nan", 0, 0.0},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(vrmtoken::LeseZahl(f.token), f.zahl) << CVRMString(f.token).toUtf8();
        EXPECT_DOUBLE_EQ(vrmtoken::LeseFloat(f.token), f.wert) << CVRMString(f.token).toUtf8();
    }
}

TEST(TokenListe, AHandleTravelsAsItsAddressAndADamagedOneReadsAsZero) {
    int irgendwas = 0;
    EXPECT_EQ(vrmtoken::LeseHandle(vrmtoken::HandleText(&irgendwas)),
              reinterpret_cast<uintptr_t>(&irgendwas));
    EXPECT_EQ(vrmtoken::LeseHandle(u"18446744073709551615"), 18446744073709551615u);
    EXPECT_EQ(vrmtoken::LeseHandle(u"18446744073709551616"), 0u);  // one beyond 64 bits
    EXPECT_EQ(vrmtoken::LeseHandle(u"x12"), 0u);
    EXPECT_EQ(vrmtoken::LeseHandle(u""), 0u);
}

// Entry points that stand for a library: they answer in out as the callee side does.
int Echo(uint32_t code, const platform::VARIANT* in, platform::VARIANT* out) {
    if (!vrmtoken::IstText(in) || !vrmtoken::IstText(out)) return 0;
    CVRMString antwort = vrmtoken::TextVon(*in);
    vrmtoken::AppendZahl(antwort, code);
    return vrmtoken::SetzeText(out, antwort) == platform::S_OK ? 1 : 0;
}
int Scheitert(uint32_t, const platform::VARIANT*, platform::VARIANT* out) {
    vrmtoken::SetzeText(out, u"Meldung");
    return 0;
}
int KeinText(uint32_t, const platform::VARIANT*, platform::VARIANT* out) {
    platform::VariantClear(out);
    out->vt = platform::VT_I4;
    out->lVal = 7;
    return 1;
}

TEST(TokenListe, ACallHandsTextsOverAndReadsOutOnlyWhileItIsAText) {
    auto echo = vrmtoken::Rufe(&Echo, 1172, u"a§#§");
    EXPECT_TRUE(echo.ok);
    EXPECT_EQ(echo.text, u"a§#§1172§#§");

    auto fehler = vrmtoken::Rufe(&Scheitert, 1, u"");
    EXPECT_FALSE(fehler.ok);
    EXPECT_EQ(fehler.text, u"Meldung");

    auto keinText = vrmtoken::Rufe(&KeinText, 1, u"");
    EXPECT_FALSE(keinText.ok);
    EXPECT_EQ(keinText.text, u"");

    EXPECT_FALSE(vrmtoken::Rufe(nullptr, 1, u"").ok);
}

TEST(TokenListe, TheCalleeSideRefusesWhatIsNoText) {
    EXPECT_FALSE(vrmtoken::IstText(nullptr));
    platform::VARIANT v;
    platform::VariantInit(&v);
    EXPECT_FALSE(vrmtoken::IstText(&v));
    EXPECT_EQ(vrmtoken::TextVon(v), u"");
    v.vt = platform::VT_BSTR;
    v.bstrVal = nullptr;  // a null string is an empty text
    EXPECT_TRUE(vrmtoken::IstText(&v));
    EXPECT_EQ(vrmtoken::TextVon(v), u"");
    EXPECT_EQ(vrmtoken::SetzeText(nullptr, u"x"), platform::E_INVALIDARG);
    ASSERT_EQ(vrmtoken::SetzeText(&v, u"neu"), platform::S_OK);
    EXPECT_EQ(vrmtoken::TextVon(v), u"neu");
    platform::VariantClear(&v);
}

}  // namespace
