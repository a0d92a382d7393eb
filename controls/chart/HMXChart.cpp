#include "controls/chart/HMXChart.h"

#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/DrawContext.h"

namespace {

constexpr ui::ColourRef kSchwarz{0x000000};
constexpr int kNormaleSchrift = 400;
constexpr int kTitelSchrift = 600;
// The Y-scale font when none is set, also used for the value labels of vertical bars.
constexpr int kYScaleSchrift = 13;

ui::Rect R(const ChartRect& r) { return {r.left, r.top, r.right, r.bottom}; }
ui::Point P(ChartPunkt p) { return {p.x, p.y}; }

ui::FontSpec Schrift(int hoehe, int gewicht) {
    ui::FontSpec f;
    f.height = hoehe;
    f.weight = gewicht;
    f.face = u"Arial";
    return f;
}

// The font a fresh device context of the desktop holds (its bold "System" font, 16 pixels
// high). The layout measures labels and numbers with whatever the context holds, and the
// scales are sized for that font; the layer's fresh contexts hold a smaller one.
ui::FontSpec FrischeSchrift() {
    ui::FontSpec f;
    f.height = 16;
    f.weight = 700;
    return f;
}

// A set font height, or the one computed from the layout, which is kept from then on.
template <class Setzer>
int Hoehe(int gesetzt, int berechnet, Setzer setze) {
    if (gesetzt >= 1) return gesetzt;
    setze(berechnet);
    return berechnet;
}

CVRMString Zahl(double wert) {
    CVRMString text;
    text.Format(textid::kFormatFloat0, wert);
    return text;
}

void Text(ui::DrawContext& dc, const CVRMString& text, const ChartRect& zelle, unsigned flags) {
    ui::Rect r = R(zelle);
    dc.drawText(text, r, flags | ui::dt::SingleLine);
}

}  // namespace

CHMXChart::CHMXChart(QWidget* parent) : ui::WindowOf<QWidget>(parent) {}

void CHMXChart::Redraw() {
    invalidate();
    if (auto* eltern = parentWidget()) eltern->update();
}

void CHMXChart::ChooseBkColor() {
    if (const auto farbe = ui::CommonDialogs::colour(ui::ColourRef{GetBkColor()}))
        SetBkColor(farbe->value);
}

void CHMXChart::onPaint(ui::DrawContext& dc) {
    std::optional<ZeichenFehler> fehler;
    {
        const QScopedValueRollback<bool> imPaint(m_bImPaint, true);
        try {
            LayoutUndPaint(dc);
        } catch (const ZeichenFehler& f) {
            fehler = f;
        }
    }
    if (!fehler) {
        m_bFehlerGemeldet = false;
        return;
    }
    PaintOhneDaten(dc);
    MeldeEinmal(*fehler);
}

void CHMXChart::Fehler(unsigned textId, const char16_t* ort) {
    if (m_bImPaint) throw ZeichenFehler{textId, ort};
    ThrowFehler(textId, ort);
}

void CHMXChart::PaintOhneDaten(ui::DrawContext& dc) {
    ui::DcState zustand(dc);
    ChartMasse masse;
    const ui::Rect c = clientRect();
    masse.client = {c.left, c.top, c.right, c.bottom};
    m_layout = ChartLayout(*this, masse);
    DrawBackground(dc);
    DrawTitle(dc);
}

void CHMXChart::MeldeEinmal(const ZeichenFehler& fehler) {
    if (std::exchange(m_bFehlerGemeldet, true)) return;
    QMetaObject::invokeMethod(
        this, [fehler] { ShowFehler(fehler.textId, fehler.ort); }, Qt::QueuedConnection);
}

void CHMXChart::LayoutUndPaint(ui::DrawContext& dc) {
    ui::DcState zustand(dc);
    dc.selectFont(FrischeSchrift());
    CalcLayout(dc);
    Paint(dc);
}

