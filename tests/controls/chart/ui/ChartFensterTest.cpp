#include "controls/chart/HMXChart.h"

#include <QDir>
#include <QFile>
#include <QScopedValueRollback>
#include <QTemporaryDir>
#include <filesystem>

#include "app/options/OptionTable.h"
#include "app/options/OptionsManager.h"
#include "core/text/ResManager.h"
#include "model/app/OptionIds.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/modules/Module.h"
#include "platform/resources/Resources.h"
#include "platform/ui/Colour.h"
#include "resources/ResourceIds.h"
#include "tests/controls/chart/ui/Heizjahr.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "tests/support/ui/ScreenReadback.h"
#include "tests/support/ui/UiTest.h"

namespace {

using charttest::kHeizjahr;

// Chart windows with the English language module as the program loads it.
class ChartFenster : public uitest::Fixture {
  protected:
    void SetUp() override {
        modul = platform::loadModule(std::filesystem::path(VARM_PROGRAM_DIR) / "Varmtexteng.so");
        ASSERT_NE(modul, nullptr) << platform::lastModuleError();
        platform::setCurrentResourceModule(modul);
        CResManager::setLang(IDR_LNG_ENG);
        // The colour options with their defaults, as the options manager creates them.
        for (const auto& zeile : OptionTabelle())
            if (zeile.art == TOptionArt::Long)
                optionen.AddLongOption(zeile.id, zeile.key, zeile.standard.zahl, 1);
        chart.resize(640, 400);
    }
    void TearDown() override {
        uitest::Fixture::TearDown();
        CResManager::freeLangRes();
        platform::setCurrentResourceModule(nullptr);
        platform::freeModule(modul);
    }

    uint32_t Farbe(uint32_t id) {
        int32_t wert = 0;
        optionen.GetLongWert(id, wert);
        return static_cast<uint32_t>(wert);
    }

    void Monate() {
        for (int i = 0; i < static_cast<int>(kHeizjahr.size()); ++i)
            chart.SetXScaleLabel(i, kHeizjahr[i].name);
    }

    // Runs `aufruf`, which must show one error box with `text` and `ort` and throw.
    void ErwarteFehler(const std::function<void()>& aufruf, const std::u16string& text,
                       const std::u16string& ort) {
        uitest::dialogs().expectMessageBox(platform::id::OK);
        const auto vorher = uitest::dialogs().boxes().size();
        EXPECT_THROW(aufruf(), platform::UserException);
        ASSERT_EQ(uitest::dialogs().boxes().size(), vorher + 1);
        EXPECT_EQ(uitest::dialogs().boxes().back().text, text + u"\n(" + ort + u")");
    }

    static int Pixel(const QImage& bild, int x, int y) {
        return static_cast<int>(ui::fromQRgb(bild.pixel(x, y)).value);
    }

