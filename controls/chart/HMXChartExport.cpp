// The chart handed on as a picture: a BMP file, or a bitmap on the clipboard.
#include <algorithm>

#include "controls/chart/HMXChart.h"
#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"
#include "platform/text/Text.h"
#include "platform/ui/Bmp.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/DrawContext.h"

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
    // The screen's depth: 32 bits per pixel, no palette.
    const auto dib = ui::packDib(RenderImage(), 32);
    if (dib.empty()) ThrowFehler(textid::kChartFehler, u"CopyToFile(strFile)2");
    // The old file stays as it was until the new one is complete.
    if (!ui::writeBmpFile(dib, platform::toUtf8(file)))
        ThrowFehler(textid::kChartFehler, u"CopyToFile(strFile)3");
}

void CHMXChart::CopyToClipboard() {
    ui::WaitCursor warten;
    ui::Clipboard::setImage(RenderImage());
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
