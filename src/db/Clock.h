#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

// "Today" and "now" for the whole program. Tests fix the clock so numbers and default dates repeat.
class Clock {
public:
    static QDate today();
    static QDateTime now();
    static QString todayText();           // "YYYY-MM-DD"
    static QString thisMonthKey();        // "yyyymm"
    static void setFixed(const QDateTime& at);
    static void reset();
};
