#include "pages/WQ1Page.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <cmath>

#include "app/doc/DatenSeitenFabrik.h"
#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "controls/small/FloatEdit.h"
#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/DatenBereich.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/BodenartDlg.h"
#include "dialogs/DlgErdluftDaten.h"
#include "dialogs/DlgQTemp.h"
#include "evaluation/binding/Erdluft.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/results/AuswertDaten.h"
#include "model/results/KelvoErgebnisse.h"
#include "model/source/WQuelle2.h"
#include "pages/WQ2Page.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using namespace quellart;

constexpr unsigned kTitelErste = 3151, kTitelZweite = 3464;  // "Heat source data (1)", "(3)"
constexpr unsigned kFrage = 3180;       // "Save changed heat source data (page 1)?"
constexpr unsigned kFensterText = 4748;  // "<heat source page 1>"
constexpr unsigned kArtWechsel = 3820;  // "Only a change between horizontal and vertical ..."
constexpr unsigned kBodenPasstNicht = 5564;  // "Kind of ground does not match heat source."
constexpr unsigned kSchichtungFalsch = 5696;  // "The given ground stratification has errors."
constexpr unsigned kKeinBoden = 3182, kKeineFeuchte = 3183, kKeineRichtung = 3184;
constexpr unsigned kBohrtiefe = 3528;   // "Attention: Drill depth is deeper than %u m !"
constexpr unsigned kSchichtenZuFlach = 3427;  // "The soil layers are not given up to ..."
constexpr unsigned kUngeradeAnzahl = 3271;
constexpr unsigned kFlaecheZuKlein = 3532, kLaengeZuKlein = 3533;
constexpr unsigned kFalscheLaenge = 3217, kQuellWechsel = 3187;
constexpr unsigned kErstSeite2Speichern = 4768;
constexpr unsigned kKeinTest = 3090;    // "No design test possible"
constexpr unsigned kLuftVorw = 3479;    // "Changed temperatures of air are calculated ..."
constexpr unsigned kKies = 3620;        // "gravel (average wet)"
constexpr unsigned kZahl = 3359;        // "%u"
constexpr unsigned kNichtInitialisiert = 3092;
constexpr unsigned kWechselAufgenommen = 3282;  // "New entry not added to selection list!"
constexpr unsigned kLabelAnzahlSonde = 3555, kLabelAnzahlKollektor = 3556,
                   kLabelLaengeSonde = 3553, kLabelLaengeKollektor = 3554;
constexpr float kSondenFlaeche = 25.0f;  // m² of ground per probe
constexpr int32_t kVorgabeBohrtiefe = 100;  // m, when the option is not set
constexpr int kMaxTiefe = 300;
constexpr int kUnbenutzt[4] = {5341, 5344, 5346, 5348};  // not a text id

constexpr int kGrBoden = 1456, kTxBis = 1935, kGrKollektor = 1303, kGrWasser = 1673,
              kTxWasser = 1674, kGrTemps = 1407, kTxAbstand = 1937, kTxMeter = 1938;

const std::array<unsigned, 4> kArtTexte = {3600, 3601, 3602, 3603};
const std::array<unsigned, 3> kRichtungTexte = {3604, 3605, 3631};
const std::array<unsigned, 3> kFeuchteTexte = {3632, 3633, 3634};

QString Sprache(unsigned id) {
    return QString::fromStdU16String(CResManager::getLangText(static_cast<uint16_t>(id)));
}

ui::ControlSpec Zahl(int id, ui::Rect du) {
    return {id, K::Custom, du, 0, u"", 0, [](QWidget* p) { return new CFloatEdit(p, 1); }};
}

