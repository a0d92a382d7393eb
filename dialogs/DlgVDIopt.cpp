#include "dialogs/DlgVDIopt.h"

#include <QRadioButton>

#include "controls/small/EnablerDisabler.h"
#include "core/db/TextIds.h"
#include "core/text/ResManager.h"
#include "core/value/VRMString.h"
#include "evaluation/vdi4650/VDI4650Rechner.h"
#include "model/app/KelvoAppServices.h"
#include "platform/ui/DialogTemplate.h"

using namespace VDI4650;

namespace {

using C = CDlgVDIopt;
using ui::ControlKind;

constexpr unsigned kTitel = 5884;
constexpr unsigned kFormat0 = 3353;  // "%.0f"
constexpr unsigned kFormat1 = 3354;  // "%.1f"
constexpr unsigned kFormatInt = 3358;  // "%i"
constexpr unsigned kFormat3 = 5670;  // "%.3f"
constexpr unsigned kPumpenRat = 5869;  // "A lower correction factor yields to a better annual COP."
constexpr unsigned kBivalenzEintragen = 5899;
const char16_t* const kHilfeThema = u"dlgvdiopt";

constexpr int kGruppen[] = {C::kIdcQuelleGruppe, C::kIdcNormTempGruppe, C::kIdcPumpeGruppe,
                            C::kIdcTabelle8Gruppe, C::kIdcBetriebsweiseGruppe};

// The controls inside each group, switched with it.
constexpr int kQuelle[] = {C::kIdcQuelleGruppe, 2606, C::kIdcQuelleWert, 2607,
                           C::kIdcQuelleEmpfohlen, 2608, C::kIdcSonde, C::kIdcFlach};
constexpr int kNormTemp[] = {C::kIdcNormTempGruppe, 2612};
constexpr int kPumpe[] = {C::kIdcPumpeGruppe, 2625, C::kIdcFpWert, 2626, C::kIdcFpEmpfohlen,
                          C::kIdcFpHinweis};
constexpr int kTabelle8[] = {C::kIdcTabelle8Gruppe, 2635, 2636, C::kIdcAnteil, 2637,
                             C::kIdcBivalenz, 2638, C::kIdcBivalenzHinweis};
constexpr int kBetrieb[] = {C::kIdcBetriebsweiseGruppe, 2644, C::kIdcBetriebsweise,
                            C::kIdcBetriebsweiseHinweis};

ui::ControlSpec Text(int id, ui::Rect du, unsigned textId = 0) {
    return {id, ControlKind::Static, du, textId};
}
ui::ControlSpec Wert(int id, ui::Rect du) {
    return {id, ControlKind::Edit, du, 0, u"", ui::cs::EditReadOnly};
}

template <size_t N>
void Schalte(QWidget* dlg, const int (&ids)[N], bool an) {
    for (int id : ids) EnableDlgItem(dlg, static_cast<unsigned>(id), an);
}

CVRMString Formatiert(unsigned format, auto wert) {
    CVRMString text;
    text.Format(format, wert);
    return text;
}

}  // namespace

void RegistriereDlgVDIoptVorlage() {
    if (ui::findDialogTemplate(C::kIDD)) return;
    ui::DialogTemplate t{C::kIDD, {360, 392}, kTitel, u"", {}};
    auto& c = t.controls;
    // The heat source temperature.
    c.push_back({C::kIdcQuelleGruppe, ControlKind::Group, {7, 7, 353, 77}, 5860});
    c.push_back(Text(2606, {14, 21, 160, 31}, 5861));
    c.push_back(Wert(C::kIdcQuelleWert, {162, 19, 202, 31}));
    c.push_back(Text(2607, {14, 36, 160, 46}, 5862));
    c.push_back(Wert(C::kIdcQuelleEmpfohlen, {162, 34, 202, 46}));
    c.push_back({C::kIdcSonde, ControlKind::Radio, {212, 19, 346, 31}, 3600, u"", ui::cs::RadioGroupStart});
    c.push_back({C::kIdcFlach, ControlKind::Radio, {212, 34, 346, 46}, 3601});
    c.push_back(Text(2608, {14, 50, 346, 73}, 5863));
    // The outdoor design temperature.
    c.push_back({C::kIdcNormTempGruppe, ControlKind::Group, {7, 81, 353, 119}, 5864});
    c.push_back(Text(2612, {14, 93, 346, 116}, 5865));
    // The source-pump factor.
    c.push_back({C::kIdcPumpeGruppe, ControlKind::Group, {7, 123, 353, 191}, 5866});
    c.push_back(Text(2625, {14, 137, 160, 147}, 5867));
    c.push_back(Wert(C::kIdcFpWert, {162, 135, 202, 147}));
    c.push_back(Text(2626, {14, 152, 160, 162}, 5868));
    c.push_back(Wert(C::kIdcFpEmpfohlen, {162, 150, 202, 162}));
    c.push_back(Text(C::kIdcFpHinweis, {14, 166, 346, 188}));
    // The coverage after table 8.
    c.push_back({C::kIdcTabelle8Gruppe, ControlKind::Group, {7, 195, 353, 281}, 5870});
    c.push_back(Text(2635, {14, 207, 346, 217}, 5871));
    c.push_back(Text(2636, {14, 222, 160, 232}, 5872));
    c.push_back(Wert(C::kIdcAnteil, {162, 220, 202, 232}));
    c.push_back(Text(2637, {14, 237, 160, 247}, 5873));
    c.push_back(Wert(C::kIdcBivalenz, {162, 235, 202, 247}));
    c.push_back(Text(2638, {14, 251, 346, 266}, 5874));
    c.push_back(Text(C::kIdcBivalenzHinweis, {14, 267, 346, 278}, kBivalenzEintragen));
    // The mode of operation.
    c.push_back({C::kIdcBetriebsweiseGruppe, ControlKind::Group, {7, 285, 353, 351}, 5875});
    c.push_back(Text(2644, {14, 299, 110, 309}, 5876));
    c.push_back(Wert(C::kIdcBetriebsweise, {112, 297, 270, 309}));
    c.push_back(Text(C::kIdcBetriebsweiseHinweis, {14, 313, 346, 348}));

    c.push_back(Text(2650, {7, 355, 353, 366}, 5893));
    c.push_back({C::kIdcHilfe, ControlKind::Button, {249, 371, 299, 385}, 5178});
    c.push_back({1, ControlKind::DefButton, {303, 371, 353, 385}, 3717});
    ui::registerDialogTemplate(std::move(t));
}

