#include "dialogs/DlgKollDaten.h"

#include <QComboBox>
#include <QLineEdit>
#include <vector>

#include "app/shell/KelvoApp.h"
#include "controls/grid/GridCtrl.h"
#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/db/TextIds.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMStringArray.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/BiboSchreibschutz.h"
#include "dialogs/DlgKollDatenLogik.h"
#include "dialogs/DlgTexte.h"
#include "evaluation/AuswertManager.h"
#include "evaluation/binding/Solar.h"
#include "model/app/KelvoDocServices.h"
#include "model/app/OptionIds.h"
#include "model/data/NeuesObjekt.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;

constexpr unsigned kTitel = 4702;            // "Collector data"
constexpr unsigned kTitelKollektor = 3661;   // "Data for solar collector"
constexpr unsigned kTabelleBeenden = 3529;   // "Please end the editing of the table(s) first."
constexpr unsigned kBibo = 5368;             // "This is a %s from the database.\nYou cannot edit its data!"
constexpr unsigned kSolarkollektor = 3597;   // "Solar collector"
constexpr unsigned kDatenFehlen = 3586;      // "Solar collector data missing!"
constexpr unsigned kZelle = 3538;            // "Row %i, col %i"
constexpr unsigned kSpeicherFehler = 3094;   // "Error when saving data"
constexpr unsigned kKollektorDaten = 3521;   // "Solar collector data"
constexpr unsigned kFrageSpeichern = 3569;   // "Do you want to save the changed data?"
constexpr unsigned kNichtHinzugefuegt = 3282, kNichtGewaehlt = 3283, kNichtErzeugt = 3114;
constexpr unsigned kKeineTabelle = 3179;     // "Could not create table!"
constexpr unsigned kTmKopf = 3596;           // "Tm [°C]"
constexpr unsigned kFormatU = 3359, kFormatEinsDez = 3354;
constexpr uint32_t kHinweis = platform::mb::OK | platform::mb::ICONINFORMATION;

QComboBox* Box(QWidget* dlg, int id) { return qobject_cast<QComboBox*>(ui::child(dlg, id)); }

}  // namespace

void RegistriereDlgKollDatenVorlage() {
    using D = CDlgKollDaten;
    if (ui::findDialogTemplate(D::kIDD)) return;
    const std::vector<ui::ControlSpec> c = {
        {D::kIdKollektor, K::DropList, {7, 5, 230, 17}},
        {D::kIdNeu, K::Button, {236, 4, 350, 18}},
        {1892, K::Group, {7, 22, 350, 180}},
        {D::kIdPlatz, K::Static, {12, 34, 345, 156}},
        {D::kIdAendern, K::Button, {12, 160, 62, 174}},
        {D::kIdSpeichern, K::Button, {12, 160, 62, 174}},
        {D::kIdAbbrechen, K::Button, {66, 160, 116, 174}},
        {1910, K::Static, {7, 188, 70, 198}},
        {D::kIdTyp, K::DropList, {72, 186, 200, 198}},
        {1912, K::Static, {210, 188, 290, 198}},
        {D::kIdAusrichtung, K::Edit, {292, 186, 322, 198}},
        {1913, K::Static, {210, 202, 290, 212}},
        {D::kIdNeigung, K::Edit, {292, 200, 322, 212}},
        {ui::kIdOk, K::DefButton, {190, 218, 240, 232}},
        {ui::kIdCancel, K::Button, {245, 218, 295, 232}},
        {D::kIdHilfe, K::Button, {300, 218, 350, 232}},
    };
    ui::registerDialogTemplate({D::kIDD, {357, 236}, 0, u"", c});
}

