#include "ui/ResidentNoEdit.h"

#include "text/ResidentNo.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

ResidentNoEdit::ResidentNoEdit(QWidget* parent) : QLineEdit(parent)
{
    // "yymmdd-" and a whole "dddddd-ddddddd" after it.
    setMaxLength(21);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]*")), this));
    setPlaceholderText(QStringLiteral("000000-0000000"));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        // Thirteen digits without the "-" (pasted, or typed into an empty field) take their form at once.
        if (!t.contains(u'-') && t.size() == 13)
            normalize();
    });
}

void ResidentNoEdit::normalize()
{
    const QString n = ResidentNo::normalized(text());
    if (n != text())
        setText(n);
}

void ResidentNoEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    QTimer::singleShot(0, this, [this] {
        if (!hasFocus())
            return;
        if (QString(text()).remove(u'-').trimmed().isEmpty())
            setCursorPosition(0);
        else if (text().indexOf(u'-') == 6)
            setSelection(7, text().size() - 7);
    });
}

void ResidentNoEdit::focusOutEvent(QFocusEvent* e)
{
    normalize();
    QLineEdit::focusOutEvent(e);
}

void ResidentNoEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        normalize();
    QLineEdit::keyPressEvent(e);
}
