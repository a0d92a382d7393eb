#include "dialogs/AuswertDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "app/doc/KelvoDoc.h"
#include "app/doc/VDI4650Fenster.h"
#include "app/shell/KelvoApp.h"
#include "controls/small/EnablerDisabler.h"
#include "dialogs/DlgTexte.h"
#include "evaluation/binding/Report.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using L = CAuswertDlgLogik;

constexpr unsigned kNurLesen = ui::cs::EditReadOnly;
// The green of the boxes behind the total and the annual COP.
const QColor kGruen(0, 192, 0);

// A check box whose text wraps over several lines: a box and a label beside it; a click
// on the label toggles the box as a click on its text would.
class CMehrzeiligesKaestchen : public QWidget {
  public:
    explicit CMehrzeiligesKaestchen(QWidget* parent) : QWidget(parent) {
        auto* reihe = new QHBoxLayout(this);
        reihe->setContentsMargins(0, 0, 0, 0);
        reihe->setSpacing(4);
        m_box = new QCheckBox(this);
        m_text = new QLabel(this);
        m_text->setWordWrap(true);
        m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_text->installEventFilter(this);
        reihe->addWidget(m_box, 0, Qt::AlignTop);
        reihe->addWidget(m_text, 1, Qt::AlignTop);
    }
    QCheckBox* Box() const { return m_box; }
    QLabel* Text() const { return m_text; }

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override {
        if (objekt == m_text && e->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && isEnabled()) {
            m_box->click();
            return true;
        }
        return QWidget::eventFilter(objekt, e);
    }

  private:
    QCheckBox* m_box = nullptr;
    QLabel* m_text = nullptr;
};

// A label with its read-only value field, in one of the two columns.
void Zeile(std::vector<ui::ControlSpec>& c, bool rechts, int label, int wert, int y) {
    const int x = rechts ? 217 : 15;
    const int xWert = rechts ? 389 : 145;
    c.push_back({label, K::Static, {x, y + 2, xWert - 3, y + 11}});
    c.push_back({wert, K::Edit, {xWert, y, xWert + 52, y + 11}, 0, u"", kNurLesen});
}

QString Qt16(const CVRMString& text) {
    CVRMString t = text;
    t.Replace(u"\r\n", u"\n");
    return QString::fromStdU16String(t);
}

}  // namespace

