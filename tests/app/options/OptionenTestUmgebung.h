#pragma once
// What the option pages ask of the application, for tests: the switches are set in public
// members, the notices of changed options are recorded.
#include <vector>

#include "app/options/OptionenUmgebung.h"
#include "model/app/OptionIds.h"

namespace testsupport {

class OptionenTestUmgebung : public IOptionenUmgebung {
  public:
    explicit OptionenTestUmgebung(COptionsManager& optionen) : m_optionen(optionen) {}

    COptionsManager& GetOptionsManager() override { return m_optionen; }
    int GetLandCode() override { return landCode; }
    int GetTovrelSchalter() const override { return tovrel; }
    unsigned GetWaehrungText() override { return InEuro() ? 3460 : 3461; }
    unsigned GetCentProKWhText() override { return InEuro() ? 3088 : 3089; }
    unsigned GetWaehrungProJahrText() override { return InEuro() ? 3458 : 3459; }
    CVRMString GetDocProgramm() const override { return docProgramm; }
    void OptionenGeaendert(int hint) override { hinweise.push_back(hint); }

    int landCode = 0;
    int tovrel = 0;
    CVRMString docProgramm = u"/usr/bin/office";
    std::vector<int> hinweise;

  private:
    bool InEuro() {
        int32_t wert = 0;
        return m_optionen.GetLongWert(OPT_GELD_IN_EURO, wert) == 1;
    }
    COptionsManager& m_optionen;
};

}  // namespace testsupport
