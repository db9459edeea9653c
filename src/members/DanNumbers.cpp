#include "members/DanNumbers.h"

#include "db/ExamNumber.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "ui/DivisionFilter.h"

namespace DanNumbers {

bool lines(const NationalApplications::Filter& f, const QString& examNo, const QDate& date, const QString& rankCode,
           const QString& rankName, QList<Application>* out, tot::Problem* problem)
{
    out->clear();
    auto refuse = [&](const QString& message, const QString& field) {
        if (problem)
            *problem = {message, field};
        return false;
    };
    if (examNo.trimmed().isEmpty())
        return refuse(QStringLiteral("심사명을 입력하세요."), QStringLiteral("examname"));
    if (ExamNumber::parse(examNo) == 0)
        return refuse(tot::examNumberMessage(), QStringLiteral("examname"));
    if (rankCode.trimmed().isEmpty())
        return refuse(QStringLiteral("급품을 선택하세요."), QStringLiteral("Com_Belt"));
    db::Query q(QStringLiteral("SELECT a.회원번호, a.회원명, a.생년월일, a.부별코드, b.부명 "
                               "FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 WHERE "));
    q << MemberStatus::notWithdrawn(QStringLiteral("a")) << QStringLiteral(" ");
    if (!f.name.trimmed().isEmpty()) {
        q << QStringLiteral("AND a.회원명 like :회원명 ESCAPE '\\' ");
        q.bind(QStringLiteral("회원명"), db::likeLiteral(f.name.trimmed()));
    }
    DivisionFilter::addConditionFor(q, f.divisionIndex, f.divisionText, QStringLiteral("a.부별코드"));
    q << QStringLiteral(" Order by a.부별코드,a.회원명 asc ");
    q.open();
    while (q.next()) {
        Application a;
        a.memberNo = q.str(QStringLiteral("회원번호"));
        a.name = q.str(QStringLiteral("회원명"));
        a.birthDate = q.str(QStringLiteral("생년월일"));
        a.divisionCode = q.str(QStringLiteral("부별코드"));
        a.divisionName = q.str(QStringLiteral("부명"));
        a.rankCode = rankCode.trimmed();
        a.rankName = rankName.trimmed();
        a.examNo = examNo.trimmed();
        a.examDate = db::dateText(date);
        a.include = false;
        out->append(a);
    }
    return true;
}

int confirm(const QList<Application>& rows, tot::Problem* problem)
{
    const tot::Problem p = NationalApplications::check(rows);
    if (!p.ok()) {
        if (problem)
            *problem = p;
        return 0;
    }
    return NationalApplications::confirm(rows, NationalApplications::Record::Always);
}

} // namespace DanNumbers