void RegistriereVorlage() {
    using P = CWQ1Page;
    if (ui::findDialogTemplate(P::kIDD)) return;
    std::vector<ui::ControlSpec> c = {
        {P::kIdGruppeQuelle, K::Group, {7, 3, 209, 132}},
        {P::kIdArt, K::DropList, {14, 15, 202, 27}},
        {P::kIdTextAnzahl, K::Static, {14, 34, 126, 44}},
        {P::kIdAnzahl, K::Edit, {130, 32, 202, 44}},
        {P::kIdTextReihe, K::Static, {14, 50, 126, 60}},
        {P::kIdReihe, K::DropList, {130, 48, 202, 60}},
        {P::kIdTextLaenge, K::Static, {14, 66, 126, 76}},
        {P::kIdLaenge, K::Edit, {130, 64, 202, 76}},
        {P::kIdTextFlaeche, K::Static, {14, 82, 126, 92}},
        {P::kIdFlaeche, K::Edit, {130, 80, 202, 92}},
        {kTxAbstand, K::Static, {14, 82, 60, 92}, 0, u"", ui::cs::Hidden},
        // Computed on save, not shown.
        {P::kIdAbstand, K::Custom, {62, 80, 100, 92}, 0, u"", ui::cs::Hidden,
         [](QWidget* p) { return new CFloatEdit(p, 1); }},
        {kTxMeter, K::Static, {102, 82, 112, 92}, 0, u"", ui::cs::Hidden},
        {P::kIdTextReynolds, K::Static, {14, 98, 126, 108}},
        {P::kIdReynolds, K::Edit, {130, 96, 202, 108}, 0, u"", ui::cs::EditReadOnly},
        {P::kIdTesten, K::Button, {14, 113, 202, 127}},
        {kGrTemps, K::Group, {7, 136, 209, 170}},
        {P::kIdUserTemps, K::Check, {14, 150, 104, 162}},
        {P::kIdTemperaturen, K::Button, {106, 149, 202, 163}},
        {kGrWasser, K::Group, {7, 174, 209, 236}},
        {kTxWasser, K::Static, {14, 186, 126, 206}},
        {P::kIdWasserTemp, K::Edit, {130, 189, 202, 201}},
        {P::kIdZwischenWT, K::Check, {14, 214, 202, 226}},
        {kGrBoden, K::Group, {215, 3, 413, 132}},
        {kTxBis, K::Static, {222, 14, 252, 40}},
    };
    for (int i = 0; i < 4; ++i) {
        const int y = 44 + i * 16;
        c.push_back({P::kIdTiefe[i], K::Edit, {222, y, 252, y + 12}});
        c.push_back({P::kIdBoden[i], K::DropList, {256, y, 406, y + 12}});
        c.push_back({kUnbenutzt[i], K::DropList, {256, y, 406, y + 12}, 0, u"", ui::cs::Hidden});
    }
    const std::vector<ui::ControlSpec> rest = {
        {P::kIdBodenwerte, K::Button, {222, 111, 406, 125}},
        {kGrKollektor, K::Group, {215, 136, 413, 186}},
        {P::kIdTextRichtung, K::Static, {222, 151, 290, 161}},
        {P::kIdRichtung, K::DropList, {292, 149, 406, 161}},
        {P::kIdTextFeuchte, K::Static, {222, 168, 290, 178}},
        {P::kIdFeuchte, K::DropList, {292, 166, 406, 178}},
        {P::kIdGruppeLuft, K::Group, {215, 190, 413, 236}},
        {P::kIdLuftVorw, K::Check, {222, 202, 330, 226}},
        {P::kIdErdluft, K::Button, {334, 206, 406, 220}},
        {CEingabeSeite::kIdSpeichern, K::DefButton, {257, 242, 307, 256}},
        {CEingabeSeite::kIdSchliessen, K::Button, {310, 242, 360, 256}},
        {CEingabeSeite::kIdHilfe, K::Button, {363, 242, 413, 256}},
    };
    c.insert(c.end(), rest.begin(), rest.end());
    ui::registerDialogTemplate({P::kIDD, {420, 262}, 0, u"", std::move(c)});
}

void Fuelle(QComboBox* box, std::span<const unsigned> texte) {
    box->clear();
    for (unsigned id : texte) box->addItem(Sprache(id));
}

int Ganz(float wert) { return platform::toInt32(std::floor(wert)); }

}  // namespace

CWQ1Page::CWQ1Page(bool erste, int eingebettet)
    : CEingabeSeite({kIDD, erste ? kTitelErste : kTitelZweite, kFrage, komponente::kWQuelle, u"datenwq1"},
                    eingebettet),
      m_erste(erste),
      m_erdreich(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)),
      m_sonde(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)),
      m_kollektor(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)),
      m_lage(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)),
      m_wasser(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)),
      m_luft(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)),
      m_weitere(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)) {
    RegistriereVorlage();
}

void RegistriereQuellenSeiten() {
    RegistriereDatenSeite(CKVSDatenSheetProtokoll::kWQ1, [](const SSeitenWunsch& w) {
        return std::unique_ptr<CKVSDatenPage>(std::make_unique<CWQ1Page>(w.ersteQuelle, w.wizard));
    });
    RegistriereDatenSeite(CKVSDatenSheetProtokoll::kWQ2, [](const SSeitenWunsch& w) {
        return std::unique_ptr<CKVSDatenPage>(std::make_unique<CWQ2Page>(w.ersteQuelle, w.wizard));
    });
}

bool CWQ1Page::DesignModus() const { return Dokument().GetDimModus() != 0; }

bool CWQ1Page::Direkt() const {
    CWPumpe2& wp = Dokument().WPumpe();
    return wp.IstGueltig() && wp.GetWert(ID_MedienTyp).GetIntVal() == 3;
}

CWQuelle2* CWQ1Page::Quelle() const { return Dokument().GetWQuelle(m_erste ? 1 : 0); }

IDatenConsumer* CWQ1Page::GetKomponente() { return Quelle(); }

QComboBox* CWQ1Page::Box(int id) const {
    return qobject_cast<QComboBox*>(ui::child(const_cast<CWQ1Page*>(this), id));
}

// ---- loading ---------------------------------------------------------------------------

void CWQ1Page::LoadKomponente(const CVRMString& key, const CVRMString&, const CVRMString&) {
    if (m_modified && key == m_quelle.getName()) return;
    try {
        m_quelle = CVRMdatenProvider::get().getWerte(key);
        m_modified = 0;
        FillPageDaten(0);
    } catch (const platform::UserException&) {
        KVSMessageBoxID(kNichtInitialisiert, TitelTextId(), platform::mb::ICONEXCLAMATION);
    }
}

