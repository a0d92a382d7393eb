#pragma once
// The records of the HTML drawer: one level of text attributes, the attributes of an
// image tag, a line of the layout, a link area and an animated strip.
#include <cstdint>
#include <string>

#include "controls/html/HtmlCanvas.h"

// One level of text attributes; the drawer keeps a current one and a stack of saved ones.
struct HtmlStyle {
    std::u16string tag;  // canonical name of the tag that opened this level
    int size = 16;       // cell height of the font
    int weight = 400;
    int italic = 0;
    int underline = 0;
    int strikeout = 0;
    int overline = 0;
    std::u16string face = u"Verdana";
    html::Colour textColour = 0x000000;
    html::Colour bkColour = 0xFFFFFF;
    html::Colour borderLight = 0x000000;
    html::Colour borderDark = 0x000000;
    html::Colour bkMidColour = 0xFFFFFF;
    html::Colour bkEndColour = 0xFFFFFF;
    int bkMode = 1;     // 1 transparent, 2 opaque
    int bkEffect = -1;  // -1 none, 0 solid, 1..15 the drawing manager's fill effects
    std::u16string bkImage;
    int hAlign = 0;  // 0 left, 1 center, 2 right, 3 justify (placed like left)
    int vAlign = 3;  // 0 top, 1 middle, 2 bottom, 3 baseline
    int borderStyle = 0;
    int borderWidth = 0;
    int width = 0;   // of a table or cell; not reset
    int height = 0;  // of a table or cell; not reset
    int textTransform = 0;  // 0 none, 1 upper, 2 lower, 3 capitalise
    int margin = 2;         // the cell padding of tables
    int padding = 0;        // the cell spacing of tables
    int linkKind = 0;       // 0 none, 1 href, 2 msg
    std::u16string linkTarget;
};

// Attributes of an image tag.
struct HtmlImageParams {
    int index = 0;
    int idres = 0;
    int iddll = 0;
    int handle = 0;  // read, never used: an image handle in markup is not trusted
    int cx = 0;
    int cy = 0;
    int width = 100;
    int height = 100;
    int speed = 0;
    int style = 0;
    int hotStyle = 0;
    int useMask = 0;
    int widthIsPercent = 1;
    int heightIsPercent = 1;
    html::Colour maskColour = 0xFF00FF;
    std::u16string file;
    std::u16string srcdll;
};

// One output line: measured by the layout pass, read back by the paint pass.
struct HtmlLine {
    int width = 0;
    int height = 0;   // while measured the largest ascent, then ascent + descent
    int descent = 0;
    int percent = 0;  // width reserved by percentage rules
    int hAlign = 0;
};

struct HtmlLinkArea {
    html::Box box;
    int kind = 0;  // 1 href, 2 msg
    int index = 0;
    std::u16string target;
};

struct HtmlAnimation {
    int frame = 0;
    int frames = 0;
    int tick = 0;
    int ticksPerFrame = 0;
};
