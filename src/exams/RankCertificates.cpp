#include "exams/RankCertificates.h"

#include "db/Concurrency.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "ui/DivisionFilter.h"

namespace RankCertificates {

QList<Line> search(const QString& name, int divisionIndex, const QString& divisionText)
{
    db::Query q(QStringLiteral("SELECT a.회원번호,a.회원명, a.생년월일, b.급품명,d.부명,a.학년, a.반 "
                               "FROM T_회원 AS a, T_급품코드 AS b, T_부별코드 AS d "
                               "WHERE "));
    q << MemberStatus::active(QStringLiteral("a"))
      << QStringLiteral(" AND a.급품코드= b.급품코드 AND a.부별코드= d.부별코드 ");
    if (!name.trimmed().isEmpty()) {
        q << QStringLiteral("AND a.회원명 = :name ");
        q.bind(QStringLiteral("name"), name.trimmed());
    }
    DivisionFilter::addConditionFor(q, divisionIndex, divisionText, QStringLiteral("a.부별코드"));
    q << QStringLiteral("ORDER BY a.부별코드, b.급품코드, a.회원명");
    q.open();
    QList<Line> out;
    while (q.next())
        out.append({q.str(QStringLiteral("회원번호")), q.str(QStringLiteral("회원명")), q.str(QStringLiteral("생년월일")),
                    q.str(QStringLiteral("급품명")), q.str(QStringLiteral("부명")), q.str(QStringLiteral("학년")),
                    q.str(QStringLiteral("반"))});
    return out;
}

int counter() { return db::scalar(QStringLiteral("SELECT 급증발부 FROM T_도장정보")).toInt(); }

QString layoutFor(bool forms) { return forms ? QStringLiteral("급증발부2.rpt") : QStringLiteral("급증발부1.rpt"); }

int fill(const QList<Line>& lines, const Issue& issue)
{
    db::Transaction tx;
    db::createTempTable(QStringLiteral("( 회원명 String(10), 급품명 String(10), 생년월일 String(10))"));
    for (const Line& l : lines)
        if (l.ticked)
            db::run(QStringLiteral("Insert Into T_Temp(회원명,급품명,생년월일)  Values(:회원명, :급품명, :생년월일)"),
                    {{QStringLiteral("회원명"), l.name}, {QStringLiteral("급품명"), l.rankName}, {QStringLiteral("생년월일"), l.birthDate}});

    QString school, owner, schoolLatin;
    {
        db::Query s(QStringLiteral("SELECT 도장명, 도장명영, 관장명 FROM T_도장정보"));
        s.open();
        if (s.next()) {
            school = s.str(QStringLiteral("도장명"));
            schoolLatin = s.str(QStringLiteral("도장명영"));
            owner = s.str(QStringLiteral("관장명"));
        }
    }
    db::lockNumbers(QStringLiteral("급증발부"));
    int number = counter();
    const QString date = QStringLiteral("%1년 %2월 %3일 ").arg(issue.examDate.year()).arg(issue.examDate.month()).arg(issue.examDate.day());
    db::run(QStringLiteral("DELETE FROM print"));
    db::Query t(QStringLiteral("SELECT (Mid(a.회원명,1,1) + '   ' + Mid(a.회원명,2,1) + '   ' + Mid(a.회원명,3,1) + '   ' + "
                               "Mid(a.회원명,4,1) + ' ' + Mid(a.회원명,5,1)) AS Name, "
                               "(Trim(Str(Year(a.생년월일))) + '년 ') + (Str(Month(a.생년월일)) + '월 ') + (Str(Day(a.생년월일)) + '일 ') AS birthday, "
                               "a.급품명 FROM T_Temp AS a"));
    t.open();
    int n = 0;
    while (t.next()) {
        ++number;
        db::run(QStringLiteral("UPDATE T_도장정보 SET 급증발부 = :G_Count"), {{QStringLiteral("G_Count"), number}});
        db::run(QStringLiteral("INSERT INTO print (seqno, f01, f02, f03, f04, f05, f06, f07, f08, f09) "
                               "VALUES (:n, :f01, :f02, :f03, :f04, :f05, :f06, :f07, :f08, :f09)"),
                {{QStringLiteral("n"), ++n},
                 {QStringLiteral("f01"), QString::number(number)},
                 {QStringLiteral("f02"), t.str(QStringLiteral("급품명"))},
                 {QStringLiteral("f03"), t.str(QStringLiteral("Name"))},
                 {QStringLiteral("f04"), t.str(QStringLiteral("birthday"))},
                 {QStringLiteral("f05"), issue.examName + u' '},
                 {QStringLiteral("f06"), date},
                 {QStringLiteral("f07"), school},
                 {QStringLiteral("f08"), owner},
                 {QStringLiteral("f09"), schoolLatin}});
    }
    report::AddPrintEndRow();
    tx.commit();
    return n;
}

} // namespace RankCertificates
