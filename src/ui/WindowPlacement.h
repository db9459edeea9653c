#pragma once
#include <QObject>

class QWidget;

// Small windows of the program (settings, print windows) open over the middle of the window they
// belong to, not where the desktop happens to put them. Installed once for every window; a window
// that places itself (move()) keeps its place, and Qt's dialogs centre themselves already.
class WindowPlacement : public QObject {
    Q_OBJECT
public:
    static void install();
    // Places `window` over the middle of the owner's window, inside the owner's screen.
    static void centreOver(const QWidget* owner, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
