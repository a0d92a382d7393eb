#include "model/data/HeizungsNamen.h"

#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

class HeizungsNamenTest : public modeltest::BoxFixture {
  protected:
    HeizungsNamenTest() {
        const std::pair<uint16_t, const char16_t*> texte[] = {
            {3140, u"Heat pump"},
            {3511, u"Oil heating"},
            {3512, u"Gas heating"},
            {3513, u"Night storage heater"},
            {3514, u"Electric (direct)"},
            {3683, u"HP"},
            {3684, u"Oil"},
            {3685, u"Gas"},
            {3686, u"Night heater"},
            {3687, u"Electr. Direct"},
            {3366, u"(incl. %s)"},
            {3519, u"Heat circulation pump"},
            {3212, u"Brine circ. pump"},
            {3462, u"Fan, defrosting"},
            {3213, u"Water circ. pump"},
            {3314, u"Fan"},
            {3457, u"Heating elements"},
            {5352, u"Wood heating"},
        };
        for (const auto& [id, t] : texte) text(id, t);
    }
};

TEST_F(HeizungsNamenTest, ThreeNumberingsOfHeatingKinds) {
    const CVRMString eigen(u"Pellets");
    EXPECT_EQ(GetVergleichsheizungName(0, eigen), u"Gas heating");
    EXPECT_EQ(GetVergleichsheizungName(3, eigen), u"Electric (direct)");
    EXPECT_EQ(GetVergleichsheizungName(4, eigen), u"Pellets");
    EXPECT_EQ(GetVergleichsheizungName(5, eigen), u"?");
    EXPECT_EQ(GetVergleichsheizungName(-1, eigen), u"?");
    EXPECT_EQ(GetHeizungsartName(0, eigen), u"Heat pump");
    EXPECT_EQ(GetHeizungsartName(2, eigen), u"Gas heating");
    EXPECT_EQ(GetHeizungsartName(5, eigen), u"Pellets");
    EXPECT_EQ(GetHeizungsartName(6, eigen), u"?");

    const std::tuple<int, int, std::u16string> kurz[] = {
        {0, 0, u"HP"},      {1, 1, u"Oil"},          {2, 2, u"Gas"},
        {3, 5, u"Pellets"}, {4, 3, u"Night heater"}, {5, 4, u"Electr. Direct"},
    };
    for (const auto& [art, map, name] : kurz) {
        EXPECT_EQ(MapHeizungsart(art), map);
        EXPECT_EQ(GetHeizungsartKurzname(art, eigen), name);
    }
    EXPECT_THROW(MapHeizungsart(6), platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Exception");
}

TEST_F(HeizungsNamenTest, AuxiliaryDevicesOfAHeatPump) {
    struct Fall {
        int medium, betrWeise, zweiterWE;
        const char16_t* eigene;
        std::u16string text;
    };
    const Fall faelle[] = {
        {0, 0, 0, u"", u"(incl. Heat circulation pump, Brine circ. pump, Heating elements)"},
        {1, 1, 0, u"", u"(incl. Heat circulation pump, Fan, defrosting)"},
        {3, 1, 0, u"", u"(incl. Heat circulation pump)"},
        {2, 2, 1, u"", u"(incl. Heat circulation pump, Water circ. pump, Oil heating)"},
        {4, 8, 4, u"", u"(incl. Heat circulation pump, Fan, Wood heating)"},
        {4, 6, 4, u"Pellets", u"(incl. Heat circulation pump, Fan, Pellets)"},
    };
    for (const auto& f : faelle) {
        CVRMString text;
        GetPumpenZusatztext(f.medium, f.betrWeise, f.zweiterWE, f.eigene, text);
        EXPECT_EQ(text, f.text);
    }
}

TEST_F(HeizungsNamenTest, UnknownMediumOrModeIsSwitchError) {
    const std::tuple<int, int, std::u16string> faelle[] = {
        {5, 0, u"Switch constant wrong\n(GetPumpenZusatztext)"},
        {0, 9, u"Switch constant wrong\n(GetPumpenZusatztext2)"},
    };
    for (const auto& [medium, betrWeise, meldung] : faelle) {
        presenter.shown.clear();
        CVRMString text;
        EXPECT_THROW(GetPumpenZusatztext(medium, betrWeise, 0, u"", text), platform::UserException);
        EXPECT_EQ(einzigeBox().text, meldung);
    }
}

}  // namespace
