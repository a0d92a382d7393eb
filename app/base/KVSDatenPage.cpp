#include "app/base/KVSDatenPage.h"

#include "app/base/KVSDatenSheet.h"
#include "app/base/LangeRechnung.h"
#include "app/frame/MainFrame.h"
#include "model/app/KelvoAppServices.h"
#include "platform/errors/UserException.h"

CKVSDatenPage::CKVSDatenPage(int templateId, int wizard, unsigned titelTextId)
    : ui::PropertyPage(templateId), CKVSDatenPageProtokoll(wizard, titelTextId) {}

bool CKVSDatenPage::setItemText(unsigned itemId, std::u16string_view text) {
    return ui::setChildText(this, static_cast<int>(itemId), text);
}

void CKVSDatenPage::PruefeSchliessAnforderung() {
    if (CMainFrame::SchliessenVerlangt() || LaeuftLangeRechnung()) throw platform::UserException();
}

void CKVSDatenPage::onInitPage() {
    PruefeSchliessAnforderung();
    ui::PropertyPage::onInitPage();
}

bool CKVSDatenPage::onSetActive() {
    PruefeSchliessAnforderung();
    if (!ui::PropertyPage::onSetActive()) return false;
    if (IstWizard()) {
        // Back from the second step on, Finish on the last one, Next before it.
        if (ui::PropertySheet* wizard = sheet()) {
            const int index = wizard->indexOf(this);
            wizard->setWizardButtons((index > 0 ? 1u : 0u) | (index == wizard->pageCount() - 1 ? 4u : 2u));
        }
        return true;
    }
    CVRMString text;
    GetPageText(text);
    GetDatenSheet().SetCaptionFromPage(text);
    return true;
}

int CKVSDatenPage::WizardSchritt() {
    // The pages save through OK; one that kept its changes keeps the user on it.
    onOK();
    return IsDatenModified() ? -1 : 0;
}

int CKVSDatenPage::onWizardBack() { return WizardSchritt(); }
int CKVSDatenPage::onWizardNext() { return WizardSchritt(); }

bool CKVSDatenPage::onHelp() {
    OnHelp();
    return true;
}

void CKVSDatenPage::OnHelp() {
    GetKelvoApp().ShowHilfeThema(CVRMString(HilfeThema()));
}

void CKVSDatenPage::SetzeTitel(const CVRMString& titel, bool) {
    // A sheet that shows its tabs shows the new title at once; a page not yet in one
    // keeps it for its tab.
    setTitle(std::u16string(titel));
}

void CKVSDatenPage::ZeigeElement(int controlId, int showState) {
    ui::showChild(this, controlId, showState != 0);
}
