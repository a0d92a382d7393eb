// Images of the markup ("bmp", "icon", "ilst"), their attributes and effects, the image
// shadow, background effects and images, and the short font letters.
#include <algorithm>
#include <filesystem>

#include "controls/html/HtmlMath.h"
#include "controls/html/HtmlScan.h"
#include "controls/html/PPHtmlDrawer.h"
#include "platform/resources/Resources.h"

namespace {

// The system icon size: icons are drawn at it unless the markup scales them.
constexpr int kIconSize = 32;

struct EffectName {
    const char16_t* name;
    int code;
};
constexpr EffectName kEffects[] = {
    {u"transparent", -1}, {u"solid", 0},      {u"hgradient", 1},  {u"vgradient", 2},
    {u"hcgradient", 3},   {u"vcgradient", 4}, {u"3hgradient", 5}, {u"3vgradient", 6},
    {u"noise", 7},        {u"diagshade", 8},  {u"hshade", 9},     {u"vshade", 10},
    {u"hbump", 11},       {u"vbump", 12},     {u"softbump", 13},  {u"hardbump", 14},
    {u"metal", 15},
};

}  // namespace

void CPPHtmlDrawer::ParseImageAttributes(std::u16string_view attributes, HtmlImageParams& p) const {
    std::size_t pos = 0;
    std::u16string name, value;
    while (html::nextAttribute(attributes, pos, name, value)) {
        if (name == u"index") p.index = ParseLength(value, p.index, false);
        else if (name == u"idres") p.idres = ParseLength(value, p.idres, false);
        else if (name == u"iddll") p.iddll = ParseLength(value, p.iddll, false);
        else if (name == u"handle") p.handle = ParseLength(value, p.handle, false);
        else if (name == u"file") { if (!value.empty()) p.file = value; }
        else if (name == u"srcdll") { if (!value.empty()) p.srcdll = value; }
        else if (name == u"mask") {
            p.maskColour = ParseColour(value, p.maskColour);
            p.useMask = 1;
        } else if (name == u"style") p.style = p.hotStyle = ParseImageStyle(value);
        else if (name == u"hotstyle") p.hotStyle = ParseImageStyle(value);
        else if (name == u"cx") p.cx = ParseLength(value, p.cx, false);
        else if (name == u"cy") p.cy = ParseLength(value, p.cy, false);
        else if (name == u"width") {
            p.widthIsPercent = value.ends_with(u'%');
            p.width = ParseLength(value, p.widthIsPercent ? 100 : p.width, false);
        } else if (name == u"height") {
            p.heightIsPercent = value.ends_with(u'%');
            p.height = ParseLength(value, p.heightIsPercent ? 100 : p.height, false);
        } else if (name == u"speed") p.speed = ParseLength(value, p.speed, false);
    }
}

int CPPHtmlDrawer::ParseImageStyle(std::u16string_view letters) const {
    int style = 0;
    for (char16_t c : letters) {
        if (c == u'g') style |= 1;
        else if (c == u'd') style |= 2;
        else if (c == u'l') style |= 4;
        else if (c == u's' && (m_shadowX != 0 || m_shadowY != 0))
            style = (style & 0xFF) | ((m_shadowGradient ? 2 : 1) << 8);
    }
    return style;
}

bool CPPHtmlDrawer::HasImageShadow(const HtmlImageParams& p) {
    return ((p.style >> 8) & 0xFF) != 0 || ((p.hotStyle >> 8) & 0xFF) != 0;
}

void CPPHtmlDrawer::SetImageShadow(int offsetX, int offsetY, int darkness, bool gradient,
                                   int blurX, int blurY) {
    m_shadowX = offsetX;
    m_shadowY = offsetY;
    m_shadowDarkness = std::clamp(darkness, 0, 100);
    m_shadowGradient = gradient;
    m_blurX = blurX;
    m_blurY = blurY;
    const auto grey = static_cast<html::Colour>(html::mulDiv(255, 100 - m_shadowDarkness, 100));
    m_shadowColour = grey | (grey << 8) | (grey << 16);
}

int CPPHtmlDrawer::ParseBkEffect(std::u16string_view value, int current) const {
    if (value.empty()) return current;
    for (const auto& e : kEffects)
        if (value == e.name) return e.code;
    return ParseLength(value, current, false);
}

void CPPHtmlDrawer::ApplyFontLetters(std::u16string_view letters) {
    int on = 1;
    for (char16_t c : letters) {
        switch (c) {
            case u'-': on = 0; continue;
            case u'+': on = 1; continue;
            case u'b': m_style.weight = on ? 700 : 400; break;
            case u'i': m_style.italic = on; break;
            case u'u': m_style.underline = on; break;
            case u's': m_style.strikeout = on; break;
            case u'o': m_style.overline = on; break;
            default: continue;  // other characters leave the switch as it is
        }
        on = 1;
    }
}

int CPPHtmlDrawer::CountChar(std::u16string_view text, char16_t c) {
    return static_cast<int>(html::countChar(text, c));
}

platform::ModuleHandle CPPHtmlDrawer::LoadedModuleNamed(std::u16string_view name) const {
    if (name.empty()) return nullptr;
    for (platform::ModuleHandle module : {m_resourceModule, platform::currentResourceModule()}) {
        if (!module) continue;
        const std::filesystem::path file = platform::moduleFile(module);
        if (file.filename().u16string() == name || file.stem().u16string() == name) return module;
    }
    return nullptr;
}

