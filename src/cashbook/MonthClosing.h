#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

#include "db/DbError.h"
#include "text/Answer.h"

// A closing, cancellation or opening balance the chain does not allow; message() is the Korean text
// for the user. Nothing was written.
class ClosingRefused : public db::Error {
public:
    explicit ClosingRefused(const QString& message) : db::Error(message, QString()) {}
};

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
        // Done when the cash book may open; otherwise refused with what to do first, under `caption`.
        Answer answer(const QString& caption) const;
    };
    static GuardResult guard();

    static QString lastClosed();          // MAX of the closed months read now, empty when none
    static bool isClosed(const QString& monthKey); // at or before the last closed month, read now

    // Closing of month M. check* return the refusal message (empty when the work may go on). close and
    // cancel check again themselves (ClosingRefused): only the month after the last closed one closes,
    // only the last closed month reopens and never the opening month. Each runs in one transaction,
    // throws db::Error on failure.
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
    // The opening can be corrected or removed until the month after it is closed.
    static bool openingEditable();
    enum class Field { None, Month, Income, Expense };
    // Checks the typed values in the window's order; returns the message and the field to focus.
    static QString checkOpening(const QString& month, const QString& income, const QString& expense, Field* field);
    // Writes the opening month (closed) and the open month after it in place of the rows there were.
    // Refused (ClosingRefused) once the opening can no longer change, or for values checkOpening refuses.
    static void saveOpening(const QString& month, qint64 income, qint64 expense);
    // Removes the opening, so the books are started again; refused as saveOpening.
    static void removeOpening();

    // The sums of a month's cash-book lines, as a closing stores them.
    struct Totals {
        qint64 income = 0;
        qint64 expense = 0;
    };
    static Totals monthTotals(const QString& m);
    // The books' own check of the stored chain: months one after another, only the last one open, each
    // closed month's totals equal to its lines, each running total the one before plus the month.
    // One Korean text per fault; *checked = the months read.
    static QStringList chainFaults(int* checked = nullptr);
};
