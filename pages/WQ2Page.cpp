#include "pages/WQ2Page.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <cmath>

#include "app/doc/Hinweise.h"
#include "app/doc/KelvoDoc.h"
#include "app/shell/KelvoApp.h"
#include "controls/small/FloatEdit.h"
#include "core/db/Global.h"
#include "core/db/Lists.h"
#include "core/db/TextIds.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/source/FSMdaten.h"
#include "model/source/WQuelle2.h"
#include "pages/WQ1PageLogik.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using namespace quellart;

constexpr unsigned kTitelErste = 3185, kTitelZweite = 3465;  // "Heat source data (2)", "(4)"
constexpr unsigned kFrage = 3220;        // "Save changed heat source data (page 2)?"
constexpr unsigned kFensterText = 4781;  // "<Heat source p. 2>"
constexpr unsigned kMaterialFrage = 3218, kMaterialCaption = 3188;
constexpr unsigned kKeinVolStrom = 3377;  // "The calculation of the flow-through is possible ..."
constexpr unsigned kVolStromZuKlein = 3376;
constexpr unsigned kNichtInitialisiert = 3092;
constexpr int kOptionenSeiteKosten = 3;
constexpr float kFluidTemp = 0.0f;         // °C at which the brine's values are taken
constexpr float kVorlaufMinVolStrom = 35.0f;  // °C flow temperature of the capacity
constexpr float kQuellTempMinVolStrom = 0.0f;
constexpr int kModi = 7;
const std::array<unsigned, 4> kZweiterETTexte = {3512, 3511, 3513, 3514};
const std::array<unsigned, 4> kArtTexte = {3600, 3601, 3602, 3603};

constexpr int kTx[] = {1939, 1940, 1941, 1942, 1943, 1944, 1945, 1946, 1947, 1948, 1949, 1950,
                       1953, 1954, 1952};

QString Sprache(unsigned id) {
    return QString::fromStdU16String(CResManager::getLangText(static_cast<uint16_t>(id)));
}

ui::ControlSpec Zahl(int id, ui::Rect du, unsigned style = 0, unsigned short stellen = 1) {
    ui::ControlSpec c{id, K::Custom, du, 0, u"", style,
                      [stellen](QWidget* p) { return new CFloatEdit(p, stellen); }};
    return c;
}

