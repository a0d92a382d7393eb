#include "dialogs/DlgModule.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>

#include "app/shell/KelvoApp.h"
#include "controls/html/PPToolTip.h"
#include "core/db/Global.h"
#include "core/text/ResManager.h"
#include "evaluation/binding/Erdluft.h"
#include "evaluation/binding/Report.h"
#include "evaluation/binding/Solar.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr unsigned kCaption = 4711;         // "Varmion files and modules"
constexpr unsigned kKeineDatei = 3241;      // "<data file not found>"
constexpr unsigned kKeineDatenbank = 3242;  // "<database not found>"
constexpr unsigned kTextDatenbank = 4712, kTextBibo = 4713, kTextVersion = 4714;
constexpr unsigned kTextErdluft = 4715, kTextSolar = 4717, kTextReport = 4718, kTextOk = 5177;

// A check box that shows a state and keeps it when clicked.
class CAnzeigeBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {}
};

QWidget* AnzeigeBox(QWidget* p) {
    return new CAnzeigeBox(p);
}

QWidget* Vertieft(QWidget* p) {
    auto* l = new QLabel(p);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setTextFormat(Qt::PlainText);
    return l;
}

CVRMString Text(unsigned id) {
    return CResManager::getLangText(static_cast<uint16_t>(id));
}

// The path shortened to the label with an ellipsis in its middle, so that the file's name
// at its end stays readable.
void ZeigePfad(QWidget* w, const CVRMString& pfad, unsigned ersatz) {
    auto* label = qobject_cast<QLabel*>(w);
    if (!label) return;
    if (pfad.empty()) {
        label->setText(QString::fromStdU16String(Text(ersatz)));
        return;
    }
    const int breite = label->contentsRect().width() - 2 * label->margin() - 4;
    label->setText(QFontMetrics(label->font())
                       .elidedText(QString::fromStdU16String(pfad), Qt::ElideMiddle, breite));
}

std::unique_ptr<CPPToolTip> Tip(QWidget* dialog, QWidget* fuer, const CVRMString& text) {
    auto tip = std::make_unique<CPPToolTip>();
    tip->Create(dialog, true);
    tip->SetBehaviour(1);
    if (fuer && !text.empty())
        tip->AddTool(fuer, QString::fromStdU16String(text).toHtmlEscaped().toStdU16String());
    return tip;
}

}  // namespace

SModulDaten ModulDatenDesProgramms() {
    CKelvoApp& app = GetKelvoAppObjekt();
    SModulDaten d;
    d.datenbank = app.GetAktDatenbank();
    d.bibo = app.GetBiboPfad();
    IGlobal::GetBiboVersion(d.biboVersion);
    d.erdluft = {IErdluft::IstGeladen(),
                 IErdluft::IstGeladen() ? IErdluft::GetVersion() : CVRMString()};
    d.solar = {ISolar::IstGeladen(), ISolar::IstGeladen() ? ISolar::GetVersion() : CVRMString()};
    // The report module has no loader here: it is never bound and has no version.
    d.report = {IReport::IstGeladen(), CVRMString()};
    return d;
}

void RegistriereDlgModuleVorlage() {
    if (ui::findDialogTemplate(CDlgModule::kIDD)) return;
    using K = ui::ControlKind;
    ui::registerDialogTemplate(
        {CDlgModule::kIDD,
         {232, 177},
         kCaption,
         u"",
         {
             {1915, K::Static, {7, 7, 225, 16}, kTextDatenbank},
             {CDlgModule::kIdcDatenbank, K::Custom, {7, 17, 225, 30}, 0, u"", 0, Vertieft},
             {1916, K::Static, {7, 37, 225, 46}, kTextBibo},
             {CDlgModule::kIdcBibo, K::Custom, {7, 47, 225, 60}, 0, u"", 0, Vertieft},
             {1917, K::Static, {7, 67, 60, 76}, kTextVersion},
             {CDlgModule::kIdcBiboVersion, K::Static, {62, 67, 225, 76}},
             {CDlgModule::kIdcErdluft, K::Custom, {7, 88, 188, 99}, 0, u"", 0, AnzeigeBox},
             {CDlgModule::kIdcErdluftVersion, K::Static, {190, 89, 225, 98}},
             {CDlgModule::kIdcSolar, K::Custom, {7, 106, 188, 117}, 0, u"", 0, AnzeigeBox},
             {CDlgModule::kIdcSolarVersion, K::Static, {190, 107, 225, 116}},
             {CDlgModule::kIdcReport, K::Custom, {7, 124, 188, 135}, 0, u"", 0, AnzeigeBox},
             {CDlgModule::kIdcReportVersion, K::Static, {190, 125, 225, 134}},
             {1398, K::Check, {7, 142, 188, 153}, 0, u"", ui::cs::Hidden},
             {1194, K::Static, {190, 143, 225, 152}, 0, u"", ui::cs::Hidden},
             {ui::kIdOk, K::DefButton, {175, 158, 225, 172}, kTextOk},
         }});
}

CDlgModule::CDlgModule(QWidget* parent, SModulDaten daten)
    : ui::Dialog((RegistriereDlgModuleVorlage(), kIDD), parent), m_daten(std::move(daten)) {}

CDlgModule::~CDlgModule() = default;

bool CDlgModule::onInitDialog() {
    ZeigePfad(ui::child(this, kIdcDatenbank), m_daten.datenbank, kKeineDatei);
    ZeigePfad(ui::child(this, kIdcBibo), m_daten.bibo, kKeineDatenbank);
    ui::setChildText(this, kIdcBiboVersion, m_daten.biboVersion);
    const struct {
        int box, version;
        const SModulDaten::SModul& modul;
    } zeilen[] = {
        {kIdcErdluft, kIdcErdluftVersion, m_daten.erdluft},
        {kIdcSolar, kIdcSolarVersion, m_daten.solar},
        {kIdcReport, kIdcReportVersion, m_daten.report},
    };
    for (const auto& z : zeilen) {
        if (auto* box = qobject_cast<QCheckBox*>(ui::child(this, z.box)))
            box->setChecked(z.modul.gebunden);
        ui::setChildText(this, z.version, z.modul.version);
    }
    setWindowTitle(QString::fromStdU16String(Text(kCaption)));
    // The boxes are controls of their own, made without the layout's texts.
    ui::setChildText(this, kIdcErdluft, Text(kTextErdluft));
    ui::setChildText(this, kIdcSolar, Text(kTextSolar));
    ui::setChildText(this, kIdcReport, Text(kTextReport));
    m_tipBibo = Tip(this, ui::child(this, kIdcBibo), m_daten.bibo);
    m_tipDatenbank = Tip(this, ui::child(this, kIdcDatenbank), m_daten.datenbank);
    return true;
}
