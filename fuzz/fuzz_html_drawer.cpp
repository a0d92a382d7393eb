// Lays out and paints arbitrary markup (bytes widened to UTF-16) with the HTML drawer on a
// canvas without a window: a fixed-pitch font, images that "load" when they name a file.
// After the first zero byte the input is a style sheet. Then the mouse moves over the
// links, clicks them and the strips animate, as the controls would.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "controls/html/PPHtmlDrawer.h"

namespace {

class NullImage : public html::HtmlImage {
  public:
    NullImage(int w, int h) : w_(w), h_(h) {}
    int width() const override { return w_; }
    int height() const override { return h_; }

  private:
    int w_, h_;
};

class MeasuringCanvas : public html::HtmlCanvas {
  public:
    html::FontDesc selectFont(const html::FontDesc& f) override {
        html::FontDesc before = font_;
        font_ = f;
        return before;
    }
    html::FontMetrics metrics() const override {
        return {font_.height, font_.height - font_.height / 4, font_.height / 4};
    }
    html::Extent textExtent(std::u16string_view t) const override {
        return {static_cast<int>(t.size()) * (font_.height / 2 + 1), font_.height};
    }
    int logicalDpiY() const override { return 96; }
    html::Colour setTextColour(html::Colour c) override { return c; }
    html::Colour setBackColour(html::Colour c) override { return c; }
    int setBackMode(int m) override { return m; }
    void textOut(int, int, std::u16string_view) override {}
    void drawLine(int, int, int, int, html::Colour, int, int) override {}
    void fillEffect(int, const html::Box&, html::Colour, html::Colour, html::Colour, int) override {}
    void drawBorder(const html::Box&, html::Colour, html::Colour, int, int) override {}
    std::unique_ptr<html::HtmlImage> loadImage(const html::ImageSource& s) override {
        if (s.kind != html::ImageSource::Kind::File || s.file.empty()) return nullptr;
        const int side = static_cast<int>(s.file.size()) * 7 % 97;
        return std::make_unique<NullImage>(side * 3, side);
    }
    void drawImage(const html::HtmlImage&, const html::ImageDraw&) override {}
    void tileImage(const html::HtmlImage&, const html::Box&) override {}

  private:
    html::FontDesc font_;
};

html::Colour greys(int index) { return static_cast<html::Colour>(index) * 0x010101; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string text(data, data + size);
    CPPHtmlDrawer drawer(greys);
    int opened = 0;
    drawer.SetLinkOpener([&](std::u16string_view) { return ++opened > 0; });
    if (const std::size_t zero = text.find(u'\0'); zero != std::u16string::npos) {
        drawer.SetCssStyles(std::u16string_view(text).substr(zero + 1));
        text.resize(zero);
    }
    if (size > 0 && (data[0] & 1)) drawer.SetEnabled(false);
    MeasuringCanvas canvas;
    const html::Extent extent = drawer.LayoutHtml(canvas, text);
    drawer.PaintHtml(canvas, {0, 0, extent.cx, extent.cy});
    drawer.PaintHtml(canvas, {5, 5, extent.cx + 300, extent.cy + 50});
    for (const HtmlLinkArea& area : std::vector<HtmlLinkArea>(drawer.LinkAreas())) {
        drawer.TrackMouse(area.box.left, area.box.top);
        drawer.ClickLink(area.box.left, area.box.top);
    }
    drawer.TrackMouse(-1, -1);
    for (int i = 0; i < 3; ++i) drawer.AdvanceAnimation();
    drawer.PaintHtml(canvas, {0, 0, extent.cx, extent.cy});
    return 0;
}
