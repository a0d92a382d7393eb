#include "app/base/KVSDatenSheet.h"

#include <QPushButton>

#include "app/base/KVSDatenPage.h"
#include "model/errors/Fehler.h"

CKVSDatenSheet::CKVSDatenSheet() : ui::PropertySheet(u"") {}

CKVSDatenSheet::CKVSDatenSheet(std::u16string caption, QWidget* parent, int firstPage)
    : ui::PropertySheet(std::move(caption), parent, firstPage) {}

void CKVSDatenSheet::AddDatenPage(CKVSDatenPage* page) {
    Verbinde(page);
    addPage(page);
}

CKVSDatenPageProtokoll* CKVSDatenSheet::DatenSeite(int index) const {
    return dynamic_cast<CKVSDatenPage*>(page(index));
}

void CKVSDatenSheet::Verberge() {
    // Ends a modal run (the wizard) and hides a modeless sheet alike.
    endDialog(ui::kIdCancel);
}

void CKVSDatenSheet::SetzeTitel(const CVRMString& titel) {
    setTitle(std::u16string(titel));
}

bool CKVSDatenSheet::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == ui::kIdHelp) {
        HilfeZurAktivenSeite();
        return true;
    }
    return ui::PropertySheet::onCommand(id, notifyCode, from);
}

bool CKVSDatenSheet::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1) return ui::PropertySheet::onKeyDown(key, mods);
    HilfeZurAktivenSeite();
    return true;
}

void CKVSDatenSheet::reject() {
    CanCloseAllPages();
}

void CKVSDatenSheet::onAttached() {
    if (ui::child(this, ui::kIdNext)) return;
    for (auto* knopf : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        knopf->hide();
}
