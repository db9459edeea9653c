#pragma once
#include <QObject>
#include <QString>

class QLineEdit;

// Typing a date without separators: when the typed text reaches 4 characters a "-" follows with the
// caret after it, and again at 7, so "20240305" becomes "2024-03-05". Backspace never adds one, and
// a "-" typed right after an automatic one stays (the field then holds two).
class DateTypingAid : public QObject {
    Q_OBJECT
public:
    static void install(QLineEdit* edit); // the aid lives as long as the field

    // The rule on its own: the text after a key other than Backspace, and the caret to use (-1: keep).
    static QString afterKey(const QString& text, int* caret);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
