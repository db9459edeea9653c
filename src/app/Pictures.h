#pragma once
#include <QIcon>
#include <QPixmap>

// The program's own pictures (images/ of the source tree, built into the program).
namespace Pictures {
QPixmap background(); // work area and launch screens, 800 x 533
QPixmap splash();     // start-up window, 451 x 242
QPixmap closing();    // shut-down window
QIcon icon();         // the program's icon, on every window
}
