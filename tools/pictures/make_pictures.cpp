// Draws the program's pictures into images/. Build and run once when a picture changes:
//   g++ -std=c++20 -fPIC make_pictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_pictures
//   QT_QPA_PLATFORM=offscreen /tmp/make_pictures ../../images
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QImage>
#include <QtMath>

namespace {

// The red and blue halves of a taegeuk circle.
void taegeuk(QPainter& p, QPointF c, qreal r, int alpha)
{
    const QColor red(0xcd, 0x2e, 0x3a, alpha), blue(0x00, 0x47, 0xa0, alpha);
    QPainterPath top;
    top.moveTo(c.x() - r, c.y());
    top.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, -180);
    top.arcTo(QRectF(c.x(), c.y() - r / 2, r, r), 0, -180);
    top.arcTo(QRectF(c.x() - r, c.y() - r / 2, r, r), 0, 180);
    QPainterPath circle;
    circle.addEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPath(circle.subtracted(top));
    p.setBrush(red);
    p.drawPath(top);
}

// A black belt drawn as a soft band across the picture.
void belt(QPainter& p, QRectF area, qreal y, int alpha)
{
    QPainterPath band;
    band.moveTo(area.left(), y);
    band.cubicTo(area.width() * 0.35, y - 60, area.width() * 0.65, y + 70, area.right(), y - 10);
    band.lineTo(area.right(), y + 26);
    band.cubicTo(area.width() * 0.65, y + 106, area.width() * 0.35, y - 24, area.left(), y + 36);
    band.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 28, alpha));
    p.drawPath(band);
}

void text(QPainter& p, const QRectF& r, const QString& s, int px, QColor c, bool bold, int flags = Qt::AlignCenter)
{
    QFont f(QStringLiteral("NanumBarunGothic"));
    f.setPixelSize(px);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags, s);
}

QImage background()
{
    QImage img(800, 533, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 533);
    g.setColorAt(0, QColor(0xe9, 0xf1, 0xfa));
    g.setColorAt(0.6, QColor(0xf8, 0xfa, 0xfd));
    g.setColorAt(1, QColor(0xdc, 0xe6, 0xf0));
    p.fillRect(img.rect(), g);
    belt(p, img.rect(), 380, 28);
    taegeuk(p, QPointF(610, 190), 130, 38);
    text(p, QRectF(40, 440, 720, 60), QStringLiteral("예의 · 인내 · 극기 · 백절불굴"), 22, QColor(0x1d, 0x2f, 0x5a, 110), true,
         Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

QImage splash()
{
    QImage img(451, 242, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 451, 242);
    g.setColorAt(0, QColor(0x14, 0x24, 0x4a));
    g.setColorAt(1, QColor(0x2c, 0x4a, 0x86));
    p.fillRect(img.rect(), g);
    belt(p, img.rect(), 170, 90);
    taegeuk(p, QPointF(365, 95), 58, 230);
    text(p, QRectF(28, 50, 300, 50), QStringLiteral("Tamrin"), 40, Qt::white, true, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(30, 100, 300, 30), QStringLiteral("태권도 도장 수련생 관리"), 18, QColor(0xdd, 0xe6, 0xf5), false,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(30, 200, 400, 24), QStringLiteral("프로그램을 준비하고 있습니다..."), 13, QColor(0xc0, 0xcc, 0xe0), false,
         Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

QImage closing()
{
    QImage img(800, 533, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(400, 300), 560);
    g.setColorAt(0, QColor(0xfd, 0xf3, 0xe4));
    g.setColorAt(1, QColor(0xe6, 0xc9, 0xa8));
    p.fillRect(img.rect(), g);
    belt(p, img.rect(), 400, 40);
    taegeuk(p, QPointF(400, 200), 90, 200);
    text(p, QRectF(0, 320, 800, 60), QStringLiteral("오늘도 수고하셨습니다"), 34, QColor(0x3a, 0x2a, 0x1c), true);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    return background().save(dir + "/background.png") && splash().save(dir + "/splash.png") && closing().save(dir + "/closing.png")
               ? 0
               : 1;
}
