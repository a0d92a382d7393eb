#include "dialogs/DlgErdluftDaten.h"

#include "dialogs/DlgTexte.h"
#include "evaluation/binding/Erdluft.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr unsigned kFensterText = 4612;  // "Required ground collector for air heat pump"
constexpr unsigned kZahl = 3367;         // "%lu"
constexpr int kCodeTiefe = 4, kCodeDurchmesser = 5, kCodeBypass = 6;

void RegistriereVorlage() {
    using D = CDlgErdluftDaten;
    using K = ui::ControlKind;
    if (ui::findDialogTemplate(D::kIDD)) return;
    const unsigned wert = ui::dt::Right;
    ui::registerDialogTemplate({D::kIDD, {200, 96}, 0, u"", {
        {1828, K::Static, {7, 5, 193, 25}},
        {1829, K::Static, {7, 31, 120, 41}},
        {D::kIdLaenge, K::Static, {124, 31, 160, 41}, 0, u"", wert},
        {1830, K::Static, {7, 43, 120, 53}},
        {D::kIdDurchmesser, K::Static, {124, 43, 160, 53}, 0, u"", wert},
        {1831, K::Static, {7, 55, 120, 65}},
        {D::kIdTiefe, K::Static, {124, 55, 160, 65}, 0, u"", wert},
        {1832, K::Static, {7, 67, 120, 77}},
        {D::kIdBypass, K::Static, {124, 67, 160, 77}, 0, u"", wert},
        {1, K::DefButton, {143, 78, 193, 92}},
    }});
}

std::u16string Text(uint32_t wert) {
    CVRMString text;
    text.Format(kZahl, static_cast<unsigned long>(wert));
    return text;
}

}  // namespace

CDlgErdluftDaten::CDlgErdluftDaten(const CAuswertDaten& jahr, QWidget* parent)
    : ui::Dialog(kIDD, parent) {
    RegistriereVorlage();
    m_laenge = IErdluft::GetErdluftDaten3(jahr);
}

bool CDlgErdluftDaten::onInitDialog() {
    IErdluft::GetErdluftDaten(kCodeBypass, m_bypass);
    IErdluft::GetErdluftDaten(kCodeTiefe, m_tiefe);
    IErdluft::GetErdluftDaten(kCodeDurchmesser, m_durchmesser);
    setWindowTitle(DlgText(kFensterText));
    SetzeDlgTexte(*this, {{1828, 4613}, {1829, 4614}, {1830, 4615}, {1831, 4616}, {1832, 4617}, {1, 5177}});
    return ui::Dialog::onInitDialog();
}

void CDlgErdluftDaten::doDataExchange(ui::DataExchange& dx) {
    if (dx.saving()) return;
    std::u16string laenge = Text(m_laenge), tiefe = Text(m_tiefe), durchmesser = Text(m_durchmesser),
                   bypass = Text(m_bypass);
    dx.text(kIdLaenge, laenge);
    dx.text(kIdTiefe, tiefe);
    dx.text(kIdDurchmesser, durchmesser);
    dx.text(kIdBypass, bypass);
}
