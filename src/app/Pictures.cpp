#include "app/Pictures.h"

namespace Pictures {
QPixmap background() { return QPixmap(QStringLiteral(":/images/background.png")); }
QPixmap splash() { return QPixmap(QStringLiteral(":/images/splash.png")); }
QPixmap closing() { return QPixmap(QStringLiteral(":/images/closing.png")); }
}
