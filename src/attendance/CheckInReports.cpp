#include "attendance/CheckInReports.h"

#include "db/Query.h"

#include <QHash>

namespace CheckInReports {

namespace {

const QString kFrom = QStringLiteral(" FROM (T_출석체크 a INNER JOIN T_회원 b ON a.회원번호 = b.회원번호) "
                                     "LEFT JOIN T_부별코드 c ON b.부별코드 = c.부별코드 "
                                     "WHERE a.체크일시 >= :d0 AND a.체크일시 < :d1 ");

void where(db::Query& q, const Filter& f, const QDate& from, const QDate& to)
{
    q.add(kFrom);
    DivisionFilter::apply(q, f.division);
    q.add(QStringLiteral("AND b.회원명 LIKE :name ESCAPE '\\' "));
    q.bind({{"d0", from}, {"d1", to.addDays(1)}, {"name", db::likeLiteral(f.name.trimmed()) + u'%'}});
}

} // namespace

QList<DayLine> byDay(const Filter& f, const QDate& from, const QDate& to)
{
    db::Query q(QStringLiteral("SELECT a.체크일시, a.구분, b.회원번호, b.회원명, c.부명"));
    where(q, f, from, to);
    q.add(QStringLiteral("ORDER BY a.체크일시, b.회원명"));
    q.open();
    QList<DayLine> out;
    while (q.next())
        out.append({q.str(QStringLiteral("체크일시")), q.str(QStringLiteral("회원번호")), q.str(QStringLiteral("회원명")),
                    q.str(QStringLiteral("부명")), q.str(QStringLiteral("구분"))});
    return out;
}

QList<MemberLine> byMember(const Filter& f, const QDate& from, const QDate& to)
{
    db::Query q(QStringLiteral("SELECT b.회원번호, b.회원명, c.부명, Count(DISTINCT Left(a.체크일시, 10)) AS 일수, "
                               "Count(*) AS 횟수, Min(a.체크일시) AS 처음, Max(a.체크일시) AS 마지막"));
    where(q, f, from, to);
    q.add(QStringLiteral("GROUP BY b.회원번호, b.회원명, c.부명 ORDER BY c.부명, b.회원명, b.회원번호"));
    q.open();
    QList<MemberLine> out;
    while (q.next())
        out.append({q.str(QStringLiteral("회원번호")), q.str(QStringLiteral("회원명")), q.str(QStringLiteral("부명")),
                    int(q.integer(QStringLiteral("일수"))), int(q.integer(QStringLiteral("횟수"))), q.str(QStringLiteral("처음")),
                    q.str(QStringLiteral("마지막"))});
    return out;
}

QList<std::pair<QDate, int>> perDay(const Filter& f, const QDate& from, const QDate& to)
{
    db::Query q(QStringLiteral("SELECT Left(a.체크일시, 10) AS 일자, Count(DISTINCT a.회원번호) AS 인원"));
    where(q, f, from, to);
    q.add(QStringLiteral("GROUP BY Left(a.체크일시, 10)"));
    q.open();
    QHash<QDate, int> counts;
    while (q.next())
        counts.insert(q.date(QStringLiteral("일자")), int(q.integer(QStringLiteral("인원"))));
    QList<std::pair<QDate, int>> out;
    for (QDate d = from; d.isValid() && d <= to; d = d.addDays(1))
        out.append({d, counts.value(d)});
    return out;
}

} // namespace CheckInReports
