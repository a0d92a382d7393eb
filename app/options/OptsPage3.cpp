#include "app/options/OptsPage3.h"

#include <QDir>

#include "app/options/OptsTexte.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using ui::ControlKind;

// A labelled path field with its browse button; `y` the top of the label.
void Pfad(std::vector<ui::ControlSpec>& c, int editId, int y, unsigned label, unsigned knopf) {
    c.push_back({editId - 1, ControlKind::Static, {14, y, 366, y + 8}, label});
    c.push_back({editId, ControlKind::Edit, {14, y + 10, 304, y + 24}});
    c.push_back({editId + 1, ControlKind::Button, {310, y + 10, 366, y + 24}, knopf});
}

void RegistriereVorlage() {
    if (ui::findDialogTemplate(COptsPage3::kVorlage)) return;
    using P = COptsPage3;
    std::vector<ui::ControlSpec> c = {{1200, ControlKind::Group, {7, 7, 373, 232}, 5085}};
    Pfad(c, P::kVorlagenOrdner, 20, 5086, 5087);
    Pfad(c, P::kReportOrdner, 50, 5091, 5092);
    Pfad(c, P::kProgramm, 80, 5088, 5089);
    c.push_back({1210, ControlKind::Static, {14, 110, 366, 118}, 6074});
    c.push_back({P::kBrowser, ControlKind::Radio, {24, 121, 180, 131}, 6072, u"",
                 ui::cs::RadioGroupStart});
    c.push_back({P::kTextverarbeitung, ControlKind::Radio, {186, 121, 366, 131}, 6073});
    Pfad(c, P::kStandardVorlage, 140, 5093, 5094);
    c.push_back({1216, ControlKind::Static, {14, 168, 366, 186}, 5095});
    c.push_back({P::kEigeneVorlagen, ControlKind::Check, {14, 196, 366, 206}, 5226});
    c.push_back({P::kSpeichern, ControlKind::Check, {14, 212, 366, 222}, 5097});
    ui::registerDialogTemplate({P::kVorlage, COptsPage::kGroesse, 5181, u"", std::move(c)});
}

}  // namespace

COptsPage3::COptsPage3(IOptionenUmgebung& umgebung)
    : COptsPage((RegistriereVorlage(), kVorlage), 5181, u"opts3"), m_logik(umgebung) {}

void COptsPage3::ZeigePfade() {
    ZeigePfad(kVorlagenOrdner, m_logik.m_vorlagenDir);
    ZeigePfad(kReportOrdner, m_logik.m_reportDir);
    ZeigePfad(kProgramm, m_logik.m_reportApp);
    ZeigePfad(kStandardVorlage, m_logik.m_stdErgReport);
}

void COptsPage3::doDataExchange(ui::DataExchange& dx) {
    dx.radio(kBrowser, m_logik.m_rmw);
    dx.check(kEigeneVorlagen, m_logik.m_userReport);
    dx.check(kSpeichern, m_logik.m_saveReport);
    if (dx.saving()) {
        m_programmLeer = IstLeer(kProgramm);
        m_vorlageLeer = IstLeer(kStandardVorlage);
    } else {
        ZeigePfade();
    }
}

void COptsPage3::Anwenden() {
    m_logik.Apply(m_programmLeer, m_vorlageLeer);
    ZeigePfade();
}

void COptsPage3::WaehleVorlagenOrdner() {
    const auto ordner = ui::CommonDialogs::folder(
        CVRMString(COptsPage3Logik::kTitelVorlagenOrdner, nullptr), m_logik.m_vorlagenDir);
    if (!ordner || ordner->empty()) return;
    m_logik.m_vorlagenDir = *ordner;
    ZeigePfad(kVorlagenOrdner, m_logik.m_vorlagenDir);
    Geaendert();
}

void COptsPage3::WaehleReportOrdner() {
    if (!updateData(true)) return;
    const auto ordner = ui::CommonDialogs::folder(
        CVRMString(COptsPage3Logik::kTitelReportOrdner, nullptr), m_logik.m_reportDir);
    if (!ordner || ordner->empty()) return;
    if (!m_logik.SetzeReportOrdner(*ordner)) return;
    Geaendert();
    updateData(false);
}

void COptsPage3::WaehleProgramm() {
    if (!m_logik.UebernimmDocProgramm()) {
        ui::FileDialogRequest anfrage;
        anfrage.filter = CVRMString(optstext::kProgrammFilter, nullptr);
        anfrage.startDir = QDir::homePath().toStdU16String();
        anfrage.title = CVRMString(COptsPage3Logik::kTitelProgramm, nullptr);
        anfrage.mustExist = true;
        anfrage.programs = true;
        anfrage.parent = this;
        const auto datei = ui::CommonDialogs::file(anfrage);
        if (!datei) return;
        m_logik.m_reportApp = *datei;
    }
    ZeigePfad(kProgramm, m_logik.m_reportApp);
    Geaendert();
}

void COptsPage3::WaehleStandardVorlage() {
    ui::FileDialogRequest anfrage;
    anfrage.filter = CVRMString(COptsPage3Logik::kVorlagenFilter, nullptr);
    anfrage.defaultExt = u"html";
    anfrage.startDir = m_logik.m_vorlagenDir;
    anfrage.title = CVRMString(COptsPage3Logik::kTitelVorlage, nullptr);
    anfrage.mustExist = true;
    anfrage.parent = this;
    const auto datei = ui::CommonDialogs::file(anfrage);
    if (!datei) return;
    m_logik.m_stdErgReport = *datei;
    ZeigePfad(kStandardVorlage, m_logik.m_stdErgReport);
    Geaendert();
}

bool COptsPage3::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kVorlagenOrdnerWaehlen: WaehleVorlagenOrdner(); return true;
        case kReportOrdnerWaehlen: WaehleReportOrdner(); return true;
        case kProgrammWaehlen: WaehleProgramm(); return true;
        case kStandardVorlageWaehlen: WaehleStandardVorlage(); return true;
        default: return COptsPage::onCommand(id, notifyCode, from);
    }
}
