#pragma once
// Heat sources filled from a small user database through the value store: a climate
// location with its ground temperatures, four soils, an antifreeze, a tube material and the
// records of single and combined heat sources. The application fake answers the defaults
// (antifreeze "Glykol", material "Rohr", sheath "Sandbett"), the option of the default
// ground-temperature location and the active document.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/options/OptionsManager.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/OptionIds.h"
#include "model/errors/GlobaleTexte.h"
#include "model/source/KombiWQuelle2.h"
#include "model/source/WQuelle2.h"
#include "platform/errors/UserException.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/ValueStoreFixture.h"

namespace wqtest {

using Monate = std::array<float, 12>;

// Climate "Mild": the 12 temperatures sum to 110. Its ground-temperature location
// "Lehmort" is coldest in February with 2 °C.
inline const std::vector<std::u16string> kOrte = {
    u"[Klimadaten]", u"Mild=0#2#5#9#13#16#18#17#14#10#5#1#",   u"MildBORT=Lehmort",
    u"[Bodendaten]", u"Lehmort=3#2#4#6#9#12#14#15#13#10#7#5#",
};

// Soils with conductivities 1 to 4; sand also with its own heat capacity.
inline const std::vector<std::u16string> kStoffe = {
    u"[Sand]",
    u"Wärmeleitzahl=1",
    u"SpezWärme=1.5",
    u"[Ton]",
    u"Wärmeleitzahl=2",
    u"[Kies]",
    u"Wärmeleitzahl=3",
    u"[Fels]",
    u"Wärmeleitzahl=4",
    u"[Glykol]",
    u"FSMKonz=25",
    u"[Rohr]",
    u"WärmeleitAbs=0.35",
};

// A probe field of two 100 m probes through four layers 2/10/50/100 m, a collector of
// 200 m² in sand, air, and a record that was stored with an empty first soil.
inline const std::vector<std::u16string> kQuellen = {
    u"[Sonde]",          u"QuellMediumIdx=0", u"WQuelleLänge=100",  u"SoleKreise=2",
    u"Boden1=Sand",      u"Boden2=Ton",       u"Boden3=Kies",       u"Boden4=Fels",
    u"[Kollektor]",      u"QuellMediumIdx=1", u"WQuelleFläche=200", u"WQuelleLänge=400",
    u"SoleKreise=2",     u"Boden1=Sand",      u"Boden2=Ton",        u"[Luft]",
    u"QuellMediumIdx=2", u"[OhneBoden]",      u"QuellMediumIdx=0",  u"Bodenart=Kies",
    u"Boden1=",          u"Boden2=Fels",
};

// Project P: a combined source with a probe field (source 1, 2 × 100 m in gravel,
// λ 3 → 75 W/m) and a collector (source 2, 200 m² in sand). Project S: a record that is a
// single source itself; A: air first. The library holds a combined source that is a single
// probe field itself.
inline const std::vector<std::u16string> kProjekte = {
    u"[P_WQX]",           u"KQuelle1=P_WQX_(1)", u"KQuelle2=P_WQX_(2)",
    u"[P_WQX_(1)]",       u"QuellMediumIdx=0",   u"WQuelleLänge=100",
    u"SoleKreise=2",      u"Boden1=Kies",        u"BetrWeiseIdx=2",
    u"DimPunktTemp=-3",   u"[P_WQX_(2)]",        u"QuellMediumIdx=1",
    u"WQuelleFläche=200", u"WQuelleLänge=400",   u"Boden1=Sand",
    u"[S_WQX]",           u"QuellMediumIdx=1",   u"KQuelle1=S_WQX",
    u"[A_WQX]",           u"KQuelle1=A_WQX_(1)", u"[A_WQX_(1)]",
    u"QuellMediumIdx=2",
};

// A-Z and the umlauts in lower case.
inline std::u16string Klein(std::u16string_view text) {
    std::u16string klein(text);
    for (char16_t& c : klein) {
        if ((c >= u'A' && c <= u'Z') || c == u'Ä' || c == u'Ö' || c == u'Ü') c += 0x20;
    }
    return klein;
}

inline bool Enthalten(const std::vector<std::u16string>& zeilen, std::u16string_view zeile) {
    const std::u16string gesucht = Klein(zeile);
    for (const auto& z : zeilen)
        if (Klein(z) == gesucht) return true;
    return false;
}

class WQuelleFixture : public testsupport::ValueStoreFixture {
  protected:
    static constexpr uint32_t kDefBodenort = OPT_DEF_BODENORT;

    WQuelleFixture() {
        InitGlobaleTexte();
        optionen.AddStringOption(kDefBodenort, u"DefBodenort", u"Lehmort", 0);
        app.optionsManager = &optionen;
        app.defFSMittel = u"Glykol";
        app.defAbsMaterial = u"Rohr";
        app.defAbsUmhuell = u"Sandbett";
        app.dokument = &doc;
    }

    void SetUp() override {
        std::vector<std::u16string> user;
        for (const auto* teil : {&kOrte, &kStoffe, &kQuellen, &kProjekte})
            user.insert(user.end(), teil->begin(), teil->end());
        loadDatabases(user, {u"[BiboInfo]", u"Version=1.00", u"[PE_(bib)]", u"WärmeleitAbs=0.42",
                             u"[copper_(bib)]", u"WärmeleitAbs=380", u"[Muster_WQX (bib)]",
                             u"QuellMediumIdx=0"});
    }

    static std::unique_ptr<CWQuelle2> Lade(const char16_t* name) {
        auto quelle = std::make_unique<CWQuelle2>();
        CVRMdatenProvider::get().fill(*quelle, name);
        return quelle;
    }

    static std::unique_ptr<CKombiWQuelle2> LadeKombi(const char16_t* name) {
        auto kombi = std::make_unique<CKombiWQuelle2>();
        CVRMdatenProvider::get().fill(*kombi, name);
        return kombi;
    }

    // Runs `f`, which must fail with the user exception, and returns the texts of the
    // boxes it showed.
    template <class F>
    std::vector<std::u16string> Fehler(F f) {
        boxes.shown.clear();
        EXPECT_THROW(f(), platform::UserException);
        return boxTexts();
    }

    // Whether the user database on disk holds the line, or the line in the section. The
    // database writes section names and keys in lower case, so both compare without case.
    bool ImFile(std::u16string_view zeile) const { return Enthalten(userFileLines(), zeile); }
    bool InSection(std::u16string_view section, std::u16string_view zeile) const {
        for (auto name : {std::u16string(section), Klein(section)}) {
            const auto zeilen = userSectionLines(name);
            if (!zeilen.empty()) return Enthalten(zeilen, zeile);
        }
        return false;
    }

    COptionsManager optionen;
    testsupport::FakeKelvoDoc doc;
    testsupport::FakeKelvoApp app;
};

}  // namespace wqtest
