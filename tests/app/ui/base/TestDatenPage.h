#pragma once
// An input page for the protocol tests: it records what the sheet and the base class call,
// answers as the test sets, and can fail on demand.
#include <stdexcept>
#include <string>
#include <vector>

#include "app/base/KVSDatenPage.h"

namespace testsupport {

class TestDatenPage : public CKVSDatenPage {
  public:
    TestDatenPage(int kind, int wizard = 0, unsigned titelTextId = 3148, int templateId = 0)
        : CKVSDatenPage(templateId, wizard, titelTextId), m_kind(kind) {
        m_frageTextId = 3162;  // any text of the table serves as the question
        m_frageCaptionId = 3168;
    }

    int GetPageKind() const override { return m_kind; }
    void FillPageDaten(int reload) override { aufrufe.push_back("Fill" + std::to_string(reload)); }
    void EnableControls() override { aufrufe.push_back("Enable"); }
    int SaveModifiedData() override {
        aufrufe.push_back("Save");
        if (speichernGelingt) m_modified = 0;
        return speichernGelingt ? 1 : 0;
    }
    int SelectKomponente(const CVRMString& name, int ask) override {
        aufrufe.push_back("Select:" + name.toUtf8() + ":" + std::to_string(ask) +
                          (hasWindow() ? ":window" : ":nowindow"));
        return auswahlErgebnis;
    }
    void GetDefaultName(CVRMString& name) override { name = standardName; }
    void GetPageText(CVRMString& text) override { text = seitenText; }
    void UpdatePageDaten(int arg) override {
        if (wirftBeiUpdate) throw std::runtime_error("page broken");
        aufrufe.push_back("Update" + std::to_string(arg));
    }
    void onOK() override {
        aufrufe.push_back("OK");
        if (speichertBeiOK && speichernGelingt) m_modified = 0;
    }
    std::u16string HilfeThema() const override { return u"testseite"; }

    std::vector<std::string> aufrufe;
    bool speichernGelingt = true;
    bool speichertBeiOK = true;
    bool wirftBeiUpdate = false;
    int auswahlErgebnis = 7;
    CVRMString standardName = u"Standard WP";
    CVRMString seitenText = u"Page";

  private:
    int m_kind;
};

}  // namespace testsupport