std::optional<html::ImageSource> CPPHtmlDrawer::ImageSourceOf(html::Tag tag,
                                                              const HtmlImageParams& p) const {
    using Kind = html::ImageSource::Kind;
    const Kind resourceKind = tag == html::Tag::Icon ? Kind::Icon : Kind::Bitmap;
    if (p.idres > 0) return html::ImageSource{resourceKind, platform::currentResourceModule(), p.idres, {}};
    if (!p.file.empty()) return html::ImageSource{Kind::File, nullptr, 0, p.file};
    if (p.iddll > 0) {
        const platform::ModuleHandle module = p.srcdll.empty() ? m_resourceModule : LoadedModuleNamed(p.srcdll);
        if (module) return html::ImageSource{resourceKind, module, p.iddll, {}};
    }
    // "handle" names raw memory and is never used; an image without a source is skipped.
    return std::nullopt;
}

void CPPHtmlDrawer::DrawImageTag(html::Tag tag, std::u16string_view attributes, int& x, int y) {
    HtmlImageParams p;
    ParseImageAttributes(attributes, p);
    const auto source = ImageSourceOf(tag, p);
    if (!source) return;
    const std::unique_ptr<html::HtmlImage> image = m_dc->loadImage(*source);
    if (!image) return;

    html::Extent natural{image->width(), image->height()};
    if (tag == html::Tag::Icon) natural = {kIconSize, kIconSize};
    int frame = -1;
    int cx = 0, cy = 0;
    if (tag == html::Tag::ImageList) {
        cx = std::max(p.cx, 0);
        cy = std::max(p.cy, 0);
        if (cx == 0 && cy == 0) cx = cy = std::min(natural.cx, natural.cy);
        else if (cx == 0) cx = cy;
        else if (cy == 0) cy = cx;
        if (cx <= 0 || cy <= 0) return;
        const long long frames = static_cast<long long>(natural.cx / cx) * (natural.cy / cy);
        frame = p.index;
        if (p.speed > 0 && frames > 0) {
            if (layoutPass()) {
                m_animations.push_back({p.index, static_cast<int>(std::min<long long>(frames, 1 << 30)), 0, p.speed});
            } else if (++m_animationCounter < static_cast<int>(m_animations.size())) {
                frame = m_animations[m_animationCounter].frame;
            }
        }
        if (frame < 0 || frame >= frames) return;
        natural = {cx, cy};
    }
    const int width = std::max(p.widthIsPercent ? html::mulDiv(natural.cx, p.width, 100) : p.width, 0);
    const int height = std::max(p.heightIsPercent ? html::mulDiv(natural.cy, p.height, 100) : p.height, 0);
    const bool shadow = HasImageShadow(p);
    const int boxWidth = html::clampCoord(static_cast<long long>(width) + (shadow ? m_shadowX : 0));
    const int boxHeight = html::clampCoord(static_cast<long long>(height) + (shadow ? m_shadowY : 0));

    if (layoutPass()) {
        m_line.hAlign = m_style.hAlign;
        AlignObject(y, boxHeight);
    } else {
        const int top = AlignObject(y, boxHeight);
        StoreLinkArea(x, top, x + boxWidth, top + boxHeight);
        const bool hot = m_style.linkKind != 0 && m_linkCounter == m_hoverLink;
        const int style = hot ? p.hotStyle : p.style;
        html::ImageDraw how;
        how.x = x;
        how.y = top;
        how.width = width;
        how.height = height;
        how.frameIndex = frame;
        how.frameWidth = cx;
        how.frameHeight = cy;
        how.useMask = p.useMask != 0;
        how.maskColour = p.maskColour;
        how.flags = static_cast<unsigned>(style & 0x307);
        how.fillColour = m_shadowColour;
        if (!m_enabled) {
            // The disabled look: a silhouette in the disabled colour; the shadow stays.
            how.flags = 8u | (how.flags & 0x300u);
            how.fillColour = m_disabledColour;
        }
        how.withShadow = shadow;
        how.shadowX = m_shadowX;
        how.shadowY = m_shadowY;
        how.blurX = m_blurX;
        how.blurY = m_blurY;
        m_dc->drawImage(*image, how);
        m_notDrawn -= boxWidth;
    }
    x = html::clampCoord(static_cast<long long>(x) + boxWidth);
}

void CPPHtmlDrawer::DrawBackgroundImage(html::HtmlCanvas& dc, const html::Box& r,
                                        std::u16string_view spec) {
    if (!m_enabled || spec.size() < 6) return;
    const std::size_t colon = spec.find(u':');
    if (colon == std::u16string_view::npos) return;
    const std::u16string_view kind = spec.substr(0, colon);
    const std::u16string_view value = spec.substr(colon + 1);
    html::ImageSource source;
    if (kind == u"idres") {
        source = {html::ImageSource::Kind::Bitmap, platform::currentResourceModule(),
                  ParseLength(value, 0, false), {}};
    } else if (kind == u"iddll") {
        if (!m_resourceModule) return;
        source = {html::ImageSource::Kind::Bitmap, m_resourceModule, ParseLength(value, 0, false), {}};
    } else if (kind == u"file") {
        source = {html::ImageSource::Kind::File, nullptr, 0, std::u16string(value)};
    } else {
        return;
    }
    if (const auto image = dc.loadImage(source)) dc.tileImage(*image, r);
}
