#include "dialogs/DlgAufwandszahl.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/shell/KelvoApp.h"
#include "app/doc/KelvoDoc.h"
#include "controls/small/EnablerDisabler.h"
#include "controls/small/FloatEdit.h"
#include "core/value/SpeicherVorgang.h"
#include "dialogs/DlgTexte.h"
#include "evaluation/binding/Report.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/project/Projekt2.h"
#include "platform/errors/UserException.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using K = ui::ControlKind;
using L = CDlgAufwandszahlLogik;

constexpr unsigned kCaption = 3909;  // "Calculation of factor for primary energy input"
constexpr unsigned kRegelungen[] = {5604, 5605, 5606, 5607};
constexpr uint32_t kReportSchluessel = 164;
constexpr unsigned kReportWert = 289;
constexpr int kReportArt = 1;
constexpr unsigned kNurLesen = ui::cs::EditReadOnly;
// Explanations are drawn dark blue on light blue.
const QColor kErklaerText(21, 59, 99);
const QColor kErklaerGrund(223, 233, 244);

}  // namespace

void RegistriereDlgAufwandszahlVorlage() {
    if (ui::findDialogTemplate(CDlgAufwandszahl::kIDD)) return;
    const std::vector<ui::ControlSpec> c = {
        {L::kIdLabelFlaeche, K::Static, {7, 7, 215, 16}},
        {L::kIdFlaeche, K::Edit, {220, 5, 270, 16}, 0, u"", kNurLesen},
        {L::kIdGruppeAufstellung, K::Group, {7, 20, 150, 56}},
        {L::kIdAussen, K::Radio, {14, 31, 146, 41}, 0, u"", ui::cs::RadioGroupStart},
        {L::kIdInnen, K::Radio, {14, 43, 146, 53}},
        {L::kIdGruppeVerteilung, K::Group, {155, 20, 295, 56}, 0, u"", ui::cs::Hidden},
        {L::kIdVerteilungAussen, K::Radio, {162, 31, 290, 41}, 0, u"",
         ui::cs::RadioGroupStart | ui::cs::Hidden},
        {L::kIdVerteilungInnen, K::Radio, {162, 43, 290, 53}, 0, u"", ui::cs::Hidden},
        {L::kIdGruppeWW, K::Group, {155, 20, 295, 56}},
        {L::kIdSpeicher, K::Radio, {162, 31, 291, 41}, 0, u"", ui::cs::RadioGroupStart},
        {L::kIdDurchlauf, K::Radio, {162, 43, 291, 53}},
        {L::kIdGruppeSolar, K::Group, {7, 60, 150, 84}},
        {L::kIdLabelSolarPumpe, K::Static, {14, 71, 80, 80}},
        {L::kIdSolarPumpe, K::Edit, {85, 69, 140, 80}, 0, u"", kNurLesen},
        {L::kIdGruppePuffer, K::Group, {7, 88, 295, 146}},
        {L::kIdLabelRegelung, K::Static, {14, 100, 128, 109}},
        {L::kIdRegelung, K::DropList, {130, 98, 290, 110}},
        {L::kIdLabelVolumen, K::Static, {14, 116, 128, 125}},
        {L::kIdVolumen, K::Edit, {130, 114, 180, 125}, 0, u"", ui::cs::EditNumber},
        {L::kIdLabelBereitschaft, K::Static, {14, 131, 128, 140}},
        {L::kIdBereitschaft, K::Custom, {130, 129, 180, 140}, 0, u"", 0,
         [](QWidget* p) { return new CFloatEdit(p, 2); }},
        {L::kIdBerechnen, K::Button, {190, 128, 260, 141}},
        {L::kIdHinweis, K::Static, {7, 151, 295, 171}},
        {L::kIdLabelFaktor, K::Static, {7, 180, 150, 189}},
        {L::kIdFaktor, K::Edit, {155, 178, 205, 189}, 0, u"", kNurLesen},
        {L::kIdAktualisieren, K::Button, {210, 177, 270, 190}},
        {L::kIdReport, K::Button, {7, 199, 82, 213}, 0, u"", ui::cs::Disabled},
        {ui::kIdOk, K::DefButton, {135, 199, 185, 213}},
        {L::kIdHilfe, K::Button, {190, 199, 240, 213}},
        {ui::kIdCancel, K::Button, {245, 199, 295, 213}},
    };
    ui::registerDialogTemplate({CDlgAufwandszahl::kIDD, {302, 219}, 0, u"Anlagenaufwandszahl", c});
}