void RegistriereVorlage() {
    using P = CWQ2Page;
    if (ui::findDialogTemplate(P::kIDD)) return;
    constexpr unsigned H = ui::cs::Hidden;
    std::vector<ui::ControlSpec> c = {
        {P::kGrSole, K::Group, {7, 3, 209, 100}},
        {1939, K::Static, {14, 18, 100, 28}},
        {P::kIdFrostschutz, K::DropList, {104, 16, 202, 28}},
        {1940, K::Static, {14, 36, 100, 46}},
        Zahl(P::kIdKonzentration, {104, 34, 150, 46}),
        {1941, K::Static, {14, 54, 100, 74}},
        {P::kIdKonzMenge, K::Edit, {104, 58, 150, 70}, 0, u"", ui::cs::EditReadOnly},
        {1942, K::Static, {14, 80, 60, 90}, 0, u"", H},
        Zahl(P::kIdSpezWaerme, {62, 78, 100, 90}, H | ui::cs::EditReadOnly, 3),
        {1945, K::Static, {104, 80, 150, 90}, 0, u"", H},
        Zahl(P::kIdDichte, {152, 78, 202, 90}, H | ui::cs::EditReadOnly, 2),
        {1943, K::Static, {14, 80, 60, 90}, 0, u"", H},
        Zahl(P::kIdFluidLeit, {62, 78, 100, 90}, H | ui::cs::EditReadOnly, 4),
        {1944, K::Static, {104, 80, 150, 90}, 0, u"", H},
        Zahl(P::kIdViskos, {152, 78, 202, 90}, H | ui::cs::EditReadOnly, 3),
        {P::kGrWP, K::Group, {215, 3, 413, 100}},
        {1952, K::Static, {222, 18, 300, 28}, 0, u"", H},
        {P::kIdArt, K::DropList, {304, 16, 406, 28}, 0, u"", H},
        {P::kIdTextModus, K::Static, {222, 18, 300, 28}},
        {P::kIdModus, K::DropList, {304, 16, 406, 28}},
        {P::kIdTextBivTemp, K::Static, {222, 34, 350, 54}},
        {P::kIdBivTemp, K::Edit, {360, 38, 406, 50}},
        {P::kIdTextZweiterET, K::Static, {222, 60, 406, 70}},
        {P::kIdZweiterET, K::DropList, {222, 73, 406, 85}},
        {P::kIdKosten, K::Button, {222, 86, 406, 98}, 0, u"", H},
        {P::kGrKollektor, K::Group, {7, 104, 413, 236}},
        {1946, K::Static, {14, 120, 84, 130}},
        {1947, K::Static, {88, 120, 110, 130}},
        Zahl(P::kIdInnen, {112, 118, 142, 130}),
        {1948, K::Static, {148, 120, 170, 130}},
        Zahl(P::kIdAussen, {172, 118, 202, 130}),
        {1949, K::Static, {14, 138, 84, 148}},
        {P::kIdMaterial, K::DropList, {88, 136, 202, 148}},
        {1950, K::Static, {14, 154, 140, 174}},
        Zahl(P::kIdMatLeit, {150, 158, 202, 170}, 0, 2),
        {1953, K::Static, {14, 182, 84, 192}, 0, u"", H},
        {P::kIdUmhuellung, K::DropList, {88, 180, 202, 192}, 0, u"", H},
        {1954, K::Static, {14, 198, 84, 208}, 0, u"", H},
        Zahl(P::kIdUmhDurchm, {88, 196, 130, 208}, H),
        {P::kIdTextVolStrom, K::Static, {222, 116, 336, 136}},
        Zahl(P::kIdVolStrom, {346, 120, 406, 132}),
        {P::kIdBerechne, K::Check, {222, 142, 406, 162}},
        {P::kIdTextReynolds, K::Static, {222, 170, 336, 180}},
        {P::kIdReynolds, K::Edit, {346, 168, 406, 180}, 0, u"", ui::cs::EditReadOnly},
        {CEingabeSeite::kIdSpeichern, K::DefButton, {257, 242, 307, 256}},
        {CEingabeSeite::kIdSchliessen, K::Button, {310, 242, 360, 256}},
        {CEingabeSeite::kIdHilfe, K::Button, {363, 242, 413, 256}},
    };
    ui::registerDialogTemplate({P::kIDD, {420, 262}, 0, u"", std::move(c)});
}

int Ganz(float wert) { return platform::toInt32(std::floor(wert)); }

void FuelleListe(QComboBox* box, TKelvoListID liste) {
    CVRMStringArray namen;
    CVRMdatenProvider::get().getListe(namen, liste, true, nullptr, true);
    QStringList l;
    for (const CVRMString& n : namen) l << QString::fromStdU16String(n);
    l.sort();
    box->clear();
    box->addItems(l);
}

void Waehle(QComboBox* box, const CVRMString& name) {
    box->setCurrentIndex(name.empty() ? -1 : box->findText(QString::fromStdU16String(name), Qt::MatchExactly));
}

CVRMString Gewaehlt(QComboBox* box) {
    return box->currentIndex() >= 0 ? box->currentText().toStdU16String() : CVRMString();
}

}  // namespace

CWQ2Page::CWQ2Page(bool erste, int eingebettet)
    : CEingabeSeite({kIDD, erste ? kTitelErste : kTitelZweite, kFrage, komponente::kWQuelle, u"datenwq2"},
                    eingebettet),
      m_erste(erste),
      m_sole(ui::rgb(192, 192, 192), ui::rgb(0, 0, 0)) {
    RegistriereVorlage();
}

bool CWQ2Page::DesignModus() const { return Dokument().GetDimModus() != 0; }

bool CWQ2Page::Direkt() const {
    CWPumpe2& wp = Dokument().WPumpe();
    return wp.IstGueltig() && wp.GetWert(ID_MedienTyp).GetIntVal() == 3;
}

CWQuelle2* CWQ2Page::Quelle() const { return Dokument().GetWQuelle(m_erste ? 1 : 0); }
IDatenConsumer* CWQ2Page::GetKomponente() { return Quelle(); }

QComboBox* CWQ2Page::Box(int id) const {
    return qobject_cast<QComboBox*>(ui::child(const_cast<CWQ2Page*>(this), id));
}

