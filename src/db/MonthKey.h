#pragma once
#include <QDate>
#include <QString>

// Month keys "yyyymm" (fee months, closed months) and the calendar steps between months. A key that is
// not a real month gives an empty text or an invalid date, never a computed month.
namespace monthkey {

bool isLeapYear(int year);                       // Gregorian rule
int daysInMonth(int year, int month);
bool isMonthKey(const QString& key);             // six digits with a month 01..12
QString monthKey(const QDate& d);                // "yyyymm"
QString nextMonth(const QString& key);           // "202412" -> "202501"
QString prevMonth(const QString& key);           // "202401" -> "202312"
QString dashed(const QString& key);              // "202403" -> "2024-03"
QDate firstDay(const QString& key);
QDate lastDay(const QString& key);
// The calendar arrows: one month back or forward, the day kept or cut to the end of the target month.
QDate shiftMonth(const QDate& d, int delta);

} // namespace monthkey
