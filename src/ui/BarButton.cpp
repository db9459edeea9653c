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

EditBar addEditBar(QWidget* screen, QBoxLayout* bar)
{
    return {addBarButton(screen, bar, "입     력", "Btn_Insert"), addBarButton(screen, bar, "수     정", "Btn_Edit"),
            addBarButton(screen, bar, "삭     제", "Btn_Delete"), addBarButton(screen, bar, "조     회", "Btn_Query"),
            addBarButton(screen, bar, "확     인", "Btn_Ok"),     addBarButton(screen, bar, "취     소", "Btn_Cancel"),
            addBarButton(screen, bar, "인    쇄", "Btn_Print"),   addBarButton(screen, bar, "종     료", "Btn_Close")};
}

} // namespace ui
