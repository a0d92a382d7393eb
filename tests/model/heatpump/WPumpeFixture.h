#pragma once
// Heat pumps filled from a small user database through the value store, with the
// application fake answering the options (the source-temperature warnings are off unless
// a test switches them on) and the texts the heat pump reports with.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/options/OptionsManager.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/OptionIds.h"
#include "model/heatpump/WPumpe2.h"
#include "platform/errors/UserException.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/ValueStoreFixture.h"

namespace wptest {

// Brine/water, two records, each line: source T # heating 35, second # electric 35,
// second # source side 35, second # second flow T # maximum flow T. The source-side
// capacity is heating minus electric power, as a real record has it.
inline const std::vector<std::u16string> kSole = {
    u"[WP-Sole]",
    u"MedienTyp=0",
    u"TempDiffVerfluess=5",
    u"MaxInterpolTempSO=10",
    u"MinInterpolTempVL=30",
    u"LeistDaten0=-5#6#5#1.5#2.1#4.5#2.9#55#58#",
    u"LeistDaten1=5#8#7#1.6#2.2#6.4#4.8#55#62#",
};

// Air/water for the dimensioning filter and the rating point.
inline const std::vector<std::u16string> kLuft = {
    u"[WP-Luft]",
    u"MedienTyp=1",
    u"MinLuftTemp=-15",
    u"ZWKWT=1",
    u"LeistDaten0=-15#5#4.4#2#2.4#3#2#55#50#",
    u"LeistDaten1=-7#7#6.2#2.1#2.6#4.9#3.6#55#55#",
    u"LeistDaten2=2#9#8#2.2#2.8#6.8#5.2#55#58#",
    u"LeistDaten3=7#11#9.8#2.3#3#8.7#6.8#55#60#",
};

// Smaller cases: a record off the straight line between its neighbours and an invalid
// record; records whose second flow temperature is 35 °C; too few records; not for the
// dimensioning.
inline const std::vector<std::u16string> kKlein = {
    u"[WP-Drei]",
    u"LeistDaten0=-5#6#5#1.5#2.1#4.5#2.9#55#58#",
    u"LeistDaten1=0#9#8#1#1.2#8#6.8#55#60#",
    u"LeistDaten2=5#8#7#1.6#2.2#6.4#4.8#55#62#",
    u"LeistDaten3=20#0#0#0#0#0#0#0#0#",
    u"[WP-35]",
    u"LeistDaten0=-5#6#6.05#1.5#1.5#4.5#4.55#35#55#",
    u"LeistDaten1=5#8#9#1.6#1.6#6.4#7.4#35#55#",
    u"[WP-Eins]",
    u"LeistDaten0=-5#6#5#1.5#2.1#4.5#2.9#55#58#",
    u"LeistDaten1=5#0#7#1.6#2.2#6.4#4.8#55#62#",
    u"[WP-Leer]",
    u"MedienTyp=0",
    u"[WP-Luecke]",
    u"LeistDaten0=-5#6#5#1.5#2.1#4.5#2.9#0#0#",
    u"LeistDaten2=5#8#7#1.6#2.2#6.4#4.8#45#62#",
    u"[WP-Aus]",
    u"Auslegung=0",
    u"ZWKWT=0",
    u"LeistDaten0=-5#6#5#1.5#2.1#4.5#2.9#55#58#",
    u"LeistDaten1=5#8#7#1.6#2.2#6.4#4.8#55#62#",
};

class WPumpeFixture : public testsupport::ValueStoreFixture {
  protected:
    static constexpr uint32_t kWarnQTemp1 = OPT_WARN_QTEMP1;

    WPumpeFixture() {
        optionen.AddLongOption(kWarnQTemp1, u"WarnQTemp1", 0, 1);
        app.optionsManager = &optionen;
    }

    void SetUp() override {
        std::vector<std::u16string> user;
        for (const auto* teil : {&kSole, &kLuft, &kKlein})
            user.insert(user.end(), teil->begin(), teil->end());
        loadDatabases(user, {u"[BiboInfo]", u"Version=1.00"});
    }

    // A heat pump filled by name, as the document and the dimensioning fill theirs.
    static std::unique_ptr<CWPumpe2> Lade(const char16_t* name) {
        auto wp = std::make_unique<CWPumpe2>();
        CVRMdatenProvider::get().fill(*wp, name);
        return wp;
    }

    // Runs `f`, which must fail with the user exception, and returns the text of the last
    // box it showed.
    template <class F>
    std::u16string FehlerText(F f) {
        boxes.shown.clear();
        EXPECT_THROW(f(), platform::UserException);
        return boxes.shown.empty() ? std::u16string() : boxes.shown.back().text;
    }

    void Warnungen(bool an) { optionen.SetLongWert(kWarnQTemp1, an ? 1 : 0); }
    int32_t WarnQTemp1() const {
        int32_t wert = 0;
        return optionen.GetLongWert(kWarnQTemp1, wert);
    }

    COptionsManager optionen;
    testsupport::FakeKelvoApp app;
};

}  // namespace wptest
