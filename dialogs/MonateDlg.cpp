#include "dialogs/MonateDlg.h"

#include <QLabel>

#include "core/text/TextIdConstants.h"
#include "dialogs/DlgTexte.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/Colour.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kCaption = 4719;   // "Monthes where daytime tariff is available"
constexpr unsigned kVerwerfen = 3304; // "Dropping changes ?"
constexpr int kTxOben = 1471, kTxUnten = 1472;
constexpr unsigned kMonatsText[CMonateDlg::kMonate] = {3592, 3593, 3654, 3655, 3827, 3828,
                                                       3882, 3883, 3884, 3885, 3907, 3908};
constexpr ui::ColourRef kErklaerText = ui::rgb(21, 59, 99);
constexpr ui::ColourRef kGrund = ui::rgb(223, 233, 244);

void RegistriereVorlage() {
    if (ui::findDialogTemplate(CMonateDlg::kIDD)) return;
    std::vector<ui::ControlSpec> c = {{kTxOben, K::Static, {7, 7, 253, 27}}};
    // Two rows of six months.
    for (int m = 0; m < CMonateDlg::kMonate; ++m) {
        const int x = 12 + (m % 6) * 40, y = 32 + (m / 6) * 16;
        c.push_back({CMonateDlg::kIdJanuar + m, K::Check, {x, y, x + 38, y + 12}});
    }
    c.push_back({kTxUnten, K::Static, {7, 66, 253, 90}});
    c.push_back({ui::kIdOk, K::DefButton, {97, 98, 147, 112}});
    c.push_back({ui::kIdCancel, K::Button, {150, 98, 200, 112}});
    c.push_back({CMonateDlg::kIdHilfe, K::Button, {203, 98, 253, 112}});
    ui::registerDialogTemplate({CMonateDlg::kIDD, {260, 118}, 0, u"", std::move(c)});
}

void ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"trfmonate"); }

}  // namespace

CMonateDlg::CMonateDlg(const float* werte, QWidget* parent) : ui::Dialog(kIDD, parent) {
    RegistriereVorlage();
    for (int m = 0; m < kMonate; ++m) m_werte[static_cast<std::size_t>(m)] = werte[m];
    QPalette farben = palette();
    farben.setColor(QPalette::Window, ui::toQColor(kGrund));
    setPalette(farben);
    setAutoFillBackground(true);
}

bool CMonateDlg::onInitDialog() {
    ui::Dialog::onInitDialog();
    for (int m = 0; m < kMonate; ++m)
        m_haken[static_cast<std::size_t>(m)] = m_werte[static_cast<std::size_t>(m)] > 0.0f ? 1 : 0;
    setWindowTitle(DlgText(kCaption));
    std::vector<SDlgText> texte = {{kTxOben, 4720}, {kTxUnten, 4721}, {ui::kIdOk, 5177},
                                   {ui::kIdCancel, 5176}, {kIdHilfe, 5178}};
    for (int m = 0; m < kMonate; ++m) texte.push_back({kIdJanuar + m, kMonatsText[m]});
    for (const SDlgText& t : texte) ui::setChildText(this, t.id, DlgText(t.textId).toStdU16String());
    for (int id : {kTxOben, kTxUnten}) {
        auto* label = qobject_cast<QLabel*>(ui::child(this, id));
        if (!label) continue;
        QPalette farben = label->palette();
        farben.setColor(QPalette::WindowText, ui::toQColor(kErklaerText));
        label->setPalette(farben);
        label->setWordWrap(true);
    }
    updateData(false);
    return true;
}

void CMonateDlg::doDataExchange(ui::DataExchange& dx) {
    try {
        for (int m = 0; m < kMonate; ++m) dx.check(kIdJanuar + m, m_haken[static_cast<std::size_t>(m)]);
    } catch (const platform::UserException&) {
    }
}

bool CMonateDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id >= kIdJanuar && id < kIdJanuar + kMonate) {
        m_geaendert = 1;
        return true;
    }
    if (id == kIdHilfe) {
        ZeigeHilfe();
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CMonateDlg::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}

void CMonateDlg::onOK() {
    updateData(true);
    // Without a click the shares stay as they were, also the parts of a month.
    if (m_geaendert)
        for (int m = 0; m < kMonate; ++m)
            m_werte[static_cast<std::size_t>(m)] = m_haken[static_cast<std::size_t>(m)] == 1 ? 1.0f : 0.0f;
    endDialog(ui::kIdOk);
}

void CMonateDlg::onCancel() {
    if (m_geaendert && KVSMessageBoxID(kVerwerfen, textid::kProduktCaption,
                                       platform::mb::YESNO | platform::mb::ICONQUESTION) == platform::id::NO)
        return;
    ui::Dialog::onCancel();
}