CDlgVDIopt::CDlgVDIopt(const CVDI4650Rechner& rechner, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_rechner(rechner) {
    RegistriereDlgVDIoptVorlage();
    if (IKelvoDocServices* doc = rechner.GetDokument()) m_mitProjekt = LeseOptProjekt(*doc, m_projekt);
}

void CDlgVDIopt::Berechne(bool flachkollektor) {
    m_daten = BerechneOptDaten(m_rechner, m_mitProjekt ? &m_projekt : nullptr, flachkollektor);
}

bool CDlgVDIopt::onInitDialog() {
    for (int id : kGruppen) {
        const std::u16string text = ui::childText(this, id);
        ui::setChildText(this, id, u" " + text + u" ");
    }
    // The probe's recommendation first.
    if (auto* sonde = qobject_cast<QRadioButton*>(ui::child(this, kIdcSonde))) sonde->setChecked(true);
    Berechne(false);
    Zeige();
    // The dialog only shows: the focus starts on Close.
    if (QWidget* schliessen = ui::child(this, 1)) schliessen->setFocus();
    return false;
}

void CDlgVDIopt::Zeige() {
    const SVDIoptDaten& d = m_daten;
    ui::setChildText(this, kIdcQuelleWert, Formatiert(kFormat1, d.tQuelle));
    ui::setChildText(this, kIdcQuelleEmpfohlen, Formatiert(kFormatInt, d.tQuelleEmpfohlen));
    ui::showChild(this, kIdcSonde, d.art == kSoleWasser);
    ui::showChild(this, kIdcFlach, d.art == kSoleWasser);

    ui::setChildText(this, kIdcFpWert, Formatiert(kFormat3, d.fp));
    ui::setChildText(this, kIdcFpEmpfohlen, Formatiert(kFormat3, d.fpEmpfohlen));
    CVRMString rat = CResManager::getLangText(kPumpenRat);
    rat += u" ";
    rat += CResManager::getLangText(static_cast<uint16_t>(GetPumpenHinweis(d)));
    ui::setChildText(this, kIdcFpHinweis, rat);

    ui::setChildText(this, kIdcAnteil, d.anteilBekannt ? Formatiert(kFormat0, d.anteilProzent) : CVRMString());
    ui::setChildText(this, kIdcBivalenz,
                     d.anteilBekannt ? Formatiert(kFormatInt, d.bivalenzAusTabelle) : CVRMString());
    ui::showChild(this, kIdcBivalenzHinweis, ZeigeBivalenzHinweis(d));

    ui::setChildText(this, kIdcBetriebsweise,
                     CResManager::getLangText(static_cast<uint16_t>(getBetriebsweiseIDS(d.betriebsweise))));
    const std::vector<unsigned> hinweise = GetBetriebsweiseHinweise(d.betriebsweise);
    CVRMString rat2;
    for (unsigned id : hinweise) {
        if (!rat2.empty()) rat2 += u"\n";
        rat2 += CResManager::getLangText(static_cast<uint16_t>(id));
    }
    ui::setChildText(this, kIdcBetriebsweiseHinweis, rat2);

    const bool luft = d.art == kLuftWasser;
    Schalte(this, kNormTemp, luft);
    Schalte(this, kQuelle, !luft && d.art != kDirektverdampfung);
    Schalte(this, kPumpe, !luft);
    Schalte(this, kBetrieb, !hinweise.empty());
    Schalte(this, kTabelle8, d.anteilBekannt);
}

bool CDlgVDIopt::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == kIdcSonde || id == kIdcFlach) {
        Berechne(id == kIdcFlach);
        Zeige();
        return true;
    }
    if (id == kIdcHilfe) {
        GetKelvoApp().ShowHilfeThema(kHilfeThema);
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CDlgVDIopt::onKeyDown(ui::Key key, ui::KeyMods mods) {
    if (key != ui::Key::F1) return ui::Dialog::onKeyDown(key, mods);
    GetKelvoApp().ShowHilfeThema(kHilfeThema);
    return true;
}
