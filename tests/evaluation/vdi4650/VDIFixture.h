#pragma once
// The VDI 4650 tests: recorded boxes with the English texts the calculator shows, the
// fake application, and both option flags off before and after each test.
#include <cstdint>
#include <string>
#include <vector>

#include "evaluation/vdi4650/VDI4650.h"
#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace vditest {

constexpr uint32_t kHinweis = platform::mb::OK | platform::mb::ICONINFORMATION;

class VDIFixture : public modeltest::BoxFixture {
  protected:
    VDIFixture() {
        VDI4650::SetOptionen(false, false);
        const std::pair<uint16_t, const char16_t*> texte[] = {
            {3168, u"Varmion"},
            {3194, u"brine / water"},
            {3195, u"air / water"},
            {3196, u"water / water"},
            {3197, u"direct evaporation"},
            {3355, u"%.2f"},
            {3587, u"Interface 'Report' not initialized"},
            {3635, u"monoenergetic (parallel)"},
            {3636, u"monovalent"},
            {3638, u"monoenergetic (alternative)"},
            {4976, u"No hot water service"},
            {4983, u"Hot water with heat pump"},
            {4985, u"Hot water with electricity"},
            {5670, u"%.3f"},
            {5673,
             u"The temperature difference at the condenser (laboratory measurement) is outside "
             u"of the permitted range of 3..15 K."},
            {5674,
             u"The temperature difference at the condenser (during operation) is outside of "
             u"the permitted range of 3..10 K."},
            {5675,
             u"The maximum supply temperature is outside of the permitted range of 30..55 °C."},
            {5677, u"The brine temperature is outside of the permitted range of -3..+5 °C."},
            {5678, u"The water temperature is outside of the permitted range of 5..12 °C."},
            {5679, u"The VDI 4650 is applicable only for systems up to 30 kW heating power."},
            {5726, u"The ground temperature is outside of the permitted range of -3..+5 °C."},
            {5740, u"Hot water with 2nd heat pump"},
            {5891,
             u"Please note, when using VDI 4650 with alternate or partly-parallel mode of "
             u"operation the forward temperature is not the one at outdoor design temperature "
             u"but at bivalent temperature."},
        };
        for (const auto& [id, t] : texte) text(id, t);
    }
    ~VDIFixture() override { VDI4650::SetOptionen(false, false); }

    std::vector<std::u16string> BoxTexte() const { return presenter.texts(); }

    // Runs `f`, which must fail with the user exception, and returns the one box it showed.
    template <class F>
    std::u16string Fehler(F f) {
        presenter.shown.clear();
        EXPECT_THROW(f(), platform::UserException);
        EXPECT_EQ(presenter.shown.size(), 1u);
        return presenter.shown.empty() ? std::u16string() : presenter.shown.back().text;
    }
};

}  // namespace vditest
