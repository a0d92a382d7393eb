#include "controls/chart/ChartLayout.h"

#include <algorithm>

#include "platform/numbers/Numbers.h"

namespace {

using platform::toInt32;

// The largest automatic height of the X-scale font.
constexpr int kXScaleSchriftMax = 15;

// Half width and offset of a bar within its slot: centred when bars overlap, else the
// bars of the `anzahl` series of that style side by side.
struct SlotLage {
    int halbeBreite = 0;
    int versatz = 0;
};

SlotLage BerechneSlotLage(double slot, int drawSize, int index, int anzahl, bool ueberlappen) {
    SlotLage lage;
    lage.halbeBreite = toInt32(drawSize * 0.1 * slot / 2.0);
    if (ueberlappen) {
        lage.versatz = toInt32(slot / 2.0);
        return lage;
    }
    const int c = std::max(anzahl, 1);
    const int p = toInt32((slot / 2.0) / (c + 1));
    lage.versatz = 2 * (index + 1) * p;
    if (lage.halbeBreite < p)
        lage.versatz += -lage.halbeBreite + toInt32((slot - 2.0 * c * lage.halbeBreite) / 2.0);
    return lage;
}

}  // namespace

ChartLayout::ChartLayout(const CHMXChartModel& chart, const ChartMasse& masse)
    : client(masse.client), normal(chart.GetOrientation() != 0), yMin(chart.GetYMin()),
      yMax(chart.GetYMax()) {
    const int randX = client.Width() / 80;
    const int randY = client.Height() / 80;
    inner = {client.left + randX, client.top + randY, client.right - randX, client.bottom - randY};

    const int titelUnten = inner.bottom / 10;
    titel = {inner.left, inner.top, inner.right, titelUnten};
    const int oben = chart.GetTitle().empty() ? inner.top : titelUnten;
    achsentitel = {inner.left, oben, inner.right, oben + masse.achsentitelHoehe};
    const int graphOben = achsentitel.bottom + masse.zahlUeberstand;
    const int legendeHoehe = chart.GetShowLegend() ? inner.bottom / 10 : 0;
    graph = {inner.left, graphOben, inner.right, inner.bottom - legendeHoehe};

    yScale = {graph.left, graph.top, graph.left + graph.Width() * 7 / 100,
              graph.top + graph.Height() * 85 / 100};
    yScale.right = yScale.left + (normal ? masse.breitesteZahl : masse.breitestesLabel);

    legende = {yScale.right, graph.bottom, inner.right, inner.bottom};
    const int xRechts = normal ? graph.right : graph.right - masse.breitesteZahl / 2;
    xScale = {yScale.right, yScale.bottom, xRechts, graph.bottom};
    daten = {yScale.right, graph.top, xRechts, yScale.bottom};
    punkte = chart.GetPointCount();
}

bool ChartLayout::Zeichenbar() const { return daten.Width() > 0 && daten.Height() > 0; }

double ChartLayout::Slot() const {
    return punkte > 0 ? static_cast<double>(daten.Width()) / punkte : 0.0;
}

int ChartLayout::WertY(double wert) const {
    return daten.bottom - toInt32(daten.Height() * (wert - yMin) / Bereich());
}

int ChartLayout::WertX(double wert) const {
    const double h = daten.Height();
    const double breiteProHoehe = daten.Width() / h;
    return daten.left + 1 + toInt32(breiteProHoehe * toInt32(h * (wert - yMin) / Bereich()));
}

int ChartLayout::PunktX(int i) const {
    const double w = Slot();
    return daten.left + toInt32(i * w) + toInt32(w / 2.0);
}

int ChartLayout::TitelSchrift() const { return titel.Height() * 5 / 7; }

int ChartLayout::XScaleSchrift(int labelAnzahl) const {
    const int hoehe = normal ? xScale.Height() * 5 / 9
                             : toInt32(static_cast<double>(yScale.Height()) /
                                       std::max(labelAnzahl, 1) * 0.625);
    return std::min(hoehe, kXScaleSchriftMax);
}

int ChartLayout::LegendeSchrift() const { return legende.Height() * 2 / 3; }

