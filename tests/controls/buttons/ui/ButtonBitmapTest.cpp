#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <gtest/gtest.h>

#include "controls/buttons/ButtonST.h"
#include "platform/ui/Colour.h"
#include "tests/support/ui/UiTest.h"

namespace {

constexpr ui::ColourRef kMagenta = ui::rgb(255, 0, 255);  // the transparent colour

// 12 x 12 magenta with a 4 x 4 square of `colour` at (4, 4).
QImage squareImage(QColor colour) {
    QImage image(12, 12, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x) image.setPixelColor(x, y, colour);
    return image;
}

int countPixels(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

class BitmapButton : public uitest::Fixture {
  protected:
    void SetUp() override {
        parent.resize(200, 60);
        button = new CButtonST(u"", &parent);
        button->setGeometry(10, 10, 80, 30);
        parent.show();
        uitest::processEvents();
    }
    QImage buttonPixels() { return uitest::render(*button); }

    QWidget parent;
    CButtonST* button = nullptr;
};

TEST_F(BitmapButton, TransparentColourShowsTheBackground) {
    ASSERT_EQ(button->SetBitmaps(squareImage(Qt::blue), kMagenta), buttons::kButtonOk);
    const QImage shown = buttonPixels();
    EXPECT_EQ(countPixels(shown, Qt::blue), 16);
    EXPECT_EQ(countPixels(shown, QColor(255, 0, 255)), 0);
    // The mask is white exactly where the transparent colour was.
    const buttons::ButtonBitmap& b = button->bitmap(0);
    EXPECT_EQ(b.mask.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(b.mask.pixel(5, 5) & 0xFFFFFF, 0u);
}

TEST_F(BitmapButton, OutBitmapShowsUnlessHovered) {
    ASSERT_EQ(button->SetBitmaps(squareImage(Qt::blue), kMagenta, squareImage(Qt::green), kMagenta),
              buttons::kButtonOk);
    EXPECT_EQ(countPixels(buttonPixels(), Qt::green), 16);
    uitest::move(*button, {40, 15});
    ASSERT_TRUE(button->hovered());
    const QImage hovered = buttonPixels();
    EXPECT_EQ(countPixels(hovered, Qt::blue), 16);
    EXPECT_EQ(countPixels(hovered, Qt::green), 0);
}

TEST_F(BitmapButton, DisabledWithOnlyTheInBitmapIsEmbossed) {
    button->SetBitmaps(squareImage(Qt::blue), kMagenta);
    button->setEnabled(false);
    const QImage shown = buttonPixels();
    EXPECT_EQ(countPixels(shown, Qt::blue), 0);
    // The square in the 3-D shadow colour over its highlight copy offset by (1, 1).
    EXPECT_EQ(countPixels(shown, ui::toQColor(ui::sysColour(ui::SysColour::ButtonShadow))), 16);

    // With a disabled bitmap, that one is drawn as it is.
    button->SetBitmaps(squareImage(Qt::blue), kMagenta, {}, {}, squareImage(Qt::red), kMagenta);
    EXPECT_EQ(countPixels(buttonPixels(), Qt::red), 16);
}

TEST(ButtonBitmaps, DerivedCopiesKeepTheTransparentColour) {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixelColor(0, 0, QColor(200, 100, 0));
    image.setPixelColor(1, 0, QColor(255, 0, 255));
    // Grey: trunc(0.299*200 + 0.587*100 + 0.114*0) = trunc(59.8 + 58.7) = 118.
    const QImage grey = buttons::derivedCopy(image, kMagenta, buttons::greyOf);
    EXPECT_EQ(grey.pixelColor(0, 0), QColor(118, 118, 118));
    EXPECT_EQ(grey.pixelColor(1, 0), QColor(255, 0, 255));
    // Darker: trunc(c - c*0.25): 200 -> 150, 100 -> 75.
    const QImage darker = buttons::derivedCopy(image, kMagenta, buttons::darkerOf);
    EXPECT_EQ(darker.pixelColor(0, 0), QColor(150, 75, 0));
    EXPECT_EQ(darker.pixelColor(1, 0), QColor(255, 0, 255));
}

TEST_F(BitmapButton, UnreadableResourceFreesEveryImageAndAnswers1) {
    button->SetBitmaps(squareImage(Qt::blue), kMagenta);
    // No resource module holds bitmap 9999.
    EXPECT_EQ(button->SetBitmaps(9999, kMagenta), buttons::kBitmapUnreadable);
    EXPECT_TRUE(button->bitmap(0).isNull());
    EXPECT_EQ(countPixels(buttonPixels(), Qt::blue), 0);
}

TEST_F(BitmapButton, TransparentModeShowsTheParentBeneath) {
    parent.setAutoFillBackground(true);
    QPalette green = parent.palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    parent.setPalette(green);
    const auto buttonArea = [&] { return uitest::render(parent).copy(button->geometry()); };
    EXPECT_EQ(countPixels(buttonArea(), QColor(0, 128, 0)), 0);
    button->DrawTransparent();
    EXPECT_TRUE(button->isTransparent());
    EXPECT_EQ(countPixels(buttonArea(), QColor(0, 128, 0)), 80 * 30);
}

TEST_F(BitmapButton, TooltipIsCreatedInactiveAndShowsWhenActivated) {
    button->EnableBalloonTooltip();
    button->SetTooltipText(u"Opens the project", false);
    ui::ToolTip* tip = button->tooltip();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->balloon());
    EXPECT_EQ(tip->maxTipWidth(), 400);
    EXPECT_FALSE(tip->active());

    const QPoint at = button->mapToGlobal(QPoint(20, 15));
    QHelpEvent rest(QEvent::ToolTip, QPoint(20, 15), at);
    QApplication::sendEvent(button, &rest);
    EXPECT_FALSE(QToolTip::isVisible());

    button->SetTooltipText(u"Opens the project", true);
    QApplication::sendEvent(button, &rest);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Opens the project");
    QToolTip::hideText();

    // A long tip wraps at 400 pixels; a plain one stays plain.
    button->SetTooltipText(std::u16string(200, u'x') + u" <end>", true);
    EXPECT_TRUE(tip->tipText().contains("width=\"400\""));
    EXPECT_TRUE(tip->tipText().contains("&lt;end&gt;"));
}

TEST_F(BitmapButton, BalloonStyleOnlyForTooltipsCreatedLater) {
    button->SetTooltipText(u"Plain", true);
    button->EnableBalloonTooltip();
    EXPECT_FALSE(button->tooltip()->balloon());
}

}  // namespace