CDlgKollDaten::CDlgKollDaten(const CVRMString& anlage, const CVRMString& kollektor, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_kollektor(kollektor), m_anlage(anlage) {
    RegistriereDlgKollDatenVorlage();
}

CDlgKollDaten::~CDlgKollDaten() = default;

bool CDlgKollDaten::onInitDialog() {
    GetKelvoApp().GetOptionsManager().GetLongWert(OPT_COLOR_BKGND_WPD, m_hintergrund);
    ErzeugeGrid();
    if (QComboBox* typ = Box(this, kIdTyp)) {
        typ->clear();
        for (int i = 0; i < 4; ++i)
            typ->addItem(QString::fromStdU16String(CVRMString(getSolarkollektorIDS(i), nullptr)));
        QObject::connect(typ, &QComboBox::activated, this, [this](int) { m_modified = 1; });
    }
    ui::showChild(this, kIdNeu, GetKelvoAppObjekt().GetDiagnoseSchalter() != 0);
    if (QComboBox* namen = Box(this, kIdKollektor)) {
        CVRMStringArray liste;
        CVRMdatenProvider::get().getListe(liste, LISTE_SOLARKOLLEKTOREN, true, nullptr, false);
        for (const CVRMString& n : liste) namen->addItem(QString::fromStdU16String(n));
        namen->setCurrentIndex(namen->findText(QString::fromStdU16String(m_kollektor), Qt::MatchExactly));
        QObject::connect(namen, &QComboBox::activated, this,
                         [this](int) { ui::guarded(ui::Msg::Command, [this] { OnKollektorGewaehlt(); }); });
    }
    for (int id : {kIdAusrichtung, kIdNeigung})
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(feld, &QLineEdit::textEdited, this, [this] { m_modified = 1; });
    LadeKollektor();
    setWindowTitle(DlgText(kTitel));
    SetzeDlgTexte(*this, {{kIdNeu, 4710}, {1892, 4703, true}, {kIdAendern, 4704}, {kIdSpeichern, 4706},
                          {kIdAbbrechen, 4705}, {1910, 4707}, {1912, 4708}, {1913, 4709},
                          {ui::kIdOk, 5177}, {ui::kIdCancel, 5176}, {kIdHilfe, 5178}});
    updateData(false);
    Freigabe();
    return true;
}

void CDlgKollDaten::doDataExchange(ui::DataExchange& dx) {
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
}

bool CDlgKollDaten::LeseWerte() {
    try {
        return updateData(true);
    } catch (const platform::UserException&) {
        return false;
    }
}

// ---- grid ------------------------------------------------------------------------------

void CDlgKollDaten::ErzeugeGrid() {
    QWidget* platz = ui::child(this, kIdPlatz);
    if (!platz) ThrowFehler(kKeineTabelle, u"CDlgKollDaten::OnInitDialog");
    const QRect r = platz->geometry();
    m_grid = new CGridCtrl(kZeilen, kSpalten, 1, 0);
    if (!m_grid->Create({r.left(), r.top(), r.right() + 1, r.bottom() + 1}, this, kIdGrid)) {
        delete m_grid;
        m_grid = nullptr;
        ThrowFehler(kKeineTabelle, u"CDlgKollDaten::OnInitDialog");
    }
    platz->hide();
    m_grid->SetRedraw(false);
    m_grid->SetGridLines(grid::kLinesBoth);
    m_grid->EnableSelection(false);
    m_grid->SetEditable(false);
    m_grid->SetBkColor(static_cast<grid::Colour>(m_hintergrund));
    m_grid->SetAllItemsBkColour(static_cast<grid::Colour>(m_hintergrund));
    // The whole table fits the placeholder: no scroll bars.
    const int breite = r.width() - 6;
    const int erste = breite * 17 / 100;
    m_grid->SetColumnWidth(0, erste);
    for (int c = 1; c < kSpalten; ++c) m_grid->SetColumnWidth(c, (breite - erste) / 12);
    for (int z = 0; z < kZeilen; ++z) m_grid->SetRowHeight(z, (r.height() - 6) / kZeilen);
    grid::Font fett = m_grid->GetFont();
    fett.weight = 700;
    const unsigned mitte = grid::kFormatCentre | ui::dt::VCenter | ui::dt::SingleLine;
    for (int c = 0; c < kSpalten; ++c) {
        m_grid->SetItemFont(0, c, fett);
        m_grid->SetItemFormat(0, c, mitte);
        m_grid->SetItemText(0, c, c == 0 ? DlgText(kTmKopf).toStdU16String()
                                          : std::u16string(CVRMString(getMonatAbkIDS(c - 1), nullptr)));
    }
    for (int z = 1; z < kZeilen; ++z) {
        m_grid->SetItemFont(z, 0, fett);
        m_grid->SetItemFormat(z, 0, mitte);
        for (int c = 1; c < kSpalten; ++c)
            m_grid->SetItemFormat(z, c, grid::kFormatRight | ui::dt::VCenter | ui::dt::SingleLine);
    }
    m_grid->SetRedraw(true, true);
}

void CDlgKollDaten::FuelleGrid() {
    if (!m_grid) return;
    std::vector<SKollektorErtrag> records;
    if (!m_kollektor.empty()) ISolar::GetKollektorErtraege(m_kollektor, records);
    int z = 1;
    for (const SKollektorErtrag& r : records) {
        if (z >= kZeilen) break;
        CVRMString text;
        text.Format(kFormatU, static_cast<unsigned>(r.key));
        m_grid->SetItemText(z, 0, text);
        for (int m = 0; m < 12; ++m) {
            text.Format(kFormatEinsDez, static_cast<double>(r.ertraege[static_cast<size_t>(m)]));
            m_grid->SetItemText(z, m + 1, text);
        }
        ++z;
    }
    for (; z < kZeilen; ++z)
        for (int c = 0; c < kSpalten; ++c) m_grid->SetItemText(z, c, u"");
    m_grid->update();
}

void CDlgKollDaten::LadeKollektor() {
    CVRMString titel(kTitelKollektor, nullptr);
    setWindowTitle(QString::fromStdU16String(titel + u" " + m_kollektor));
    if (m_kollektor.empty()) {
        FuelleGrid();
        return;
    }
    ISolar::InitKollektor(m_kollektor);
    FuelleGrid();
    m_ausrichtung = ISolar::get(m_kollektor, ID_DatenKAusrichtung).GetIntVal();
    m_neigung = ISolar::get(m_kollektor, ID_DatenKNeigung).GetUIntVal();
    m_typ = ISolar::get(m_kollektor, ID_KollektorTyp).GetIntVal();
}

bool CDlgKollDaten::DarfAendern() const { return DarfAendernName(m_kollektor); }

bool CDlgKollDaten::DarfAendernName(const CVRMString& kollektor) const {
    IKelvoDocServices* dok = GetKelvoApp().GetAktDokument(false);
    if (!dok || !dok->IstProjektAenderbar(true)) return false;
    if (IGlobal::IstBiboName(kollektor) && !GetKelvoApp().GetConfSchalter()) {
        CVRMString text;
        text.Format(kBibo, CVRMString(kSolarkollektor, nullptr));
        KVSMessageBoxCaptionID(text, textid::kProduktCaption, kHinweis);
        return false;
    }
    return !MeldeVerworfeneBiboSchreibung(kollektor, kKollektorDaten);
}

void CDlgKollDaten::Freigabe() {
    ui::showChild(this, kIdAendern, !m_editierbar);
    ui::showChild(this, kIdSpeichern, m_editierbar);
    ui::showChild(this, kIdAbbrechen, m_editierbar);
    for (int id : {kIdKollektor, kIdTyp, kIdAusrichtung, kIdNeigung}) ui::enableChild(this, id, !m_editierbar);
    if (GetKelvoAppObjekt().GetDiagnoseSchalter()) ui::enableChild(this, kIdNeu, !m_editierbar);
}

// ---- editing ---------------------------------------------------------------------------

void CDlgKollDaten::StarteEdit() {
    if (!DarfAendern()) return;
    m_editierbar = true;
    m_grid->SetEditable(true);
    m_grid->setFocus();
    m_grid->SetFocusCell(1, 0);
    Freigabe();
}

void CDlgKollDaten::BeendeEdit() {
    m_editierbar = false;
    m_grid->SetEditable(false);
    FuelleGrid();
    Freigabe();
}

void CDlgKollDaten::Speichere() {
    if (!DarfAendern()) return;
    try {
        ResetAlleBerechnungen();
        LeseWerte();
        m_editierbar = false;
        m_grid->SetEditable(false);
        std::vector<kolldaten::Zeile> zeilen;
        for (int z = 1; z < kZeilen; ++z) {
            kolldaten::Zeile zeile;
            for (int c = 0; c < kSpalten; ++c) zeile[static_cast<size_t>(c)] = m_grid->GetItemText(z, c);
            zeilen.push_back(std::move(zeile));
        }
        const kolldaten::SErtraege ertraege = kolldaten::LeseErtraege(zeilen);
        if (ertraege.leer) {
            CVRMString zelle;
            zelle.Format(kZelle, ertraege.leer->zeile, ertraege.leer->spalte);
            ThrowFehler(kDatenFehlen, std::u16string_view(zelle));
        }
        CVRMStringArray records;
        for (const std::u16string& r : ertraege.records) records.push_back(CVRMString(r));
        ISolar::SetKollektorErtraege(m_kollektor, records);
    } catch (const std::exception&) {
        ShowFehler2(kSpeicherFehler, kKollektorDaten);
    }
    Freigabe();
}

void CDlgKollDaten::OnKollektorGewaehlt() {
    const CVRMString vorher = m_kollektor;
    LeseWerte();
    if (m_modified) {
        if (KVSMessageBoxID(kFrageSpeichern, textid::kProduktCaption,
                            platform::mb::YESNO | platform::mb::ICONQUESTION) == platform::id::YES &&
            DarfAendernName(vorher)) {
            ISolar::set(vorher, ID_DatenKAusrichtung, CVRMVariant(m_ausrichtung), 0);
            ISolar::set(vorher, ID_DatenKNeigung, CVRMVariant(m_neigung), 0);
            ISolar::set(vorher, ID_KollektorTyp, CVRMVariant(m_typ), 1);
        }
    }
    m_modified = 0;
    LadeKollektor();
    updateData(false);
}

void CDlgKollDaten::OnNeu() {
    try {
        CVRMString name;
        if (!AddNeuesObjekt(10, name)) {
            updateData(false);
            return;
        }
        m_kollektor = name;
        QComboBox* namen = Box(this, kIdKollektor);
        if (!namen) ThrowFehler(kNichtHinzugefuegt, u"CDlgKollDaten::OnNeuerKollektor");
        namen->addItem(QString::fromStdU16String(name));
        const int i = namen->findText(QString::fromStdU16String(name), Qt::MatchExactly);
        if (i < 0) ThrowFehler(kNichtGewaehlt, u"CDlgKollDaten::OnNeuerKollektor");
        namen->setCurrentIndex(i);
        LadeKollektor();
    } catch (const std::exception&) {
        ShowFehler(kNichtErzeugt, u"CDlgKollDaten::OnNeuerKollektor");
    }
    updateData(false);
}

bool CDlgKollDaten::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdAendern: StarteEdit(); return true;
        case kIdSpeichern: Speichere(); return true;
        case kIdAbbrechen: BeendeEdit(); return true;
        case kIdNeu: OnNeu(); return true;
        case kIdHilfe: GetKelvoApp().ShowHilfeThema(u"datenkoll"); return true;
        default: return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CDlgKollDaten::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    GetKelvoApp().ShowHilfeThema(u"datenkoll");
    return true;
}

void CDlgKollDaten::onOK() {
    if (m_editierbar) {
        KVSMessageBoxID(kTabelleBeenden, textid::kProduktCaption, kHinweis);
        return;
    }
    if (m_modified) {
        if (!DarfAendern()) return;
        ResetAlleBerechnungen();
        if (!LeseWerte()) return;
        ISolar::set(m_kollektor, ID_DatenKAusrichtung, CVRMVariant(m_ausrichtung), 0);
        ISolar::set(m_kollektor, ID_DatenKNeigung, CVRMVariant(m_neigung), 0);
        ISolar::set(m_kollektor, ID_KollektorTyp, CVRMVariant(m_typ), 0);
        ISolar::SaveDaten(m_kollektor);
    }
    endDialog(ui::kIdOk);
}

void CDlgKollDaten::onCancel() {
    if (m_editierbar) {
        KVSMessageBoxID(kTabelleBeenden, textid::kProduktCaption, kHinweis);
        return;
    }
    endDialog(ui::kIdCancel);
}
