#pragma once
// A house loaded from a small fixture database: the climate locations "Klein" (nine
// heating months) and "Warm" (none), a house record "Haus1_HausX" that tests change key by
// key, the fake application with its document and options, and the binding state reset
// around each test.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/options/OptionsManager.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/BindingState.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/house/Haus2.h"
#include "tests/core/db/GlobalFixture.h"
#include "tests/support/FakeKelvoApp.h"

namespace haustest {

// Monthly mean temperatures of "Klein", January first. With room 20 and limit 15, nine
// months heat (all but June to August); the sum of (20 - T) over them is
// 22 + 20 + 16 + 12 + 7 + 6 + 11 + 16 + 20 = 130.
inline const std::u16string kKlein = u"-2#0#4#8#13#16#18#17#14#9#4#0#";
// No month below the limit of 15.
inline const std::u16string kWarm = u"16#16#17#18#19#20#21#21#20#18#17#15#";

class HausFixture : public GlobalFixture {
  protected:
    HausFixture() {
        InitGlobaleTexte();
        CVRMdatenProvider::remove();
        binding::LoeseSolarBindung();
        binding::SetzeKuehlGebunden(false);
        app.dokument = &dok;
        app.optionsManager = &optionen;
        optionen.AddStringOption(OPT_DEF_KLIMAORT, u"DefKlimaort", u"Klein", 0);
        optionen.AddLongOption(OPT_WARN_VORLAUF1, u"WarnVorlauf1", 0, 0);
    }
    ~HausFixture() override {
        CVRMdatenProvider::remove();
        binding::LoeseSolarBindung();
        binding::SetzeKuehlGebunden(false);
    }

    // The house record: design load 10 kW at -10 °C, room 20 °C, limit 15 °C, floor heating
    // with exponent 2, flow 35 / return 28, minimum return 20, no gains, 200 l a day from
    // 10 to 50 °C by the heat pump. An empty value removes the key.
    std::map<std::u16string, std::u16string> haus{
        {u"Klimaort", u"Klein"},   {u"NAT", u"-10"},          {u"NormwaermeBedarf", u"10"},
        {u"MittlRaumTemp", u"20"}, {u"HeizGrenzTemp", u"15"}, {u"FussbodenHeiz", u"1"},
        {u"ExponentFB", u"2"},     {u"HeizVorlauf", u"35"},   {u"HeizRuecklauf", u"28"},
        {u"MRU", u"20"},           {u"GewinnIntern", u"0"},   {u"GewinnSolar", u"0"},
        {u"WWmitWP", u"1"},        {u"WWproTag", u"200"},     {u"WWSollTemp", u"50"},
        {u"KaltWTemp", u"10"},
    };

    // Writes the databases with the house record as it stands and loads the house.
    std::unique_ptr<CHaus2> LadeHaus() {
        std::vector<std::u16string> user{
            u"[Klimadaten]",     u"Klein=" + kKlein, u"KleinNAT=-12", u"KleinWORT=WetterK",
            u"KleinSORT=SonneK", u"Warm=" + kWarm,   u"WarmNAT=-5",   u"[Haus1_HausX]"};
        for (const auto& [key, wert] : haus) {
            if (!wert.empty()) user.push_back(key + u"=" + wert);
        }
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        loadDatabases(user, {u"[BiboInfo]", u"Version=1.00"});
        auto h = std::make_unique<CHaus2>();
        CVRMdatenProvider::get().fill(*h, u"Haus1_HausX");
        boxes.shown.clear();
        return h;
    }

    static std::u16string fehler(unsigned textId, const char16_t* ort) {
        CVRMString text;
        text.LoadStringW(textId);
        if (textId == 0) text = u"Exception";
        return text + u"\n(" + ort + u")";
    }

    testsupport::FakeKelvoApp app;
    testsupport::FakeKelvoDoc dok;
    COptionsManager optionen;
};

}  // namespace haustest
