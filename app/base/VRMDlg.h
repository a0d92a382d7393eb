#pragma once
// A dialog whose caption and OK-button text are program texts given when it is made, such
// as the hot-water page's sketches of the storage-tank types.
//
//   CVRMDlg dlg(198, CResManager::getLangText(5055), CResManager::getLangText(3717), page);
//   dlg.doModal();
#include "core/value/VRMString.h"
#include "platform/ui/Dialog.h"

class CVRMDlg : public ui::Dialog {
  public:
    CVRMDlg(unsigned templateId, CVRMString caption, CVRMString buttonText,
            QWidget* parent = nullptr);

    unsigned TemplateId() const { return m_templateId; }

  protected:
    bool onInitDialog() override;

  private:
    unsigned m_templateId;
    CVRMString m_caption;
    CVRMString m_buttonText;
};