void CWQ1Page::UpdatePageDaten(int) {
    if (!m_modified && !m_quelle.getName().empty()) FillPageDaten(0);
}

void CWQ1Page::FillPageDaten(int reload) {
    if (reload && !m_quelle.getName().empty()) m_quelle = CVRMdatenProvider::get().getWerte(m_quelle.getName());
    const auto u = [this](TKelvoDatenID id) { return m_quelle.get(id).GetUIntVal(); };
    const auto b = [this](TKelvoDatenID id) { return m_quelle.get(id).GetBoolVal() ? 1 : 0; };
    m_art = m_quelle.get(ID_QuellMediumIdx).GetIntVal();
    m_abstand = m_quelle.get(ID_WQuelleAbstand).GetFloatVal();
    m_flaeche = u(ID_WQuelleFlaeche);
    m_laenge = u(ID_WQuelleLaenge);
    m_anzahl = u(ID_SoleKreise);
    m_reihe = std::max(u(ID_SondenReihe), 1u);
    m_luftVorw = b(ID_ErdluftAbs);
    m_feuchte = m_quelle.get(ID_AbsLageBodenIdx).GetIntVal();
    m_richtung = m_quelle.get(ID_AbsRichtungIdx).GetIntVal();
    m_wasserTemp = u(ID_WasserTemp);
    m_userTemps = b(ID_UserQuellTemp);
    m_zwischenWT = b(ID_ZwkWt);
    const TKelvoDatenID tiefen[4] = {ID_QTiefe1, ID_QTiefe2, ID_QTiefe3, ID_QTiefe4};
    const TKelvoDatenID boeden[4] = {ID_Boden1, ID_Boden2, ID_Boden3, ID_Boden4};
    for (int i = 0; i < 4; ++i) {
        m_schichten.tiefe[i] = u(tiefen[i]);
        m_schichten.boden[i] = m_quelle.get(boeden[i]).GetStringVal();
    }
    if (!hasWindow()) return;
    ZeigeWerte();
    WaehleBoeden();
    ui::enableChild(this, kIdTemperaturen, m_userTemps != 0);
    FuelleReihen();
    UpdateSpezMasze();
}

void CWQ1Page::AddListenEintrag(const CVRMString& name) {
    if (!hasWindow() || name.empty()) return;
    for (int id : kIdBoden) {
        QComboBox* box = Box(id);
        if (!box) ThrowFehler(kWechselAufgenommen, nullptr);
        box->addItem(QString::fromStdU16String(name));
        box->model()->sort(0);
    }
}

// ---- opening ---------------------------------------------------------------------------

void CWQ1Page::InitSeite() {
    Fuelle(Box(kIdArt), kArtTexte);
    Fuelle(Box(kIdRichtung), kRichtungTexte);
    Fuelle(Box(kIdFeuchte), kFeuchteTexte);
    for (CEnablerDisabler* g : {&m_erdreich, &m_sonde, &m_kollektor, &m_lage, &m_wasser, &m_luft, &m_weitere})
        g->SetParent(this);
    for (int id : {1251, 1091, 1209, 1205, 1197, 1220, 5342, 5343, 5345, 5347, 1672, 1456, 1123, 1125,
                   1440, 1439, 1128, 1092, 2210})
        m_erdreich.AddEnable(static_cast<unsigned>(id));
    for (int id : {1305, 1304, 1122, 1191, 1303}) m_kollektor.AddEnable(static_cast<unsigned>(id));
    for (int id : {1305, 1304}) m_lage.AddEnable(static_cast<unsigned>(id));
    for (int id : {1673, 1674, 1215, 1755}) m_wasser.AddEnable(static_cast<unsigned>(id));
    for (int id : {1406, 1336, 1401}) m_luft.AddShow(static_cast<unsigned>(id));
    FuelleBodenListen();
    for (int i = 0; i < 4; ++i) {
        ui::showChild(this, kIdTiefe[i], true);
        ui::showChild(this, kUnbenutzt[i], false);
    }
    for (int id : {1076, 1457, 1675, 1441, 2212}) ui::showChild(this, id, false);
    const auto verbinde = [this](int id, void (CWQ1Page::*handler)()) {
        QObject::connect(Box(id), &QComboBox::activated, this,
                         [this, handler] { ui::guarded(ui::Msg::Command, [&] { (this->*handler)(); }); });
    };
    verbinde(kIdArt, &CWQ1Page::OnSelchangeMedium);
    for (int id : kIdBoden) verbinde(id, &CWQ1Page::OnSelchangeSchicht);
    verbinde(kIdReihe, &CWQ1Page::OnSelchangeReihe);
    for (int id : {kIdRichtung, kIdFeuchte})
        QObject::connect(Box(id), &QComboBox::activated, this,
                         [this] { ui::guarded(ui::Msg::Command, [this] { Geaendert(); }); });
    if (auto* anzahl = qobject_cast<QLineEdit*>(ui::child(this, kIdAnzahl)))
        QObject::connect(anzahl, &QLineEdit::editingFinished, this,
                         [this] { ui::guarded(ui::Msg::Command, [this] { OnKillfocusAnzahl(); }); });
    setWindowTitle(Sprache(kFensterText));
    FillPageDaten(0);
    UpdateBodenschichten();
    UpdateLuftGruppe();
}