void CHMXChart::CalcLayout(ui::DrawContext& dc) {
    ChartMasse masse;
    const ui::Rect c = clientRect();
    masse.client = {c.left, c.top, c.right, c.bottom};
    if (!BestimmeWertebereich()) Fehler(0, u"");
    for (const auto& label : GetXScaleLabels())
        masse.breitestesLabel = std::max(masse.breitestesLabel, dc.textExtent(label).cx);
    const CVRMString breitesteZahl = Zahl(std::max(std::fabs(GetYMin()), std::fabs(GetYMax())));
    masse.breitesteZahl = dc.textExtent(breitesteZahl).cx;
    // The axis title above the graph and the top Y number, whose centre sits on the graph's
    // top line, are measured in the Y-scale font they are drawn in.
    ui::DcState zustand(dc);
    const int yHoehe = GetYScaleFontSize() >= 1 ? GetYScaleFontSize() : kYScaleSchrift;
    dc.selectFont(Schrift(yHoehe, kNormaleSchrift));
    const CVRMString& achsentitel = GetOrientation() != 0 ? GetYAxisTitle() : GetXAxisTitle();
    if (!achsentitel.empty()) masse.achsentitelHoehe = dc.textExtent(achsentitel).cy;
    if (GetOrientation() != 0 && GetShowYScale() && GetYDivisions() > 0)
        masse.zahlUeberstand = std::max(0, dc.textExtent(breitesteZahl).cy - yHoehe / 2);
    m_layout = ChartLayout(*this, masse);
}

void CHMXChart::Paint(ui::DrawContext& dc) {
    DrawBackground(dc);
    DrawTitle(dc);
    // A window too small for a data area gets its background and title only.
    if (!m_layout.Zeichenbar()) return;
    DrawGrid(dc);
    DrawZeroLine(dc);
    DrawAxes(dc);
    DrawYScale(dc);
    DrawXScale(dc);
    DrawLegend(dc);
    DrawDatasets(dc);
}

void CHMXChart::DrawBackground(ui::DrawContext& dc) {
    ui::DcState zustand(dc);
    dc.selectBrush(ui::Brush::solid(ui::ColourRef{GetBkColor()}));
    dc.rectangle(R(m_layout.client));
}

void CHMXChart::DrawTitle(ui::DrawContext& dc) {
    if (GetTitle().empty()) return;
    ui::DcState zustand(dc);
    const int hoehe = Hoehe(GetTitleFontSize(), m_layout.TitelSchrift(),
                            [this](int h) { SetTitleFontSize(h); });
    dc.selectFont(Schrift(hoehe, kTitelSchrift));
    dc.setBackColour(ui::ColourRef{GetBkColor()});
    Text(dc, GetTitle(), m_layout.titel, ui::dt::Center | ui::dt::VCenter);
}

void CHMXChart::DrawGrid(ui::DrawContext& dc) {
    if (GetVertGrid() == 1) DrawVertGridLines(dc);
    if (GetHorzGrid() == 1) DrawHorzGridLines(dc);
}

void CHMXChart::DrawHorzGridLines(ui::DrawContext& dc) {
    ui::DcState zustand(dc);
    dc.selectPen({ui::PenStyle::Dot, 1, kSchwarz});
    dc.selectBrush(ui::Brush::solid(kSchwarz));
    dc.setBackColour(ui::ColourRef{GetBkColor()});
    for (const auto& linie : m_layout.HorizontaleGitterlinien(GetYDivisions())) {
        dc.moveTo(P(linie.von));
        dc.lineTo(P(linie.bis));
    }
}

void CHMXChart::DrawVertGridLines(ui::DrawContext& dc) {
    ui::DcState zustand(dc);
    dc.selectPen({ui::PenStyle::Solid, 1, kSchwarz});
    dc.setBackColour(ui::ColourRef{GetBkColor()});
    for (const auto& linie : m_layout.VertikaleGitterlinien(GetXLabelStep())) {
        dc.moveTo(P(linie.von));
        dc.lineTo(P(linie.bis));
    }
}

void CHMXChart::DrawZeroLine(ui::DrawContext& dc) {
    if (!GetZeroLine() || !m_layout.MitNulllinie()) return;
    ui::DcState zustand(dc);
    dc.selectPen({ui::PenStyle::Solid, 1, kSchwarz});
    const auto linie = m_layout.Nulllinie();
    dc.moveTo(P(linie.von));
    dc.lineTo(P(linie.bis));
}

