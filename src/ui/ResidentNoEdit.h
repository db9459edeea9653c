#pragma once
#include <QLineEdit>

// The resident number field: digits and "-", at most a pre-filled front part and a whole number
// after it. Thirteen digits become "dddddd-ddddddd" as soon as they are there, and a whole number
// typed over a pre-filled "yymmdd-" replaces it when the field is left (ResidentNo::normalized).
// Entering the field selects the seven digits after the "-" when the front part is there, so that
// typing replaces them; an empty field starts at the beginning.
class ResidentNoEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ResidentNoEdit(QWidget* parent = nullptr);
    void normalize();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};