void CWQ1Page::FuelleBodenListen() {
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, LISTE_BODENARTEN, true, nullptr, true);
    QStringList l[4];
    for (const CVRMString& n : namen) {
        const QString q = QString::fromStdU16String(n);
        l[0] << q;
        if (IstBiboNameProQm(n)) continue;
        l[1] << q;
        if (IstBiboNameProM(n)) continue;
        l[2] << q;
        l[3] << q;
    }
    for (int i = 0; i < 4; ++i) {
        if (i > 0) l[i] << QString();
        l[i].sort();
        QComboBox* box = Box(kIdBoden[i]);
        box->clear();
        box->addItems(l[i]);
        box->setCurrentIndex(-1);
    }
}

void CWQ1Page::WaehleBoeden() {
    for (int i = 0; i < 4; ++i) {
        QComboBox* box = Box(kIdBoden[i]);
        box->setCurrentIndex(box->findText(QString::fromStdU16String(m_schichten.boden[i]), Qt::MatchExactly));
    }
}

void CWQ1Page::FuelleReihen() {
    QComboBox* box = Box(kIdReihe);
    box->clear();
    for (unsigned z : Reihenzahlen(m_anzahl)) {
        CVRMString text;
        text.Format(kZahl, z);
        box->addItem(QString::fromStdU16String(text));
    }
    CVRMString reihe;
    reihe.Format(kZahl, m_reihe);
    box->setCurrentIndex(box->findText(QString::fromStdU16String(reihe)));
}

// ---- controls --------------------------------------------------------------------------

std::vector<SDlgText> CWQ1Page::Texte() const {
    // The count and length labels follow the kind (UpdateSpezMasze).
    return {{kIdGruppeQuelle, 4765, true}, {kIdTextReihe, 4767}, {kIdTextFlaeche, 4773}, {kTxAbstand, 4778}, {kTxMeter, 4779},
            {kIdTextReynolds, 4018}, {kIdTesten, 4780}, {kGrBoden, 4749, true}, {kTxBis, 4750},
            {kIdBodenwerte, 4751}, {kGrKollektor, 4754, true}, {kIdTextRichtung, 4755},
            {kIdTextFeuchte, 4756}, {kGrWasser, 4758, true}, {kTxWasser, 4759},
            {kIdZwischenWT, 5925}, {kIdGruppeLuft, 4761, true}, {kIdLuftVorw, 4762},
            {kIdErdluft, 4763}, {kGrTemps, 4775, true}, {kIdUserTemps, 4776},
            {kIdTemperaturen, 4777}};
}

std::vector<int> CWQ1Page::Aenderungen() const {
    return {kIdTiefe[0], kIdTiefe[1], kIdTiefe[2], kIdTiefe[3], kIdWasserTemp, kIdAnzahl,
            kIdLaenge, kIdFlaeche, kIdAbstand, kIdZwischenWT};
}

void CWQ1Page::Austausch(ui::DataExchange& dx) {
    // The kind list offers 0 to 3: a kind the list cannot show stays as it is.
    if (QComboBox* art = Box(kIdArt)) {
        if (dx.saving()) {
            if (art->currentIndex() >= 0) m_art = art->currentIndex();
        } else {
            art->setCurrentIndex(m_art >= 0 && m_art < art->count() ? m_art : -1);
        }
    }
    dx.unsignedInt(kIdAnzahl, m_anzahl, static_cast<unsigned>(datenbereich::kSoleKreise.min),
                   static_cast<unsigned>(datenbereich::kSoleKreise.max));
    dx.unsignedInt(kIdLaenge, m_laenge);
    dx.unsignedInt(kIdFlaeche, m_flaeche);
    dx.floating(kIdAbstand, m_abstand);
    if (!dx.saving()) dx.unsignedInt(kIdReynolds, m_reynolds);
    dx.listIndex(kIdRichtung, m_richtung);
    dx.listIndex(kIdFeuchte, m_feuchte);
    dx.unsignedInt(kIdWasserTemp, m_wasserTemp, 5, 30);
    dx.check(kIdZwischenWT, m_zwischenWT);
    dx.check(kIdLuftVorw, m_luftVorw);
    dx.check(kIdUserTemps, m_userTemps);
    for (int i = 0; i < 4; ++i) {
        dx.unsignedInt(kIdTiefe[i], m_schichten.tiefe[i], 0, kMaxTiefe);
        if (dx.saving()) LeseBoden(i);
    }
}

void CWQ1Page::LeseBoden(int schicht) {
    // A layer reads as its selected soil while its list is enabled; else empty.
    QComboBox* box = Box(kIdBoden[schicht]);
    m_schichten.boden[static_cast<size_t>(schicht)] =
        box->isEnabled() && box->currentIndex() >= 0 ? box->currentText().toStdU16String() : CVRMString();
}