SSoleFelder CWQ2Page::Sole() const {
    return {m_dichte, m_konzentration, m_innen, m_spezWaerme, m_viskos, m_fluidLeit};
}

// ---- loading ---------------------------------------------------------------------------

void CWQ2Page::LoadKomponente(const CVRMString& key, const CVRMString&, const CVRMString& zweiterKey) {
    if (m_modified && key == m_quelle.getName()) return;
    try {
        CVRMdatenProvider& store = CVRMdatenProvider::get();
        m_quelle = store.getWerte(key);
        m_andere.free();
        if (!zweiterKey.empty()) m_andere = store.getWerte(zweiterKey);
        m_modified = 0;
        FillPageDaten(0);
    } catch (const platform::UserException&) {
        ShowFehler(kNichtInitialisiert, nullptr);
    }
}

void CWQ2Page::FillPageDaten(int reload) {
    if (reload && !m_quelle.getName().empty()) m_quelle = CVRMdatenProvider::get().getWerte(m_quelle.getName());
    const auto f = [this](TKelvoDatenID id) { return m_quelle.get(id).GetFloatVal(); };
    const auto i = [this](TKelvoDatenID id) { return m_quelle.get(id).GetIntVal(); };
    const auto t = [this](TKelvoDatenID id) { return m_quelle.get(id).GetStringVal(); };
    m_art = i(ID_QuellMediumIdx);
    m_modus = i(ID_BetrWeiseIdx);
    m_zweiterET = i(ID_ZweiterETIdx);
    m_gespeicherterET = m_zweiterET;
    m_bivTemp = i(ID_DimPunktTemp);
    m_dichte = f(ID_FSMDichte);
    m_konzentration = static_cast<float>(m_quelle.get(ID_FSMKonz).GetUIntVal());
    m_spezWaerme = f(ID_FSMSpezW);
    m_viskos = f(ID_FSMViskos);
    m_fluidLeit = f(ID_FSMWaermeLF);
    m_umhDurchm = f(ID_DurchmUmhuell);
    m_aussen = f(ID_RohrAussen);
    m_innen = f(ID_RohrInnen);
    m_volStrom = f(ID_VolStrom);
    m_berechne = m_quelle.get(ID_BerechneVolStrom).GetBoolVal() ? 1 : 0;
    m_matLeit = f(ID_WaermeleitAbs);
    m_frostschutz = t(ID_FSMittel);
    m_material = t(ID_AbsMaterial);
    m_umhuellung = t(ID_AbsUmhuell);
    m_soleVorher = Sole();
    if (!hasWindow()) return;
    ZeigeWerte();
    ui::enableChild(this, kIdBivTemp, IstMonoenergetisch(m_modus) || IstBivalent(m_modus));
    UpdateSpezMasze();
}

void CWQ2Page::UpdatePageDaten(int arg) {
    if (arg == komponente::kWarmwasser) {
        // The first source's page gave this record its heating-system values.
        if (m_quelle.getName().empty()) return;
        const CVRMwerteListe& gespeichert = CVRMdatenProvider::get().getWerte(m_quelle.getName());
        for (TKelvoDatenID id : {ID_BetrWeiseIdx, ID_DimPunktTemp, ID_ZweiterETIdx})
            m_quelle.get(id) = gespeichert.get(id);
        m_modus = m_quelle.get(ID_BetrWeiseIdx).GetIntVal();
        m_bivTemp = m_quelle.get(ID_DimPunktTemp).GetIntVal();
        m_zweiterET = m_gespeicherterET = m_quelle.get(ID_ZweiterETIdx).GetIntVal();
        return;
    }
    if (!m_modified && !m_quelle.getName().empty()) FillPageDaten(0);
}

void CWQ2Page::UpdatePageDaten2(int hint) {
    // The user's unsaved entries stay as they are.
    if (m_modified) return;
    if ((hint == hinweis::kWPumpe || hint == hinweis::kAlles) && hasWindow()) {
        BerechneMinVolStrom();
        ZeigeWerte();
    }
}

