#include "dialogs/DlgQTemp.h"

#include <QLineEdit>

#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "controls/small/FloatEdit.h"
#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "dialogs/DlgTexte.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/errors/KVSMessageBox.h"
#include "model/source/WQuelle2.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr unsigned kFensterText = 5187;  // "Heat source temperatures"
constexpr unsigned kFrage = 3299;        // "Save changes of %s?"
constexpr unsigned kBiboQuelle = 4300;   // "Temperatures are not editable\nif heat source is ..."
constexpr unsigned kKeineErgebnisse = 3122;  // "Could not compute results"
constexpr char16_t kHilfeThema[] = u"dlgwqtemps";
constexpr float kMin = -30.0f, kMax = 50.0f;
constexpr unsigned kMonate[12] = {3592, 3593, 3654, 3655, 3827, 3828, 3882, 3883, 3884, 3885, 3907, 3908};
constexpr int kTxMonat = 1880;  // 1880 to 1891
constexpr int kTxEinheit = 1960;  // the twelve "°C" labels
constexpr int kGruppe = 1956, kHinweis = 1957;

void RegistriereVorlage() {
    using D = CDlgQTemp;
    using K = ui::ControlKind;
    if (ui::findDialogTemplate(D::kIDD)) return;
    std::vector<ui::ControlSpec> c = {{kGruppe, K::Group, {7, 4, 215, 94}}};
    for (int m = 0; m < 12; ++m) {
        const int spalte = m / 6, zeile = m % 6;
        const int x = 14 + spalte * 102, y = 17 + zeile * 12;
        c.push_back({kTxMonat + m, K::Static, {x, y + 2, x + 30, y + 11}});
        c.push_back({D::kIdMonat[m], K::Custom, {x + 32, y, x + 72, y + 11}, 0, u"", 0,
                     [](QWidget* p) { return new CFloatEdit(p, 1); }});
        c.push_back({kTxEinheit + m, K::Static, {x + 75, y + 2, x + 95, y + 11}, 0, u"°C"});
    }
    const std::vector<ui::ControlSpec> rest = {
        {kHinweis, K::Static, {7, 98, 215, 108}},
        {1, K::DefButton, {58, 114, 108, 128}},
        {2, K::Button, {112, 114, 162, 128}},
        {D::kIdHilfe, K::Button, {165, 114, 215, 128}},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    ui::registerDialogTemplate({D::kIDD, {222, 135}, 0, u"", std::move(c)});
}

}  // namespace

CDlgQTemp::CDlgQTemp(CKelvoDoc& dokument, unsigned short modus, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_dokument(dokument), m_modus(modus) {
    RegistriereVorlage();
}

bool CDlgQTemp::SetDateiName(const CVRMString& name) {
    if (!IstOrtGewaehlt(name)) {
        ShowFehler(textid::kNichtInitialisiert, u"CDlgQTemp::SetDateiName");
        return false;
    }
    m_name = name;
    return FillMonatsTemps();
}

CWQuelle2* CDlgQTemp::Quelle() const {
    if (m_modus != kErsteQuelle && m_modus != kZweiteQuelle)
        ThrowFehler(textid::kFalscheKonstante, u"CDlgQTemp::Quelle");
    return m_dokument.GetWQuelle(m_modus == kErsteQuelle ? 1 : 0);
}

bool CDlgQTemp::FillMonatsTemps() {
    try {
        CWQuelle2* quelle = Quelle();
        if (!quelle || !quelle->IstGueltig()) throw platform::UserException();
        quelle->GetUserQuellTemps(m_temps);
        return true;
    } catch (const platform::UserException&) {
        ShowFehler(kKeineErgebnisse, u"CDlgQTemp::FillMonatsTemps");
        return false;
    }
}

bool CDlgQTemp::onInitDialog() {
    ui::enableChild(this, 1, IstOrtGewaehlt(m_name));
    setWindowTitle(DlgText(kFensterText));
    std::vector<SDlgText> texte = {{kGruppe, 4813, true}, {kHinweis, 4814}, {1, 5177}, {2, 5176}, {kIdHilfe, 5178}};
    for (int m = 0; m < 12; ++m) texte.push_back({kTxMonat + m, kMonate[m]});
    for (const SDlgText& t : texte) ui::setChildText(this, t.id, DlgText(t.textId, t.rand).toStdU16String());
    const bool ok = ui::Dialog::onInitDialog();
    for (int id : kIdMonat)
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(feld, &QLineEdit::textEdited, this, [this] { m_geaendert = true; });
    m_geaendert = false;
    return ok;
}

void CDlgQTemp::doDataExchange(ui::DataExchange& dx) {
    for (int m = 0; m < 12; ++m) dx.floating(kIdMonat[m], m_temps[static_cast<std::size_t>(m)], kMin, kMax);
}

bool CDlgQTemp::SaveMonatsTemps() {
    if (!updateData(true)) return false;
    if (!m_geaendert) return true;
    CVRMString frage;
    frage.Format(kFrage, m_name);
    if (KVSMessageBoxCaptionID(frage, textid::kProduktCaption, platform::mb::YESNO | platform::mb::ICONQUESTION) !=
        platform::id::YES)
        return true;
    if (!m_dokument.Projekt().IstAenderbar(true)) return true;
    // With the "conf" switch a library source takes temperatures where the database keeps it.
    if (IGlobal::IstBiboName(m_name) &&
        !(GetKelvoApp().GetConfSchalter() && IGlobal::NimmtSatzAuf(m_name))) {
        KVSMessageBoxID(kBiboQuelle, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        return true;
    }
    CWQuelle2* quelle = Quelle();
    if (!quelle) ThrowFehler(kKeineErgebnisse, u"CDlgQTemp::SaveMonatsTemps");
    GetKelvoApp().ResetAuswertungen();
    quelle->SetUserQuellTemps(m_temps);
    m_geaendert = false;
    m_gespeichert = true;
    return true;
}

void CDlgQTemp::onOK() {
    if (!SaveMonatsTemps()) return;
    // Only a store changes the source: a declined or refused one is no change to report.
    endDialog(m_gespeichert ? ui::kIdOk : ui::kIdCancel);
}

void CDlgQTemp::onCancel() {
    if (m_geaendert && IstOrtGewaehlt(m_name)) {
        try {
            SaveMonatsTemps();
        } catch (const platform::UserException&) {
        }
    }
    endDialog(m_gespeichert ? ui::kIdOk : ui::kIdCancel);
}

bool CDlgQTemp::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdHilfe) {
        GetKelvoApp().ShowHilfeThema(kHilfeThema);
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CDlgQTemp::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1 || mods != ui::KeyMods{}) return false;
    GetKelvoApp().ShowHilfeThema(kHilfeThema);
    return true;
}
