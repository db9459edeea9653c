#pragma once
#include <QList>
#include <QSize>

class QScreen;

// "화면 배율": the whole program, main window included, drawn larger on today's screens. The school's
// choice is stored with its settings and applied at the next start through Qt's scale factor; without
// a choice Qt follows the screen's DPI.
class DisplayScale {
public:
    static const QList<int>& choices(); // 100, 125, 150, 200 (percent)
    // Sets Qt's scale factor for `percent` (0: leave it to the screen's DPI). Call before the
    // application object exists.
    static void applyBeforeStart(int percent);
    // The choice nearest to what the screen gives now: the default shown in the setting.
    static int fromScreen(const QScreen* screen);
    // Whether a window of `designed` size at `percent` fits the screen (whose size in pixels is
    // `available` at the scale `current`, in percent).
    static bool fits(int percent, QSize designed, QSize available, int current);
};