void CHMXChart::DrawAxes(ui::DrawContext& dc) {
    const auto& y = m_layout.yScale;
    const auto& x = m_layout.xScale;
    dc.moveTo({y.right, y.bottom});
    dc.lineTo({y.right, y.top});
    dc.moveTo({x.left, x.top});
    dc.lineTo({x.right, x.top});
}

void CHMXChart::DrawYScale(ui::DrawContext& dc) {
    const int n = GetYDivisions();
    if (!GetShowYScale() || n <= 0) return;
    ui::DcState zustand(dc);
    const int hoehe = Hoehe(GetYScaleFontSize(), kYScaleSchrift,
                            [this](int h) { SetYScaleFontSize(h); });
    dc.setBackMode(ui::BkMode::Transparent);
    dc.selectFont(Schrift(hoehe, kNormaleSchrift));
    dc.setTextColour(kSchwarz);
    const double bereich = m_layout.Bereich();
    for (int k = 0; k <= n; ++k) {
        const CVRMString text = Zahl(m_layout.yMin + k * bereich / n);
        if (m_layout.normal)
            Text(dc, text, m_layout.YZahlZelle(k, n, hoehe), ui::dt::Right | ui::dt::Bottom);
        else
            Text(dc, text, m_layout.YZahlZelleQuer(k, n, dc.textExtent(text).cx),
                 ui::dt::Left);
    }
    if (m_layout.normal) {
        if (!GetYAxisTitle().empty()) Text(dc, GetYAxisTitle(), m_layout.achsentitel, ui::dt::Left);
    } else if (!GetXAxisTitle().empty()) {
        Text(dc, GetXAxisTitle(), m_layout.achsentitel, ui::dt::Left | ui::dt::Bottom);
    }
}

void CHMXChart::DrawXScale(ui::DrawContext& dc) {
    const auto& labels = GetXScaleLabels();
    const int anzahl = labels.GetSize();
    if (anzahl == 0) return;
    ui::DcState zustand(dc);
    const int hoehe = Hoehe(GetXScaleFontSize(), m_layout.XScaleSchrift(anzahl),
                            [this](int h) { SetXScaleFontSize(h); });
    dc.setBackMode(ui::BkMode::Transparent);
    dc.selectFont(Schrift(hoehe, kNormaleSchrift));
    dc.setTextColour(kSchwarz);
    const int schritt = GetXLabelStep();
    for (int i = 0; i < anzahl; i += schritt) {
        const auto zelle = m_layout.XLabelZelle(i, schritt, anzahl);
        if (m_layout.normal)
            Text(dc, labels[i], zelle, schritt == 1 ? ui::dt::Center : ui::dt::Left);
        else
            Text(dc, labels[i] + u" ", zelle, ui::dt::Right | ui::dt::VCenter);
    }
    const CVRMString& titel = m_layout.normal ? GetXAxisTitle() : GetYAxisTitle();
    if (!titel.empty()) Text(dc, titel, m_layout.xScale, ui::dt::Right | ui::dt::Bottom);
}

void CHMXChart::DrawLegend(ui::DrawContext& dc) {
    const int n = GetMaxDataset();
    if (!GetShowLegend() || n < 1) return;
    ui::DcState zustand(dc);
    const int hoehe = Hoehe(GetLegendFontSize(), m_layout.LegendeSchrift(),
                            [this](int h) { SetLegendFontSize(h); });
    dc.selectFont(Schrift(hoehe, kNormaleSchrift));
    dc.setBackMode(ui::BkMode::Transparent);
    for (int j = 0; j < n; ++j) {
        const auto& serie = GetDataset(j);
        dc.setTextColour(ui::ColourRef{serie.GetPenColor()});
        Text(dc, serie.GetLegend(), m_layout.LegendeZelle(j, n), ui::dt::Center | ui::dt::VCenter);
    }
}

void CHMXChart::DrawDatasets(ui::DrawContext& dc) {
    for (int ds = kChartSerien - 1; ds >= 0; --ds) DrawDataset(dc, ds);
}

