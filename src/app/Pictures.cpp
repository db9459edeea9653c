#include "app/Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtGlobal>

// The pictures live in a static library: their resource must be registered by hand.
static void registerPictures()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(done);
}

namespace Pictures {
QPixmap background()
{
    registerPictures();
    return QPixmap(QStringLiteral(":/images/background.png"));
}
QPixmap splash()
{
    registerPictures();
    return QPixmap(QStringLiteral(":/images/splash.png"));
}
QPixmap closing()
{
    registerPictures();
    return QPixmap(QStringLiteral(":/images/closing.png"));
}
QIcon icon()
{
    // A taegeuk: red above, blue below, drawn at each size the window manager asks for.
    QIcon out;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r(0.5, 0.5, size - 1.0, size - 1.0);
        const qreal h = r.height() / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xcd, 0x2e, 0x3a));
        p.drawEllipse(r);
        QPainterPath blue;
        blue.moveTo(r.left(), r.center().y());
        blue.arcTo(r, 180, 180); // lower half
        blue.arcTo(QRectF(r.center().x(), r.center().y() - h / 2, h, h), 0, -180);
        blue.arcTo(QRectF(r.left(), r.center().y() - h / 2, h, h), 0, 180);
        p.setBrush(QColor(0x00, 0x47, 0xa0));
        p.drawPath(blue);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), size >= 32 ? 1.5 : 1.0));
        p.drawEllipse(r);
        p.end();
        out.addPixmap(pm);
    }
    return out;
}
}
