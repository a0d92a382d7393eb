#include "dialogs/WQTestDlg.h"

#include <QLabel>

#include "core/text/TextIdConstants.h"
#include "dialogs/DlgTexte.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/Colour.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr unsigned kCaption = 4972;  // "Design test for heat source"
constexpr char16_t kHilfeThema[] = u"wqtest";
constexpr ui::ColourRef kRot = ui::rgb(255, 0, 0);
constexpr ui::ColourRef kWeiss = ui::rgb(255, 255, 255);

void RegistriereVorlage() {
    using D = CWQTestDlg;
    using K = ui::ControlKind;
    if (ui::findDialogTemplate(D::kIDD)) return;
    const unsigned wert = ui::dt::Right;
    const auto feld = [wert](int id, ui::Rect du) {
        return ui::ControlSpec{id, K::Static, du, 0, u"", wert};
    };
    ui::registerDialogTemplate({D::kIDD, {352, 121}, 0, u"", {
        {2045, K::Group, {7, 4, 150, 78}},
        {D::kIdEinheitLeistung, K::Static, {14, 18, 143, 28}},
        {2046, K::Static, {14, 36, 80, 46}},
        feld(D::kIdLeistung, {84, 34, 143, 46}),
        {2047, K::Static, {14, 54, 80, 64}},
        feld(D::kIdLeistungGrenze, {84, 52, 143, 64}),
        {2048, K::Group, {156, 4, 345, 78}},
        {D::kIdEinheitEnergie, K::Static, {163, 18, 222, 28}},
        {2049, K::Static, {226, 16, 338, 25}, 0, u"", ui::dt::Center},
        {2050, K::Static, {226, 26, 280, 34}, 0, u"", ui::dt::Center},
        {2051, K::Static, {284, 26, 338, 34}, 0, u"", ui::dt::Center},
        {2052, K::Static, {163, 39, 222, 49}},
        feld(D::kIdEnergie, {226, 37, 280, 49}),
        feld(D::kIdEnergieMit, {284, 37, 338, 49}),
        {2053, K::Static, {163, 56, 222, 66}},
        feld(D::kIdEnergieGrenze, {226, 54, 280, 66}),
        feld(D::kIdEnergieGrenzeMit, {284, 54, 338, 66}),
        {2054, K::Static, {7, 86, 60, 96}},
        {D::kIdUrteil, K::Static, {64, 84, 345, 96}},
        {D::kIdHilfe, K::Button, {239, 101, 289, 115}},
        {1, K::DefButton, {295, 101, 345, 115}},
    }});
}

}  // namespace

CWQTestDlg::CWQTestDlg(int art, int ok, float leistung, float leistungGrenze, float energie,
                       float energieGrenze, int okMitZusatz, float energieMit, int mitEinspeisung,
                       QWidget* parent)
    : ui::Dialog(kIDD, parent) {
    RegistriereVorlage();
    m_werte = {art, ok, okMitZusatz, mitEinspeisung, leistung, leistungGrenze, energie, energieMit, energieGrenze};
    // A kind the test does not know is raised before anything shows.
    m_anzeige = WQTestAnzeige(m_werte);
}

bool CWQTestDlg::onInitDialog() {
    if (m_anzeige.hinweis)
        KVSMessageBoxID(m_anzeige.hinweis, textid::kProduktCaption, platform::mb::ICONINFORMATION);
    setWindowTitle(DlgText(kCaption));
    SetzeDlgTexte(*this, {{2045, 4973, true}, {2046, 4974}, {2047, 4975}, {2048, 4977, true}, {2049, 4978},
                          {2050, 4979}, {2051, 4980}, {2052, 4981}, {2053, 4982}, {2054, 4984},
                          {kIdHilfe, 5178}, {1, 5177}});
    for (int id : {kIdLeistung, kIdLeistungGrenze, kIdEnergie, kIdEnergieMit, kIdEnergieGrenze,
                   kIdEnergieGrenzeMit, kIdUrteil})
        if (auto* feld = qobject_cast<QLabel*>(ui::child(this, id))) feld->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Every verdict but "o.k." is red on white.
    if (auto* urteil = qobject_cast<QLabel*>(ui::child(this, kIdUrteil)); urteil && m_anzeige.rot) {
        QPalette farben = urteil->palette();
        farben.setColor(QPalette::WindowText, ui::toQColor(kRot));
        farben.setColor(QPalette::Window, ui::toQColor(kWeiss));
        urteil->setPalette(farben);
        urteil->setAutoFillBackground(true);
    }
    return ui::Dialog::onInitDialog();
}

void CWQTestDlg::doDataExchange(ui::DataExchange& dx) {
    if (dx.saving()) return;
    std::u16string urteil = m_anzeige.urteil ? DlgText(m_anzeige.urteil).toStdU16String() : std::u16string();
    const auto pad = [](std::u16string s) { return u" " + s + u" "; };
    std::u16string texte[] = {pad(m_anzeige.leistung),      pad(m_anzeige.leistungGrenze),
                              pad(m_anzeige.energie),       pad(m_anzeige.energieMit),
                              pad(m_anzeige.energieGrenze), pad(m_anzeige.energieGrenzeMit),
                              m_anzeige.einheitLeistung,    m_anzeige.einheitEnergie,
                              pad(urteil)};
    const int ids[] = {kIdLeistung, kIdLeistungGrenze, kIdEnergie, kIdEnergieMit, kIdEnergieGrenze,
                       kIdEnergieGrenzeMit, kIdEinheitLeistung, kIdEinheitEnergie, kIdUrteil};
    for (std::size_t i = 0; i < std::size(ids); ++i) dx.text(ids[i], texte[i]);
}

bool CWQTestDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdHilfe) {
        GetKelvoApp().ShowHilfeThema(kHilfeThema);
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CWQTestDlg::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1 || mods != ui::KeyMods{}) return false;
    GetKelvoApp().ShowHilfeThema(kHilfeThema);
    return true;
}
