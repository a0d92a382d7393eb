#include "dialogs/KelvoView2Dlg.h"

#include <QApplication>
#include <QListWidget>
#include <QStyle>

#include "app/doc/KelvoDoc.h"
#include "controls/chart/HMXChart.h"
#include "dialogs/DlgTexte.h"
#include "dialogs/ErgebnisFenster.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "platform/format/Format.h"
#include "platform/ui/Desktop.h"
#include "controls/small/EnablerDisabler.h"
#include "core/text/TextIdConstants.h"

namespace {

using K = ui::ControlKind;
using L = CKelvoView2DlgLogik;

constexpr unsigned kTitel = 3336;          // "Results for heat source"
constexpr unsigned kAbgebrochen = 3522;      // "Calculation aborted"
constexpr unsigned kWinterMittel1 = 5048;    // "Average value Oct - Apr [°C]"
constexpr unsigned kWinterMittel2 = 5051;
constexpr int kSoleWP = 0;  // heat-pump medium kind whose brine runs with the evaporator spread

QString Qt16(const CVRMString& text) { return QString::fromStdU16String(text); }

QString Zahl1(float wert) { return Qt16(platform::format(u"%.1f", static_cast<double>(wert))); }

}  // namespace

void RegistriereKelvoView2DlgVorlage() {
    if (ui::findDialogTemplate(CKelvoView2Dlg::kIDD)) return;
    const auto zeile = [](std::vector<ui::ControlSpec>& c, int label, int wert, int y) {
        c.push_back({label, K::Static, {10, y, 200, y + 9}});
        c.push_back({wert, K::Static, {205, y, 262, y + 9}});
    };
    std::vector<ui::ControlSpec> c = {
        ergebnisfenster::ChartSpec(L::kIdChart1, {5, 5, 267, 158}),
        ergebnisfenster::ChartSpec(L::kIdChart2, {5, 197, 267, 350}),
        {L::kIdListeLabel, K::Static, {5, 360, 60, 369}, 0, u"", ui::cs::Hidden},
        {L::kIdListe, K::List, {60, 360, 130, 378}, 0, u"", ui::cs::Hidden},
        {L::kIdReynoldsLabel1, K::Static, {135, 360, 180, 369}},
        {L::kIdReynolds1, K::Static, {180, 360, 200, 369}},
        {L::kIdReynoldsLabel2, K::Static, {200, 360, 240, 369}},
        {L::kIdReynolds2, K::Static, {240, 360, 262, 369}},
        {L::kIdHilfe, K::Button, {215, 365, 267, 378}},
    };
    zeile(c, L::kIdLabel1, L::kIdMittel1, 163);
    zeile(c, L::kIdLabelWinter1, L::kIdWinter1, 176);
    zeile(c, L::kIdLabel2, L::kIdMittel2, 355);
    zeile(c, L::kIdLabelWinter2, L::kIdWinter2, 368);
    ui::registerDialogTemplate({CKelvoView2Dlg::kIDD, {272, 383}, 0, u"W\u00e4rmequellenergebnisse", c});
}

CKelvoView2Dlg::CKelvoView2Dlg(CKelvoDoc& dokument, QWidget* parent)
    : ui::Dialog(kIDD, parent), m_dokument(dokument) {
    RegistriereKelvoView2DlgVorlage();
}

void CKelvoView2Dlg::InitChart(int id) {
    CHMXChart* chart = ergebnisfenster::Chart(this, id);
    if (!chart) ThrowFehler(ergebnisfenster::kKeinChart, nullptr);
    SQuellFarben farben;
    farben.hintergrund = ergebnisfenster::Farbe(OPT_COLOR_BKGND_QUELLE);
    farben.ungestoert = ergebnisfenster::Farbe(OPT_COLOR_QTEMP_U);
    farben.resultierend = ergebnisfenster::Farbe(OPT_COLOR_QTEMP_G);
    farben.sole = ergebnisfenster::Farbe(OPT_COLOR_STEMP);
    L::InitChart(*chart, farben);
}

