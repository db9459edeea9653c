#pragma once
#include <QApplication>

// The application object: a read that fails anywhere in an event handler reaches the user as the
// engine's own message instead of ending the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // Fonts, look, Korean texts of Qt's own dialogs, the program icon and the keyboard flow: what
    // every window of the program shares. Tests call it to see the screens as the program has them.
    static void applyFonts();
    // Qt's Korean translations (its buttons, file and print dialogs); false when they are missing.
    static bool loadTranslations();
    // The application title ("Tamrin2010" during the splash, then the database name + "_Windows7").
    static void setTitle(const QString& title);
    static QString title();
};