    platform::ModuleHandle modul = nullptr;
    COptionsManager optionen;
    CHMXChart chart;
};

// The house result chart: heating and hot-water energy of the heating year as lines with
// markers, in the colours the user chose on the "Colours" page (the defaults are black).
TEST_F(ChartFenster, LinesOfAHeatingYear) {
    optionen.SetLongWert(OPT_COLOR_HEIZ_BEDARF, 0x0000C0);  // dark red
    optionen.SetLongWert(OPT_COLOR_WAWA_BEDARF, 0xC06000);  // blue
    chart.SetBkColor(Farbe(OPT_COLOR_BKGND_HAUS));
    chart.SetTitle(u"Heating energy, Sample ground probe monovalent");
    chart.SetYAxisTitle(u"kWh");
    chart.SetXAxisTitle(u"Month");
    Monate();
    const uint32_t farben[] = {Farbe(OPT_COLOR_HEIZ_BEDARF), Farbe(OPT_COLOR_WAWA_BEDARF)};
    const char16_t* legenden[] = {u"Heating", u"Hot water"};
    for (int ds = 0; ds < 2; ++ds) {
        chart.SetDatasetPenColor(ds, farben[ds]);
        chart.SetDatasetMarker(ds, ds == 0 ? 2 : 3);
        chart.SetDatasetDrawSize(ds, 2);
        chart.SetLegend(ds, legenden[ds]);
        for (const auto& m : kHeizjahr)
            chart.SetData(ds, ds == 0 ? charttest::HeizEnergie(m) : charttest::WarmwasserEnergie(m));
    }
    chart.SetMaxDataset(2);
    chart.SetRoundY(500.0);
    chart.SetYDivisions(6);
    chart.SetHorzGrid(1);
    chart.SetVertGrid(1);
    uitest::saveArtifact(chart, "chart-lines");

    const QImage bild = chart.RenderImage();
    const auto& l = chart.GetLayout();
    EXPECT_EQ(chart.GetYMin(), 0.0);
    EXPECT_EQ(chart.GetYMax(), 3000.0);  // January 2567 kWh: (2567 + 500) / 500 * 500
    EXPECT_EQ(Pixel(bild, 1, 1), 0xFFFFFF);
    // The January marker (point 6) in the heating colour.
    const double januar = charttest::HeizEnergie(kHeizjahr[6]);
    EXPECT_EQ(Pixel(bild, l.PunktX(6), l.WertY(januar)), 0x0000C0);
}

// Running hours of the heat pump in all and for hot water alone, side by side; the total
// carries its hours above the bar.
TEST_F(ChartFenster, BarsOfAHeatingYear) {
    optionen.SetLongWert(OPT_COLOR_HEIZ_BEDARF, 0x0000C0);
    optionen.SetLongWert(OPT_COLOR_WAWA_BEDARF, 0xC06000);
    chart.SetBkColor(Farbe(OPT_COLOR_BKGND_HAUS));
    chart.SetTitle(u"Running hours of the heat pump");
    chart.SetYAxisTitle(u"h");
    Monate();
    chart.SetDatasetPenColor(0, Farbe(OPT_COLOR_HEIZ_BEDARF));
    chart.SetDatasetPenColor(1, Farbe(OPT_COLOR_WAWA_BEDARF));
    chart.SetLegend(0, u"Heating and hot water");
    chart.SetLegend(1, u"Hot water");
    for (int ds = 0; ds < 2; ++ds) {
        chart.SetDatasetStyle(ds, kStilBalken);
        chart.SetDatasetDrawSize(ds, 3);
        for (const auto& m : kHeizjahr)
            chart.SetData(ds, ds == 0 ? charttest::Laufzeit(m)
                                      : charttest::WarmwasserEnergie(m) / 11.0);
    }
    chart.SetDatasetMarker(0, 2);
    chart.SetMaxDataset(2);
    chart.SetRoundY(50.0);
    chart.SetYDivisions(6);
    chart.SetHorzGrid(1);
    uitest::saveArtifact(chart, "chart-bars");

    const QImage bild = chart.RenderImage();
    const auto& l = chart.GetLayout();
    EXPECT_EQ(chart.GetYMax(), 300.0);  // January 256 h: (256 + 50) / 50 * 50
    const auto balken = l.Balken(chart.GetDataset(0), 0, 2, false);
    ASSERT_EQ(balken.size(), 12u);
    const auto& januar = balken[6].rect;
    EXPECT_EQ(Pixel(bild, (januar.left + januar.right) / 2, januar.bottom - 2), 0x0000C0);
}

// The monthly electricity cost as horizontal bars, as the cost charts draw them when the
// option "KVhorizontal" is set.
TEST_F(ChartFenster, HorizontalBarsOfAHeatingYear) {
    chart.SetBkColor(Farbe(OPT_COLOR_BKGND_BKV));
    chart.SetTitle(u"Electricity cost of the heat pump");
    chart.SetXAxisTitle(u"EUR");
    Monate();
    chart.SetDatasetStyle(0, kStilQuerbalken);
    chart.SetDatasetPenColor(0, Farbe(OPT_COLOR_BKV));
    chart.SetDatasetDrawSize(0, 6);
    chart.SetDatasetMarker(0, 2);
    chart.SetLegend(0, u"Electricity cost per month");
    for (const auto& m : kHeizjahr) chart.SetData(0, charttest::Stromkosten(m));
    chart.SetMaxDataset(1);
    chart.SetRoundY(100.0);
    chart.SetYDivisions(4);
    chart.SetHorzGrid(1);
    uitest::saveArtifact(chart, "chart-hbars");

    EXPECT_EQ(chart.GetOrientation(), 0);
    const QImage bild = chart.RenderImage();
    const auto& l = chart.GetLayout();
    const auto balken = l.Querbalken(chart.GetDataset(0), 0, 1, false);
    ASSERT_EQ(balken.size(), 12u);
    const auto& januar = balken[6].rect;
    EXPECT_EQ(Pixel(bild, januar.left + 3, (januar.top + januar.bottom) / 2), 0x0000FF);
}

// A cost chart without costs (all 0) and a rounding step of 0.5 both paint.
TEST_F(ChartFenster, AllZeroDataAndAStepBelowOnePaint) {
    Monate();
    for (double schritt : {10.0, 0.5}) {
        CHMXChart leer;
        leer.resize(400, 300);
        leer.SetRoundY(schritt);
        leer.SetYDivisions(4);
        leer.SetHorzGrid(1);
        leer.SetZeroLine(1);
        leer.SetDatasetStyle(0, kStilBalken);
        leer.SetDatasetMarker(0, 2);
        for (int i = 0; i < 12; ++i) leer.SetData(0, 0.0);
        const QImage bild = leer.RenderImage();
        EXPECT_FALSE(bild.isNull());
        EXPECT_GT(leer.GetYMax(), leer.GetYMin());
    }
    CHMXChart halb;
    halb.resize(400, 300);
    halb.SetRoundY(0.5);
    for (double v : {0.2, 1.7, 0.9}) halb.SetData(0, v);
    halb.RenderImage();
    EXPECT_EQ(halb.GetYMin(), 0.2);
    EXPECT_EQ(halb.GetYMax(), 1.7);
}

// Values 1, none, 3: one segment from the first to the third point and markers on those
// two only. A marker of draw size 2 is 2*4+1 = 9 pixels tall; the line is 2 wide.
TEST_F(ChartFenster, AGapDrawsOneSegmentAndTwoMarkers) {
    chart.SetShowLegend(0);
    chart.SetDatasetPenColor(0, 0x00A000);
    chart.SetDatasetMarker(0, 2);
    for (double v : {1.0, kKeinWert, 3.0}) chart.SetData(0, v);
    const QImage bild = chart.RenderImage();
    const auto& l = chart.GetLayout();
    auto gruenInSpalte = [&](int x) {
        int anzahl = 0;
        for (int y = l.daten.top; y < l.daten.bottom; ++y) anzahl += Pixel(bild, x, y) == 0x00A000;
        return anzahl;
    };
    EXPECT_GE(gruenInSpalte(l.PunktX(0)), 9);
    EXPECT_GE(gruenInSpalte(l.PunktX(2)), 9);
    const int mitte = gruenInSpalte(l.PunktX(1));
    EXPECT_GE(mitte, 1);  // the segment passes
    EXPECT_LE(mitte, 3);  // but no marker
}

TEST_F(ChartFenster, UnknownMarkersAndSeriesAreRefused) {
    struct Offen : CHMXChart {
        using CHMXChart::DrawDataset;
    } offen;
    offen.resize(300, 200);
    offen.SetData(0, 5.0);
    offen.SetDatasetMarker(0, 7);
    ErwarteFehler([&] { offen.RenderImage(); }, u"Error when showing chart", u"DrawDataset");
    QImage bild(300, 200, QImage::Format_RGB32);
    ui::DrawContext dc(bild);
    ErwarteFehler([&] { offen.DrawDataset(dc, 6); }, u"Error when showing chart", u"DrawDataset");
    // Bars take marker 7 as no label.
    offen.SetDatasetStyle(0, kStilBalken);
    offen.RenderImage();
}

TEST_F(ChartFenster, CopyToFileWritesTheSamePixels) {
    chart.resize(401, 300);  // rows of 401 * 4 bytes
    Monate();
    chart.SetTitle(u"Heating energy");
    chart.SetYDivisions(5);
    chart.SetMaxDataset(1);
    chart.SetLegend(0, u"Heating");
    chart.SetDatasetPenColor(0, 0x0000C0);
    for (const auto& m : kHeizjahr) chart.SetData(0, charttest::HeizEnergie(m));
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("chart.bmp");
    {
        QFile alt(pfad);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write(QByteArray(100000, 'x'));
    }
    chart.CopyToFile(pfad.toStdU16String());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray bytes = datei.readAll();
    ASSERT_EQ(bytes.size(), 14 + 40 + 401 * 300 * 4);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[10]), 54);  // pixels right after the header
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 32);  // bits per pixel
    QImage gelesen(pfad, "BMP");
    ASSERT_FALSE(gelesen.isNull());
    const QImage erwartet = chart.RenderImage();
    ASSERT_EQ(gelesen.size(), erwartet.size());
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_RGB32), erwartet);

    ErwarteFehler([&] { chart.CopyToFile(u""); }, u"Required data missing or data wrong",
                  u"CHMXChart::CopyToFile");
    const QString unerreichbar = ordner.filePath("missing/chart.bmp");
    ErwarteFehler([&] { chart.CopyToFile(unerreichbar.toStdU16String()); },
                  u"Error when showing chart", u"CopyToFile(strFile)3");
}

