#pragma once
// The chart window: the chart model drawn into its client rectangle. Every paint first
// lays the chart out, then draws background, title, grid, zero line, axes, scales,
// legend and the series; the clipboard and the BMP file take the same picture.
#include <QImage>
#include <QWidget>

#include "controls/chart/ChartLayout.h"
#include "controls/chart/HMXChartModel.h"
#include "platform/ui/Window.h"

class CHMXChart : public ui::WindowOf<QWidget>, public CHMXChartModel {
  public:
    explicit CHMXChart(QWidget* parent = nullptr);

    // Asks for a file name and writes the chart there as a BMP file.
    virtual void SaveAsBitmap();
    // Puts the chart as a bitmap on the clipboard.
    virtual void CopyToClipboard();
    // Writes the chart as a BMP file; an empty name is error 3105, a file that cannot be
    // written error 3429.
    void CopyToFile(const CVRMString& file);
    // Opens the colour chooser preset with the background colour; OK takes the choice.
    void ChooseBkColor();

    void Redraw() override;
    virtual void CalcLayout(ui::DrawContext& dc);
    virtual void Paint(ui::DrawContext& dc);
    const ChartLayout& GetLayout() const { return m_layout; }

    // The chart as the clipboard and the file take it: laid out and painted off screen
    // at the size of the client rectangle.
    QImage RenderImage();

  protected:
    void onPaint(ui::DrawContext& dc) override;

    virtual void DrawBackground(ui::DrawContext& dc);
    virtual void DrawTitle(ui::DrawContext& dc);
    virtual void DrawGrid(ui::DrawContext& dc);
    virtual void DrawAxes(ui::DrawContext& dc);
    virtual void DrawHorzGridLines(ui::DrawContext& dc);
    virtual void DrawVertGridLines(ui::DrawContext& dc);
    virtual void DrawZeroLine(ui::DrawContext& dc);
    virtual void DrawXScale(ui::DrawContext& dc);
    virtual void DrawYScale(ui::DrawContext& dc);
    virtual void DrawLegend(ui::DrawContext& dc);
    // An index outside 0..5 or an unknown line marker is error 3429.
    virtual void DrawDataset(ui::DrawContext& dc, int ds);
    virtual void DrawDatasets(ui::DrawContext& dc);

  private:
    // A failure of the layout or the drawing. Inside the paint handler it is held back
    // instead of shown (a box from a paint would come again with every paint).
    struct ZeichenFehler {
        unsigned textId;
        const char16_t* ort;
    };
    [[noreturn]] void Fehler(unsigned textId, const char16_t* ort);
    // Background and title of a chart that cannot be drawn, and why, said once after
    // painting until a paint succeeds again.
    void PaintOhneDaten(ui::DrawContext& dc);
    void MeldeEinmal(const ZeichenFehler& fehler);

    // What the paint handler does, on a context as fresh as the paint handler's.
    void LayoutUndPaint(ui::DrawContext& dc);
    void DrawLine(ui::DrawContext& dc, const CHMXDataset& serie);
    void DrawBars(ui::DrawContext& dc, const CHMXDataset& serie, int ds);
    void DrawHBars(ui::DrawContext& dc, const CHMXDataset& serie, int ds);
    void DrawArea(ui::DrawContext& dc, const CHMXDataset& serie);

    ChartLayout m_layout;
    bool m_bImPaint = false;
    bool m_bFehlerGemeldet = false;
};