void CWQ2Page::OnOptionsChanged(int optionId) {
    // The options pages send their one hint after any change, the own heating's name too.
    if (optionId != hinweis::kOptionen || !hasWindow()) return;
    QComboBox* box = Box(kIdZweiterET);
    if (!box || box->count() == 0) return;
    const int wahl = box->currentIndex();
    CVRMString name;
    GetKelvoApp().GetOptionsManager().GetStringWert(OPT_NAME_ZET, name);
    box->setItemText(box->count() - 1, QString::fromStdU16String(name));
    box->setCurrentIndex(wahl);
}

// ---- opening ---------------------------------------------------------------------------

void CWQ2Page::FuelleZweiterET() {
    QComboBox* box = Box(kIdZweiterET);
    box->clear();
    for (unsigned id : kZweiterETTexte) box->addItem(Sprache(id));
    CVRMString name;
    GetKelvoApp().GetOptionsManager().GetStringWert(OPT_NAME_ZET, name);
    box->addItem(QString::fromStdU16String(name));
}

void CWQ2Page::InitSeite() {
    QComboBox* modi = Box(kIdModus);
    modi->clear();
    for (int m = 0; m < kModi; ++m) modi->addItem(Sprache(getBetriebsweiseIDS(m)));
    QComboBox* art = Box(kIdArt);
    art->clear();
    for (unsigned id : kArtTexte) art->addItem(Sprache(id));
    FuelleListe(Box(kIdUmhuellung), LISTE_UMHUELLUNGEN_ABS);
    FuelleListe(Box(kIdMaterial), LISTE_MATERIALIEN_ABS);
    FuelleListe(Box(kIdFrostschutz), LISTE_FROSTSCHUTZMITTEL);
    FuelleZweiterET();
    m_sole.SetParent(this);
    for (int id : {1116, 1118, 1119, 1120, 1121}) m_sole.AddEnable(static_cast<unsigned>(id));
    const auto verbinde = [this](int id, void (CWQ2Page::*handler)()) {
        QObject::connect(Box(id), &QComboBox::activated, this,
                         [this, handler] { ui::guarded(ui::Msg::Command, [&] { (this->*handler)(); }); });
    };
    verbinde(kIdFrostschutz, &CWQ2Page::OnFrostschutz);
    verbinde(kIdMaterial, &CWQ2Page::OnMaterial);
    verbinde(kIdModus, &CWQ2Page::OnModus);
    for (int id : {kIdUmhuellung, kIdZweiterET})
        QObject::connect(Box(id), &QComboBox::activated, this,
                         [this] { ui::guarded(ui::Msg::Command, [this] { Geaendert(); }); });
    for (int id : {kIdSpezWaerme, kIdDichte, kIdFluidLeit, kIdViskos, kIdKonzentration, kIdInnen})
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(feld, &QLineEdit::editingFinished, this,
                             [this] { ui::guarded(ui::Msg::Command, [this] { OnKillfocusSole(); }); });
    if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, kIdBivTemp)))
        QObject::connect(feld, &QLineEdit::editingFinished, this, [this] {
            ui::guarded(ui::Msg::Command, [this] {
                if (LeseWerte()) ZeigeWerte();
            });
        });
    setWindowTitle(Sprache(kFensterText));
    FillPageDaten(0);
    try {
        BerechneMinVolStrom();
        UpdateKonzentratMenge();
    } catch (const platform::UserException&) {
    }
    ui::enableChild(this, kIdArt, false);
    ZeigeWerte();
    m_soleVorher = Sole();
}

std::vector<SDlgText> CWQ2Page::Texte() const {
    return {{kGrSole, 4782, true}, {1939, 4783}, {1940, 4784}, {1942, 4786}, {1945, 4789},
            {1943, 4787}, {1944, 4788}, {1941, 4785}, {kGrKollektor, 4790, true}, {1946, 4791},
            {1947, 4792}, {1948, 4793}, {1949, 4794}, {1950, 4795}, {1953, 4805}, {1954, 4806},
            {kIdTextVolStrom, 4796}, {kIdBerechne, 4797}, {kIdTextReynolds, 4382},
            {kGrWP, 4798, true}, {1952, 4803}, {kIdTextModus, 4799}, {kIdTextBivTemp, 4800},
            {kIdTextZweiterET, 4801}, {kIdKosten, 4802}};
}