CDlgAufwandszahl::CDlgAufwandszahl(CProjekt2& projekt, const SAufwandszahlEingabe& eingabe,
                                   QWidget* parent)
    : ui::Dialog(kIDD, parent), m_projekt(projekt), m_eingabe(eingabe), m_flaeche(eingabe.flaeche) {
    RegistriereDlgAufwandszahlVorlage();
}

void CDlgAufwandszahl::doDataExchange(ui::DataExchange& dx) {
    try {
        dx.radio(L::kIdAussen, m_details.aufstellung);
        dx.radio(L::kIdVerteilungAussen, m_details.verteilung);
        dx.radio(L::kIdSpeicher, m_details.wwBereitung);
        dx.floating(L::kIdFlaeche, m_flaeche);
        dx.unsignedInt(L::kIdSolarPumpe, m_details.solarPumpe);
        dx.unsignedInt(L::kIdVolumen, m_details.pufferVolumen);
        // The stand-by loss is a decimal number of kWh per day.
        dx.floating(L::kIdBereitschaft, m_details.bereitschaft);
        dx.text(L::kIdFaktor, m_faktor);
        dx.listIndex(L::kIdRegelung, m_details.regelung);
        m_austauschFehler = false;
    } catch (const platform::UserException&) {
        m_austauschFehler = true;
    }
}

bool CDlgAufwandszahl::onInitDialog() {
    try {
        m_details = L::Lese(m_projekt);
        if (auto* liste = qobject_cast<QComboBox*>(ui::child(this, L::kIdRegelung))) {
            liste->clear();
            for (unsigned id : kRegelungen) liste->addItem(DlgText(id));
            QObject::connect(liste, &QComboBox::currentIndexChanged, this, [this] { Geaendert(); });
        }
        if (auto* hinweis = qobject_cast<QLabel*>(ui::child(this, L::kIdHinweis))) {
            QPalette farben = hinweis->palette();
            farben.setColor(QPalette::WindowText, kErklaerText);
            farben.setColor(QPalette::Window, kErklaerGrund);
            hinweis->setPalette(farben);
            hinweis->setAutoFillBackground(true);
            hinweis->setMargin(3);
        }
        const bool ohneWP = m_eingabe.wwModus == 2;
        for (int id : {L::kIdGruppeWW, L::kIdSpeicher, L::kIdDurchlauf}) EnableDlgItem(this, id, ohneWP);
        m_details.wwBereitung = L::WWBereitungAnfang(m_eingabe, m_details.wwBereitung);
        if (m_eingabe.wwVerluste < 0.1f) EnableDlgItem(this, L::kIdSpeicher, false);
        for (int id : {L::kIdGruppeSolar, L::kIdLabelSolarPumpe, L::kIdSolarPumpe})
            EnableDlgItem(this, id, m_eingabe.mitSolar);
        GetKelvoApp().GetOptionsManager().GetFloatWert(OPT_PEFAKTOR, m_peFaktor);
        Berechne();
        updateData(false);
        EnableDlgItem(this, L::kIdAktualisieren, false);
        setWindowTitle(DlgText(kCaption));
        SetzeDlgTexte(*this, {{L::kIdLabelFlaeche, 4000}, {L::kIdGruppeAufstellung, 4001, true},
                              {L::kIdAussen, 4002}, {L::kIdInnen, 4003},
                              {L::kIdGruppeVerteilung, 4007, true}, {L::kIdVerteilungAussen, 4008},
                              {L::kIdVerteilungInnen, 4009}, {L::kIdGruppeWW, 4004, true},
                              {L::kIdSpeicher, 4005}, {L::kIdDurchlauf, 4006},
                              {L::kIdGruppeSolar, 4010, true}, {L::kIdLabelSolarPumpe, 4011},
                              {L::kIdGruppePuffer, 5608, true}, {L::kIdLabelRegelung, 5609},
                              {L::kIdLabelVolumen, 5610}, {L::kIdLabelBereitschaft, 5611},
                              {L::kIdBerechnen, 5612}, {L::kIdHinweis, 5613},
                              {L::kIdLabelFaktor, 4012}, {L::kIdAktualisieren, 4013},
                              {L::kIdReport, 5780}, {ui::kIdOk, 4378}, {L::kIdHilfe, 5178},
                              {ui::kIdCancel, 5176}});
        EnableDlgItem(this, L::kIdReport, IReport::IstGeladen());
        for (int id : {L::kIdSolarPumpe, L::kIdVolumen, L::kIdBereitschaft})
            if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id)))
                QObject::connect(feld, &QLineEdit::textEdited, this, [this] { Geaendert(); });
        FaerbeNurLesendeFelder(*this);
    } catch (const std::exception&) {
        // The dialog stays usable with what it could show.
    }
    return true;
}

