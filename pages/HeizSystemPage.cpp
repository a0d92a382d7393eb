#include "pages/HeizSystemPage.h"

#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/KostenGrafik.h"
#include "model/data/HeizungsNamen.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "pages/KostenSeitenHilfen.h"
#include "pages/WirtschaftPage.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using H = CHeizSystemPage;
constexpr unsigned kTitel = 5248;                 // "Heating systems"
constexpr unsigned kInvestUnvollstaendig = 3769;  // "Not all of the investment costs ... '%s'."

void RegistriereVorlage() {
    if (ui::findDialogTemplate(H::kIDD)) return;
    std::vector<ui::ControlSpec> c = {{1848, K::Group, {7, 4, 413, 150}}};
    constexpr std::array<int, 6> zeilen = {18, 36, 54, 72, 100, 118};
    for (size_t i = 0; i < zeilen.size(); ++i)
        c.push_back({H::kIdChecks[i], K::Check, {20, zeilen[i], 260, zeilen[i] + 12}});
    c.push_back({1849, K::Static, {32, 86, 260, 96}});
    c.push_back({H::kIdLabel, K::Custom, {7, 158, 413, 190}, 0, u"", 0, kostenseiten::NeuerHinweis});
    c.push_back({H::kIdHilfe, K::Button, {353, 230, 413, 244}});
    ui::registerDialogTemplate({H::kIDD, {420, 250}, 0, u"Heizsysteme", std::move(c)});
}

}  // namespace

CHeizSystemPage::CHeizSystemPage(CWirtschaftPage* wirtschaft)
    : ui::PropertyPage(kIDD, CResManager::getLangText(kTitel)), m_wirtschaft(wirtschaft) {
    RegistriereVorlage();
    try {
        if (CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true)) {
            CProjekt2::HeizsystemFlags flags{};
            doc->Projekt().GetHeizsystemJN(flags);
            m_flags = flags;
        }
    } catch (const platform::UserException&) {
    }
    m_checks = m_flags;
    m_eigenerName = kostengrafik::EigenerName();
}

void CHeizSystemPage::onInitPage() {
    SetzeDlgTexte(*this, {{1848, 4655, true}, {1644, 4656}, {1645, 4657}, {1647, 4658},
                          {1849, 4659}, {1650, 4660}, {1652, 4661}, {kIdHilfe, 5178}});
    ui::setChildText(this, kIdChecks[3], m_eigenerName);
    kostenseiten::ZeigeHinweis(this, kIdLabel, DlgText(4662).toStdU16String());
    updateData(false);
}

void CHeizSystemPage::doDataExchange(ui::DataExchange& dx) {
    for (size_t i = 0; i < kIdChecks.size(); ++i) dx.check(kIdChecks[i], m_checks[i]);
}

void CHeizSystemPage::Speichern() {
    if (!hasWindow()) return;
    updateData(true);
    m_flags = m_checks;
    try {
        // A library project's choice counts on these pages but never reaches the database.
        CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true);
        if (doc && doc->Projekt().IstAenderbar(false)) doc->Projekt().SetHeizsystemJN(m_flags);
    } catch (const platform::UserException&) {
    }
}

bool CHeizSystemPage::onKillActive() {
    Speichern();
    return true;
}

void CHeizSystemPage::onOK() { Speichern(); }
// Closing the sheet keeps the choice, as leaving the page does.
void CHeizSystemPage::onCancel() { Speichern(); }

void CHeizSystemPage::OnCheck(int position) {
    if (position < 0 || position >= kVergleichsSysteme) ThrowFehler(0, u"");
    if (!m_wirtschaft) return;
    updateData(true);
    m_flags = m_checks;
    const auto pos = static_cast<size_t>(position);
    if (!m_flags[pos]) return;
    const int art = kArtVonPosition[pos];
    if (m_wirtschaft->IstInvestKomplett(art)) return;
    CVRMString text;
    text.Format(kInvestUnvollstaendig, GetHeizungsartName(art, m_eigenerName));
    KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                           platform::mb::OK | platform::mb::ICONINFORMATION);
    updateData(false);
}

bool CHeizSystemPage::onCommand(int id, int notifyCode, ui::Window* from) {
    for (size_t i = 0; i < kIdChecks.size(); ++i) {
        if (id != kIdChecks[i]) continue;
        OnCheck(static_cast<int>(i));
        return true;
    }
    if (id == kIdHilfe) return onHelp();
    return ui::PropertyPage::onCommand(id, notifyCode, from);
}

bool CHeizSystemPage::onHelp() {
    GetKelvoApp().ShowHilfeThema(u"heizsysteme");
    return true;
}