std::vector<int> CWQ2Page::Aenderungen() const {
    // What the user types counts at once; values the page puts into the brine fields count
    // only when they changed by enough (OnKillfocusSole).
    return {kIdDichte, kIdUmhDurchm, kIdVolStrom, kIdKonzentration, kIdAussen, kIdInnen, kIdSpezWaerme,
            kIdViskos, kIdMatLeit, kIdFluidLeit, kIdBivTemp};
}

void CWQ2Page::Austausch(ui::DataExchange& dx) {
    if (QComboBox* art = Box(kIdArt); art && !dx.saving())
        art->setCurrentIndex(m_art >= 0 && m_art < art->count() ? m_art : -1);
    dx.floating(kIdKonzentration, m_konzentration, 0.0f, 100.0f);
    dx.floating(kIdSpezWaerme, m_spezWaerme);
    dx.floating(kIdDichte, m_dichte);
    dx.floating(kIdFluidLeit, m_fluidLeit);
    dx.floating(kIdViskos, m_viskos);
    if (!dx.saving()) dx.unsignedInt(kIdKonzMenge, m_konzMenge);
    dx.floating(kIdInnen, m_innen);
    dx.floating(kIdAussen, m_aussen);
    dx.floating(kIdMatLeit, m_matLeit, 0.1f, 500.0f);
    dx.floating(kIdUmhDurchm, m_umhDurchm);
    dx.floating(kIdVolStrom, m_volStrom);
    dx.check(kIdBerechne, m_berechne);
    if (!dx.saving()) dx.unsignedInt(kIdReynolds, m_reynolds);
    dx.listIndex(kIdModus, m_modus);
    dx.integer(kIdBivTemp, m_bivTemp);
    dx.listIndex(kIdZweiterET, m_zweiterET);
    if (dx.saving()) {
        m_frostschutz = Gewaehlt(Box(kIdFrostschutz));
        m_material = Gewaehlt(Box(kIdMaterial));
        m_umhuellung = Gewaehlt(Box(kIdUmhuellung));
    } else {
        Waehle(Box(kIdFrostschutz), m_frostschutz);
        Waehle(Box(kIdMaterial), m_material);
        Waehle(Box(kIdUmhuellung), m_umhuellung);
    }
}

bool CWQ2Page::Befehl(int id) {
    switch (id) {
        case kIdBerechne: OnBerechne(); return true;
        case kIdKosten: GetKelvoAppObjekt().OpenOptionen(kOptionenSeiteKosten); return true;
        default: return false;
    }
}

// ---- layout ----------------------------------------------------------------------------

void CWQ2Page::ZeigeModus() {
    if (!m_erste) {
        for (int id : {kIdTextModus, kIdModus}) ui::showChild(this, id, false);
    }
    const bool bivTemp = m_erste && (IstMonoenergetisch(m_modus) || IstBivalent(m_modus));
    const bool zweiterET = m_erste && IstBivalent(m_modus);
    for (int id : {kIdTextBivTemp, kIdBivTemp}) ui::showChild(this, id, bivTemp);
    for (int id : {kIdTextZweiterET, kIdZweiterET}) ui::showChild(this, id, zweiterET);
    ui::showChild(this, kIdKosten, false);
}

void CWQ2Page::UpdateSpezMasze() {
    if (!hasWindow()) return;
    if (m_art < 0 || m_art > kAndere) ThrowFehler(textid::kFalscheKonstante, u"CWQ2Page::UpdateSpezMasze");
    const bool direkt = Direkt();
    const bool erdreich = IstErdreich(m_art);
    const bool sole = erdreich && !direkt;
    m_sole.Enable(sole);
    for (int id : {kGrSole, kIdKonzentration, kIdKonzMenge}) ui::enableChild(this, id, sole);
    const bool rohr = erdreich && !direkt && m_art != kKollektor2;
    for (int id : {kIdUmhDurchm, kIdUmhuellung, kIdBerechne}) ui::enableChild(this, id, rohr);
    ui::enableChild(this, kIdVolStrom, rohr && !m_berechne);
    for (int id : {kIdVolStrom, kIdTextVolStrom, kIdBerechne}) ui::showChild(this, id, !direkt);
    for (int id : {kIdMaterial, kIdMatLeit}) ui::enableChild(this, id, false);
    for (int id : {kIdReynolds, kIdTextReynolds}) ui::showChild(this, id, erdreich && !direkt);
    ui::enableChild(this, kGrKollektor, erdreich);
    for (int id : {kIdInnen, kIdAussen}) ui::enableChild(this, id, erdreich && m_art != kKollektor2);
    ZeigeModus();
    ZeigeWerte();
}