bool CKelvoView2Dlg::onInitDialog() {
    CKombiWQuelle2& kombi = m_dokument.KombiWQuelle();
    m_zweiQuellen = kombi.IstGueltig() && kombi.GetAnzahlWQuellen() > 1;
    InitChart(L::kIdChart1);
    if (!m_zweiQuellen) {
        const int breite = width() + QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 1;
        setFixedSize(breite, height() / 2);
    } else {
        InitChart(L::kIdChart2);
    }
    setWindowTitle(Qt16(m_dokument.GetPathName()) + QStringLiteral(" - ") + DlgText(kTitel));
    UpdateBerechnungen();
    UpdateBerechnungen2();
    if (!m_zweiQuellen)
        for (int id : {L::kIdChart2, L::kIdLabel2, L::kIdMittel2, L::kIdLabelWinter2, L::kIdWinter2,
                       L::kIdReynoldsLabel2, L::kIdReynolds2})
            ShowDlgItem(this, id, false);
    SetzeDlgTexte(*this, {{L::kIdLabelWinter1, kWinterMittel1}, {L::kIdLabelWinter2, kWinterMittel2},
                          {L::kIdHilfe, 5178}});
    for (int id : {L::kIdReynolds1, L::kIdReynoldsLabel1, L::kIdReynolds2, L::kIdReynoldsLabel2,
                   L::kIdListeLabel, L::kIdHilfe})
        ShowDlgItem(this, id, false);
    return true;
}

void CKelvoView2Dlg::UpdateBerechnungen() {
    ui::WaitCursor warten;
    try {
        SQuellErgebnisse e;
        m_dokument.RunAuswertung(e.ergebnisse, 0, 0.0f);
        CWPumpe2& wp = m_dokument.WPumpe();
        e.wpMedium = wp.IstGueltig() ? wp.GetWert(ID_MedienTyp).GetIntVal() : -1;
        if (wp.IstGueltig() && e.wpMedium == kSoleWP)
            e.spreizung = m_dokument.Projekt().GetWert(ID_TempDiffVerdampf2).GetFloatVal();
        e.zweiQuellen = m_zweiQuellen;
        CWQuelle2* erste = m_dokument.GetWQuelle(1);
        if (!erste) ThrowFehler(textid::kDatenFehlen, u"CKelvoView2Dlg::UpdateBerechnungen");
        e.art1 = erste->GetWert(ID_QuellMediumIdx).GetIntVal();
        e.zwischenkreis1 = erste->GetWert(ID_ZwkWt).GetBoolVal();
        e.zwischenkreisAbzug = m_dokument.Projekt().GetWert(ID_ZKWTV2).GetUIntVal();
        if (m_zweiQuellen)
            e.art2 = m_dokument.GetWQuelle(0)->GetWert(ID_QuellMediumIdx).GetIntVal();
        m_logik.UpdateBerechnungen(e);
        ui::setChildText(this, L::kIdLabel1, DlgText(m_logik.Mittel1().label).toStdU16String());
        ui::setChildText(this, L::kIdMittel1, Zahl1(m_logik.Mittel1().jahr).toStdU16String());
        ui::setChildText(this, L::kIdWinter1, Zahl1(m_logik.Mittel1().winter).toStdU16String());
        if (CHMXChart* chart = ergebnisfenster::Chart(this, L::kIdChart1)) {
            m_logik.UpdateChart1(*chart);
            chart->Redraw();
        }
        if (auto* liste = qobject_cast<QListWidget*>(ui::child(this, L::kIdListe))) {
            liste->clear();
            for (int m = 0; m < 12; ++m) liste->addItem(Qt16(m_logik.ListenZeile(m)));
        }
    } catch (const std::exception&) {
        for (int id : {L::kIdReynolds1, L::kIdMittel1, L::kIdWinter1}) ui::setChildText(this, id, u"?");
        ThrowFehler2(textid::kKeineErgebnisse, kAbgebrochen);
    }
}

void CKelvoView2Dlg::UpdateBerechnungen2() {
    if (!m_zweiQuellen) return;
    ui::WaitCursor warten;
    try {
        m_logik.UpdateBerechnungen2();
        ui::setChildText(this, L::kIdLabel2, DlgText(m_logik.Mittel2().label).toStdU16String());
        ui::setChildText(this, L::kIdMittel2, Zahl1(m_logik.Mittel2().jahr).toStdU16String());
        ui::setChildText(this, L::kIdWinter2, Zahl1(m_logik.Mittel2().winter).toStdU16String());
        CHMXChart* chart1 = ergebnisfenster::Chart(this, L::kIdChart1);
        if (CHMXChart* chart = ergebnisfenster::Chart(this, L::kIdChart2); chart && chart1) {
            m_logik.UpdateChart2(*chart, *chart1);
            chart->Redraw();
        }
    } catch (const std::exception&) {
        for (int id : {L::kIdReynolds2, L::kIdMittel2, L::kIdWinter2}) ui::setChildText(this, id, u"?");
        ThrowFehler2(textid::kKeineErgebnisse, kAbgebrochen);
    }
}

bool CKelvoView2Dlg::onKeyDown(ui::Key key, ui::KeyMods) {
    if (key != ui::Key::F1) return false;
    ZeigeHilfe();
    return true;
}

void CKelvoView2Dlg::ZeigeHilfe() { GetKelvoApp().ShowHilfeThema(u"wqergs"); }
