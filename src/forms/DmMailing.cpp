#include "forms/DmMailing.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "report/AddressLabels.h"
#include "report/Report.h"
#include "stats/GeneralQueries.h"
#include "report/NoticeFile.h"

#include <QDate>
#include <QHash>

namespace DmMailing {

namespace {

bool realMonthDay(const QString& s)
{
    // Checked in a leap year so that 02-29 counts.
    return s.size() == 5 && QDate::fromString(QStringLiteral("2000-") + s, QStringLiteral("yyyy-MM-dd")).isValid();
}

bool realDate(const QString& s)
{
    return s.size() == 10 && QDate::fromString(s, QStringLiteral("yyyy-MM-dd")).isValid();
}

void addRange(db::Query& q, const QString& expression, const Range& r, const QString& param, bool monthDay)
{
    if (!r.on)
        return;
    const Range c = completed(r, monthDay);
    q << QStringLiteral(" AND  %1 BETWEEN :%2a AND :%2b ").arg(expression, param);
    q.bind(param + u'a', c.from).bind(param + u'b', c.to);
}

bool inside(const QString& birthday, const Range& r)
{
    const Range c = completed(r, true);
    const QString md = birthday.mid(5, 5);
    return !md.isEmpty() && md >= c.from && md <= c.to;
}

struct Parent {
    QString name, birthday;
};

// Fathers ("부") and mothers ("모") of the listed members, the first of each by 순번.
QHash<QString, Parent> parents(const QString& relation)
{
    QHash<QString, Parent> out;
    db::Query q(QStringLiteral("SELECT 회원번호, 성명, 생일 FROM T_가족사항 WHERE 관계 = :rel ORDER BY 회원번호, 순번"));
    q.bind(QStringLiteral("rel"), relation).open();
    while (q.next()) {
        const QString no = q.str(QStringLiteral("회원번호"));
        if (!out.contains(no))
            out.insert(no, {q.str(QStringLiteral("성명")), q.str(QStringLiteral("생일"))});
    }
    return out;
}

QString statusCondition(Status s)
{
    switch (s) {
    case OnLeave: return QStringLiteral(" AND T_회원.휴관일 Is Not Null ");
    case Withdrawn: return QStringLiteral(" AND T_회원.퇴관일 Is Not Null ");
    default: return QStringLiteral(" AND T_회원.퇴관일 Is  Null AND T_회원.휴관일 Is  Null ");
    }
}

const QString kRule = QString(66, u'=');

} // namespace

Range completed(Range r, bool monthDay)
{
    r.from = r.from.trimmed();
    r.to = r.to.trimmed();
    if (r.from.isEmpty())
        r.from = monthDay ? Clock::today().toString(QStringLiteral("MM-dd")) : Clock::todayText();
    if (r.to.isEmpty())
        r.to = r.from;
    return r;
}

QString rangeProblem(const Range& r, bool monthDay)
{
    if (!r.on)
        return {};
    const Range c = completed(r, monthDay);
    const bool ok = monthDay ? realMonthDay(c.from) && realMonthDay(c.to) : realDate(c.from) && realDate(c.to);
    if (!ok)
        return monthDay ? QStringLiteral("생일은 월-일(MM-DD)로 입력하세요.") : QStringLiteral("날짜를 정확히 입력하세요.");
    if (c.from > c.to)
        return QStringLiteral("기간의 시작이 끝보다 늦습니다.");
    return {};
}

QStringList names(Status status)
{
    db::Query q(QStringLiteral("SELECT DISTINCT 회원명 FROM T_회원 WHERE T_회원.회원번호 IS NOT NULL ") + statusCondition(status)
                + QStringLiteral(" ORDER BY 회원명"));
    q.open();
    QStringList out;
    while (q.next())
        out << q.str(QStringLiteral("회원명"));
    return out;
}

QList<Row> query(const Filter& f)
{
    db::Query q(QStringLiteral(
        " SELECT T_회원.회원번호,T_회원.회원명, T_회원.부별코드,  T_회원.급품코드,   T_부별코드.부명,   T_급품코드.급품명, "
        "T_회원.학교, T_회원.학년, T_회원.생년월일 AS 본인생일, T_지역코드.지역명, T_회원.주소, T_회원.우편번호, "
        "T_회원.최초입관일,T_회원.입관일 , T_회원.최종퇴관일,T_회원.최종휴관일,T_회원.이메일 "
        "FROM ((T_회원 LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드) "
        "LEFT JOIN T_급품코드 ON T_회원.급품코드 = T_급품코드.급품코드) "
        "LEFT JOIN T_지역코드 ON T_회원.지역코드 = T_지역코드.지역코드 "
        "WHERE T_회원.회원번호 IS NOT NULL "));
    q << statusCondition(f.status);
    if (!f.name.trimmed().isEmpty()) {
        q << QStringLiteral(" AND T_회원.회원명 like :회원명 ESCAPE '\\' ");
        q.bind(QStringLiteral("회원명"), QStringLiteral("%") + db::likeLiteral(f.name.trimmed()) + QStringLiteral("%"));
    }
    DivisionFilter::apply(q, f.division);
    tot::addRankCondition(q, f.rankIndex, f.rankText, QString(), QStringLiteral("T_회원.급품코드"),
                          QStringLiteral("T_급품코드.급품명"), false);
    if (!f.school.trimmed().isEmpty()) {
        q << QStringLiteral(" AND T_회원.학교 like :학교 ESCAPE '\\' ");
        q.bind(QStringLiteral("학교"), QStringLiteral("%") + db::likeLiteral(f.school.trimmed()) + QStringLiteral("%"));
    }
    if (!f.grade.sql.isEmpty()) {
        q << f.grade.sql;
        if (f.grade.sql.contains(QStringLiteral(":Year")))
            q.bind(QStringLiteral("Year"), f.grade.year);
    }
    if (f.regionCode >= 0) {
        q << QStringLiteral(" And T_회원.지역코드 = :지역코드 ");
        q.bind(QStringLiteral("지역코드"), f.regionCode);
    }
    if (!f.address.trimmed().isEmpty()) {
        q << QStringLiteral(" AND T_회원.주소 like :주소 ESCAPE '\\' ");
        q.bind(QStringLiteral("주소"), QStringLiteral("%") + db::likeLiteral(f.address.trimmed()) + QStringLiteral("%"));
    }
    addRange(q, QStringLiteral("Mid( T_회원.생년월일,6,5)"), f.self, QStringLiteral("mmdd"), true);
    addRange(q, QStringLiteral("Mid(T_회원.최초입관일,1,10)"), f.enrolled, QStringLiteral("in"), false);
    addRange(q, QStringLiteral("Mid(T_회원.입관일,1,10)"), f.returned, QStringLiteral("re"), false);
    addRange(q, QStringLiteral("Mid(T_회원.최종퇴관일,1,10)"), f.withdrawn, QStringLiteral("out"), false);
    addRange(q, QStringLiteral("Mid(T_회원.최종휴관일,1,10)"), f.leave, QStringLiteral("rest"), false);
    q << QStringLiteral(" ORDER BY   T_회원.부별코드,  T_회원.급품코드");
    q.open();

    const QHash<QString, Parent> fathers = parents(QStringLiteral("부"));
    const QHash<QString, Parent> mothers = parents(QStringLiteral("모"));
    // One parent's range alone filters the rows; both ticked filter none (the birthdays still show
    // only inside their ranges).
    const bool byFather = f.father.on && !f.mother.on;
    const bool byMother = f.mother.on && !f.father.on;
    QList<Row> out;
    while (q.next()) {
        const QString no = q.str(QStringLiteral("회원번호"));
        const Parent father = fathers.value(no);
        const Parent mother = mothers.value(no);
        if (byFather && !inside(father.birthday, f.father))
            continue;
        if (byMother && !inside(mother.birthday, f.mother))
            continue;
        Row r;
        r.memberNo = no;
        r.name = q.str(QStringLiteral("회원명"));
        r.division = q.str(QStringLiteral("부명"));
        r.rank = q.str(QStringLiteral("급품명"));
        r.school = q.str(QStringLiteral("학교"));
        r.grade = q.str(QStringLiteral("학년"));
        const QString first = q.str(QStringLiteral("최초입관일"));
        const QString current = q.str(QStringLiteral("입관일"));
        if (f.status == Current) {
            r.enrolled = first;
            r.returned = current != first ? current : QString();
        } else if (f.status == OnLeave) {
            r.leave = q.str(QStringLiteral("최종휴관일"));
        } else {
            r.withdrawn = q.str(QStringLiteral("최종퇴관일"));
        }
        r.birthday = q.str(QStringLiteral("본인생일"));
        r.fatherBirthday = !f.father.on || inside(father.birthday, f.father) ? father.birthday : QString();
        r.guardian = father.name;
        r.motherBirthday = !f.mother.on || inside(mother.birthday, f.mother) ? mother.birthday : QString();
        r.region = q.str(QStringLiteral("지역명"));
        r.address = q.str(QStringLiteral("주소"));
        r.zip = q.str(QStringLiteral("우편번호"));
        r.email = q.str(QStringLiteral("이메일"));
        out.append(r);
    }
    return out;
}

bool printLabels(const QList<Row>& rows, int destination, QWidget* parent)
{
    QList<report::AddressLabel> labels;
    for (const Row& r : rows)
        if (r.ticked)
            labels.append({r.address, r.guardian, r.name, r.zip});
    if (labels.isEmpty())
        return false;
    report::PrintJob job;
    report::fillAddressLabels(job, labels, report::LabelRowNumber::ThreeDigits);
    return job.run(QStringLiteral("dm.rpt"), QStringLiteral("DM 발송"), destination, parent);
}

NoticeFile mailingFile(const QList<Row>& rows)
{
    NoticeFile file(QStringLiteral("통신문"));
    const NoticeFile::School school = NoticeFile::school();
    const QString today = Clock::todayText();
    for (const Row& r : rows) {
        if (!r.ticked)
            continue;
        NoticeLine rest;
        rest.item(kRule)
            .item(QStringLiteral("* 도 장 명 : ") + school.name + QStringLiteral(" / 관 장 명 : ") + school.head
                  + QStringLiteral(" / 전화번호 : ") + school.phone)
            .item(QStringLiteral("* 수 련 생 : ") + r.name)
            .item(QStringLiteral("* 작 성 일 : ") + today)
            .item(kRule);
        file.addRecipient(r.email, rest);
    }
    return file;
}

} // namespace DmMailing
