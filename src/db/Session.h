#pragma once
#include <QDate>
#include <QString>

// The few values the main window holds for every screen: the last closed cash-book month and the
// member chosen on a list screen. Kept here so screens and rules need no pointer to the main window.
//
// The closed month has one source, the closing table: it is read on first use, read again after every
// closing, cancellation or change of the opening balance, and forgotten when a database is opened, so
// a service called by a screen that never loaded it still sees the books as they are.
class Session {
public:
    static QString lastClosedMonth();               // "yyyymm", "000000" when nothing is closed
    static bool isClosedMonth(const QString& monthKey); // at or before the last closed month
    static bool isClosedDay(const QDate& day);      // the day's month is closed
    static void reloadLastClosedMonth();            // reads it again from the closing table
    static void forgetLastClosedMonth();            // the next use reads it again
    static QString selectedMemberNo();
    static void setSelectedMemberNo(const QString& no);
    static void reset();
};
