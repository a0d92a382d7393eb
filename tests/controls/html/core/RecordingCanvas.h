#pragma once
// A canvas with a fixed-pitch font for the drawer's tests: every character is height / 2
// pixels wide, the ascent is height - height / 4 and the descent height / 4; 96 pixels
// per inch. It records what is drawn and which images are asked for.
#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "controls/html/HtmlCanvas.h"

namespace htmltest {

struct TextOut {
    int x, y;
    std::u16string text;
    html::FontDesc font;
    html::Colour colour;
    int bkMode;
};
struct Line {
    int x1, y1, x2, y2;
    html::Colour colour;
    int style, width;
};
struct Fill {
    int kind;
    html::Box box;
    html::Colour c1, c2, c3;
};
struct Border {
    html::Box box;
    int style, width;
};

class FakeImage : public html::HtmlImage {
  public:
    FakeImage(int w, int h) : w_(w), h_(h) {}
    int width() const override { return w_; }
    int height() const override { return h_; }

  private:
    int w_, h_;
};

class RecordingCanvas : public html::HtmlCanvas {
  public:
    html::FontDesc selectFont(const html::FontDesc& f) override {
        auto before = font;
        font = f;
        return before;
    }
    html::FontMetrics metrics() const override {
        return {font.height, font.height - font.height / 4, font.height / 4};
    }
    html::Extent textExtent(std::u16string_view t) const override {
        return {static_cast<int>(t.size()) * charWidth(), font.height};
    }
    int logicalDpiY() const override { return 96; }
    html::Colour setTextColour(html::Colour c) override { return std::exchange(text, c); }
    html::Colour setBackColour(html::Colour c) override { return std::exchange(back, c); }
    int setBackMode(int m) override { return std::exchange(mode, m); }

    void textOut(int x, int y, std::u16string_view t) override {
        texts.push_back({x, y, std::u16string(t), font, text, mode});
    }
    void drawLine(int x1, int y1, int x2, int y2, html::Colour c, int style, int width) override {
        lines.push_back({x1, y1, x2, y2, c, style, width});
    }
    void fillEffect(int kind, const html::Box& r, html::Colour c1, html::Colour c2,
                    html::Colour c3, int) override {
        fills.push_back({kind, r, c1, c2, c3});
    }
    void drawBorder(const html::Box& r, html::Colour, html::Colour, int style, int width) override {
        borders.push_back({r, style, width});
    }
    std::unique_ptr<html::HtmlImage> loadImage(const html::ImageSource& s) override {
        loads.push_back(s);
        const auto found = files.find(s.file);
        if (s.kind != html::ImageSource::Kind::File || found == files.end()) return nullptr;
        return std::make_unique<FakeImage>(found->second.cx, found->second.cy);
    }
    void drawImage(const html::HtmlImage&, const html::ImageDraw& how) override { images.push_back(how); }
    void tileImage(const html::HtmlImage&, const html::Box& r) override { tiles.push_back(r); }

    int charWidth() const { return std::max(font.height / 2, 1); }
    // The pieces drawn, joined.
    std::u16string drawnText() const {
        std::u16string all;
        for (const auto& t : texts) all += t.text;
        return all;
    }
    const TextOut* find(std::u16string_view t) const {
        for (const auto& out : texts)
            if (out.text == t) return &out;
        return nullptr;
    }
    void clearDrawing() {
        texts.clear();
        lines.clear();
        fills.clear();
        borders.clear();
        images.clear();
        tiles.clear();
    }

    html::FontDesc font;
    html::Colour text = 0, back = 0xFFFFFF;
    int mode = 2;
    std::map<std::u16string, html::Extent> files;  // image files that load, by name
    std::vector<TextOut> texts;
    std::vector<Line> lines;
    std::vector<Fill> fills;
    std::vector<Border> borders;
    std::vector<html::ImageSource> loads;
    std::vector<html::ImageDraw> images;
    std::vector<html::Box> tiles;
};

// Grey scale system colours: index i is i * 0x010101.
inline html::Colour greySystemColour(int index) { return static_cast<html::Colour>(index) * 0x010101; }

}  // namespace htmltest
