// Draws the program's own pictures in one look (the colours of the start-up picture: the
// blue of the ground, the teal between, the orange of the warm house; white and dark-blue
// strokes):
//   splash.bmp        the start-up picture: name and version over a band that runs from the
//                     cold of the ground to the warmth of the house
//   bkgnd.bmp         the main window's background, light enough for dark text on it
//   icon.png          the program icon
//   bar_<id>.png      the main window's button-bar pictures (36 x 36) on the transparent
//                     key colour red, by resource id: one for normal and one for hovered
//                     where they differ
//   wait.png          the wait animation: twelve frames of 64 x 64 side by side, a ring of
//                     dots that runs round the house, warming from teal to orange
//   scene_<id>.bmp    the project window's scenes by kind of heat source: 298 collector,
//                     299 outdoor air, 300 probes, 301 ground water, 345 ground baskets
//   btn_<id>.bmp      the project window's button pictures (32 x 32) on white, which the
//                     buttons take as transparent: 231 tariff, 232 hot water, 233 heat
//                     pump, 234 heat source, 235 solar, 236 building, 238 project
//   sketch_<id>.bmp   the principle sketches of the hot-water tank types: 197 type 1 (layers,
//                     heated from outside through a plate exchanger), 193 type 2 (mixed by
//                     an inner coil), 194 type 3 (a coil below, layers above the inlet)
//   about.bmp         the about box's band: the start-up picture's colours and the name
//   logo.bmp          the logo the reports carry until the user chooses his own
//   varm_splashgen <out dir> <version text>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <utility>
#include <functional>

