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
    }
    ~VDIFixture() override { VDI4650::SetOptionen(false, false); }

    std::vector<std::u16string> BoxTexte() const {
        std::vector<std::u16string> texte;
        for (const auto& box : presenter.shown) texte.push_back(box.text);
        return texte;
    }

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