TEST_F(ChartFenster, SaveAsBitmapAsksForTheFile) {
    chart.SetData(0, 10.0);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("Chart.bmp");
    uitest::dialogs().expectFile(pfad.toStdU16String());
    chart.SaveAsBitmap();
    ASSERT_EQ(uitest::dialogs().fileRequests().size(), 1u);
    const auto& anfrage = uitest::dialogs().fileRequests().front();
    EXPECT_TRUE(anfrage.save);
    EXPECT_EQ(anfrage.filter, u"Bitmap |*.bmp|");
    EXPECT_EQ(anfrage.defaultExt, u"BMP");
    EXPECT_EQ(anfrage.fileName, u"Chart");
    EXPECT_TRUE(anfrage.overwritePrompt);
    EXPECT_TRUE(QFile::exists(pfad));

    uitest::dialogs().expectFile(std::nullopt);
    chart.SaveAsBitmap();
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ChartFenster, CopyToClipboardPutsTheChartThere) {
    chart.SetData(0, 10.0);
    chart.SetDatasetPenColor(0, 0x0000C0);
    chart.CopyToClipboard();
    const QImage kopie = uitest::desktop().clipboard;
    ASSERT_FALSE(kopie.isNull());
    EXPECT_EQ(kopie.convertToFormat(QImage::Format_RGB32), chart.RenderImage());
    EXPECT_EQ(uitest::desktop().waitCursor, (std::vector<bool>{true, false}));
}

