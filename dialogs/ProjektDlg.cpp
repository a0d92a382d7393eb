#include "dialogs/ProjektDlg.h"

#include <QComboBox>
#include <algorithm>
#include <exception>

#include "core/db/Lists.h"
#include "core/db/TextCompare.h"
#include "core/value/DatenConsumer.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/Fehler.h"
#include "platform/errors/UserException.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr unsigned kCaption = 4744;          // "Project selection"
constexpr unsigned kFehlerInit = 3306;       // "Error when initializing project"
constexpr unsigned kNichtInitialisiert = 3307;  // "Could not initialize project!"

// What the choice shows of a project: its note and its heat pump. Read through a consumer
// of its own, so that choosing never repairs or writes a project record; opening does.
class CProjektKurz : public IDatenConsumer {
  public:
    void GetDatenIDs(CWordArray& ids) override { ids.insert(ids.end(), {ID_Notiz, ID_WPumpe}); }
    void init(const CVRMwerteListe& werte) override { m_werte = werte; }
    CVRMString Text(TKelvoDatenID id) const { return m_werte.get(id).GetStringVal(); }
};

}  // namespace

void RegistriereProjektDlgVorlage() {
    ui::registerDialogTemplate(
        {CProjektDlg::kIDD, {217, 131}, kCaption, u"",
         {
             {1932, ui::ControlKind::Static, {7, 7, 210, 16}, 4745},
             {CProjektDlg::kIdcProjekt, ui::ControlKind::DropList, {7, 17, 210, 31}},
             {1933, ui::ControlKind::Static, {7, 37, 210, 46}, 4746},
             {CProjektDlg::kIdcWPumpe, ui::ControlKind::Static, {7, 47, 210, 57}},
             {1934, ui::ControlKind::Static, {7, 63, 210, 72}, 4747},
             {CProjektDlg::kIdcNotiz, ui::ControlKind::Static, {7, 73, 210, 104}},
             {1, ui::ControlKind::DefButton, {49, 110, 99, 124}, 5177},
             {2, ui::ControlKind::Button, {105, 110, 155, 124}, 5176},
             {CProjektDlg::kIdcHilfe, ui::ControlKind::Button, {161, 110, 211, 124}, 5178},
         }});
}

CProjektDlg::CProjektDlg(QWidget* parent)
    : ui::Dialog((RegistriereProjektDlgVorlage(), kIDD), parent) {}

void CProjektDlg::doDataExchange(ui::DataExchange& dx) {
    std::u16string name = m_strName;
    dx.listText(kIdcProjekt, name);
    m_strName = CVRMString(name);
}

bool CProjektDlg::onInitDialog() {
    ui::WaitCursor warten;
    ui::Dialog::onInitDialog();
    auto* box = qobject_cast<QComboBox*>(ui::child(this, kIdcProjekt));
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, LISTE_PROJEKTE, true, nullptr, true);
    // A sorted list, as a planner looks a project up by its name.
    std::stable_sort(namen.begin(), namen.end(), [](const CVRMString& a, const CVRMString& b) {
        return KVScompareNoCase(a, b) < 0;
    });
    if (box) {
        for (const CVRMString& n : namen) box->addItem(QString::fromStdU16String(n));
        QObject::connect(box, &QComboBox::activated, this, [this] { AuswahlGeaendert(); });
    }
    if (box && box->count() > 0) {
        m_strName = CVRMString(box->itemText(0).toStdU16String());
        try {
            if (!LeseProjekt(m_strName)) ThrowFehler(kFehlerInit, std::u16string_view(m_strName));
        } catch (const platform::UserException&) {
            m_strName.clear();
        }
    }
    Aktualisiere();
    return true;
}

bool CProjektDlg::LeseProjekt(const CVRMString& name) {
    CProjektKurz projekt;
    try {
        CVRMdatenProvider::get().fill(projekt, name);
    } catch (const platform::UserException&) {
        return false;
    }
    if (!projekt.IstGueltig()) return false;
    m_strNotiz = projekt.Text(ID_Notiz);
    m_strWPumpe = projekt.Text(ID_WPumpe);
    return true;
}

void CProjektDlg::AuswahlGeaendert() {
    try {
        updateData(true);
        if (!LeseProjekt(m_strName)) {
            const CVRMString name = m_strName;
            m_strName.clear();
            ThrowFehler(kNichtInitialisiert, std::u16string_view(name));
        }
    } catch (const platform::UserException&) {
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
    }
    Aktualisiere();
}

void CProjektDlg::Aktualisiere() {
    if (m_strName.empty()) {
        m_strNotiz.clear();
        m_strWPumpe.clear();
    }
    updateData(false);
    ui::setChildText(this, kIdcNotiz, m_strNotiz);
    ui::setChildText(this, kIdcWPumpe, m_strWPumpe);
    if (m_strName.empty())
        if (auto* box = qobject_cast<QComboBox*>(ui::child(this, kIdcProjekt))) box->setCurrentIndex(-1);
    ui::enableChild(this, 1, !m_strName.empty());
}

bool CProjektDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdcHilfe) {
        GetKelvoApp().ShowHilfeThema(CVRMString(u"prjopen"));
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CProjektDlg::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1) return ui::Dialog::onKeyDown(key, mods);
    GetKelvoApp().ShowHilfeThema(CVRMString(u"prjopen"));
    return true;
}
