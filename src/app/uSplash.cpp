#include "app/uSplash.h"

#include "app/Pictures.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setFixedSize(451, 242);
    // The picture sits inside two bevelled panels.
    auto* outer = new QFrame(this);
    outer->setFrameStyle(QFrame::Panel | QFrame::Raised);
    outer->setLineWidth(2);
    auto* inner = new QFrame(outer);
    inner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* picture = new QLabel(inner);
    picture->setPixmap(Pictures::splash());
    picture->setScaledContents(true);
    for (auto [box, child] : {std::pair<QWidget*, QWidget*>{this, outer}, {outer, inner}, {inner, picture}}) {
        auto* l = new QVBoxLayout(box);
        l->setContentsMargins(box == this ? 0 : 2, box == this ? 0 : 2, box == this ? 0 : 2, box == this ? 0 : 2);
        l->addWidget(child);
    }
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}
