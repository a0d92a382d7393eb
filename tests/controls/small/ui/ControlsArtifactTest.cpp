#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <filesystem>

#include "controls/small/FloatEdit.h"
#include "controls/small/Label.h"
#include "controls/small/NumEdit.h"
#include "controls/small/PicStatic.h"
#include "platform/ui/Colour.h"
#include "tests/support/ui/UiTest.h"

namespace {

// The small controls together, for a person to look at: labels with gradient, 3-D and
// rotated text, a picture shrunk and one centred, and the number fields.
TEST(KleineSteuerelemente, Bildschirmfoto) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    QImage muster(240, 120, QImage::Format_RGB32);
    muster.fill(QColor(70, 130, 180));
    {
        QPainter p(&muster);
        p.setBrush(QColor(255, 200, 0));
        p.drawEllipse(QRect(70, 10, 100, 100));
    }
    const auto pfad = std::filesystem::path(ordner.path().toStdU16String()) / "muster.png";
    ASSERT_TRUE(muster.save(QString::fromStdU16String(pfad.u16string())));

    QWidget seite;
    seite.resize(420, 300);
    seite.setAutoFillBackground(true);

    CLabel verlauf(&seite, u"Heizlast und Wärmepumpe", small::StaticStil::BildZentriert);
    verlauf.setGeometry(10, 10, 260, 36);
    verlauf.SetBkColor(ui::rgb(0, 40, 120), ui::rgb(120, 180, 255), true)
        .SetTextColor(ui::rgb(255, 255, 255))
        .SetFontBold(true)
        .SetFontSize(12);

    CLabel dreiD(&seite, u"3-D Text", small::StaticStil::BildZentriert);
    dreiD.setGeometry(10, 56, 260, 36);
    dreiD.SetTextColor(ui::rgb(0, 0, 128)).SetText3D(true, 1).SetText3DColor(ui::rgb(160, 160, 160))
        .SetFontSize(16).SetFontBold(true).SetBorder(true);

    CLabel gedreht(&seite, u"Gedreht");
    gedreht.setGeometry(290, 10, 120, 120);
    gedreht.SetBkColor(ui::rgb(255, 255, 225)).SetRotationAngle(45, true).SetFontSize(12).SetSunken(true);

    CLabel link(&seite, u"www.varmion.example");
    link.setGeometry(10, 100, 260, 20);
    link.SetTextColor(ui::rgb(0, 0, 255)).SetFontUnderline(true).SetLink(true, false);

    CPicStatic gross(&seite);
    gross.setGeometry(10, 130, 120, 120);
    ASSERT_TRUE(gross.LoadFromFile(pfad));
    CPicStatic klein(&seite);
    klein.setGeometry(140, 130, 270, 124);
    ASSERT_TRUE(klein.LoadFromFile(pfad));

    CFloatEdit frei(&seite, 1);
    frei.setGeometry(10, 264, 120, 24);
    uitest::type(frei, "12,75");
    CNumEdit streng(&seite);
    streng.setGeometry(140, 264, 120, 24);
    streng.Init(7, 2, true);

    const std::string datei = uitest::saveArtifact(seite, "controls");
    EXPECT_TRUE(std::filesystem::exists(datei));
}

}  // namespace
