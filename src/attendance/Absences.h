#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

// The absence record T_결석 and its one rule: an unexcused absence ("무단결석") also books the penalty
// item of that name in T_벌점, once per member and day. The daily entry, the personal history tab and
// the online data receipt write absences through here.
namespace Absences {

// A reason as the lists show it: code + ")  " + name ("03)  무단결석").
QString reasonItem(const QString& code, const QString& name);
QStringList reasonItems(); // one per row of T_결석사유
// A list text that holds a reason: not empty and not the ")" of a line without an absence.
bool holdsReason(const QString& reasonText);
QString reasonCode(const QString& reasonText); // text before the first ")"
QString reasonName(const QString& reasonText); // text after it, trimmed

struct Entry {
    QString memberNo;
    QDate date;
    QString reason; // the list text
    QString note;   // 비고: who reported it
};

// Inserts the absence (all five columns) and, for "무단결석", its penalty unless the member already has
// that penalty on that day. Throws db::Error (the primary key refuses a second absence on a day).
void add(const Entry& e, bool bookPenalty = true);
// A stored absence (member, date) gets the reason and note of `e`; 비고2 follows the reason.
void correct(const QString& memberNo, const QDate& date, const Entry& e);
// Deletes one absence; a penalty it booked stays.
void remove(const QString& memberNo, const QDate& date);

} // namespace Absences