// ---- brine and flow --------------------------------------------------------------------

void CWQ2Page::UpdateSoleWerte() {
    const unsigned konz = static_cast<unsigned>(std::max(0, Ganz(m_konzentration)));
    if (m_frostschutz.empty()) return;
    m_dichte = CFSMdaten::getDichte(m_frostschutz, konz, kFluidTemp);
    m_spezWaerme = CFSMdaten::getSpezWaerme(m_frostschutz, konz, kFluidTemp);
    m_viskos = CFSMdaten::getKinViskos(m_frostschutz, konz, kFluidTemp);
    m_fluidLeit = CFSMdaten::getWaermeleit(m_frostschutz, konz, kFluidTemp);
}

void CWQ2Page::UpdateKonzentratMenge() {
    UpdateSoleWerte();
    unsigned laenge = 0;
    const unsigned l = m_quelle.get(ID_WQuelleLaenge).GetUIntVal();
    if (m_art == kSonde || m_art == kKollektor || m_art == kKollektor2) laenge = l;
    else if (m_art == kSonde2) laenge = l * 26;
    const unsigned anzahl = (m_art == kSonde || m_art == kSonde2 || m_art == kKollektor2)
                                ? m_quelle.get(ID_SoleKreise).GetUIntVal()
                                : 1u;
    m_konzMenge = CWQuelle2::GetFrostschutzMenge(m_art, m_innen, laenge, anzahl, m_konzentration, Direkt(),
                                                 m_quelle.get(ID_Sondenart).GetIntVal());
}

void CWQ2Page::BerechneMinVolStrom() {
    if (!IstErdreich(m_art) || !m_berechne) return;
    CKelvoDoc& doc = Dokument();
    CWPumpe2& wp = doc.WPumpe();
    if (!wp.IstGueltig() || !doc.Haus().IstInitialisiert()) {
        KVSMessageBoxID(kKeinVolStrom, textid::kProduktCaption, platform::mb::ICONINFORMATION);
        m_berechne = 0;
        ZeigeWerte();
        return;
    }
    CWQuelle2* quelle = Quelle();
    if (!quelle || !quelle->IstGueltig()) return;
    UpdateSoleWerte();
    float leistung = 0.0f;
    wp.GetLeistungGesamt(CWPumpe2::kHeizLeistung, kQuellTempMinVolStrom, kVorlaufMinVolStrom,
                         doc.Haus().GetWert(ID_HeizVorlauf).GetFloatVal(),
                         doc.Haus().GetWert(ID_HeizRuecklauf).GetFloatVal(), leistung);
    const unsigned anzahlWP = std::max(1u, doc.Projekt().GetWert(ID_AnzahlWP).GetUIntVal());
    const float minimum = GeforderterVolStrom(wp.GetWert(ID_VolStromSole).GetFloatVal(), anzahlWP);
    m_volStrom = quelle->MinVolStromSole(doc.Projekt().GetWert(ID_TempDiffVerdampf2).GetFloatVal(), leistung,
                                         minimum, m_dichte, m_spezWaerme, m_innen, m_viskos, m_art);
    // The computed flow is shown; it is written at once only where the record may be
    // changed (the page's Save does the rest, with its checks).
    const CVRMString& name = m_quelle.getName();
    const bool aenderbar = (!IGlobal::IstBiboName(name) || GetKelvoApp().GetConfSchalter()) &&
                           doc.IstProjektAenderbar(false) && !IstEingebettet();
    if (aenderbar) {
        quelle->SetWert(ID_VolStrom, CVRMVariant(m_volStrom), true);
        m_quelle.get(ID_VolStrom) = m_volStrom;
    }
}

void CWQ2Page::OnKillfocusSole() {
    if (!LeseWerte()) return;
    const SSoleFelder jetzt = Sole();
    if (!SoleGeaendert(m_soleVorher, jetzt)) return;
    m_soleVorher = jetzt;
    Geaendert();
    BerechneMinVolStrom();
    UpdateKonzentratMenge();
    m_soleVorher = Sole();
    UpdateSpezMasze();
}

