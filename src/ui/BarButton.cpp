#include "ui/BarButton.h"

namespace ui {

QPushButton* addBarButton(QWidget* screen, QBoxLayout* bar, const char* caption, const char* name)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), screen);
    if (name)
        b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    bar->addWidget(b);
    return b;
}

} // namespace ui
