#pragma once
#include <QString>

// The conditions by which screens select members, written once. Each gives a condition on T_회원 for
// a WHERE clause; `alias` is the table's alias or name in the statement ("a", "T_회원"), empty for none.
// A status date that is empty text counts as no date, like a null one.
namespace MemberStatus {

QString notWithdrawn(const QString& alias = QString()); // members, those on leave included
QString active(const QString& alias = QString());       // attending: neither withdrawn nor on leave
QString onLeave(const QString& alias = QString());      // on leave and not withdrawn
QString withdrawn(const QString& alias = QString());
QString returned(const QString& alias = QString());     // came back after a leave or a withdrawal
// Enrolled on or before a date "YYYY-MM-DD" bound to `param`; by month with "YYYY-MM" bound to `param`.
QString enrolledBy(const QString& alias = QString(), const QString& param = QStringLiteral(":현재일자"));
QString enrolledByMonth(const QString& alias = QString(), const QString& param = QStringLiteral(":month1"));

// For a row already read: the same rules on the two status dates.
enum class State { Active, OnLeave, Withdrawn };
State stateOf(const QString& withdrawalDate, const QString& leaveDate);
QString stateName(State s); // "재원", "휴관", "퇴관"

} // namespace MemberStatus