void CWQ2Page::OnFrostschutz() {
    if (!LeseWerte()) return;
    UpdateSoleWerte();
    BerechneMinVolStrom();
    UpdateKonzentratMenge();
    m_soleVorher = Sole();
    Geaendert();
    ZeigeWerte();
}

void CWQ2Page::OnMaterial() {
    if (!LeseWerte()) return;
    if (KVSMessageBoxID(kMaterialFrage, kMaterialCaption, platform::mb::YESNO | platform::mb::ICONQUESTION) ==
        platform::id::YES) {
        const CVRMwerteListe& material = CVRMdatenProvider::get().getWerte(m_material);
        m_matLeit = material.get(ID_WaermeleitAbs).GetFloatVal();
    }
    Geaendert();
    ZeigeWerte();
}

void CWQ2Page::OnModus() {
    m_modus = Box(kIdModus)->currentIndex();
    ui::enableChild(this, kIdBivTemp, IstMonoenergetisch(m_modus) || IstBivalent(m_modus));
    ZeigeModus();
    Geaendert();
}

void CWQ2Page::OnBerechne() {
    if (!LeseWerte()) return;
    BerechneMinVolStrom();
    UpdateKonzentratMenge();
    UpdateSpezMasze();
    Geaendert();
}

void CWQ2Page::CheckVolStromAbsorber() {
    CKelvoDoc& doc = Dokument();
    CWPumpe2& wp = doc.WPumpe();
    if (!IstErdreich(m_art) || !wp.IstGueltig()) return;
    const unsigned anzahlWP = std::max(1u, doc.Projekt().GetWert(ID_AnzahlWP).GetUIntVal());
    const float gefordert = GeforderterVolStrom(wp.GetWert(ID_VolStromSole).GetFloatVal(), anzahlWP);
    float verfuegbar = m_volStrom;
    CKombiWQuelle2& kombi = doc.KombiWQuelle();
    if (kombi.GetAnzahlWQuellen() > 1) {
        CWQuelle2* andere = doc.GetWQuelle(m_erste ? 0 : 1);
        if (andere && andere->IstGueltig()) verfuegbar += andere->GetWert(ID_VolStrom).GetFloatVal();
    }
    if (!VolStromZuKlein(verfuegbar, gefordert)) return;
    CVRMString text;
    text.Format(kVolStromZuKlein, static_cast<double>(gefordert));
    KVSMessageBoxCaptionID(text, TitelTextId(), platform::mb::ICONINFORMATION);
}

// ---- activation ------------------------------------------------------------------------

void CWQ2Page::ZeigeReynolds() {
    if (DesignModus()) return;
    if (CWQuelle2* q = Quelle(); q && q->IstGueltig())
        m_reynolds = static_cast<unsigned>(std::max(0, Ganz(q->GetReynoldsZahl())));
    if (hasWindow()) {
        ui::DataExchange dx(*this, false);
        dx.unsignedInt(kIdReynolds, m_reynolds);
    }
}

bool CWQ2Page::onSetActive() {
    if (!CEingabeSeite::onSetActive()) return false;
    try {
        UpdateKonzentratMenge();
        ZeigeReynolds();
        ZeigeWerte();
        m_soleVorher = Sole();
    } catch (const platform::UserException&) {
    }
    return true;
}

void CWQ2Page::onOK() {
    CEingabeSeite::onOK();
    if (!m_modified) ZeigeReynolds();
}

// ---- readers for the design test -------------------------------------------------------

unsigned CWQ2Page::GetEingabeU(TKelvoDatenID) {
    // The absorber page holds no whole-number entry of the design test.
    ThrowFehler(textid::kFalscheKonstante, u"CWQ2Page::GetEingabe(UINT)");
}

int CWQ2Page::GetEingabeI(TKelvoDatenID id) {
    if (hasWindow()) LeseWerte();
    switch (id) {
        case ID_BetrWeiseIdx: return m_modus;
        case ID_DimPunktTemp: return m_bivTemp;
        default: ThrowFehler(textid::kFalscheKonstante, u"CWQ2Page::GetEingabe(INT)");
    }
}

float CWQ2Page::GetEingabeF(TKelvoDatenID id) {
    if (hasWindow()) LeseWerte();
    if (id != ID_RohrAussen) ThrowFehler(textid::kFalscheKonstante, u"CWQ2Page::GetEingabe(float)");
    return m_aussen;
}

