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
        const std::pair<uint16_t, const char16_t*> texte[] = {
            {3103, u"Error when saving component"},
            {3107, u"Calculated flow heating water temperature is greater than designed"},
            {3228, u"StandardS"},
            {3251, u"There is no month as cold as to heat the building."},
            {3262, u"Solar into hot water only with heat pump"},
            {3264, u"Solar into ground only for brine/water"},
            {3310, u"<without location>"},
            {3342, u"Climate location %s not available"},
            {3356, u"%.1f m²; inclination %u °; orientation %i °"},
            {3359, u"%u"},
            {3380, u"No building location selected on building data page"},
            {3381, u"No weather data selected on building data page"},
            {3508, u"Type 1: good layering"},
            {3509, u"Type 2: strong mixing"},
            {3510, u"Type 3: combination of type 1/2"},
            {3542, u"%.1f kW cooling power (%s)"},
            {3543, u"%.1f kW; Climate: %s"},
            {3545, u"%s; %u l/day; %u °C; %s"},
            {3546, u"%s"},
            {3550, u"Project without cooling system"},
            {3573, u"Solar feed into hot water tank: month without input"},
            {3574, u"Solar feed into building heating: month without input"},
            {3576, u"Solar feed into heat pump/ground: month without input"},
            {3609, u"Dublin (IRL)"},
            {3689, u"Project without solar system"},
            {3697, u"No sunshine location"},
            {4976, u"No hot water service"},
            {4983, u"Hot water with heat pump"},
            {5218, u"<calculated from climate>"},
            {5359, u"%s; %u °C; N=%u; %s (%u)"},
        };
        for (const auto& [id, text] : texte) CResManager::setEntry(id, text);
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
