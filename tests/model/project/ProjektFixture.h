#pragma once
// Projects filled from two small databases through the value store, with the application
// fake answering the heat-pump and tariff lists, the "conf" switch and the options.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/options/OptionsManager.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/BindingState.h"
#include "model/app/OptionIds.h"
#include "model/project/Projekt2.h"
#include "platform/errors/UserException.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/ValueStoreFixture.h"

namespace projekttest {

using Lines = std::vector<std::u16string>;

inline const Lines kUser = {
    u"[Häuser]",
    u"Haus1=Haus A",
    u"[WQuellen]",
    u"WQuelle1=Quelle A",
    u"[SolarAnlagen]",
    u"Solar1=Solar A",
    u"[Projekte]",
    u"Projekt1=Projekt A",
    u"Projekt2=Projekt Fehlt",
    u"Projekt3=Projekt Leer",
    // Complete and sound; names compare without case.
    u"[Projekt A]",
    u"Haus=haus a",
    u"WPumpe=WP A",
    u"WQuelle=Quelle A",
    u"Tarif=Tarif A",
    u"Solar=Solar A",
    u"Wirtschaft=5#6#7",
    u"BKostenDaten=12.5#3#7.0#",
    u"HeizsystemJN=101011",
    u"ZKostenGas=10#20#30#",
    // Links to components that no database holds.
    u"[Projekt Fehlt]",
    u"Haus=Weg",
    u"WPumpe=WP Weg",
    u"WQuelle=Quelle A",
    u"Tarif=Tarif Weg",
    u"Solar=Solar Weg",
    u"Kuehl=Kuehl Weg",
    u"HeizsystemJN=10",
    // No links at all.
    u"[Projekt Leer]",
    u"Notiz=leer",
};

inline const Lines kBibo = {
    u"[Projekte]", u"Muster (bib)",  u"[Muster (bib)]",
    u"Haus=Weg",   u"WPumpe=WP Weg", u"Notiz=Beispiel",
};

class ProjektFixture : public testsupport::ValueStoreFixture {
  protected:
    ProjektFixture() {
        optionen.AddStringOption(OPT_DEF_TARIF, u"DefTarif", u"Tarif A", 1);
        optionen.AddStringOption(OPT_WIRTSCHAFT, u"Wirtschaft", u"1#2#3#4#", 1);
        optionen.AddStringOption(OPT_BKOSTEN_DATEN, u"BKostenDaten", u"0#100#0#85#", 1);
        optionen.AddStringOption(OPT_ZKOSTEN_GAS, u"ZKostenGas", u"1#2#3#4#5#6#", 1);
        optionen.AddLongOption(OPT_WKOSTEN_GAS, u"WKostenGas", 99, 1);
        app.optionsManager = &optionen;
        app.wpListe = {u"WP A"};
        app.tarifListe = {u"Tarif A"};
    }
    ~ProjektFixture() override {
        binding::LoeseSolarBindung();
        binding::SetzeKuehlGebunden(false);
    }

    void SetUp() override { loadDatabases(kUser, kBibo); }

    static std::unique_ptr<CProjekt2> Lade(const char16_t* name) {
        auto projekt = std::make_unique<CProjekt2>();
        CVRMdatenProvider::get().fill(*projekt, name);
        return projekt;
    }

    static CVRMString Text(CProjekt2& p, TKelvoDatenID id) { return p.GetWert(id).GetStringVal(); }

    // Runs `f`, which must fail with the user exception, and returns the texts of the
    // boxes it showed.
    template <class F>
    Lines Fehler(F f) {
        boxes.shown.clear();
        EXPECT_THROW(f(), platform::UserException);
        return boxTexts();
    }

    bool Enthaelt(std::u16string_view section, std::u16string_view zeile) const {
        return userSectionHolds(section, zeile);
    }

    COptionsManager optionen;
    testsupport::FakeKelvoApp app;
};

}  // namespace projekttest
