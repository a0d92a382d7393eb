#include "dialogs/KelvoViewDlg.h"

#include <QLineEdit>
#include <QListWidget>

#include "app/doc/KelvoDoc.h"
#include "controls/chart/HMXChart.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/ErgebnisFenster.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/OptionIds.h"
#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "platform/ui/DrawContext.h"

namespace {

using K = ui::ControlKind;
using L = CKelvoViewDlgLogik;

constexpr unsigned kTitel = 3335;  // "Results for building"
constexpr unsigned kNurLesen = ui::cs::EditReadOnly;

QString Qt16(const CVRMString& text) { return QString::fromStdU16String(text); }

}  // namespace

void RegistriereKelvoViewDlgVorlage() {
    if (ui::findDialogTemplate(CKelvoViewDlg::kIDD)) return;
    const auto wert = [](int id, int x, int y) {
        return ui::ControlSpec{id, K::Edit, {x, y, x + (x > 300 ? 50 : 48), y + 11}, 0, u"", kNurLesen};
    };
    std::vector<ui::ControlSpec> c = {
        ergebnisfenster::ChartSpec(L::kIdChart, {5, 5, 247, 150}),
        {L::kIdUeberschrift, K::Static, {253, 5, 397, 25}, 0, u"", ui::dt::Center},
        {L::kIdListe, K::List, {253, 27, 397, 150}},
        {L::kIdJahrTitel, K::Static, {5, 157, 146, 166}},
        {L::kIdSpalteHeiz, K::Static, {150, 157, 198, 166}, 0, u"", ui::dt::Right},
        {L::kIdSpalteWW, K::Static, {202, 157, 250, 166}, 0, u"", ui::dt::Right},
        {L::kIdZeileWP, K::Static, {5, 171, 146, 180}},
        wert(L::kIdWPHeiz, 150, 169),
        wert(L::kIdWPWW, 202, 169),
        {L::kIdZeileZweiter, K::Static, {5, 185, 146, 194}},
        wert(L::kIdZweiterHeiz, 150, 183),
        wert(L::kIdZweiterWW, 202, 183),
        // The labels hold "Wärmepumpe/Erdreich" whole.
        {L::kIdGruppeSolar, K::Group, {258, 153, 397, 209}},
        {L::kIdLabelSolarHeiz, K::Static, {264, 165, 340, 174}},
        wert(L::kIdSolarHeiz, 342, 163),
        {L::kIdLabelSolarWW, K::Static, {264, 179, 340, 188}},
        wert(L::kIdSolarWW, 342, 177),
        {L::kIdLabelSolarErde, K::Static, {264, 193, 340, 202}},
        wert(L::kIdSolarErde, 342, 191),
        {L::kIdHilfe, K::Button, {200, 197, 250, 210}},
    };
    ui::registerDialogTemplate({CKelvoViewDlg::kIDD, {402, 214}, 0, u"Hausergebnisse", c});
}

CKelvoViewDlg::CKelvoViewDlg(CKelvoDoc& dokument, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_dokument(dokument) {
    RegistriereKelvoViewDlgVorlage();
}

SHausLeser CKelvoViewDlg::Leser() {
    SHausLeser leser;
    leser.jahr = [this](CKelvoErgebnisse& ergebnisse, CAuswertDaten& jahr) {
        std::array<float, 12> monate{};
        m_dokument.GetAuswertDaten(ergebnisse, jahr, monate, 0, 0.0f);
    };
    leser.heizbedarf = [this](int m) { return m_dokument.MomHeizbedarf(m, 0.0f, false); };
    leser.warmwasser = [this](std::array<float, 12>& kWh) { m_dokument.Haus().MonatlicherWWbedarf(kWh); };
    leser.vorlauf = [this](int m) { return m_dokument.MomVorlaufTemp(m); };
    leser.festeVorlauf = m_dokument.IstKonstanteVorlaufTemp();
    leser.solarProjekt = m_dokument.Haus().IstSolarProjekt(m_dokument.ProjektText(ID_Solar));
    return leser;
}

bool CKelvoViewDlg::onInitDialog() {
    CHMXChart* chart = ergebnisfenster::Chart(this, L::kIdChart);
    bool solarProjekt = false;
    try {
        if (!chart) ThrowFehler(ergebnisfenster::kKeinChart, nullptr);
        SHausFarben farben;
        farben.hintergrund = ergebnisfenster::Farbe(OPT_COLOR_BKGND_HAUS);
        farben.heizung = ergebnisfenster::Farbe(OPT_COLOR_HEIZ_BEDARF);
        farben.warmwasser = ergebnisfenster::Farbe(OPT_COLOR_WAWA_BEDARF);
        farben.solar = ergebnisfenster::Farbe(OPT_COLOR_SOLAR_GEWINN);
        m_logik.InitChart(*chart, farben);
        setWindowTitle(Qt16(m_dokument.GetPathName()) + QStringLiteral(" - ") + DlgText(kTitel));
        const SHausLeser leser = Leser();
        solarProjekt = leser.solarProjekt;
        m_logik.Fuelle(*chart, leser);
        chart->show();
        chart->Redraw();
    } catch (const std::exception&) {
        // What was filled stays; the chart is not shown half-made.
        if (chart) chart->hide();
    }
    SetzeDlgTexte(*this, {{L::kIdUeberschrift, 5025}, {L::kIdJahrTitel, 5026},
                          {L::kIdSpalteHeiz, 5027}, {L::kIdSpalteWW, 5028},
                          {L::kIdZeileWP, L::ZeilenLabelWP(solarProjekt)},
                          {L::kIdZeileZweiter, 5030}, {L::kIdGruppeSolar, 5031, true},
                          {L::kIdLabelSolarHeiz, 5032}, {L::kIdLabelSolarWW, 5033},
                          {L::kIdLabelSolarErde, L::kLabelSolarErde}, {L::kIdHilfe, 5178}});
    if (auto* liste = qobject_cast<QListWidget*>(ui::child(this, L::kIdListe))) {
        liste->clear();
        for (const CVRMString& zeile : m_logik.Zeilen()) liste->addItem(Qt16(zeile));
    }
    for (const auto& [id, text] : m_logik.Texte()) ui::setChildText(this, id, text);
    for (int id : {L::kIdWPHeiz, L::kIdWPWW, L::kIdZweiterHeiz, L::kIdZweiterWW, L::kIdSolarHeiz,
                   L::kIdSolarWW, L::kIdSolarErde})
        if (auto* feld = qobject_cast<QLineEdit*>(ui::child(this, id))) feld->setAlignment(Qt::AlignRight);
    FaerbeNurLesendeFelder(*this);
    return true;
}

bool CKelvoViewDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    if (id == L::kIdHilfe) {
        ZeigeHilfe();
        return true;
    }
    return ui::Dialog::onCommand(id, notifyCode, from);
}

bool CKelvoViewDlg::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}

void CKelvoViewDlg::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"hausergs"); }
