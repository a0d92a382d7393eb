#include "app/base/VRMDlg.h"


CVRMDlg::CVRMDlg(unsigned templateId, CVRMString caption, CVRMString buttonText, QWidget* parent)
    : ui::Dialog(static_cast<int>(templateId), parent),
      m_templateId(templateId),
      m_caption(std::move(caption)),
      m_buttonText(std::move(buttonText)) {}

bool CVRMDlg::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowTitle(QString::fromStdU16String(std::u16string(m_caption)));
    ui::setChildText(this, ui::kIdOk, std::u16string_view(m_buttonText));
    updateData(false);
    return true;
}