TEST_F(ChartFenster, ChooseBkColorTakesTheChoice) {
    uitest::dialogs().expectColour(ui::ColourRef{0x80FF80});
    chart.ChooseBkColor();
    EXPECT_EQ(chart.GetBkColor(), 0x80FF80u);
    uitest::dialogs().expectColour(std::nullopt);
    chart.ChooseBkColor();
    EXPECT_EQ(chart.GetBkColor(), 0x80FF80u);
}

// A chart that knows when it is inside its paint handler.
struct BeobachteterChart : CHMXChart {
    bool imPaint = false;

  protected:
    void onPaint(ui::DrawContext& dc) override {
        const QScopedValueRollback<bool> flag(imPaint, true);
        CHMXChart::onPaint(dc);
    }
};

// Notes each box and whether the chart was painting when it came.
struct BoxZeuge : platform::MessageBoxPresenter {
    explicit BoxZeuge(const BeobachteterChart& chart) : chart(chart) {}
    int present(const platform::MessageBoxRequest& box) override {
        boxen.push_back(box.text);
        imPaint.push_back(chart.imPaint);
        return platform::id::OK;
    }
    const BeobachteterChart& chart;
    std::vector<std::u16string> boxen;
    std::vector<bool> imPaint;
};

// A chart shown before its data is there, or with a line marker it has no shape for, paints
// its background and title and says why once, after painting, however often it is painted.
TEST_F(ChartFenster, AChartThatCannotBeDrawnSaysSoOnceAfterPainting) {
    struct Fall {
        const char* was;
        std::function<void(CHMXChart&)> daten;
        std::u16string meldung;
    };
    const Fall faelle[] = {
        {"no data", [](CHMXChart&) {}, u"Exception"},
        {"marker 7",
         [](CHMXChart& c) {
             c.SetData(0, 5.0);
             c.SetDatasetMarker(0, 7);
         },
         u"Error when showing chart\n(DrawDataset)"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        BeobachteterChart leer;
        leer.resize(400, 300);
        leer.SetBkColor(0xE0FFFF);
        leer.SetTitle(u"Heating energy");
        f.daten(leer);
        BoxZeuge zeuge(leer);
        const platform::ScopedMessageBoxPresenter scoped(zeuge);
        leer.show();
        uitest::processEvents();
        for (int i = 0; i < 3; ++i) {
            leer.update();
            uitest::processEvents();
        }
        EXPECT_EQ(zeuge.boxen, (std::vector<std::u16string>{f.meldung}));
        EXPECT_EQ(zeuge.imPaint, (std::vector<bool>{false}));
        // The background shows, and the title in the title band.
        const QImage bild = screentest::ScreenOf(leer);
        EXPECT_EQ(Pixel(bild, 200, 200), 0xE0FFFF);
        const auto& titel = leer.GetLayout().titel;
        int dunkel = 0;
        for (int y = titel.top; y < titel.bottom; ++y)
            for (int x = titel.left; x < titel.right; ++x) dunkel += qGray(bild.pixel(x, y)) < 128;
        EXPECT_GT(dunkel, 50);
    }
}

// Without a chart title the Y-axis title still stands above the graph, clear of the top
// Y number, and neither is cut at the window's top edge: the dark rows between the
// window's border and the Y axis form two bands, the axis title and then the top number.
TEST_F(ChartFenster, TheYAxisTitleStandsClearOfTheScale) {
    chart.SetBkColor(0xFFFFFF);
    chart.SetYAxisTitle(u"kWh");
    Monate();
    for (const auto& m : kHeizjahr) chart.SetData(0, charttest::HeizEnergie(m));
    chart.SetRoundY(500.0);
    chart.SetYDivisions(6);
    chart.SetHorzGrid(1);
    const QImage bild = chart.RenderImage();
    uitest::saveArtifact(bild, "chart-axis-title");
    const auto& l = chart.GetLayout();
    struct Band {
        int oben;
        int unten;
    };
    std::vector<Band> baender;
    for (int y = 1; y < l.yScale.bottom; ++y) {
        bool dunkel = false;
        for (int x = 1; x < l.yScale.right - 1; ++x) dunkel = dunkel || qGray(bild.pixel(x, y)) < 128;
        if (!dunkel) continue;
        if (!baender.empty() && baender.back().unten == y - 1)
            baender.back().unten = y;
        else
            baender.push_back({y, y});
    }
    ASSERT_GE(baender.size(), 2u);
    EXPECT_GE(baender[0].oben, l.inner.top);  // the axis title, whole
    // The top number "3000" is centred on the data area's top line.
    EXPECT_LT(baender[1].oben, l.daten.top);
    EXPECT_GT(baender[1].unten, l.daten.top);
}

}  // namespace
