#pragma once
// A small input page on the pattern for its tests: it edits three values of a house record
// (the customer's name, the heat load 0..100 kW, underfloor heating) and can be told to
// refuse its own check or to fail while taking its values over.
#include <string>
#include <vector>

#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwerteListe.h"
#include "model/errors/Fehler.h"
#include "pages/EingabeSeite.h"
#include "platform/ui/DialogTemplate.h"

namespace testsupport {

class TestEingabeSeite : public CEingabeSeite {
  public:
    static constexpr int kTemplate = 9201;
    static constexpr int kIdErklaerung = 1100, kIdGruppe = 1101, kIdNameText = 1102;
    static constexpr int kIdName = 1000, kIdLast = 1001, kIdFussboden = 1002;
    // Language texts of the controls.
    static constexpr unsigned kTextGruppe = 4725, kTextName = 4726, kTextErklaerung = 4739,
                              kTextFussboden = 4633;

    static void RegistriereVorlage() {
        using K = ui::ControlKind;
        ui::registerDialogTemplate({kTemplate, {260, 110}, 0, u"", {
            {kIdGruppe, K::Group, {6, 4, 254, 60}},
            {kIdNameText, K::Static, {12, 18, 70, 28}},
            {kIdName, K::Edit, {74, 16, 248, 28}},
            {kIdLast, K::Edit, {74, 32, 120, 44}},
            {kIdFussboden, K::Check, {130, 32, 248, 44}},
            {kIdErklaerung, K::Static, {6, 64, 254, 88}},
            {kIdSpeichern, K::DefButton, {96, 92, 146, 106}},
            {kIdSchliessen, K::Button, {150, 92, 200, 106}},
            {kIdHilfe, K::Button, {204, 92, 254, 106}},
        }});
    }

    TestEingabeSeite(const CVRMString& haus, int eingebettet = 0)
        : CEingabeSeite({kTemplate, 3148, 3163, 1, u"testseite"}, eingebettet) {
        RegistriereVorlage();
        m_haus = CVRMdatenProvider::get().getWerte(haus);
        FillPageDaten(0);
    }

    int GetPageKind() const override { return 0; }
    void FillPageDaten(int) override {
        name = m_haus.get(ID_AdrName).GetStringVal();
        last = m_haus.get(ID_NormwaermeBedarf).GetFloatVal();
        fussboden = m_haus.get(ID_FussbodenHeiz).GetBoolVal() ? 1 : 0;
        ZeigeWerte();
    }
    void EnableControls() override {
        CEingabeSeite::EnableControls();
        ++freigaben;
    }

    std::u16string name;
    float last = 0.0f;
    int fussboden = 0;
    bool pruefungGelingt = true;
    bool uebernahmeWirft = false;
    int freigaben = 0;
    std::vector<std::string> schritte;

  protected:
    void InitSeite() override { FillPageDaten(0); }
    std::vector<SDlgText> Texte() const override {
        return {{kIdGruppe, kTextGruppe, true}, {kIdNameText, kTextName},
                {kIdErklaerung, kTextErklaerung}, {kIdFussboden, kTextFussboden}};
    }
    std::vector<int> ErklaerTexte() const override { return {kIdErklaerung}; }
    std::vector<int> Aenderungen() const override { return {kIdName, kIdLast, kIdFussboden}; }
    void Austausch(ui::DataExchange& dx) override {
        dx.text(kIdName, name);
        dx.floating(kIdLast, last, 0.0f, 100.0f);
        dx.check(kIdFussboden, fussboden);
    }
    bool PruefeEingaben() override {
        schritte.push_back("Pruefe");
        return pruefungGelingt;
    }
    void UebernimmWerte() override {
        schritte.push_back("Uebernimm");
        if (uebernahmeWirft) ThrowFehler(3122, u"TestEingabeSeite");  // reported, then raised
        m_haus.get(ID_AdrName) = CVRMString(name);
        m_haus.get(ID_NormwaermeBedarf) = last;
        m_haus.get(ID_FussbodenHeiz) = fussboden == 1;
    }
    std::vector<SSpeicherListe> Listen() override { return {{&m_haus, u"Haus-Daten TestSeite", 1}}; }
    void NachSpeichern() override { schritte.push_back("Nach"); }
    CVRMString SatzName() const override { return m_haus.getName(); }

  private:
    CVRMwerteListe m_haus;
};

}  // namespace testsupport