bool CWQ1Page::Befehl(int id) {
    switch (id) {
        case kIdUserTemps: OnUserTemps(); return true;
        case kIdTemperaturen: OnTemperaturen(); return true;
        case kIdLuftVorw: OnLuftvorwaermung(); return true;
        case kIdErdluft: OnErdluft(); return true;
        case kIdBodenwerte: OnBodenwerte(); return true;
        case kIdTesten: OnAuslegungPruefen(); return true;
        default: return false;
    }
}

// ---- layout by kind --------------------------------------------------------------------

void CWQ1Page::UpdateLuftGruppe() {
    // The earth-air module is not always there: its controls stay hidden; with the module
    // the collector-data button follows the preheating box.
    m_luft.Show(false);
    if (IErdluft::IstGeladen()) {
        ui::enableChild(this, kIdErdluft, m_luftVorw != 0);
        if (DesignModus()) ui::showChild(this, kIdErdluft, false);
    }
}

void CWQ1Page::UpdateSpezMasze() {
    if (!hasWindow()) return;
    const bool design = DesignModus();
    for (int id : {kIdGruppeQuelle, kIdArt, kIdAnzahl, kIdTextAnzahl, kIdLaenge, kIdTextLaenge,
                   kIdFlaeche, kIdTextFlaeche, kIdReihe, kIdTextReihe, kIdTesten, kIdReynolds,
                   kIdTextReynolds})
        ui::showChild(this, id, !design);
    UpdateLuftGruppe();
    if (design) {
        for (int id : {kIdTiefe[0], kIdTiefe[1], kIdTiefe[2], kIdTiefe[3], kIdAbstand, kIdFlaeche,
                       kIdLaenge, kIdAnzahl, kIdBoden[0], kIdBoden[1], kIdBoden[2], kIdBoden[3],
                       kIdBodenwerte, kIdRichtung, kIdFeuchte, kIdWasserTemp})
            ui::enableChild(this, id, true);
        UpdateBodenschichten();
        return;
    }
    m_erdreich.Enable(IstErdreich(m_art));
    m_wasser.Enable(m_art == kWasser);
    const bool direkt = Direkt();
    switch (m_art) {
        case kSonde:
        case kSonde2:
            m_kollektor.Enable(false);
            m_lage.Enable(false);
            m_sonde.Enable(true);
            ui::showChild(this, kIdReihe, true);
            ui::showChild(this, kIdTextReihe, true);
            ui::showChild(this, kIdTextFlaeche, false);
            ui::showChild(this, kIdFlaeche, false);
            ui::setChildText(this, kIdTextAnzahl, Sprache(kLabelAnzahlSonde).toStdU16String());
            ui::setChildText(this, kIdTextLaenge, Sprache(kLabelLaengeSonde).toStdU16String());
            break;
        case kKollektor:
        case kKollektor2:
            m_sonde.Enable(false);
            m_lage.Enable(false);
            m_kollektor.Enable(true);
            UpdateBodenschichten();
            ui::showChild(this, kIdReihe, false);
            ui::showChild(this, kIdTextReihe, false);
            ui::showChild(this, kIdTextFlaeche, true);
            ui::showChild(this, kIdFlaeche, true);
            ui::setChildText(this, kIdTextAnzahl, Sprache(kLabelAnzahlKollektor).toStdU16String());
            ui::setChildText(this, kIdTextLaenge, Sprache(kLabelLaengeKollektor).toStdU16String());
            break;
        case kLuft:
        case kWasser:
        case kAndere:
            m_sonde.Enable(false);
            m_kollektor.Enable(false);
            m_lage.Enable(false);
            for (int id : {kIdTextAnzahl, kIdTextFlaeche, kIdTextLaenge, kIdTextReihe, kIdReihe,
                           kIdFlaeche, kIdLaenge, kIdAnzahl, kIdReynolds, kIdTextReynolds})
                ui::showChild(this, id, false);
            ZeigeWerte();
            return;
        default:
            ThrowFehler(textid::kFalscheKonstante, u"CWQ1Page::UpdateSpezMasze");
    }
    ui::showChild(this, kIdReynolds, !direkt);
    ui::showChild(this, kIdTextReynolds, !direkt);
    ZeigeWerte();
}

void CWQ1Page::UpdateBodenschichten() {
    if (!hasWindow()) return;
    const bool design = DesignModus();
    const CVRMString& s1 = m_schichten.boden[0];
    const CVRMString& s2 = m_schichten.boden[1];
    if (IstErdreich(m_art) || design) {
        const int offen = OffeneSchichten(s1, s2);
        for (int i = 1; i < 4; ++i) {
            ui::enableChild(this, kIdTiefe[i], i < offen);
            ui::enableChild(this, kIdBoden[i], i < offen);
        }
    }
    if (!design && m_art != kKollektor && m_art != kKollektor2) return;
    const bool imNamen = FeuchteImNamen(s1);
    const bool spezifisch = IstSpezifisch(s1, s2);
    if (spezifisch) m_richtung = 0;
    if (imNamen) {
        int feuchte = GetFeuchteAusNamen(s1);
        if (spezifisch) feuchte = feuchte == 0 ? 0 : 1;
        if (feuchte != m_feuchte) {
            m_feuchte = feuchte;
            Geaendert();
        }
    }
    for (int id : {kIdTextRichtung, kIdRichtung}) ui::enableChild(this, id, !spezifisch);
    for (int id : {kIdTextFeuchte, kIdFeuchte}) ui::enableChild(this, id, !spezifisch && !imNamen);
    ui::DataExchange dx(*this, false);
    dx.listIndex(kIdRichtung, m_richtung);
    dx.listIndex(kIdFeuchte, m_feuchte);
}