void CDlgAufwandszahl::Berechne() {
    m_faktor = L::AufwandszahlText(m_eingabe, m_details, m_peFaktor);
}

void CDlgAufwandszahl::Geaendert() { EnableDlgItem(this, L::kIdAktualisieren, true); }

void CDlgAufwandszahl::OnAktualisieren() {
    updateData(true);
    if (m_austauschFehler) {
        m_austauschFehler = false;
        return;
    }
    Berechne();
    ui::setChildText(this, L::kIdFaktor, m_faktor);
    EnableDlgItem(this, L::kIdAktualisieren, false);
}

void CDlgAufwandszahl::OnBerechnen() {
    updateData(true);
    if (m_austauschFehler) return;
    m_details.bereitschaft = L::Bereitschaftsverlust(m_details.pufferVolumen);
    Geaendert();
    updateData(false);
}

bool CDlgAufwandszahl::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case L::kIdAussen:
        case L::kIdInnen:
        case L::kIdVerteilungAussen:
        case L::kIdVerteilungInnen:
        case L::kIdSpeicher:
        case L::kIdDurchlauf:
            Geaendert();
            return true;
        case L::kIdAktualisieren:
            OnAktualisieren();
            return true;
        case L::kIdBerechnen:
            OnBerechnen();
            return true;
        case L::kIdReport:
            OnAktualisieren();
            IReport::SetDaten(kReportSchluessel, kReportWert);
            if (CKelvoDoc* doc = GetKelvoAppObjekt().GetAktivesKelvoDoc(true))
                doc->ErstelleReport(false, kReportArt, false);
            return true;
        case L::kIdHilfe:
            ZeigeHilfe();
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}

bool CDlgAufwandszahl::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}

void CDlgAufwandszahl::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"anlaz"); }

void CDlgAufwandszahl::onOK() {
    updateData(true);
    // A refused entry keeps the dialog open: nothing half-read is stored.
    if (m_austauschFehler) return;
    // A project that may not be changed says why; the dialog stays, as after any save
    // that did not happen, and Cancel leaves it.
    if (!m_projekt.IstAenderbar(true)) return;
    try {
        CSpeicherVorgang vorgang;
        L::Speichere(m_projekt, m_details);
        vorgang.Abschliessen();
    } catch (const std::exception&) {
        // The error layer has told the user.
        return;
    }
    endDialog(ui::kIdOk);
}
