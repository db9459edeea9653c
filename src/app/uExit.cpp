#include "app/uExit.h"

#include "app/Pictures.h"

#include <QPainter>

Tfexit::Tfexit(QWidget* parent) : QWidget(parent), m_picture(Pictures::closing())
{
    setWindowTitle(QStringLiteral("수련생관리"));
    setProperty("tamrinFrameless", true);
}

void Tfexit::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), m_picture);
}
