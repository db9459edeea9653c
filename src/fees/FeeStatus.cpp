#include "fees/FeeStatus.h"

#include "db/MonthKey.h"
#include "db/Query.h"
#include "text/Money.h"

namespace FeeStatus {

namespace {

QString key(int year, int month) { return QStringLiteral("%1%2").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0')); }

// Year and month of the enrolment date; 0 when there is none.
void enrolment(const Member& m, int* year, int* month)
{
    bool okY = false, okM = false;
    *year = m.enrolled.left(4).toInt(&okY);
    *month = m.enrolled.mid(5, 2).toInt(&okM);
    if (!okY || !okM || *month < 1 || *month > 12)
        *year = *month = 0;
}

} // namespace

Months paymentsOf(const QString& memberNo, const QString& from, const QString& to)
{
    db::Query q("SELECT 년월분, 납부일자, 납부액 FROM T_수련비납부 "
                "WHERE 회원번호 = :회원번호 AND 년월분 BETWEEN :부터 AND :까지");
    q.bind({{"회원번호", memberNo}, {"부터", from}, {"까지", to}});
    Months one;
    q.open();
    while (q.next())
        one.insert(q.str(QStringLiteral("년월분")), Paid{q.date(QStringLiteral("납부일자")), q.integer(QStringLiteral("납부액"))});
    return one;
}

MonthBits monthBit(const QDate& reference, const QString& monthKey)
{
    bool okY = false, okM = false;
    const int year = monthKey.left(4).toInt(&okY), month = monthKey.mid(4, 2).toInt(&okM);
    const int i = (year - reference.year() + 1) * 12 + month - 1;
    return okY && okM && month >= 1 && month <= 12 && i >= 0 && i < 24 ? MonthBits(1) << i : 0;
}

QDate dueDay(int year, int month, const QString& payDay)
{
    bool ok = false;
    const int d = payDay.trimmed().toInt(&ok);
    const int last = monthkey::daysInMonth(year, month);
    return QDate(year, month, ok && d >= 1 && d <= last ? d : last);
}

QString spacedDate(const QDate& d)
{
    if (!d.isValid())
        return QString();
    return QStringLiteral(" %1년 %2월 %3일 ").arg(d.year()).arg(d.month()).arg(d.day());
}

QString dateWords(const QDate& d)
{
    return d.isValid() ? QStringLiteral("%1년 %2월 %3일 ").arg(d.year()).arg(d.month()).arg(d.day()) : QString();
}

QString won(qint64 amount) { return moneyText(amount) + QStringLiteral(" 원"); }

QString wonIfAny(qint64 amount) { return amount > 0 ? won(amount) : QString(); }

QString firstMonth(const QDate& reference) { return key(reference.year() - 1, 1); }

QString lastMonth(const QDate& reference) { return key(reference.year(), reference.month()); }

namespace {
// The unpaid months up to the reference month, `isPaid(year, month)` telling a month with its row.
template <typename IsPaid>
Unpaid unpaidWith(const Member& m, const QDate& reference, IsPaid isPaid)
{
    const int y = reference.year(), n = reference.month();
    int ey = 0, em = 0;
    enrolment(m, &ey, &em);
    Unpaid u;
    if (ey > y)
        return u;
    auto look = [&](int year, int from, int to) {
        for (int month = from; month <= to; ++month) {
            if (isPaid(year, month))
                continue;
            u.months += u' ' + QString::number(month);
            u.owed += m.fee;
        }
    };
    if (ey == y) {
        look(y, em, n);
    } else if (ey == y - 1) {
        look(y - 1, em, 12);
        look(y, 1, n);
    } else {
        look(y - 1, 1, 12);
        look(y, 1, n);
    }
    return u;
}
} // namespace

Unpaid unpaid(const Member& m, const QDate& reference, const Months& paid)
{
    return unpaidWith(m, reference, [&](int year, int month) { return paid.contains(key(year, month)); });
}

Unpaid unpaid(const Member& m, const QDate& reference, MonthBits paid)
{
    return unpaidWith(m, reference, [&](int year, int month) { return (paid & monthBit(reference, key(year, month))) != 0; });
}

Notice notice(const Member& m, const QDate& reference, const Months& paid)
{
    const int y = reference.year(), n = reference.month();
    int ey = 0, em = 0;
    enrolment(m, &ey, &em);
    Notice r;
    r.fee = m.fee;

    // The year before: from the enrolment month when he came last year, otherwise only the last
    // months of that year while the new year is young (September to December in January ...).
    int prevFrom = 13;
    if (ey == y - 1)
        prevFrom = em;
    else if (ey < y - 1 && n <= 4)
        prevFrom = n + 8;
    QStringList prevLabels;
    for (int month = prevFrom; month <= 12; ++month) {
        if (paid.contains(key(y - 1, month)))
            continue;
        r.prevSum += m.fee;
        r.prevList += u' ' + QString::number(month);
        prevLabels.append(QString::number(month) + QStringLiteral("월"));
    }
    r.prevLabel = prevLabels.join(u',');

    const int curFrom = ey == y ? em : (ey > y ? n : 1);
    for (int month = curFrom; month <= n - 1; ++month) {
        const auto it = paid.constFind(key(y, month));
        QString& label = r.labels[month - 1];
        if (it == paid.constEnd()) {
            r.curSum += m.fee;
            r.curList += u' ' + QString::number(month);
            label = QStringLiteral("미납");
        } else if (it->amount == 0) {
            label = QStringLiteral("면제");
        } else if (it->date.isValid()) {
            label = QStringLiteral("%1/%2").arg(it->date.month()).arg(it->date.day());
        }
    }

    // The reference month counts as settled only when its row is there and he was enrolled by then.
    const QString refKey = key(y, n);
    const QString enrolledKey = m.enrolled.left(4) + m.enrolled.mid(5, 2);
    r.currentDue = !(paid.contains(refKey) && enrolledKey <= refKey);
    r.total = r.prevSum + r.curSum + (r.currentDue ? m.fee : 0);
    return r;
}

} // namespace FeeStatus
