#include "ui/DateTypingAid.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

void DateTypingAid::install(QLineEdit* edit)
{
    edit->installEventFilter(new DateTypingAid(edit));
}

QString DateTypingAid::afterKey(const QString& text, int* caret)
{
    const QString t = text.trimmed();
    if (t.size() == 4 || t.size() == 7) {
        if (caret)
            *caret = int(t.size()) + 1;
        return t + u'-';
    }
    if (caret)
        *caret = -1;
    return text;
}

bool DateTypingAid::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Only keys that type something: arrows and Backspace never add a separator.
    if (key->key() == Qt::Key_Backspace || key->text().isEmpty() || !key->text().at(0).isPrint())
        return false;
    const QString before = edit->text();
    edit->removeEventFilter(this);
    QCoreApplication::sendEvent(edit, event);
    edit->installEventFilter(this);
    if (edit->text() != before) {
        int caret = -1;
        const QString after = afterKey(edit->text(), &caret);
        if (after != edit->text()) {
            edit->setText(after);
            edit->setCursorPosition(caret);
        }
    }
    return true;
}
