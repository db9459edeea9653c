#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "ui/DivisionFilter.h"

// What the desk reads back from the check-ins: the list by day and by member over a period, and the
// number of members checked in on each day (the chart).
namespace CheckInReports {

struct Filter {
    DivisionFilter::Condition division; // on b.부별코드
    QString name;                        // prefix of 회원명
};

struct DayLine {
    QString at; // "YYYY-MM-DD hh:mm:ss"
    QString memberNo, name, division, how;
};
struct MemberLine {
    QString memberNo, name, division;
    int days = 0;   // days with a check-in
    int times = 0;  // check-ins
    QString first, last;
};

QList<DayLine> byDay(const Filter& f, const QDate& from, const QDate& to);
QList<MemberLine> byMember(const Filter& f, const QDate& from, const QDate& to);

// One entry per day of the period, from..to, with the members checked in that day (0 on a closed day).
QList<std::pair<QDate, int>> perDay(const Filter& f, const QDate& from, const QDate& to);

} // namespace CheckInReports