void RegistriereAuswertDlgVorlage() {
    if (ui::findDialogTemplate(CAuswertDlg::kIDD)) return;
    std::vector<ui::ControlSpec> c;
    // Running costs.
    c.push_back({L::kIdGruppeKosten, K::Group, {5, 4, 207, 170}});
    c.push_back({L::kIdPumpenText, K::Static, {12, 14, 203, 32}});
    c.push_back({L::kIdGruppeErzeuger, K::Group, {9, 34, 203, 86}});
    Zeile(c, false, L::kIdLabelWP, L::kIdKostenWP, 45);
    Zeile(c, false, L::kIdLabelZweiter, L::kIdKostenZweiter, 58);
    Zeile(c, false, L::kIdLabelUmw, L::kIdKostenUmw, 71);
    c.push_back({L::kIdGruppeVerbraucher, K::Group, {9, 88, 203, 140}});
    Zeile(c, false, L::kIdLabelHeiz, L::kIdKostenHeiz, 99);
    Zeile(c, false, L::kIdLabelWW, L::kIdKostenWW, 112);
    Zeile(c, false, L::kIdLabelAbtau, L::kIdKostenAbtau, 125);
    c.push_back({L::kIdGruenSumme, K::Static, {9, 145, 203, 164}});
    Zeile(c, false, L::kIdLabelSumme, L::kIdKostenSumme, 149);
    // Running hours and source energy.
    c.push_back({L::kIdGruppeLaufzeit, K::Group, {5, 174, 207, 212}});
    Zeile(c, false, L::kIdLabelLaufHeiz, L::kIdLaufHeiz, 185);
    Zeile(c, false, L::kIdLabelLaufWW, L::kIdLaufWW, 198);
    c.push_back({L::kIdGruppeQuelle, K::Group, {5, 216, 207, 254}});
    Zeile(c, false, L::kIdLabelQuelleHeiz, L::kIdQuelleHeiz, 227);
    Zeile(c, false, L::kIdLabelQuelleWW, L::kIdQuelleWW, 240);
    // Electricity, second generator, solar.
    c.push_back({L::kIdGruppeStrom, K::Group, {211, 4, 447, 80}});
    Zeile(c, true, L::kIdLabelStromHeiz, L::kIdStromHeiz, 15);
    Zeile(c, true, L::kIdLabelStromWW, L::kIdStromWW, 28);
    Zeile(c, true, L::kIdLabelQuellPumpe, L::kIdQuellPumpe, 41);
    c.push_back({L::kIdLuefterText, K::Static, {217, 43, 437, 52}, 0, u"", ui::cs::Hidden});
    Zeile(c, true, L::kIdLabelUmwStrom, L::kIdUmwStrom, 54);
    Zeile(c, true, L::kIdLabelAbtauStrom, L::kIdAbtauStrom, 67);
    c.push_back({L::kIdGruppeZweiter, K::Group, {211, 84, 447, 122}});
    Zeile(c, true, L::kIdLabelZweiterHeiz, L::kIdZweiterHeiz, 95);
    Zeile(c, true, L::kIdLabelZweiterWW, L::kIdZweiterWW, 108);
    c.push_back({L::kIdGruppeSolar, K::Group, {211, 126, 447, 177}});
    Zeile(c, true, L::kIdLabelSolarHeiz, L::kIdSolarHeiz, 137);
    Zeile(c, true, L::kIdLabelSolarWW, L::kIdSolarWW, 150);
    Zeile(c, true, L::kIdLabelSolarErde, L::kIdSolarErde, 163);
    // The factors.
    c.push_back({L::kIdGruenJaz, K::Static, {211, 182, 447, 201}});
    Zeile(c, true, L::kIdLabelJaz, L::kIdJaz, 186);
    c.push_back({L::kIdAbtauHinweis, K::Static, {217, 203, 437, 212}, 0, u"", ui::cs::Hidden});
    c.push_back({L::kIdMitAllen, K::Custom, {211, 214, 447, 230}, 0, u"", 0,
                 [](QWidget* p) { return new CMehrzeiligesKaestchen(p); }});
    c.push_back({L::kIdRahmenReg, K::Group, {211, 232, 447, 259}});
    c.push_back({L::kIdLabelReg, K::Static, {217, 239, 386, 257}});
    c.push_back({L::kIdReg, K::Edit, {389, 242, 441, 253}, 0, u"", kNurLesen});
    // Buttons.
    c.push_back({L::kIdReport, K::Button, {5, 263, 95, 277}, 0, u"", ui::cs::Disabled});
    c.push_back({L::kIdVDI4650, K::Button, {100, 263, 270, 277}});
    c.push_back({L::kIdHilfe, K::Button, {343, 263, 393, 277}});
    c.push_back({ui::kIdOk, K::DefButton, {397, 263, 447, 277}});
    ui::registerDialogTemplate({CAuswertDlg::kIDD, {452, 281}, 0, u"", std::move(c)});
}

