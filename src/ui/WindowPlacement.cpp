#include "ui/WindowPlacement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QScreen>
#include <QWidget>

void WindowPlacement::install()
{
    static WindowPlacement* placement = nullptr;
    if (placement || !qApp)
        return;
    placement = new WindowPlacement(qApp);
    qApp->installEventFilter(placement);
}

void WindowPlacement::centreOver(const QWidget* owner, QWidget* window)
{
    QSize size = window->size();
    if (!window->testAttribute(Qt::WA_Resized))
        size = window->sizeHint().expandedTo(window->minimumSize());
    QRect r(QPoint(), size);
    r.moveCenter(owner->window()->geometry().center());
    if (const QScreen* s = owner->screen()) {
        const QRect avail = s->availableGeometry();
        r.moveLeft(std::max(avail.left(), std::min(r.left(), avail.right() - r.width())));
        r.moveTop(std::max(avail.top(), std::min(r.top(), avail.bottom() - r.height())));
    }
    window->move(r.topLeft());
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(watched);
    const Qt::WindowType type = w->windowType();
    if (!w->isWindow() || (type != Qt::Window && type != Qt::Dialog) || w->testAttribute(Qt::WA_Moved)
        || qobject_cast<QDialog*>(w) || !w->parentWidget())
        return false;
    centreOver(w->parentWidget(), w);
    // Two windows of one owner opened one after the other must not lie exactly on top of each other.
    for (int step = 0; step < 8; ++step) {
        bool taken = false;
        for (QWidget* other : QApplication::topLevelWidgets())
            taken = taken || (other != w && other->isVisible() && other->pos() == w->pos());
        if (!taken)
            break;
        w->move(w->pos() + QPoint(28, 28));
    }
    return false;
}
