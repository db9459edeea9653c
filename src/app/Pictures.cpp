#include "app/Pictures.h"

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
}
