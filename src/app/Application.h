#pragma once
#include <QApplication>

// The application object: a read that fails anywhere in an event handler reaches the user as the
// engine's own message instead of ending the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    static void applyFonts();
};
