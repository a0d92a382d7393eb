#pragma once
// Where a chart puts its parts and its values, in device pixels: the rectangles of title,
// scales, data area and legend, and the mapping of point indices and values to pixels
// with the grid lines, scale cells and series shapes built on it. The window measures
// texts and draws; everything that is arithmetic lives here.
#include <vector>

#include "controls/chart/HMXChartModel.h"

// Left, top, right, bottom; right and bottom are the first pixels outside.
struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ChartRect&) const = default;
};

struct ChartPunkt {
    int x = 0;
    int y = 0;
    bool operator==(const ChartPunkt&) const = default;
};

struct ChartLinie {
    ChartPunkt von;
    ChartPunkt bis;
    bool operator==(const ChartLinie&) const = default;
};

// A marker around a point: a filled polygon, or the ellipse in `box` for the circle.
struct ChartMarker {
    std::vector<ChartPunkt> ecken;
    bool kreis = false;
    ChartRect box;
};

// A bar of a bar series and the box of its value label.
struct ChartBalken {
    int index = 0;
    double wert = 0.0;
    ChartRect rect;
    ChartRect beschriftung;
};

// What the layout takes from the window: its client rectangle and the measured texts.
struct ChartMasse {
    ChartRect client;
    int breitestesLabel = 0;   // the widest X label
    int breitesteZahl = 0;     // the larger of |minimum| and |maximum| as "%.0f"
    int achsentitelHoehe = 0;  // the axis title above the graph; 0 without one
    int zahlUeberstand = 0;    // how far the top Y number reaches above the graph
};

class ChartLayout {
  public:
    ChartLayout() = default;
    // The model's value range must have been found (FindeWertebereich).
    ChartLayout(const CHMXChartModel& chart, const ChartMasse& masse);

    ChartRect client, inner, titel, graph, yScale, xScale, daten, legende;
    // The band of the axis title drawn above the graph (the Y-axis title, in the horizontal
    // orientation the X-axis title): below the title, clear of the top Y number.
    ChartRect achsentitel;
    int punkte = 0;
    bool normal = true;
    double yMin = 0.0;
    double yMax = 0.0;

    // False when the data area has no pixels: then no grid, scale or series is drawn.
    bool Zeichenbar() const;
    double Slot() const;  // w: data-area width per point
    double Bereich() const { return yMax - yMin; }

    // Value to pixel along the value axis: a row (normal orientation) or a column
    // measured in the data area's height and scaled to its width (horizontal one).
    int WertY(double wert) const;
    int WertX(double wert) const;
    // The centre of point i in the normal orientation.
    int PunktX(int i) const;

    // Automatic font heights.
    int TitelSchrift() const;
    int XScaleSchrift(int labelAnzahl) const;
    int LegendeSchrift() const;

    std::vector<ChartLinie> HorizontaleGitterlinien(int teilungen) const;
    std::vector<ChartLinie> VertikaleGitterlinien(int schritt) const;
    ChartLinie Nulllinie() const;
    bool MitNulllinie() const { return yMin <= 0.0; }

    // The cell of Y number k of n in the normal orientation, for a font of that height;
    // in the horizontal one the cell of a number of that text width.
    ChartRect YZahlZelle(int k, int n, int schrifthoehe) const;
    ChartRect YZahlZelleQuer(int k, int n, int textbreite) const;
    // The cell of X label i for a step and a label count.
    ChartRect XLabelZelle(int i, int schritt, int anzahl) const;
    // Legend cell j of n.
    ChartRect LegendeZelle(int j, int n) const;

    // The valid points of a line series, in order.
    std::vector<ChartPunkt> LinienPunkte(const CHMXDataset& serie) const;
    // False for a marker that has no shape (anything but 1 to 4).
    static bool Marker(int marker, ChartPunkt p, int s, ChartMarker& form);
    // The bars of series `index`; `anzahl` is the number of series of its style.
    std::vector<ChartBalken> Balken(const CHMXDataset& serie, int index, int anzahl,
                                    bool ueberlappen) const;
    std::vector<ChartBalken> Querbalken(const CHMXDataset& serie, int index, int anzahl,
                                        bool ueberlappen) const;
    // The outline of an area series, closed along its baseline.
    std::vector<ChartPunkt> Flaeche(const CHMXDataset& serie) const;

  private:
    // The value that bars of that sign start from.
    double BasisPositiv() const;
    double BasisNegativ() const;
};
