#pragma once
#include <QDate>
#include <QString>

// Deleting old records by period, and emptying the cash book, for the screen " 기간별 삭제".
// Database errors throw db::Error and leave nothing of the failed deletion behind.
class PeriodDeletion {
public:
    enum class Kind { None, Withdrawn, CashBook, Fees, DailyStatus };

    // A date field's digits ("yyyymmdd") as a date: read as a number and laid out as "0000-00-00", as the
    // field has always been read. Invalid when that is no calendar date.
    static QDate dateOfDigits(const QString& digits);

    // Every member whose withdrawal date lies in the period (both days included), with every row kept
    // under his number and his photo, in one transaction (the member delete of the member record).
    // Returns the number of members removed.
    static int deleteWithdrawn(const QDate& from, const QDate& to);
    // Every cash-book line and closing record, in one transaction; afterwards no month is closed.
    static void deleteCashBook();
    // Fee rows paid in the period. Their cash-book lines stay (the money was taken, a closed month still
    // matches its lines) but lose their fee link in the same transaction, so they become ordinary lines
    // instead of lines of a payment that no longer exists.
    static int deleteFees(const QDate& from, const QDate& to);
    static int deleteDailyStatus(const QDate& from, const QDate& to);

};
