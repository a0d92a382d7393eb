// Scrolling the largest table a user could make, 10,000 rows by 20 columns, a page at a
// time: the scroll and the paint it causes, next to painting only the visible cells' texts
// with a bare painter. A page scroll should stay under 5 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "controls/grid/GridCtrl.h"
#include "platform/text/Text.h"
#include "platform/ui/Font.h"
#include "benchmarks/support/TimeCollector.h"

namespace {

constexpr int kRows = 10000;
constexpr int kCols = 20;
constexpr double kLimitMs = 5.0;

struct Table {
    Table() {
        parent.resize(820, 620);
        grid = new CGridCtrl(kRows + 1, kCols + 1, 1, 1);
        grid->Create({0, 0, 800, 600}, &parent, 1);
        const unsigned right = ui::dt::Right | ui::dt::VCenter | ui::dt::SingleLine;
        for (int col = 1; col <= kCols; ++col) grid->SetItemText(0, col, platform::u16("Column " + std::to_string(col)));
        for (int row = 1; row <= kRows; ++row) {
            grid->SetItemText(row, 0, platform::u16(std::to_string(row)));
            for (int col = 1; col <= kCols; ++col) {
                grid->SetItemText(row, col, platform::u16(std::to_string((row * 7919 + col * 104729) % 100000 / 10.0)));
                grid->SetItemFormat(row, col, right);
            }
        }
        grid->ResetScrollBars();
        image = QImage(grid->size(), QImage::Format_ARGB32_Premultiplied);  // as a backing store holds it
    }
    QWidget parent;
    CGridCtrl* grid;
    QImage image;
};

// Made after and gone before the application object.
std::unique_ptr<Table> theTable;

Table& table() {
    if (!theTable) theTable = std::make_unique<Table>();
    return *theTable;
}

// One page down (back to the top at the end) and the paint of what it invalidated: the
// whole non-fixed part.
void BM_PageScroll(benchmark::State& state) {
    Table& t = table();
    for (auto _ : state) {
        if (t.grid->GetScrollPos32(true) >= t.grid->VertScroll().Limit())
            t.grid->OnVScroll(grid::ScrollCode::Top);
        else
            t.grid->OnVScroll(grid::ScrollCode::PageDown);
        t.grid->render(&t.image);
        benchmark::DoNotOptimize(t.image.constBits());
    }
}

// The floor: the texts of the visible cells drawn into the same image with one font.
void BM_VisibleTextOnly(benchmark::State& state) {
    Table& t = table();
    t.grid->OnVScroll(grid::ScrollCode::Top);
    grid::Rect reached;
    const CCellRange visible = t.grid->GetVisibleNonFixedCellRange(&reached);
    const QFont font = ui::toQFont(t.grid->GetFontSpec());
    for (auto _ : state) {
        QPainter painter(&t.image);
        painter.setFont(font);
        for (int row = visible.minRow; row <= visible.maxRow; ++row) {
            for (int col = visible.minCol; col <= visible.maxCol; ++col) {
                grid::Rect r;
                if (!t.grid->GetCellRect(row, col, &r)) continue;
                painter.drawText(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top),
                                 Qt::AlignRight | Qt::AlignVCenter,
                                 QString::fromStdU16String(t.grid->GetItemText(row, col)));
            }
        }
        benchmark::DoNotOptimize(t.image.constBits());
    }
}

BENCHMARK(BM_PageScroll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VisibleTextOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(ui::toQFont(ui::messageFont()));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    table();
    bench::TimeCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    const double scroll = collector.real["BM_PageScroll"];
    const double text = collector.real["BM_VisibleTextOnly"];
    if (scroll > 0 && text > 0)
        std::cout << "page scroll of " << kRows << " x " << kCols << ": " << scroll << " ms (limit " << kLimitMs
                  << " ms, ratio " << scroll / kLimitMs << ")   visible text alone: " << text
                  << " ms (ratio " << scroll / text << ")   processor time of the page scroll: "
                  << collector.cpu["BM_PageScroll"] << " ms\n";
    benchmark::Shutdown();
    theTable.reset();
    return scroll <= kLimitMs ? 0 : 1;
}