std::vector<ChartLinie> ChartLayout::HorizontaleGitterlinien(int teilungen) const {
    std::vector<ChartLinie> linien;
    if (teilungen <= 0 || !Zeichenbar()) return linien;
    const double h = daten.Height();
    for (int k = 0; k <= teilungen; ++k) {
        const double anteil = h * k / teilungen;
        if (normal) {
            const int y = daten.bottom - toInt32(anteil);
            linien.push_back({{daten.left, y}, {daten.right, y}});
        } else {
            const int x = daten.left + toInt32(daten.Width() / h * anteil);
            linien.push_back({{x, daten.bottom}, {x, daten.top}});
        }
    }
    return linien;
}

std::vector<ChartLinie> ChartLayout::VertikaleGitterlinien(int schritt) const {
    std::vector<ChartLinie> linien;
    if (punkte <= 0 || !Zeichenbar()) return linien;
    schritt = std::max(schritt, 1);
    const double quer = static_cast<double>(daten.Height()) / punkte;
    for (int i = 0; i < punkte; i += schritt) {
        if (normal) {
            const int x = daten.left + toInt32((i + 0.5) * Slot());
            linien.push_back({{x, daten.top}, {x, daten.bottom}});
        } else {
            const int y = daten.bottom - toInt32((i + 0.5) * quer);
            linien.push_back({{daten.left, y}, {daten.right, y}});
        }
    }
    if (normal)
        linien.push_back({{daten.right, daten.top}, {daten.right, daten.bottom}});
    else
        linien.push_back({{daten.left, daten.top}, {daten.right, daten.top}});
    return linien;
}

ChartLinie ChartLayout::Nulllinie() const {
    const double h = daten.Height();
    const double anteil = -yMin * h / Bereich();
    if (normal) {
        const int y = daten.bottom - toInt32(anteil);
        return {{daten.left, y}, {daten.right, y}};
    }
    const int x = daten.left + toInt32(daten.Width() / h * anteil);
    return {{x, daten.bottom}, {x, daten.top}};
}

ChartRect ChartLayout::YZahlZelle(int k, int n, int schrifthoehe) const {
    const double h = daten.Height();
    const double basis = yScale.bottom + schrifthoehe / 2.0;
    return {yScale.left, toInt32(basis - h * (k + 1) / n), yScale.right,
            toInt32(basis - h * k / n)};
}

ChartRect ChartLayout::YZahlZelleQuer(int k, int n, int textbreite) const {
    const double start = xScale.left - textbreite / 2.0;
    const double w = daten.Width();
    return {toInt32(start + w * k / n), xScale.top, toInt32(start + w * (k + 1) / n),
            xScale.bottom};
}

ChartRect ChartLayout::XLabelZelle(int i, int schritt, int anzahl) const {
    if (normal) {
        const double w = static_cast<double>(daten.Width()) / anzahl;
        return {xScale.left + toInt32(i * w), xScale.top, xScale.left + toInt32((i + schritt) * w),
                xScale.bottom};
    }
    const int h = daten.Height();
    return {yScale.left, yScale.bottom - h * (i + schritt) / anzahl, yScale.right,
            yScale.bottom - h * i / anzahl};
}

ChartRect ChartLayout::LegendeZelle(int j, int n) const {
    const int breite = legende.Width() / n;
    return {legende.left + j * breite, legende.top, legende.left + (j + 1) * breite,
            legende.bottom};
}

std::vector<ChartPunkt> ChartLayout::LinienPunkte(const CHMXDataset& serie) const {
    std::vector<ChartPunkt> punkteListe;
    for (int i = 0; i < serie.GetSize(); ++i) {
        double wert = 0.0;
        serie.GetData(i, wert);
        if (wert != kKeinWert) punkteListe.push_back({PunktX(i), WertY(wert)});
    }
    return punkteListe;
}

