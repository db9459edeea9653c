#pragma once
#include <QObject>

class QWidget;

// The keyboard habits of Korean office programs, for every window of the program at once:
//   - Enter in a one-line field (line edit, drop-down, date, number) moves to the next field in tab
//     order, Shift+Enter to the previous one; the field's own Enter handling runs first.
//   - Enter on a focused push button presses it.
//   - Tab in a multi-line box moves on instead of typing a tab.
// Grid cells, Qt's own dialogs (file, print, message boxes) and widgets marked with
// KeyboardFlow::keepEnter() behave as Qt has them.
class KeyboardFlow : public QObject {
    Q_OBJECT
public:
    // Installs the flow on the application (once; later calls do nothing).
    static void install();
    // A field whose Enter does something of its own (a search box) keeps it and the focus.
    static void keepEnter(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    bool m_inside = false;
};
