#include "db/MonthKey.h"

namespace monthkey {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isMonthKey(const QString& key)
{
    if (key.size() != 6)
        return false;
    for (const QChar c : key)
        if (c < u'0' || c > u'9')
            return false;
    const int m = key.mid(4, 2).toInt();
    return key.left(4).toInt() >= 1 && m >= 1 && m <= 12;
}

QString monthKey(const QDate& d) { return d.toString(QStringLiteral("yyyyMM")); }

static QString key(int y, int m) { return QStringLiteral("%1%2").arg(y, 4, 10, QChar(u'0')).arg(m, 2, 10, QChar(u'0')); }

// The steps below refuse a key that is not a real "yyyymm" (empty text, invalid date) rather than
// compute a month from it.

QString nextMonth(const QString& k)
{
    if (!isMonthKey(k))
        return {};
    const int y = k.left(4).toInt(), m = k.mid(4, 2).toInt();
    return m >= 12 ? key(y + 1, 1) : key(y, m + 1);
}

QString prevMonth(const QString& k)
{
    if (!isMonthKey(k))
        return {};
    const int y = k.left(4).toInt(), m = k.mid(4, 2).toInt();
    return m <= 1 ? key(y - 1, 12) : key(y, m - 1);
}

QString dashed(const QString& k) { return isMonthKey(k) ? k.left(4) + u'-' + k.mid(4, 2) : QString(); }

QDate firstDay(const QString& k) { return isMonthKey(k) ? QDate(k.left(4).toInt(), k.mid(4, 2).toInt(), 1) : QDate(); }

QDate lastDay(const QString& k)
{
    if (!isMonthKey(k))
        return {};
    const int y = k.left(4).toInt(), m = k.mid(4, 2).toInt();
    return QDate(y, m, daysInMonth(y, m));
}

QDate shiftMonth(const QDate& d, int delta)
{
    int y = d.year(), m = d.month() + delta;
    while (m > 12) { m -= 12; ++y; }
    while (m < 1) { m += 12; --y; }
    return QDate(y, m, qMin(d.day(), daysInMonth(y, m)));
}

} // namespace monthkey
