#pragma once
#include <QString>
#include <functional>

// The few values the main window holds for every screen: the last closed cash-book month and the
// member chosen on a list screen. Kept here so screens and rules need no pointer to the main window.
class Session {
public:
    static QString lastClosedMonth();              // "yyyymm", "000000" when nothing is closed
    static void setLastClosedMonth(const QString& m);
    static void reloadLastClosedMonth();           // reads it again from the closing table
    static QString selectedMemberNo();
    static void setSelectedMemberNo(const QString& no);
    static void reset();
};
