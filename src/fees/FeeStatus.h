#pragma once
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

// The fee status of a member around a reference date, as the monthly status, the unpaid list, the
// payment notices and their data file all count it. A month is paid when the member has a fee row for
// it, exempt when that row's amount is 0 (settled everywhere), and unpaid when there is no row.
namespace FeeStatus {

struct Paid {
    QDate date;        // 납부일자
    qint64 amount = 0; // 0: exempt
};
using Months = QHash<QString, Paid>; // "yyyymm" -> the member's row of that month

// The rows of one member's months from..to ("yyyymm", both included).
Months paymentsOf(const QString& memberNo, const QString& from, const QString& to);

// The months from January of the year before the reference year to December of the reference year as
// bits (bit 0: January of the year before): the compact form a long list keeps per member.
using MonthBits = quint32;
MonthBits monthBit(const QDate& reference, const QString& monthKey); // 0 outside those two years

// Day `payDay` (the member's 납부일자, 1..31) of a month; the last day of the month when that day does
// not exist there or the member has none.
QDate dueDay(int year, int month, const QString& payDay);

// " 2024년 3월 5일 ": a blank, the year, month and day without leading zeros, a blank.
QString spacedDate(const QDate& d);
// "2024년 3월 5일 ": year, month and day without leading zeros, each with its word and a blank.
QString dateWords(const QDate& d);
// "300,000 원"; and "300,000 원" or "" when the amount is not above 0.
QString won(qint64 amount);
QString wonIfAny(qint64 amount);

// The member fields the counts use.
struct Member {
    QString enrolled;  // 입관일 "YYYY-MM-DD" (may be empty)
    qint64 fee = 0;    // 수련비 F
};

// The unpaid list: months from the enrolment month (at most from January of the year before) to the
// reference month, each unpaid one as " " + its number ("11 12 1 2" spans two years) and F owed.
struct Unpaid {
    QString months; // " 11 12 1 2"
    qint64 owed = 0;
};
Unpaid unpaid(const Member& m, const QDate& reference, const Months& paid);
Unpaid unpaid(const Member& m, const QDate& reference, MonthBits paid);

// What a payment notice says about the fee.
struct Notice {
    qint64 prevSum = 0;      // unpaid months of the year before (amounts only)
    QString prevList;        // " 10 11 12"
    QString prevLabel;       // "10월,11월,12월"
    qint64 curSum = 0;       // unpaid months of this year before the reference month
    QString curList;         // " 1"
    QString labels[12];      // m01..m12: "미납", "3/5" (paid on), "면제", or empty
    bool currentDue = false; // the reference month itself is not paid
    qint64 fee = 0;          // F
    qint64 total = 0;        // prevSum + curSum (+ F when the month is due)
};
Notice notice(const Member& m, const QDate& reference, const Months& paid);

// The months both counts look at: January of the year before to the reference month ("yyyymm"), so a
// list reads its rows once.
QString firstMonth(const QDate& reference);
QString lastMonth(const QDate& reference);

} // namespace FeeStatus
