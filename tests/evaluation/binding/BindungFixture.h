#pragma once
// The binding tests: a value store over small databases, the English texts of the real
// language module, recorded boxes, and every binding unbound before and after each test.
#include <filesystem>
#include <string>

#include "evaluation/binding/Basis.h"
#include "evaluation/binding/Erdluft.h"
#include "evaluation/binding/Kuehl.h"
#include "evaluation/binding/Solar.h"
#include "tests/support/EnglischeTexte.h"
#include "tests/support/ValueStoreFixture.h"

namespace bindingtest {

// The folder of a fixture case: the modules standing for the libraries in it carry the
// file names the bindings look for.
inline std::filesystem::path Fall(const char* name) {
    return std::filesystem::path(VARM_BINDING_MODULE_DIR) / name;
}

class BindungFixture : public testsupport::ValueStoreFixture {
  protected:
    BindungFixture() { LeereAlle(); }
    ~BindungFixture() override { LeereAlle(); }

    void SetUp() override {
        loadDatabases({u"[Kuehl1]", u"AdrName=Meier"}, {u"[BiboInfo]", u"Version=1.00"});
        testsupport::LadeEnglischeTexte();
    }

    static void LeereAlle() {
        IBasis::Leeren();
        IErdluft::Leeren();
        IKuehl::Leeren();
        ISolar::Leeren();
    }

    // The one box shown so far ("" when none or several).
    std::u16string EinzigeBox() const {
        EXPECT_EQ(boxes.shown.size(), 1u);
        return boxes.shown.size() == 1 ? boxes.shown[0].text : std::u16string();
    }
};

}  // namespace bindingtest
