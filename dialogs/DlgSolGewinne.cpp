#include "dialogs/DlgSolGewinne.h"

#include <QComboBox>
#include <QLineEdit>

#include "app/shell/KelvoApp.h"
#include "controls/grid/GridCtrl.h"
#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/db/TextIds.h"
#include "core/text/TextIdConstants.h"
#include "core/value/SpeicherVorgang.h"
#include "core/value/VRMStringArray.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/BiboSchreibschutz.h"
#include "dialogs/DlgKollDaten.h"
#include "dialogs/DlgSolGewinneLogik.h"
#include "dialogs/DlgTexte.h"
#include "evaluation/AuswertManager.h"
#include "evaluation/binding/Solar.h"
#include "model/app/OptionIds.h"
#include "model/data/NeuesObjekt.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kTitel = 4844;            // "Solar inputs"
constexpr unsigned kTabelleBeenden = 3529;   // "Please end the editing of the table(s) first."
constexpr unsigned kTempZuNiedrig = 5424;    // "Solar feed temperatures lower than %.0f °C ..."
constexpr unsigned kEnergieNegativ = 5425;   // "Solar feeds lower than 0 kWh are not allowed."
constexpr unsigned kKeineTabelle = 3179;     // "Could not create table!"
constexpr unsigned kNichtVorhanden = 3456;   // "n/a"
constexpr unsigned kEnergieKopf = 3472;      // "Solar input\n[kWh / m²]"
constexpr unsigned kTempKopf = 3471;         // "Temp.\n[°C]"
constexpr unsigned kFormatGanz = 3353;       // "%.0f"
constexpr unsigned kFormatEinsDez = 3354;    // "%.1f"
constexpr uint32_t kHinweis = platform::mb::OK | platform::mb::ICONINFORMATION;
constexpr int kZeilen = 13;

QComboBox* Box(QWidget* dlg, int id) { return qobject_cast<QComboBox*>(ui::child(dlg, id)); }

std::u16string Formatiert(unsigned formatId, float wert) {
    CVRMString text;
    text.Format(formatId, static_cast<double>(wert));
    return text;
}

}  // namespace

