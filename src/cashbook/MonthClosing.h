#pragma once
#include <QDate>
#include <QString>
#include <optional>

// The closing chain of the cash book: one row per month in T_금전출납마감, every row but the last
// closed, the last one open. The opening balance starts the chain; closing a month adds its totals
// and opens the next one; cancelling reopens a month and drops the months after it.
class MonthClosing {
public:
    // What the cash-book opening guard finds.
    enum class Guard { Open, NeedOpening, NeedClosing };
    struct GuardResult {
        Guard state = Guard::Open;
        QString month;   // the month to close first ("yyyymm") for NeedClosing
    };
    static GuardResult guard();

    static QString lastClosed();          // MAX of the closed months, empty when none
    static QString lastClosedOrZero();    // the same, "000000" when none (the main window's value)
    static bool isClosed(const QString& monthKey); // the month is at or before the last closed month

    // Closing of month M. check* return the refusal message (empty when the work may go on);
    // close/cancel run in one transaction, throw db::Error on failure and update the session value.
    static QString checkClose(const QString& m);
    static void close(const QString& m);
    static QString checkCancel(const QString& m);
    static void cancel(const QString& m);

    // The opening balance: the month before the first cash-book line, stored as a closed month.
    struct Opening {
        QString month;
        qint64 income = 0;   // 차변누계금액
        qint64 expense = 0;  // 대변누계금액
    };
    static std::optional<Opening> opening();   // the first row, if any
    static bool openingEditable();             // only while no month is closed
    enum class Field { None, Month, Income, Expense };
    // Checks the typed values in the window's order; returns the message and the field to focus.
    static QString checkOpening(const QString& month, const QString& income, const QString& expense, Field* field);
    static void saveOpening(const QString& month, qint64 income, qint64 expense);
};