// ---- saving ----------------------------------------------------------------------------

bool CWQ2Page::PruefeEingaben() {
    // The kind belongs to the first page, which may have changed and saved it since this
    // page was filled: the checks take the record's, and this page never writes it.
    if (!m_quelle.getName().empty())
        m_art = CVRMdatenProvider::get().getWerte(m_quelle.getName()).get(ID_QuellMediumIdx).GetIntVal();
    CWPumpe2& wp = Dokument().WPumpe();
    const bool direkt = Direkt();
    CWQuelle2::PruefeKompatibilitaet(wp.IstGueltig() ? wp.GetWert(ID_MedienTyp).GetIntVal() : -1, m_art,
                                     direkt ? 1 : 0, DesignModus());
    CheckVolStromAbsorber();
    CWQuelle2::DatenOK(direkt, m_art, m_modus, m_volStrom, m_innen, m_aussen, m_material, m_umhuellung,
                       m_frostschutz, IstBivalent(m_modus), IstMonoenergetisch(m_modus), m_bivTemp);
    return true;
}

bool CWQ2Page::DarfSpeichern() { return DarfKomponenteAendern(2, m_quelle.getName()); }

void CWQ2Page::UebernimmWerte() {
    if (m_zweiterET != m_quelle.get(ID_ZweiterETIdx).GetIntVal()) {
        const std::optional<int> index = InvestIndexZweiterET(m_zweiterET);
        if (!index) ThrowFehler(textid::kFalscheKonstante, u"CWQ2Page::SaveModifiedData");
        CProjekt2& projekt = Dokument().Projekt();
        CProjekt2::InvestKosten kosten{};
        projekt.GetInvestKosten(kosten);
        kosten[kosten.size() - 1] = kosten[static_cast<std::size_t>(*index)];
        // Embedded, the project record is written only when the design is finished.
        projekt.SetInvestKosten(kosten, !IstEingebettet());
    }
    m_quelle.get(ID_BetrWeiseIdx) = m_modus;
    m_quelle.get(ID_ZweiterETIdx) = m_zweiterET;
    m_quelle.get(ID_DimPunktTemp) = m_bivTemp;
    m_quelle.get(ID_FSMDichte) = m_dichte;
    m_quelle.get(ID_FSMKonz) = static_cast<unsigned>(std::max(0, Ganz(m_konzentration)));
    m_quelle.get(ID_FSMSpezW) = m_spezWaerme;
    m_quelle.get(ID_FSMViskos) = m_viskos;
    m_quelle.get(ID_FSMWaermeLF) = m_fluidLeit;
    m_quelle.get(ID_DurchmUmhuell) = m_umhDurchm;
    m_quelle.get(ID_RohrAussen) = m_aussen;
    m_quelle.get(ID_RohrInnen) = m_innen;
    m_quelle.get(ID_VolStrom) = m_volStrom;
    m_quelle.get(ID_WaermeleitAbs) = m_matLeit;
    m_quelle.get(ID_FSMittel) = m_frostschutz;
    m_quelle.get(ID_AbsMaterial) = m_material;
    m_quelle.get(ID_AbsUmhuell) = m_umhuellung;
    m_quelle.get(ID_BerechneVolStrom) = m_berechne == 1;
    // The heating system's values are the same in both records of a combined source.
    if (m_erste && !m_andere.getName().empty()) {
        m_andere.get(ID_BetrWeiseIdx) = m_modus;
        m_andere.get(ID_DimPunktTemp) = m_bivTemp;
        m_andere.get(ID_ZweiterETIdx) = m_zweiterET;
    }
}

std::vector<CEingabeSeite::SSpeicherListe> CWQ2Page::Listen() {
    std::vector<SSpeicherListe> listen = {{&m_quelle, u"WQuelle1-Daten WQ2Page", 1}};
    if (m_erste && !m_andere.getName().empty()) listen.push_back({&m_andere, nullptr, 1});
    return listen;
}

void CWQ2Page::NachSpeichern() {
    m_gespeicherterET = m_zweiterET;
    if (m_erste && !m_andere.getName().empty()) GetDatenSheet().UpdatePageDaten(komponente::kWarmwasser);
}