void RegistriereDlgSolGewinneVorlage() {
    using D = CDlgSolGewinne;
    if (ui::findDialogTemplate(D::kIDD)) return;
    std::vector<ui::ControlSpec> c;
    const int gruppen[3] = {1972, 1974, 1975};
    const int labels[3] = {1973, 1976, 1977};
    for (int k = 0; k < 3; ++k) {
        const int x = 7 + k * 136;
        c.push_back({gruppen[k], K::Group, {x, 3, x + 132, 252}});
        c.push_back({D::kIdGrid[k], K::Static, {x + 5, 14, x + 127, 178}});
        c.push_back({D::kIdAendern[k], K::Button, {x + 5, 181, x + 63, 195}});
        c.push_back({D::kIdSpeichern[k], K::Button, {x + 5, 181, x + 63, 195}});
        c.push_back({D::kIdAbbrechen[k], K::Button, {x + 67, 181, x + 127, 195}});
        c.push_back({D::kIdVersteckt[k], K::Button, {x + 67, 181, x + 127, 195}});
        c.push_back({labels[k], K::Static, {x + 5, 199, x + 95, 229}});
    }
    const std::vector<ui::ControlSpec> rest = {
        {D::kIdWawaTemp, K::Edit, {104, 201, 134, 213}, 0, u"", ui::cs::EditReadOnly},
        {D::kIdWawaVerlust, K::Edit, {104, 216, 134, 228}},
        {D::kIdHeizTemp, K::Edit, {240, 201, 270, 213}, 0, u"", ui::cs::EditReadOnly},
        {D::kIdHeizVerlust, K::Edit, {240, 216, 270, 228}},
        {1978, K::Static, {284, 236, 374, 246}},
        {D::kIdErdVerlust, K::Edit, {376, 234, 406, 246}},
        {1980, K::Group, {7, 256, 413, 298}},
        {2166, K::Static, {14, 268, 74, 278}},
        {D::kIdKollektor, K::DropList, {76, 266, 236, 278}},
        {D::kIdKollektorDlg, K::Button, {240, 265, 300, 279}},
        {1981, K::Static, {14, 283, 74, 293}},
        {D::kIdTyp, K::DropList, {76, 281, 236, 293}},
        {1982, K::Static, {306, 268, 376, 278}},
        {D::kIdAusrichtung, K::Edit, {378, 266, 406, 278}},
        {1983, K::Static, {306, 283, 376, 293}},
        {D::kIdNeigung, K::Edit, {378, 281, 406, 293}},
        {ui::kIdOk, K::DefButton, {257, 303, 307, 317}},
        {ui::kIdCancel, K::Button, {310, 303, 360, 317}},
        {D::kIdHilfe, K::Button, {363, 303, 413, 317}},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    ui::registerDialogTemplate({D::kIDD, {420, 321}, 0, u"Solare Gewinne", std::move(c)});
}

CDlgSolGewinne::CDlgSolGewinne(const CVRMString& anlage, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_anlage(anlage) {
    RegistriereDlgSolGewinneVorlage();
}

CDlgSolGewinne::~CDlgSolGewinne() = default;

bool CDlgSolGewinne::onInitDialog() {
    ui::showChild(this, kIdKollektorDlg, GetKelvoAppObjekt().GetDiagnoseSchalter() != 0);
    int32_t unbenutzt = 0;
    GetKelvoApp().GetOptionsManager().GetLongWert(OPT_COLOR_STD_WWPD, unbenutzt);
    GetKelvoApp().GetOptionsManager().GetLongWert(OPT_COLOR_BKGND_WPD, m_hintergrund);
    m_wawaTemp = solargewinne::Vorlauf(ISolar::get(m_anlage, ID_SolSollTemp).GetFloatVal());
    m_wawaVerlust = ISolar::get(m_anlage, ID_SolTauschVerlust).GetUIntVal();
    m_heizTemp = solargewinne::Vorlauf(ISolar::get(m_anlage, ID_SolSollTempH).GetFloatVal());
    m_heizVerlust = ISolar::get(m_anlage, ID_SolTauschVerlustH).GetUIntVal();
    m_erdVerlust = ISolar::get(m_anlage, ID_SolTauschVerlustE).GetUIntVal();
    m_tempGeoeffnet = {m_wawaTemp, m_heizTemp};
    if (QComboBox* typ = Box(this, kIdTyp)) {
        typ->clear();
        for (int i = 0; i < 4; ++i)
            typ->addItem(QString::fromStdU16String(CVRMString(getSolarkollektorIDS(i), nullptr)));
    }
    if (QComboBox* namen = Box(this, kIdKollektor)) {
        CVRMStringArray liste;
        CVRMdatenProvider::get().getListe(liste, LISTE_SOLARKOLLEKTOREN, true, nullptr, false);
        for (const CVRMString& n : liste) namen->addItem(QString::fromStdU16String(n));
        m_kollektor = ISolar::get(m_anlage, ID_SolKollBez).GetStringVal();
        namen->setCurrentIndex(namen->findText(QString::fromStdU16String(m_kollektor), Qt::MatchExactly));
        QObject::connect(namen, &QComboBox::activated, this,
                         [this](int) { ui::guarded(ui::Msg::Command, [this] { OnKollektorGewaehlt(); }); });
    }
    LadeKollektor();
    for (int art = 1; art <= 3; ++art) {
        ErzeugeGrid(art);
        FuelleGrid(art);
    }
    for (int id : {kIdWawaVerlust, kIdHeizVerlust, kIdErdVerlust}) {
        auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id));
        if (!feld) continue;
        QObject::connect(feld, &QLineEdit::textEdited, this, [this] { m_modified = 1; });
        const int art = id == kIdWawaVerlust ? 1 : id == kIdHeizVerlust ? 2 : 3;
        QObject::connect(feld, &QLineEdit::editingFinished, this,
                         [this, art] { ui::guarded(ui::Msg::KillFocus, [&] { VerlustVerlassen(art); }); });
    }
    updateData(false);
    Freigabe();
    setWindowTitle(DlgText(kTitel));
    SetzeDlgTexte(*this, {{1972, 4845, true}, {kIdAendern[0], 4848}, {kIdSpeichern[0], 4847},
                          {kIdAbbrechen[0], 4868}, {kIdVersteckt[0], 4846}, {1973, 4849},
                          {1974, 4850, true}, {kIdAendern[1], 4853}, {kIdSpeichern[1], 4852},
                          {kIdAbbrechen[1], 4869}, {kIdVersteckt[1], 4851}, {1976, 4854},
                          {1975, 4855, true}, {kIdAendern[2], 4858}, {kIdSpeichern[2], 4857},
                          {kIdAbbrechen[2], 4870}, {kIdVersteckt[2], 4856}, {1977, 4860},
                          {1978, 4859}, {1980, 4861, true}, {2166, 4863}, {kIdKollektorDlg, 4862},
                          {1981, 4865}, {1982, 4866}, {1983, 4867}, {ui::kIdOk, 5177},
                          {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    FaerbeNurLesendeFelder(*this);
    return true;
}

void CDlgSolGewinne::doDataExchange(ui::DataExchange& dx) {
    // A name the list does not hold stays as it is; an empty box does not empty it.
    const QComboBox* box = Box(this, kIdKollektor);
    if (!box || box->currentIndex() >= 0) {
        std::u16string name = m_kollektor;
        dx.listText(kIdKollektor, name);
        m_kollektor = CVRMString(name);
    }
    dx.listIndex(kIdTyp, m_typ);
    dx.integer(kIdAusrichtung, m_ausrichtung, -180, 180);
    dx.unsignedInt(kIdNeigung, m_neigung, 0, 90);
    dx.integer(kIdWawaTemp, m_wawaTemp);
    dx.unsignedInt(kIdWawaVerlust, m_wawaVerlust);
    dx.integer(kIdHeizTemp, m_heizTemp);
    dx.unsignedInt(kIdHeizVerlust, m_heizVerlust);
    dx.unsignedInt(kIdErdVerlust, m_erdVerlust);
}

bool CDlgSolGewinne::LeseWerte() {
    try {
        return updateData(true);
    } catch (const platform::UserException&) {
        return false;
    }
}

// ---- grids -----------------------------------------------------------------------------

void CDlgSolGewinne::ErzeugeGrid(int art) {
    const size_t i = static_cast<size_t>(art - 1);
    QWidget* platz = ui::child(this, kIdGrid[i]);
    if (!platz) ThrowFehler(kKeineTabelle, u"CDlgSolGewinne::OnInitDialog");
    const QRect r = platz->geometry();
    const int spalten = art == 3 ? 3 : 2;
    auto* g = new CGridCtrl(kZeilen, spalten, 1, 1);
    if (!g->Create({r.left(), r.top(), r.right() + 1, r.bottom() + 1}, this, 2001 + art - 1)) {
        delete g;
        ThrowFehler(kKeineTabelle, u"CDlgSolGewinne::OnInitDialog");
    }
    platz->hide();
    m_grids[i] = g;
    g->SetRedraw(false);
    g->SetGridLines(grid::kLinesBoth);
    g->EnableSelection(false);
    g->SetEditable(false);
    g->SetBkColor(static_cast<grid::Colour>(m_hintergrund));
    g->SetAllItemsBkColour(static_cast<grid::Colour>(m_hintergrund));
    const int breite = r.width();
    g->SetColumnWidth(0, breite * 20 / 100);
    if (art == 3) {
        g->SetColumnWidth(1, breite * 25 / 100);
        g->SetColumnWidth(2, breite * 55 / 100);
    } else {
        g->SetColumnWidth(1, breite * 80 / 100);
    }
    g->SetRowHeight(0, 30);
    grid::Font fett = g->GetFont();
    fett.weight = 700;
    const unsigned mitte = grid::kFormatCentre | ui::dt::VCenter;
    for (int c = 0; c < spalten; ++c) {
        g->SetItemFont(0, c, fett);
        g->SetItemFormat(0, c, mitte | ui::dt::WordBreak);
    }
    g->SetItemText(0, spalten - 1, DlgText(kEnergieKopf).toStdU16String());
    if (art == 3) g->SetItemText(0, 1, DlgText(kTempKopf).toStdU16String());
    for (int m = 0; m < 12; ++m) {
        g->SetItemFont(m + 1, 0, fett);
        g->SetItemFormat(m + 1, 0, mitte | ui::dt::SingleLine);
        g->SetItemText(m + 1, 0, CVRMString(getMonatAbkIDS(m), nullptr));
        for (int c = 1; c < spalten; ++c)
            g->SetItemFormat(m + 1, c, grid::kFormatRight | ui::dt::VCenter | ui::dt::SingleLine);
    }
    g->SetRedraw(true, true);
}

void CDlgSolGewinne::FuelleGrid(int art) {
    if (!ISolar::IstGeladen()) ThrowFehler(textid::kNichtInitialisiert, u"CDlgSolGewinne::FillGridDaten");
    if (m_anlage.empty()) ThrowFehler(textid::kDatenFehlen, u"CDlgSolGewinne::FillGridDaten");
    CGridCtrl* g = Grid(art);
    if (!g) return;
    CSolareGewinne gewinne(1);
    ISolar::GetSolareGewinne(m_anlage, static_cast<unsigned short>(art), gewinne);
    const std::u16string fehlt = DlgText(kNichtVorhanden).toStdU16String();
    const int energieSpalte = art == 3 ? 2 : 1;
    for (unsigned short m = 0; m < 12; ++m) {
        if (art == 3)
            g->SetItemText(m + 1, 1, gewinne.IstTempEingetragen(m) ? Formatiert(kFormatGanz, gewinne.GetGewinnTemp(m)) : fehlt);
        g->SetItemText(m + 1, energieSpalte,
                       gewinne.IstGewinnEingetragen(m) ? Formatiert(kFormatEinsDez, gewinne.GetGewinnWert(m)) : fehlt);
    }
    g->update();
}

bool CDlgSolGewinne::Geschuetzt() const {
    return IGlobal::IstBiboName(m_anlage) && !GetKelvoApp().GetConfSchalter();
}

void CDlgSolGewinne::StarteEdit(int art) {
    if (!ChangeBiboKomponente(9, m_anlage)) return;
    CGridCtrl* g = Grid(art);
    m_editierbar[static_cast<size_t>(art - 1)] = true;
    g->SetEditable(true);
    g->setFocus();
    g->SetFocusCell(1, 1);
    Freigabe();
}

void CDlgSolGewinne::BeendeEdit(int art) {
    m_editierbar[static_cast<size_t>(art - 1)] = false;
    Grid(art)->SetEditable(false);
    FuelleGrid(art);
    Freigabe();
}

void CDlgSolGewinne::SpeichereGrid(int art) {
    if (!ChangeBiboKomponente(9, m_anlage) || MeldeVerworfeneBiboSchreibung(m_anlage, kTitel)) return;
    ResetAlleBerechnungen();
    LeseWerte();
    CGridCtrl* g = Grid(art);
    m_editierbar[static_cast<size_t>(art - 1)] = false;
    g->SetEditable(false);
    std::array<solargewinne::SMonatsTexte, 12> texte;
    const int energieSpalte = art == 3 ? 2 : 1;
    for (int m = 0; m < 12; ++m) {
        if (art == 3) texte[static_cast<size_t>(m)].temperatur = g->GetItemText(m + 1, 1);
        texte[static_cast<size_t>(m)].energie = g->GetItemText(m + 1, energieSpalte);
    }
    const float temp = static_cast<float>(art == 1 ? m_wawaTemp : m_heizTemp);
    const solargewinne::SGelesen gelesen = solargewinne::LeseGewinne(art, temp, texte);
    if (gelesen.tempAngehoben) {
        CVRMString text;
        text.Format(kTempZuNiedrig, static_cast<double>(solargewinne::kMindestTemp));
        KVSMessageBoxCaptionID(text, textid::kProduktCaption, kHinweis);
    }
    if (gelesen.energieAngehoben) KVSMessageBoxID(kEnergieNegativ, textid::kProduktCaption, kHinweis);
    ISolar::SetSolareGewinne(m_anlage, static_cast<unsigned short>(art), gelesen.gewinne);
    m_gespeichert[static_cast<size_t>(art - 1)] = true;
    // Also the accepted entries are shown as the library holds them now.
    FuelleGrid(art);
    Freigabe();
}

void CDlgSolGewinne::Freigabe() {
    const bool geschuetzt = Geschuetzt();
    for (size_t i = 0; i < 3; ++i) {
        ui::showChild(this, kIdAendern[i], !m_editierbar[i]);
        ui::enableChild(this, kIdAendern[i], !geschuetzt);
        ui::showChild(this, kIdSpeichern[i], m_editierbar[i]);
        ui::showChild(this, kIdAbbrechen[i], m_editierbar[i]);
        ui::showChild(this, kIdVersteckt[i], false);
    }
}

// ---- losses, collector -----------------------------------------------------------------

void CDlgSolGewinne::VerlustVerlassen(int art) {
    const unsigned wawaVorher = m_wawaVerlust, heizVorher = m_heizVerlust;
    if (!LeseWerte()) return;
    if (art == 1) m_wawaTemp = solargewinne::VorlaufNachVerlust(m_wawaTemp, wawaVorher, m_wawaVerlust);
    if (art == 2) m_heizTemp = solargewinne::VorlaufNachVerlust(m_heizTemp, heizVorher, m_heizVerlust);
    updateData(false);
}

void CDlgSolGewinne::LadeKollektor() {
    if (m_kollektor.empty()) return;
    ISolar::InitKollektor(m_kollektor);
    m_ausrichtung = ISolar::get(m_kollektor, ID_DatenKAusrichtung).GetIntVal();
    m_neigung = ISolar::get(m_kollektor, ID_DatenKNeigung).GetUIntVal();
    m_typ = ISolar::get(m_kollektor, ID_KollektorTyp).GetIntVal();
}

void CDlgSolGewinne::OnKollektorGewaehlt() {
    m_modified = 1;
    LeseWerte();
    LadeKollektor();
    updateData(false);
}

void CDlgSolGewinne::OnKollektorDlg() {
    CDlgKollDaten dlg(m_anlage, m_kollektor, this);
    dlg.doModal();
    m_kollektor = dlg.m_kollektor;
    LadeKollektor();
    m_modified = 1;
    updateData(false);
}

// ---- commands --------------------------------------------------------------------------

bool CDlgSolGewinne::onCommand(int id, int notifyCode, ui::Window* from) {
    for (int k = 0; k < 3; ++k) {
        if (id == kIdAendern[k]) {
            LeseWerte();
            StarteEdit(k + 1);
            return true;
        }
        if (id == kIdSpeichern[k]) {
            SpeichereGrid(k + 1);
            return true;
        }
        if (id == kIdAbbrechen[k]) {
            BeendeEdit(k + 1);
            return true;
        }
    }
    switch (id) {
        case kIdKollektorDlg:
            OnKollektorDlg();
            return true;
        case kIdHilfe:
            GetKelvoApp().ShowHilfeThema(u"datenkoll");
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CDlgSolGewinne::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    GetKelvoApp().ShowHilfeThema(u"datenkoll");
    return true;
}

void CDlgSolGewinne::onOK() {
    if (!ChangeBiboKomponente(9, m_anlage)) return;
    for (bool e : m_editierbar) {
        if (e) {
            KVSMessageBoxID(kTabelleBeenden, textid::kProduktCaption, kHinweis);
            return;
        }
    }
    if (!LeseWerte()) return;
    if (m_modified && MeldeVerworfeneBiboSchreibung(m_anlage, kTitel)) return;
    if (m_modified) {
        ResetAlleBerechnungen();
        try {
            CSpeicherVorgang vorgang;
            if (m_gespeichert[2]) SpeichereGrid(3);
            // A loss changed moves the feed temperature shown: the gains into hot water and
            // heating are delivered at it from now on.
            for (int art = 1; art <= 2; ++art) {
                const size_t i = static_cast<size_t>(art - 1);
                const auto temp = art == 1 ? m_wawaTemp : m_heizTemp;
                if (temp == m_tempGeoeffnet[i] && !m_gespeichert[i]) continue;
                const auto a = static_cast<unsigned short>(art);
                CSolareGewinne gespeichert(1);
                ISolar::GetSolareGewinne(m_anlage, a, gespeichert);
                ISolar::SetSolareGewinne(
                    m_anlage, a, solargewinne::MitTemperatur(gespeichert, static_cast<float>(temp)));
            }
            ISolar::set(m_anlage, ID_SolTauschVerlust, CVRMVariant(m_wawaVerlust), 0);
            ISolar::set(m_anlage, ID_SolTauschVerlustH, CVRMVariant(m_heizVerlust), 0);
            ISolar::set(m_anlage, ID_SolTauschVerlustE, CVRMVariant(m_erdVerlust), 0);
            ISolar::set(m_anlage, ID_SolKollBez, CVRMVariant(m_kollektor), 0);
            ISolar::SaveDaten(m_anlage);
            vorgang.Abschliessen();
        } catch (const platform::UserException&) {
            // Reported where it was raised; the dialog stays with what was entered.
            return;
        }
    }
    endDialog(ui::kIdOk);
}

void CDlgSolGewinne::onCancel() {
    for (bool e : m_editierbar) {
        if (e) {
            KVSMessageBoxID(kTabelleBeenden, textid::kProduktCaption, kHinweis);
            return;
        }
    }
    endDialog(ui::kIdCancel);
}
