#include "dialogs/DlgZKosten.h"

#include <algorithm>

#include "app/shell/KelvoApp.h"
#include "core/text/ResManager.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/KostenGrafik.h"
#include "model/data/HeizungsNamen.h"
#include "platform/errors/UserException.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
constexpr unsigned kCaption = 5005;  // "Additional costs per year for %s"
constexpr unsigned kGruppe = 5006;   // "Additional costs per year in %s"
constexpr std::array<int, 6> kIdLabels = {2060, 2061, 2062, 2063, 2064, 2065};
constexpr std::array<unsigned, 6> kLabelTexte = {5007, 5008, 5009, 5010, 5011, 5012};

void RegistriereVorlage() {
    using D = CDlgZKosten;
    if (ui::findDialogTemplate(D::kIDD)) return;
    std::vector<ui::ControlSpec> c = {{D::kIdGruppe, K::Group, {7, 4, 193, 112}}};
    for (size_t i = 0; i < kIdLabels.size(); ++i) {
        const int y = 18 + static_cast<int>(i) * 15;
        c.push_back({kIdLabels[i], K::Static, {14, y + 2, 140, y + 12}});
        c.push_back({D::kIdWerte[i], K::Edit, {144, y, 186, y + 12}, 0, u"", ui::cs::EditNumber});
    }
    c.push_back({ui::kIdOk, K::DefButton, {33, 120, 83, 134}});
    c.push_back({ui::kIdCancel, K::Button, {88, 120, 138, 134}});
    c.push_back({D::kIdHilfe, K::Button, {143, 120, 193, 134}});
    ui::registerDialogTemplate({D::kIDD, {200, 140}, 0, u"Jährliche Zusatzkosten für ", std::move(c)});
}

}  // namespace

CDlgZKosten::CDlgZKosten(unsigned heizungsart, const Werte& werte, uint32_t vorgabeSonstige,
                         QWidget* parent)
    : ui::Dialog(kIDD, parent), m_werte(werte), m_heizungsart(heizungsart) {
    RegistriereVorlage();
    if (std::all_of(werte.begin(), werte.end(), [](uint32_t w) { return w == 0; }))
        m_werte[5] = vorgabeSonstige;
}

bool CDlgZKosten::onInitDialog() {
    const CVRMString name = GetHeizungsartName(static_cast<int>(m_heizungsart),
                                               kostengrafik::EigenerName());
    CVRMString titel;
    titel.Format(kCaption, name);
    setWindowTitle(QString::fromStdU16String(titel));
    CVRMString gruppe;
    gruppe.Format(kGruppe, CResManager::getLangText(static_cast<uint16_t>(
                               GetKelvoAppObjekt().GetWaehrungText())));
    ui::setChildText(this, kIdGruppe, u" " + gruppe + u" ");
    for (size_t i = 0; i < kIdLabels.size(); ++i)
        ui::setChildText(this, kIdLabels[i], DlgText(kLabelTexte[i]).toStdU16String());
    SetzeDlgTexte(*this, {{ui::kIdOk, 5177}, {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    updateData(false);
    return true;
}

void CDlgZKosten::doDataExchange(ui::DataExchange& dx) {
    if (!dx.saving()) {
        for (size_t i = 0; i < kIdWerte.size(); ++i) dx.unsignedInt(kIdWerte[i], m_werte[i]);
        return;
    }
    // A refused entry is told by the exchange; the values after it stay unread.
    try {
        for (size_t i = 0; i < kIdWerte.size(); ++i) dx.unsignedInt(kIdWerte[i], m_werte[i]);
        m_austauschFehler = 0;
    } catch (const platform::UserException&) {
        m_austauschFehler = 1;
    }
}

void CDlgZKosten::onOK() {
    updateData(true);
    // The caller takes all six values: with one refused it would store half-read ones.
    if (m_austauschFehler) return;
    endDialog(ui::kIdOk);
}

bool CDlgZKosten::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdHilfe) {
        GetKelvoApp().ShowHilfeThema(u"dlgzkosten");
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CDlgZKosten::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    GetKelvoApp().ShowHilfeThema(u"dlgzkosten");
    return true;
}
