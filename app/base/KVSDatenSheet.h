#pragma once
// The sheet of input pages: one per project document, one for the application's master
// data, one modal for the dimensioning wizard. Closing asks every page first (a page with
// changes may keep the sheet open); F1 and the Help button show the active page's help.
#include "app/base/KVSDatenSheetProtokoll.h"
#include "platform/ui/PropertySheet.h"

class CKVSDatenPage;

class CKVSDatenSheet : public ui::PropertySheet, public CKVSDatenSheetProtokoll {
  public:
    CKVSDatenSheet();
    CKVSDatenSheet(std::u16string caption, QWidget* parent, int firstPage = 0);

    // The page joins this sheet; a missing page is a program error.
    void AddDatenPage(CKVSDatenPage* page);

    // CKVSDatenSheetProtokoll
    int AnzahlSeiten() const override { return pageCount(); }
    CKVSDatenPageProtokoll* DatenSeite(int index) const override;
    int AktiverIndex() const override { return activeIndex(); }
    bool Aktiviere(int index) override { return setActivePage(index); }
    void Verberge() override;
    void SetzeTitel(const CVRMString& titel) override;

    bool onCommand(int id, int notifyCode, ui::Window* from) override;
    bool onKeyDown(ui::Key key, ui::KeyMods mods) override;

  protected:
    // Closing the window closes the pages as the Cancel of a page does.
    void reject() override;
    // Outside the wizard the pages carry their own Save, Close and Help buttons: the sheet
    // shows no button row of its own, as a sheet without a modal loop does.
    void onAttached() override;
};
