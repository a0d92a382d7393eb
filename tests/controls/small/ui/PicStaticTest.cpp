#include "controls/small/PicStatic.h"

#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "platform/ui/Colour.h"
#include "tests/support/ui/UiTest.h"

namespace {

namespace fs = std::filesystem;

class Bildfeld : public uitest::Fixture {
  protected:
    void SetUp() override { ASSERT_TRUE(ordner.isValid()); }

    // Writes a picture of w x h in `farbe` to `name` under the temporary folder.
    fs::path schreibe(const std::u8string& name, int w, int h, const char* format,
                      QColor farbe = Qt::blue) {
        const fs::path pfad = fs::path(ordner.path().toStdU16String()) / fs::path(name);
        fs::create_directories(pfad.parent_path());
        QImage bild(w, h, QImage::Format_RGB32);
        bild.fill(farbe);
        EXPECT_TRUE(bild.save(QString::fromStdU16String(pfad.u16string()), format));
        return pfad;
    }

    QTemporaryDir ordner;
};

TEST_F(Bildfeld, LaedtNachDerLetztenEndungUndUtf8Pfaden) {
    struct Fall {
        std::u8string name;
        const char* format;
    } faelle[] = {{u8"a.png.d/b.bmp", "BMP"}, {u8"Bild_ä.PNG", "PNG"}, {u8"foto.JpG", "JPG"}};
    for (const auto& f : faelle) {
        CPicStatic bild;
        EXPECT_TRUE(bild.LoadFromFile(schreibe(f.name, 30, 20, f.format)))
            << reinterpret_cast<const char*>(f.name.c_str());
        EXPECT_EQ(bild.image().size(), QSize(30, 20));
    }
}

TEST_F(Bildfeld, Verweigerungen) {
    CPicStatic bild;
    ASSERT_TRUE(bild.LoadFromFile(schreibe(u8"gut.png", 10, 10, "PNG")));
    // Only a suffix, no suffix of a picture, a missing file, a broken file: each refused,
    // and the old picture is gone.
    const fs::path nurEndung = schreibe(u8"x/.png", 10, 10, "PNG");
    const fs::path falsch = schreibe(u8"bild.png.txt", 10, 10, "PNG");
    const fs::path kaputt = fs::path(ordner.path().toStdU16String()) / "kaputt.png";
    std::ofstream(kaputt) << "kein Bild";
    for (const fs::path& p : {nurEndung, falsch, kaputt, kaputt.parent_path() / "fehlt.png"}) {
        EXPECT_FALSE(bild.LoadFromFile(p)) << p;
        EXPECT_TRUE(bild.image().isNull());
    }
    EXPECT_FALSE(bild.LoadFromResource(1, u"TIF"));
    EXPECT_TRUE(bild.image().isNull());
}

TEST_F(Bildfeld, GrossVerkleinertKleinZentriert) {
    const ui::ColourRef blau = ui::rgb(0, 0, 255);
    CPicStatic gross;
    gross.resize(100, 100);
    ASSERT_TRUE(gross.LoadFromFile(schreibe(u8"gross.png", 400, 200, "PNG")));
    // s = 0.25: 99 x 49 at left 0, top 25 (see the fit table of the rules).
    const QImage g = uitest::render(gross);
    EXPECT_EQ(ui::fromQRgb(g.pixel(0, 25)), blau);
    EXPECT_EQ(ui::fromQRgb(g.pixel(98, 73)), blau);
    EXPECT_NE(ui::fromQRgb(g.pixel(50, 24)), blau);
    EXPECT_NE(ui::fromQRgb(g.pixel(50, 74)), blau);
    EXPECT_NE(ui::fromQRgb(g.pixel(99, 50)), blau);

    CPicStatic klein;
    klein.resize(100, 50);
    ASSERT_TRUE(klein.LoadFromFile(schreibe(u8"klein.bmp", 30, 20, "BMP")));
    // Centred at its size: left (100 - 30) / 2 = 35, top (50 - 20) / 2 = 15.
    const QImage k = uitest::render(klein);
    EXPECT_EQ(ui::fromQRgb(k.pixel(35, 15)), blau);
    EXPECT_EQ(ui::fromQRgb(k.pixel(64, 34)), blau);
    EXPECT_NE(ui::fromQRgb(k.pixel(34, 15)), blau);
    EXPECT_NE(ui::fromQRgb(k.pixel(65, 34)), blau);
}

}  // namespace
