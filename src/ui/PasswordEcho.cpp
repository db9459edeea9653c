#include "ui/PasswordEcho.h"

#include <QLineEdit>

void echoAsStars(QLineEdit* edit)
{
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}
