#include "ui/DisplayScale.h"

#include <QScreen>
#include <QtGlobal>
#include <cmath>

const QList<int>& DisplayScale::choices()
{
    static const QList<int> c = {100, 125, 150, 200};
    return c;
}

void DisplayScale::applyBeforeStart(int percent)
{
    if (!choices().contains(percent))
        return;
    // The stored choice is the whole scale: the screen's own factor is not added on top of it.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
}

int DisplayScale::fromScreen(const QScreen* screen)
{
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    int best = choices().first();
    for (const int c : choices())
        if (std::abs(c - ratio * 100) < std::abs(best - ratio * 100))
            best = c;
    return best;
}

bool DisplayScale::fits(int percent, QSize designed, QSize available, int current)
{
    if (current <= 0)
        current = 100;
    const double pxW = available.width() * current / 100.0, pxH = available.height() * current / 100.0;
    return designed.width() * percent / 100.0 <= pxW && designed.height() * percent / 100.0 <= pxH;
}
