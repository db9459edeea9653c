#include "ui/KeyboardFlow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTextEdit>

namespace {

const char* kKeepEnter = "tamrinKeepEnter";

// Cell editors belong to their grid, which has its own Enter.
bool insideGrid(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

// Qt's own dialogs (file, print, message, input) take Enter as "OK".
bool inQtDialog(const QWidget* w)
{
    const QWidget* win = w->window();
    return qobject_cast<const QDialog*>(win) && QByteArray(win->metaObject()->className()).startsWith('Q');
}

bool oneLineField(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
           || qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w);
}

bool pressButton(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QCheckBox*>(w) && !qobject_cast<const QRadioButton*>(w);
}

} // namespace

void KeyboardFlow::install()
{
    static KeyboardFlow* flow = nullptr;
    if (flow || !qApp)
        return;
    flow = new KeyboardFlow(qApp);
    qApp->installEventFilter(flow);
}

void KeyboardFlow::keepEnter(QWidget* field) { field->setProperty(kKeepEnter, true); }

bool KeyboardFlow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_inside || !watched->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn) {
        if (auto* t = qobject_cast<QTextEdit*>(w))
            t->setTabChangesFocus(true);
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            p->setTabChangesFocus(true);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if ((mods & ~Qt::ShiftModifier) != 0 || w != QApplication::focusWidget() || w->property(kKeepEnter).toBool()
        || insideGrid(w) || inQtDialog(w))
        return false;

    if (pressButton(w)) {
        if (mods == Qt::NoModifier && w->isEnabled())
            static_cast<QAbstractButton*>(w)->click();
        return true;
    }
    if (!oneLineField(w))
        return false;
    if (auto* c = qobject_cast<QComboBox*>(w); c && c->view() && c->view()->isVisible())
        return false; // Enter chooses in the open list
    // The field's own Enter first (a date is read, a drop-down's typed text taken); it keeps the
    // focus when that handling moved it or closed the window.
    QPointer<QWidget> field(w);
    m_inside = true;
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
    QCoreApplication::sendEvent(w, &copy);
    m_inside = false;
    if (!field || QApplication::focusWidget() != field || !field->isVisible())
        return true;
    // Tab as the container has it: a date field would take Tab to its own next part.
    const bool back = mods & Qt::ShiftModifier;
    QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(field->parentWidget() ? field->parentWidget() : field.data(), &tab);
    return true;
}