void CHMXChart::DrawDataset(ui::DrawContext& dc, int ds) {
    const CHMXDataset& serie = GetDataset(ds);
    double min = 0.0, max = 0.0;
    if (!serie.GetMinMax(min, max) || min == kKeinWert) return;
    ui::DcState zustand(dc);
    switch (serie.GetStyle()) {
        case kStilLinie: DrawLine(dc, serie); break;
        case kStilBalken: DrawBars(dc, serie, ds); break;
        case kStilFlaeche: DrawArea(dc, serie); break;
        case kStilQuerbalken: DrawHBars(dc, serie, ds); break;
        default: break;
    }
}

void CHMXChart::DrawLine(ui::DrawContext& dc, const CHMXDataset& serie) {
    const ui::ColourRef farbe{serie.GetPenColor()};
    dc.selectPen({ui::PenStyle::Solid, serie.GetDrawSize(), farbe});
    dc.selectBrush(ui::Brush::solid(farbe));
    const auto punkte = m_layout.LinienPunkte(serie);
    dc.moveTo(P(punkte.front()));
    for (std::size_t i = 1; i < punkte.size(); ++i) dc.lineTo(P(punkte[i]));
    if (serie.GetMarker() == 0) return;
    const int s = 2 * serie.GetDrawSize();
    for (const auto& p : punkte) {
        ChartMarker form;
        if (!ChartLayout::Marker(serie.GetMarker(), p, s, form))
            Fehler(textid::kChartFehler, u"DrawDataset");
        if (form.kreis) {
            dc.ellipse(R(form.box));
            continue;
        }
        std::vector<ui::Point> ecken;
        for (const auto& e : form.ecken) ecken.push_back(P(e));
        dc.polygon(ecken);
    }
}

void CHMXChart::DrawBars(ui::DrawContext& dc, const CHMXDataset& serie, int ds) {
    const ui::ColourRef farbe{serie.GetPenColor()};
    dc.selectPen({ui::PenStyle::Solid, 1, farbe});
    dc.selectBrush(ui::Brush::solid(farbe));
    dc.selectFont(Schrift(GetYScaleFontSize() >= 1 ? GetYScaleFontSize() : kYScaleSchrift,
                          kNormaleSchrift));
    for (const auto& balken :
         m_layout.Balken(serie, ds, CountBarDatasets(), GetBarsOverlap() != 0)) {
        dc.rectangle(R(balken.rect));
        if (serie.GetMarker() == 2)
            Text(dc, Zahl(balken.wert), balken.beschriftung, ui::dt::Center | ui::dt::VCenter);
    }
}

void CHMXChart::DrawHBars(ui::DrawContext& dc, const CHMXDataset& serie, int ds) {
    const ui::ColourRef farbe{serie.GetPenColor()};
    dc.selectPen({ui::PenStyle::Solid, 1, farbe});
    dc.selectBrush(ui::Brush::solid(farbe));
    dc.selectFont(Schrift(GetXScaleFontSize() >= 1 ? GetXScaleFontSize()
                                                   : m_layout.XScaleSchrift(GetXScaleLabels().GetSize()),
                          kNormaleSchrift));
    for (const auto& balken :
         m_layout.Querbalken(serie, ds, CountHBarDatasets(), GetBarsOverlap() != 0)) {
        dc.rectangle(R(balken.rect));
        if (serie.GetMarker() == 2)
            Text(dc, Zahl(balken.wert), balken.beschriftung,
                 (balken.wert > 0.0 ? ui::dt::Left : ui::dt::Right) | ui::dt::VCenter);
    }
}

void CHMXChart::DrawArea(ui::DrawContext& dc, const CHMXDataset& serie) {
    const ui::ColourRef farbe{serie.GetPenColor()};
    dc.selectPen({ui::PenStyle::Solid, 1, farbe});
    dc.selectBrush(ui::Brush::solid(farbe));
    std::vector<ui::Point> umriss;
    for (const auto& p : m_layout.Flaeche(serie)) umriss.push_back(P(p));
    dc.polygon(umriss);
}
