#pragma once
#include <QDate>
#include <QList>
#include <QString>

// The period lists of the cash book: by date with a running balance that starts from the closing
// figures, and by main and sub item.
class CashInquiry {
public:
    struct Row {
        QDate date;
        int seq = 0;
        QString mainItem;
        QString subItem;
        qint64 income = 0;
        qint64 expense = 0;
        qint64 balance = 0;   // date mode only
        QString memo;
        bool carry = false;   // a "전월이월" row
    };
    struct Result {
        QList<Row> rows;
        int found = 0;        // lines of the period (carry-forward rows not counted)
        qint64 income = 0;    // 입금총액 over the lines
        qint64 expense = 0;   // 출금총액
        qint64 current = 0;   // 현잔
        qint64 difference() const { return income - expense; }
    };

    static inline const QString kAll = QStringLiteral("전체");
    static inline const QString kCarry = QStringLiteral("전월이월");

    static Result byDate(const QDate& from, const QDate& to);
    // Main and sub item: "전체" or a text matched anywhere in the item.
    static Result byItem(const QString& mainItem, const QString& subItem, const QDate& from, const QDate& to);

    // Net of the lines from the first of the month of `from` up to `to` (included or not).
    static qint64 netOfMonthUpTo(const QDate& to, bool inclusive);
    // Cash on hand before (or, inclusive, at the end of) the given date: the last closed month's
    // balance plus every later line.
    static qint64 balanceAt(const QDate& d, bool inclusive);

private:
    static qint64 netBetween(const QDate& from, const QDate& to, bool inclusive);
};