bool ChartLayout::Marker(int marker, ChartPunkt p, int s, ChartMarker& form) {
    const int x = p.x, y = p.y;
    form = {};
    switch (marker) {
        case 1:
            form.ecken = {{x, y - s}, {x + s, y + s}, {x - s, y + s}};
            return true;
        case 2:
            form.ecken = {{x - s, y - s}, {x + s, y - s}, {x + s, y + s}, {x - s, y + s}};
            return true;
        case 3:
            form.kreis = true;
            form.box = {x - s, y - s, x + s, y + s};
            return true;
        case 4:
            form.ecken = {{x, y - s}, {x + s, y}, {x, y + s}, {x - s, y}};
            return true;
        default:
            return false;
    }
}

double ChartLayout::BasisPositiv() const { return yMin > 0.0 ? yMin : 0.0; }

double ChartLayout::BasisNegativ() const { return yMax < 0.0 ? yMax : 0.0; }

std::vector<ChartBalken> ChartLayout::Balken(const CHMXDataset& serie, int index, int anzahl,
                                             bool ueberlappen) const {
    std::vector<ChartBalken> balken;
    const double w = Slot();
    const auto lage = BerechneSlotLage(w, serie.GetDrawSize(), index, anzahl, ueberlappen);
    for (int i = 0; i < serie.GetSize(); ++i) {
        double wert = 0.0;
        serie.GetData(i, wert);
        if (wert == kKeinWert) continue;
        const int start = daten.left + toInt32(i * w);
        ChartBalken b{i, wert, {}, {}};
        b.rect.left = start - lage.halbeBreite + lage.versatz;
        b.rect.right = start + lage.halbeBreite + lage.versatz;
        if (b.rect.left == b.rect.right) ++b.rect.right;
        if (wert > 0.0) {
            b.rect.top = WertY(wert);
            b.rect.bottom = WertY(BasisPositiv());
            b.beschriftung = {b.rect.left - 10, b.rect.top - 20, b.rect.right + 10, b.rect.top};
        } else {
            b.rect.top = WertY(BasisNegativ());
            b.rect.bottom = WertY(wert);
            b.beschriftung = {b.rect.left - 10, b.rect.bottom, b.rect.right + 10,
                              b.rect.bottom + 20};
        }
        balken.push_back(b);
    }
    return balken;
}

std::vector<ChartBalken> ChartLayout::Querbalken(const CHMXDataset& serie, int index, int anzahl,
                                                 bool ueberlappen) const {
    std::vector<ChartBalken> balken;
    if (punkte <= 0) return balken;
    const double s = static_cast<double>(daten.Height()) / punkte;
    const auto lage = BerechneSlotLage(s, serie.GetDrawSize(), index, anzahl, ueberlappen);
    for (int i = 0; i < serie.GetSize(); ++i) {
        double wert = 0.0;
        serie.GetData(i, wert);
        if (wert == kKeinWert) continue;
        const int start = toInt32(i * s);
        const int p1 = start - lage.halbeBreite + lage.versatz;
        int p2 = start + lage.halbeBreite + lage.versatz;
        if (p1 == p2) ++p2;
        const int basis = WertX(wert > 0.0 ? BasisPositiv() : BasisNegativ());
        const int ende = WertX(wert);
        ChartBalken b{i, wert, {std::min(basis, ende), daten.bottom - p2, std::max(basis, ende),
                                daten.bottom - p1}, {}};
        if (wert > 0.0)
            b.beschriftung = {b.rect.right + 5, b.rect.top - 10, b.rect.right + 85,
                              b.rect.bottom + 10};
        else
            b.beschriftung = {b.rect.left - 85, b.rect.top - 10, b.rect.left - 5,
                              b.rect.bottom + 10};
        balken.push_back(b);
    }
    return balken;
}

std::vector<ChartPunkt> ChartLayout::Flaeche(const CHMXDataset& serie) const {
    auto umriss = LinienPunkte(serie);
    if (umriss.empty()) return umriss;
    const double basis =
        std::clamp(BasisPositiv(), std::min(yMin, yMax), std::max(yMin, yMax));
    const int basisY = WertY(basis);
    const ChartPunkt anfang{umriss.front().x, basisY};
    const ChartPunkt ende{umriss.back().x, basisY};
    umriss.insert(umriss.begin(), anfang);
    umriss.push_back(ende);
    return umriss;
}
