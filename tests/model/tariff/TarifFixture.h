#pragma once
// Tariffs filled from a small user database through the value store.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "model/tariff/Tarif2.h"
#include "platform/errors/UserException.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/ValueStoreFixture.h"

namespace tariftest {

// Day tariff 6-22 with 2 blocked hours, night tariff 22-6 without; a period-form record
// with period 1 from 11 to 13 and period 2 from 23 to 1; one already converted.
inline const std::vector<std::u16string> kTarife = {
    u"[Tarif-Tag]",      u"Tarif1=1",
    u"Von1=6",           u"Bis1=22",
    u"Preis1=20.5",      u"Tarif2=1",
    u"Von2=22",          u"Bis2=6",
    u"Preis2=15.25",     u"SperrZ1=2.000000",
    u"SperrZ2=0.000000", u"Preis3=3",
    u"Preis4=4",         u"Preis5=5",
    u"Preis6=6",         u"Preis7=7",
    u"Preis8=8",         u"P3wieWP=1",
    u"P6wieWP=0",        u"Tarif1Monate=1#1#1#1#1#1#0#0.5#0#1#1#1#",
    u"[Tarif-Perioden]", u"Von1=6",
    u"Bis1=22",          u"Von2=22",
    u"Bis2=6",           u"SperrZ1=1",
    u"SZVon1=11",        u"SZBis1=13",
    u"SperrZ2=1",        u"SZVon2=23",
    u"SZBis2=1",         u"[Tarif-Umgerechnet]",
    u"Von1=6",           u"Bis1=22",
    u"SperrZ1=2.00",     u"SZVon1=11",
    u"SZBis1=16",        u"[Tarif-Ganztag]",
    u"Von1=5",           u"Bis1=5",
    u"SperrZ1=1",        u"SZVon1=11",
    u"SZBis1=13",
};

class TarifFixture : public testsupport::ValueStoreFixture {
  protected:

    void SetUp() override { loadDatabases(kTarife, {u"[BiboInfo]", u"Version=1.00"}); }

    static std::unique_ptr<CTarif2> Lade(const char16_t* name) {
        auto tarif = std::make_unique<CTarif2>();
        CVRMdatenProvider::get().fill(*tarif, name);
        return tarif;
    }

    // Runs `f`, which must fail with the user exception, and returns the texts of the
    // boxes it showed.
    template <class F>
    std::vector<std::u16string> Fehler(F f) {
        boxes.shown.clear();
        EXPECT_THROW(f(), platform::UserException);
        return boxTexts();
    }

    testsupport::FakeKelvoApp app;
};

}  // namespace tariftest
