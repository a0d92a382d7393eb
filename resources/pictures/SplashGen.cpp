// Draws the start-up picture of the program into a BMP file: the program's name and
// version over a band that runs from the cold of the ground to the warmth of the house.
//   varm_splashgen <out.bmp> <version text>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

void zeichneHaus(QPainter& p, QPointF unten, double breite) {
    const double h = breite * 0.6;
    QPainterPath haus;
    haus.moveTo(unten.x() - breite / 2, unten.y());
    haus.lineTo(unten.x() - breite / 2, unten.y() - h);
    haus.lineTo(unten.x(), unten.y() - h - breite * 0.45);
    haus.lineTo(unten.x() + breite / 2, unten.y() - h);
    haus.lineTo(unten.x() + breite / 2, unten.y());
    haus.closeSubpath();
    p.setPen(QPen(QColor(255, 255, 255, 230), 3));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawPath(haus);
}

void zeichneSonde(QPainter& p, double x, double oben, double unten) {
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - 5, oben), QPointF(x - 5, unten));
    p.drawLine(QPointF(x + 5, oben), QPointF(x + 5, unten));
    p.drawArc(QRectF(x - 5, unten - 5, 10, 10), 180 * 16, 180 * 16);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: varm_splashgen <out.bmp> <version>\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const int w = 480, h = 300;
    QImage bild(w, h, QImage::Format_RGB32);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient verlauf(0, h, 0, 0);
    verlauf.setColorAt(0.0, QColor(24, 70, 120));
    verlauf.setColorAt(0.55, QColor(40, 120, 150));
    verlauf.setColorAt(1.0, QColor(222, 120, 52));
    p.fillRect(bild.rect(), verlauf);

    // Ground line, house and the probe that reaches into the ground.
    const double boden = 210;
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.drawLine(QPointF(24, boden), QPointF(w - 24, boden));
    zeichneHaus(p, QPointF(380, boden), 110);
    zeichneSonde(p, 330, boden, 280);

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
               QStringLiteral("Version ") + QString::fromUtf8(argv[2]));
    p.end();

    return bild.save(QString::fromLocal8Bit(argv[1]), "BMP") ? 0 : 1;
}