namespace {

const QColor kBlau(24, 70, 120);
const QColor kTuerkis(40, 120, 150);
const QColor kOrange(222, 120, 52);
const QColor kHell(246, 248, 250);

QPainterPath Haus(QPointF unten, double breite) {
    const double h = breite * 0.6;
    QPainterPath haus;
    haus.moveTo(unten.x() - breite / 2, unten.y());
    haus.lineTo(unten.x() - breite / 2, unten.y() - h);
    haus.lineTo(unten.x(), unten.y() - h - breite * 0.45);
    haus.lineTo(unten.x() + breite / 2, unten.y() - h);
    haus.lineTo(unten.x() + breite / 2, unten.y());
    haus.closeSubpath();
    return haus;
}

void zeichneSonde(QPainter& p, double x, double oben, double unten, const QColor& farbe, double w) {
    p.setPen(QPen(farbe, w, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(x - 5, oben), QPointF(x - 5, unten));
    p.drawLine(QPointF(x + 5, oben), QPointF(x + 5, unten));
    p.drawArc(QRectF(x - 5, unten - 5, 10, 10), 180 * 16, 180 * 16);
}

QImage Splash(const QString& version) {
    const int w = 480, h = 300;
    QImage bild(w, h, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, h, 0, 0);
    verlauf.setColorAt(0.0, kBlau);
    verlauf.setColorAt(0.55, kTuerkis);
    verlauf.setColorAt(1.0, kOrange);
    p.fillRect(bild.rect(), verlauf);
    const double boden = 210;
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.drawLine(QPointF(24, boden), QPointF(w - 24, boden));
    p.setPen(QPen(QColor(255, 255, 255, 230), 3));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawPath(Haus(QPointF(380, boden), 110));
    zeichneSonde(p, 330, boden, 280, QColor(255, 255, 255, 200), 3);

    QFont titel(QStringLiteral("Liberation Sans"));
    titel.setPixelSize(58);
    titel.setWeight(QFont::Bold);
    p.setFont(titel);
    p.setPen(Qt::white);
    p.drawText(QRectF(30, 40, 300, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Varmion"));
    QFont klein(QStringLiteral("Liberation Sans"));
    klein.setPixelSize(16);
    p.setFont(klein);
    p.setPen(QColor(255, 255, 255, 220));
    p.drawText(QRectF(34, 118, 280, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version ") + version);
    return bild;
}

// A pale sky over pale ground, the house and its probe faint at the lower right: the
// explanatory texts stand on the left half.
QImage Hintergrund() {
    const int w = 1024, h = 768;
    QImage bild(w, h, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient himmel(0, 0, 0, h);
    himmel.setColorAt(0.0, QColor(250, 247, 240));
    himmel.setColorAt(0.70, QColor(236, 243, 247));
    himmel.setColorAt(0.72, QColor(214, 228, 236));
    himmel.setColorAt(1.0, QColor(190, 210, 226));
    p.fillRect(bild.rect(), himmel);
    QRadialGradient waerme(QPointF(w * 0.78, h * 0.52), w * 0.35);
    waerme.setColorAt(0.0, QColor(kOrange.red(), kOrange.green(), kOrange.blue(), 60));
    waerme.setColorAt(1.0, QColor(kOrange.red(), kOrange.green(), kOrange.blue(), 0));
    p.fillRect(bild.rect(), waerme);
    const double boden = h * 0.71;
    p.setPen(QPen(QColor(kTuerkis.red(), kTuerkis.green(), kTuerkis.blue(), 70), 3));
    p.drawLine(QPointF(w * 0.45, boden), QPointF(w, boden));
    p.setPen(QPen(QColor(kBlau.red(), kBlau.green(), kBlau.blue(), 70), 5));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawPath(Haus(QPointF(w * 0.80, boden), 260));
    zeichneSonde(p, w * 0.66, boden, h * 0.95, QColor(kBlau.red(), kBlau.green(), kBlau.blue(), 70), 5);
    return bild;
}

// A low band of the start-up picture: the name on the left, the house over its probe on
// the right.
QImage UeberBand() {
    const int w = 470, h = 70;
    QImage bild(w, h, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, w, 0);
    verlauf.setColorAt(0.0, kBlau);
    verlauf.setColorAt(0.6, kTuerkis);
    verlauf.setColorAt(1.0, kOrange);
    p.fillRect(bild.rect(), verlauf);
    const double boden = 54;
    p.setPen(QPen(QColor(255, 255, 255, 150), 2));
    p.drawLine(QPointF(300, boden), QPointF(w - 14, boden));
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.5));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawPath(Haus(QPointF(420, boden), 44));
    zeichneSonde(p, 380, boden, h + 6, QColor(255, 255, 255, 200), 2.5);
    QFont titel(QStringLiteral("Liberation Sans"));
    titel.setPixelSize(38);
    titel.setWeight(QFont::Bold);
    p.setFont(titel);
    p.setPen(Qt::white);
    p.drawText(QRectF(18, 0, 260, h), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Varmion"));
    return bild;
}

// The default logo of the reports: the program's mark and its name on white paper.
QImage StandardLogo() {
    const int w = 320, h = 120;
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 104, 0, 16);
    verlauf.setColorAt(0.0, kBlau);
    verlauf.setColorAt(0.55, kTuerkis);
    verlauf.setColorAt(1.0, kOrange);
    p.setPen(Qt::NoPen);
    p.setBrush(verlauf);
    p.drawRoundedRect(QRectF(16, 16, 88, 88), 16, 16);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(Haus(QPointF(60, 76), 44));
    zeichneSonde(p, 60, 76, 98, Qt::white, 4);
    QFont name(QStringLiteral("Liberation Sans"));
    name.setPixelSize(44);
    name.setWeight(QFont::Bold);
    p.setFont(name);
    p.setPen(kBlau);
    p.drawText(QRectF(118, 16, w - 126, 88), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Varmion"));
    return bild;
}

// The icons: dark-blue outlines, teal and orange fills, white paper.
using Zeichnung = std::function<void(QPainter&, bool hell)>;

QImage Symbol(const Zeichnung& z, bool hell, int groesse = 48) {
    QImage bild(groesse, groesse, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 48.0, groesse / 48.0);
    z(p, hell);
    return bild;
}

QPen Linie(double w = 2.5) { return QPen(kBlau, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
QColor Warm(bool hell) { return hell ? kOrange.lighter(115) : kOrange; }
QColor Kalt(bool hell) { return hell ? kTuerkis.lighter(125) : kTuerkis; }

void Projekt(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(QColor(240, 200, 110));
    QPainterPath mappe;
    mappe.moveTo(4, 14);
    mappe.lineTo(18, 14);
    mappe.lineTo(22, 18);
    mappe.lineTo(44, 18);
    mappe.lineTo(44, 42);
    mappe.lineTo(4, 42);
    mappe.closeSubpath();
    p.drawPath(mappe);
    p.setBrush(hell ? Qt::white : kHell);
    p.drawPath(Haus(QPointF(24, 38), 18));
}

void Auslegung(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(kHell);
    p.drawRoundedRect(QRectF(6, 8, 36, 32), 4, 4);
    p.setBrush(Kalt(hell));
    p.drawEllipse(QRectF(10, 13, 20, 20));
    p.drawLine(QPointF(20, 15), QPointF(20, 31));
    p.drawLine(QPointF(12, 23), QPointF(28, 23));
    p.setBrush(Warm(hell));
    p.drawRect(QRectF(33, 14, 5, 18));
}

void Kosten(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.drawLine(QPointF(5, 42), QPointF(44, 42));
    const double hoehen[] = {14, 26, 20, 32};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 3 ? Warm(hell) : Kalt(hell));
        p.drawRect(QRectF(8 + i * 9, 42 - hoehen[i], 7, hoehen[i]));
    }
}

void Bericht(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(hell ? Qt::white : kHell);
    QPainterPath blatt;
    blatt.moveTo(10, 4);
    blatt.lineTo(32, 4);
    blatt.lineTo(40, 12);
    blatt.lineTo(40, 44);
    blatt.lineTo(10, 44);
    blatt.closeSubpath();
    p.drawPath(blatt);
    p.setPen(Linie(2));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(16, 18 + i * 6), QPointF(34, 18 + i * 6));
    p.setPen(Qt::NoPen);
    p.setBrush(Warm(hell));
    p.drawRect(QRectF(16, 40 - 4, 10, 3));
}

void Gebaeude(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(hell ? Qt::white : kHell);
    p.drawPath(Haus(QPointF(20, 44), 30));
    p.setBrush(Warm(hell));
    p.drawRoundedRect(QRectF(36, 6, 6, 30), 3, 3);
    p.drawEllipse(QRectF(34, 32, 10, 10));
}

void Quelle(QPainter& p, bool hell) {
    p.setPen(Qt::NoPen);
    p.setBrush(Kalt(hell));
    p.drawRect(QRectF(4, 18, 40, 26));
    p.setPen(Linie());
    p.drawLine(QPointF(4, 18), QPointF(44, 18));
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 8), QPointF(20, 40));
    p.drawLine(QPointF(28, 8), QPointF(28, 40));
    p.drawArc(QRectF(20, 36, 8, 8), 180 * 16, 180 * 16);
    p.setPen(Linie());
    p.setBrush(Warm(hell));
    p.drawEllipse(QRectF(30, 2, 10, 10));
}

void Jahr(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(kHell);
    p.drawRect(QRectF(5, 6, 38, 36));
    QPainterPath kurve;
    kurve.moveTo(8, 16);
    kurve.cubicTo(18, 44, 30, 44, 40, 16);
    p.setPen(QPen(Warm(hell), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(kurve);
    p.setPen(Linie(1.5));
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(5 + i * 9.5, 40), QPointF(5 + i * 9.5, 42));
}

void Hilfe(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(Kalt(hell));
    p.drawEllipse(QRectF(6, 6, 36, 36));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(26);
    f.setWeight(QFont::Bold);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(6, 6, 36, 36), Qt::AlignCenter, QStringLiteral("?"));
}

void Programm(QPainter& p, bool) {
    QLinearGradient verlauf(0, 48, 0, 0);
    verlauf.setColorAt(0.0, kBlau);
    verlauf.setColorAt(0.55, kTuerkis);
    verlauf.setColorAt(1.0, kOrange);
    p.setPen(Qt::NoPen);
    p.setBrush(verlauf);
    p.drawRoundedRect(QRectF(1, 1, 46, 46), 9, 9);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(Haus(QPointF(24, 32), 24));
    zeichneSonde(p, 24, 32, 44, Qt::white, 2.5);
}

// One frame of the wait animation: the dot at `kopf` is the warmest, those behind it fade
// back to the cold of the ground.
QImage WarteBild(int kopf, int anzahl, int groesse) {
    QImage bild(groesse, groesse, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 48.0, groesse / 48.0);
    p.setPen(QPen(kBlau, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kHell);
    p.drawPath(Haus(QPointF(24, 31), 14));
    for (int i = 0; i < anzahl; ++i) {
        const int abstand = (kopf - i + anzahl) % anzahl;  // 0: the head
        const double anteil = 1.0 - static_cast<double>(abstand) / anzahl;
        const double winkel = 2 * M_PI * i / anzahl - M_PI / 2;
        const QPointF mitte(24 + 19 * std::cos(winkel), 24 + 19 * std::sin(winkel));
        const auto mische = [anteil](int kalt, int warm) {
            return static_cast<int>(kalt + (warm - kalt) * anteil * anteil + 0.5);
        };
        QColor farbe(mische(kTuerkis.red(), kOrange.red()), mische(kTuerkis.green(), kOrange.green()),
                     mische(kTuerkis.blue(), kOrange.blue()));
        farbe.setAlphaF(0.35 + 0.65 * anteil);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe);
        const double r = 2.2 + 1.6 * anteil;
        p.drawEllipse(mitte, r, r);
    }
    return bild;
}

// The project window's scene, laid out with the window's two layouts in mind: the sky
// keeps its upper third free for the controls of the default layout; the wide, low house
// stands right of the middle with the heat pump and the hot-water tank at its left wall;
// the heat source lies in the ground left of and under the house, above the bottom band
// where the hint line stands; the outdoor unit of an air heat pump stands right of the
// house. Pale enough for the controls and their texts on it.
enum class Szene { Kollektor, Luft, Sonden, Grundwasser, Koerbe };

QImage ProjektSzene(Szene art) {
    const int w = 816, h = 582;
    const auto X = [w](double f) { return w * f; };
    const auto Y = [h](double f) { return h * f; };
    QImage bild(w, h, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double boden = Y(0.72);
    QLinearGradient himmel(0, 0, 0, boden);
    himmel.setColorAt(0.0, QColor(252, 250, 245));
    himmel.setColorAt(1.0, QColor(236, 243, 247));
    p.fillRect(QRectF(0, 0, w, boden), himmel);
    QLinearGradient erde(0, boden, 0, h);
    erde.setColorAt(0.0, QColor(226, 216, 198));
    erde.setColorAt(1.0, QColor(214, 203, 184));
    p.fillRect(QRectF(0, boden, w, h - boden), erde);
    if (art == Szene::Grundwasser) p.fillRect(QRectF(0, Y(0.84), w, h - Y(0.84)), QColor(176, 204, 222));
    const QColor linie(kBlau.red(), kBlau.green(), kBlau.blue(), 150);
    const QColor kalt(kTuerkis.red(), kTuerkis.green(), kTuerkis.blue(), 170);
    p.setPen(QPen(QColor(120, 150, 100), 3));
    p.drawLine(QPointF(0, boden), QPointF(w, boden));

    // The house: walls from 42 to 88 percent of the width, a low roof.
    QPainterPath haus;
    haus.moveTo(X(0.42), boden);
    haus.lineTo(X(0.42), Y(0.52));
    haus.lineTo(X(0.40), Y(0.52));
    haus.lineTo(X(0.65), Y(0.40));
    haus.lineTo(X(0.90), Y(0.52));
    haus.lineTo(X(0.88), Y(0.52));
    haus.lineTo(X(0.88), boden);
    haus.closeSubpath();
    p.setPen(QPen(linie, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawPath(haus);
    // Heat pump and hot-water tank at the left wall, joined by the charging pipe.
    const QRectF pumpe(X(0.44), Y(0.625), X(0.05), Y(0.08));
    const QRectF speicher(X(0.52), Y(0.62), X(0.04), Y(0.085));
    p.setPen(QPen(linie, 3));
    p.setBrush(QColor(kOrange.red(), kOrange.green(), kOrange.blue(), 150));
    p.drawRoundedRect(pumpe, 5, 5);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRoundedRect(speicher, 8, 8);
    p.setPen(QPen(QColor(kOrange.red(), kOrange.green(), kOrange.blue(), 190), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(pumpe.right(), Y(0.66)), QPointF(speicher.left(), Y(0.66)));

    // The source circuit leaves the heat pump through the floor.
    const double vonX = pumpe.center().x();
    const double tief = Y(0.76);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kalt, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (art) {
        case Szene::Sonden:
            p.drawPolyline(QPolygonF({QPointF(vonX, pumpe.bottom()), QPointF(vonX, tief), QPointF(X(0.16), tief)}));
            for (double x : {X(0.16), X(0.30)}) zeichneSonde(p, x, tief, Y(0.88), kalt, 5);
            break;
        case Szene::Kollektor: {
            QPainterPath schlange;
            schlange.moveTo(vonX, pumpe.bottom());
            schlange.lineTo(vonX, Y(0.78));
            const double links = X(0.06), rechts = X(0.36);
            for (int i = 0; i < 7; ++i) {
                const double x = rechts - (rechts - links) * i / 6.0;
                schlange.lineTo(x, i % 2 ? Y(0.84) : Y(0.78));
                schlange.lineTo(x, i % 2 ? Y(0.78) : Y(0.84));
            }
            p.drawPath(schlange);
            break;
        }
        case Szene::Grundwasser:
            p.drawPolyline(QPolygonF({QPointF(vonX, pumpe.bottom()), QPointF(vonX, tief), QPointF(X(0.16), tief)}));
            for (double x : {X(0.16), X(0.32)}) p.drawLine(QPointF(x, tief), QPointF(x, Y(0.93)));
            break;
        case Szene::Koerbe:
            p.drawPolyline(QPolygonF({QPointF(vonX, pumpe.bottom()), QPointF(vonX, tief), QPointF(X(0.12), tief)}));
            for (double x : {X(0.12), X(0.22), X(0.32)})
                for (int i = 0; i < 4; ++i)
                    p.drawEllipse(QPointF(x, tief + 10 + i * 13), 24 - i * 3, 6);
            break;
        case Szene::Luft: {
            // The outdoor unit right of the house, the pipe under the floor.
            const QRectF geraet(X(0.905), Y(0.60), X(0.075), Y(0.12));
            p.drawPolyline(QPolygonF({QPointF(vonX, pumpe.bottom()), QPointF(vonX, Y(0.745)),
                                      QPointF(geraet.center().x(), Y(0.745)),
                                      QPointF(geraet.center().x(), boden)}));
            p.setPen(QPen(linie, 3));
            p.setBrush(QColor(255, 255, 255, 230));
            p.drawRoundedRect(geraet, 6, 6);
            p.drawEllipse(geraet.center(), geraet.width() * 0.3, geraet.width() * 0.3);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kalt, 4, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 3; ++i) {
                QPainterPath wind;
                const double y = Y(0.47) + i * 14;
                wind.moveTo(X(0.99), y);
                wind.cubicTo(X(0.97), y - 8, X(0.95), y + 8, X(0.92), y);
                p.drawPath(wind);
            }
            break;
        }
    }
    return bild;
}

QImage WarteAnimation() {
    constexpr int kBilder = 12, kGroesse = 64;
    QImage streifen(kGroesse * kBilder, kGroesse, QImage::Format_ARGB32);
    streifen.fill(Qt::transparent);
    QPainter p(&streifen);
    for (int k = 0; k < kBilder; ++k)
        p.drawImage(QPointF(kGroesse * k, 0), WarteBild(k, kBilder, kGroesse));
    return streifen;
}

void Tarif(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(kHell);
    p.drawRoundedRect(QRectF(8, 6, 32, 36), 4, 4);
    p.setBrush(Warm(hell));
    QPainterPath blitz;
    blitz.moveTo(27, 10);
    blitz.lineTo(16, 26);
    blitz.lineTo(24, 26);
    blitz.lineTo(20, 38);
    blitz.lineTo(32, 21);
    blitz.lineTo(24, 21);
    blitz.closeSubpath();
    p.drawPath(blitz);
}

void Warmwasser(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(kHell);
    p.drawRoundedRect(QRectF(12, 4, 24, 38), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(Warm(hell));
    p.drawRoundedRect(QRectF(15, 20, 18, 19), 5, 5);
    p.setBrush(Kalt(hell));
    p.drawRoundedRect(QRectF(15, 8, 18, 12), 5, 5);
}

void Waermepumpe(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(kHell);
    p.drawRoundedRect(QRectF(6, 8, 36, 34), 4, 4);
    p.setBrush(Kalt(hell));
    p.drawEllipse(QRectF(10, 14, 20, 20));
    p.setBrush(Warm(hell));
    p.drawRect(QRectF(33, 13, 5, 24));
}

void Solar(QPainter& p, bool hell) {
    p.setPen(Linie());
    p.setBrush(Warm(hell));
    p.drawEllipse(QRectF(28, 4, 14, 14));
    p.setBrush(Kalt(hell));
    QPainterPath feld;
    feld.moveTo(6, 42);
    feld.lineTo(14, 20);
    feld.lineTo(34, 20);
    feld.lineTo(26, 42);
    feld.closeSubpath();
    p.drawPath(feld);
    p.setPen(Linie(1.5));
    p.drawLine(QPointF(10, 31), QPointF(30, 31));
    p.drawLine(QPointF(20, 20), QPointF(16, 42));
}

// Button pictures take white as transparent: the soft edges are laid on white and any
// pixel that comes out white stays transparent.
QImage AufWeiss(const QImage& symbol) {
    QImage bild(symbol.size(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.drawImage(0, 0, symbol);
    return bild;
}

// The buttons take pure red as transparent and nothing else: the soft edges are laid on
// the light face of the buttons, the rest becomes red.
QImage AufSchluesselfarbe(const QImage& symbol) {
    QImage bild(symbol.size(), QImage::Format_RGB32);
    for (int y = 0; y < symbol.height(); ++y) {
        for (int x = 0; x < symbol.width(); ++x) {
            const QColor c = symbol.pixelColor(x, y);
            if (c.alpha() < 48) {
                bild.setPixel(x, y, qRgb(255, 0, 0));
                continue;
            }
            const double a = c.alphaF();
            const auto mische = [a](int v) { return static_cast<int>(v * a + 236 * (1 - a) + 0.5); };
            bild.setPixel(x, y, qRgb(mische(c.red()), mische(c.green()), mische(c.blue())));
        }
    }
    return bild;
}

bool Schreibe(const QImage& bild, const QString& datei, const char* format) {
    if (bild.save(datei, format)) return true;
    std::fprintf(stderr, "varm_splashgen: cannot write %s\n", datei.toLocal8Bit().constData());
    return false;
}

}  // namespace

// A tank of hot water over cold, the heat pump beside it and the way the heat goes in.
QImage SpeicherSkizze(int typ) {
    QImage bild(420, 300, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor warm(0xE0, 0x6A, 0x2B), kalt(0x2B, 0x6C, 0xB0), strich(0x15, 0x3B, 0x63);
    const QRectF tank(210, 30, 120, 240);
    QLinearGradient verlauf(tank.topLeft(), tank.bottomLeft());
    if (typ == 2) {
        // Strongly mixed: one warm colour from top to bottom.
        verlauf.setColorAt(0, warm.lighter(115));
        verlauf.setColorAt(1, warm.lighter(125));
    } else {
        // Layered: hot at the top, cold below; type 3 keeps the layers above its coil.
        verlauf.setColorAt(0, warm);
        verlauf.setColorAt(typ == 1 ? 0.55 : 0.45, warm.lighter(130));
        verlauf.setColorAt(typ == 1 ? 0.65 : 0.7, kalt.lighter(150));
        verlauf.setColorAt(1, kalt);
    }
    p.setPen(QPen(strich, 3));
    p.setBrush(verlauf);
    p.drawRoundedRect(tank, 40, 20);
    // The heat pump.
    const QRectF wp(30, 150, 100, 80);
    p.setBrush(QColor(0xEE, 0xF2, 0xF7));
    p.drawRoundedRect(wp, 8, 8);
    // The compressor's symbol in place of a word: the picture serves every language.
    const QPointF mitte = wp.center();
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(mitte, 22, 22);
    p.drawPolyline(QPolygonF({mitte + QPointF(-19, -11), mitte + QPointF(19, -5)}));
    p.drawPolyline(QPolygonF({mitte + QPointF(-19, 11), mitte + QPointF(19, 5)}));
    const auto leitung = [&](const QPolygonF& weg, const QColor& farbe) {
        p.setPen(QPen(farbe, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(weg);
    };
    if (typ == 1) {
        // Outside the tank: a plate exchanger, the tank water drawn from below, back on top.
        const QRectF platte(150, 120, 30, 90);
        leitung(QPolygonF({{130, 170}, {150, 170}}), warm);
        leitung(QPolygonF({{130, 200}, {150, 200}}), kalt);
        leitung(QPolygonF({{180, 130}, {195, 130}, {195, 60}, {215, 60}}), warm);
        leitung(QPolygonF({{180, 200}, {195, 200}, {195, 250}, {215, 250}}), kalt);
        p.setPen(QPen(strich, 3));
        p.setBrush(QColor(0xD8, 0xE1, 0xEC));
        p.drawRect(platte);
        for (int i = 1; i < 6; ++i) p.drawLine(QPointF(platte.left(), platte.top() + i * 15), QPointF(platte.right(), platte.top() + i * 15));
    } else {
        // An inner coil: over the whole height (type 2) or in the lower part (type 3).
        const double oben = typ == 2 ? 70 : 180, unten = 250;
        leitung(QPolygonF({{130, 170}, {180, 170}, {180, oben}, {215, oben}}), warm);
        QPainterPath schlange;
        schlange.moveTo(215, oben);
        const int windungen = typ == 2 ? 7 : 3;
        const double schritt = (unten - oben) / windungen;
        for (int i = 0; i < windungen; ++i) {
            const double y = oben + i * schritt;
            schlange.cubicTo(330, y, 330, y + schritt, 215, y + schritt);
        }
        p.setPen(QPen(strich, 4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(schlange);
        leitung(QPolygonF({{215, unten}, {160, unten}, {160, 200}, {130, 200}}), kalt);
        if (typ == 3) {
            // The tank inlet, from which the heating starts.
            leitung(QPolygonF({{330, 160}, {380, 160}}), kalt.lighter(130));
            p.setPen(QPen(strich, 2, Qt::DashLine));
            p.drawLine(QPointF(214, 160), QPointF(329, 160));
        }
    }
    // Hot water out at the top, cold water in at the bottom.
    leitung(QPolygonF({{270, 30}, {270, 10}, {400, 10}}), warm);
    leitung(QPolygonF({{330, 262}, {400, 262}}), kalt);
    return bild;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: varm_splashgen <out dir> <version>\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString ordner = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');

    bool ok = Schreibe(Splash(QString::fromUtf8(argv[2])), ordner + "splash.bmp", "BMP");
    ok = Schreibe(Hintergrund(), ordner + "bkgnd.bmp", "BMP") && ok;
    ok = Schreibe(Symbol(Programm, false, 64), ordner + "icon.png", "PNG") && ok;
    ok = Schreibe(UeberBand(), ordner + "about.bmp", "BMP") && ok;
    ok = Schreibe(StandardLogo(), ordner + "logo.bmp", "BMP") && ok;
    ok = Schreibe(WarteAnimation(), ordner + "wait.png", "PNG") && ok;

    // Normal and hovered picture of each bar button; open and help have one picture.
    struct Knopf {
        int normal, hover;
        Zeichnung zeichnung;
    };
    const Knopf knoepfe[] = {
        {221, 221, Projekt}, {222, 302, Auslegung}, {223, 303, Kosten}, {224, 304, Bericht},
        {225, 305, Gebaeude}, {226, 306, Quelle},   {227, 307, Jahr},   {219, 219, Hilfe},
    };
    for (const Knopf& k : knoepfe) {
        ok = Schreibe(AufSchluesselfarbe(Symbol(k.zeichnung, false, 36)), ordner + QStringLiteral("bar_%1.png").arg(k.normal), "PNG") && ok;
        if (k.hover != k.normal)
            ok = Schreibe(AufSchluesselfarbe(Symbol(k.zeichnung, true, 36)), ordner + QStringLiteral("bar_%1.png").arg(k.hover), "PNG") && ok;
    }
    const struct {
        int id;
        Szene art;
    } szenen[] = {{298, Szene::Kollektor}, {299, Szene::Luft}, {300, Szene::Sonden},
                  {301, Szene::Grundwasser}, {345, Szene::Koerbe}};
    for (const auto& s : szenen)
        ok = Schreibe(ProjektSzene(s.art), ordner + QStringLiteral("scene_%1.bmp").arg(s.id), "BMP") && ok;
    const struct {
        int id;
        Zeichnung zeichnung;
    } bilder[] = {{231, Tarif},  {232, Warmwasser}, {233, Waermepumpe}, {234, Quelle},
                  {235, Solar},  {236, Gebaeude},   {238, Projekt}};
    for (const auto& b : bilder)
        ok = Schreibe(AufWeiss(Symbol(b.zeichnung, false, 32)), ordner + QStringLiteral("btn_%1.bmp").arg(b.id), "BMP") && ok;
    for (const auto& [id, typ] : {std::pair{197, 1}, std::pair{193, 2}, std::pair{194, 3}})
        ok = Schreibe(SpeicherSkizze(typ), ordner + QStringLiteral("sketch_%1.bmp").arg(id), "BMP") && ok;
    return ok ? 0 : 1;
}
