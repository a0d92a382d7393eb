#include "controls/small/Label.h"

#include <QImage>

#include "platform/ui/Colour.h"
#include "tests/support/ui/RecordingDesktop.h"
#include "tests/support/ui/UiTest.h"

namespace {

class Beschriftung : public uitest::Fixture {
  protected:
    void SetUp() override { uitest::desktop().reset(); }
};

int pixelMit(const QImage& bild, ui::ColourRef farbe) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (ui::fromQRgb(bild.pixel(x, y)) == farbe) ++n;
    return n;
}

TEST_F(Beschriftung, BlinkenderTextVerschwindetImGemaltenHintergrund) {
    const ui::ColourRef rot = ui::rgb(255, 0, 0);
    const ui::ColourRef flaeche = ui::sysColour(ui::SysColour::ButtonFace);
    CLabel label(nullptr, u"Blinkt");
    label.resize(80, 20);
    label.SetTextColor(rot).FlashText(true);  // no background colour: the default brush
    const QImage versteckt = uitest::render(label);
    EXPECT_EQ(pixelMit(versteckt, rot), 0);
    EXPECT_EQ(pixelMit(versteckt, flaeche), 80 * 20);  // not black text on the face
    uitest::clock().advance(500);
    EXPECT_GT(pixelMit(uitest::render(label), rot), 0);
    uitest::clock().advance(500);
    EXPECT_EQ(pixelMit(uitest::render(label), rot), 0);
    // Stopping leaves the text drawn normally at the next paint.
    label.FlashText(false);
    EXPECT_GT(pixelMit(uitest::render(label), rot), 0);
    uitest::clock().advance(1000);
    EXPECT_GT(pixelMit(uitest::render(label), rot), 0);

    // With a background colour the hidden text takes that colour.
    const ui::ColourRef gelb = ui::rgb(255, 255, 0);
    label.SetBkColor(gelb).FlashText(true);
    EXPECT_EQ(pixelMit(uitest::render(label), gelb), 80 * 20);
    label.FlashText(false);
}

TEST_F(Beschriftung, VerlaufUndDannVolleFarbe) {
    CLabel label(nullptr, u"");
    label.resize(40, 10);
    label.SetBkColor(ui::rgb(0, 0, 0), ui::rgb(200, 0, 0), true);
    const QImage verlauf = uitest::render(label);
    // 40 bands of 1 px: red grows by 200 * 256 / 40 / 256 = 5 per column.
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(ui::fromQRgb(verlauf.pixel(x, 5)), ui::rgb(5 * x, 0, 0)) << x;
    label.SetBkColor(ui::rgb(0, 128, 0));
    EXPECT_EQ(pixelMit(uitest::render(label), ui::rgb(0, 128, 0)), 40 * 10);
}

TEST_F(Beschriftung, LinksUndMeldungen) {
    QWidget eltern;
    CLabel web(&eltern, u"https://www.varmion.example");
    web.resize(200, 20);
    web.SetLink(true, false);
    uitest::click(web, {5, 5});
    ASSERT_EQ(uitest::desktop().opened.size(), 1u);
    EXPECT_EQ(uitest::desktop().opened[0].toString(), "https://www.varmion.example");

    web.SetLinkURL(u"https://hilfe.varmion.example");
    uitest::click(web, {5, 5});
    EXPECT_EQ(uitest::desktop().opened.back().toString(), "https://hilfe.varmion.example");

    CLabel mail(&eltern, u"info@varmion.example");
    mail.resize(200, 20);
    mail.SetMailLink(true, false);
    uitest::click(mail, {5, 5});
    EXPECT_EQ(uitest::desktop().opened.back().toString(), "mailto:info@varmion.example");

    CLabel ohne(&eltern, u"Nur Text");
    ohne.resize(200, 20);
    uitest::click(ohne, {5, 5});
    EXPECT_EQ(uitest::desktop().opened.size(), 3u);
}

// An owner that records the notifications it gets.
class Besitzer : public ui::WindowOf<QWidget> {
  public:
    long onNotify(const ui::Notification& n) override {
        meldungen.push_back({n.id, n.code});
        return 0;
    }
    std::vector<std::pair<int, int>> meldungen;
};

TEST_F(Beschriftung, MeldenStattOeffnen) {
    Besitzer besitzer;
    CLabel link(&besitzer, u"https://www.varmion.example");
    link.setControlId(1042);
    link.resize(200, 20);
    link.SetLink(true, true);
    uitest::click(link, {5, 5});
    EXPECT_TRUE(uitest::desktop().opened.empty());
    ASSERT_EQ(besitzer.meldungen.size(), 1u);
    EXPECT_EQ(besitzer.meldungen[0], (std::pair<int, int>{1042, CLabel::kKlickCode}));
}

}  // namespace
