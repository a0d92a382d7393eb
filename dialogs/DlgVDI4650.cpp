#include "dialogs/DlgVDI4650.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "controls/small/EnablerDisabler.h"
#include "controls/small/Label.h"
#include "core/db/TextIds.h"
#include "core/text/ResManager.h"
#include "core/value/VRMdatenProvider.h"
#include "dialogs/DlgVDI4650b.h"
#include "dialogs/DlgVDIopt.h"
#include "evaluation/binding/Report.h"
#include "evaluation/vdi4650/VDI4650Report.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/project/Projekt2.h"
#include "platform/errors/UserException.h"

using namespace VDI4650;

namespace {

using C = CDlgVDI4650;

constexpr unsigned kFormat2 = 3355;  // "%.2f"
constexpr unsigned kFormat3 = 5670;  // "%.3f"
constexpr unsigned kKundeHinweis = 5742;  // "enter customer name and address here"
constexpr unsigned kCop2Luft = 5648;      // "COP (2/35)"
constexpr unsigned kCop2Direkt = 5723;    // "COP (-1/35)"
constexpr unsigned kCop2Sonst = 5646;     // "COP (0/35)"
constexpr unsigned kArten[] = {4449, 5256, 5300, 5301};  // brine, air, water, direct evaporation
// No hot water, with the heat pump, with electricity, with a second heat source, with a
// second heat pump.
constexpr unsigned kWarmwasserArten[] = {4976, 5745, 4985, 5053, 5740};
constexpr int kBetriebsweisen = 7;
constexpr int kBivalenzIndizes = 13;  // 2 °C down to -10 °C
constexpr int kHeizgrenzen[] = {10, 12, 15};
constexpr int kNormTemps[] = {-10, -12, -14, -16};
constexpr size_t kKundeMax = 500;
constexpr int kFreitextMax = 100;
const char16_t* const kHilfeThema = u"dlgvdi4650";

constexpr int kGruppen[] = {C::kIdcWPGruppe, C::kIdcAnlageGruppe, C::kIdcKlimastation,
                            C::kIdcWarmwasserGruppe, C::kIdcErgebnisGruppe};

// The edits whose change makes the results stale.
constexpr int kEingaben[] = {C::kIdcWarmwasserTemp, C::kIdcBetrieb, C::kIdcProzentHeizung,
                             C::kIdcVorlauf,        C::kIdcQuelle,  C::kIdcPruef,
                             C::kIdcCop1,           C::kIdcCop2,    C::kIdcCop3,
                             C::kIdcCop4};

QString Text(unsigned textId) {
    return QString::fromStdU16String(CResManager::getLangText(static_cast<uint16_t>(textId)));
}

QComboBox* Combo(QWidget* dlg, int id) { return qobject_cast<QComboBox*>(ui::child(dlg, id)); }

void Fuelle(QWidget* dlg, int id, const QStringList& eintraege) {
    if (QComboBox* box = Combo(dlg, id)) {
        box->clear();
        box->addItems(eintraege);
    }
}

// A caption and its field, switched together.
void Schalte(QWidget* dlg, std::initializer_list<int> ids, bool an) {
    for (int id : ids) EnableDlgItem(dlg, static_cast<unsigned>(id), an);
}

void NurLesen(QWidget* dlg, std::initializer_list<int> ids, bool an) {
    for (int id : ids)
        if (auto* edit = qobject_cast<QLineEdit*>(ui::child(dlg, id))) edit->setReadOnly(an);
}

}  // namespace

