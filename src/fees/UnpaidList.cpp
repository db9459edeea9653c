#include "fees/UnpaidList.h"

#include "db/MonthKey.h"
#include "db/CodeTables.h"
#include "db/Query.h"
#include "fees/FeeStatus.h"

#include <QHash>

namespace {

// The members the list looks at: the conditions of the filter on T_회원 (each call binds its values).
void addMembers(db::Query& q, const UnpaidList::Filter& f)
{
    if (f.mode == UnpaidList::Mode::ThisMonth)
        q << " Where not(회원번호 In (Select 회원번호 From T_수련비납부 where 년월분=:월)) and 회원명 like :회원명";
    else
        q << " Where 회원명 like :회원명";
    DivisionFilter::apply(q, f.division);
    q << " and mid(입관일,1,4)+mid(입관일,6,2) <= :월 ";
    if (f.byPayDay) {
        q << " and 납부일자 Between :납부일자 and :납부일자2 ";
        q.bind({{"납부일자", f.fromDay}, {"납부일자2", f.toDay}});
    }
    q << " and (휴관일 Is Null and 퇴관일 Is Null) ";
    q.bind({{"월", monthkey::monthKey(f.reference)}, {"회원명", u'%' + f.name.trimmed() + u'%'}});
}

} // namespace

UnpaidList::Result UnpaidList::list(const Filter& f)
{
    // The paid months of the two years counted, of the members on the list only.
    QHash<QString, FeeStatus::MonthBits> paid;
    {
        db::Query p;
        p << "Select 회원번호, 년월분 From T_수련비납부 Where 년월분 Between :부터 and :까지 "
             " and 회원번호 In (Select 회원번호 From T_회원 ";
        addMembers(p, f);
        p << ")";
        p.bind({{"부터", FeeStatus::firstMonth(f.reference)}, {"까지", FeeStatus::lastMonth(f.reference)}});
        p.open();
        while (p.next())
            paid[p.value(0).toString()] |= FeeStatus::monthBit(f.reference, p.value(1).toString());
    }

    db::Query q;
    q << "Select 회원번호,회원명,부별코드,전화번호,입관일,납부일자,성별,수련비,이메일,핸드폰번호  From T_회원 ";
    addMembers(q, f);
    q << " order by 부별코드,회원명";
    q.open();

    const QHash<QString, QString> divisions = codes::divisionNames();
    Result r;
    while (q.next()) {
        Line l;
        l.memberNo = q.str("회원번호");
        l.enrolled = db::dateText(q.date("입관일"));
        l.fee = q.integer("수련비");
        const FeeStatus::Unpaid u = FeeStatus::unpaid({l.enrolled, l.fee}, f.reference, paid.value(l.memberNo));
        if (u.months.isEmpty())
            continue;
        l.name = q.str("회원명");
        l.division = divisions.value(q.str("부별코드"));
        l.phone = q.str("전화번호");
        l.payDay = q.str("납부일자").trimmed();
        l.months = u.months;
        l.owed = u.owed;
        l.sex = q.str("성별");
        l.email = q.str("이메일");
        l.mobile = q.str("핸드폰번호");
        r.total += u.owed;
        r.lines.append(l);
    }
    return r;
}

QString UnpaidList::readableMonths(const QString& months, const QDate& reference)
{
    const QStringList parts = months.split(u' ', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    // From the last month back: the year steps back where the month number grows.
    QList<std::pair<int, int>> dated; // year, month, newest first
    int year = reference.year();
    int after = 13;
    for (qsizetype i = parts.size() - 1; i >= 0; --i) {
        const int m = parts[i].toInt();
        if (m >= after || (after == 13 && m > reference.month()))
            --year;
        dated.prepend({year, m});
        after = m;
    }
    QStringList groups;
    QStringList inYear;
    int shownYear = dated.first().first;
    for (const auto& [y, m] : dated) {
        if (y != shownYear) {
            groups << QStringLiteral("%1년 %2월").arg(shownYear).arg(inYear.join(u'·'));
            inYear.clear();
            shownYear = y;
        }
        inYear << QString::number(m);
    }
    groups << QStringLiteral("%1년 %2월").arg(shownYear).arg(inYear.join(u'·'));
    return groups.join(QStringLiteral(", "));
}
