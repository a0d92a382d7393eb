#include "dialogs/KlimaDlg.h"

#include <QComboBox>
#include <QLineEdit>

#include "controls/small/FloatEdit.h"
#include "core/text/TextIdConstants.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/OrtsAuswahlBoxen.h"
#include "model/app/KelvoAppServices.h"
#include "platform/errors/UserException.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kTitelKlima = 4487;  // "Location: climate data"
constexpr unsigned kTitelBoden = 3215;  // "Ground temperatures"
constexpr unsigned kMonatsTexte[CKlimaDlgLogik::kMonate] = {3592, 3593, 3654, 3655, 3827, 3828,
                                                             3882, 3883, 3884, 3885, 3907, 3908};
constexpr int kIdGruppeMonate = 1879, kIdTextNormAussenTemp = 1081, kIdGeschuetzt = 1905,
              kIdNurLesen = 1878, kIdGruppeZuordnung = 1729;
constexpr int kIdTextZuordnung[CKlimaDlgLogik::kZuordnungen] = {1906, 1907, 1908};
constexpr int kErsterMonatsText = 1880;
constexpr float kMonatMin = -30.0f, kMonatMax = 50.0f;
constexpr float kNatMin = -50.0f, kNatMax = 15.0f;

ui::ControlSpec Zahlenfeld(int id, ui::Rect du) {
    return {id, K::Custom, du, 0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 1); }};
}

}  // namespace

void RegistriereKlimaDlgVorlage() {
    if (ui::findDialogTemplate(CKlimaDlg::kIDD)) return;
    std::vector<ui::ControlSpec> c = {
        {1871, K::Static, {7, 9, 44, 19}},
        {CKlimaDlg::kIdLand, K::DropList, {46, 7, 136, 20}},
        {1873, K::Static, {142, 9, 166, 19}},
        {CKlimaDlg::kIdPlz, K::DropList, {168, 7, 215, 20}},
        {CKlimaDlg::kIdOrt, K::DropList, {7, 25, 215, 38}},
        {CKlimaDlg::kIdNeuerOrt, K::Button, {7, 43, 92, 57}},
        {kIdNurLesen, K::Static, {98, 46, 215, 56}},
        {kIdGruppeMonate, K::Group, {7, 62, 215, 150}},
    };
    for (int m = 0; m < CKlimaDlgLogik::kMonate; ++m) {
        const int spalte = m / 6, zeile = m % 6;
        const int x = 16 + spalte * 102, y = 76 + zeile * 12;
        c.push_back({kErsterMonatsText + m, K::Static, {x, y + 2, x + 34, y + 11}});
        c.push_back(Zahlenfeld(CKlimaDlg::kMonatsIds[m], {x + 36, y, x + 86, y + 11}));
    }
    const std::vector<ui::ControlSpec> rest = {
        {kIdTextNormAussenTemp, K::Static, {7, 158, 148, 168}},
        Zahlenfeld(CKlimaDlg::kIdNormAussenTemp, {154, 156, 204, 167}),
        {kIdGeschuetzt, K::Static, {7, 158, 215, 168}, 0, u"", ui::cs::Hidden},
        {kIdGruppeZuordnung, K::Group, {7, 174, 215, 228}, 0, u"", ui::cs::Hidden},
        {1906, K::Static, {14, 185, 78, 203}, 0, u"", ui::cs::Hidden},
        {1020, K::DropList, {80, 187, 208, 200}, 0, u"", ui::cs::Hidden},
        {1907, K::Static, {14, 205, 78, 223}, 0, u"", ui::cs::Hidden},
        {1053, K::DropList, {80, 207, 208, 220}, 0, u"", ui::cs::Hidden},
        {1908, K::Static, {14, 205, 78, 223}, 0, u"", ui::cs::Hidden},
        {1062, K::DropList, {80, 207, 208, 220}, 0, u"", ui::cs::Hidden},
        {ui::kIdOk, K::DefButton, {56, 236, 106, 250}},
        {ui::kIdCancel, K::Button, {110, 236, 160, 250}},
        {CKlimaDlg::kIdHilfe, K::Button, {164, 236, 214, 250}},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    ui::registerDialogTemplate({CKlimaDlg::kIDD, {222, 257}, 0, u"", std::move(c)});
}

CKlimaDlg::CKlimaDlg(unsigned short modus, QWidget* parent, bool tovrel)
    : ui::Dialog(kIDD, parent),
      m_logik(modus, tovrel),
      m_gruppen(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)) {
    RegistriereKlimaDlgVorlage();
}

