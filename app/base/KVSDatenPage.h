#pragma once
// The window of every input page: a property page that keeps the data-page protocol
// (CKVSDatenPageProtokoll). In the wizard the pages save when the user steps on and stay
// while they still hold changes; outside it each page sets the sheet's title from its text.
//
//   class CHausPage : public CKVSDatenPage {
//     public: CHausPage() : CKVSDatenPage(kTemplate, 0, 3148) { m_frageTextId = ...; }
//       int GetPageKind() const override { return CKVSDatenSheet::kHaus; }
//       void FillPageDaten(int) override; void EnableControls() override;
//       int SaveModifiedData() override;
//   };
#include <string>

#include "app/base/KVSDatenPageProtokoll.h"
#include "platform/ui/PropertySheet.h"
#include "platform/window/Window.h"

class CKVSDatenSheet;

// A page is also a window the layers below the windows know: the owner of what they open
// for it (a name prompt, a progress window).
class CKVSDatenPage : public ui::PropertyPage, public CKVSDatenPageProtokoll, public platform::Window {
  public:
    CKVSDatenPage(int templateId, int wizard, unsigned titelTextId);

    // platform::Window
    bool exists() const override { return true; }
    bool setItemText(unsigned itemId, std::u16string_view text) override;

    // The help page of this input page; the base shows the contents.
    virtual std::u16string HilfeThema() const { return u"index"; }
    void OnHelp() override;

    // ui::PropertyPage
    bool onSetActive() override;
    int onWizardBack() override;
    int onWizardNext() override;
    bool onHelp() override;

  protected:
    void onInitPage() override;
    bool HatFenster() const override { return hasWindow(); }
    void SetzeTitel(const CVRMString& titel, bool sofort) override;
    void ZeigeElement(int controlId, int showState) override;

  private:
    // A page stops building or showing itself once another program asked the main window
    // to close, and while a long calculation runs.
    static void PruefeSchliessAnforderung();
    int WizardSchritt();
};