CDlgVDI4650::CDlgVDI4650(int modus, IKelvoDocServices* doc, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_rechner(modus == 0, doc) {
    RegistriereDlgVDI4650Vorlage();
}

void CDlgVDI4650::FuelleListen() {
    QStringList arten, warmwasser, betriebsweisen, bivalenz, grenzen, normTemps;
    for (unsigned id : kArten) arten << Text(id);
    for (unsigned id : kWarmwasserArten) warmwasser << Text(id);
    for (int b = 0; b < kBetriebsweisen; ++b) betriebsweisen << Text(getBetriebsweiseIDS(b));
    for (int i = 0; i < kBivalenzIndizes; ++i) bivalenz << QString::number(2 - i);
    for (int g : kHeizgrenzen) grenzen << QString::number(g);
    for (int t : kNormTemps) normTemps << QString::number(t);
    Fuelle(this, kIdcArt, arten);
    Fuelle(this, kIdcWarmwasser, warmwasser);
    Fuelle(this, kIdcBetriebsweise, betriebsweisen);
    Fuelle(this, kIdcBivalenz, bivalenz);
    Fuelle(this, kIdcHeizgrenze, grenzen);
    Fuelle(this, kIdcNormTemp, normTemps);

    if (!m_rechner.IstListenModus()) return;
    QStringList namen;
    if (m_rechner.GetDokument()) {
        // From a project only its own heat pump.
        if (!m_rechner.wpName.empty()) namen << QString::fromStdU16String(m_rechner.wpName);
    } else {
        CVRMStringArray liste;
        GetKelvoApp().GetListe(liste, 1);
        for (const CVRMString& name : liste) namen << QString::fromStdU16String(name);
    }
    Fuelle(this, kIdcWPName, namen);
}

// Without a name the calculator starts with the first brine/water heat pump of the list.
void CDlgVDI4650::WaehleErsteSoleWP() {
    QComboBox* box = Combo(this, kIdcWPName);
    if (!box || !m_rechner.wpName.empty()) return;
    for (int i = 0; i < box->count(); ++i) {
        const CVRMString name = box->itemText(i).toStdU16String();
        try {
            CWPumpe2 wp;
            CVRMdatenProvider::get().fill(wp, name);
            if (wp.GetWert(ID_MedienTyp).GetIntVal() != kSoleWasser) continue;
        } catch (const platform::UserException&) {
            continue;
        }
        m_rechner.wpName = name;
        return;
    }
}

bool CDlgVDI4650::onInitDialog() {
    FuelleListen();
    for (int id : kGruppen) {
        // A group's caption stands between blanks.
        const std::u16string text = ui::childText(this, id);
        ui::setChildText(this, id, u" " + text + u" ");
    }
    if (auto* frei = qobject_cast<QLineEdit*>(ui::child(this, kIdcWPFreitext)))
        frei->setMaxLength(kFreitextMax);

    if (IKelvoDocServices* doc = m_rechner.GetDokument()) {
        if (CProjekt2* projekt = doc->GetProjekt())
            m_rechner.tWarmwasser = projekt->GetWert(ID_WTM).GetFloatVal();
        if (CHaus2* haus = doc->GetHaus()) {
            CVRMString kunde;
            for (TKelvoDatenID id : {ID_AdrName, ID_AdrStrasse, ID_AdrOrt}) {
                const CVRMString teil = haus->GetWert(id).GetStringVal();
                if (teil.empty()) continue;
                if (!kunde.empty()) kunde += u"\r\n";
                kunde += teil;
            }
            m_rechner.kunde = kunde;
        }
    } else if (m_rechner.kunde.empty()) {
        m_rechner.kunde = CResManager::getLangText(kKundeHinweis);
    }
    m_rechner.BerechneQuellenpumpenFaktor();
    if (m_rechner.IstListenModus()) {
        WaehleErsteSoleWP();
        if (m_rechner.GetCOPsVonWP()) m_rechner.BerechneQuellenpumpenFaktor();
        m_vorherigerWPName = m_rechner.wpName;
    }
    // The report module is not part of this system: its button waits for it.
    ui::enableChild(this, kIdcReport, IReport::IstGeladen());
    SchreibeSteuerelemente();
    AktualisiereSteuerelemente();
    LoescheErgebnisse();
    VerbindeSignale();
    return true;
}

void CDlgVDI4650::VerbindeSignale() {
    const auto combo = [this](int id, auto handler) {
        if (QComboBox* box = Combo(this, id))
            QObject::connect(box, &QComboBox::activated, this, [this, handler] {
                ui::guarded(ui::Msg::Command, [&] { (this->*handler)(); });
            });
    };
    combo(kIdcArt, &CDlgVDI4650::OnArtGeaendert);
    combo(kIdcBetriebsweise, &CDlgVDI4650::OnBetriebsweiseGeaendert);
    combo(kIdcWarmwasser, &CDlgVDI4650::OnWarmwasserGeaendert);
    combo(kIdcWPName, &CDlgVDI4650::OnWPGeaendert);
    combo(kIdcHeizgrenze, &CDlgVDI4650::Berechne);
    combo(kIdcNormTemp, &CDlgVDI4650::Berechne);
    combo(kIdcBivalenz, &CDlgVDI4650::Berechne);
    for (int id : kEingaben) {
        if (auto* edit = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(edit, &QLineEdit::textEdited, this, [this] { LoescheErgebnisse(); });
    }
    for (int id : {kIdcLeistung, kIdcPumpenLeistung}) {
        if (auto* edit = qobject_cast<QLineEdit*>(ui::child(this, id)))
            QObject::connect(edit, &QLineEdit::textEdited, this, [this, id] {
                ui::guarded(ui::Msg::Command, [&] { OnLeistungGeaendert(id); });
            });
    }
}

void CDlgVDI4650::doDataExchange(ui::DataExchange& dx) {
    CVDI4650Rechner& r = m_rechner;
    try {
        std::u16string text = r.kunde;
        dx.text(kIdcKunde, text);
        if (dx.saving()) r.kunde = text.substr(0, kKundeMax);
        if (r.IstListenModus()) {
            text = r.wpName;
            dx.listText(kIdcWPName, text);
            if (dx.saving()) r.wpName = text;
        } else {
            text = r.wpFreitext;
            dx.text(kIdcWPFreitext, text);
            if (dx.saving()) r.wpFreitext = text;
        }
        dx.listIndex(kIdcWarmwasser, r.warmwasser);
        dx.integer(kIdcProzentHeizung, r.prozentHeizung, 0, 100);
        dx.listIndex(kIdcArt, r.art);
        dx.floating(kIdcLeistung, r.leistung);
        int wt = r.zwischenWT ? 1 : 0;
        dx.check(kIdcZwischenWT, wt);
        r.zwischenWT = wt == 1;
        dx.listIndex(kIdcBetriebsweise, r.betriebsweise);
        dx.floating(kIdcCop1, r.cop1);
        dx.floating(kIdcCop2, r.cop2);
        dx.floating(kIdcCop3, r.cop3);
        dx.floating(kIdcCop4, r.cop4);
        dx.floating(kIdcPruef, r.pruef, 3.0f, 10.0f);
        dx.floating(kIdcBetrieb, r.betrieb, 3.0f, 10.0f);
        dx.floating(kIdcQuelle, r.tQuelle);
        dx.floating(kIdcVorlauf, r.tVorlauf, 30.0f, 55.0f);
        dx.floating(kIdcWarmwasserTemp, r.tWarmwasser);
        dx.integer(kIdcPumpenLeistung, r.pumpenLeistung);
        int vorplanung = r.vorplanung ? 1 : 0;
        dx.check(kIdcVorplanung, vorplanung);
        r.vorplanung = vorplanung == 1;
        dx.listIndex(kIdcBivalenz, r.bivalenzIndex);
        text = QString::number(r.heizgrenze).toStdU16String();
        dx.listText(kIdcHeizgrenze, text);
        if (dx.saving()) r.heizgrenze = QString::fromStdU16String(text).toInt();
        text = QString::number(r.tNorm).toStdU16String();
        dx.listText(kIdcNormTemp, text);
        if (dx.saving()) r.tNorm = QString::fromStdU16String(text).toInt();
        m_austauschFehler = false;
    } catch (const platform::UserException&) {
        m_austauschFehler = true;
        throw;
    }
    if (!dx.saving()) ZeigeFp();
}

bool CDlgVDI4650::LiesSteuerelemente() { return updateData(true); }

void CDlgVDI4650::SchreibeSteuerelemente() { updateData(false); }

void CDlgVDI4650::ZeigeFp() {
    CVRMString fp;
    fp.Format(kFormat3, m_rechner.fp);
    ui::setChildText(this, kIdcFp, fp);
}

void CDlgVDI4650::AktualisiereSteuerelemente() {
    const CVDI4650Rechner& r = m_rechner;
    const bool sole = r.art == kSoleWasser;
    const bool luft = r.art == kLuftWasser;
    const bool wasser = r.art == kWasserWasser;
    const bool direkt = r.art == kDirektverdampfung;
    const bool mitDok = r.GetDokument() != nullptr;
    const bool liste = r.IstListenModus();

    ui::setChildText(this, kIdcCop2Text,
                     CResManager::getLangText(luft ? kCop2Luft : direkt ? kCop2Direkt : kCop2Sonst));
    Schalte(this, {kIdcCop1, kIdcCop1Text}, luft);
    Schalte(this, {kIdcCop2, kIdcCop2Text}, !wasser);
    Schalte(this, {kIdcCop3, kIdcCop3Text}, luft || wasser);
    Schalte(this, {kIdcKlimastation, kIdcNormTemp, kIdcNormTempText}, luft);
    Schalte(this, {kIdcHeizgrenze, kIdcHeizgrenzeText}, luft && !mitDok);
    Schalte(this, {kIdcZwischenWT}, wasser && !mitDok);
    Schalte(this, {kIdcQuelle, kIdcQuelleText}, !luft);
    Schalte(this, {kIdcVorplanung}, sole || wasser);
    Schalte(this, {kIdcPumpenLeistung, kIdcPumpenLeistungText}, !luft && !r.vorplanung);
    Schalte(this, {kIdcArt, kIdcArtText}, !mitDok && !liste);
    Schalte(this, {kIdcWarmwasser}, !mitDok);
    Schalte(this, {kIdcWPName}, !mitDok);

    // The project or the heat pump gives these values.
    NurLesen(this, {kIdcLeistung, kIdcProzentHeizung, kIdcCop1, kIdcCop2, kIdcCop3, kIdcPruef,
                    kIdcBetrieb, kIdcPumpenLeistung},
             false);
    if (mitDok)
        NurLesen(this, {kIdcLeistung, kIdcProzentHeizung, kIdcCop1, kIdcCop2, kIdcCop3, kIdcPruef,
                        kIdcBetrieb, kIdcPumpenLeistung},
                 true);
    if (liste) NurLesen(this, {kIdcLeistung, kIdcCop1, kIdcCop2, kIdcCop3, kIdcPruef}, true);
    ui::showChild(this, kIdcWPName, liste);
    ui::showChild(this, kIdcWPFreitext, !liste);

    const bool wwErgebnis = r.warmwasser == kWarmwasserMitWP || r.warmwasser == kWarmwasserZweiteWP;
    Schalte(this, {kIdcBetaWarmwasser, kIdcBetaWarmwasserText}, wwErgebnis);
    const bool zweiteWP = r.warmwasser == kWarmwasserZweiteWP && !mitDok;
    for (int id : {kIdcWarmwasserTemp, kIdcWarmwasserTempText, kIdcCop4, kIdcCop4Text})
        ui::showChild(this, id, zweiteWP);
    Schalte(this, {kIdcBivalenz, kIdcBivalenzText}, r.betriebsweise != kMonovalent);
}

void CDlgVDI4650::ZeigeErgebnisse() {
    const auto zeige = [this](int id, float wert) {
        CVRMString text;
        text.Format(kFormat2, wert);
        if (auto* label = dynamic_cast<CLabel*>(ui::child(this, id))) label->SetText(text);
    };
    zeige(kIdcBetaHeizung, m_rechner.ergebnisse.betaHeizung);
    zeige(kIdcBetaWarmwasser, m_rechner.ergebnisse.betaWarmwasser);
    zeige(kIdcBetaAnlage, m_rechner.ergebnisse.betaAnlage);
    ui::enableChild(this, kIdcAktualisieren, false);
}

void CDlgVDI4650::LoescheErgebnisse() {
    m_rechner.LoescheErgebnisse();
    for (int id : {kIdcBetaHeizung, kIdcBetaWarmwasser, kIdcBetaAnlage})
        if (auto* label = dynamic_cast<CLabel*>(ui::child(this, id))) label->SetText({});
    ui::enableChild(this, kIdcAktualisieren, true);
}

void CDlgVDI4650::Berechne() {
    if (!LiesSteuerelemente()) return;
    if (m_rechner.Berechne())
        ZeigeErgebnisse();
    else
        LoescheErgebnisse();
}

void CDlgVDI4650::OnArtGeaendert() {
    const int alteArt = m_rechner.art;
    if (!LiesSteuerelemente()) return;
    const int neueArt = m_rechner.art;
    m_rechner.art = alteArt;
    m_rechner.WechsleWPArt(neueArt);
    SchreibeSteuerelemente();
    AktualisiereSteuerelemente();
    LoescheErgebnisse();
}

void CDlgVDI4650::OnBetriebsweiseGeaendert() {
    if (!LiesSteuerelemente()) return;
    AktualisiereSteuerelemente();
    LoescheErgebnisse();
    m_rechner.WechsleBetriebsweise(m_rechner.betriebsweise);
}

void CDlgVDI4650::OnWarmwasserGeaendert() {
    if (!LiesSteuerelemente()) return;
    AktualisiereSteuerelemente();
    LoescheErgebnisse();
}

void CDlgVDI4650::OnWPGeaendert() {
    if (!LiesSteuerelemente()) return;
    if (m_rechner.GetCOPsVonWP()) {
        m_vorherigerWPName = m_rechner.wpName;
        m_rechner.BerechneQuellenpumpenFaktor();
        SchreibeSteuerelemente();
        Berechne();
    } else {
        m_rechner.wpName = m_vorherigerWPName;
        SchreibeSteuerelemente();
    }
    AktualisiereSteuerelemente();
}

// While a number is typed it is read quietly: a field half typed is no error yet.
void CDlgVDI4650::OnLeistungGeaendert(int id) {
    bool ok = false;
    const QString text = QString::fromStdU16String(ui::childText(this, id)).trimmed();
    if (id == kIdcLeistung) {
        const float wert = text.toFloat(&ok);
        if (ok) m_rechner.leistung = wert;
    } else {
        const int wert = text.toInt(&ok);
        if (ok) m_rechner.pumpenLeistung = wert;
    }
    LoescheErgebnisse();
    if (!ok) return;
    m_rechner.BerechneQuellenpumpenFaktor();
    ZeigeFp();
}

void CDlgVDI4650::OnKorrekturfaktoren() {
    if (!LiesSteuerelemente()) return;
    if (m_rechner.Berechne())
        ZeigeErgebnisse();
    else
        LoescheErgebnisse();
    CDlgVDI4650b faktoren(m_rechner, m_rechner.GetBereichsFlags(), this);
    faktoren.doModal();
}

void CDlgVDI4650::OnOptimieren() {
    if (!LiesSteuerelemente()) return;
    CDlgVDIopt optimierung(m_rechner, this);
    optimierung.doModal();
}

void CDlgVDI4650::OnReport() {
    if (!LiesSteuerelemente()) return;
    if (VDI4650Report::SchreibeReport(m_rechner)) SchreibeSteuerelemente();
}

void CDlgVDI4650::OnSchliessen() {
    if (!LiesSteuerelemente()) return;
    m_rechner.SpeichereInProjekt();
    endDialog(ui::kIdOk);
}

void CDlgVDI4650::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(kHilfeThema); }

bool CDlgVDI4650::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdcAktualisieren:
            Berechne();
            return true;
        case kIdcKorrekturfaktoren:
            OnKorrekturfaktoren();
            return true;
        case kIdcOptimieren:
            OnOptimieren();
            return true;
        case kIdcReport:
            OnReport();
            return true;
        case kIdcSchliessen:
            OnSchliessen();
            return true;
        case kIdcHilfe:
            ZeigeHilfe();
            return true;
        case kIdcZwischenWT:
            if (!LiesSteuerelemente()) return true;
            m_rechner.BerechneQuellenpumpenFaktor();
            ZeigeFp();
            Berechne();
            return true;
        case kIdcVorplanung:
            if (!LiesSteuerelemente()) return true;
            m_rechner.BerechneQuellenpumpenFaktor();
            ZeigeFp();
            Berechne();
            AktualisiereSteuerelemente();
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CDlgVDI4650::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1) return ui::Dialog::onKeyDown(key, mods);
    ZeigeHilfe();
    return true;
}
