#include "forms/Roster.h"

#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "report/Report.h"
#include "stats/GeneralQueries.h"

namespace Roster {

QList<Row> query(const Filter& f)
{
    db::Query q(QStringLiteral("SELECT a.회원번호, b.부명, a.회원명,c.급품명 ,a.전화번호,a.학년 FROM T_회원 a, T_부별코드 b, T_급품코드 c "
                               "WHERE a.퇴관일 Is Null "));
    DivisionFilter::apply(q, f.division);
    if (!f.grade.sql.isEmpty()) {
        q.add(f.grade.sql);
        if (f.grade.sql.contains(QStringLiteral(":Year")))
            q.bind("Year", f.grade.year);
    }
    tot::addRankCondition(q, f.rankIndex, f.rankText, f.rankToText, QStringLiteral("a.급품코드"), QStringLiteral("c.급품명"),
                                     true);
    q.add(QStringLiteral(" AND a.급품코드 = c.급품코드 AND a.부별코드 = b.부별코드 ORDER BY a.부별코드  ,a.급품코드 desc ,a.학년  "));
    q.open();
    QList<Row> rows;
    while (q.next())
        rows.append({q.str("회원번호"), q.str("부명"), q.str("회원명"), q.str("급품명"), q.str("전화번호"), q.str("학년"), true});
    return rows;
}

bool print(const QList<Row>& rows, const QString& divisionEntry, const QString& title, int destination, QWidget* parent)
{
    const QString division = divisionEntry.contains(u')') ? divisionEntry.mid(divisionEntry.indexOf(u')') + 1).trimmed()
                                                          : divisionEntry.trimmed();
    const QString school = SchoolInfo::name();
    report::PrintJob job;
    int n = 0;
    for (const Row& r : rows) {
        if (!r.ticked)
            continue;
        job.add({{"seqno", ++n}, {"f01", r.division}, {"f02", r.name}, {"f03", r.rank}, {"f04", r.phone}, {"f05", r.grade},
                 {"f06", QString()}, {"f07", division}, {"f08", title + u' '}, {"association", school}});
    }
    return job.run(QStringLiteral("수련명부.rpt"), QStringLiteral("수련생명부"), destination, parent);
}

} // namespace Roster