void CWQ1Page::SetzeSchichtenZurueck() {
    QComboBox* erste = Box(kIdBoden[0]);
    erste->setCurrentIndex(erste->findText(Sprache(kKies), Qt::MatchStartsWith));
    m_schichten.boden[0] = erste->currentIndex() >= 0 ? erste->currentText().toStdU16String() : CVRMString();
    for (int i = 1; i < 4; ++i) {
        Box(kIdBoden[i])->setCurrentIndex(0);
        m_schichten.boden[i] = Box(kIdBoden[i])->currentText().toStdU16String();
    }
    ZeigeWerte();
    UpdateBodenschichten();
}

// ---- handlers --------------------------------------------------------------------------

// The kind and layer rules judge what the lists show, whether or not another entry of the
// page could be read: a refused kind or layer must not wait in a list for the next save.
void CWQ1Page::OnSelchangeMedium() {
    const int alt = m_art;
    const int neu = Box(kIdArt)->currentIndex();
    LeseWerte();
    if (!ArtWechselErlaubt(alt, neu)) {
        KVSMessageBoxID(kArtWechsel, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        m_art = alt;
        Box(kIdArt)->setCurrentIndex(alt);
        return;
    }
    m_art = neu;
    for (int i = 0; i < 2; ++i) LeseBoden(i);
    Geaendert();
    UpdateSpezMasze();
    if (!DesignModus() && !SchichtPasstZuArt(m_schichten.boden[0], m_schichten.boden[1], m_art))
        SetzeSchichtenZurueck();
}

void CWQ1Page::OnSelchangeSchicht() {
    const bool gelesen = LeseWerte();
    for (int i = 0; i < 2; ++i) LeseBoden(i);
    if (!DesignModus() && !SchichtPasstZuArt(m_schichten.boden[0], m_schichten.boden[1], m_art)) {
        KVSMessageBoxID(kBodenPasstNicht, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        SetzeSchichtenZurueck();
    }
    UpdateBodenschichten();
    Geaendert();
    if (gelesen) ZeigeWerte();
}

void CWQ1Page::OnKillfocusAnzahl() {
    if (!LeseWerte()) return;
    if (m_art == kSonde) m_flaeche = m_anzahl * static_cast<unsigned>(kSondenFlaeche);
    m_reihe = 1;
    FuelleReihen();
    if (Box(kIdReihe)->count() > 0) Box(kIdReihe)->setCurrentIndex(0);
    ZeigeWerte();
}

void CWQ1Page::OnSelchangeReihe() {
    const QString text = Box(kIdReihe)->currentText();
    m_reihe = text.isEmpty() ? 1u : text.toUInt();
    Geaendert();
}

void CWQ1Page::OnUserTemps() {
    auto* box = qobject_cast<QAbstractButton*>(ui::child(this, kIdUserTemps));
    m_userTemps = box && box->isChecked() ? 1 : 0;
    ui::enableChild(this, kIdTemperaturen, m_userTemps != 0);
    Geaendert();
}

void CWQ1Page::OnTemperaturen() {
    CDlgQTemp dlg(Dokument(), m_erste ? CDlgQTemp::kErsteQuelle : CDlgQTemp::kZweiteQuelle, this);
    if (!dlg.SetDateiName(m_quelle.getName())) return;
    if (dlg.doModal() == ui::kIdOk) Geaendert();
}

void CWQ1Page::OnLuftvorwaermung() {
    if (!LeseWerte()) return;
    Geaendert();
    ui::enableChild(this, kIdErdluft, m_luftVorw != 0);
    if (m_luftVorw) {
        KVSMessageBoxID(kLuftVorw, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        // Without the earth-air module there is nothing to compute: the user's temperatures
        // stay as they are.
        if (IErdluft::IstGeladen()) {
            CKelvoDoc& doc = Dokument();
            CWQuelle2* quelle = Quelle();
            const CVRMString ort = doc.Haus().GetWert(ID_Klimaort).GetStringVal();
            std::array<float, 12> boden{}, luft{}, vorgewaermt{};
            try {
                quelle->GetQuellenTempsU(boden, 0.0f, kKollektor, false, ort);
                quelle->GetQuellenTempsU(luft, 0.0f, kLuft, false, ort);
                IErdluft::GetErdluftDaten7(doc.Haus().GetNormAussenTemp().GetFloatVal(), boden, luft,
                                           vorgewaermt);
            } catch (const platform::UserException&) {
                // Reported where it failed; the source keeps what it had.
                ZeigeWerte();
                return;
            }
            quelle->SetUserQuellTemps(vorgewaermt);
            m_userTemps = 1;
            ui::enableChild(this, kIdTemperaturen, true);
            m_art = kLuft;
        }
    } else {
        m_userTemps = 0;
        ui::enableChild(this, kIdTemperaturen, false);
    }
    ZeigeWerte();
}

void CWQ1Page::OnErdluft() {
    CKelvoDoc& doc = Dokument();
    int ausreichend = 1;
    if (!doc.BerechneProjekt(ausreichend, 1, 0)) return;
    CKelvoErgebnisse ergebnisse;
    CAuswertDaten record;
    std::array<float, 12> summen{};
    doc.GetAuswertDaten(ergebnisse, record, summen, 0, 0.0f);
    CDlgErdluftDaten dlg(record, this);
    dlg.doModal();
}

bool CWQ1Page::PruefeSchichtung() {
    if (!LeseWerte()) return false;
    if (!IstErdreich(m_art)) return true;
    if (SchichtungOK(m_schichten)) return true;
    KVSMessageBoxID(kSchichtungFalsch, TitelTextId(), platform::mb::ICONINFORMATION);
    return false;
}

float CWQ1Page::GetBodenwert(TKelvoDatenID id) {
    if (hasWindow()) LeseWerte();
    CVRMwerteListe kopie(m_quelle.getName());
    kopie.copy(m_quelle);
    kopie.get(ID_QuellMediumIdx) = m_art;
    kopie.get(ID_WQuelleLaenge) = m_laenge;
    const TKelvoDatenID tiefen[4] = {ID_QTiefe1, ID_QTiefe2, ID_QTiefe3, ID_QTiefe4};
    const TKelvoDatenID boeden[4] = {ID_Boden1, ID_Boden2, ID_Boden3, ID_Boden4};
    for (int i = 0; i < 4; ++i) {
        kopie.get(tiefen[i]) = m_schichten.tiefe[i];
        kopie.get(boeden[i]) = m_schichten.boden[i];
    }
    CWQuelle2 quelle;
    quelle.init(kopie);
    return quelle.GetWert(id).GetFloatVal();
}

void CWQ1Page::OnBodenwerte() {
    if (!PruefeSchichtung()) return;
    CBodenartDlg dlg(CVRMString(), this, GetBodenwert(ID_Waermeleitzahl), GetBodenwert(ID_SpezWaerme),
                     GetBodenwert(ID_Dichte));
    dlg.doModal();
}

void CWQ1Page::OnAuslegungPruefen() {
    try {
        CKVSDatenSheetProtokoll& sheet = GetDatenSheet();
        CKVSDatenPageProtokoll* andere = sheet.GetPageByID(CKVSDatenSheetProtokoll::kWQ2);
        if (andere && andere->IstErsteWQuelle() != IstErsteWQuelle())
            andere = sheet.GetPageByID(CKVSDatenSheetProtokoll::kWQ2, andere);
        auto* seite2 = dynamic_cast<CWQ2Page*>(andere);
        if (!seite2) ThrowFehler(textid::kFalscheKonstante, u"CWQ1Page::OnAuslegungPruefen");
        if (seite2->m_modified) {
            KVSMessageBoxID(kErstSeite2Speichern, textid::kProduktCaption, platform::mb::ICONINFORMATION);
            return;
        }
        Dokument().DoAuslegungTestWQ(this, seite2);
    } catch (const platform::UserException&) {
        ShowFehler(kKeinTest, nullptr);
    }
}

// ---- activation and the sheet's check --------------------------------------------------

void CWQ1Page::ZeigeReynolds() {
    if (DesignModus()) return;
    if (CWQuelle2* q = Quelle(); q && q->IstGueltig())
        m_reynolds = static_cast<unsigned>(std::max(0, Ganz(q->GetReynoldsZahl())));
    if (hasWindow()) {
        ui::DataExchange dx(*this, false);
        dx.unsignedInt(kIdReynolds, m_reynolds);
    }
}

bool CWQ1Page::onSetActive() {
    if (!CEingabeSeite::onSetActive()) return false;
    try {
        ZeigeReynolds();
    } catch (const platform::UserException&) {
    }
    return true;
}

int CWQ1Page::PruefeDaten() {
    try {
        if (hasWindow() && IstErdreich(m_art) && m_laenge < 1) {
            KVSMessageBoxID(kFalscheLaenge, kQuellWechsel, platform::mb::ICONINFORMATION);
            return 0;
        }
        return 1;
    } catch (const platform::UserException&) {
        return 0;
    }
}

// ---- the design test's readers ---------------------------------------------------------

unsigned CWQ1Page::GetEingabeU(TKelvoDatenID id) {
    if (hasWindow()) LeseWerte();
    switch (id) {
        case ID_WQuelleFlaeche: return m_flaeche;
        case ID_WQuelleLaenge: return m_laenge;
        case ID_SoleKreise: return m_anzahl;
        case ID_WasserTemp: return m_wasserTemp;
        case ID_SondenReihe: return m_reihe;
        default: ThrowFehler(textid::kFalscheKonstante, u"CWQ1Page::GetEingabe(UINT)");
    }
}

int CWQ1Page::GetEingabeI(TKelvoDatenID id) {
    if (hasWindow()) LeseWerte();
    switch (id) {
        case ID_QuellMediumIdx: return m_art;
        case ID_AbsLageBodenIdx: return m_feuchte;
        case ID_AbsRichtungIdx: return m_richtung;
        default: ThrowFehler(textid::kFalscheKonstante, u"CWQ1Page::GetEingabe(INT)");
    }
}

float CWQ1Page::GetEingabeF(TKelvoDatenID id) {
    if (id != ID_Waermeleitzahl) ThrowFehler(textid::kFalscheKonstante, u"CWQ1Page::GetEingabe(float)");
    return GetBodenwert(ID_Waermeleitzahl);
}

// ---- saving ----------------------------------------------------------------------------

bool CWQ1Page::PruefeEingaben() {
    CKelvoDoc& doc = Dokument();
    const bool design = DesignModus();
    CWPumpe2& wp = doc.WPumpe();
    CWQuelle2::PruefeKompatibilitaet(wp.IstGueltig() ? wp.GetWert(ID_MedienTyp).GetIntVal() : -1, m_art,
                                     Direkt() ? 1 : 0, design);
    if (design || IstErdreich(m_art)) {
        if (!PruefeSchichtung()) return false;
        unsigned meldung = 0;
        if (m_schichten.boden[0].empty()) meldung = kKeinBoden;
        else if (m_feuchte < 0) meldung = kKeineFeuchte;
        else if (m_richtung < 0) meldung = kKeineRichtung;
        if (meldung) {
            KVSMessageBoxID(meldung, TitelTextId(), platform::mb::ICONINFORMATION);
            return false;
        }
    }
    if ((m_art == kSonde || m_art == kSonde2) && !design) {
        int32_t maxTiefe = kVorgabeBohrtiefe;
        GetKelvoApp().GetOptionsManager().GetLongWert(OPT_GRENZ_BT, maxTiefe);
        if (m_laenge > static_cast<unsigned>(std::max(maxTiefe, 0))) {
            CVRMString text;
            text.Format(kBohrtiefe, static_cast<unsigned>(maxTiefe));
            KVSMessageBoxCaptionID(text, textid::kProduktCaption, platform::mb::ICONEXCLAMATION);
        }
        if (m_laenge > GetSchichtTiefe(m_schichten))
            KVSMessageBoxID(kSchichtenZuFlach, textid::kProduktCaption, platform::mb::ICONEXCLAMATION);
    }
    if (m_art == kKollektor2 && m_anzahl % 2 != 0) {
        KVSMessageBoxID(kUngeradeAnzahl, TitelTextId(), platform::mb::ICONINFORMATION);
        return false;
    }
    if (m_flaeche < 1 || m_laenge < 1) {
        KVSMessageBoxID(m_flaeche < 1 ? kFlaecheZuKlein : kLaengeZuKlein, TitelTextId(),
                        platform::mb::ICONINFORMATION);
        return false;
    }
    return true;
}

bool CWQ1Page::DarfSpeichern() { return DarfKomponenteAendern(2, m_quelle.getName()); }

void CWQ1Page::UebernimmWerte() {
    m_abstand = QuellAbstand(m_art, m_flaeche, m_laenge);
    const TKelvoDatenID tiefen[4] = {ID_QTiefe1, ID_QTiefe2, ID_QTiefe3, ID_QTiefe4};
    const TKelvoDatenID boeden[4] = {ID_Boden1, ID_Boden2, ID_Boden3, ID_Boden4};
    for (int i = 0; i < 4; ++i) {
        m_quelle.get(tiefen[i]) = m_schichten.tiefe[i];
        // A layer without depth keeps no soil.
        m_quelle.get(boeden[i]) = m_schichten.tiefe[i] ? m_schichten.boden[i] : CVRMString();
    }
    m_quelle.get(ID_QuellMediumIdx) = m_art;
    m_quelle.get(ID_WasserTemp) = m_wasserTemp;
    m_quelle.get(ID_AbsLageBodenIdx) = m_feuchte;
    m_quelle.get(ID_AbsRichtungIdx) = m_richtung;
    m_quelle.get(ID_WQuelleAbstand) = m_abstand;
    m_quelle.get(ID_WQuelleFlaeche) = m_flaeche;
    m_quelle.get(ID_WQuelleLaenge) = m_laenge;
    m_quelle.get(ID_SoleKreise) = m_anzahl;
    m_quelle.get(ID_SondenReihe) = m_reihe;
    m_quelle.get(ID_ErdluftAbs) = m_luftVorw == 1;
    m_quelle.get(ID_UserQuellTemp) = m_userTemps == 1;
    m_quelle.get(ID_ZwkWt) = m_zwischenWT == 1;
}

std::vector<CEingabeSeite::SSpeicherListe> CWQ1Page::Listen() {
    return {{&m_quelle, u"WQuelle-Daten WQ1Page", 1}};
}

void CWQ1Page::NachSpeichern() {}

void CWQ1Page::onOK() {
    CEingabeSeite::onOK();
    if (!m_modified) ZeigeReynolds();
}

