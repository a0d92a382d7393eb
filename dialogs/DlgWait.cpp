#include "dialogs/DlgWait.h"

#include "dialogs/ModelessFenster.h"
#include "platform/ui/AnimateCtrl.h"
#include "platform/ui/DialogTemplate.h"
#include "resources/ResourceIds.h"

namespace {

constexpr unsigned kTitel = 4906;      // "Please wait..."
constexpr unsigned kAbbrechen = 5176;  // "Cancel"

}  // namespace

void RegistriereDlgWaitVorlage() {
    if (ui::findDialogTemplate(CDlgWait::kIDD)) return;
    ui::registerDialogTemplate(
        {CDlgWait::kIDD, {152, 76}, kTitel, u"",
         {
             {CDlgWait::kIdcAnimation, ui::ControlKind::Custom, {7, 7, 145, 47}, 0, u"", 0,
              [](QWidget* parent) { return new ui::AnimateCtrl(parent); }},
             {CDlgWait::kIdcAbbrechen, ui::ControlKind::Button, {51, 55, 101, 69}, kAbbrechen},
         }});
}

CDlgWait::CDlgWait() : ui::Dialog(kIDD) { RegistriereDlgWaitVorlage(); }

ui::AnimateCtrl* CDlgWait::Animation() const {
    return dynamic_cast<ui::AnimateCtrl*>(ui::child(const_cast<CDlgWait*>(this), kIdcAnimation));
}

bool CDlgWait::onInitDialog() {
    m_abgebrochen = 0;
    if (ui::AnimateCtrl* film = Animation()) film->open(IDR_AVI_WARTEN);
    return true;
}

bool CDlgWait::Create(int flag, QWidget* parent) {
    m_parent = parent;
    const bool schonGebaut = created();
    if (!createModeless(false)) return false;
    // A window made before plays again from the start with a fresh flag.
    if (schonGebaut) onInitDialog();
    ZeigeUeber(*this, parent);
    setEnabled(true);
    m_flag = flag;
    return true;
}

void CDlgWait::Close() {
    if (m_parent) m_parent->setEnabled(true);
    if (ui::AnimateCtrl* film = Animation()) film->stop();
    hide();
}
