#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

#include "db/DbError.h"

// A movement the member's row does not allow (withdrawing a member twice, a return of a member who is
// not on leave ...). Derived from db::Error so a save that catches db::Error rolls back as usual;
// message() is a Korean text fit for the user.
class MovementRefused : public db::Error {
public:
    explicit MovementRefused(const QString& message) : db::Error(message, QString()) {}
};

// The one place that keeps the yearly movement counters (T_인원현황) and the movement logs
// (T_퇴관사유별현황, T_휴관사유별현황, T_입관동기별현황, T_휴관종료). Enrolment, online enrolment, withdrawal,
// leave, return and member deletion call it; nothing else writes these tables.
//
// Every function runs in its own db::Transaction, which is a savepoint inside the caller's save.
// The month always comes from the date of the event.
//
// Call order: the functions that take a member read his row to see what he is now (current, on
// leave, withdrawn), so call them BEFORE writing the member's new state (and before deleting him).
// A movement his row does not allow throws MovementRefused and changes nothing.
//
// 복관 counts real returns only (from leave and after withdrawal). Every end of a leave is logged in
// T_휴관종료 as '복관' (a return) or '퇴관' (a withdrawal or deletion while on leave), so the headcount
// figures agree with the member table:
// - members training at a month end = Σ(입 + 복 − 휴 − 퇴) + the leaves ended by a withdrawal;
// - members not withdrawn            = Σ(입 + 복 − 퇴) − the returns from leave.
// Deleting a member counts as a withdrawal with reason "99" unless he has withdrawn already.
class MovementCounter {
public:
    enum Kind { Enrolment, Return, Leave, Withdrawal }; // 입관, 복관, 휴관, 퇴관

    static inline const QString kDeletedReason = QStringLiteral("99");
    // 종료구분 of T_휴관종료.
    static inline const QString kLeaveEndReturn = QStringLiteral("복관");
    static inline const QString kLeaveEndWithdrawal = QStringLiteral("퇴관");

    // Enrolment screen and online enrolment: 입관 of the enrolment month + 1, and a motive log row
    // when a motive was chosen.
    static void countEnrolment(const QString& memberNo, const QDate& enrolDate, const QString& motiveCode = QString());

    // Withdrawal of a current member (also one on leave): a log row, then the month's 퇴관 recounted
    // from the log; a leave it ends is logged as such.
    static void countWithdrawal(const QString& memberNo, const QDate& date, const QString& reasonCode);

    // Leave of a current member who is not on leave: a log row, then the month's 휴관 recounted.
    static void countLeave(const QString& memberNo, const QDate& date, const QString& reasonCode);

    // Return of a member on leave: 복관 of the return month + 1, and the end of his leave logged.
    static void countReturnFromLeave(const QString& memberNo, const QDate& date);

    // Return of a withdrawn member: 복관 of the return month + 1.
    static void countReturnAfterWithdrawal(const QString& memberNo, const QDate& date);

    // Outright deletion in personal management (date = today): counted as a withdrawal with reason
    // "99". A member who has withdrawn already left the figures then and is not counted again.
    // Returns whether it counted.
    static bool countDeletion(const QString& memberNo, const QDate& date);

    // The pieces, for repairs and tests.
    static QString column(Kind kind, int month);             // "입관05"
    static void increment(Kind kind, const QDate& date);    // counter of the date's month + 1
    static int recount(Kind kind, int year, int month);     // Leave/Withdrawal: set from the log, returns n
    static qint64 counter(int year, Kind kind, int month);  // 0 when the year has no row
    static int logged(Kind kind, int year, int month);      // Leave/Withdrawal: rows of the log in that month
    // The books' own check: every year's 휴관 and 퇴관 counters against the logs they are counted
    // from. One Korean text per month that disagrees; *checked = the years read.
    static QStringList counterFaults(int* checked = nullptr);

private:
    static void ensureYear(int year);
};
