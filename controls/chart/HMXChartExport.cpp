// The chart handed on as a picture: a BMP file, or a bitmap on the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <sstream>

#include "controls/chart/HMXChart.h"
#include "controls/chart/PackedDib.h"
#include "core/db/FileWrite.h"
#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "platform/text/Text.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/DrawContext.h"

namespace {

// The wait cursor while the chart renders.
class WarteCursor {
  public:
    WarteCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WarteCursor() { QApplication::restoreOverrideCursor(); }
    WarteCursor(const WarteCursor&) = delete;
    WarteCursor& operator=(const WarteCursor&) = delete;
};

}  // namespace

QImage CHMXChart::RenderImage() {
    const ui::Rect c = clientRect();
    QImage bild(std::max(c.width(), 0), std::max(c.height(), 0), QImage::Format_RGB32);
    if (bild.isNull()) return bild;
    bild.fill(Qt::white);
    ui::DrawContext dc(bild);
    LayoutUndPaint(dc);
    return bild;
}

void CHMXChart::CopyToFile(const CVRMString& file) {
    if (file.empty()) ThrowFehler(textid::kDatenFehlen, u"CHMXChart::CopyToFile");
    const QImage bild = RenderImage();
    dib::DeviceBitmap bitmap{bild.width(), bild.height(), 32, {}};
    bitmap.pixels.reserve(static_cast<std::size_t>(bild.width()) * bild.height());
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        bitmap.pixels.insert(bitmap.pixels.end(), zeile, zeile + bild.width());
    }
    const auto block = dib::PackDeviceBitmap(bitmap, dib::kBiRgb);
    if (!block) ThrowFehler(textid::kChartFehler, u"CopyToFile(strFile)2");
    std::ostringstream bytes;
    // The old file stays as it was until the new one is complete.
    if (!dib::WriteBitmapFile(&*block, bytes) ||
        !vrmdb::ReplaceFile(platform::toUtf8(file), bytes.str()).empty())
        ThrowFehler(textid::kChartFehler, u"CopyToFile(strFile)3");
}

void CHMXChart::CopyToClipboard() {
    WarteCursor warten;
    QGuiApplication::clipboard()->setImage(RenderImage());
}

void CHMXChart::SaveAsBitmap() {
    ui::FileDialogRequest anfrage;
    anfrage.save = true;
    anfrage.filter = u"Bitmap |*.bmp|";
    anfrage.defaultExt = u"BMP";
    anfrage.fileName = u"Chart";
    anfrage.overwritePrompt = true;
    if (const auto pfad = ui::CommonDialogs::file(anfrage)) CopyToFile(*pfad);
}
