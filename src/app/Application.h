#pragma once
#include <QApplication>

// The application object: a read that fails anywhere in an event handler reaches the user as the
// engine's own message instead of ending the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    static void applyFonts();
    // The application title ("Tamrin2010" during the splash, then the database name + "_Windows7").
    static void setTitle(const QString& title);
    static QString title();
};
