#include "dialogs/NameDlg.h"

#include <QLabel>
#include <QLineEdit>

#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "dialogs/NameDlgFilter.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/format/Format.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/Colour.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/DrawContext.h"

namespace dialogs {

namespace {
constexpr unsigned kCaption = 4722;      // "Enter new name"
constexpr unsigned kHinweis = 4723;      // "A name must not have more than 50 characters ..."
constexpr unsigned kOk = 5177;
constexpr unsigned kAbbrechen = 5176;
constexpr unsigned kZuLang = 61714;      // "Please enter no more than %d characters."
const ui::ColourRef kHinweisText = ui::rgb(21, 59, 99);
const ui::ColourRef kHinweisGrund = ui::rgb(223, 233, 244);
}  // namespace

void RegistriereNameDlgVorlage134() {
    ui::registerDialogTemplate(
        {CNameDlg::kIDD, {152, 101}, kCaption, u"",
         {
             {CNameDlg::kIdcLabel, ui::ControlKind::Static, {7, 7, 145, 17}},
             {CNameDlg::kIdcName, ui::ControlKind::Edit, {7, 19, 145, 32}},
             {CNameDlg::kIdcHinweis, ui::ControlKind::Static, {7, 36, 145, 77}, kHinweis, u"",
              ui::dt::Center},
             {1, ui::ControlKind::DefButton, {22, 80, 72, 94}, kOk},
             {2, ui::ControlKind::Button, {80, 80, 130, 94}, kAbbrechen},
         }});
}

CNameDlg::CNameDlg(const CVRMString& label, uint32_t schraegstrich, QWidget* parent)
    : ui::Dialog((RegistriereNameDlgVorlage134(), kIDD), parent),
      m_strLabel(label),
      m_schraegstrich(schraegstrich) {}

void CNameDlg::doDataExchange(ui::DataExchange& dx) {
    std::u16string name = m_strName;
    dx.text(kIdcName, name);
    m_strName = CVRMString(name);
}

bool CNameDlg::onInitDialog() {
    ui::Dialog::onInitDialog();
    ui::setChildText(this, kIdcLabel, m_strLabel);
    if (auto* hinweis = qobject_cast<QLabel*>(ui::child(this, kIdcHinweis))) {
        hinweis->setAutoFillBackground(true);
        QPalette farben = hinweis->palette();
        farben.setColor(QPalette::Window, ui::toQColor(kHinweisGrund));
        farben.setColor(QPalette::WindowText, ui::toQColor(kHinweisText));
        hinweis->setPalette(farben);
        hinweis->setMargin(4);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(ui::child(this, kIdcName))) {
        QObject::connect(edit, &QLineEdit::textChanged, this, [this] { NameGeaendert(); });
        edit->setFocus();
    }
    EnableOk();
    return false;
}

void CNameDlg::NameGeaendert() {
    auto* edit = qobject_cast<QLineEdit*>(ui::child(this, kIdcName));
    if (!edit) return;
    const SNamensFilter gefiltert = FiltereNamen(edit->text().toStdU16String(), m_schraegstrich == 1);
    if (gefiltert.caret) {
        // Putting the text back raises the next change, which then finds nothing to do.
        const QSignalBlocker sperre(edit);
        edit->setText(QString::fromStdU16String(gefiltert.name));
        edit->setCursorPosition(*gefiltert.caret);
    }
    m_strName = CVRMString(gefiltert.name);
    EnableOk();
}

bool CNameDlg::HatNamen() const {
    // Blanks alone are no name: the record they would make has no name to show or find.
    return !QString::fromStdU16String(m_strName).trimmed().isEmpty();
}

void CNameDlg::EnableOk() {
    ui::enableChild(this, 1, HatNamen());
}

void CNameDlg::onOK() {
    if (!updateData(true) || !HatNamen()) return;
    // The name becomes a section name: a longer one is refused, never cut.
    if (m_strName.size() > static_cast<std::size_t>(kMaxZeichen)) {
        const std::u16string text =
            platform::format(std::u16string_view(CResManager::getLangText(kZuLang)), kMaxZeichen);
        KVSMessageBoxCaptionID(CVRMString(text), textid::kProduktCaption, platform::mb::ICONEXCLAMATION);
        if (QWidget* edit = ui::child(this, kIdcName)) edit->setFocus();
        return;
    }
    endDialog(1);
}

}  // namespace dialogs