QComboBox* CKlimaDlg::Box(int id) { return qobject_cast<QComboBox*>(ui::child(this, id)); }

bool CKlimaDlg::onInitDialog() {
    m_gruppen.SetParent(this);
    m_gruppen.AddReadOnly(kIdNormAussenTemp);
    for (int id : kMonatsIds) {
        m_gruppen.AddReadOnly(id);
        m_gruppen.AddShow(id);
    }
    for (int id : kZuordnungsIds) m_gruppen.AddEnable(id);
    m_gruppen.AddShowInvers(kIdGeschuetzt);

    if (m_logik.Modus() == CKlimaDlgLogik::kKlimaorte) {
        for (int id : {1906, 1020, 1907, 1053, kIdGruppeZuordnung}) ui::showChild(this, id, true);
        setWindowTitle(DlgText(kTitelKlima));
    } else if (m_logik.Modus() == CKlimaDlgLogik::kBodentemperaturen) {
        PasseModus2An();
        setWindowTitle(DlgText(kTitelBoden));
    }
    ortsboxen::FuellePlz(*Box(kIdPlz));
    m_logik.Init();
    ortsboxen::FuelleLaender(*Box(kIdLand), m_logik.Auswahl());
    ZeigeListen();
    ZeigeWerte();
    Freigeben();
    SetzeDlgTexte(*this, {{1871, 4689}, {1873, 4690}, {kIdGruppeMonate, 4694, true},
                          {kIdTextNormAussenTemp, 4696}, {kIdGeschuetzt, 4695},
                          {kIdNurLesen, 4693}, {kIdGruppeZuordnung, 4448, true},
                          {1906, 4698}, {1907, 4699}, {1908, 4700}, {kIdNeuerOrt, 4691},
                          {ui::kIdOk, 5177}, {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    for (int m = 0; m < CKlimaDlgLogik::kMonate; ++m)
        ui::setChildText(this, kErsterMonatsText + m, DlgText(kMonatsTexte[m]).toStdU16String());
    Verbinde();
    return true;
}

// Without the design temperature and the assignments the buttons move up under the months.
void CKlimaDlg::PasseModus2An() {
    ui::showChild(this, kIdTextNormAussenTemp, false);
    ui::showChild(this, kIdNormAussenTemp, false);
    const QWidget* unten = ui::child(this, kIdGeschuetzt);
    const QWidget* ok = ui::child(this, ui::kIdOk);
    const int abstand = ok->y() - (unten->geometry().bottom() + ok->height() / 2);
    if (abstand <= 0) return;
    for (int id : {ui::kIdOk, ui::kIdCancel, kIdHilfe}) {
        QWidget* knopf = ui::child(this, id);
        knopf->move(knopf->x(), knopf->y() - abstand);
    }
    setFixedSize(width(), height() - abstand);
}

void CKlimaDlg::Verbinde() {
    QObject::connect(Box(kIdLand), &QComboBox::activated, this,
                     [this](int i) { ui::guarded(ui::Msg::Command, [&] { LandGewaehlt(i); }); });
    QObject::connect(Box(kIdPlz), &QComboBox::activated, this,
                     [this](int i) { ui::guarded(ui::Msg::Command, [&] { PlzGewaehlt(i); }); });
    QObject::connect(Box(kIdOrt), &QComboBox::activated, this,
                     [this](int i) { ui::guarded(ui::Msg::Command, [&] { OrtGewaehlt(i); }); });
    for (int z = 0; z < CKlimaDlgLogik::kZuordnungen; ++z) {
        QObject::connect(Box(kZuordnungsIds[z]), &QComboBox::activated, this, [this, z](int i) {
            m_logik.m_zuordnung[static_cast<size_t>(z)] = i;
            m_logik.SetGeaendert();
        });
    }
    std::vector<int> felder(std::begin(kMonatsIds), std::end(kMonatsIds));
    felder.push_back(kIdNormAussenTemp);
    for (int id : felder) {
        auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id));
        QObject::connect(feld, &QLineEdit::textEdited, this, [this] { m_logik.SetGeaendert(); });
    }
}

void CKlimaDlg::ZeigeListen() {
    ortsboxen::FuelleNamen(*Box(kIdOrt), m_logik.Orte(), true);
    if (m_logik.Modus() != CKlimaDlgLogik::kKlimaorte) return;
    for (int z = 0; z < CKlimaDlgLogik::kZuordnungen; ++z) {
        ortsboxen::FuelleNamen(*Box(kZuordnungsIds[z]),
                               m_logik.ZuordnungsListe(static_cast<CKlimaDlgLogik::Zuordnung>(z)),
                               false);
    }
}

void CKlimaDlg::ZeigeWerte() {
    ui::DataExchange dx(*this, false);
    for (int m = 0; m < CKlimaDlgLogik::kMonate; ++m)
        dx.floating(kMonatsIds[m], m_logik.m_monate[static_cast<size_t>(m)]);
    dx.floating(kIdNormAussenTemp, m_logik.m_normAussenTemp);
    ortsboxen::ZeigeAuswahl(*Box(kIdLand), *Box(kIdPlz), m_logik.Auswahl());
    ortsboxen::WaehleText(*Box(kIdOrt), m_logik.m_name);
    if (m_logik.Modus() != CKlimaDlgLogik::kKlimaorte) return;
    for (int z = 0; z < CKlimaDlgLogik::kZuordnungen; ++z) {
        QComboBox* box = Box(kZuordnungsIds[z]);
        const QSignalBlocker still(box);
        box->setCurrentIndex(m_logik.m_zuordnung[static_cast<size_t>(z)]);
    }
}

bool CKlimaDlg::LeseWerte() {
    ui::DataExchange dx(*this, true);
    try {
        for (int m = 0; m < CKlimaDlgLogik::kMonate; ++m)
            dx.floating(kMonatsIds[m], m_logik.m_monate[static_cast<size_t>(m)], kMonatMin,
                        kMonatMax);
        if (m_logik.Modus() == CKlimaDlgLogik::kKlimaorte)
            dx.floating(kIdNormAussenTemp, m_logik.m_normAussenTemp, kNatMin, kNatMax);
    } catch (const platform::UserException&) {
        return false;
    }
    return true;
}

void CKlimaDlg::Freigeben() {
    const CKlimaDlgLogik::SFreigabe f = m_logik.Freigabe();
    m_gruppen.Show(f.werteSichtbar);
    m_gruppen.SetReadOnly(f.nurLesen);
    m_gruppen.Enable(!f.nurLesen);
    ShowDlgItem(this, kIdNurLesen, f.nurLesenHinweis);
    EnableDlgItem(this, ui::kIdOk, f.okAktiv);
    FaerbeNurLesendeFelder(*this);
}

void CKlimaDlg::LandGewaehlt(int index) {
    if (m_logik.IstGeaendert() && !LeseWerte()) {
        ortsboxen::ZeigeAuswahl(*Box(kIdLand), *Box(kIdPlz), m_logik.Auswahl());
        return;
    }
    m_logik.LandGewaehlt(index);
    ZeigeListen();
    ZeigeWerte();
    Freigeben();
}

void CKlimaDlg::PlzGewaehlt(int index) {
    if (m_logik.IstGeaendert() && !LeseWerte()) {
        ortsboxen::ZeigeAuswahl(*Box(kIdLand), *Box(kIdPlz), m_logik.Auswahl());
        return;
    }
    m_logik.PlzGewaehlt(index);
    ZeigeListen();
    ZeigeWerte();
    Freigeben();
}

void CKlimaDlg::OrtGewaehlt(int index) {
    const CVRMString neu = Box(kIdOrt)->itemText(index).toStdU16String();
    if (m_logik.IstGeaendert() && !LeseWerte()) {
        ortsboxen::WaehleText(*Box(kIdOrt), m_logik.m_name);
        return;
    }
    m_logik.OrtGewaehlt(neu);
    ZeigeWerte();
    Freigeben();
}

void CKlimaDlg::NeuerOrt() {
    if (m_logik.IstGeaendert() && !LeseWerte()) return;
    m_logik.NeuerOrt();
    ZeigeListen();
    ZeigeWerte();
    Freigeben();
}

void CKlimaDlg::ZeigeHilfe() {
    GetKelvoApp().ShowHilfeThema(m_logik.Modus() == CKlimaDlgLogik::kBodentemperaturen
                                     ? u"dlgbodentemp"
                                     : u"dlgklimatemp");
}

void CKlimaDlg::onOK() {
    if (!LeseWerte()) return;
    if (m_logik.Speichern(true)) endDialog(ui::kIdOk);
}

void CKlimaDlg::onCancel() {
    if (m_logik.Abbrechen([this] { return LeseWerte(); })) endDialog(ui::kIdCancel);
}

bool CKlimaDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdNeuerOrt) {
        NeuerOrt();
        return true;
    }
    if (id == kIdHilfe) {
        ZeigeHilfe();
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CKlimaDlg::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}
