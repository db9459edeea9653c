// The merit and penalty points page of the general queries.
#include "db/Clock.h"
#include "db/CodeTables.h"
#include "db/MemberStatus.h"
#include "db/Query.h"
#include "stats/GeneralQueryParts.h"
#include "ui/DivisionFilter.h"

#include <QHash>
#include <QLocale>
#include <cmath>

namespace tot::parts {

namespace {

// --- page 6: merit and penalty points ---------------------------------------------------------------

QString pointsText(const QVariant& v) { return v.isNull() ? QString() : QString::number(v.toLongLong()); }

} // namespace

Listing points(const Input& in)
{
    const int year = in.yearText.trimmed().toInt();
    Listing l;
    l.headers = QStringList{QStringLiteral("부    명"), QStringLiteral("회 원 명"), QStringLiteral("입 관 일")};
    for (int m = 1; m <= 12; ++m)
        l.headers << QStringLiteral("%1").arg(m, 2, 10, QChar(u'0'));
    l.headers << QStringLiteral("총점") << QStringLiteral("누적");

    auto period = [&](db::Query& q) {
        if (in.useDates) {
            q << QStringLiteral("AND a.벌점일자 Between :S AND :E   ");
            q.bind(QStringLiteral("S"), in.from);
            q.bind(QStringLiteral("E"), in.to);
        } else {
            q << QStringLiteral("AND a.벌점일자 Between :S AND :E ");
            q.bind(QStringLiteral("S"), QStringLiteral("%1-01-01").arg(year, 4, 10, QChar(u'0')));
            q.bind(QStringLiteral("E"), QStringLiteral("%1-12-31").arg(year, 4, 10, QChar(u'0')));
        }
    };

    if (in.cumulativeOrder) {
        db::Query q(QStringLiteral(" SELECT a.회원번호, d.부명, c.회원명, c.입관일, sum(b.벌점수) AS 합계 "
                                   "FROM ((T_벌점 a LEFT JOIN T_벌점항목 b ON a.벌점코드 = b.벌점코드) "
                                   "INNER JOIN T_회원 c ON a.회원번호 = c.회원번호) "
                                   "LEFT JOIN T_부별코드 d ON c.부별코드 = d.부별코드 "
                                   " WHERE  ") + MemberStatus::notWithdrawn(QStringLiteral("c")) + u' ');
        addExactName(q, QStringLiteral("c.회원명"), in.name);
        DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("c.부별코드"));
        period(q);
        q << QStringLiteral(" GROUP BY a.회원번호, d.부명, c.회원명, c.입관일,d.부별코드  "
                            " ORDER BY sum(b.벌점수) DESC ,c.입관일,d.부별코드 ");
        q.open();
        while (q.next()) {
            Row r;
            r.memberNo = q.str(QStringLiteral("회원번호"));
            r.cells << q.str(QStringLiteral("부명")) << q.str(QStringLiteral("회원명")) << q.str(QStringLiteral("입관일"));
            for (int m = 0; m < 13; ++m)
                r.cells << QString();
            r.cells << pointsText(q.value(QStringLiteral("합계")));
            l.rows.append(r);
        }
        l.found = int(l.rows.size());
        return l;
    }

    db::Query q(QStringLiteral(" SELECT year(a.벌점일자) AS 년도, a.회원번호, b.회원명, "
                               " b.입관일, c.부명, b.부별코드, sum(d.벌점수) AS 합계 "
                               "FROM ((T_벌점 a INNER JOIN T_회원 b ON a.회원번호 = b.회원번호) "
                               "LEFT JOIN T_부별코드 c ON b.부별코드 = c.부별코드) "
                               "LEFT JOIN T_벌점항목 d ON a.벌점코드 = d.벌점코드 "
                               " WHERE  ") + MemberStatus::notWithdrawn(QStringLiteral("b")) + u' ');
    addExactName(q, QStringLiteral("b.회원명"), in.name);
    DivisionFilter::addConditionFor(q, in.divisionIndex, in.divisionText, QStringLiteral("b.부별코드"));
    period(q);
    q << QStringLiteral(" GROUP BY year(a.벌점일자), a.회원번호, b.회원명, b.입관일, c.부명, b.부별코드 "
                        " ORDER BY year(a.벌점일자), sum(d.벌점수) DESC , b.입관일, b.부별코드  ");
    struct Found {
        Row row;
        int year;
        QVariant total;
    };
    QList<Found> found;
    int firstYear = 9999, lastYear = 0;
    q.open();
    while (q.next()) {
        Found f;
        f.row.memberNo = q.str(QStringLiteral("회원번호"));
        f.row.cells << q.str(QStringLiteral("부명")) << q.str(QStringLiteral("회원명")) << q.str(QStringLiteral("입관일"));
        f.year = int(q.integer(QStringLiteral("년도")));
        f.total = q.value(QStringLiteral("합계"));
        firstYear = std::min(firstYear, f.year);
        lastYear = std::max(lastYear, f.year);
        found.append(f);
    }
    if (found.isEmpty())
        return l;

    // Month sums of the years listed, and each member's sum over all time: two statements in all.
    QHash<QString, QVariant> months; // "no|year|month"
    {
        db::Query m(QStringLiteral("SELECT a.회원번호, year(a.벌점일자) AS y, month(a.벌점일자) AS m, sum(b.벌점수) AS 벌점수 "
                                   "FROM T_벌점 a, T_벌점항목 b WHERE a.벌점코드 = b.벌점코드 "
                                   "AND a.벌점일자 Between :S AND :E "
                                   "GROUP BY a.회원번호, year(a.벌점일자), month(a.벌점일자)"));
        m.bind(QStringLiteral("S"), QStringLiteral("%1-01-01").arg(firstYear, 4, 10, QChar(u'0')));
        m.bind(QStringLiteral("E"), QStringLiteral("%1-12-31").arg(lastYear, 4, 10, QChar(u'0')));
        m.open();
        while (m.next())
            months.insert(m.str(QStringLiteral("회원번호")) + u'|' + m.str(QStringLiteral("y")) + u'|' + m.str(QStringLiteral("m")),
                          m.value(QStringLiteral("벌점수")));
    }
    QHash<QString, QVariant> overall;
    {
        db::Query m(QStringLiteral("SELECT a.회원번호, sum(b.벌점수) AS 누적 FROM T_벌점 a, T_벌점항목 b "
                                   "WHERE a.벌점코드 = b.벌점코드 AND a.회원번호 IN "
                                   "(SELECT x.회원번호 FROM T_회원 x WHERE ") + MemberStatus::notWithdrawn(QStringLiteral("x")) +
                    QStringLiteral(") GROUP BY a.회원번호"));
        m.open();
        while (m.next())
            overall.insert(m.str(QStringLiteral("회원번호")), m.value(QStringLiteral("누적")));
    }
    for (Found& f : found) {
        for (int m = 1; m <= 12; ++m)
            f.row.cells << pointsText(months.value(f.row.memberNo + u'|' + QString::number(f.year) + u'|' + QString::number(m)));
        f.row.cells << pointsText(f.total) << pointsText(overall.value(f.row.memberNo));
        l.rows.append(f.row);
    }
    l.found = int(l.rows.size());
    return l;
}

} // namespace tot::parts
