#include "dialogs/DlgEdGrafik.h"

#include "controls/chart/HMXChart.h"
#include "dialogs/ErgebnisFenster.h"
#include "app/shell/KelvoApp.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"

void RegistriereDlgEdGrafikVorlage() {
    if (ui::findDialogTemplate(CDlgEdGrafik::kIDD)) return;
    ui::registerDialogTemplate({CDlgEdGrafik::kIDD, {380, 180}, 0, u"Energiedeckung",
                                {ergebnisfenster::ChartSpec(CDlgEdGrafikLogik::kIdChart, {4, 4, 376, 176})}});
}

CDlgEdGrafik::CDlgEdGrafik(unsigned titelID, const L::Kurve& bedarf, const L::Kurve& leistung,
                           const L::Kurve& faktor, int tVon, int tBis, float abzug, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_logik(titelID, bedarf, leistung, faktor, tVon, tBis, abzug) {
    RegistriereDlgEdGrafikVorlage();
}

bool CDlgEdGrafik::onInitDialog() {
    CHMXChart* chart = ergebnisfenster::Chart(this, L::kIdChart);
    if (!chart) ThrowFehler(ergebnisfenster::kKeinChart, nullptr);
    SEdFarben farben;
    farben.hintergrund = ergebnisfenster::Farbe(OPT_COLOR_BKGND_HAUS);
    farben.zusatz = ergebnisfenster::Farbe(OPT_COLOR_WAWA_BEDARF);
    farben.umwelt = ergebnisfenster::Farbe(OPT_COLOR_SOLAR_GEWINN);
    farben.antrieb = ergebnisfenster::Farbe(OPT_COLOR_HEIZ_BEDARF);
    m_logik.Fuelle(*chart, farben);
    setWindowTitle(QString::fromStdU16String(GetKelvoAppObjekt().GetAktProjektName()));
    chart->show();
    chart->Redraw();
    return true;
}