CAuswertDlg::CAuswertDlg(SAuswertDlgDaten daten, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_daten(std::move(daten)) {
    RegistriereAuswertDlgVorlage();
}

CAuswertDlg::~CAuswertDlg() = default;

QCheckBox* CAuswertDlg::MitAllenKaestchen() const {
    auto* k = dynamic_cast<CMehrzeiligesKaestchen*>(ui::child(const_cast<CAuswertDlg*>(this), L::kIdMitAllen));
    return k ? k->Box() : nullptr;
}

bool CAuswertDlg::onInitDialog() {
    CKelvoApp& app = GetKelvoAppObjekt();
    SAuswertUmgebung umgebung;
    if (CKelvoDoc* doc = app.GetAktivesKelvoDoc(true)) {
        CHaus2& haus = doc->Haus();
        if (haus.IstInitialisiert() && haus.HatSolarAnlage()) {
            umgebung.solarHeizung = haus.HatSolarWohin(CHaus2::kHeizung);
            umgebung.solarWarmwasser = haus.HatSolarWohin(CHaus2::kWarmwasser);
            umgebung.solarErdreich = haus.HatSolarWohin(CHaus2::kErdreich);
        }
        umgebung.regelEnergie = doc->GetRleistEnergie();
    }
    app.GetOptionsManager().GetStringWert(OPT_NAME_ZET, umgebung.eigeneHeizung);
    umgebung.waehrungProJahr = app.GetWaehrungProJahrText();
    umgebung.vdiSichtbar = app.GetLandCode() == 0;
    umgebung.reportGebunden = IReport::IstGeladen();
    m_logik = std::make_unique<CAuswertDlgLogik>(m_daten, std::move(umgebung));

    Gestalte();
    ZeigeTexte();
    setWindowTitle(Qt16(m_logik->Titel()));
    EnableDlgItem(this, L::kIdReport, m_logik->ReportAktiv());
    // The VDI 4650 calculator needs its window.
    EnableDlgItem(this, L::kIdVDI4650, static_cast<bool>(GetVDI4650Fenster()));
    if (auto* k = dynamic_cast<CMehrzeiligesKaestchen*>(ui::child(this, L::kIdMitAllen))) {
        QObject::connect(k->Box(), &QCheckBox::clicked, this, [this] {
            ui::guarded(ui::Msg::Command, [&] { OnMitAllenHilfsenergien(); });
        });
    }
    return true;
}

void CAuswertDlg::Gestalte() {
    for (QLineEdit* feld : findChildren<QLineEdit*>()) {
        feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        feld->setFocusPolicy(Qt::ClickFocus);
    }
    FaerbeNurLesendeFelder(*this);
    for (int id : {L::kIdGruenSumme, L::kIdLabelSumme, L::kIdGruenJaz, L::kIdLabelJaz}) {
        QWidget* w = ui::child(this, id);
        if (!w) continue;
        QPalette farben = w->palette();
        farben.setColor(QPalette::Window, kGruen);
        farben.setColor(QPalette::WindowText, Qt::black);
        w->setPalette(farben);
        w->setAutoFillBackground(true);
    }
    for (int id : {L::kIdLabelSumme, L::kIdLabelJaz, L::kIdKostenSumme, L::kIdJaz}) {
        if (QWidget* w = ui::child(this, id)) {
            QFont f = w->font();
            f.setBold(true);
            w->setFont(f);
        }
    }
}

void CAuswertDlg::ZeigeTexte() {
    for (const auto& [id, text] : m_logik->Texte()) {
        if (id == L::kIdMitAllen) {
            if (auto* k = dynamic_cast<CMehrzeiligesKaestchen*>(ui::child(this, id)))
                k->Text()->setText(Qt16(text));
            continue;
        }
        ui::setChildText(this, id, Qt16(text).toStdU16String());
    }
    for (int id : {L::kIdAbtauHinweis, L::kIdRahmenReg, L::kIdLabelReg, L::kIdReg,
                   L::kIdLabelQuellPumpe, L::kIdQuellPumpe, L::kIdLuefterText, L::kIdVDI4650})
        ShowDlgItem(this, id, m_logik->IstSichtbar(id));
    if (QCheckBox* box = MitAllenKaestchen()) box->setChecked(m_logik->MitAllenHilfsenergien());
}

void CAuswertDlg::OnMitAllenHilfsenergien() {
    QCheckBox* box = MitAllenKaestchen();
    if (!box || !m_logik) return;
    m_logik->BerechneErgebnisse(box->isChecked());
    ZeigeTexte();
}

void CAuswertDlg::OnVDI4650() {
    CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(false);
    doc->DoVDI4650(0, this);
}

void CAuswertDlg::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"jahresergs"); }

bool CAuswertDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case L::kIdVDI4650:
            OnVDI4650();
            return true;
        case L::kIdHilfe:
            ZeigeHilfe();
            return true;
        case L::kIdReport:
            // Only the report module makes reports, and this dialog enables the button
            // only while it is bound; the document's command is then the one to run.
            if (CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true)) doc->onCommand(id);
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CAuswertDlg::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}
