#pragma once
// What every page of the options sheet does alike: its title and labels from the language
// table, the page marked modified at every change the user makes, help on the Help button
// and F1, path fields that show their path shortened (the whole path in the tooltip), and
// applying: the controls' values are checked into the page and written into the options;
// a refused entry keeps the sheet on the page and writes nothing.
#include <string>

#include "core/value/VRMString.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/PropertySheet.h"

class COptsPage : public ui::PropertyPage {
  public:
    // Every page has the same size, so that the sheet keeps its size from page to page.
    static constexpr ui::Size kGroesse{380, 295};

    COptsPage(int templateId, unsigned titelTextId, std::u16string hilfeThema);

    const std::u16string& HilfeThema() const { return m_hilfeThema; }

    // ui::PropertyPage
    bool onApply() override;
    bool onHelp() override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  protected:
    // Writes the page's values into the options (the controls are already exchanged).
    virtual void Anwenden() = 0;
    // Reads the options into the page, before the controls show them.
    virtual void Initialisiere() = 0;
    // After the controls show the values: what the page adds (lists, pictures, ...).
    virtual void NachInit() {}

    // Shows `pfad` shortened in the edit, the whole path in its tooltip.
    void ZeigePfad(int editId, const CVRMString& pfad);
    // The edit's text is empty (a user who emptied a path field clears that path).
    bool IstLeer(int editId);
    // The label's text in the middle of its height, beside a field of the same row.
    void ZentriereSenkrecht(int labelId);
    // Marks the page modified; the sheet's Apply button becomes active.
    void Geaendert() { setModified(true); }

  private:
    void onInitPage() final;
    // Every control the user changes marks the page modified from now on.
    void VerfolgeAenderungen();
    // The labels with their line breaks, as the language table has them.
    void SetzeBeschriftungen();

    std::u16string m_hilfeThema;
};
