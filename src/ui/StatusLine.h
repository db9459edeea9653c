#pragma once
#include <QString>
#include <functional>

// The main window's status line, for any screen or rules class without a pointer to the window:
//
//   StatusLine::show(QStringLiteral("입관 저장: %1 %2").arg(no, name));
//
// The main window installs where the text goes; the last text is kept (tests read it).
class StatusLine {
public:
    static void show(const QString& text);
    static QString text();
    // Where the texts go from now on; an empty function keeps them only here.
    static void install(std::function<void(const QString&)> sink);
};
